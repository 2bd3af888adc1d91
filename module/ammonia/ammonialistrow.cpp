#include "ammonia/ammonialistrow.h"

#include "ammonia/ammoniacontroller.h"
#include "ammonia/ammoniaeditwidget.h"
#include "ammonia/iiarsizetable.h"
#include "kit/markerarrows.h"

int AmmoniaListRow::sizeRow(const PipeDiameter& diameter)
{
    for (int index = 0; index < IiarSizeTable::RowCount; ++index) {
        const IiarSizeTable::Diameters& bounds = IiarSizeTable::row(index).diameters;
        const bool inches = diameter.unit() == PipeDiameter::Inches;
        const PipeDiameter::Range range{inches ? bounds.lowInches : bounds.lowMillimeters,
                                        inches ? bounds.highInches : bounds.highMillimeters,
                                        bounds.isOpenBelow(), bounds.isOpenAbove()};
        if (diameter.within(range))
            return index;
    }
    return -1;
}

bool AmmoniaListRow::apply(IVendrelInterface* module, const LabelRow& row, QString* error)
{
    auto* controller = qobject_cast<AmmoniaController*>(module);
    if (!controller) {
        *error = QStringLiteral("not an ammonia module");
        return false;
    }
    if (row.portrait || row.wrap) {
        *error = QStringLiteral("an ammonia marker has no orientation or wrap");
        return false;
    }
    if (row.bandRow) {
        *error = QStringLiteral("an ammonia marker keeps its own colour, it takes no category");
        return false;
    }
    const bool component = row.component.value_or(!controller->currentLabel().pipeMarker);
    if (component && row.arrows && *row.arrows != LabelRow::Arrows::None) {
        *error = QStringLiteral("a component marker has no arrows");
        return false;
    }
    if (!row.legend || row.legend->trimmed().isEmpty()) {
        *error = QStringLiteral("empty legend");
        return false;
    }
    int sizeIndex = -1;
    if (row.diameter) {
        sizeIndex = sizeRow(*row.diameter);
        if (sizeIndex < 0) {
            *error =
                QStringLiteral("no ammonia marker size for a pipe of %1").arg(row.diameter->text());
            return false;
        }
    }

    AmmoniaEditWidget* panel = controller->editWidget();
    // The panel's tab: switching it also shows the mode's list and its entry.
    if (component == controller->currentLabel().pipeMarker)
        panel->setModule(!component);
    if (sizeIndex >= 0) {
        panel->setPipeDiameter(sizeIndex);
        controller->pipeDiameterChangedSlot(sizeIndex);
    }
    if (row.arrows && !component)
        MarkerArrows::applyToBothEnds(controller, *row.arrows);
    // The legend last, so the layouts of the edits before it have no text to measure.
    // The panel shows and sends its entries in capitals.
    const QString text = row.legend->toUpper();
    if (component)
        controller->compChangedSlot(text);
    else
        controller->abbrevChangedSlot(text);
    return true;
}
