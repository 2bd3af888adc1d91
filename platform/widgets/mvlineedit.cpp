#include "widgets/mvlineedit.h"

#include <QStyle>

namespace {
// The normal text colour is left to the palette, so a panel may still colour
// a field through its palette.
const char* const LineEditStyle =
    "MvLineEdit { border: 1px solid #c6c6c6; background-color: white; padding: 0px 6px;"
    " selection-background-color: #fd7800; }"
    "MvLineEdit:focus { border: 1px solid #fd7800; }"
    "MvLineEdit:disabled { background-color: #f0f0f0; border: 1px solid #dcdcdc; }"
    "MvLineEdit[invalid=\"true\"] { color: red; border: 1px solid red; }";
} // namespace

MvLineEdit::MvLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setMinimumHeight(35);
    setProperty("invalid", false);
    setStyleSheet(QString::fromLatin1(LineEditStyle));
}

void MvLineEdit::setInvalid(bool invalid)
{
    // Panels judge their fields on every change of a label; re-polishing a field
    // parses its style sheet again, which cost an opened label more than reading it.
    if (invalid == m_invalid)
        return;
    m_invalid = invalid;
    // Carried by the style sheet rather than the palette: a re-polish (on
    // reparenting, or when an ancestor's style sheet changes) puts back the
    // palette the field had when it was first polished.
    setProperty("invalid", invalid);
    style()->unpolish(this);
    style()->polish(this);
    update();
}

bool MvLineEdit::isInvalid() const
{
    return m_invalid;
}
