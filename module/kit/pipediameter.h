#ifndef PIPEDIAMETER_H
#define PIPEDIAMETER_H

#include "kit/vendrelexport.h"

#include <QString>

// A pipe's diameter as a line list gives it: a number in inches or millimetres. The
// size tables list their rows in both units, each unit with its own bounds, so a
// diameter is matched in the unit it was given and never converted on the way.
class VENDREL_EXPORT PipeDiameter
{
public:
    enum Unit
    {
        Inches,
        Millimetres
    };

    // The diameters of one size table row in one unit. A side marked open has no
    // bound; a row with an open side is listed as "under" or "over" its other bound,
    // which therefore belongs to the neighbouring row. Closed bounds are included.
    struct Range
    {
        double low;
        double high;
        bool openBelow;
        bool openAbove;
    };

    PipeDiameter() = default;
    PipeDiameter(double value, Unit unit) : m_value(value), m_unit(unit) {}

    // "2", "2.5", "2,5", "1 1/4", "1-1/4", "3/4", each optionally followed by a
    // unit: in, inch, inches, " or mm. Without a unit the text is in defaultUnit,
    // and without that either it is refused. False with a reason otherwise.
    static bool parse(const QString& text, const Unit* defaultUnit, PipeDiameter* diameter,
                      QString* error);

    double value() const { return m_value; }
    Unit unit() const { return m_unit; }
    bool isValid() const { return m_value > 0.0; }

    // Whether the range of a row holds this diameter, in this diameter's unit.
    bool within(const Range& range) const;

    // "2.5 in", "50 mm".
    QString text() const;

private:
    double m_value = 0.0;
    Unit m_unit = Inches;
};

#endif
