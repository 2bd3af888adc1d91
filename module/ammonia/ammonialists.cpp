#include "ammonia/ammonialists.h"

#include <QCollator>
#include <QDir>
#include <QStandardItemModel>

namespace {

enum Column
{
    LineColumn = 0,
    AbbreviationColumn = 1,
    ExplanationColumn = 2,
    ColumnCount = 3
};

const QChar Separator = QLatin1Char('\t');

bool isBlank(const QString& entry)
{
    return entry.trimmed().isEmpty();
}

bool sameEntry(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// An entry of a list: sorted without regard to case, in the order of the user's
// language ("Ölabscheider" among the O's), equal texts by their case.
class ListItem : public QStandardItem
{
public:
    explicit ListItem(const QString& text) : QStandardItem(text) {}

    bool operator<(const QStandardItem& other) const override
    {
        static const QCollator collator = [] {
            QCollator c;
            c.setCaseSensitivity(Qt::CaseInsensitive);
            return c;
        }();
        const int order = collator.compare(text(), other.text());
        return order != 0 ? order < 0 : text() < other.text();
    }
};

// The items stay (an editor holds on to its entry), only their text changes.
void setText(QStandardItemModel* model, int row, int column, const QString& text)
{
    if (QStandardItem* item = model->item(row, column))
        item->setText(text);
    else
        model->setItem(row, column, new ListItem(text));
}

} // namespace

AmmoniaLists::AmmoniaLists(QObject* parent)
    : QObject(parent), m_abbreviations(new QStandardItemModel(0, ColumnCount, this)),
      m_components(new QStandardItemModel(0, 1, this))
{
}

bool AmmoniaLists::load(Kind kind, const QString& localeName, const QString& userFolder,
                        const QString& factoryFolder)
{
    QStringList lines;
    const QString path = AmmoniaListFile::find(kind, localeName, userFolder, factoryFolder);
    const bool read = !path.isEmpty() && AmmoniaListFile::read(path, lines);

    if (kind == Kind::Components) {
        m_components->removeRows(0, m_components->rowCount());
        for (const QString& line : lines)
            m_components->appendRow(new ListItem(AmmoniaListFile::sanitized(line)));
        m_components->sort(0);
    } else {
        m_abbreviations->removeRows(0, m_abbreviations->rowCount());
        for (const QString& line : lines) {
            const QStringList parts = line.split(Separator);
            QList<QStandardItem*> row;
            row << new ListItem(line)
                << new QStandardItem(AmmoniaListFile::sanitized(parts.value(0)))
                << new QStandardItem(AmmoniaListFile::sanitized(parts.value(1)));
            m_abbreviations->appendRow(row);
        }
        m_abbreviations->sort(LineColumn);
    }
    setChanged(kind, false);
    return read;
}

bool AmmoniaLists::save(const QString& localeName, const QString& userFolder)
{
    bool saved = true;
    const QDir folder(userFolder);
    if (m_abbreviationsChanged) {
        QStringList lines;
        for (int row = 0; row < m_abbreviations->rowCount(); ++row)
            lines << m_abbreviations->item(row, LineColumn)->text();
        if (AmmoniaListFile::write(
                folder.filePath(AmmoniaListFile::fileName(Kind::Abbreviations, localeName)), lines))
            m_abbreviationsChanged = false;
        else
            saved = false;
    }
    if (m_componentsChanged) {
        QStringList lines;
        for (int row = 0; row < m_components->rowCount(); ++row)
            lines << componentAt(row);
        if (AmmoniaListFile::write(
                folder.filePath(AmmoniaListFile::fileName(Kind::Components, localeName)), lines))
            m_componentsChanged = false;
        else
            saved = false;
    }
    return saved;
}

bool AmmoniaLists::isChanged(Kind kind) const
{
    return kind == Kind::Components ? m_componentsChanged : m_abbreviationsChanged;
}

void AmmoniaLists::setChanged(Kind kind, bool changed)
{
    (kind == Kind::Components ? m_componentsChanged : m_abbreviationsChanged) = changed;
}

void AmmoniaLists::setAbbreviationRow(int row, const QString& abbreviation, const QString& text,
                                      bool withSeparator)
{
    const QString first = AmmoniaListFile::sanitized(abbreviation);
    const QString second = AmmoniaListFile::sanitized(text);
    setText(m_abbreviations, row, LineColumn, withSeparator ? first + Separator + second : first);
    setText(m_abbreviations, row, AbbreviationColumn, first);
    setText(m_abbreviations, row, ExplanationColumn, second);
}

QModelIndex AmmoniaLists::addAbbreviation(const QString& abbreviation, const QString& text)
{
    const int row = m_abbreviations->rowCount();
    m_abbreviations->insertRow(row);
    setAbbreviationRow(row, abbreviation, text, true);
    setChanged(Kind::Abbreviations, true);
    return m_abbreviations->index(row, LineColumn);
}

QModelIndex AmmoniaLists::addComponent(const QString& name)
{
    m_components->appendRow(new ListItem(AmmoniaListFile::sanitized(name)));
    setChanged(Kind::Components, true);
    return m_components->index(m_components->rowCount() - 1, 0);
}

void AmmoniaLists::updateAbbreviation(const QModelIndex& entry, const QString& abbreviation,
                                      const QString& text)
{
    if (!entry.isValid() || entry.model() != m_abbreviations)
        return;
    setAbbreviationRow(entry.row(), abbreviation, text, true);
    setChanged(Kind::Abbreviations, true);
}

void AmmoniaLists::updateComponent(const QModelIndex& entry, const QString& name)
{
    if (!entry.isValid() || entry.model() != m_components)
        return;
    setText(m_components, entry.row(), 0, AmmoniaListFile::sanitized(name));
    setChanged(Kind::Components, true);
}

void AmmoniaLists::remove(Kind kind, int row)
{
    QStandardItemModel* model = kind == Kind::Components ? m_components : m_abbreviations;
    if (row < 0 || row >= model->rowCount())
        return;
    model->removeRow(row);
    setChanged(kind, true);
}

QModelIndex AmmoniaLists::findAbbreviation(const QString& abbreviation) const
{
    // Entries are kept as one line each; a text from a label or a stray control
    // character in a list is compared as it is kept, or a label that brings it
    // would add it to the list again each time it is opened.
    const QString wanted = AmmoniaListFile::sanitized(abbreviation);
    for (int row = 0; row < m_abbreviations->rowCount(); ++row) {
        if (sameEntry(abbreviationAt(row), wanted))
            return m_abbreviations->index(row, LineColumn);
    }
    return QModelIndex();
}

QModelIndex AmmoniaLists::findComponent(const QString& name) const
{
    // Compared as kept, as for abbreviations.
    const QString wanted = AmmoniaListFile::sanitized(name);
    for (int row = 0; row < m_components->rowCount(); ++row) {
        if (sameEntry(componentAt(row), wanted))
            return m_components->index(row, 0);
    }
    return QModelIndex();
}

AmmoniaLists::Lookup AmmoniaLists::ensureAbbreviation(const QString& abbreviation)
{
    if (isBlank(abbreviation))
        return Lookup::Empty;
    if (findAbbreviation(abbreviation).isValid())
        return Lookup::Found;
    // A line of the abbreviation alone, as a list line without a tab reads.
    const int row = m_abbreviations->rowCount();
    m_abbreviations->insertRow(row);
    setAbbreviationRow(row, abbreviation, QString(), false);
    setChanged(Kind::Abbreviations, true);
    m_abbreviations->sort(LineColumn);
    return Lookup::Added;
}

AmmoniaLists::Lookup AmmoniaLists::ensureComponent(const QString& name)
{
    if (isBlank(name))
        return Lookup::Empty;
    if (findComponent(name).isValid())
        return Lookup::Found;
    addComponent(name);
    m_components->sort(0);
    return Lookup::Added;
}

QString AmmoniaLists::abbreviationAt(int row) const
{
    const QStandardItem* item = m_abbreviations->item(row, AbbreviationColumn);
    return item ? item->text() : QString();
}

QString AmmoniaLists::explanationAt(int row) const
{
    const QStandardItem* item = m_abbreviations->item(row, ExplanationColumn);
    return item ? item->text() : QString();
}

QString AmmoniaLists::componentAt(int row) const
{
    const QStandardItem* item = m_components->item(row);
    return item ? item->text() : QString();
}
