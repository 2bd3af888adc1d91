#ifndef MVFRAME_H
#define MVFRAME_H

#include <QFrame>

// A framed container for pop-up panels that close when the user turns to
// something else. It accepts the focus by click (Qt::ClickFocus), and by
// setFocus() from the code that opens it, but is not reached with the Tab key,
// so a hidden pop-up never takes the focus by accident. focusLost() is emitted
// whenever it loses the focus, whatever the reason: the owner decides whether
// that closes the pop-up (for example not when the press that took the focus
// landed on the pop-up itself).
class MvFrame : public QFrame
{
    Q_OBJECT

public:
    explicit MvFrame(QWidget* parent = nullptr);

signals:
    void focusLost();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

#endif
