#ifndef APPLICATIONFONT_H
#define APPLICATIONFONT_H

#include <QFont>

// The suite's widget fonts, in the suite family "_Vad Ivar" (mapped to an
// installed free sans family, see CommonLists). Sizes are in pixels so that
// layouts do not depend on the screen's dot density.
class ApplicationFont
{
public:
    ApplicationFont() = delete;

    static constexpr int WidgetPixelSize = 16;
    static constexpr int TinyPixelSize = 12;

    // Captions, buttons and fields: 16 px.
    static QFont getWidgetFont(bool bold);
    // Secondary texts and small captions: 12 px.
    static QFont getWidgetFontTiny(bool bold);
};

#endif
