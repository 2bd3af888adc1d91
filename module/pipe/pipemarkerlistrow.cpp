#include "pipe/pipemarkerlistrow.h"

#include "kit/markerarrows.h"
#include "kit/vendrelconstants.h"
#include "pipe/ansisizetable.h"
#include "pipe/vendrelcontroller.h"
#include "pipe/vendreleditwidget.h"

#include <QAbstractButton>
#include <QCheckBox>

int PipeMarkerListRow::sizeRow(const PipeDiameter& diameter)
{
    for (int index = AnsiSizeTable::CustomSizeRow + 1; index < AnsiSizeTable::RowCount; ++index) {
        const AnsiSizeTable::Diameters& bounds = AnsiSizeTable::row(index).diameters;
        const bool inches = diameter.unit() == PipeDiameter::Inches;
        const PipeDiameter::Range range{inches ? bounds.lowInches : bounds.lowMillimeters,
                                        inches ? bounds.highInches : bounds.highMillimeters, false,
                                        bounds.isOpenAbove()};
        if (diameter.within(range))
            return index;
    }
    return -1;
}

bool PipeMarkerListRow::apply(IVendrelInterface* module, const LabelRow& row, QString* error)
{
    auto* controller = qobject_cast<VendrelController*>(module);
    if (!controller) {
        *error = QStringLiteral("not a pipe marker module");
        return false;
    }
    if (row.component.value_or(false)) {
        *error = QStringLiteral("a pipe marker is no component marker");
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
                QStringLiteral("no pipe marker size for a pipe of %1").arg(row.diameter->text());
            return false;
        }
    }
    if (row.bandRow &&
        (*row.bandRow < 0 || *row.bandRow >= int(VendrelConstants::BandPalette.size()))) {
        *error = QStringLiteral("no such colour");
        return false;
    }

    VendrelEditWidget* panel = controller->editWidget();
    if (sizeIndex >= 0) {
        panel->setPipeDiameter(sizeIndex);
        controller->pipeDiameterChangedSlot(sizeIndex);
    }
    // Orientation and wrap through the panel's own buttons: switching them also
    // switches off a top line the new mode cannot have, which the panel decides.
    if (row.portrait) {
        auto* button = panel->findChild<QAbstractButton*>(
            *row.portrait ? QStringLiteral("PortraitButton") : QStringLiteral("LandscapeButton"));
        if (!button) {
            *error = QStringLiteral("the panel has no orientation buttons");
            return false;
        }
        if (!button->isChecked())
            button->click();
    }
    if (row.wrap) {
        auto* box = panel->findChild<QCheckBox*>(QStringLiteral("WrapCheckBox"));
        if (!box) {
            *error = QStringLiteral("the panel has no wrap box");
            return false;
        }
        box->setChecked(*row.wrap);
    }
    if (row.arrows)
        MarkerArrows::applyToBothEnds(controller, *row.arrows);
    if (row.bandRow) {
        const VendrelConstants::BandEntry& band =
            VendrelConstants::BandPalette[static_cast<std::size_t>(*row.bandRow)];
        controller->colorChangedSlot(QColor(VendrelConstants::PaletteHexCodes.at(band.background)),
                                     QColor(VendrelConstants::PaletteHexCodes.at(band.foreground)));
    }
    // The legend last: every edit lays the label out again, and a label without
    // text is laid out in a fraction of the time, so the text is measured once.
    panel->setTextContent(*row.legend);
    controller->pipeTextChangedSlot(*row.legend);
    return true;
}
