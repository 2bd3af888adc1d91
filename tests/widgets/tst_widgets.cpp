#include "widgets/applicationfont.h"
#include "widgets/clickablelabel.h"
#include "widgets/colorlistcombo.h"
#include "widgets/commonlists.h"
#include "widgets/dataroot.h"
#include "widgets/dragscrollbutton.h"
#include "widgets/dragscrolllistview.h"
#include "widgets/filemenuwidget.h"
#include "widgets/moduleresourceicons.h"
#include "widgets/mvfiledialog.h"
#include "widgets/mvframe.h"
#include "widgets/mvhelpwindow.h"
#include "widgets/mvinfowidget.h"
#include "widgets/mvlineedit.h"
#include "widgets/mvmessagebox.h"
#include "widgets/navigationbar.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

Q_DECLARE_METATYPE(QMessageBox::StandardButton)
Q_DECLARE_METATYPE(QMessageBox::StandardButtons)
Q_DECLARE_METATYPE(QFileDialog::Options)

namespace {

// Runs `action` on the first modal dialog of type T that opens, from inside
// its event loop; gives up (and fails the wait) after a bound.
template <typename T> void whenModalOpens(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    auto* tries = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action]() {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            delete tries;
            action(dialog);
            // Never let a dialog that the action failed to close hang the run.
            QTimer::singleShot(5000, dialog, [dialog]() { dialog->reject(); });
        } else if (++*tries > 200) {
            timer->stop();
            timer->deleteLater();
            delete tries;
        }
    });
    timer->start(20);
}

// Sends a mouse event at a screen position, as a finger would produce it:
// the widget may scroll away under a finger that stays put.
void sendMouseAt(QWidget* widget, QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, widget->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons)
{
    sendMouseAt(widget, type, widget->mapToGlobal(pos), buttons);
}

// Presses at `from` (widget coordinates), moves the finger by `by` in steps
// and lifts it there.
void dragOrTap(QWidget* widget, const QPoint& from, const QPoint& by)
{
    const QPoint start = widget->mapToGlobal(from);
    sendMouseAt(widget, QEvent::MouseButtonPress, start, Qt::LeftButton);
    if (!by.isNull()) {
        for (int step = 1; step <= 4; ++step)
            sendMouseAt(widget, QEvent::MouseMove, start + by * step / 4, Qt::LeftButton);
    }
    sendMouseAt(widget, QEvent::MouseButtonRelease, start + by, Qt::NoButton);
}

bool hasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void messageBoxReturnsProviderAnswerWithoutShowing_data();
    void messageBoxReturnsProviderAnswerWithoutShowing();
    void messageBoxWithoutProviderRunsRealBox_data();
    void messageBoxWithoutProviderRunsRealBox();
    void fileDialogHandsRequestToProvider_data();
    void fileDialogHandsRequestToProvider();
    void fileDialogWithoutProviderRunsRealDialog_data();
    void fileDialogWithoutProviderRunsRealDialog();

    void framesReportFocusLoss_data();
    void framesReportFocusLoss();
    void fileMenuStacksItemsWithoutSpacing();
    void navigationBarAreasAndCloseButton();

    void colorComboSelectsAndReportsIndex_data();
    void colorComboSelectsAndReportsIndex();
    void colorComboFallsBackOnUnusableColours();

    void suiteFontResolvesToInstalledFamily();
    void sharedIconsLoadAtTheirSize_data();
    void sharedIconsLoadAtTheirSize();

    void fitButtonTextMakesTextFit_data();
    void fitButtonTextMakesTextFit();
    void dragOnButtonScrollsInsteadOfClicking_data();
    void dragOnButtonScrollsInsteadOfClicking();
    void dragOnListScrollsInsteadOfClicking_data();
    void dragOnListScrollsInsteadOfClicking();
    void clickableLabelClicksOnlyOnReleaseInside_data();
    void clickableLabelClicksOnlyOnReleaseInside();
    void invalidLineEditShowsRedText();

    void helpWindowShowsFaqsAndListsManuals_data();
    void helpWindowShowsFaqsAndListsManuals();
    void helpWindowReplacesManualList();
    void infoWidgetShowsVersion();

    void svgToPngRendersCentredOrFails_data();
    void svgToPngRendersCentredOrFails();

    void dataRootIsFoundAsAUserExpects_data();
    void dataRootIsFoundAsAUserExpects();
    void dataRootOfTheBuildServesWithoutTheVariable();
};

void TestWidgets::init()
{
    MvMessageBox::setAnswerProvider({});
    MvFileDialog::setAnswerProvider({});
}

void TestWidgets::cleanup()
{
    init();
}

// ---- dialogs -----------------------------------------------------------------

void TestWidgets::messageBoxReturnsProviderAnswerWithoutShowing_data()
{
    QTest::addColumn<bool>("question");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("question cancelled")
        << true
        << QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
        << QMessageBox::Cancel;
    QTest::newRow("question yes") << true
                                  << QMessageBox::StandardButtons(QMessageBox::Yes |
                                                                  QMessageBox::No)
                                  << QMessageBox::Yes;
    QTest::newRow("information ok")
        << false << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok;
}

void TestWidgets::messageBoxReturnsProviderAnswerWithoutShowing()
{
    QFETCH(bool, question);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, answer);
    QStringList seen;
    QMessageBox::StandardButtons seenButtons;
    MvMessageBox::setAnswerProvider(
        [&](const QString& title, const QString& text, QMessageBox::StandardButtons offered) {
            seen << title << text;
            seenButtons = offered;
            // A real box would be modal by now.
            return QApplication::activeModalWidget() ? QMessageBox::NoButton : answer;
        });
    const auto result = question
                            ? MvMessageBox::question(nullptr, "CONFIRMATION", "Save?", buttons)
                            : MvMessageBox::information(nullptr, "Save Error", "Bad name", buttons);
    QCOMPARE(result, answer);
    QCOMPARE(seen, question ? QStringList({"CONFIRMATION", "Save?"})
                            : QStringList({"Save Error", "Bad name"}));
    QCOMPARE(seenButtons, buttons);
}

void TestWidgets::messageBoxWithoutProviderRunsRealBox_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("press");
    QTest::addColumn<QMessageBox::StandardButton>("expected");
    QTest::newRow("no") << QMessageBox::No << QMessageBox::No;
    QTest::newRow("cancel") << QMessageBox::Cancel << QMessageBox::Cancel;
    // Escape gives the box's escape button.
    QTest::newRow("escape") << QMessageBox::NoButton << QMessageBox::Cancel;
}

void TestWidgets::messageBoxWithoutProviderRunsRealBox()
{
    QFETCH(QMessageBox::StandardButton, press);
    QFETCH(QMessageBox::StandardButton, expected);
    // A provider that was installed and then cleared must not answer any more.
    MvMessageBox::setAnswerProvider([](const QString&, const QString&,
                                       QMessageBox::StandardButtons) { return QMessageBox::Yes; });
    MvMessageBox::setAnswerProvider({});
    QString shownText;
    whenModalOpens<QMessageBox>([&](QMessageBox* box) {
        shownText = box->text();
        if (press == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(press)->click();
    });
    const auto result = MvMessageBox::question(
        nullptr, "CONFIRMATION", "Path <b>a</b>",
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    QCOMPARE(result, expected);
    QCOMPARE(shownText, QString("Path <b>a</b>"));
}

void TestWidgets::fileDialogHandsRequestToProvider_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QFileDialog::Options>("options");
    QTest::addColumn<QString>("answer");
    QTest::newRow("save") << true << QFileDialog::Options(QFileDialog::DontConfirmOverwrite)
                          << "/tmp/a.qypm";
    QTest::newRow("open") << false << QFileDialog::Options(QFileDialog::DontUseNativeDialog)
                          << "/tmp/b.qypm";
    QTest::newRow("open cancelled") << false << QFileDialog::Options() << QString();
}

void TestWidgets::fileDialogHandsRequestToProvider()
{
    QFETCH(bool, save);
    QFETCH(QFileDialog::Options, options);
    QFETCH(QString, answer);
    MvFileDialog::Request seen{!save, {}, {}, {}, {}};
    MvFileDialog::setAnswerProvider([&](const MvFileDialog::Request& request) {
        seen = request;
        return QApplication::activeModalWidget() ? QString("shown") : answer;
    });
    QString selected = "kept";
    const QString filter = "Pipe Marking File (*.qypm)";
    const QString result = save ? MvFileDialog::getSaveFileName(nullptr, "Save ", "/labels", filter,
                                                                &selected, options)
                                : MvFileDialog::getOpenFileName(nullptr, "Open ", "/labels", filter,
                                                                &selected, options);
    QCOMPARE(result, answer);
    QCOMPARE(seen.save, save);
    QCOMPARE(seen.caption, QString(save ? "Save " : "Open "));
    QCOMPARE(seen.dir, QString("/labels"));
    QCOMPARE(seen.filter, filter);
    QCOMPARE(seen.options, options);
    QCOMPARE(selected, QString("kept"));
}

void TestWidgets::fileDialogWithoutProviderRunsRealDialog_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("accept");
    QTest::newRow("save accepted") << true << true;
    QTest::newRow("save cancelled") << true << false;
    QTest::newRow("open accepted") << false << true;
    QTest::newRow("open cancelled") << false << false;
}

void TestWidgets::fileDialogWithoutProviderRunsRealDialog()
{
    QFETCH(bool, save);
    QFETCH(bool, accept);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("label.qypm");
    if (!save) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    MvFileDialog::setAnswerProvider([](const MvFileDialog::Request&) { return QString("x"); });
    MvFileDialog::setAnswerProvider({});
    QFileDialog::Options shownOptions;
    QSize shownSize;
    whenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
        shownOptions = dialog->options();
        shownSize = dialog->size();
        if (accept) {
            // Typed, as a user would; a selection in the list depends on the
            // folder having been read in the background.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            name->setText(QFileInfo(path).fileName());
            QMetaObject::invokeMethod(dialog, "accept");
        } else {
            dialog->reject();
        }
    });
    QString selected = "Pipe Marking File (*.qypm)";
    const QString filter = "Other (*.txt);;Pipe Marking File (*.qypm)";
    const QString result =
        save ? MvFileDialog::getSaveFileName(nullptr, "Save ", dir.path(), filter, &selected,
                                             QFileDialog::DontConfirmOverwrite)
             : MvFileDialog::getOpenFileName(nullptr, "Open ", dir.path(), filter, &selected);
    QCOMPARE(result, accept ? path : QString());
    QVERIFY(shownOptions.testFlag(QFileDialog::DontUseNativeDialog));
    QCOMPARE(shownOptions.testFlag(QFileDialog::DontConfirmOverwrite), save);
    QVERIFY(shownSize.width() <= 1024 && shownSize.height() <= 540);
    QCOMPARE(selected, QString("Pipe Marking File (*.qypm)"));
}

// ---- frames and bars ---------------------------------------------------------

void TestWidgets::framesReportFocusLoss_data()
{
    QTest::addColumn<bool>("fileMenu");
    QTest::newRow("frame") << false;
    QTest::newRow("file menu") << true;
}

void TestWidgets::framesReportFocusLoss()
{
    QFETCH(bool, fileMenu);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    MvFrame* frame = fileMenu ? new FileMenuWidget : new MvFrame;
    auto* elsewhere = new QLineEdit;
    layout->addWidget(frame);
    layout->addWidget(elsewhere);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QSignalSpy lost(frame, &MvFrame::focusLost);
    frame->setFocus();
    QTRY_VERIFY(frame->hasFocus());
    QCOMPARE(lost.count(), 0);
    elsewhere->setFocus();
    QTRY_COMPARE(lost.count(), 1);
    // A click on the frame takes the focus back, so the owner can keep it open.
    QCOMPARE(frame->focusPolicy(), Qt::ClickFocus);
}

void TestWidgets::fileMenuStacksItemsWithoutSpacing()
{
    FileMenuWidget menu;
    menu.setFixedSize(180, 339);
    QList<QPushButton*> items;
    for (int i = 0; i < 3; ++i) {
        items << new QPushButton(QString("Item %1").arg(i));
        items.last()->setFixedSize(170, 42);
        menu.addMenuItem(items.last());
    }
    menu.addMenuItem(nullptr);
    menu.show();
    QCoreApplication::processEvents();
    QCOMPARE(menu.menuItemCount(), 3);
    for (int i = 1; i < items.size(); ++i)
        QCOMPARE(items[i]->geometry().top(), items[i - 1]->geometry().bottom() + 1);
    QVERIFY(items.first()->geometry().top() <= 1);
}

void TestWidgets::navigationBarAreasAndCloseButton()
{
    NavigationBar bar;
    bar.setFixedSize(1024, 54);
    QCOMPARE(bar.closeButton(), nullptr);
    auto* addon = new QHBoxLayout;
    auto* menuButton = new QPushButton("menu");
    menuButton->setFixedWidth(59);
    addon->addWidget(menuButton);
    auto* navigation = new QHBoxLayout;
    auto* warning = new QLabel("warning");
    navigation->addWidget(warning);
    bar.installNavigationReplacement(navigation);
    bar.installAddon(addon);
    bar.addCloseButton();
    QPushButton* close = bar.closeButton();
    QVERIFY(close);
    bar.addCloseButton();
    QCOMPARE(bar.closeButton(), close);
    QCOMPARE(bar.findChildren<QPushButton*>().size(), 2);
    bar.show();
    QCoreApplication::processEvents();

    const auto left = [&](QWidget* w) { return w->mapTo(&bar, QPoint(0, 0)).x(); };
    QVERIFY(left(menuButton) < left(warning));
    QVERIFY(left(warning) + warning->width() <= left(close));
    QCOMPARE(left(close) + close->width(), bar.width());
    // The navigation area takes what the add-on area and the close button
    // leave over.
    QVERIFY(warning->width() > 800);
    QVERIFY(!close->icon().isNull());

    QSignalSpy closed(&bar, &NavigationBar::closeSignal);
    QTest::mouseClick(close, Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
}

// ---- colour combo ------------------------------------------------------------

void TestWidgets::colorComboSelectsAndReportsIndex_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("expectedIndex");
    QTest::addColumn<int>("reports");
    QTest::newRow("another entry") << 0 << 3 << 3 << 1;
    QTest::newRow("last entry") << 0 << 9 << 9 << 1;
    QTest::newRow("same entry") << 4 << 4 << 4 << 0;
    QTest::newRow("past the end ignored") << 2 << 10 << 2 << 0;
    QTest::newRow("negative ignored") << 2 << -1 << 2 << 0;
}

void TestWidgets::colorComboSelectsAndReportsIndex()
{
    QFETCH(int, start);
    QFETCH(int, chosen);
    QFETCH(int, expectedIndex);
    QFETCH(int, reports);
    const QList<QString> names{"RED",    "ORANGE", "YELLOW", "GREEN", "BLUE",
                               "PURPLE", "BROWN",  "GRAY",   "BLACK", "WHITE"};
    const QList<QString> backgrounds{"#dc0b0b", "#f28000", "#fedb00", "#248d4f", "#0018a8",
                                     "#7238ab", "#473333", "#a0a0a0", "#000000", "#ffffff"};
    const QList<QString> foregrounds{"#ffffff", "#000000", "#000000", "#ffffff", "#ffffff",
                                     "#ffffff", "#ffffff", "#ffffff", "#ffffff", "#000000"};
    ColorListCombo combo(names, backgrounds, foregrounds);
    QCOMPARE(combo.count(), 10);
    combo.setColorIndex(start);
    QSignalSpy changed(&combo, QOverload<int>::of(&QComboBox::currentIndexChanged));
    combo.setColorIndex(chosen);
    QCOMPARE(combo.currentIndex(), expectedIndex);
    QCOMPARE(changed.count(), reports);
    if (reports)
        QCOMPARE(changed.first().first().toInt(), expectedIndex);
    QCOMPARE(combo.itemText(expectedIndex), names[expectedIndex]);
    QCOMPARE(combo.itemData(expectedIndex, Qt::BackgroundRole).value<QColor>(),
             QColor(backgrounds[expectedIndex]));
    QCOMPARE(combo.itemData(expectedIndex, Qt::ForegroundRole).value<QColor>(),
             QColor(foregrounds[expectedIndex]));

    // The closed box shows the chosen swatch: its background colour fills
    // the field.
    combo.resize(200, 40);
    const QImage shot = combo.grab().toImage();
    QCOMPARE(QColor(shot.pixel(10, shot.height() / 2)), QColor(backgrounds[expectedIndex]));
}

void TestWidgets::colorComboFallsBackOnUnusableColours()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no usable background"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no usable foreground"));
    ColorListCombo combo({"RED", "ODD"}, {"#dc0b0b", "not a colour"}, {"#ffffff"});
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemData(1, Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    QCOMPARE(combo.itemData(1, Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
}

// ---- fonts and icons ---------------------------------------------------------

void TestWidgets::suiteFontResolvesToInstalledFamily()
{
    const QStringList families = CommonLists::createValidFontFamilies();
    QVERIFY(families.size() >= 2);
    QCOMPARE(families.first(), QString("_Vad Ivar"));
    QCOMPARE(QStringList(families).removeDuplicates(), 0);
    const QStringList installed = QFontDatabase().families();
    for (const QString& family : families.mid(1))
        QVERIFY2(installed.contains(family), qPrintable(family));

    const QString substitute = CommonLists::ensureSuiteFontSubstitution();
    QVERIFY(installed.contains(substitute));
    for (const QFont& font : {QFont("_Vad Ivar"), ApplicationFont::getWidgetFont(true),
                              ApplicationFont::getWidgetFontTiny(false)})
        QCOMPARE(QFontInfo(font).family(), substitute);
    QCOMPARE(QFontInfo(ApplicationFont::getWidgetFont(true)).pixelSize(), 16);
    QVERIFY(QFontInfo(ApplicationFont::getWidgetFont(true)).bold());
    QCOMPARE(QFontInfo(ApplicationFont::getWidgetFontTiny(false)).pixelSize(), 12);
}

void TestWidgets::sharedIconsLoadAtTheirSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("file menu") << ":/Navigation/NavigationIcons/file_menu.png" << QSize(59, 57);
    QTest::newRow("file menu pressed")
        << ":/NavBarPressed/navbar-pressed/file_menu_pressed.png" << QSize(59, 57);
    QTest::newRow("close") << ":/Navigation/NavigationIcons/close.png" << QSize(54, 54);
    for (const char* name :
         {"edit-arrow-up", "edit-arrow-down", "edit-arrow-left", "edit-arrow-right",
          "combobox-down-arrow", "combobox-down-arrow-disabled", "radio-button_checked",
          "radio-button_unchecked", "radio-button_checked-disabled",
          "radio-button_unchecked-disabled"})
        QTest::newRow(name) << QString(":/module_icons/ModuleIcons/%1.png").arg(name)
                            << QSize(24, 24);
    for (const char* name : {"new", "load", "save", "save-as", "export", "help", "info"})
        QTest::newRow(name) << QString(":/FileMenu/FileMenuIcons/%1.png").arg(name)
                            << QSize(40, 40);
}

void TestWidgets::sharedIconsLoadAtTheirSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    qInitResources_module_resource_icons();
    const QPixmap pixmap(path);
    QVERIFY2(!pixmap.isNull(), qPrintable(path));
    QCOMPARE(pixmap.size(), size);
    QVERIFY2(hasInk(pixmap.toImage()), "the icon is blank");
}

// ---- touch behaviour ---------------------------------------------------------

void TestWidgets::fitButtonTextMakesTextFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<int>("minPointSize");
    QTest::addColumn<bool>("expectElided");
    QTest::newRow("short text untouched") << "New" << 170 << true << 10 << false;
    QTest::newRow("shrinks to fit") << "Save Label As Template" << 200 << false << 6 << false;
    QTest::newRow("shrinks beside icon")
        << "Enregistrer l'étiquette sous" << 220 << true << 6 << false;
    QTest::newRow("elides at minimum")
        << "Displays frequently asked questions about the program" << 170 << true << 10 << true;
}

void TestWidgets::fitButtonTextMakesTextFit()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(bool, withIcon);
    QFETCH(int, minPointSize);
    QFETCH(bool, expectElided);
    QPushButton button(text);
    QFont font = ApplicationFont::getWidgetFont(false);
    font.setPointSize(14);
    button.setFont(font);
    if (withIcon) {
        qInitResources_module_resource_icons();
        button.setIcon(QIcon(":/FileMenu/FileMenuIcons/new.png"));
        button.setIconSize(QSize(40, 40));
    }
    button.setFixedSize(width, 42);
    const int before = QFontMetrics(button.font()).horizontalAdvance(text);
    const int available = width - (withIcon ? 44 : 0);
    if (text != "New")
        QVERIFY2(before > available, "the row does not exercise fitting");

    DragScrollButton::fitButtonText(&button, minPointSize, 0);

    QVERIFY2(QFontMetrics(button.font()).horizontalAdvance(button.text()) <= available,
             qPrintable(button.text()));
    QVERIFY(button.font().pointSizeF() >= minPointSize);
    QCOMPARE(button.text() != text, expectElided);
    QCOMPARE(button.toolTip(), expectElided ? text : QString());
    if (before <= available - 20)
        QCOMPARE(button.font().pointSize(), 14);
}

void TestWidgets::dragOnButtonScrollsInsteadOfClicking_data()
{
    QTest::addColumn<QPoint>("move");
    QTest::addColumn<bool>("clicked");
    QTest::addColumn<bool>("scrolled");
    QTest::newRow("tap") << QPoint(0, 0) << true << false;
    QTest::newRow("tiny wobble") << QPoint(0, 2) << true << false;
    QTest::newRow("drag up") << QPoint(0, -60) << false << true;
}

void TestWidgets::dragOnButtonScrollsInsteadOfClicking()
{
    QFETCH(QPoint, move);
    QFETCH(bool, clicked);
    QFETCH(bool, scrolled);
    QScrollArea area;
    area.resize(200, 150);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    QList<DragScrollButton*> buttons;
    for (int i = 0; i < 10; ++i) {
        buttons << new DragScrollButton(QIcon(), QString("Entry %1").arg(i));
        buttons.last()->setFixedHeight(42);
        layout->addWidget(buttons.last());
    }
    area.setWidget(content);
    area.show();
    QCoreApplication::processEvents();
    QCOMPARE(area.verticalScrollBar()->value(), 0);

    QSignalSpy clicks(buttons[1], &QPushButton::clicked);
    const QPoint start = buttons[1]->rect().center();
    dragOrTap(buttons[1], start, move);
    QCOMPARE(clicks.count(), clicked ? 1 : 0);
    QCOMPARE(area.verticalScrollBar()->value() > 0, scrolled);
    if (scrolled)
        QCOMPARE(area.verticalScrollBar()->value(), -move.y());
    QVERIFY(!buttons[1]->isDown());
}

void TestWidgets::dragOnListScrollsInsteadOfClicking_data()
{
    dragOnButtonScrollsInsteadOfClicking_data();
}

void TestWidgets::dragOnListScrollsInsteadOfClicking()
{
    QFETCH(QPoint, move);
    QFETCH(bool, clicked);
    QFETCH(bool, scrolled);
    QStandardItemModel model;
    for (int i = 0; i < 50; ++i)
        model.appendRow(new QStandardItem(QString("Symbol %1").arg(i)));
    DragScrollListView view;
    view.setModel(&model);
    view.resize(200, 150);
    view.show();
    QCoreApplication::processEvents();

    QSignalSpy clicks(&view, &QAbstractItemView::clicked);
    const QRect second = view.visualRect(model.index(1, 0));
    dragOrTap(view.viewport(), second.center(), move);
    QCOMPARE(clicks.count(), clicked ? 1 : 0);
    if (clicked)
        QCOMPARE(clicks.first().first().toModelIndex().row(), 1);
    QCOMPARE(view.verticalScrollBar()->value() > 0, scrolled);
    QVERIFY(!view.isDragScrolling());
}

void TestWidgets::clickableLabelClicksOnlyOnReleaseInside_data()
{
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("clicks");
    QTest::newRow("inside") << QPoint(30, 10) << 1;
    QTest::newRow("moved off") << QPoint(300, 10) << 0;
}

void TestWidgets::clickableLabelClicksOnlyOnReleaseInside()
{
    QFETCH(QPoint, release);
    QFETCH(int, clicks);
    ClickableLabel label;
    label.setText("Caption");
    label.resize(100, 30);
    QSignalSpy spy(&label, &ClickableLabel::clicked);
    sendMouse(&label, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
    sendMouse(&label, QEvent::MouseButtonRelease, release, Qt::NoButton);
    QCOMPARE(spy.count(), clicks);
}

void TestWidgets::invalidLineEditShowsRedText()
{
    MvLineEdit edit;
    QVERIFY(edit.minimumHeight() >= 35);
    edit.setText("WWWW");
    edit.resize(120, 35);
    const auto redPixels = [&]() {
        const QImage shot = edit.grab().toImage();
        int count = 0;
        // Inside the border only: the text itself must turn red.
        for (int y = 3; y < shot.height() - 3; ++y)
            for (int x = 3; x < shot.width() - 3; ++x) {
                const QColor c(shot.pixel(x, y));
                count += c.red() > 180 && c.green() < 80 && c.blue() < 80;
            }
        return count;
    };
    QCOMPARE(redPixels(), 0);
    edit.setInvalid(true);
    QVERIFY(edit.isInvalid());
    QVERIFY(redPixels() > 20);
    // Placing the field in a styled panel re-polishes it; it stays red.
    QWidget panel;
    panel.setStyleSheet("background-color: #F2F2F2;");
    edit.setParent(&panel);
    QVERIFY(redPixels() > 20);
    edit.setInvalid(false);
    QVERIFY(!edit.isInvalid());
    QCOMPARE(redPixels(), 0);
    edit.setParent(nullptr);
}

// ---- help and information ----------------------------------------------------

void TestWidgets::helpWindowShowsFaqsAndListsManuals_data()
{
    QTest::addColumn<int>("faqs");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("manuals");
    QTest::newRow("nothing") << 0 << QStringList() << QStringList();
    QTest::newRow("only other files") << 1 << QStringList{"notes.txt"} << QStringList();
    QTest::newRow("manuals sorted, any case")
        << 5 << QStringList{"Setup.PDF", "operating guide.pdf", "readme.txt", "folder.pdf/"}
        << QStringList{"operating guide", "Setup"};
}

void TestWidgets::helpWindowShowsFaqsAndListsManuals()
{
    QFETCH(int, faqs);
    QFETCH(QStringList, files);
    QFETCH(QStringList, manuals);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    qputenv("MORVANTIC_DATA_ROOT", root.path().toLocal8Bit());
    QDir(root.path()).mkpath("Manuals/PipeManuals");
    for (const QString& name : files) {
        const QString path = root.filePath("Manuals/PipeManuals/" + name);
        if (name.endsWith('/')) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    MvHelpWindow help;
    QList<QPair<QIcon, QString>> pairs;
    for (int i = 0; i < faqs; ++i)
        pairs.append({QIcon(), QString("Question %1, with an answer long enough to wrap "
                                       "over more than one line of the help window.")
                                   .arg(i)});
    help.insertHelpFAQs(pairs);
    help.populatePDF("PipeManuals");
    QCOMPARE(help.faqCount(), faqs);
    QCOMPARE(help.manualNames(), manuals);

    bool noneShown = false;
    for (QLabel* label : help.findChildren<QLabel*>())
        noneShown = noneShown || label->text() == "No manuals available.";
    QCOMPARE(noneShown, manuals.isEmpty());
    QVERIFY(help.width() <= 1024 && help.height() <= 540);
}

void TestWidgets::helpWindowReplacesManualList()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    qputenv("MORVANTIC_DATA_ROOT", root.path().toLocal8Bit());
    QDir(root.path()).mkpath("Manuals/A");
    QFile file(root.filePath("Manuals/A/guide.pdf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    MvHelpWindow help;
    help.populatePDF("A");
    help.populatePDF("A");
    QCOMPARE(help.manualNames(), QStringList{"guide"});
    QCOMPARE(help.findChildren<DragScrollButton*>().size(), 1);
    help.populatePDF("missing");
    QCOMPARE(help.manualNames(), QStringList());
    QCOMPARE(help.findChildren<DragScrollButton*>().size(), 0);
}

void TestWidgets::infoWidgetShowsVersion()
{
    MvInfoWidget info(QString("Pipe Marking"));
    info.setVersionNumber("3.0.5.5");
    QCOMPARE(info.versionNumber(), QString("3.0.5.5"));
    QStringList texts;
    for (QLabel* label : info.findChildren<QLabel*>())
        texts << label->text();
    QVERIFY(texts.contains("Pipe Marking"));
    QVERIFY(texts.filter("3.0.5.5").size() == 1);
    QVERIFY(!info.findChildren<QPushButton*>().isEmpty());
}

// ---- build tool --------------------------------------------------------------

void TestWidgets::svgToPngRendersCentredOrFails_data()
{
    QTest::addColumn<QString>("svg");
    QTest::addColumn<QStringList>("size");
    QTest::addColumn<int>("exitCode");
    const QString wide = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 20 10'>"
                         "<rect width='20' height='10' fill='#fd7800'/></svg>";
    QTest::newRow("wide drawing centred") << wide << QStringList{"40", "40"} << 0;
    QTest::newRow("zero width") << wide << QStringList{"0", "40"} << 1;
    QTest::newRow("not a number") << wide << QStringList{"40", "x"} << 1;
    QTest::newRow("missing height") << wide << QStringList{"40"} << 1;
    QTest::newRow("not an svg") << "plain text" << QStringList{"40", "40"} << 2;
}

void TestWidgets::svgToPngRendersCentredOrFails()
{
    QFETCH(QString, svg);
    QFETCH(QStringList, size);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile source(dir.filePath("in.svg"));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(svg.toUtf8());
    source.close();
    const QString out = dir.filePath("out.png");

    QProcess tool;
    tool.start(SVGTOPNG_PATH, QStringList{source.fileName(), out} + size);
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), exitCode);
    if (exitCode != 0) {
        QVERIFY(!QFile::exists(out));
        QVERIFY(!tool.readAllStandardError().isEmpty());
        return;
    }
    const QImage image(out);
    QCOMPARE(image.size(), QSize(40, 40));
    // 2:1 drawing in a square: a band 20 px high across the middle.
    QCOMPARE(qAlpha(image.pixel(20, 5)), 0);
    QCOMPARE(qAlpha(image.pixel(20, 34)), 0);
    QCOMPARE(QColor(image.pixel(2, 20)), QColor("#fd7800"));
    QCOMPARE(QColor(image.pixel(37, 20)), QColor("#fd7800"));
}

// ---- data root ---------------------------------------------------------------

void TestWidgets::dataRootIsFoundAsAUserExpects_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("root");
    QTest::newRow("the variable first, also over an installed folder")
        << "mine" << true << "build/launcher"
        << "mine/";
    QTest::newRow("the variable, though it names no folder")
        << "missing/" << false << "build/launcher"
        << "missing/";
    QTest::newRow("then the installed folder") << "" << true << "build/launcher"
                                               << "installed/";
    QTest::newRow("then the build's, beside the launcher") << "" << false << "build/launcher"
                                                           << "build/data/Morvantic/";
    QTest::newRow("then the build's, beside a program deeper in the build")
        << "" << false << "build/tools/render"
        << "build/data/Morvantic/";
    QTest::newRow("none beside the program: the installed folder") << "" << false << "/"
                                                                   << "installed/";
    QTest::newRow("installed under another prefix") << "" << false << "prefix/bin"
                                                    << "prefix/share/data/Morvantic/";
    QTest::newRow("the /usr installation over another prefix") << "" << true << "prefix/bin"
                                                               << "installed/";
}

void TestWidgets::dataRootIsFoundAsAUserExpects()
{
    QFETCH(QString, variable);
    QFETCH(bool, installed);
    QFETCH(QString, program);
    QFETCH(QString, root);
    QTemporaryDir dir;
    const QString base = dir.path() + QLatin1Char('/');
    for (const char* folder : {"build/launcher", "build/tools/render", "build/data/Morvantic",
                               "prefix/bin", "prefix/share/data/Morvantic"})
        QVERIFY(QDir(base).mkpath(QString::fromLatin1(folder)));
    if (installed)
        QVERIFY(QDir(base).mkpath(QStringLiteral("installed")));
    const QString programFolder = program.startsWith(QLatin1Char('/')) ? program : base + program;
    QCOMPARE(DataRoot::find(variable.isEmpty() ? QString() : base + variable,
                            base + QStringLiteral("installed/"), programFolder),
             base + root);
}

void TestWidgets::dataRootOfTheBuildServesWithoutTheVariable()
{
    // This test program sits in the build folder, as the editor and the renderer do.
    const QByteArray variable = qgetenv("MORVANTIC_DATA_ROOT");
    qunsetenv("MORVANTIC_DATA_ROOT");
    const QString root = DataRoot::path();
    qputenv("MORVANTIC_DATA_ROOT", variable);
    const QString expected = QFileInfo(QString::fromLatin1(DataRoot::InstalledPath)).isDir()
                                 ? QString::fromLatin1(DataRoot::InstalledPath)
                                 : QStringLiteral(BUILD_DATA_ROOT);
    QVERIFY(root.endsWith(QLatin1Char('/')));
    QCOMPARE(QFileInfo(root).canonicalFilePath(), QFileInfo(expected).canonicalFilePath());
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
