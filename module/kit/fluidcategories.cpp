#include "kit/fluidcategories.h"

#include <QCoreApplication>

namespace {
using VendrelConstants::BandPalette;

constexpr std::array<FluidCategories::Entry, FluidCategories::Count> Entries = {{
    {FluidCategories::FireQuenching, "fire-quenching",
     QT_TRANSLATE_NOOP3("FluidCategories", "Fire Quenching", "Fluid category of a pipe."), 0},
    {FluidCategories::ToxicCorrosive, "toxic-corrosive",
     QT_TRANSLATE_NOOP3("FluidCategories", "Toxic and Corrosive", "Fluid category of a pipe."), 1},
    {FluidCategories::Flammable, "flammable",
     QT_TRANSLATE_NOOP3("FluidCategories", "Flammable", "Fluid category of a pipe."), 2},
    {FluidCategories::Combustible, "combustible",
     QT_TRANSLATE_NOOP3("FluidCategories", "Combustible", "Fluid category of a pipe."), 6},
    {FluidCategories::Water, "water",
     QT_TRANSLATE_NOOP3("FluidCategories", "Water", "Fluid category of a pipe."), 3},
    {FluidCategories::CompressedAir, "compressed-air",
     QT_TRANSLATE_NOOP3("FluidCategories", "Compressed Air", "Fluid category of a pipe."), 4},
    {FluidCategories::UserDefined1, "user-defined-1",
     QT_TRANSLATE_NOOP3("FluidCategories", "User Defined 1", "Fluid category of a pipe."), 5},
    {FluidCategories::UserDefined2, "user-defined-2",
     QT_TRANSLATE_NOOP3("FluidCategories", "User Defined 2", "Fluid category of a pipe."), 9},
    {FluidCategories::UserDefined3, "user-defined-3",
     QT_TRANSLATE_NOOP3("FluidCategories", "User Defined 3", "Fluid category of a pipe."), 7},
    {FluidCategories::UserDefined4, "user-defined-4",
     QT_TRANSLATE_NOOP3("FluidCategories", "User Defined 4", "Fluid category of a pipe."), 8},
}};

// "Fire Quenching", "fire_quenching" and "FIRE-QUENCHING" are one name.
QString folded(const QString& name)
{
    QString result = name.trimmed().toLower();
    result.replace(QLatin1Char('_'), QLatin1Char('-')).replace(QLatin1Char(' '), QLatin1Char('-'));
    return result;
}
} // namespace

const std::array<FluidCategories::Entry, FluidCategories::Count>& FluidCategories::all()
{
    return Entries;
}

const FluidCategories::Entry* FluidCategories::entry(Category category)
{
    if (category < 0 || category >= Count)
        return nullptr;
    return &Entries[category];
}

FluidCategories::Category FluidCategories::forBandRow(int bandRow)
{
    for (const Entry& entry : Entries)
        if (entry.bandRow == bandRow)
            return entry.category;
    return None;
}

FluidCategories::Category FluidCategories::forColors(VendrelConstants::PaletteIndex background,
                                                     VendrelConstants::PaletteIndex foreground)
{
    for (int row = 0; row < int(BandPalette.size()); ++row)
        if (BandPalette[row].background == background && BandPalette[row].foreground == foreground)
            return forBandRow(row);
    return None;
}

FluidCategories::Category FluidCategories::fromName(const QString& name)
{
    const QString wanted = folded(name);
    if (wanted.isEmpty())
        return None;
    for (const Entry& entry : Entries) {
        if (wanted == QLatin1String(entry.key) ||
            wanted == folded(QString::fromLatin1(entry.shownName.source)))
            return entry.category;
    }
    for (int row = 0; row < int(BandPalette.size()); ++row) {
        const char* key = VendrelConstants::Palette[BandPalette[row].background].key;
        if (wanted == folded(QString::fromLatin1(key)))
            return forBandRow(row);
    }
    return None;
}

QString FluidCategories::shownName(Category category)
{
    const Entry* found = entry(category);
    if (!found)
        return QString();
    return QCoreApplication::translate("FluidCategories", found->shownName.source,
                                       found->shownName.comment);
}
