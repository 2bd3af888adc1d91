#include "linelist.h"

#include "kit/fluidcategories.h"

#include <QRegularExpression>

namespace {
const QStringList KnownColumns{
    QStringLiteral("kind"),   QStringLiteral("legend"),   QStringLiteral("diameter"),
    QStringLiteral("arrows"), QStringLiteral("category"), QStringLiteral("orientation"),
    QStringLiteral("wrap"),   QStringLiteral("quantity"), QStringLiteral("file")};

// A spreadsheet saving "CSV" in its code page writes letters beyond ASCII as bytes
// that are no UTF-8; read as such they would print as replacement marks.
const QString NotUtf8 = QStringLiteral("the row holds bytes that are not UTF-8 text (save the "
                                       "list as CSV UTF-8)");

QString folded(const QString& text)
{
    return text.simplified().toLower().replace(QLatin1Char('_'), QLatin1Char(' '));
}

// Yes or no as spreadsheets write them; false when the cell is neither.
bool readYesNo(const QString& cell, bool* value)
{
    static const QStringList yes{QStringLiteral("yes"),  QStringLiteral("y"),
                                 QStringLiteral("true"), QStringLiteral("1"),
                                 QStringLiteral("x"),    QStringLiteral("wrap")};
    static const QStringList no{QStringLiteral("no"), QStringLiteral("n"), QStringLiteral("false"),
                                QStringLiteral("0")};
    const QString text = folded(cell);
    if (yes.contains(text))
        *value = true;
    else if (no.contains(text))
        *value = false;
    else
        return false;
    return true;
}
} // namespace

LineList::LineList(QIODevice* device) : m_reader(device) {}

QString LineList::kindExtension(const QString& cell, bool* component)
{
    const QString text = folded(cell).remove(QLatin1Char('-'));
    *component = false;
    if (text == QLatin1String("pipe") || text == QLatin1String("pipe marker") ||
        text == QLatin1String("pipe marking") || text == QLatin1String("qypm"))
        return QStringLiteral("qypm");
    if (text == QLatin1String("ammonia") || text == QLatin1String("ammonia marker") ||
        text == QLatin1String("ammonia pipe marker") || text == QLatin1String("qyam"))
        return QStringLiteral("qyam");
    if (text == QLatin1String("ammonia component") || text == QLatin1String("component") ||
        text == QLatin1String("component marker")) {
        *component = true;
        return QStringLiteral("qyam");
    }
    if (text == QLatin1String("arrow wrap") || text == QLatin1String("arrowwrap") ||
        text == QLatin1String("qyaw"))
        return QStringLiteral("qyaw");
    return QString();
}

bool LineList::readHeader()
{
    CsvReader::Record header;
    if (!m_reader.next(&header)) {
        m_line = m_reader.errorLine();
        m_error = m_reader.error().isEmpty() ? QStringLiteral("the list is empty, it needs a "
                                                              "header row naming its columns")
                                             : m_reader.error();
        return false;
    }
    if (header.undecodable) {
        m_line = header.line;
        m_error = NotUtf8;
        return false;
    }
    static const QRegularExpression diameterPattern(
        QStringLiteral("^diameter\\s*[(\\[]?\\s*(in|inch|inches|mm)?\\s*[)\\]]?$"));
    for (int index = 0; index < header.fields.size(); ++index) {
        QString name = folded(header.fields.at(index));
        const QRegularExpressionMatch diameter = diameterPattern.match(name);
        if (diameter.hasMatch()) {
            name = QStringLiteral("diameter");
            if (!diameter.captured(1).isEmpty()) {
                m_hasDiameterUnit = true;
                m_diameterUnit = diameter.captured(1) == QLatin1String("mm")
                                     ? PipeDiameter::Millimetres
                                     : PipeDiameter::Inches;
            }
        }
        if (!KnownColumns.contains(name)) {
            if (!name.isEmpty())
                m_ignored << header.fields.at(index).trimmed();
            continue;
        }
        for (const QString& taken : qAsConst(m_columns)) {
            if (taken == name) {
                m_line = header.line;
                m_error = QStringLiteral("the header names the column %1 twice").arg(name);
                return false;
            }
        }
        m_columns.insert(index, name);
    }
    m_headerSize = header.fields.size();
    return true;
}

LineList::Result LineList::bad(const QString& message)
{
    m_error = message;
    return Result::BadRow;
}

LineList::Result LineList::next(Entry* entry)
{
    CsvReader::Record record;
    if (!m_reader.next(&record)) {
        if (m_reader.error().isEmpty())
            return Result::End;
        m_line = m_reader.errorLine();
        m_error = m_reader.error();
        return Result::Broken;
    }
    *entry = Entry();
    entry->line = record.line;
    m_line = record.line;
    if (record.undecodable)
        return bad(NotUtf8);
    for (int index = 0; index < record.fields.size(); ++index) {
        const QString cell = record.fields.at(index);
        if (!m_columns.contains(index)) {
            // A cell beyond the header is most often a legend with a separator in it
            // that was not quoted, which has shifted every cell after it.
            if (index >= m_headerSize && !cell.trimmed().isEmpty())
                return bad(QStringLiteral("more cells than the header has columns (a separator "
                                          "in a cell that is not quoted?)"));
            continue;
        }
        if (!parseCell(m_columns.value(index), cell, entry))
            return Result::BadRow;
    }
    return Result::Entry;
}

bool LineList::parseCell(const QString& column, const QString& cell, Entry* entry)
{
    const QString text = cell.trimmed();
    if (column == QLatin1String("legend")) {
        // The legend is as typed, inner blanks included; a blank cell is no legend.
        if (!text.isEmpty())
            entry->row.legend = cell;
        return true;
    }
    if (text.isEmpty())
        return true;
    if (column == QLatin1String("kind")) {
        bool component = false;
        entry->kind = kindExtension(text, &component);
        if (entry->kind.isEmpty()) {
            m_error = QStringLiteral("unknown kind \"%1\" (pipe marker, ammonia, ammonia "
                                     "component or arrow wrap)")
                          .arg(text);
            return false;
        }
        if (component)
            entry->row.component = true;
    } else if (column == QLatin1String("diameter")) {
        PipeDiameter diameter;
        if (!PipeDiameter::parse(text, m_hasDiameterUnit ? &m_diameterUnit : nullptr, &diameter,
                                 &m_error))
            return false;
        entry->row.diameter = diameter;
    } else if (column == QLatin1String("arrows")) {
        const QString value = folded(text);
        if (value == QLatin1String("left"))
            entry->row.arrows = LabelRow::Arrows::Left;
        else if (value == QLatin1String("right"))
            entry->row.arrows = LabelRow::Arrows::Right;
        else if (value == QLatin1String("both"))
            entry->row.arrows = LabelRow::Arrows::Both;
        else if (value == QLatin1String("none"))
            entry->row.arrows = LabelRow::Arrows::None;
        else {
            m_error = QStringLiteral("arrows \"%1\" (left, right, both or none)").arg(text);
            return false;
        }
    } else if (column == QLatin1String("category")) {
        const FluidCategories::Entry* found =
            FluidCategories::entry(FluidCategories::fromName(text));
        if (!found) {
            m_error = QStringLiteral("unknown category \"%1\"").arg(text);
            return false;
        }
        entry->row.bandRow = found->bandRow;
    } else if (column == QLatin1String("orientation")) {
        const QString value = folded(text);
        if (value == QLatin1String("landscape") || value == QLatin1String("horizontal"))
            entry->row.portrait = false;
        else if (value == QLatin1String("portrait") || value == QLatin1String("vertical"))
            entry->row.portrait = true;
        else {
            m_error = QStringLiteral("orientation \"%1\" (landscape or portrait)").arg(text);
            return false;
        }
    } else if (column == QLatin1String("wrap")) {
        bool wrap = false;
        if (!readYesNo(text, &wrap)) {
            m_error = QStringLiteral("wrap \"%1\" (yes or no)").arg(text);
            return false;
        }
        entry->row.wrap = wrap;
    } else if (column == QLatin1String("quantity")) {
        bool ok = false;
        const int quantity = text.toInt(&ok);
        if (!ok || quantity < 1 || quantity > MostCopies) {
            m_error = QStringLiteral("quantity \"%1\" (a whole number from 1 to %2)")
                          .arg(text)
                          .arg(MostCopies);
            return false;
        }
        entry->quantity = quantity;
    } else if (column == QLatin1String("file")) {
        entry->file = text;
    }
    return true;
}
