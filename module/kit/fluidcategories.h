#ifndef FLUIDCATEGORIES_H
#define FLUIDCATEGORIES_H

#include "kit/vendrelconstants.h"
#include "kit/vendrelexport.h"

#include <QString>

#include <array>

// The fluid categories of the pipe-marking standard, each with the band colour
// and the text colour the standard gives it. The colours are rows of the band
// palette (VendrelConstants::BandPalette), so a category is chosen through the
// same colour row a user picks by hand, and a band colour names its category.
class VENDREL_EXPORT FluidCategories
{
public:
    enum Category : int
    {
        FireQuenching = 0,
        ToxicCorrosive,
        Flammable,
        Combustible,
        Water,
        CompressedAir,
        UserDefined1,
        UserDefined2,
        UserDefined3,
        UserDefined4,
        Count,
        None = -1
    };

    struct Entry
    {
        Category category;
        // Stable key for files and the command line ("fire-quenching").
        const char* key;
        VendrelConstants::TranslatableText shownName;
        // Row of VendrelConstants::BandPalette.
        int bandRow;
    };

    static const std::array<Entry, Count>& all();
    static const Entry* entry(Category category);

    // The category whose colours are the band palette's row, or None.
    static Category forBandRow(int bandRow);
    // The category whose band is background with text in foreground, or None.
    static Category forColors(VendrelConstants::PaletteIndex background,
                              VendrelConstants::PaletteIndex foreground);
    // A key ("fire-quenching"), the English shown name ("Fire Quenching"), either
    // with spaces, hyphens or underscores and in any case; or a palette colour key
    // of a band ("red", "sky blue" is no band). None when nothing matches.
    static Category fromName(const QString& name);

    // The shown name in the current language.
    static QString shownName(Category category);
};

#endif
