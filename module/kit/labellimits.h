#ifndef LABELLIMITS_H
#define LABELLIMITS_H

#include <cmath>

// What the printer can print, in points, for every label kind. Modules derive
// their own thresholds from these; no other place spells the numbers.
namespace LabelLimits {

// The longest label continuous stock takes (192 in); also the canvas' scene limit.
inline constexpr double MaxLength = 13824.0;
// The widest label across the pipe, and so the tallest text (12 in).
inline constexpr double MaxHeight = 864.0;
// The shortest and narrowest label side that still prints (0.2 in).
inline constexpr double LeastSide = 14.4;
// The lowest text that still prints.
inline constexpr double LeastTextHeight = 1.0;

// Typed values pass through unit conversions: a side this close below the least
// still counts as printable, a value this close above a cap is not cut.
inline constexpr double LeastSideTolerance = 0.001;
inline constexpr double CapTolerance = 0.01;

// A size read from a file, as a reader can draw it: one that is not finite or not
// positive is the least given, one above the most given is the most.
inline double boundedSize(double value, double least, double most)
{
    if (!std::isfinite(value) || value <= 0.0)
        return least;
    return value < most ? value : most;
}

} // namespace LabelLimits

#endif
