#ifndef USERUNITS_H
#define USERUNITS_H

#include <QString>

// Sizes as the panels show them, in the user's unit, and as the modules keep them,
// in points.
namespace UserUnits {

// A typed value in the user's unit, in points. The fields validate in the C
// locale, which is what this reads; unreadable text counts as 0.
double typedPoints(const QString& text);
// A size in points as a field shows it: the user's unit, two decimals.
QString shownValue(double points);

} // namespace UserUnits

#endif
