#include "widgets/applicationfont.h"

#include "widgets/commonlists.h"

namespace {
QFont suiteFont(int pixelSize, bool bold)
{
    // The substitution has to be in place before the font is first resolved.
    CommonLists::ensureSuiteFontSubstitution();
    QFont font(QString::fromLatin1(CommonLists::SuiteFontFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
} // namespace

QFont ApplicationFont::getWidgetFont(bool bold)
{
    return suiteFont(WidgetPixelSize, bold);
}

QFont ApplicationFont::getWidgetFontTiny(bool bold)
{
    return suiteFont(TinyPixelSize, bold);
}
