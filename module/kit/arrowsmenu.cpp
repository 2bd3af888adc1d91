#include "kit/arrowsmenu.h"

#include "canvas/symboldatabasemodel.h"
#include "kit/vendrelconstants.h"
#include "widgets/dragscrolllistview.h"
#include "widgets/mvmessagebox.h"

#include <QFont>
#include <QImage>
#include <QModelIndex>
#include <QPainter>
#include <QPixmap>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QVBoxLayout>

QIcon ArrowsMenu::m_addArrowIcon;
bool ArrowsMenu::m_userToldOfUnavailableSymbols = false;

namespace {

const QSize AddArrowIconSize(69, 58);
constexpr int MinimumCaptionPixels = 8;
constexpr int CaptionMargin = 2;

const char* const ListViewStyle =
    "QListView { background-color: #f2f2f2; border: 1px solid #fd7800; }"
    // The arrow of the touched button must stand out in the grid.
    "QListView::item:selected { background-color: #ffd6ad; border-radius: 4px; }"
    "QScrollBar:vertical { width: 35px; background: #f2f2f2; }"
    "QScrollBar:horizontal { height: 35px; background: #f2f2f2; }"
    "QScrollBar::handle { background: #464646; border-radius: 6px; }"
    "QScrollBar::handle:vertical { min-height: 35px; }"
    "QScrollBar::handle:horizontal { min-width: 35px; }"
    "QScrollBar::add-line, QScrollBar::sub-line { background: #fd7800; "
    "border: 1px solid #fd7800; }"
    "QScrollBar::add-line:vertical { height: 35px; subcontrol-position: "
    "bottom; "
    "subcontrol-origin: margin; }"
    "QScrollBar::sub-line:vertical { height: 35px; subcontrol-position: top; "
    "subcontrol-origin: margin; }"
    "QScrollBar::add-line:horizontal { width: 35px; subcontrol-position: "
    "right; "
    "subcontrol-origin: margin; }"
    "QScrollBar::sub-line:horizontal { width: 35px; subcontrol-position: left; "
    "subcontrol-origin: margin; }"
    "QScrollBar:vertical { margin: 35px 0 35px 0; }"
    "QScrollBar:horizontal { margin: 0 35px 0 35px; }"
    "QScrollBar::add-page, QScrollBar::sub-page { background: none; }";

} // namespace

ArrowsMenu::ArrowsMenu(const QString& databasePath, QWidget* parent)
    : QWidget(parent), m_symbols(databasePath)
{
    setObjectName(QStringLiteral("ArrowsMenu"));

    createListView();
    fillModel();

    m_listView->setCurrentIndex(m_model->index(0, 0));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_listView);
    connect(m_listView, &QAbstractItemView::activated, this, &ArrowsMenu::symbolSelectionSlot);
    connect(m_listView, &QAbstractItemView::clicked, this, &ArrowsMenu::symbolSelectionSlot);

    m_addArrowIcon = createAddArrowIcon();
    if (!m_symbols.isOpen())
        reportUnavailableSymbols();
}

void ArrowsMenu::reportUnavailableSymbols() const
{
    qCritical("Arrow symbols unavailable: the symbol database %s cannot be opened; labels are "
              "drawn without their arrows",
              qUtf8Printable(m_symbols.databasePath()));
    // Every module has its menu, and one missing data folder takes them all: once is
    // enough to tell.
    if (m_userToldOfUnavailableSymbols)
        return;
    m_userToldOfUnavailableSymbols = true;
    MvMessageBox::information(
        nullptr,
        //: Title of the message shown when the arrow symbols cannot be loaded.
        tr("Arrows Unavailable"),
        //: %1 is the path of the symbol database file.
        tr("The arrow symbols could not be loaded from %1.\nLabels are shown without their "
           "arrows, and no arrow can be chosen.")
            .arg(m_symbols.databasePath()),
        QMessageBox::Ok);
}

void ArrowsMenu::createListView()
{
    m_listView = new DragScrollListView(this);
    m_model = new QStandardItemModel(this);
    m_listView->setModel(m_model);
    m_listView->setFixedWidth(410);
    m_listView->setIconSize(QSize(50, 50));
    m_listView->setViewMode(QListView::IconMode);
    m_listView->setGridSize(QSize(60, 60));
    m_listView->setMovement(QListView::Static);
    m_listView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_listView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_listView->setStyleSheet(QString::fromLatin1(ListViewStyle) +
                              VendrelConstants::ScrollBarArrowsStyle);
}

void ArrowsMenu::fillModel()
{
    const QList<QStandardItem*> items = m_symbols.items();
    for (QStandardItem* item : items) {
        // The grid shows pictures only; names would crowd the 60 px cells.
        item->setData(QString(), Qt::ToolTipRole);
        // The menu's rows carry just the id: drawings are read from the
        // database when a symbol is chosen.
        item->setData(item->data(SymbolDatabaseModel::SymbolIdRole), SymbolIdRole);
        m_model->appendRow(item);
    }
}

QIcon ArrowsMenu::createAddArrowIcon()
{
    QImage image;
    if (!image.load(QStringLiteral(":/Common/Icons/CommonIcons/add-arrow.png")) || image.isNull()) {
        image = QImage(AddArrowIconSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    } else {
        // Painting needs a true-colour image; a palette PNG would refuse it.
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    //: Caption painted on an arrow button before an arrow is chosen
    const QString caption = tr("Add Arrow");
    const QRect box(QPoint(0, 0), AddArrowIconSize);
    // A longer word of a translation ("hinzufügen") would be cut at the edges of the
    // small face: the caption gets smaller until every word fits its width and the
    // lines its height.
    QFont font(QStringLiteral("Arial"));
    for (int pixels = QFontInfo(font).pixelSize(); pixels > MinimumCaptionPixels; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        bool fits =
            metrics.boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, caption).height() <=
            box.height();
        const QStringList words = caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& word : words)
            fits = fits && metrics.horizontalAdvance(word) <= box.width() - 2 * CaptionMargin;
        if (fits)
            break;
    }
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, caption);
    }
    return QIcon(QPixmap::fromImage(image));
}

void ArrowsMenu::symbolSelectionSlot(const QModelIndex& modelIndex)
{
    const int id = modelIndex.isValid() ? modelIndex.data(SymbolIdRole).toInt() : 0;
    QByteArray symbol;
    QIcon icon;
    QString name;
    if (!getSelectableSymbol(id, &symbol, &icon, &name))
        return;
    emit symbolSignal(static_cast<unsigned int>(id), symbol, icon, name);
}

bool ArrowsMenu::getSelectableSymbol(int id, QByteArray* symbol, QIcon* icon, QString* name)
{
    ArrowSymbols::Symbol found;
    if (!m_symbols.selectable(id, &found))
        return false;
    if (symbol)
        *symbol = found.data;
    if (icon)
        *icon = found.icon;
    if (name)
        *name = found.name;
    return true;
}

QIcon ArrowsMenu::getNoArrowIcon()
{
    return m_symbols.noArrowIcon();
}

void ArrowsMenu::highlightSymbol(int id)
{
    m_listView->clearSelection();
    // Ids come from files too: the lowest int has no row before it.
    const QModelIndex index = id > 0 ? m_model->index(id - 1, 0) : QModelIndex();
    if (index.isValid()) {
        m_listView->selectionModel()->select(index, QItemSelectionModel::Select);
        m_listView->scrollTo(index);
    }
}

QStandardItem* ArrowsMenu::getItem(int id)
{
    return m_symbols.item(id);
}

QByteArray ArrowsMenu::getIcon(int id)
{
    return m_symbols.iconData(id);
}

QByteArray ArrowsMenu::getSymbol(int id)
{
    return m_symbols.data(id);
}

QIcon ArrowsMenu::getAddArrowIcon() const
{
    return m_addArrowIcon;
}

void ArrowsMenu::setVerticalScrollBarVisible(bool visible)
{
    m_listView->setVerticalScrollBarPolicy(visible ? Qt::ScrollBarAsNeeded
                                                   : Qt::ScrollBarAlwaysOff);
}

void ArrowsMenu::setViewportWidth(int width)
{
    m_listView->setFixedWidth(width);
}
