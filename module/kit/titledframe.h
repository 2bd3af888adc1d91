#ifndef TITLEDFRAME_H
#define TITLEDFRAME_H

#include <QFrame>
#include <QString>

class QLabel;
class QLayout;
class QVBoxLayout;

// A frame of an edit panel: a light grey area under a dark title bar. The
// frame's object name also selects it in its style sheet, so the grey stays on
// the frame and does not reach the controls inside it.
class TitledFrame : public QFrame
{
    Q_OBJECT

public:
    static constexpr int TitleBarHeight = 28;

    enum class BodyHeight
    {
        Natural, // the body sits at the top, the free height stays below it
        Fill     // the body takes the whole height under the title
    };

    TitledFrame(const QString& objectName, const QString& title, QWidget* parent = nullptr);

    // Places the controls' layout under the title bar; once per frame.
    void setBody(QLayout* body, BodyHeight height = BodyHeight::Natural);
    QLabel* titleBar() const;

private:
    QVBoxLayout* m_layout = nullptr;
    QLabel* m_titleBar = nullptr;
};

#endif
