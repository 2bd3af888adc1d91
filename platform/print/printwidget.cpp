#include "print/printwidget.h"

#include "print/cupsqueue.h"
#include "print/printmanager.h"

#include "widgets/applicationfont.h"
#include "widgets/mvcombobox.h"
#include "widgets/mvlineedit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {
// Every control is at least this tall, and the steppers this wide: a fingertip.
constexpr int TouchHeight = 44;
constexpr int StepperWidth = 56;

// The roles of a printer row besides its name.
enum PrinterRoles
{
    NameRole = Qt::UserRole,
    RemoteRole,
    OfflineRole,
    MvRole
};

const char* const ButtonStyle =
    "QPushButton { background-color: white; border: 1px solid #c6c6c6; font-weight: bold; }"
    "QPushButton:pressed { background-color: #fd7800; color: white; }"
    "QPushButton:disabled { background-color: #f0f0f0; color: #a0a0a0; }";
const char* const PrintButtonStyle =
    "QPushButton { background-color: #fd7800; color: white; border: none; font-weight: bold; }"
    "QPushButton:pressed { background-color: #c45d00; }";
} // namespace

PrintWidget::PrintWidget(bool testMode, QWidget* parent) : QWidget(parent), m_testMode(testMode)
{
    setObjectName(QStringLiteral("PrintWidget"));
    setFocusPolicy(Qt::StrongFocus);
    setFont(ApplicationFont::getWidgetFont(false));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    const auto caption = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setFont(ApplicationFont::getWidgetFontTiny(true));
        return label;
    };

    //: Caption of the printer choice in the print panel.
    layout->addWidget(caption(tr("Printer")));
    m_printers = new MvComboBox(this);
    m_printers->setObjectName(QStringLiteral("printerCombo"));
    m_printers->setMinimumHeight(TouchHeight);
    layout->addWidget(m_printers);

    layout->addSpacing(4);
    //: Caption of the number of copies in the print panel.
    layout->addWidget(caption(tr("Copies")));
    auto* copiesRow = new QHBoxLayout;
    copiesRow->setSpacing(6);
    m_less = new QPushButton(QStringLiteral("\u2212"), this);
    m_less->setObjectName(QStringLiteral("lessCopiesButton"));
    m_more = new QPushButton(QStringLiteral("+"), this);
    m_more->setObjectName(QStringLiteral("moreCopiesButton"));
    m_copies = new MvLineEdit(this);
    m_copies->setObjectName(QStringLiteral("copiesField"));
    m_copies->setAlignment(Qt::AlignCenter);
    m_copies->setValidator(new QIntValidator(1, MaxCopies, m_copies));
    m_copies->setText(QStringLiteral("1"));
    m_copies->setMinimumHeight(TouchHeight);
    for (QPushButton* step : {m_less, m_more}) {
        step->setFixedSize(StepperWidth, TouchHeight);
        step->setStyleSheet(QString::fromLatin1(ButtonStyle));
        step->setFocusPolicy(Qt::NoFocus);
        step->setAutoRepeat(true);
    }
    copiesRow->addWidget(m_less);
    copiesRow->addWidget(m_copies, 1);
    copiesRow->addWidget(m_more);
    layout->addLayout(copiesRow);

    layout->addSpacing(4);
    //: Caption of the choice between the label and its loose tags.
    m_tagCaption = caption(tr("Print What"));
    layout->addWidget(m_tagCaption);
    m_tags = new MvComboBox(this);
    m_tags->setObjectName(QStringLiteral("tagCombo"));
    m_tags->setMinimumHeight(TouchHeight);
    auto* model = new QStandardItemModel(this);
    for (int row = 0; row <= 8; ++row)
        model->appendRow(new QStandardItem);
    //: The label itself, in the print panel's choice between label and tags.
    model->item(0)->setText(tr("Label"));
    //: A loose HIGH pressure tag, in the print panel.
    model->item(1)->setText(tr("HIGH Pressure Tag"));
    //: A loose LOW pressure tag, in the print panel.
    model->item(2)->setText(tr("LOW Pressure Tag"));
    //: A loose VAP state tag, in the print panel.
    model->item(4)->setText(tr("VAP State Tag"));
    //: A loose LIQ state tag, in the print panel.
    model->item(8)->setText(tr("LIQ State Tag"));
    m_tags->setModel(model);
    layout->addWidget(m_tags);

    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    //: Button of the print panel that shows how the label will print.
    m_preview = new QPushButton(tr("Preview"), this);
    m_preview->setObjectName(QStringLiteral("panelPreviewButton"));
    m_preview->setStyleSheet(QString::fromLatin1(ButtonStyle));
    //: Button of the print panel that prints the label.
    m_print = new QPushButton(tr("Print"), this);
    m_print->setObjectName(QStringLiteral("panelPrintButton"));
    m_print->setStyleSheet(QString::fromLatin1(PrintButtonStyle));
    for (QPushButton* button : {m_preview, m_print}) {
        button->setMinimumHeight(TouchHeight);
        button->setFont(ApplicationFont::getWidgetFont(true));
        buttons->addWidget(button, 1);
    }
    layout->addLayout(buttons);

    connect(m_less, &QPushButton::clicked, this, [this] { stepCopies(-1); });
    connect(m_more, &QPushButton::clicked, this, [this] { stepCopies(1); });
    connect(m_copies, &QLineEdit::textEdited, this, [this] {
        // An empty or zero field is kept as typed: printing then says why nothing
        // printed.
        if (m_manager && numberOfCopies() >= 1)
            m_manager->setNumberOfCopies(numberOfCopies());
    });
    connect(m_printers, QOverload<int>::of(&QComboBox::activated), this,
            &PrintWidget::printerActivatedSlot);
    connect(m_tags, QOverload<int>::of(&QComboBox::activated), this,
            &PrintWidget::tagActivatedSlot);
    connect(qApp, &QApplication::focusChanged, this, &PrintWidget::focusChangedSlot);

    reloadPrinters();
    setVisibleAmmoniaTag(0);
}

PrintWidget::~PrintWidget() = default;

void PrintWidget::setPrintManager(PrintManager* manager)
{
    if (m_manager)
        disconnect(m_preview, nullptr, m_manager, nullptr);
    m_manager = manager;
    if (!m_manager)
        return;
    connect(m_preview, &QPushButton::clicked, m_manager, &PrintManager::showPrintPreview);
    connect(m_print, &QPushButton::clicked, m_manager, &PrintManager::printSlot);
}

int PrintWidget::numberOfCopies() const
{
    bool ok = false;
    const int copies = m_copies->text().toInt(&ok);
    return ok ? copies : 0;
}

void PrintWidget::setNumberOfCopies(int copies)
{
    m_copies->setText(QString::number(qBound(0, copies, MaxCopies)));
}

void PrintWidget::stepCopies(int step)
{
    const int copies = qBound(1, numberOfCopies() + step, MaxCopies);
    m_copies->setText(QString::number(copies));
    if (m_manager)
        m_manager->setNumberOfCopies(copies);
}

QString PrintWidget::selectedPrinter() const
{
    return m_printers->currentData(NameRole).toString();
}

int PrintWidget::selectedTag() const
{
    return m_visibleTags ? m_tags->currentIndex() : 0;
}

void PrintWidget::reloadPrinters()
{
    const QString chosen = selectedPrinter();
    m_printers->clear();
    const QList<CupsQueue::Printer> printers =
        m_testMode ? QList<CupsQueue::Printer>() : CupsQueue::printers();
    for (const CupsQueue::Printer& printer : printers) {
        QString text = printer.description.isEmpty() ? printer.name : printer.description;
        if (printer.offline)
            //: Added to the name of a printer that does not take jobs now.
            text += tr(" (offline)");
        m_printers->addItem(text);
        const int row = m_printers->count() - 1;
        m_printers->setItemData(row, printer.name, NameRole);
        m_printers->setItemData(row, printer.remote, RemoteRole);
        m_printers->setItemData(row, printer.offline, OfflineRole);
        m_printers->setItemData(row, printer.mv, MvRole);
        if (printer.isDefault && chosen.isEmpty())
            m_printers->setCurrentIndex(row);
    }
    if (printers.isEmpty()) {
        //: The printer choice when prints are saved as PDF files.
        m_printers->addItem(tr("PDF File"));
        m_printers->setItemData(0, QString(), NameRole);
    }
    if (!chosen.isEmpty())
        selectPrinter(chosen);
}

void PrintWidget::selectPrinter(const QString& name)
{
    const int row = m_printers->findData(name, NameRole);
    if (row < 0 || row == m_printers->currentIndex())
        return;
    m_printers->setCurrentIndex(row);
    printerActivatedSlot(row);
}

void PrintWidget::printerActivatedSlot(int index)
{
    const QString name = m_printers->itemData(index, NameRole).toString();
    if (m_manager)
        m_manager->selectPrinterSlot(name);
    emit selectedPrinterChanged(name, m_printers->itemData(index, RemoteRole).toBool(),
                                m_printers->itemData(index, OfflineRole).toBool(),
                                m_printers->itemData(index, MvRole).toBool());
}

void PrintWidget::tagActivatedSlot(int index)
{
    emit ammoniaPrintTagChanged(index);
}

void PrintWidget::setVisibleAmmoniaTag(int tags)
{
    tags &= AllTags;
    const bool wasTall = m_visibleTags != 0;
    m_visibleTags = tags;
    auto* view = qobject_cast<QListView*>(m_tags->view());
    auto* model = static_cast<QStandardItemModel*>(m_tags->model());
    for (int row = 1; row <= 8; ++row) {
        // A row is a tag only at a bit's value.
        const bool offered = (row & (row - 1)) == 0 && (tags & row);
        model->item(row)->setEnabled(offered);
        if (view)
            view->setRowHidden(row, !offered);
    }
    const bool tall = tags != 0;
    m_tagCaption->setVisible(tall);
    m_tags->setVisible(tall);
    if (m_tags->currentIndex() != 0 && !(tags & m_tags->currentIndex())) {
        m_tags->setCurrentIndex(0);
        emit ammoniaPrintTagChanged(0);
    }
    if (tall != wasTall)
        emit printFrameSizeChanged(tall);
}

bool PrintWidget::holds(const QWidget* widget) const
{
    // Across windows: a combo's drop-down list is a window of its own.
    for (; widget; widget = widget->parentWidget())
        if (widget == this)
            return true;
    return false;
}

void PrintWidget::focusChangedSlot(QWidget* old, QWidget* now)
{
    if (holds(old) && !holds(now))
        emit focusLost();
}

bool PrintWidget::notTextFocus(const QPoint& globalPos) const
{
    const QPoint local = mapFromGlobal(globalPos);
    if (!rect().contains(local))
        return false;
    const QWidget* under = childAt(local);
    return !qobject_cast<const QLineEdit*>(under);
}

bool PrintWidget::focusInCombo(const QPoint& globalPos) const
{
    for (const MvComboBox* combo : {m_printers, m_tags}) {
        const QWidget* popup = combo->view() ? combo->view()->window() : nullptr;
        if (popup && popup != window() && popup->isVisible() &&
            popup->geometry().contains(globalPos))
            return true;
    }
    return false;
}
