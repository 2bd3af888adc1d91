#ifndef SYMBOLDATABASEMODEL_H
#define SYMBOLDATABASEMODEL_H

#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QStandardItemModel>
#include <QString>

// The symbols of one symbol database file (format: docs/symbol-database.md),
// one row per symbol in id order.
//
// Every row, and every item handed out, carries:
//   Qt::DecorationRole  QIcon       the symbol's icon
//   Qt::ToolTipRole     QString     the symbol's name
//   SymbolDataRole      QByteArray  the SVG bytes a SymbolItem draws
//   SelectableRole      int         the id for a selectable symbol, -1 for an
//                                   entry that is not a selectable symbol
//   SymbolIdRole        int         the symbol id
//   CategoryRole        QString     the category ("" for plain arrows)
//   IconDataRole        QByteArray  the icon as PNG bytes
//
// The file is read once, read-only, when the path is set. A missing, damaged or
// foreign file leaves the model empty and is logged; nothing else fails.
class SymbolDatabaseModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum Roles
    {
        SymbolDataRole = Qt::UserRole + 1,
        SelectableRole = Qt::UserRole + 2,
        SymbolIdRole = Qt::UserRole + 3,
        CategoryRole = Qt::UserRole + 4,
        IconDataRole = Qt::UserRole + 5,
    };

    explicit SymbolDatabaseModel(QObject* parent = nullptr);
    ~SymbolDatabaseModel() override;

    // Replaces the model's content with the symbols of the file. Returns false
    // (and leaves the model empty) when the file cannot be read as a symbol
    // database.
    bool setDatabasePath(const QString& path);
    QString databasePath() const { return m_path; }
    bool isLoaded() const { return rowCount() > 0; }

    // New items, owned by the caller. An empty category means every entry; with
    // includeUnselectable false the entries that are not selectable symbols are
    // left out. Always in id order.
    QList<QStandardItem*> getItemsByCategory(QString category, bool includeUnselectable) const;
    // A new item owned by the caller, or nullptr for an unknown id.
    QStandardItem* getItemFromSymbolId(int id) const;
    // Empty for an unknown id.
    QByteArray getDataFromSymbolId(int id) const;
    QIcon getIconFromSymbolId(int id) const;
    QByteArray getIconDataFromSymbolId(int id) const;
    QString getNameFromSymbolId(int id) const;

private:
    bool loadSymbols();
    QStandardItem* itemForId(int id) const;

    QString m_connectionName;
    QString m_path;
    QHash<int, int> m_rowOfId;
};

#endif
