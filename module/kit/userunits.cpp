#include "kit/userunits.h"

#include "units/unitconversions.h"

#include <QtMath>

namespace UserUnits {

double typedPoints(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !qIsFinite(value))
        return 0.0;
    return UnitConversions::convertUserUnitsToLocalUnits(value);
}

QString shownValue(double points)
{
    return QString::number(UnitConversions::convertLocalUnitsToUserUnits(points), 'f', 2);
}

} // namespace UserUnits
