#include "textfitwalk.h"

#include "window/vendrelmainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <memory>

#include "widgets/commonlists.h"
#include "widgets/dataroot.h"
#include "widgets/moduleresourceicons.h"

// Every text a user can meet on the screens of the editor must fit its widget in
// every language the editor ships: a German word is often half as long again as
// the English one, and a clipped label reads as a different word.
class TextFitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyTextFitsItsWidget_data();
    void everyTextFitsItsWidget();

private:
    // What the launcher sets before the window exists.
    void startIn(const QString& language);
    static QStringList clippedOnTopLevels(const QString& screen);
    static QStringList clippedInNextDialog(const QString& screen, QPushButton* opener);

    std::unique_ptr<QTranslator> m_translator;
};

void TextFitTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
    CommonLists::createValidFontFamilies();
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("_Vad Ivar"));
    font.setPixelSize(16);
    QApplication::setFont(font);
}

void TextFitTest::cleanup()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
}

void TextFitTest::startIn(const QString& language)
{
    QLocale::setDefault(QLocale(language));
    m_translator = std::make_unique<QTranslator>();
    if (m_translator->load(QLocale(language), QStringLiteral("quillory"), QStringLiteral("_"),
                           DataRoot::path() + QStringLiteral("translations"), QString()))
        QCoreApplication::installTranslator(m_translator.get());
    else
        QVERIFY2(language == QLatin1String("en_US"), "the catalogue is missing");
}

QStringList TextFitTest::clippedOnTopLevels(const QString& screen)
{
    QStringList clipped;
    const QList<QWidget*> tops = QApplication::topLevelWidgets();
    for (QWidget* top : tops)
        if (top->isVisible())
            for (const QString& text : TextFitWalk::clippedTexts(top))
                clipped << screen + QStringLiteral(": ") + text;
    return clipped;
}

QStringList TextFitTest::clippedInNextDialog(const QString& screen, QPushButton* opener)
{
    QStringList clipped;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            seen = true;
            clipped = clippedOnTopLevels(screen);
            dialog->close();
        }
    });
    opener->click();
    if (!seen)
        clipped << screen + QStringLiteral(": did not open");
    return clipped;
}

void TextFitTest::everyTextFitsItsWidget_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("kind");
    for (const char* language : {"en_US", "de_DE"})
        for (int kind = 0; kind < 3; ++kind)
            QTest::addRow("%s, kind %d", language, kind) << QString::fromLatin1(language) << kind;
}

void TextFitTest::everyTextFitsItsWidget()
{
    QFETCH(QString, language);
    QFETCH(int, kind);
    startIn(language);

    VendrelMainWindow window(QString(), true,
                             static_cast<VendrelMainWindow::VendrelWidgetTypes>(kind), QString());
    window.setFixedSize(1024, 540);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QStringList clipped = clippedOnTopLevels(QStringLiteral("window"));

    auto* moduleButton = window.findChild<QPushButton*>(QStringLiteral("moduleButton"));
    QVERIFY(moduleButton);
    moduleButton->click();
    clipped << clippedOnTopLevels(QStringLiteral("module selector"));
    moduleButton->click();

    // The file menu, then the two dialogs it opens.
    const QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
    QPushButton* fileMenuButton = nullptr;
    for (QPushButton* button : buttons)
        if (button->objectName() == QLatin1String("fileMenuButton"))
            fileMenuButton = button;
    QVERIFY(fileMenuButton);
    fileMenuButton->click();
    clipped << clippedOnTopLevels(QStringLiteral("file menu"));
    QWidget* fileMenu = nullptr;
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->objectName() == QLatin1String("FileMenuWidget"))
            fileMenu = widget;
    QVERIFY(fileMenu);
    const QList<QPushButton*> items = fileMenu->findChildren<QPushButton*>();
    QVERIFY(items.size() >= 7);
    clipped << clippedInNextDialog(QStringLiteral("help"), items.at(5));
    fileMenuButton->click();
    clipped << clippedInNextDialog(QStringLiteral("about"), items.at(6));

    // The print panel, slid in over the module.
    auto* printButton = window.findChild<QPushButton*>(QStringLiteral("printButton"));
    QVERIFY(printButton);
    if (printButton->isEnabled()) {
        printButton->click();
        QTest::qWait(400); // it slides in
        clipped << clippedOnTopLevels(QStringLiteral("print panel"));
        printButton->click();
        QTest::qWait(400);
    }

    // Then every button of the module's panel, and what it opens: the pop-up
    // frames, the list editors, the questions.
    auto* panel = window.findChild<QWidget*>(QStringLiteral("containerFrame"));
    QVERIFY(panel);
    const QList<QAbstractButton*> panelButtons = panel->findChildren<QAbstractButton*>();
    for (const QPointer<QAbstractButton> button : panelButtons) {
        if (!button || !button->isVisible() || !button->isEnabled())
            continue;
        const QString screen =
            QStringLiteral("after %1 \"%2\"").arg(button->objectName(), button->text());
        QTimer::singleShot(0, [&clipped, screen] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                clipped << clippedOnTopLevels(screen);
                dialog->close();
            }
        });
        button->click();
        QCoreApplication::processEvents();
        clipped << clippedOnTopLevels(screen);
    }

    clipped.removeDuplicates();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TextFitTest)
#include "tst_textfit.moc"
