#include "ivendrelinterface.h"
#include "vendrelmainwindow.h"

#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <moduleresourceicons.h>
#include <mvcanvasmodel.h>
#include <mvfiledialog.h>
#include <mvmessagebox.h>

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
    QTest::newRow("pipe marker") << 0 << "Pipe Marking" << "pipeRadioButton";
    QTest::newRow("ammonia") << 1 << "Ammonia Pipe Marking" << "ammoniaRadioButton";
    QTest::newRow("arrow wrap") << 2 << "Arrow Wrap" << "arrowWrapRadioButton";
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
    const QString longName = QString(QStringLiteral("compressor-room-north-")).repeated(8) +
                             QStringLiteral(".qypm");
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
    QTest::newRow("empty") << "" << "" << false;
    QTest::newRow("name only") << "LabelPrinter" << "LabelPrinter" << false;
    QTest::newRow("name and flag 1") << "LabelPrinter,1" << "LabelPrinter" << true;
    QTest::newRow("name and flag 0") << "LabelPrinter,0" << "LabelPrinter" << false;
    QTest::newRow("leading comma is part of the name") << ",1" << ",1" << false;
    QTest::newRow("first comma splits") << "a,b,1" << "a" << true;
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

QTEST_MAIN(VendrelMainWindowTest)
#include "tst_vendrelmainwindow.moc"
