#ifndef LABELROW_H
#define LABELROW_H

#include "kit/pipediameter.h"

#include <QString>

#include <optional>

// One label's values from a line list, as every label kind understands them. A
// value left unset leaves the label as it was (a new label or the template); a kind
// refuses a value it has no use for rather than dropping it unseen.
struct LabelRow
{
    // The flow the arrows show; each kind draws it with its own symbols.
    enum class Arrows
    {
        None,
        Left,
        Right,
        Both
    };

    // The pipe marker's legend; an ammonia marker's abbreviation or component.
    std::optional<QString> legend;
    std::optional<PipeDiameter> diameter;
    std::optional<Arrows> arrows;
    // A row of the band palette (VendrelConstants::BandPalette).
    std::optional<int> bandRow;
    std::optional<bool> portrait;
    std::optional<bool> wrap;
    // A component marker rather than a pipe marker, for kinds that have both.
    std::optional<bool> component;
};

#endif
