#include "units/unitconversions.h"

#include "units/defaultunitcontroller.h"

namespace {
// Held as the raw number plus a "known" flag instead of a function-local
// static so that setCanvasUnits() before the first read skips the settings
// lookup entirely.
bool s_unitsKnown = false;
UnitConversions::Units s_units = UnitConversions::Inches;
} // namespace

double UnitConversions::pointsPerUnit(Units unit)
{
    return unit == Millimeters ? PointsPerInch / MillimetersPerInch : PointsPerInch;
}

double UnitConversions::convertLocalUnitsToUserUnits(double points)
{
    return points / pointsPerUnit(getCanvasUnits());
}

double UnitConversions::convertUserUnitsToLocalUnits(double value)
{
    return value * pointsPerUnit(getCanvasUnits());
}

UnitConversions::Units UnitConversions::getCanvasUnits()
{
    if (!s_unitsKnown) {
        s_units = DefaultUnitController::getDefaultUnits() == Millimeters ? Millimeters : Inches;
        s_unitsKnown = true;
    }
    return s_units;
}

void UnitConversions::setCanvasUnits(Units units)
{
    s_units = units == Millimeters ? Millimeters : Inches;
    s_unitsKnown = true;
}

double UnitConversions::convertOtherUnitsToUserUnits(Units from)
{
    return pointsPerUnit(from) / pointsPerUnit(getCanvasUnits());
}
