#ifndef MARKERARROWS_H
#define MARKERARROWS_H

#include "kit/arrowsmenu.h"
#include "kit/arrowsymbols.h"
#include "kit/labelrow.h"
#include "kit/vendrelwidgetsutils.h"

// A line list's flow on a marker with an arrow at each end (pipe and ammonia
// markers): both symbol databases keep their plain arrows under the same ids.
class MarkerArrows
{
public:
    // The symbol of the flow; the no-arrow entry for None.
    static int symbolId(LabelRow::Arrows arrows);

    // As a user picks it with "Apply to both", the panel's default: the arrow of the
    // flow on both ends, with what the arrow menu sends for it. Controller is the
    // kind's controller, with its panel's arrow buttons and its two arrow slots.
    template <class Controller>
    static void applyToBothEnds(Controller* controller, LabelRow::Arrows arrows)
    {
        const int id = symbolId(arrows);
        const ArrowSymbols& symbols = controller->editWidget()->getSymbolsMenu()->symbols();
        ArrowSymbols::Symbol symbol;
        if (!symbols.selectable(id, &symbol))
            symbol.icon = symbols.noArrowIcon();
        const bool vertical = VendrelWidgetsUtils::isVerticalArrowName(symbol.name);
        const auto shown = static_cast<unsigned int>(id);
        controller->editWidget()->setLeftArrow(shown, symbol.icon);
        controller->editWidget()->setRightArrow(shown, symbol.icon);
        controller->leftArrowChangedSlot(shown, symbol.data, vertical);
        controller->rightArrowChangeSlot(shown, symbol.data, vertical);
    }
};

#endif
