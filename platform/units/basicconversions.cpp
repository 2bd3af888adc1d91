#include "units/basicconversions.h"

#include <cmath>

bool BasicConversions::almostEqual(double a, double b, double epsilon)
{
    return std::fabs(a - b) < epsilon;
}
