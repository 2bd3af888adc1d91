#include "kit/arrowsymbols.h"

#include "canvas/symboldatabasemodel.h"

#include <QImage>
#include <QPixmap>
#include <QStandardItem>
#include <QVariant>

ArrowSymbols::ArrowSymbols(const QString& databasePath)
    : m_database(std::make_unique<SymbolDatabaseModel>())
{
    m_database->setDatabasePath(databasePath);
}

ArrowSymbols::~ArrowSymbols() = default;

bool ArrowSymbols::selectable(int id, Symbol* symbol) const
{
    const std::unique_ptr<QStandardItem> entry(item(id));
    if (!entry || entry->data(SymbolDatabaseModel::SelectableRole).toInt() < 0)
        return false;
    if (symbol) {
        symbol->data = entry->data(SymbolDatabaseModel::SymbolDataRole).toByteArray();
        const QVariant decoration = entry->data(Qt::DecorationRole);
        symbol->icon = decoration.canConvert<QIcon>() ? decoration.value<QIcon>() : QIcon();
        symbol->name = entry->data(Qt::ToolTipRole).toString();
    }
    return true;
}

QByteArray ArrowSymbols::data(int id) const
{
    return m_database->getDataFromSymbolId(id);
}

QByteArray ArrowSymbols::iconData(int id) const
{
    return m_database->getIconDataFromSymbolId(id);
}

QIcon ArrowSymbols::noArrowIcon() const
{
    return QIcon(QPixmap::fromImage(QImage::fromData(iconData(NoArrowSymbolId))));
}

QStandardItem* ArrowSymbols::item(int id) const
{
    return m_database->getItemFromSymbolId(id);
}

QList<QStandardItem*> ArrowSymbols::items() const
{
    return m_database->getItemsByCategory(QString(), true);
}
