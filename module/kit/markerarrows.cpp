#include "kit/markerarrows.h"

namespace {
constexpr int RightArrowId = 2;
constexpr int LeftArrowId = 3;
constexpr int LeftRightArrowId = 6;
} // namespace

int MarkerArrows::symbolId(LabelRow::Arrows arrows)
{
    switch (arrows) {
    case LabelRow::Arrows::Right:
        return RightArrowId;
    case LabelRow::Arrows::Left:
        return LeftArrowId;
    case LabelRow::Arrows::Both:
        return LeftRightArrowId;
    case LabelRow::Arrows::None:
        break;
    }
    return ArrowSymbols::NoArrowSymbolId;
}
