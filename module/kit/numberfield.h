#ifndef NUMBERFIELD_H
#define NUMBERFIELD_H

#include "widgets/mvlineedit.h"

#include <QString>

// A panel field for a typed length or size. It takes numbers the way the
// controllers read them (QString::toDouble, which knows only the dot) and also
// the decimal mark of the user's locale, and shows a refused value in red
// (setInvalid). Each keystroke is relayed as typedSignal; a value the program
// writes back into the field in reply waits until the user has finished typing,
// so that it never lands under the user's fingers.
class NumberField : public MvLineEdit
{
    Q_OBJECT

public:
    // Numbers from 0 to `top` with at most `decimals` decimals.
    explicit NumberField(double top, int decimals = 3, QWidget* parent = nullptr);

    // Shows a value from the program: at once, or, while a keystroke of the user
    // is being relayed, once typing is finished.
    void writeValue(const QString& text);
    // Forgets a value that waits for the end of typing, when it no longer fits
    // the field (the unit the field shows has changed).
    void dropWaitingValue();

signals:
    // The user changed the text; not emitted for text the program sets.
    void typedSignal(const QString& text);
    // The user pressed return or left the field, after a waiting value was shown.
    void typingFinishedSignal();

private slots:
    void textEditedSlot(const QString& text);
    void editingFinishedSlot();

private:
    bool m_relaying = false;
    bool m_hasWaitingValue = false;
    QString m_waitingValue;
};

#endif
