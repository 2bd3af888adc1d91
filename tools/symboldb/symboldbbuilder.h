#ifndef SYMBOLDBBUILDER_H
#define SYMBOLDBBUILDER_H

#include <QByteArray>
#include <QList>
#include <QString>

// Builds a symbol database file (docs/symbol-database.md) from a manifest and
// the SVG files it names. Either the whole database is written or, on any
// error, nothing: an existing database at the output path stays as it was.
class SymbolDatabaseBuilder
{
public:
    // Edge of the square PNG icon stored for every symbol.
    static constexpr int IconSize = 100;

    bool build(const QString& manifestPath, const QString& outputPath);
    QString errorString() const { return m_error; }
    int symbolCount() const { return m_symbols.size(); }

    // The icon of an SVG drawing: black on transparent, its proportions kept,
    // centred with a margin. Empty bytes when the drawing cannot be read.
    static QByteArray renderIcon(const QByteArray& svg);

private:
    struct Symbol
    {
        int id = 0;
        QString name;
        QString category;
        bool selectable = true;
        QString file;
        QByteArray svg;
        QByteArray icon;
    };

    bool readManifest(const QString& manifestPath);
    bool readDrawings(const QString& folder);
    bool writeDatabase(const QString& path);
    bool fail(const QString& message);

    QList<Symbol> m_symbols;
    QString m_error;
};

#endif
