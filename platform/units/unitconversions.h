#ifndef UNITCONVERSIONS_H
#define UNITCONVERSIONS_H

// Converts between canvas lengths (points, 1/72 inch) and the unit the user
// works in. There is one current unit for the whole process, so every panel
// and controller shows and reads lengths the same way.
class UnitConversions
{
public:
    enum Units : unsigned char
    {
        Inches = 0,
        Millimeters = 1
    };

    static constexpr double PointsPerInch = 72.0;
    static constexpr double MillimetersPerInch = 25.4;

    // Points -> current user unit.
    static double convertLocalUnitsToUserUnits(double points);
    // Current user unit -> points.
    static double convertUserUnitsToLocalUnits(double value);

    // Until set, the current unit is the user's stored default unit, read on
    // first use (so the application's settings names are already in place).
    static Units getCanvasUnits();
    static void setCanvasUnits(Units units);

    // Factor that turns a value expressed in `from` into the current unit
    // (Inches -> Millimeters gives 25.4, the same unit gives 1).
    static double convertOtherUnitsToUserUnits(Units from);

    // Length of one `unit` in points.
    static double pointsPerUnit(Units unit);
};

#endif
