#include "kit/legendlibrary.h"

#include "kit/listfile.h"

#include <QDir>

QString LegendLibrary::fileName(const QString& localeName)
{
    return QStringLiteral("PipeLegends_%1.cfg").arg(localeName);
}

bool LegendLibrary::parse(const QString& line, Entry& entry)
{
    const int tab = line.indexOf(QLatin1Char('\t'));
    // A line without a category is a legend without one, as a user may write it.
    const QString key = tab < 0 ? QString() : line.left(tab);
    const QString legend = (tab < 0 ? line : line.mid(tab + 1)).trimmed();
    if (legend.isEmpty())
        return false;
    entry.legend = legend;
    entry.category = FluidCategories::fromName(key);
    return true;
}

QString LegendLibrary::line(const Entry& entry)
{
    const FluidCategories::Entry* category = FluidCategories::entry(entry.category);
    const QString key = category ? QString::fromLatin1(category->key) : QString();
    return key + QLatin1Char('\t') + ListFile::sanitized(entry.legend);
}

bool LegendLibrary::load(const QString& localeName, const QString& userFolder,
                         const QString& factoryFolder)
{
    m_entries.clear();
    m_changed = false;
    const QString path = ListFile::find(fileName(localeName), userFolder, factoryFolder);
    QStringList lines;
    if (path.isEmpty() || !ListFile::read(path, lines))
        return false;
    for (const QString& text : qAsConst(lines)) {
        Entry entry;
        if (parse(text, entry))
            m_entries.append(entry);
    }
    return true;
}

bool LegendLibrary::save(const QString& localeName, const QString& userFolder)
{
    if (!m_changed)
        return true;
    QStringList lines;
    for (const Entry& entry : qAsConst(m_entries))
        lines.append(line(entry));
    if (!ListFile::write(QDir(userFolder).filePath(fileName(localeName)), lines))
        return false;
    m_changed = false;
    return true;
}

int LegendLibrary::find(const QString& legend) const
{
    const QString wanted = ListFile::sanitized(legend).trimmed();
    for (int row = 0; row < m_entries.size(); ++row)
        if (m_entries.at(row).legend.compare(wanted, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

int LegendLibrary::add(const QString& legend, FluidCategories::Category category)
{
    const QString text = ListFile::sanitized(legend).trimmed();
    if (text.isEmpty())
        return -1;
    int row = find(text);
    if (row < 0) {
        m_entries.append({text, category});
        row = m_entries.size() - 1;
    } else if (m_entries.at(row).category != category) {
        m_entries[row].category = category;
    } else {
        return row;
    }
    m_changed = true;
    return row;
}

void LegendLibrary::remove(int row)
{
    if (row < 0 || row >= m_entries.size())
        return;
    m_entries.remove(row);
    m_changed = true;
}
