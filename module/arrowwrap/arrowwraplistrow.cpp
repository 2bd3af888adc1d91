#include "arrowwrap/arrowwraplistrow.h"

#include "arrowwrap/arrowwrapcontroller.h"
#include "arrowwrap/arrowwrapeditwidget.h"
#include "arrowwrap/arrowwrapsizetable.h"
#include "kit/vendrelconstants.h"

namespace {
constexpr double MillimetresPerInch = 25.4;
// How far a line list's diameter may lie from a row's: the panel lists the
// millimetres with two decimals, a list may round them to whole ones.
constexpr double InchTolerance = 0.02;
constexpr double MillimetreTolerance = 0.5;

// The plain arrows of the arrow wrap symbols.
constexpr int RightArrowId = 2;
constexpr int LeftArrowId = 3;
constexpr int LeftRightArrowId = 22;
} // namespace

int ArrowWrapListRow::sizeRow(const PipeDiameter& diameter)
{
    const bool inches = diameter.unit() == PipeDiameter::Inches;
    const double tolerance = inches ? InchTolerance : MillimetreTolerance;
    for (int index = 0; index < ArrowWrapSizeTable::RowCount; ++index) {
        const double wanted =
            ArrowWrapSizeTable::row(index).diameterInches * (inches ? 1.0 : MillimetresPerInch);
        if (diameter.within({wanted - tolerance, wanted + tolerance, false, false}))
            return index;
    }
    return -1;
}

bool ArrowWrapListRow::apply(IVendrelInterface* module, const LabelRow& row, QString* error)
{
    auto* controller = qobject_cast<ArrowWrapController*>(module);
    if (!controller) {
        *error = QStringLiteral("not an arrow wrap module");
        return false;
    }
    if (row.legend && !row.legend->trimmed().isEmpty()) {
        *error = QStringLiteral("an arrow wrap carries no legend");
        return false;
    }
    if (row.portrait || row.wrap || row.component.value_or(false)) {
        *error = QStringLiteral("an arrow wrap has no orientation, wrap or component");
        return false;
    }
    if (row.arrows && *row.arrows == LabelRow::Arrows::None) {
        *error = QStringLiteral("an arrow wrap cannot be without arrows");
        return false;
    }
    if (row.bandRow &&
        (*row.bandRow < 0 || *row.bandRow >= int(VendrelConstants::BandPalette.size()))) {
        *error = QStringLiteral("no such colour");
        return false;
    }
    int sizeIndex = -1;
    if (row.diameter) {
        sizeIndex = sizeRow(*row.diameter);
        if (sizeIndex < 0) {
            *error =
                QStringLiteral("no arrow wrap size for a pipe of %1").arg(row.diameter->text());
            return false;
        }
    }

    ArrowWrapEditWidget* panel = controller->editWidget();
    if (sizeIndex >= 0) {
        panel->setPipeDiameter(sizeIndex);
        controller->pipeDiameterChangedSlot(sizeIndex);
    }
    if (row.arrows) {
        const int id = *row.arrows == LabelRow::Arrows::Left    ? LeftArrowId
                       : *row.arrows == LabelRow::Arrows::Right ? RightArrowId
                                                                : LeftRightArrowId;
        panel->highlightArrow(id);
        controller->arrowSymbolChangedSlot(static_cast<unsigned int>(id),
                                           controller->getArrow(static_cast<unsigned int>(id)));
    }
    if (row.bandRow) {
        const VendrelConstants::BandEntry& band =
            VendrelConstants::BandPalette[static_cast<std::size_t>(*row.bandRow)];
        const QString background = VendrelConstants::PaletteHexCodes.at(band.background);
        const QString foreground = VendrelConstants::PaletteHexCodes.at(band.foreground);
        panel->updateColorCombo(background, foreground);
        controller->colorChangedSlot(QColor(background), QColor(foreground));
    }
    return true;
}
