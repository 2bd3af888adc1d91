#ifndef AMMONIALISTS_H
#define AMMONIALISTS_H

#include "ammonia/ammonialistfile.h"

#include <QModelIndex>
#include <QObject>
#include <QString>

class QStandardItemModel;

// The abbreviation and component lists of one language, as the panel shows and
// edits them. The abbreviation model has three columns: the whole line as stored
// (abbreviation, tab, explanation), the abbreviation, the explanation; the
// component model one name a row. Both are sorted as a reader expects, without
// regard to case and in the order of the user's language. Each list remembers whether it changed
// since it was read, so that only changed lists are written.
//
// Abbreviations are compared without regard to case, as the label shows them in
// upper case; component names too, as fixed strings. Everything that goes into a
// list is one line: tabs and line breaks become spaces.
class AmmoniaLists : public QObject
{
    Q_OBJECT

public:
    using Kind = AmmoniaListFile::Kind;

    // What a label's entry found in its list.
    enum class Lookup
    {
        Empty, // the label names no entry
        Found,
        Added // it was missing and has been added
    };

    explicit AmmoniaLists(QObject* parent = nullptr);

    QStandardItemModel* abbreviations() const { return m_abbreviations; }
    QStandardItemModel* components() const { return m_components; }

    // Reads the language's list, the user's or else the factory list, sorted.
    // False when neither can be read: the list is then empty.
    bool load(Kind kind, const QString& localeName, const QString& userFolder,
              const QString& factoryFolder);
    // Writes each changed list to the user's folder. False when a write failed; that
    // list keeps its changed mark and its old file.
    bool save(const QString& localeName, const QString& userFolder);
    bool isChanged(Kind kind) const;

    // Appends an entry (not sorted) and returns it.
    QModelIndex addAbbreviation(const QString& abbreviation, const QString& text);
    QModelIndex addComponent(const QString& name);
    // Rewrites the entry of the index (column 0 of its row); an invalid index changes
    // nothing.
    void updateAbbreviation(const QModelIndex& entry, const QString& abbreviation,
                            const QString& text);
    void updateComponent(const QModelIndex& entry, const QString& name);
    void remove(Kind kind, int row);

    // The first entry that matches, or an invalid index.
    QModelIndex findAbbreviation(const QString& abbreviation) const;
    QModelIndex findComponent(const QString& name) const;
    // Makes sure a label's entry is in its list, adding and sorting when it is not.
    Lookup ensureAbbreviation(const QString& abbreviation);
    Lookup ensureComponent(const QString& name);

    // The abbreviation and the explanation of a row of the abbreviation model.
    QString abbreviationAt(int row) const;
    QString explanationAt(int row) const;
    QString componentAt(int row) const;

private:
    // withSeparator: the line holds the tab also before an empty explanation.
    void setAbbreviationRow(int row, const QString& abbreviation, const QString& text,
                            bool withSeparator);
    void setChanged(Kind kind, bool changed);

    QStandardItemModel* m_abbreviations = nullptr;
    QStandardItemModel* m_components = nullptr;
    bool m_abbreviationsChanged = false;
    bool m_componentsChanged = false;
};

#endif
