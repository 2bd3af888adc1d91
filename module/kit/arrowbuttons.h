#ifndef ARROWBUTTONS_H
#define ARROWBUTTONS_H

#include <QByteArray>
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>

class ArrowsMenu;
class PipeSignalEmitter;
class QFrame;
class QPushButton;
class QWidget;

// The left and right arrow buttons of a label panel with the frame that holds the
// arrow menu: which button picks, which symbol each side has, and the frame that
// slides in over a part of the panel while a button is checked. The panel keeps its
// own slots and calls these from them; the arrows chosen come out as the two
// signals.
class ArrowButtons : public QObject
{
    Q_OBJECT

public:
    enum Side
    {
        Left,
        Right
    };

    // The picture on an arrow button, and the button around it.
    static constexpr int IconWidth = 69;
    static constexpr int IconHeight = 58;

    // A checkable arrow button that shows icon (the menu's add-arrow picture).
    static QPushButton* createButton(const QString& objectName, const QIcon& icon, QWidget* parent);

    // The frame slides in over `cover` from just off its left edge, `gap` pixels
    // away; positions are taken when it moves, so the panel may lay itself out
    // later.
    ArrowButtons(ArrowsMenu* menu, QPushButton* left, QPushButton* right, QFrame* frame,
                 QWidget* cover, int gap, QObject* parent);

    unsigned int leftId() const { return m_leftId; }
    unsigned int rightId() const { return m_rightId; }
    QPoint shownPosition() const;
    QPoint hiddenPosition() const;

    // An arrow the program shows: the side's id and picture, its button unchecked
    // and unmarked, the frame hidden.
    void setArrow(Side side, unsigned int id, const QIcon& icon);
    // The user toggled a button: the menu opens or closes, the other button follows
    // when the same arrow goes to both sides.
    void clicked(Side side, bool checked, bool applyToBoth);
    // A symbol chosen in the menu goes to every checked side.
    void chosen(unsigned int id, const QByteArray& symbol, const QIcon& icon, const QString& name);
    void applyToBoth(bool checked);
    void close();

signals:
    void leftArrowChangedSignal(unsigned int, QByteArray, bool);
    void rightArrowChangedSignal(unsigned int, QByteArray, bool);

private:
    ArrowsMenu* m_menu = nullptr;
    QPushButton* m_left = nullptr;
    QPushButton* m_right = nullptr;
    QFrame* m_frame = nullptr;
    QWidget* m_cover = nullptr;
    int m_gap = 0;
    unsigned int m_leftId = 1;
    unsigned int m_rightId = 1;
    PipeSignalEmitter* m_emitter = nullptr;
};

#endif
