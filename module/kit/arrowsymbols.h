#ifndef ARROWSYMBOLS_H
#define ARROWSYMBOLS_H

#include <QByteArray>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QStandardItem;
class SymbolDatabaseModel;

// Reads the arrow symbols of one symbol database by id, without any widget: the
// arrow menu shows them, the layouts draw them, and the headless loaders need
// nothing more than this. A missing or damaged database holds no symbol.
//
// A database is read once per process: every later reader of the same path
// shares what the first one read. The databases are installed, read-only data,
// and a program that draws one label after another (a headless loader opens one
// reader for each label) would otherwise spend most of each label reading them.
// A database that could not be opened is tried again by the next reader.
class ArrowSymbols
{
public:
    // What a selectable symbol carries.
    struct Symbol
    {
        QByteArray data; // the drawing a symbol item loads
        QIcon icon;
        QString name;
    };

    // The entry that stands for "no arrow".
    static constexpr int NoArrowSymbolId = 1;

    explicit ArrowSymbols(const QString& databasePath);
    ~ArrowSymbols();
    ArrowSymbols(const ArrowSymbols&) = delete;
    ArrowSymbols& operator=(const ArrowSymbols&) = delete;

    // False when the database could not be opened (missing, damaged, foreign).
    bool isOpen() const { return m_open; }
    QString databasePath() const { return m_path; }

    // The databases that could not be opened although they were asked for an arrow
    // (an id above the no-arrow entry), since the process started, each once. A
    // label drawn then lacks arrows it should have: a program that draws labels
    // asks after loading.
    static QStringList unavailableDatabases();

    // True when the database holds id as a selectable symbol; symbol (may be null)
    // then receives it and is left untouched otherwise.
    bool selectable(int id, Symbol* symbol = nullptr) const;
    // The drawing of id, also of an entry that is not selectable; empty for an
    // unknown id.
    QByteArray data(int id) const;
    // The picture of id as image file bytes; empty for an unknown id.
    QByteArray iconData(int id) const;
    // The picture of the no-arrow entry, shown for ids that have no symbol.
    QIcon noArrowIcon() const;

    // A new copy of the entry of id, owned by the caller, or nullptr.
    QStandardItem* item(int id) const;
    // New copies of every entry, selectable or not, in id order; owned by the
    // caller.
    QList<QStandardItem*> items() const;

private:
    void noteAsked(int id) const;

    std::shared_ptr<const SymbolDatabaseModel> m_database;
    QString m_path;
    bool m_open = false;
};

#endif
