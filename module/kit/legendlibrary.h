#ifndef LEGENDLIBRARY_H
#define LEGENDLIBRARY_H

#include "kit/fluidcategories.h"
#include "kit/vendrelexport.h"

#include <QString>
#include <QVector>

// The pipe marker's library of common legends, each with the fluid category
// whose colours it is printed in. One list per language ("PipeLegends_<locale>.cfg",
// a line holding the category key, a tab and the legend), shipped in the data
// folder and copied to the user's folder once the user adds or removes a legend.
// Entries keep the order of the file; a legend is found without regard to case.
class VENDREL_EXPORT LegendLibrary
{
public:
    struct Entry
    {
        QString legend;
        // None when the file names a category this version does not know.
        FluidCategories::Category category = FluidCategories::None;

        bool operator==(const Entry& other) const
        {
            return legend == other.legend && category == other.category;
        }
    };

    static QString fileName(const QString& localeName);
    // A line of the file; false for a line without a legend.
    static bool parse(const QString& line, Entry& entry);
    static QString line(const Entry& entry);

    // The user's list of the language, else the factory list. False when neither
    // can be read: the library is then empty.
    bool load(const QString& localeName, const QString& userFolder, const QString& factoryFolder);
    // Writes the library to the user's folder when it changed since it was read.
    // False when that failed; the library then stays marked as changed.
    bool save(const QString& localeName, const QString& userFolder);
    bool isChanged() const { return m_changed; }

    const QVector<Entry>& entries() const { return m_entries; }
    int find(const QString& legend) const;
    // Adds a legend at the end, or gives the legend already there the category.
    // Returns its row; -1 for a legend that is empty once made one line.
    int add(const QString& legend, FluidCategories::Category category);
    void remove(int row);

private:
    QVector<Entry> m_entries;
    bool m_changed = false;
};

#endif
