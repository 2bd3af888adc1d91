#ifndef LINELIST_H
#define LINELIST_H

#include "csvreader.h"

#include "kit/labelrow.h"

#include <QHash>
#include <QString>
#include <QStringList>

class QIODevice;

// A plant's line list: a CSV file whose header row names the columns, one label per
// row after it. Known columns (any case, blanks around them ignored): kind, legend,
// diameter, arrows, category, orientation, wrap, quantity, file. A diameter column
// may name the unit of bare numbers, "diameter (mm)" or "diameter (in)". Other
// columns are the list's own and are left alone.
class LineList
{
public:
    struct Entry
    {
        int line = 0;
        // The extension of the kind the row names; empty when it names none.
        QString kind;
        LabelRow row;
        int quantity = 1;
        QString file;
    };

    enum class Result
    {
        Entry,
        // The row cannot be made; error() says why, line() where.
        BadRow,
        // The file cannot be read on from here; error() and line() say where.
        Broken,
        End
    };

    static constexpr int MostCopies = 999;

    explicit LineList(QIODevice* device);

    // Reads the header row; false with error() when there is none.
    bool readHeader();
    // The header's columns that are none of the known ones.
    QStringList ignoredColumns() const { return m_ignored; }

    Result next(Entry* entry);

    QString error() const { return m_error; }
    int line() const { return m_line; }

    // The kind extension a kind cell names ("pipe marker", "qypm"), with whether
    // it asks for a component marker; empty when it names no kind.
    static QString kindExtension(const QString& cell, bool* component);

private:
    bool parseCell(const QString& column, const QString& cell, Entry* entry);
    Result bad(const QString& message);

    CsvReader m_reader;
    QHash<int, QString> m_columns;
    QStringList m_ignored;
    int m_headerSize = 0;
    bool m_hasDiameterUnit = false;
    PipeDiameter::Unit m_diameterUnit = PipeDiameter::Inches;
    QString m_error;
    int m_line = 0;
};

#endif
