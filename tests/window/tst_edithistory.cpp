#include "files/pipefilecontroller.h"
#include "kit/ivendrelinterface.h"
#include "kit/labelhistory.h"
#include "window/edithistory.h"
#include "window/vendrelmainwindow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "canvas/mvcanvasmodel.h"
#include "widgets/moduleresourceicons.h"
#include "widgets/mvfiledialog.h"
#include "widgets/mvmessagebox.h"

#include <functional>

namespace {
// One user action on a module's panel, as a finger or the keyboard does it.
using Action = std::function<void(QWidget* panel)>;

template <typename T> T* child(QWidget* panel, const char* name)
{
    T* found = panel->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s in the panel", name);
    return found;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Types into a field the way a user does, then leaves it with return.
Action typeInto(const char* name, const QString& text)
{
    return [name, text](QWidget* panel) {
        auto* field = child<QLineEdit>(panel, name);
        QTest::mouseClick(field, Qt::LeftButton);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        settle();
    };
}

Action click(const char* name)
{
    return [name](QWidget* panel) {
        QTest::mouseClick(child<QAbstractButton>(panel, name), Qt::LeftButton);
        settle();
    };
}

// Opens a page with the first button and ticks a choice on it: one change.
Action clicks(const QList<const char*>& names)
{
    return [names](QWidget* panel) {
        for (const char* name : names)
            QTest::mouseClick(child<QAbstractButton>(panel, name), Qt::LeftButton);
        settle();
    };
}

// The next row of a combo, chosen with the keyboard (a chosen row is "activated").
Action nextRow(const char* name)
{
    return [name](QWidget* panel) {
        auto* combo = child<QComboBox>(panel, name);
        combo->setFocus();
        const int before = combo->currentIndex();
        QTest::keyClick(combo, Qt::Key_Down);
        // At the last row, the one above it.
        if (combo->currentIndex() == before)
            QTest::keyClick(combo, Qt::Key_Up);
        settle();
    };
}

// Opens the arrow picker with the named button and picks the symbol in row.
Action pickArrow(const char* button, int row)
{
    return [button, row](QWidget* panel) {
        if (button)
            QTest::mouseClick(child<QAbstractButton>(panel, button), Qt::LeftButton);
        QListView* list = nullptr;
        for (QListView* view : panel->findChildren<QListView*>())
            if (view->isVisible() && view->model() && view->model()->rowCount() > row &&
                view->iconSize() == QSize(50, 50))
                list = view;
        QVERIFY(list);
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        settle();
    };
}

QByteArray record(IVendrelInterface* module)
{
    return PipeFileController::moduleSnapshot(module);
}
} // namespace

Q_DECLARE_METATYPE(QList<Action>)

class EditHistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void historySteps_data();
    void historySteps();
    void everyEditUndoesToTheSameRecord_data();
    void everyEditUndoesToTheSameRecord();
    void typingInOneFieldIsOneStep();
    void historiesSurviveModuleSwitches();
    void newAndOpenClearTheHistory();
    void undoToTheSavedStateClearsTheChangedFlag();
    void keysAndButtonsStep_data();
    void keysAndButtonsStep();
    void pickedLegendIsOneStepWithItsColours_data();
    void pickedLegendIsOneStepWithItsColours();
};

void EditHistoryTest::initTestCase()
{
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
}

void EditHistoryTest::cleanup()
{
    MvMessageBox::setAnswerProvider({});
    MvFileDialog::setAnswerProvider({});
}

void EditHistoryTest::historySteps_data()
{
    // Operations: a letter records that state, '<' undoes, '>' redoes, 's' saves.
    QTest::addColumn<QString>("operations");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("canUndo");
    QTest::addColumn<bool>("canRedo");
    QTest::addColumn<bool>("atSaved");
    QTest::newRow("fresh") << "" << 5 << "a" << false << false << true;
    QTest::newRow("same state twice is no step") << "a" << 5 << "a" << false << false << true;
    QTest::newRow("undo and redo") << "bc<<>" << 5 << "b" << true << true << false;
    QTest::newRow("undo past the start stays") << "b<<<" << 5 << "a" << false << true << true;
    QTest::newRow("new step drops the redo tail") << "bc<<d" << 5 << "d" << true << false << false;
    QTest::newRow("back to the saved state") << "bsc<" << 5 << "b" << true << true << true;
    QTest::newRow("saved state undone away for good")
        << "bs<c" << 5 << "c" << true << false << false;
    QTest::newRow("oldest steps forgotten")
        << "bcdefg<<<<<<<<" << 3 << "d" << false << true << false;
}

void EditHistoryTest::historySteps()
{
    QFETCH(QString, operations);
    QFETCH(int, steps);
    LabelHistory history(steps);
    history.reset("a");
    for (QChar op : operations) {
        if (op == QLatin1Char('<'))
            history.undo();
        else if (op == QLatin1Char('>'))
            history.redo();
        else if (op == QLatin1Char('s'))
            history.markSaved();
        else
            history.record(QByteArray(1, op.toLatin1()));
    }
    QTEST(QString::fromLatin1(history.current()), "current");
    QTEST(history.canUndo(), "canUndo");
    QTEST(history.canRedo(), "canRedo");
    QTEST(history.isAtSaved(), "atSaved");
    QVERIFY(history.size() <= steps + 1);
}

void EditHistoryTest::everyEditUndoesToTheSameRecord_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<Action>>("actions");
    // Whether reading each state back gives its very bytes; the arrow wrap reader
    // rounds lengths to the two decimals its fields show.
    QTest::addColumn<bool>("readerExact");
    QTest::newRow("pipe marker") << int(VendrelMainWindow::VendrelWidget)
                                 << QList<Action>{typeInto("TextEdit", "STEAM"),
                                                  typeInto("WidthEdit", "3"),
                                                  typeInto("FontHeightEdit", "1.5"),
                                                  click("FontHeightIncreaseButton"),
                                                  pickArrow("LeftArrowButton", 3),
                                                  click("ApplyBothCheckBox"),
                                                  click("PortraitButton"),
                                                  click("LandscapeButton"),
                                                  click("WrapCheckBox"),
                                                  click("TopCheckBox"),
                                                  nextRow("ResizeCombo"),
                                                  typeInto("LengthEdit", "20"),
                                                  nextRow("PipeDiameterCombo"),
                                                  nextRow("ColorCombo"),
                                                  nextRow("FontFamilyCombo")}
                                 << true;
    QTest::newRow("ammonia") << int(VendrelMainWindow::AmmoniaWidget)
                             << QList<Action>{typeInto("WidthEdit", "4"),
                                              typeInto("BandWidthEdit", "1"),
                                              typeInto("ArrowWidthEdit", "2"),
                                              typeInto("FontHeightEdit", "1.2"),
                                              nextRow("PipeDiameterCombo"),
                                              nextRow("ColorCombo"),
                                              click("ComponentMarkerTab"),
                                              click("PipeMarkerTab"),
                                              clicks({"PhysicalStateButton", "VAPCheckBox"}),
                                              pickArrow("LeftArrowButton", 3)}
                             << true;
    QTest::newRow("arrow wrap") << int(VendrelMainWindow::ArrowWrapWidget)
                                << QList<Action>{typeInto("WrapLengthEdit", "10"),
                                                 typeInto("ArrowLengthEdit", "2"),
                                                 typeInto("ArrowCountEdit", "3"),
                                                 typeInto("ArrowSpacingEdit", "1"),
                                                 nextRow("PipeDiameterCombo"),
                                                 nextRow("ColorCombo"),
                                                 pickArrow(nullptr, 3)}
                                << false;
}

void EditHistoryTest::everyEditUndoesToTheSameRecord()
{
    QFETCH(int, kind);
    QFETCH(QList<Action>, actions);
    QFETCH(bool, readerExact);
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidgetTypes(kind),
                             QString());
    // Another window's module of the kind tells what a file with a state's record gives.
    VendrelMainWindow reader(QString(), true, VendrelMainWindow::VendrelWidgetTypes(kind),
                             QString());
    const auto fileGives = [&reader](const QByteArray& state) {
        PipeFileController::restoreModule(reader.activeModule(), state);
        return record(reader.activeModule());
    };
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    IVendrelInterface* module = window.activeModule();
    EditHistory* history = window.editHistory();

    QList<QByteArray> states{record(module)};
    for (int i = 0; i < actions.size(); ++i) {
        actions[i](module);
        history->finishEdit();
        const QByteArray now = record(module);
        QVERIFY2(now != states.last(),
                 qPrintable(QStringLiteral("action %1 changed nothing").arg(i)));
        states << now;
        QCOMPARE(history->history(module)->size(), states.size());
    }
    int rounded = 0;
    for (int i = 0; i < states.size(); ++i) {
        const QByteArray read = fileGives(states.at(i));
        rounded += read != states.at(i);
        states[i] = read;
    }
    QCOMPARE(rounded == 0, readerExact);
    // Twice through, so a state the reader rounded is returned to unchanged too.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = states.size() - 2; i >= 0; --i) {
            QVERIFY(history->canUndo());
            history->undo();
            QVERIFY2(record(module) == states.at(i),
                     qPrintable(QStringLiteral("undo to %1").arg(i)));
        }
        QVERIFY(!history->canUndo());
        for (int i = 1; i < states.size(); ++i) {
            history->redo();
            QVERIFY2(record(module) == states.at(i),
                     qPrintable(QStringLiteral("redo to %1").arg(i)));
        }
        QVERIFY(!history->canRedo());
    }
}

void EditHistoryTest::typingInOneFieldIsOneStep()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    IVendrelInterface* module = window.activeModule();
    const QByteArray before = record(module);
    auto* text = child<QLineEdit>(module, "TextEdit");
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("CHILLED WATER"));
    settle();
    // Touching another control ends the typing: one step for the whole word.
    QTest::mouseClick(child<QAbstractButton>(module, "WrapCheckBox"), Qt::LeftButton);
    settle();
    QCOMPARE(window.editHistory()->history(module)->size(), 3);
    window.editHistory()->undo();
    QCOMPARE(text->text(), QStringLiteral("CHILLED WATER"));
    window.editHistory()->undo();
    QCOMPARE(record(module), before);
    QVERIFY(!window.editHistory()->canUndo());
}

void EditHistoryTest::historiesSurviveModuleSwitches()
{
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    MvMessageBox::setAnswerProvider([](const QString&, const QString&,
                                       QMessageBox::StandardButtons) { return QMessageBox::No; });
    IVendrelInterface* pipe = window.activeModule();
    typeInto("WidthEdit", "3")(pipe);
    const QByteArray pipeEdited = record(pipe);

    window.switchArrowModuleSlot();
    IVendrelInterface* wrap = window.activeModule();
    QVERIFY(wrap != pipe);
    QVERIFY(!window.editHistory()->canUndo());
    typeInto("WrapLengthEdit", "12")(wrap);
    QVERIFY(window.editHistory()->canUndo());

    window.switchPipeModuleSlot();
    QCOMPARE(record(pipe), pipeEdited);
    QVERIFY(window.editHistory()->canUndo());
    window.editHistory()->undo();
    QVERIFY(record(pipe) != pipeEdited);
    QVERIFY(!window.editHistory()->canUndo());
    QVERIFY(window.editHistory()->history(wrap)->canUndo());
}

void EditHistoryTest::newAndOpenClearTheHistory()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("label.qypm"));
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    IVendrelInterface* module = window.activeModule();
    MvMessageBox::setAnswerProvider([](const QString&, const QString&,
                                       QMessageBox::StandardButtons) { return QMessageBox::No; });
    MvFileDialog::setAnswerProvider([&path](const MvFileDialog::Request&) { return path; });

    typeInto("WidthEdit", "3")(module);
    window.saveSlot();
    QVERIFY(QFile::exists(path));
    typeInto("LengthEdit", "20")(module);
    window.editHistory()->undo();
    QVERIFY(window.editHistory()->canRedo());
    window.newSlot();
    QVERIFY(!window.editHistory()->canUndo());
    QVERIFY(!window.editHistory()->canRedo());

    typeInto("WidthEdit", "4")(module);
    window.loadSlot();
    QVERIFY(!window.editHistory()->canUndo());
    QVERIFY(!window.editHistory()->canRedo());
    QVERIFY(!module->getCanvas()->canvasHasChanged());
}

void EditHistoryTest::undoToTheSavedStateClearsTheChangedFlag()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("label.qyaw"));
    VendrelMainWindow window(QString(), true, VendrelMainWindow::ArrowWrapWidget, QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    IVendrelInterface* module = window.activeModule();
    MvCanvasModel* canvas = module->getCanvas();
    MvFileDialog::setAnswerProvider([&path](const MvFileDialog::Request&) { return path; });

    typeInto("WrapLengthEdit", "10")(module);
    window.saveSlot();
    QVERIFY(!canvas->canvasHasChanged());
    typeInto("ArrowLengthEdit", "2")(module);
    QVERIFY(canvas->canvasHasChanged());
    window.editHistory()->undo();
    QVERIFY(!canvas->canvasHasChanged());
    window.editHistory()->undo();
    QVERIFY(canvas->canvasHasChanged());
    window.editHistory()->redo();
    QVERIFY(!canvas->canvasHasChanged());
    int asked = 0;
    MvMessageBox::setAnswerProvider(
        [&asked](const QString&, const QString&, QMessageBox::StandardButtons) {
            ++asked;
            return QMessageBox::Cancel;
        });
    window.newSlot();
    QCOMPARE(asked, 0);
}

void EditHistoryTest::keysAndButtonsStep_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("inField");
    QTest::newRow("ctrl") << int(Qt::ControlModifier) << false;
    // Control with other modifiers is Control in this window.
    QTest::newRow("ctrl+shift") << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
    QTest::newRow("ctrl in a text field") << int(Qt::ControlModifier) << true;
}

void EditHistoryTest::keysAndButtonsStep()
{
    QFETCH(int, modifiers);
    QFETCH(bool, inField);
    VendrelMainWindow window(QString(), true, VendrelMainWindow::AmmoniaWidget, QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    IVendrelInterface* module = window.activeModule();
    auto* undo = window.findChild<QPushButton*>(QStringLiteral("undoButton"));
    auto* redo = window.findChild<QPushButton*>(QStringLiteral("redoButton"));
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    const QByteArray before = record(module);
    typeInto("WidthEdit", "4")(module);
    const QByteArray after = record(module);
    QVERIFY(undo->isEnabled() && !redo->isEnabled());

    QWidget* target = inField ? static_cast<QWidget*>(child<QLineEdit>(module, "LengthEdit"))
                              : static_cast<QWidget*>(&window);
    target->setFocus();
    const auto mods = static_cast<Qt::KeyboardModifiers>(modifiers);
    QTest::keyClick(target, Qt::Key_Z, mods);
    QCOMPARE(record(module), before);
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    QTest::keyClick(target, Qt::Key_Y, mods);
    QCOMPARE(record(module), after);
    // Quick print, the key beside them, takes nothing back (whatever the printer
    // says about the supply loaded).
    MvMessageBox::setAnswerProvider(
        [](const QString&, const QString&, QMessageBox::StandardButtons) {
            return QMessageBox::Ok;
        });
    QTest::keyClick(target, Qt::Key_P, mods);
    MvMessageBox::setAnswerProvider({});
    QCOMPARE(record(module), after);
    QVERIFY(undo->isEnabled() && !redo->isEnabled());
    undo->click();
    QCOMPARE(record(module), before);
    redo->click();
    QCOMPARE(record(module), after);
}

void EditHistoryTest::pickedLegendIsOneStepWithItsColours_data()
{
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("bandRow");
    QTest::newRow("water") << "CHILLED WATER SUPPLY"
                           << "Water" << 3;
    QTest::newRow("flammable") << "NATURAL GAS"
                               << "Flammable" << 2;
    QTest::newRow("fire quenching") << "FIRE SPRINKLER"
                                    << "Fire Quenching" << 0;
    QTest::newRow("combustible") << "FUEL OIL"
                                 << "Combustible" << 6;
}

void EditHistoryTest::pickedLegendIsOneStepWithItsColours()
{
    QFETCH(QString, legend);
    VendrelMainWindow window(QString(), true, VendrelMainWindow::VendrelWidget, QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    IVendrelInterface* module = window.activeModule();
    const QByteArray before = record(module);

    click("LegendLibraryButton")(module);
    auto* list = child<QListView>(module, "LegendLibraryList");
    QVERIFY(list->isVisible());
    const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                       legend, 1, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->scrollTo(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(found.first()).center());
    settle();

    QVERIFY(!list->isVisible());
    QCOMPARE(child<QLineEdit>(module, "TextEdit")->text(), legend);
    QTEST(child<QComboBox>(module, "ColorCombo")->currentIndex(), "bandRow");
    QTEST(child<QLabel>(module, "ColorCategoryLabel")->text(), "category");
    QCOMPARE(window.editHistory()->history(module)->size(), 2);
    window.editHistory()->undo();
    QCOMPARE(record(module), before);
}

QTEST_MAIN(EditHistoryTest)
#include "tst_edithistory.moc"
