#include "kit/numberfield.h"

#include "kit/decimalpointvalidator.h"

NumberField::NumberField(double top, int decimals, QWidget* parent) : MvLineEdit(parent)
{
    setValidator(new DecimalPointValidator(0.0, top, decimals, this));
    connect(this, &QLineEdit::textEdited, this, &NumberField::textEditedSlot);
    connect(this, &QLineEdit::editingFinished, this, &NumberField::editingFinishedSlot);
}

void NumberField::writeValue(const QString& text)
{
    // Rewriting the text under the user's fingers would splice the next keystroke
    // into the program's value ("1.00" then "5" gives "1.005").
    if (m_relaying) {
        m_waitingValue = text;
        m_hasWaitingValue = true;
        return;
    }
    dropWaitingValue();
    setText(text);
}

void NumberField::dropWaitingValue()
{
    m_hasWaitingValue = false;
    m_waitingValue.clear();
}

void NumberField::textEditedSlot(const QString& text)
{
    // Only the reply to the latest keystroke counts.
    dropWaitingValue();
    m_relaying = true;
    emit typedSignal(text);
    m_relaying = false;
}

void NumberField::editingFinishedSlot()
{
    if (m_hasWaitingValue) {
        const QString value = m_waitingValue;
        dropWaitingValue();
        setText(value);
    }
    emit typingFinishedSignal();
}
