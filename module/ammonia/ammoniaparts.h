#ifndef AMMONIAPARTS_H
#define AMMONIAPARTS_H

#include "ammonia/ammoniastatuserrortype.h"

#include <QByteArray>
#include <QColor>

#include <array>

// The four parts of an ammonia marker (the physical states LIQ and VAP, the
// pressure levels HIGH and LOW) with the colours the standard gives them and their
// drawings: the placeholder the label shows in the part's slot, the drawing of the
// loose tag, and the picture of the tag on the panel. The one table of them.
class AmmoniaParts
{
public:
    AmmoniaParts() = delete;

    struct Part
    {
        AmmoniaVendrel::TagType tag;
        // The standard's colour; LIQ takes the other colour on a label of this one.
        const char* color;
        const char* colorOnSameLabel;
        const char* placeholder;
        const char* printDrawing;
        const char* picture;
        // The picture on a label of the colour above (LIQ only; else the same).
        const char* pictureOnSameLabel;
    };

    static constexpr std::array<Part, 4> Parts = {{
        {AmmoniaVendrel::HighPressureTag, "#dc0b0b", "#dc0b0b",
         ":/Ammonia/Icons/AmmoniaPlaceholders/high.svg", ":/Ammonia/Icons/AmmoniaParts/high.svg",
         ":/Ammonia/Icons/AmmoniaIcons/high.png", ":/Ammonia/Icons/AmmoniaIcons/high.png"},
        {AmmoniaVendrel::LowPressureTag, "#248d4f", "#248d4f",
         ":/Ammonia/Icons/AmmoniaPlaceholders/low.svg", ":/Ammonia/Icons/AmmoniaParts/low.svg",
         ":/Ammonia/Icons/AmmoniaIcons/low.png", ":/Ammonia/Icons/AmmoniaIcons/low.png"},
        {AmmoniaVendrel::VapStateTag, "#41b6e6", "#41b6e6",
         ":/Ammonia/Icons/AmmoniaPlaceholders/vap.svg", ":/Ammonia/Icons/AmmoniaParts/vap.svg",
         ":/Ammonia/Icons/AmmoniaIcons/vap.png", ":/Ammonia/Icons/AmmoniaIcons/vap.png"},
        // Yellow, except beside a yellow label, where it would not stand out.
        {AmmoniaVendrel::LiqStateTag, "#fedb00", "#f28000",
         ":/Ammonia/Icons/AmmoniaPlaceholders/liq.svg", ":/Ammonia/Icons/AmmoniaParts/liq.svg",
         ":/Ammonia/Icons/AmmoniaIcons/liq.png", ":/Ammonia/Icons/AmmoniaIcons/liq_orange.png"},
    }};

    // The label colours the panel offers, in its order: orange, then yellow.
    static constexpr std::array<const char*, 2> LabelColors = {{"#f28000", "#fedb00"}};
    static QColor newLabelColor() { return QColor(QLatin1String(LabelColors[0])); }

    // The row of a tag; the LIQ row for a value that is not one tag.
    static const Part& part(AmmoniaVendrel::TagType tag);
    // The colour of the part on or beside a label of labelColor.
    static QColor color(AmmoniaVendrel::TagType tag, const QColor& labelColor);
    // The picture of the part's tag beside a label of labelColor.
    static const char* picture(AmmoniaVendrel::TagType tag, const QColor& labelColor);
    // The drawings as the resources hold them; empty when a resource is missing.
    static QByteArray placeholder(AmmoniaVendrel::TagType tag);
    static QByteArray printDrawing(AmmoniaVendrel::TagType tag);
};

#endif
