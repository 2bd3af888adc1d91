#include "mvlineedit.h"

#include <QStyle>

namespace {
// The text colour is left to the palette so that setInvalid (and panels that
// set a red palette themselves) are not overridden by the style sheet.
const char* const LineEditStyle =
    "MvLineEdit { border: 1px solid #c6c6c6; background-color: white; padding: 0px 6px;"
    " selection-background-color: #fd7800; }"
    "MvLineEdit:focus { border: 1px solid #fd7800; }"
    "MvLineEdit:disabled { background-color: #f0f0f0; border: 1px solid #dcdcdc; }"
    "MvLineEdit[invalid=\"true\"] { border: 1px solid #dc0b0b; }";
} // namespace

MvLineEdit::MvLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setMinimumHeight(35);
    setProperty("invalid", false);
    setStyleSheet(QString::fromLatin1(LineEditStyle));
}

void MvLineEdit::setInvalid(bool invalid)
{
    m_invalid = invalid;
    // The border rule depends on a dynamic property; the style only sees the
    // change after a re-polish. Re-polishing puts back the palette the widget
    // had before its style sheet was applied, so the text colour is set after.
    setProperty("invalid", invalid);
    style()->unpolish(this);
    style()->polish(this);
    QPalette pal = palette();
    const QColor text = invalid ? QColor(Qt::red) : QColor(Qt::black);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Text, text);
    setPalette(pal);
    update();
}

bool MvLineEdit::isInvalid() const
{
    return m_invalid;
}
