#include "kit/ivendrelinterface.h"
#include "window/vendrelmainwindow.h"

#include <QBuffer>
#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "arrowwrap/arrowwrapcontroller.h"
#include "files/pipefilecontroller.h"
#include "kinds/labelkinds.h"
#include "pipe/vendrelcontroller.h"
#include "window/vendrelhelp.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include "widgets/dataroot.h"

#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "files/genericlabelreader.h"
#include "widgets/dragscrollbutton.h"
#include "widgets/filemenuwidget.h"
#include "widgets/moduleresourceicons.h"
#include "widgets/mvfiledialog.h"
#include "widgets/mvhelpwindow.h"
#include "widgets/mvmessagebox.h"
#include "widgets/navigationbar.h"

#include <csignal>
#include <sys/resource.h>

namespace {
// Writing past the limit fails with "File too large" instead of stopping the
// process; root is bound by it too. The limit is lifted at the end.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved = {};
    void (*m_handler)(int) = nullptr;
};
} // namespace

class VendrelMainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void startingKindShowsItsTitleAndRadio_data();
    void startingKindShowsItsTitleAndRadio();
    void emptyWarningHidesCaptionAndText();
    void switchingAwayAndBackKeepsControllerAndFileName();
    void refusedSaveQuestionKeepsModuleAndItsRadio();
    void arrowWrapUsesTheTurnedView();
    void shortcutsReachSave_data();
    void shortcutsReachSave();
    void windowKeepsItsFixedSize();
    void longFileNameIsElided();
    void printerSelectionSplitsIntoNameAndFlag_data();
    void printerSelectionSplitsIntoNameAndFlag();
    void fileMenuWidthFollowsLongestText_data();
    void fileMenuWidthFollowsLongestText();
    void exportLeavesHiddenItemsOutAndRestoresThem_data();
    void exportLeavesHiddenItemsOutAndRestoresThem();
    void faqLinesSplitAtFirstPlainComma_data();
    void faqLinesSplitAtFirstPlainComma();
    void faqFileIsReadLineByLine_data();
    void faqFileIsReadLineByLine();
    void faqFileFollowsTheLanguage_data();
    void faqFileFollowsTheLanguage();
    void helpOpensOnlyForTheActiveWindow();
    void closeButtonAsksBeforeDroppingChanges_data();
    void closeButtonAsksBeforeDroppingChanges();
    void germanCatalogueTranslatesTheWindow();
    void labelNamedOnTheCommandLineIsOpened_data();
    void labelNamedOnTheCommandLineIsOpened();
    void failedSaveTellsWhy_data();
    void failedSaveTellsWhy();

private:
    static QRadioButton* radio(VendrelMainWindow& window, const char* name)
    {
        return window.findChild<QRadioButton*>(QString::fromLatin1(name));
    }
};

void VendrelMainWindowTest::initTestCase()
{
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
}

void VendrelMainWindowTest::cleanup()
{
    MvMessageBox::setAnswerProvider({});
    MvFileDialog::setAnswerProvider({});
}

void VendrelMainWindowTest::startingKindShowsItsTitleAndRadio_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("radioName");
    QTest::newRow("pipe marker") << 0 << "Pipe Marking"
                                 << "pipeRadioButton";
    QTest::newRow("ammonia") << 1 << "Ammonia Pipe Marking"
                             << "ammoniaRadioButton";
    QTest::newRow("arrow wrap") << 2 << "Arrow Wrap"
                                << "arrowWrapRadioButton";
}

void VendrelMainWindowTest::startingKindShowsItsTitleAndRadio()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, radioName);

    VendrelMainWindow window(QString(), true,
                             static_cast<VendrelMainWindow::VendrelWidgetTypes>(kind), QString());
    auto* moduleButton = window.findChild<QPushButton*>(QStringLiteral("moduleButton"));
    QCOMPARE(moduleButton->text(), title);
    QVERIFY(!moduleButton->icon().isNull());
    QVERIFY(window.findChild<QRadioButton*>(radioName)->isChecked());
    QCOMPARE(static_cast<int>(window.currentKind()), kind);
    QVERIFY(window.activeModule()->getCanvas());
}

void VendrelMainWindowTest::emptyWarningHidesCaptionAndText()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    auto* caption = window.findChild<QLabel*>(QStringLiteral("warningCaption"));
    auto* text = window.findChild<QLabel*>(QStringLiteral("warningText"));
    QVERIFY(caption->isHidden() && text->isHidden());

    window.setWarningText(QStringLiteral("Text height is too small"));
    QVERIFY(!caption->isHidden() && !text->isHidden());
    QCOMPARE(caption->text(), QStringLiteral("WARNING: "));
    QCOMPARE(text->text(), QStringLiteral("Text height is too small"));

    window.setWarningText(QString());
    QVERIFY(caption->isHidden() && text->isHidden());
}

void VendrelMainWindowTest::switchingAwayAndBackKeepsControllerAndFileName()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    auto* fileName = window.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
    IVendrelInterface* pipe = window.activeModule();
    window.updateFileNameSlot(QStringLiteral("pump room.qypm"));

    radio(window, "ammoniaRadioButton")->click();
    QVERIFY(window.activeModule() != pipe);
    QCOMPARE(window.currentKind(), VendrelMainWindow::AmmoniaWidget);
    QCOMPARE(fileName->text(), QStringLiteral("Untitled Label"));
    QVERIFY(pipe->isHidden());

    radio(window, "pipeRadioButton")->click();
    QCOMPARE(window.activeModule(), pipe);
    QCOMPARE(fileName->text(), QStringLiteral("pump room.qypm"));
    QVERIFY(radio(window, "pipeRadioButton")->isChecked());
}

void VendrelMainWindowTest::refusedSaveQuestionKeepsModuleAndItsRadio()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    IVendrelInterface* pipe = window.activeModule();
    pipe->getCanvas()->setCanvasHasChanged(true);
    QStringList asked;
    MvMessageBox::setAnswerProvider(
        [&asked](const QString& title, const QString&, QMessageBox::StandardButtons) {
            asked << title;
            return QMessageBox::Cancel;
        });

    radio(window, "arrowWrapRadioButton")->click();

    QCOMPARE(asked, QStringList{QStringLiteral("CONFIRMATION")});
    QCOMPARE(window.activeModule(), pipe);
    QVERIFY(radio(window, "pipeRadioButton")->isChecked());
    QVERIFY(!radio(window, "arrowWrapRadioButton")->isChecked());
    QVERIFY(pipe->getCanvas()->canvasHasChanged());
    auto* moduleButton = window.findChild<QPushButton*>(QStringLiteral("moduleButton"));
    QCOMPARE(moduleButton->text(), QStringLiteral("Pipe Marking"));
    QVERIFY(!moduleButton->isChecked());
}

void VendrelMainWindowTest::arrowWrapUsesTheTurnedView()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    window.setFixedSize(1024, 540);
    window.show();
    radio(window, "arrowWrapRadioButton")->click();

    auto* pipeView = window.findChild<QGraphicsView*>(QStringLiteral("vendrelView"));
    auto* wrapView = window.findChild<QGraphicsView*>(QStringLiteral("arrowWrapView"));
    QVERIFY(pipeView->isHidden());
    QVERIFY(!wrapView->isHidden());
    QCOMPARE(wrapView->scene(), window.activeModule()->getCanvas());
    const QTransform turned = wrapView->transform();
    // A quarter turn the other way: x runs up the screen. The fit scales both axes alike.
    QVERIFY(qAbs(turned.m11()) < 1e-9 && qAbs(turned.m22()) < 1e-9);
    QVERIFY(turned.m12() < 0 && turned.m21() > 0);
}

void VendrelMainWindowTest::shortcutsReachSave_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("saves");
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << int(Qt::ControlModifier) << true;
    QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                  << true;
    QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << true;
    QTest::newRow("plain S") << int(Qt::Key_S) << int(Qt::NoModifier) << false;
    QTest::newRow("Ctrl+F2") << int(Qt::Key_F2) << int(Qt::ControlModifier) << false;
}

void VendrelMainWindowTest::shortcutsReachSave()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, saves);

    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    QList<MvFileDialog::Request> requests;
    MvFileDialog::setAnswerProvider([&requests](const MvFileDialog::Request& request) {
        requests << request;
        return QString();
    });
    QTest::keyClick(&window, static_cast<Qt::Key>(key),
                    static_cast<Qt::KeyboardModifiers>(modifiers));
    QCOMPARE(requests.size(), saves ? 1 : 0);
    if (saves) {
        QVERIFY(requests.first().save);
        QVERIFY(requests.first().caption.startsWith(QStringLiteral("Save ")));
        QVERIFY(requests.first().filter.endsWith(QStringLiteral("(*.qypm)")));
    }
}

void VendrelMainWindowTest::windowKeepsItsFixedSize()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    QCOMPARE(window.minimumSize(), QSize(1024, 540));
    window.setFixedSize(1024, 540);
    window.resize(1280, 720);
    QCOMPARE(window.size(), QSize(1024, 540));
}

void VendrelMainWindowTest::longFileNameIsElided()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    auto* fileName = window.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
    const QString longName =
        QString(QStringLiteral("compressor-room-north-")).repeated(8) + QStringLiteral(".qypm");
    window.updateFileNameSlot(longName);
    QVERIFY(fileName->text().endsWith(QChar(0x2026)));
    QVERIFY(fileName->text().length() < longName.length());

    window.updateFileNameSlot(QString());
    QCOMPARE(fileName->text(), QStringLiteral("Untitled Label"));
}

void VendrelMainWindowTest::printerSelectionSplitsIntoNameAndFlag_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("flag");
    QTest::newRow("empty") << ""
                           << "" << false;
    QTest::newRow("name only") << "LabelPrinter"
                               << "LabelPrinter" << false;
    QTest::newRow("name and flag 1") << "LabelPrinter,1"
                                     << "LabelPrinter" << true;
    QTest::newRow("name and flag 0") << "LabelPrinter,0"
                                     << "LabelPrinter" << false;
    QTest::newRow("leading comma is part of the name") << ",1"
                                                       << ",1" << false;
    QTest::newRow("first comma splits") << "a,b,1"
                                        << "a" << true;
}

void VendrelMainWindowTest::printerSelectionSplitsIntoNameAndFlag()
{
    QFETCH(QString, selection);
    QFETCH(QString, name);
    QFETCH(bool, flag);
    QString gotName;
    bool gotFlag = !flag;
    VendrelMainWindow::splitPrinterSelection(selection, gotName, gotFlag);
    QCOMPARE(gotName, name);
    QCOMPARE(gotFlag, flag);
}

void VendrelMainWindowTest::fileMenuWidthFollowsLongestText_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("short texts keep the 120 minimum") << 10;
    QTest::newRow("long texts widen the menu") << 30;
}

void VendrelMainWindowTest::fileMenuWidthFollowsLongestText()
{
    QFETCH(int, pixelSize);
    const QFont before = QApplication::font();
    QFont font = before;
    font.setPixelSize(pixelSize);
    QApplication::setFont(font);
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    QApplication::setFont(before);

    const QFontMetrics metrics(font);
    int widest = 0;
    for (const char* text :
         {"New Label", "Load Label", "Save Label", "Save Label As", "Export", "Help", "Info"})
        widest = qMax(widest, metrics.horizontalAdvance(QString::fromLatin1(text)));
    const int w = qMax(120, widest);
    if (pixelSize == 10)
        QCOMPARE(w, 120);
    else
        QVERIFY(w > 120);

    auto* menu = window.findChild<FileMenuWidget*>(QStringLiteral("FileMenuWidget"));
    QVERIFY(menu);
    QCOMPARE(menu->size(), QSize(w + 60, 339));
    QCOMPARE(menu->menuItemCount(), 8);
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->size(), QSize(w + 50, 42));
    const QList<DragScrollButton*> items = menu->findChildren<DragScrollButton*>();
    QCOMPARE(items.size(), 7);
    for (DragScrollButton* item : items) {
        QCOMPARE(item->size(), QSize(w + 50, 42));
        QCOMPARE(item->iconSize(), QSize(40, 40));
        QVERIFY(!item->icon().isNull());
    }
}

void VendrelMainWindowTest::exportLeavesHiddenItemsOutAndRestoresThem_data()
{
    QTest::addColumn<bool>("changedBefore");
    QTest::newRow("unsaved label") << true;
    QTest::newRow("saved label") << false;
}

void VendrelMainWindowTest::exportLeavesHiddenItemsOutAndRestoresThem()
{
    QFETCH(bool, changedBefore);
    QTemporaryDir dir;
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    MvCanvasModel* canvas = window.activeModule()->getCanvas();
    canvas->addGenericItem(MvCanvasModel::SimpleTextType, QString(), true, QPointF(0, 0), 0.0, 0,
                           true);
    auto* shown = static_cast<SimpleTextItem*>(canvas->items(Qt::AscendingOrder).last());
    shown->setPlainText(QStringLiteral("STEAM"));
    shown->setItemId(100);
    canvas->addGenericItem(MvCanvasModel::SimpleTextType, QString(), true, QPointF(0, 0), 0.0, 0,
                           true);
    auto* hidden = static_cast<SimpleTextItem*>(canvas->items(Qt::AscendingOrder).last());
    hidden->setPlainText(QStringLiteral("SECOND ROW"));
    hidden->setItemId(101);
    hidden->setVisible(false);
    canvas->setCanvasHasChanged(changedBefore);

    const QString path = dir.filePath(QStringLiteral("export.qyld"));
    MvFileDialog::setAnswerProvider([&path](const MvFileDialog::Request&) { return path; });
    window.findChild<QPushButton*>(QStringLiteral("exportButton"))->click();

    QCOMPARE(canvas->canvasHasChanged(), changedBefore);
    QVERIFY(canvas->items().contains(hidden));
    QVERIFY(canvas->items().contains(shown));
    QVERIFY(!hidden->isVisible());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    GenericLabelReader reader;
    QScopedPointer<MvCanvasModel> exported(reader.readCanvas(&file));
    QVERIFY2(exported, qPrintable(reader.errorString()));
    QStringList texts;
    for (QGraphicsItem* item : exported->items())
        if (auto* text = dynamic_cast<SimpleTextItem*>(item))
            texts << text->toPlainText();
    QCOMPARE(texts, QStringList{QStringLiteral("STEAM")});
}

void VendrelMainWindowTest::faqLinesSplitAtFirstPlainComma_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << ":/a.png,How do I print?"
                           << ":/a.png"
                           << "How do I print?";
    QTest::newRow("plain comma cuts the text") << ":/a.png,First, then second"
                                               << ":/a.png"
                                               << "First";
    QTest::newRow("quoted comma is shown as a comma") << ":/a.png,\"Save\",\"then print\""
                                                      << ":/a.png"
                                                      << "\"Save,then print\"";
    QTest::newRow("parts after the second ignored") << "i.png,Text,extra"
                                                    << "i.png"
                                                    << "Text";
    QTest::newRow("empty icon") << ",Only text"
                                << ""
                                << "Only text";
}

void VendrelMainWindowTest::faqLinesSplitAtFirstPlainComma()
{
    QFETCH(QString, line);
    QFETCH(QString, icon);
    QFETCH(QString, text);
    const QPair<QString, QString> entry = VendrelHelp::parseFaqLine(line);
    QCOMPARE(entry.first, icon);
    QCOMPARE(entry.second, text);
}

void VendrelMainWindowTest::faqFileIsReadLineByLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<bool>>("icons");
    const QByteArray icon = ":/FileMenu/FileMenuIcons/new.png";
    QTest::newRow("empty file") << QByteArray() << QStringList() << QList<bool>();
    QTest::newRow("lines without a comma are skipped")
        << QByteArray(icon + ",New\nno question here\n\n:/missing.png,Open\n")
        << QStringList{"New", "Open"} << QList<bool>{true, false};
    QTest::newRow("Windows line ends, last line unended")
        << QByteArray(",First\r\n,Second") << QStringList{"First", "Second"}
        << QList<bool>{false, false};
    QTest::newRow("UTF-8 text") << QByteArray(",Gr\xc3\xb6\xc3\x9f"
                                              "e \xe2\x86\x92 Ma\xc3\x9f\n")
                                << QStringList{QStringLiteral("Gr\u00f6\u00dfe \u2192 Ma\u00df")}
                                << QList<bool>{false};
    QTest::newRow("NUL bytes are text")
        << QByteArray(",a\0b\n", 6) << QStringList{QStringLiteral("a\u0000b")}
        << QList<bool>{false};
}

void VendrelMainWindowTest::faqFileIsReadLineByLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, texts);
    QFETCH(QList<bool>, icons);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly | QIODevice::Text));
    const QList<QPair<QIcon, QString>> faqs = VendrelHelp::readFaqs(&buffer);
    QStringList readTexts;
    QList<bool> readIcons;
    for (const auto& faq : faqs) {
        readTexts << faq.second;
        readIcons << !faq.first.isNull();
    }
    QCOMPARE(readTexts, texts);
    QCOMPARE(readIcons, icons);
}

void VendrelMainWindowTest::faqFileFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("German for Germany") << "de_DE"
                                        << "Help/PipeHelp_de.csv";
    QTest::newRow("English") << "en_US"
                             << "Help/PipeHelp_en.csv";
}

void VendrelMainWindowTest::faqFileFollowsTheLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, fileName);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    const QString path = VendrelHelp::faqFilePath();
    QLocale::setDefault(before);
    QVERIFY2(path.endsWith(fileName), qPrintable(path));
}

void VendrelMainWindowTest::helpOpensOnlyForTheActiveWindow()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    const auto helpWindows = [] {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            count += qobject_cast<MvHelpWindow*>(widget) ? 1 : 0;
        return count;
    };
    QTest::keyClick(&window, Qt::Key_F1);
    QCOMPARE(helpWindows(), 0);

    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    bool shownModally = false;
    QTimer::singleShot(0, [&shownModally] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shownModally = qobject_cast<MvHelpWindow*>(modal) != nullptr;
            modal->close();
        }
    });
    QTest::keyClick(&window, Qt::Key_F1, Qt::ShiftModifier);
    QVERIFY(shownModally);
    QCOMPARE(helpWindows(), 1);
    VendrelHelp::clearVendrelFAQs();
}

void VendrelMainWindowTest::closeButtonAsksBeforeDroppingChanges_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("questions");
    QTest::newRow("unchanged label closes at once")
        << false << int(QMessageBox::Cancel) << true << 0;
    QTest::newRow("changes dropped") << true << int(QMessageBox::No) << true << 1;
    QTest::newRow("cancel keeps the window") << true << int(QMessageBox::Cancel) << false << 1;
}

void VendrelMainWindowTest::closeButtonAsksBeforeDroppingChanges()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(int, questions);
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    window.show();
    window.activeModule()->getCanvas()->setCanvasHasChanged(changed);
    int asked = 0;
    MvMessageBox::setAnswerProvider(
        [&asked, answer](const QString&, const QString&, QMessageBox::StandardButtons) {
            ++asked;
            return static_cast<QMessageBox::StandardButton>(answer);
        });
    window.findChild<NavigationBar*>(QStringLiteral("informationBar"))->closeButton()->click();
    QCOMPARE(asked, questions);
    QCOMPARE(window.isVisible(), !closes);
    QCOMPARE(window.activeModule()->isVisible(), !closes);
}

void VendrelMainWindowTest::germanCatalogueTranslatesTheWindow()
{
    QTranslator translator;
    QVERIFY(translator.load(QLocale(QStringLiteral("de_DE")), QStringLiteral("quillory"),
                            QStringLiteral("_"), DataRoot::path() + QStringLiteral("translations"),
                            QString()));
    QCoreApplication::installTranslator(&translator);
    VendrelMainWindow window(QString(), true, VendrelMainWindow::AmmoniaWidget, QString());
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("moduleButton"))->text(),
             QStringLiteral("Ammoniak-Rohrkennzeichnung"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text(),
             QStringLiteral("Unbenanntes Etikett"));
}

void VendrelMainWindowTest::labelNamedOnTheCommandLineIsOpened_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<QString>("told");
    QTest::newRow("sound file") << 0 << false << QString();
    QTest::newRow("damaged file") << 0 << true << "Open Error";
    QTest::newRow("arrow wrap file") << 2 << false << QString();
    QTest::newRow("damaged arrow wrap file") << 2 << true << "Open Error";
}

void VendrelMainWindowTest::labelNamedOnTheCommandLineIsOpened()
{
    QFETCH(int, kind);
    QFETCH(bool, damaged);
    QFETCH(QString, told);
    QTemporaryDir dir;
    const QString path =
        dir.filePath(QStringLiteral("steam.") + QLatin1String(LabelKinds::byKind(kind)->extension));
    {
        const LabelKind& row = *LabelKinds::byKind(kind);
        QScopedPointer<IVendrelInterface> module(row.makeModule(row, nullptr));
        if (auto* pipe = qobject_cast<VendrelController*>(module.data()))
            pipe->pipeTextChangedSlot(QStringLiteral("STEAM"));
        if (auto* wrap = qobject_cast<ArrowWrapController*>(module.data()))
            wrap->arrowCountChangedSlot(3);
        PipeFileController files;
        files.setContentModule(module.data());
        QVERIFY(files.saveTemplateToFile(path));
    }
    if (damaged) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.resize(file.size() - 6);
    }
    QStringList informed;
    MvMessageBox::setAnswerProvider(
        [&informed](const QString& title, const QString&, QMessageBox::StandardButtons) {
            informed << title;
            return QMessageBox::Ok;
        });

    VendrelMainWindow window(QString(), true,
                             static_cast<VendrelMainWindow::VendrelWidgetTypes>(kind), path);

    const bool opened = told.isEmpty();
    QStringList texts;
    int arrows = 0;
    for (QGraphicsItem* item : window.activeModule()->getCanvas()->items()) {
        if (auto* text = dynamic_cast<SimpleTextItem*>(item))
            if (text->isVisible())
                texts << text->toPlainText();
        arrows += kind == 2 && item->isVisible() ? 1 : 0;
    }
    // A refused file leaves the new label the editor started with.
    if (kind == 2)
        QCOMPARE(arrows, opened ? 3 : 2);
    else
        QCOMPARE(texts, opened ? QStringList{QStringLiteral("STEAM")} : QStringList());
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text(),
             opened ? QFileInfo(path).fileName() : QStringLiteral("Untitled Label"));
    QCOMPARE(informed, opened ? QStringList() : QStringList{told});
}

void VendrelMainWindowTest::failedSaveTellsWhy_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("reason");
    QTest::newRow("save over the file-size limit")
        << "saveButton" << QString() << 512 << "File too large";
    QTest::newRow("save as into a folder that is a file")
        << "saveAsButton"
        << "steam.qypm/new.qypm" << 0 << "Not a directory";
    QTest::newRow("save as cancelled") << "saveAsButton"
                                       << "" << 0 << "";
}

void VendrelMainWindowTest::failedSaveTellsWhy()
{
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(int, limit);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("steam.qypm"));
    {
        VendrelController controller;
        controller.pipeTextChangedSlot(QStringLiteral("STEAM"));
        PipeFileController files;
        files.setContentModule(&controller);
        QVERIFY(files.saveTemplateToFile(path));
    }
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();

    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, path);
    window.activeModule()->getCanvas()->setCanvasHasChanged(true);
    QStringList informed;
    MvMessageBox::setAnswerProvider(
        [&informed](const QString& title, const QString& text, QMessageBox::StandardButtons) {
            informed << title + QLatin1Char('|') + text;
            return QMessageBox::Ok;
        });
    const QString chosen = answer.isEmpty() ? QString() : dir.filePath(answer);
    MvFileDialog::setAnswerProvider([&chosen](const MvFileDialog::Request&) { return chosen; });
    {
        std::unique_ptr<FileSizeLimit> bound(limit > 0 ? new FileSizeLimit(limit) : nullptr);
        window.findChild<QPushButton*>(button)->click();
    }

    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), before);
    QVERIFY(window.activeModule()->getCanvas()->canvasHasChanged());
    QCOMPARE(informed.size(), reason.isEmpty() ? 0 : 1);
    if (!reason.isEmpty()) {
        QVERIFY2(informed.first().startsWith(QStringLiteral("Save Error|")),
                 qPrintable(informed.first()));
        QVERIFY2(informed.first().contains(reason), qPrintable(informed.first()));
    }
}

QTEST_MAIN(VendrelMainWindowTest)
#include "tst_vendrelmainwindow.moc"
