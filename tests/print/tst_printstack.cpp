#include "pdfpages.h"

#include "canvas/mvcanvasmodel.h"
#include "print/ipccommandreader.h"
#include "print/mvprintingerrors.h"
#include "print/printcontrollerlinux.h"
#include "print/printmanager.h"
#include "print/printmessagehelper.h"
#include "print/printwidget.h"
#include "print/supplyproperties.h"

#include "widgets/mvcombobox.h"
#include "widgets/mvlineedit.h"

#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

using namespace MvPrintingErrors;

namespace {
MvCanvasModel* labelCanvas(double width, double height, QObject* parent)
{
    auto* canvas =
        new MvCanvasModel({Qt::black, QColor("#fedb00")}, 14400, 14400, width, height, parent);
    canvas->setCanvasBackgroundColor(QColor("#fedb00"));
    return canvas;
}

QStringList pdfsIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}
} // namespace

class PrintStackTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pdfPageIsTheLabelsSize_data();
    void pdfPageIsTheLabelsSize();
    void copiesBecomePages_data();
    void copiesBecomePages();
    void refusedPrintsWriteNothing_data();
    void refusedPrintsWriteNothing();
    void colourMissingFromRibbonsIsReportedAndPrinted();
    void errorTableClosesThePanelForTheseValues();
    void commandReaderCutsLines_data();
    void commandReaderCutsLines();
    void supplyComesFromFileElseDefault();
    void supplyFileChangeEmitsOnlyWhatChanged();
    void panelOffersOnlyTagRowsAtBitValues();
    void managerRefusesQuantityBelowOne();

private:
    QString m_folder;
};

void PrintStackTest::init()
{
    m_folder = QDir::temp().filePath(QStringLiteral("prints-%1").arg(QTest::currentTestFunction()));
    QDir(m_folder).removeRecursively();
    qputenv("VENDREL_PRINT_FOLDER", m_folder.toUtf8());
}

void PrintStackTest::pdfPageIsTheLabelsSize_data()
{
    QTest::addColumn<QSizeF>("label");
    QTest::newRow("8 x 1 in") << QSizeF(576, 72);
    QTest::newRow("192 in continuous") << QSizeF(13824, 72);
    QTest::newRow("portrait 2 x 12 in") << QSizeF(144, 864);
    QTest::newRow("least side") << QSizeF(14.4, 14.4);
}

void PrintStackTest::pdfPageIsTheLabelsSize()
{
    QFETCH(QSizeF, label);
    QScopedPointer<MvCanvasModel> canvas(labelCanvas(label.width(), label.height(), nullptr));
    PrintControllerLinux controller(true, nullptr, nullptr);
    controller.setScene(canvas.data());
    QSignalSpy printed(&controller, &PrintController::printedSignal);
    QSignalSpy errors(&controller, &PrintController::printErrorSignal);
    QVERIFY(controller.printCanvas());
    QCOMPARE(errors.count(), 0);
    QCOMPARE(printed.count(), 1);
    const QString file = printed.first().at(2).toString();
    QVERIFY(file.startsWith(m_folder));
    const QList<QSizeF> pages = pdfPageSizes(file);
    QCOMPARE(pages.size(), 1);
    QVERIFY2(qAbs(pages.first().width() - label.width()) < 0.5 &&
                 qAbs(pages.first().height() - label.height()) < 0.5,
             qPrintable(
                 QStringLiteral("%1 x %2").arg(pages.first().width()).arg(pages.first().height())));
    QCOMPARE(controller.lastPrint().dpi, PrintControllerLinux::DefaultResolution);
}

void PrintStackTest::copiesBecomePages_data()
{
    QTest::addColumn<int>("copies");
    QTest::newRow("one") << 1;
    QTest::newRow("three") << 3;
}

void PrintStackTest::copiesBecomePages()
{
    QFETCH(int, copies);
    QScopedPointer<MvCanvasModel> canvas(labelCanvas(576, 72, nullptr));
    PrintControllerLinux controller(true, nullptr, nullptr);
    controller.setScene(canvas.data());
    controller.setNumberOfCopies(copies);
    QVERIFY(controller.printCanvas());
    QCOMPARE(pdfPageSizes(controller.lastPrint().file).size(), copies);
    QCOMPARE(controller.lastPrint().copies, copies);
}

void PrintStackTest::refusedPrintsWriteNothing_data()
{
    QTest::addColumn<QSizeF>("label");
    QTest::addColumn<int>("copies");
    QTest::addColumn<QSizeF>("supply");
    QTest::addColumn<int>("error");
    QTest::newRow("no copies") << QSizeF(576, 72) << 0 << QSizeF() << int(QuantityBelowOne);
    QTest::newRow("negative copies") << QSizeF(576, 72) << -2 << QSizeF() << int(QuantityBelowOne);
    QTest::newRow("empty canvas") << QSizeF(0, 0) << 1 << QSizeF() << int(NothingToPrint);
    QTest::newRow("wider than the supply")
        << QSizeF(576, 216) << 1 << QSizeF(144, 0) << int(SupplyTooNarrow);
}

void PrintStackTest::refusedPrintsWriteNothing()
{
    QFETCH(QSizeF, label);
    QFETCH(int, copies);
    QFETCH(QSizeF, supply);
    QFETCH(int, error);
    QScopedPointer<MvCanvasModel> canvas(labelCanvas(label.width(), label.height(), nullptr));
    PrintControllerLinux controller(true, nullptr, nullptr);
    controller.setScene(canvas.data());
    controller.setNumberOfCopies(copies);
    controller.setLoadedPaperSize(supply, MvPrinting::PdfFilePrinter);
    QSignalSpy errors(&controller, &PrintController::printErrorSignal);
    QSignalSpy printed(&controller, &PrintController::printedSignal);
    QVERIFY(!controller.printCanvas());
    QCOMPARE(errors.count(), 1);
    QCOMPARE(int(errors.first().first().value<TamsyPrintError>()), error);
    QCOMPARE(printed.count(), 0);
    QVERIFY(pdfsIn(m_folder).isEmpty());
}

void PrintStackTest::colourMissingFromRibbonsIsReportedAndPrinted()
{
    QScopedPointer<MvCanvasModel> canvas(labelCanvas(576, 72, nullptr));
    PrintControllerLinux controller(true, nullptr, nullptr);
    controller.setScene(canvas.data());
    // Black and red loaded, only black usable: the yellow band is not loaded.
    controller.setLoadedPaletteColors({Qt::black, QColor("#dc0b0b")}, 1, false, 0, QColor());
    QSignalSpy codes(&controller, &PrintController::printErrorCodeSignal);
    QVERIFY(controller.printCanvas());
    QCOMPARE(codes.count(), 1);
    QCOMPARE(codes.first().at(0).value<TamsyPrintError>(), ColorNotLoaded);
    QCOMPARE(codes.first().at(1).toString(), QStringLiteral("#fedb00"));

    controller.setLoadedPaletteColors({Qt::black, QColor("#fedb00")}, 3, false, 0, QColor());
    codes.clear();
    QVERIFY(controller.printCanvas());
    QCOMPARE(codes.count(), 0);
}

void PrintStackTest::errorTableClosesThePanelForTheseValues()
{
    QList<int> closing;
    for (int value = 0; value <= DrawingFailed; ++value) {
        const auto error = static_cast<TamsyPrintError>(value);
        QCOMPARE(int(PrintMessageHelper::entry(error).error), value);
        QVERIFY(!PrintMessageHelper::text(error).isEmpty());
        if (PrintMessageHelper::closesPrintPanel(error))
            closing << value;
    }
    QCOMPARE(closing, QList<int>({0, 3, 4, 6, 7, 8, 11}));
    QVERIFY(PrintMessageHelper::text(JobRefused, QStringLiteral("server-error"))
                .endsWith(QStringLiteral("server-error")));
}

void PrintStackTest::commandReaderCutsLines_data()
{
    using Command = IpcCommandReader::Command;
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QList<int>>("arguments");
    QTest::newRow("each command") << QList<QByteArray>{"help\nprint\nclose\nqueue-clear 4\n"}
                                  << QList<int>{Command::Help, Command::Print, Command::Close,
                                                Command::QueueClear}
                                  << QList<int>{0, 0, 0, 4};
    QTest::newRow("split across reads")
        << QList<QByteArray>{"he", "lp\r", "\nqueue-cl", "ear 12\n"}
        << QList<int>{Command::Help, Command::QueueClear} << QList<int>{0, 12};
    QTest::newRow("unended line waits")
        << QList<QByteArray>{"print"} << QList<int>{} << QList<int>{};
    QTest::newRow("unknown, case and arguments")
        << QList<QByteArray>{"HELP\nprint now\nqueue-clear\nqueue-clear -1\nqueue-clear x\n"}
        << QList<int>{Command::Unknown, Command::Unknown, Command::Unknown, Command::Unknown,
                      Command::Unknown}
        << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("binary bytes") << QList<QByteArray>{QByteArray("pr\0int\n", 7), "\xff\xfe\n"}
                                  << QList<int>{Command::Unknown, Command::Unknown}
                                  << QList<int>{0, 0};
    QTest::newRow("blank lines skipped")
        << QList<QByteArray>{"\n \n\r\nclose\n"} << QList<int>{Command::Close} << QList<int>{0};
    QTest::newRow("too long, then a command")
        << QList<QByteArray>{QByteArray(300, 'a'), QByteArray(300, 'b') + "\nhelp\n"}
        << QList<int>{Command::Unknown, Command::Help} << QList<int>{0, 0};
}

void PrintStackTest::commandReaderCutsLines()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QList<int>, kinds);
    QFETCH(QList<int>, arguments);
    IpcCommandReader reader;
    QList<int> gotKinds;
    QList<int> gotArguments;
    for (const QByteArray& piece : pieces)
        for (const auto& command : reader.feed(piece)) {
            gotKinds << command.kind;
            gotArguments << command.argument;
        }
    QCOMPARE(gotKinds, kinds);
    QCOMPARE(gotArguments, arguments);
}

void PrintStackTest::supplyComesFromFileElseDefault()
{
    const QString printer = QStringLiteral("Shop Floor");
    QFile::remove(SupplyProperties::supplyFilePath(printer));
    SupplyProperties defaults(printer, false);
    QCOMPARE(defaults.sizeSource(), SupplyProperties::FromDefault);
    QCOMPARE(defaults.getLoadedSupplySize(), QSizeF(SupplyProperties::DefaultSupplyWidth, 0));
    QCOMPARE(defaults.getPrintingPalette(), QList<QColor>{QColor(Qt::black)});
    QCOMPARE(defaults.getLoadedRibbonMask(), 1);

    {
        QSettings file(SupplyProperties::supplyFilePath(printer), QSettings::IniFormat);
        file.setValue(QStringLiteral("supply/width"), 2.25);
        file.setValue(QStringLiteral("supply/length"), 0);
        file.setValue(QStringLiteral("supply/sku"), QStringLiteral("PM-225"));
        file.setValue(QStringLiteral("ribbons/colors"),
                      QStringList{QStringLiteral("#000000"), QStringLiteral("#dc0b0b")});
        file.setValue(QStringLiteral("ribbons/names"),
                      QStringList{QStringLiteral("Black"), QStringLiteral("Red")});
    }
    SupplyProperties fromFile(printer, false);
    QCOMPARE(fromFile.sizeSource(), SupplyProperties::FromSupplyFile);
    QCOMPARE(fromFile.ribbonSource(), SupplyProperties::FromSupplyFile);
    QCOMPARE(fromFile.getLoadedSupplySize(), QSizeF(162, 0));
    QCOMPARE(fromFile.getLoadedSupplySku(), QStringLiteral("PM-225"));
    QCOMPARE(fromFile.getLoadedRibbons(), (QStringList{"Black", "Red"}));
    QCOMPARE(fromFile.getLoadedRibbonMask(), 3);
    QFile::remove(SupplyProperties::supplyFilePath(printer));
}

void PrintStackTest::supplyFileChangeEmitsOnlyWhatChanged()
{
    const QString printer = QStringLiteral("Line 2");
    const QString path = SupplyProperties::supplyFilePath(printer);
    QFile::remove(path);
    SupplyProperties supply(printer, false);
    QSignalSpy size(&supply, &SupplyProperties::supplyTypeLoadedChanged);
    QSignalSpy ribbons(&supply, &SupplyProperties::ribbonsLoadedChanged);
    QSignalSpy custom(&supply, &SupplyProperties::supplyTypeCustomChanged);
    supply.refresh();
    QCOMPARE(size.count() + ribbons.count() + custom.count(), 0);

    QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("supply/width"), 1.0);
    supply.refresh();
    QCOMPARE(size.count(), 1);
    QCOMPARE(custom.count(), 1);
    QCOMPARE(ribbons.count(), 0);

    QSettings(path, QSettings::IniFormat)
        .setValue(QStringLiteral("ribbons/colors"), QStringLiteral("#248d4f"));
    supply.refresh();
    QCOMPARE(size.count(), 1);
    QCOMPARE(ribbons.count(), 1);
    QCOMPARE(supply.getPrintingPalette(), QList<QColor>{QColor("#248d4f")});
    QFile::remove(path);
}

void PrintStackTest::panelOffersOnlyTagRowsAtBitValues()
{
    PrintWidget panel(true);
    QSignalSpy tall(&panel, &PrintWidget::printFrameSizeChanged);
    QSignalSpy tag(&panel, &PrintWidget::ammoniaPrintTagChanged);
    panel.setVisibleAmmoniaTag(8 | 1);
    QCOMPARE(tall.count(), 1);
    QCOMPARE(tall.first().first().toBool(), true);
    auto* model = qobject_cast<QStandardItemModel*>(panel.tagCombo()->model());
    QVERIFY(model);
    for (int row = 1; row <= 8; ++row)
        QCOMPARE(model->item(row)->isEnabled(), row == 1 || row == 8);

    panel.tagCombo()->setCurrentIndex(8);
    QCOMPARE(panel.selectedTag(), 8);
    // The LIQ part goes: the selector returns to the label and says so.
    panel.setVisibleAmmoniaTag(1);
    QCOMPARE(panel.selectedTag(), 0);
    QCOMPARE(tag.count(), 1);
    QCOMPARE(tag.first().first().toInt(), 0);
    panel.setVisibleAmmoniaTag(0);
    QCOMPARE(tall.count(), 2);
    QCOMPARE(tall.last().first().toBool(), false);
}

void PrintStackTest::managerRefusesQuantityBelowOne()
{
    QScopedPointer<MvCanvasModel> canvas(labelCanvas(576, 72, nullptr));
    PrintControllerLinux controller(true, canvas.data(), nullptr);
    PrintWidget panel(true);
    PrintManager manager(true, &panel, nullptr, &controller, nullptr, MvPrinting::PipeMarking);
    QSignalSpy requests(&manager, &PrintManager::managerPrintSignal);
    QSignalSpy errors(&manager, &PrintManager::printErrorSignal);
    panel.copiesField()->setText(QString());
    panel.printButton()->click();
    QCOMPARE(requests.count(), 0);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().value<TamsyPrintError>(), QuantityBelowOne);

    panel.copiesField()->setText(QStringLiteral("2"));
    panel.printButton()->click();
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.first().at(0).toInt(), 2);
    QCOMPARE(controller.numberOfCopies(), 2);
}

QTEST_MAIN(PrintStackTest)
#include "tst_printstack.moc"
