#include "widgets/mvhelpwindow.h"

#include "widgets/applicationfont.h"
#include "widgets/dataroot.h"
#include "widgets/dragscrollbutton.h"
#include "widgets/moduleresourceicons.h"
#include "widgets/mvmessagebox.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScroller>
#include <QUrl>

namespace {
const QSize WindowSize(900, 480);
constexpr int FaqIconSide = 48;
constexpr int ManualColumnWidth = 280;
constexpr int ManualButtonHeight = 50;

const char* const WindowStyle =
    "MvHelpWindow { background-color: #f2f2f2; border: 1px solid #fd7800; }"
    "#helpTitleBar { background-color: #2b2b2b; }"
    "#helpTitle { color: white; }"
    "#helpColumnTitle { color: #2b2b2b; }"
    "#helpFaqRow { background-color: white; border-bottom: 1px solid #dcdcdc; }"
    "#helpManualButton { text-align: left; padding-left: 8px; background-color: white;"
    " border: none; border-bottom: 1px solid #dcdcdc; }"
    "#helpManualButton:pressed { background-color: #fd7800; color: white; }"
    "#helpCloseButton { border: none; background-color: #2b2b2b; }"
    "#helpCloseButton:pressed { background-color: #fd7800; }"
    "QScrollArea { border: 1px solid #c6c6c6; background-color: white; }";

QScrollArea* createColumn(QWidget* parent, QVBoxLayout** layout)
{
    auto* area = new QScrollArea(parent);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(area);
    content->setObjectName(QStringLiteral("helpColumnContent"));
    content->setStyleSheet(QStringLiteral("#helpColumnContent { background-color: white; }"));
    *layout = new QVBoxLayout(content);
    (*layout)->setContentsMargins(0, 0, 0, 0);
    (*layout)->setSpacing(0);
    (*layout)->addStretch(1);
    area->setWidget(content);
    return area;
}

QLabel* createColumnTitle(const QString& text, QWidget* parent)
{
    auto* title = new QLabel(text, parent);
    title->setObjectName(QStringLiteral("helpColumnTitle"));
    title->setFont(ApplicationFont::getWidgetFont(true));
    return title;
}

// Removes everything from a column but its closing stretch.
void clearColumn(QVBoxLayout* layout)
{
    while (layout->count() > 1) {
        QLayoutItem* item = layout->takeAt(0);
        delete item->widget();
        delete item;
    }
}
} // namespace

MvHelpWindow::MvHelpWindow(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    qInitResources_module_resource_icons();
    setObjectName(QStringLiteral("MvHelpWindow"));
    setWindowTitle(tr("Help", "Title of the help window."));
    setFixedSize(WindowSize);
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromLatin1(WindowStyle));
    setFont(ApplicationFont::getWidgetFont(false));

    auto* titleBar = new QWidget(this);
    titleBar->setObjectName(QStringLiteral("helpTitleBar"));
    titleBar->setAttribute(Qt::WA_StyledBackground, true);
    titleBar->setFixedHeight(44);
    auto* titleLayout = new QHBoxLayout(titleBar);
    titleLayout->setContentsMargins(14, 0, 0, 0);
    auto* title = new QLabel(windowTitle(), titleBar);
    title->setObjectName(QStringLiteral("helpTitle"));
    title->setFont(ApplicationFont::getWidgetFont(true));
    auto* closeButton = new QPushButton(titleBar);
    closeButton->setObjectName(QStringLiteral("helpCloseButton"));
    closeButton->setIcon(QIcon(QStringLiteral(":/Navigation/NavigationIcons/close.png")));
    closeButton->setIconSize(QSize(44, 44));
    closeButton->setFixedSize(44, 44);
    closeButton->setFocusPolicy(Qt::NoFocus);
    closeButton->setToolTip(tr("Close", "Tool tip of the button that closes the help window."));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    titleLayout->addWidget(title, 1);
    titleLayout->addWidget(closeButton);

    auto* faqArea = createColumn(this, &m_faqLayout);
    QScroller::grabGesture(faqArea->viewport(), QScroller::LeftMouseButtonGesture);
    auto* manualArea = createColumn(this, &m_manualLayout);
    manualArea->setFixedWidth(ManualColumnWidth);

    auto* faqColumn = new QVBoxLayout;
    faqColumn->setSpacing(6);
    faqColumn->addWidget(createColumnTitle(
        tr("Frequently Asked Questions", "Title of the list of questions in the help window."),
        this));
    faqColumn->addWidget(faqArea, 1);
    auto* manualColumn = new QVBoxLayout;
    manualColumn->setSpacing(6);
    manualColumn->addWidget(
        createColumnTitle(tr("Manuals", "Title of the list of manuals in the help window."), this));
    manualColumn->addWidget(manualArea, 1);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(14, 10, 14, 14);
    body->setSpacing(14);
    body->addLayout(faqColumn, 1);
    body->addLayout(manualColumn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(titleBar);
    layout->addLayout(body, 1);

    populatePDF(QString());
}

void MvHelpWindow::insertHelpFAQs(QList<QPair<QIcon, QString>> faqs)
{
    for (const QPair<QIcon, QString>& faq : faqs) {
        auto* row = new QWidget;
        row->setObjectName(QStringLiteral("helpFaqRow"));
        row->setAttribute(Qt::WA_StyledBackground, true);
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(10, 8, 10, 8);
        rowLayout->setSpacing(12);
        auto* icon = new QLabel(row);
        icon->setFixedSize(FaqIconSide, FaqIconSide);
        icon->setAlignment(Qt::AlignCenter);
        if (!faq.first.isNull())
            icon->setPixmap(faq.first.pixmap(FaqIconSide, FaqIconSide));
        auto* text = new QLabel(row);
        text->setTextFormat(Qt::PlainText);
        text->setText(faq.second);
        text->setWordWrap(true);
        text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        rowLayout->addWidget(icon, 0, Qt::AlignTop);
        rowLayout->addWidget(text, 1);
        m_faqLayout->insertWidget(m_faqLayout->count() - 1, row);
        ++m_faqCount;
    }
}

void MvHelpWindow::populatePDF(const QString& category)
{
    clearColumn(m_manualLayout);
    m_manualNames.clear();

    QFileInfoList manuals;
    if (!category.isEmpty()) {
        const QDir folder(DataRoot::path() + QStringLiteral("Manuals/") + category +
                          QLatin1Char('/'));
        manuals = folder.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files | QDir::Readable,
                                       QDir::Name | QDir::IgnoreCase);
    }

    if (manuals.isEmpty()) {
        auto* none = new QLabel(
            tr("No manuals available.", "Shown in the help window when no manual is installed."));
        none->setWordWrap(true);
        none->setContentsMargins(10, 10, 10, 10);
        m_manualLayout->insertWidget(0, none);
        return;
    }

    const QIcon icon(QStringLiteral(":/Help/HelpIcons/manual.png"));
    for (const QFileInfo& manual : manuals) {
        const QString name = manual.completeBaseName();
        const QString path = manual.absoluteFilePath();
        auto* button = new DragScrollButton(icon, name);
        button->setObjectName(QStringLiteral("helpManualButton"));
        button->setIconSize(QSize(32, 32));
        button->setFixedSize(ManualColumnWidth - 2, ManualButtonHeight);
        button->setFocusPolicy(Qt::NoFocus);
        m_manualLayout->insertWidget(m_manualLayout->count() - 1, button);
        // One size for all manuals: long names are shortened, not shrunk.
        DragScrollButton::fitButtonText(button, QFontInfo(button->font()).pointSize(), 8);
        connect(button, &QPushButton::clicked, this, [this, path]() { openManualSlot(path); });
        m_manualNames.append(name);
    }
}

void MvHelpWindow::openManualSlot(const QString& path)
{
    emit manualRequested(path);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        MvMessageBox::information(this, tr("Help", "Title of the help window."),
                                  tr("The manual could not be opened:\n%1",
                                     "Shown when the system has no viewer for a manual.")
                                      .arg(QDir::toNativeSeparators(path)));
    }
}

int MvHelpWindow::faqCount() const
{
    return m_faqCount;
}

QStringList MvHelpWindow::manualNames() const
{
    return m_manualNames;
}
