#include "pdfpages.h"

#include "ammonia/ammoniacontroller.h"
#include "ammonia/ammoniaeditwidget.h"
#include "ammonia/ammoniastatuserrortype.h"
#include "canvas/mvcanvasmodel.h"
#include "canvas/symbolitem.h"
#include "kit/ivendrelinterface.h"
#include "print/mvprintingerrors.h"
#include "print/printcontrollerlinux.h"
#include "print/printmanager.h"
#include "print/printwidget.h"
#include "print/supplyproperties.h"
#include "widgets/moduleresourceicons.h"
#include "widgets/mvcombobox.h"
#include "widgets/mvframe.h"
#include "widgets/mvlineedit.h"
#include "widgets/mvmessagebox.h"
#include "window/vendrelmainwindow.h"

#include <QDir>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

using namespace MvPrintingErrors;

namespace {
// Runs the slide animations of a widget to their end.
void finishSlides(QWidget* widget)
{
    for (auto* animation : widget->findChildren<QPropertyAnimation*>())
        animation->setCurrentTime(animation->totalDuration());
}

QStringList pdfsIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
}

QPushButton* buttonIn(QWidget* parent, const QString& text)
{
    for (auto* button : parent->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}
} // namespace

class WindowPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void quickPrintOnlyWhileActive();
    void errorsCloseTheFrameOnlyForSomeValues_data();
    void errorsCloseTheFrameOnlyForSomeValues();
    void tagChosenInTheSelectorIsWhatPrints();
    void quickPrintAfterATagPrintPrintsTheLabel();
    void closingAfterATagChoiceHandsTheQuantityOver();
    void frameOffersTagsOnlyForAmmonia_data();
    void frameOffersTagsOnlyForAmmonia();
    void supplyChangeReachesControllerAndManager();
    void liqTagIsDrawnWhileTheLabelsLiqIsOff();
    void tagColoursFollowTheLabel_data();
    void tagColoursFollowTheLabel();
    void tagDimensionsShowTwoDecimals();
    void tagQuantityBelowOnePrintsNothing_data();
    void tagQuantityBelowOnePrintsNothing();

private:
    QString m_folder;
    QStringList m_messages;
};

void WindowPrintTest::initTestCase()
{
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
}

void WindowPrintTest::init()
{
    m_folder = QDir::temp().filePath(QStringLiteral("prints-%1").arg(QTest::currentTestFunction()));
    QDir(m_folder).removeRecursively();
    qputenv("VENDREL_PRINT_FOLDER", m_folder.toUtf8());
    m_messages.clear();
    MvMessageBox::setAnswerProvider(
        [this](const QString&, const QString& text, QMessageBox::StandardButtons) {
            m_messages << text;
            return QMessageBox::Ok;
        });
}

void WindowPrintTest::cleanup()
{
    MvMessageBox::setAnswerProvider({});
}

void WindowPrintTest::quickPrintOnlyWhileActive()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    window.show();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(!window.isActiveWindow());
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    window.onQuickPrintButtonClicked();
    QVERIFY(pdfsIn(m_folder).isEmpty());

    QApplication::setActiveWindow(&window);
    QVERIFY(window.isActiveWindow());
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(pdfsIn(m_folder).size(), 1);
    const QSizeF label = window.activeModule()->getCanvas()->getCanvasSize();
    const QList<QSizeF> pages =
        pdfPageSizes(m_folder + QLatin1Char('/') + pdfsIn(m_folder).first());
    QCOMPARE(pages.size(), 1);
    QVERIFY(qAbs(pages.first().width() - label.width()) < 0.5);
    QVERIFY(qAbs(pages.first().height() - label.height()) < 0.5);
}

void WindowPrintTest::errorsCloseTheFrameOnlyForSomeValues_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("closes");
    QTest::newRow("0 printer not found") << 0 << true;
    QTest::newRow("2 quantity") << 2 << false;
    QTest::newRow("3 offline") << 3 << true;
    QTest::newRow("5 supply") << 5 << false;
    QTest::newRow("6 refused") << 6 << true;
    QTest::newRow("9 canceled") << 9 << false;
    QTest::newRow("11 drawing") << 11 << true;
}

void WindowPrintTest::errorsCloseTheFrameOnlyForSomeValues()
{
    QFETCH(int, error);
    QFETCH(bool, closes);
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    window.show();
    auto* printButton = window.findChild<QPushButton*>(QStringLiteral("printButton"));
    QVERIFY(printButton && printButton->isEnabled());
    printButton->click();
    finishSlides(window.printFrame());
    QVERIFY(window.printFrame()->isVisible());

    window.printErrorSlot(static_cast<TamsyPrintError>(error));
    finishSlides(window.printFrame());
    QCOMPARE(window.printFrame()->isVisible(), !closes);
    QCOMPARE(printButton->isChecked(), !closes);
    QCOMPARE(m_messages.size(), 1);

    // With a code the frame always stays.
    if (!closes) {
        window.printErrorCodeSlot(static_cast<TamsyPrintError>(error), QStringLiteral("E42"));
        QVERIFY(window.printFrame()->isVisible());
        QVERIFY(m_messages.last().endsWith(QStringLiteral("E42")));
    }
}

void WindowPrintTest::tagChosenInTheSelectorIsWhatPrints()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::AmmoniaWidget, QString());
    window.show();
    MvCanvasModel* label = window.activeModule()->getCanvas();
    MvCanvasModel* tags = window.activeModule()->getTagCanvas();
    window.showPrintFrameSlot(true);
    finishSlides(window.printFrame());
    PrintWidget* panel = window.printWidget();
    QCOMPARE(panel->visibleTags(), 9);
    QCOMPARE(window.printFrame()->height(), 360);

    panel->tagCombo()->setCurrentIndex(8);
    emit panel->tagCombo()->activated(8);
    QCOMPARE(window.printController()->scene(), tags);
    QVERIFY(!window.printTargetIsLabel());
    panel->printButton()->click();
    QStringList files = pdfsIn(m_folder);
    QCOMPARE(files.size(), 1);
    QSizeF page = pdfPageSizes(m_folder + QLatin1Char('/') + files.first()).value(0);
    QVERIFY(qAbs(page.width() - tags->getCanvasSize().width()) < 0.5);
    QVERIFY(qAbs(page.height() - tags->getCanvasSize().height()) < 0.5);

    panel->tagCombo()->setCurrentIndex(0);
    emit panel->tagCombo()->activated(0);
    QCOMPARE(window.printController()->scene(), label);
    QVERIFY(window.printTargetIsLabel());
}

void WindowPrintTest::quickPrintAfterATagPrintPrintsTheLabel()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::AmmoniaWidget, QString());
    window.show();
    QApplication::setActiveWindow(&window);
    auto* ammonia = qobject_cast<AmmoniaController*>(window.activeModule());
    QVERIFY(ammonia);
    ammonia->printTagsSlot(AmmoniaVendrel::HighPressureTag, 2);
    QCOMPARE(window.printController()->scene(), ammonia->getTagCanvas());
    QCOMPARE(window.printController()->lastPrint().copies, 2);

    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(window.printController()->scene(), ammonia->getCanvas());
    const QSizeF label = ammonia->getCanvas()->getCanvasSize();
    QCOMPARE(window.printController()->lastPrint().page, label);
}

void WindowPrintTest::closingAfterATagChoiceHandsTheQuantityOver()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::AmmoniaWidget, QString());
    window.show();
    auto* ammonia = qobject_cast<AmmoniaController*>(window.activeModule());
    auto* quantity = ammonia->findChild<MvLineEdit*>(QStringLiteral("PhysicalFrameQuantity"));
    QVERIFY(quantity);
    PrintWidget* panel = window.printWidget();

    window.showPrintFrameSlot(true);
    emit panel->tagCombo()->activated(4);
    window.printManager()->setNumberOfCopies(7);
    window.showPrintFrameSlot(false);
    QCOMPARE(quantity->text(), QStringLiteral("7"));

    window.showPrintFrameSlot(true);
    emit panel->tagCombo()->activated(0);
    window.printManager()->setNumberOfCopies(3);
    window.showPrintFrameSlot(false);
    QCOMPARE(quantity->text(), QStringLiteral("7"));
}

void WindowPrintTest::frameOffersTagsOnlyForAmmonia_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("tags");
    QTest::addColumn<int>("height");
    QTest::newRow("pipe marker") << 0 << 0 << 280;
    QTest::newRow("ammonia") << 1 << 9 << 360;
    QTest::newRow("arrow wrap") << 2 << 0 << 280;
}

void WindowPrintTest::frameOffersTagsOnlyForAmmonia()
{
    QFETCH(int, kind);
    QFETCH(int, tags);
    QFETCH(int, height);
    // The ammonia module exists first, so that its tags could leak into the others.
    VendrelMainWindow window(QString(), true, VendrelMainWindow::AmmoniaWidget, QString());
    window.show();
    if (kind == 0)
        window.switchPipeModuleSlot();
    else if (kind == 2)
        window.switchArrowModuleSlot();
    window.showPrintFrameSlot(true);
    finishSlides(window.printFrame());
    QCOMPARE(window.printWidget()->visibleTags(), tags);
    QCOMPARE(window.printFrame()->size(), QSize(300, height));
    QCOMPARE(window.printController()->scene(), window.activeModule()->getCanvas());
    // The frame ends flush with the container's bottom right corner.
    const QWidget* container = window.findChild<QWidget*>(QStringLiteral("containerFrame"));
    QCOMPARE(window.printFrame()->geometry().right(), container->geometry().right());
    QCOMPARE(window.printFrame()->geometry().bottom(), container->geometry().bottom());
}

void WindowPrintTest::supplyChangeReachesControllerAndManager()
{
    const QString printer = QStringLiteral("Shop");
    const QString path = SupplyProperties::supplyFilePath(printer);
    QFile::remove(path);
    VendrelMainWindow window(printer + QStringLiteral(",0"), true, VendrelMainWindow::VendrelWidget,
                             QString());
    QCOMPARE(window.supplyProperties()->currentPrinter(), printer);
    QCOMPARE(window.printController()->loadedPaperSize(),
             QSizeF(SupplyProperties::DefaultSupplyWidth, 0));
    {
        QSettings file(path, QSettings::IniFormat);
        file.setValue(QStringLiteral("supply/width"), 4.0);
        file.setValue(QStringLiteral("supply/sku"), QStringLiteral("B-4"));
        file.setValue(QStringLiteral("ribbons/colors"),
                      QStringList{QStringLiteral("#000000"), QStringLiteral("#dc0b0b")});
        file.setValue(QStringLiteral("ribbons/names"),
                      QStringList{QStringLiteral("Black"), QStringLiteral("Red")});
    }
    window.supplyProperties()->refresh();
    QCOMPARE(window.printController()->loadedPaperSize(), QSizeF(288, 0));
    QCOMPARE(window.printController()->loadedPalette().size(), 2);
    QVERIFY(!window.printController()->allColorsLoaded());
    QCOMPARE(window.printManager()->loadedSupplySku(), QStringLiteral("B-4"));
    QCOMPARE(window.printManager()->loadedRibbons(), (QStringList{"Black", "Red"}));
    QCOMPARE(window.printManager()->loadedSupplySize(), QSizeF(288, 0));
    QFile::remove(path);
}

void WindowPrintTest::liqTagIsDrawnWhileTheLabelsLiqIsOff()
{
    AmmoniaController controller;
    controller.liqStateChangedSlot(false);
    controller.preparePrintTagSlot(AmmoniaVendrel::LiqStateTag);
    MvCanvasModel* tags = controller.getTagCanvas();
    const auto items = tags->items();
    QCOMPARE(items.size(), 1);
    QVERIFY(items.first()->isVisible());
    auto* symbol = dynamic_cast<SymbolItem*>(items.first());
    QVERIFY(symbol && symbol->hasDrawing());
    // Drawn, not blank: some pixel of the tag differs from its background.
    const QImage image = tags->createIcon(256, 256);
    const QRgb background = tags->canvasBackgroundColor().rgb();
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y)
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = qAlpha(image.pixel(x, y)) == 255 &&
                    (image.pixel(x, y) & 0xffffff) != (background & 0xffffff);
    QVERIFY(drawn);
}

void WindowPrintTest::tagColoursFollowTheLabel_data()
{
    QTest::addColumn<QColor>("labelColor");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QColor>("tagColor");
    QTest::newRow("LIQ beside yellow") << QColor("#fedb00") << 8 << QColor("#f28000");
    QTest::newRow("LIQ beside orange") << QColor("#f28000") << 8 << QColor("#fedb00");
    QTest::newRow("VAP") << QColor("#f28000") << 4 << QColor("#41b6e6");
    QTest::newRow("HIGH") << QColor("#fedb00") << 1 << QColor("#dc0b0b");
    QTest::newRow("LOW") << QColor("#fedb00") << 2 << QColor("#248d4f");
}

void WindowPrintTest::tagColoursFollowTheLabel()
{
    QFETCH(QColor, labelColor);
    QFETCH(int, tag);
    QFETCH(QColor, tagColor);
    AmmoniaController controller;
    controller.colorChangedSlot(labelColor);
    const QSizeF part =
        dynamic_cast<SymbolItem*>(controller.getCanvas()->itemFromId(AmmoniaController::LiqStateId))
            ->getItemSize();
    controller.preparePrintTag(tag);
    QCOMPARE(controller.getTagCanvas()->canvasBackgroundColor(), tagColor);
    QCOMPARE(controller.getTagCanvas()->getCanvasSize(), QSizeF(part.width(), part.height() + 10));
}

void WindowPrintTest::tagDimensionsShowTwoDecimals()
{
    AmmoniaController controller;
    AmmoniaEditWidget* panel = controller.editWidget();
    // Typed, as the user does: each keystroke rewrites the texts.
    for (const auto& typed : {qMakePair(QStringLiteral("BandWidthEdit"), QStringLiteral("12.5")),
                              qMakePair(QStringLiteral("WidthEdit"), QStringLiteral("100"))}) {
        auto* field = panel->findChild<QLineEdit*>(typed.first);
        QVERIFY(field);
        field->selectAll();
        QTest::keyClicks(field, typed.second);
        QCOMPARE(field->text(), typed.second);
    }
    for (const char* frame : {"PhysicalFrameDimensions", "PressureFrameDimensions"}) {
        const QString text = panel->findChild<QLabel*>(QLatin1String(frame))->text();
        QVERIFY2(text.contains(QStringLiteral("12.50")) && text.contains(QStringLiteral("100.00")),
                 qPrintable(text));
    }
}

void WindowPrintTest::tagQuantityBelowOnePrintsNothing_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<bool>("prints");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("two") << "2" << true;
}

void WindowPrintTest::tagQuantityBelowOnePrintsNothing()
{
    QFETCH(QString, quantity);
    QFETCH(bool, prints);
    AmmoniaController controller;
    QSignalSpy printed(&controller, &IVendrelInterface::printTagSignal);
    QSignalSpy previewed(&controller, &IVendrelInterface::previewTagSignal);
    auto* frame = controller.findChild<QWidget*>(QStringLiteral("PhysicalFrame"));
    auto* field = controller.findChild<MvLineEdit*>(QStringLiteral("PhysicalFrameQuantity"));
    QVERIFY(frame && field);
    field->setText(quantity);
    buttonIn(frame, QStringLiteral("Print"))->click();
    buttonIn(frame, QStringLiteral("Preview"))->click();
    QCOMPARE(printed.count(), prints ? 1 : 0);
    QCOMPARE(previewed.count(), prints ? 1 : 0);
    QCOMPARE(field->isInvalid(), !prints);
    if (prints)
        QCOMPARE(printed.first().first().toInt(), quantity.toInt());
}

QTEST_MAIN(WindowPrintTest)
#include "tst_windowprint.moc"
