#ifndef ARROWSMENU_H
#define ARROWSMENU_H

#include "kit/arrowsymbols.h"

#include <QByteArray>
#include <QIcon>
#include <QString>
#include <QWidget>

class DragScrollListView;
class QModelIndex;
class QStandardItem;
class QStandardItemModel;

// A grid of the arrow symbols of one symbol database. Symbol id N is shown in
// row N - 1; touching a selectable symbol reports it through symbolSignal.
class ArrowsMenu : public QWidget
{
    Q_OBJECT

public:
    // Roles of the items the database hands out.
    static constexpr int SymbolDataRole = Qt::UserRole + 1; // QByteArray drawing
    static constexpr int SelectableRole = Qt::UserRole + 2; // negative: not a symbol
    // Role of the items of the menu's own list model.
    static constexpr int SymbolIdRole = Qt::UserRole + 1;
    // The entry that stands for "no arrow".
    static constexpr int NoArrowSymbolId = ArrowSymbols::NoArrowSymbolId;

    // A database that cannot be opened gives an empty menu; it is logged, and the
    // user is told once in the life of the program.
    ArrowsMenu(const QString& databasePath, QWidget* parent);

    // Selects the row of id in the list; 0 (or an id without a row) only
    // clears the selection.
    void highlightSymbol(int id);
    // The database entry of id, or nullptr. The caller deletes it.
    QStandardItem* getItem(int id);
    // The picture of id as image file bytes; empty when the database lacks it.
    QByteArray getIcon(int id);
    // The drawing of id; empty when the database lacks it.
    QByteArray getSymbol(int id);
    // The "Add Arrow" picture shown on an arrow button before a choice.
    QIcon getAddArrowIcon() const;

    // Reads the drawing, icon and name of id when the database holds it as a
    // selectable symbol; false (outputs untouched) otherwise. Outputs may be
    // null.
    bool getSelectableSymbol(int id, QByteArray* symbol, QIcon* icon, QString* name);
    // The picture of the no-arrow entry, shown for ids that have no symbol.
    QIcon getNoArrowIcon();
    // The symbols the menu shows, for lookups by id.
    const ArrowSymbols& symbols() const { return m_symbols; }

    void setVerticalScrollBarVisible(bool visible);
    void setViewportWidth(int width);

    // Paints the add-arrow picture: the add-arrow image (or a transparent
    // one when the image is missing) with the caption written over it.
    static QIcon createAddArrowIcon();

signals:
    void symbolSignal(unsigned int id, QByteArray symbol, QIcon icon, QString toolTip);

public slots:
    void symbolSelectionSlot(const QModelIndex& modelIndex);

private:
    void createListView();
    void fillModel();
    void reportUnavailableSymbols() const;

    DragScrollListView* m_listView = nullptr;
    QStandardItemModel* m_model = nullptr;
    ArrowSymbols m_symbols;
    static QIcon m_addArrowIcon;
    static bool m_userToldOfUnavailableSymbols;
};

#endif
