#include "kit/unitswitch.h"

#include "kit/numberfield.h"
#include "kit/vendrelwidgetsutils.h"
#include "units/unitconversions.h"
#include "widgets/mvcombobox.h"

#include <QSignalBlocker>

UnitSwitch::UnitSwitch(MvComboBox* unitsCombo, MvComboBox* diameterCombo,
                       const QList<QStandardItemModel*>& diameterModels, QObject* parent)
    : QObject(parent), m_unitsCombo(unitsCombo), m_diameterCombo(diameterCombo),
      m_diameterModels(diameterModels), m_shownUnits(UnitConversions::getCanvasUnits())
{
}

void UnitSwitch::setFields(const QList<NumberField*>& fields)
{
    m_fields = fields;
}

void UnitSwitch::apply(int units)
{
    if (units != UnitConversions::Inches && units != UnitConversions::Millimeters)
        return;
    {
        const QSignalBlocker blocker(m_unitsCombo);
        m_unitsCombo->setCurrentIndex(units);
    }
    VendrelWidgetsUtils::updateUnits(m_diameterCombo, m_diameterModels, units);
    // The factor is taken from the unit the fields are actually written in, not from
    // the process-wide unit before the switch: the two differ when another module
    // switched units while this panel was hidden.
    const double factor = UnitConversions::convertOtherUnitsToUserUnits(
        static_cast<UnitConversions::Units>(m_shownUnits));
    if (m_shownUnits != units) {
        for (NumberField* field : qAsConst(m_fields)) {
            // A value waiting for the end of typing is in the old unit.
            field->dropWaitingValue();
            VendrelWidgetsUtils::convertUnitsOnLineEdit(field, factor);
        }
    }
    m_shownUnits = units;
}

bool UnitSwitch::followCurrentUnit()
{
    const int current = UnitConversions::getCanvasUnits();
    if (current == m_shownUnits && current == m_unitsCombo->currentIndex())
        return false;
    apply(current);
    return true;
}
