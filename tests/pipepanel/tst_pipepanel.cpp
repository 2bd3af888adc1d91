#include "arrowsmenu.h"
#include "colorlistcombo.h"
#include "moduleresourceicons.h"
#include "mvcombobox.h"
#include "mvlineedit.h"
#include "unitconversions.h"
#include "vendreleditwidget.h"
#include "vendrelstatuserrortype.h"
#include "wizardvendrel.h"

#include <QAbstractAnimation>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleValidator>
#include <QFrame>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// Runs every slide animation under `widget` to its end, as if 400 ms had passed.
void finishAnimations(QWidget* widget)
{
    const auto animations = widget->findChildren<QAbstractAnimation*>();
    for (QAbstractAnimation* animation : animations) {
        if (animation->state() == QAbstractAnimation::Running)
            animation->setCurrentTime(animation->totalDuration());
    }
}

// A warning report written as "1+,2-,0-": three pairs of warning and state.
struct Report
{
    Vendrel::StatusErrorType error[3];
    bool state[3];
};

Report parseReport(const QString& text)
{
    Report report{};
    const QStringList pairs = text.split(QLatin1Char(','));
    for (int i = 0; i < 3; ++i) {
        const QString pair = pairs.value(i).trimmed();
        report.error[i] = static_cast<Vendrel::StatusErrorType>(pair.chopped(1).toInt());
        report.state[i] = pair.endsWith(QLatin1Char('+'));
    }
    return report;
}

} // namespace

class PipePanelTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<VendrelEditWidget> createPanel(UnitConversions::Units units);
    template <typename T> T* child(VendrelEditWidget* panel, const char* name)
    {
        T* widget = panel->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("panel has no child %s", name);
        return widget;
    }

private slots:
    void initTestCase();
    void cleanup();

    void enablingFollowsOrientationWrapAndResizeOption_data();
    void enablingFollowsOrientationWrapAndResizeOption();
    void portraitUnchecksTopAndLandscapeLeavesItUnchecked();
    void settersApplyRulesWithoutEmitting();

    void textHeightStepButtons_data();
    void textHeightStepButtons();

    void unitSwitchRescalesFields_data();
    void unitSwitchRescalesFields();
    void panelTakesUnitSwitchedElsewhere_data();
    void panelTakesUnitSwitchedElsewhere();
    void fieldsAcceptTheDotWhateverTheLocale_data();
    void fieldsAcceptTheDotWhateverTheLocale();

    void warningTextJoinsActiveWarningsInOrder_data();
    void warningTextJoinsActiveWarningsInOrder();

    void pipeDiameterListsFollowUnitsAndLocale_data();
    void pipeDiameterListsFollowUnitsAndLocale();

    void colorComboShowsMatchingPair_data();
    void colorComboShowsMatchingPair();

    void textSetByControllerIsNotEchoed();
    void arrowFrameCoversLegendWhenOpened();

    void wizardStartedTwiceIsBackOnFirstPage();
    void wizardFinishReportsOnce();
};

void PipePanelTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("VendrelPipePanelTest"));
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
}

void PipePanelTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
    UnitConversions::setCanvasUnits(UnitConversions::Inches);
}

std::unique_ptr<VendrelEditWidget> PipePanelTest::createPanel(UnitConversions::Units units)
{
    UnitConversions::setCanvasUnits(units);
    return std::make_unique<VendrelEditWidget>();
}

// ---- Which controls may be used ---------------------------------------------

void PipePanelTest::enablingFollowsOrientationWrapAndResizeOption_data()
{
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("topEnabled");
    QTest::addColumn<bool>("lengthEnabled");
    QTest::addColumn<bool>("fontEnabled");

    QTest::newRow("landscape wrap fit-label") << false << true << 0 << true << false << true;
    QTest::newRow("landscape wrap fit-text") << false << true << 1 << true << true << true;
    QTest::newRow("landscape no wrap none") << false << false << 2 << false << true << true;
    QTest::newRow("portrait wrap fit-label") << true << true << 0 << false << false << true;
    QTest::newRow("portrait wrap fit-text") << true << true << 1 << false << true << false;
    QTest::newRow("portrait no wrap fit-text") << true << false << 1 << false << true << false;
    QTest::newRow("portrait no wrap none") << true << false << 2 << false << true << true;
}

void PipePanelTest::enablingFollowsOrientationWrapAndResizeOption()
{
    QFETCH(bool, portrait);
    QFETCH(bool, wrap);
    QFETCH(int, option);
    QFETCH(bool, topEnabled);
    QFETCH(bool, lengthEnabled);
    QFETCH(bool, fontEnabled);

    auto panel = createPanel(UnitConversions::Inches);
    QSignalSpy orientation(panel.get(), &VendrelEditWidget::orientationSignal);
    QSignalSpy wrapSpy(panel.get(), &VendrelEditWidget::wrapSignal);
    QSignalSpy resize(panel.get(), &VendrelEditWidget::resizeLabelSignal);

    child<QToolButton>(panel.get(), portrait ? "PortraitButton" : "LandscapeButton")->click();
    if (wrap)
        child<QCheckBox>(panel.get(), "WrapCheckBox")->click();
    // Start from another option so that choosing `option` is a change.
    auto* resizeCombo = child<MvComboBox>(panel.get(), "ResizeCombo");
    resizeCombo->setCurrentIndex((option + 1) % 3);
    resizeCombo->setCurrentIndex(option);

    QCOMPARE(orientation.count(), 1);
    QCOMPARE(orientation.last().at(0).toBool(), portrait);
    QCOMPARE(wrapSpy.count(), wrap ? 1 : 0);
    QCOMPARE(resize.last().at(0).toInt(), option);

    QCOMPARE(child<QCheckBox>(panel.get(), "TopCheckBox")->isEnabled(), topEnabled);
    QCOMPARE(child<MvLineEdit>(panel.get(), "LengthEdit")->isEnabled(), lengthEnabled);
    QCOMPARE(child<MvLineEdit>(panel.get(), "FontHeightEdit")->isEnabled(), fontEnabled);
    QCOMPARE(child<QPushButton>(panel.get(), "FontHeightDecreaseButton")->isEnabled(), fontEnabled);
    QCOMPARE(child<QPushButton>(panel.get(), "FontHeightIncreaseButton")->isEnabled(), fontEnabled);
}

void PipePanelTest::portraitUnchecksTopAndLandscapeLeavesItUnchecked()
{
    auto panel = createPanel(UnitConversions::Inches);
    auto* top = child<QCheckBox>(panel.get(), "TopCheckBox");
    QSignalSpy topSpy(panel.get(), &VendrelEditWidget::topSignal);

    child<QCheckBox>(panel.get(), "WrapCheckBox")->click();
    top->click();
    QVERIFY(top->isChecked());

    child<QToolButton>(panel.get(), "PortraitButton")->click();
    QVERIFY(!top->isEnabled());
    QVERIFY(!top->isChecked());
    // The controller hears that the top line is gone.
    QCOMPARE(topSpy.count(), 2);
    QCOMPARE(topSpy.last().at(0).toBool(), false);

    child<QToolButton>(panel.get(), "LandscapeButton")->click();
    QVERIFY(top->isEnabled());
    QVERIFY(!top->isChecked());

    // Asking for a top line where there can be none is answered with "no top".
    panel->setWrap(false);
    panel->setTop(true);
    QVERIFY(!top->isChecked());
    QCOMPARE(topSpy.last().at(0).toBool(), false);
}

void PipePanelTest::settersApplyRulesWithoutEmitting()
{
    auto panel = createPanel(UnitConversions::Inches);
    QSignalSpy orientation(panel.get(), &VendrelEditWidget::orientationSignal);
    QSignalSpy wrap(panel.get(), &VendrelEditWidget::wrapSignal);
    QSignalSpy resize(panel.get(), &VendrelEditWidget::resizeLabelSignal);

    panel->setWrap(true);
    panel->setResizeOption(1);
    panel->setOrientation(true);

    QCOMPARE(orientation.count() + wrap.count() + resize.count(), 0);
    QVERIFY(!child<QCheckBox>(panel.get(), "TopCheckBox")->isEnabled());
    QVERIFY(!child<MvLineEdit>(panel.get(), "FontHeightEdit")->isEnabled());
    QVERIFY(child<MvLineEdit>(panel.get(), "LengthEdit")->isEnabled());
    QCOMPARE(child<MvComboBox>(panel.get(), "ResizeCombo")->toolTip(),
             QStringLiteral("Fit text to label"));

    // An option the combo does not have is shown as the first one.
    panel->setResizeOption(7);
    QCOMPARE(child<MvComboBox>(panel.get(), "ResizeCombo")->currentIndex(), 0);
    QVERIFY(!child<MvLineEdit>(panel.get(), "LengthEdit")->isEnabled());
}

// ---- Text height buttons -----------------------------------------------------

void PipePanelTest::textHeightStepButtons_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("increase");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("emitted");

    QTest::newRow("inches up") << 0 << "0.50" << true << "0.60" << true;
    QTest::newRow("inches down") << 0 << "0.50" << false << "0.40" << true;
    QTest::newRow("inches down to 0.02") << 0 << "0.12" << false << "0.02" << true;
    QTest::newRow("inches down at 0.10") << 0 << "0.10" << false << "0.10" << false;
    QTest::newRow("millimetres up") << 1 << "5" << true << "6.00" << true;
    QTest::newRow("millimetres down") << 1 << "5.00" << false << "4.00" << true;
    QTest::newRow("millimetres down under a point") << 1 << "1.30" << false << "1.30" << false;
    QTest::newRow("empty up") << 0 << "" << true << "" << false;
    QTest::newRow("empty down") << 1 << "" << false << "" << false;
}

void PipePanelTest::textHeightStepButtons()
{
    QFETCH(int, units);
    QFETCH(QString, start);
    QFETCH(bool, increase);
    QFETCH(QString, expected);
    QFETCH(bool, emitted);

    auto panel = createPanel(static_cast<UnitConversions::Units>(units));
    panel->setFontHeight(start);
    QSignalSpy spy(panel.get(), &VendrelEditWidget::fontHeightChangedSignal);

    child<QPushButton>(panel.get(),
                       increase ? "FontHeightIncreaseButton" : "FontHeightDecreaseButton")
        ->click();

    QCOMPARE(child<MvLineEdit>(panel.get(), "FontHeightEdit")->text(), expected);
    QCOMPARE(spy.count(), emitted ? 1 : 0);
    if (emitted)
        QCOMPARE(spy.first().at(0).toString(), expected);
}

// ---- Units -------------------------------------------------------------------

void PipePanelTest::unitSwitchRescalesFields_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("before"); // length, width, text height
    QTest::addColumn<QStringList>("after");

    QTest::newRow("inches to millimetres")
        << 0 << 1 << QStringList{"8.00", "2", ""} << QStringList{"203.20", "50.80", ""};
    QTest::newRow("millimetres to inches")
        << 1 << 0 << QStringList{"25.4", "50.80", "12.70"} << QStringList{"1.00", "2.00", "0.50"};
    QTest::newRow("same unit") << 1 << 1 << QStringList{"25.4", "", "3"}
                               << QStringList{"25.4", "", "3"};
}

void PipePanelTest::unitSwitchRescalesFields()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);

    auto panel = createPanel(static_cast<UnitConversions::Units>(from));
    panel->setLabelLength(before.at(0));
    panel->setLabelHeight(before.at(1));
    panel->setFontHeight(before.at(2));
    auto* diameter = child<MvComboBox>(panel.get(), "PipeDiameterCombo");
    panel->setPipeDiameter(3);
    QSignalSpy unitsSpy(panel.get(), &VendrelEditWidget::unitsChangedSignal);

    child<MvComboBox>(panel.get(), "UnitsCombo")->setCurrentIndex(to);
    if (from == to)
        panel->setUnits(to);

    QCOMPARE(child<MvLineEdit>(panel.get(), "LengthEdit")->text(), after.at(0));
    QCOMPARE(child<MvLineEdit>(panel.get(), "WidthEdit")->text(), after.at(1));
    QCOMPARE(child<MvLineEdit>(panel.get(), "FontHeightEdit")->text(), after.at(2));
    QCOMPARE(panel->getUnits(), to);
    QCOMPARE(int(UnitConversions::getCanvasUnits()), to);
    QCOMPARE(unitsSpy.count(), 1);
    QCOMPARE(unitsSpy.first().at(0).toBool(), to == 0);
    // The diameter list is the new unit's, on the same row.
    QCOMPARE(diameter->currentIndex(), 3);
    QCOMPARE(diameter->currentText().endsWith(QLatin1String(" mm")), to == 1);
}

void PipePanelTest::panelTakesUnitSwitchedElsewhere_data()
{
    QTest::addColumn<bool>("byShowing"); // else by the controller's setUnits

    QTest::newRow("shown again") << true;
    QTest::newRow("new label in the default unit") << false;
}

void PipePanelTest::panelTakesUnitSwitchedElsewhere()
{
    QFETCH(bool, byShowing);

    auto panel = createPanel(UnitConversions::Inches);
    panel->setLabelLength(QStringLiteral("8.00"));
    panel->setFontHeight(QStringLiteral("0.50"));

    // Another module's panel switches the process-wide unit while this one is hidden.
    UnitConversions::setCanvasUnits(UnitConversions::Millimeters);

    if (byShowing) {
        panel->resize(930, 300);
        panel->show();
    } else {
        panel->setUnits(UnitConversions::Millimeters);
    }

    QCOMPARE(panel->getUnits(), 1);
    QCOMPARE(child<MvLineEdit>(panel.get(), "LengthEdit")->text(), QStringLiteral("203.20"));
    QCOMPARE(child<MvLineEdit>(panel.get(), "FontHeightEdit")->text(), QStringLiteral("12.70"));
    QVERIFY(child<MvComboBox>(panel.get(), "PipeDiameterCombo")
                ->itemText(1)
                .endsWith(QLatin1String(" mm")));

    // The step follows: one millimetre.
    child<QPushButton>(panel.get(), "FontHeightIncreaseButton")->click();
    QCOMPARE(child<MvLineEdit>(panel.get(), "FontHeightEdit")->text(), QStringLiteral("13.70"));
}

void PipePanelTest::fieldsAcceptTheDotWhateverTheLocale_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("acceptable");

    for (const char* field : {"LengthEdit", "WidthEdit", "FontHeightEdit"}) {
        const QString name = QLatin1String(field);
        QTest::addRow("%s dot", field) << name << "12.5" << true;
        QTest::addRow("%s comma", field) << name << "12,5" << false;
        QTest::addRow("%s letters", field) << name << "abc" << false;
        QTest::addRow("%s grouped", field) << name << "1,000" << false;
    }
}

void PipePanelTest::fieldsAcceptTheDotWhateverTheLocale()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, acceptable);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto panel = createPanel(UnitConversions::Inches);
    const QValidator* validator = panel->findChild<MvLineEdit*>(field)->validator();
    QVERIFY(validator);
    QString input = text;
    int position = input.size();
    QCOMPARE(validator->validate(input, position) == QValidator::Acceptable, acceptable);
    // Whatever the field takes, the controller reads the same number.
    if (acceptable)
        QCOMPARE(text.toDouble(), 12.5);
}

// ---- Warnings ----------------------------------------------------------------

void PipePanelTest::warningTextJoinsActiveWarningsInOrder_data()
{
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("emissions");

    QTest::newRow("all off while empty") << QStringList{"3-,4-,5-"} << QString() << 0;
    QTest::newRow("two reports add up")
        << QStringList{"1+,2-,0-", "6+,7-,0-"}
        << "Text Height Too Small To Print; Label Length Too Small To Print" << 2;
    QTest::newRow("enumeration order, not report order")
        << QStringList{"6-,7+,0-", "1-,2+,0-"}
        << "Text Height Smaller Than ANSI Recommendations; "
           "Label Length Smaller Than ANSI Recommendations"
        << 2;
    QTest::newRow("switched off again is announced")
        << QStringList{"3+,4-,5-", "3-,4-,5-"} << QString() << 2;
    QTest::newRow("after clearing all off is silent again")
        << QStringList{"3+,4-,5-", "3-,4-,5-", "8-,9-,0-"} << QString() << 2;
    QTest::newRow("layout triple")
        << QStringList{"3+,4+,5+"}
        << "Text Exceeds Canvas Length; Text And Arrows Overlap; Text Space Too Small To Print"
        << 1;
    QTest::newRow("later report replaces the state of the same warning")
        << QStringList{"8+,9-,0-", "8-,9+,0-"} << "Label Width Smaller Than ANSI Recommendations"
        << 2;
}

void PipePanelTest::warningTextJoinsActiveWarningsInOrder()
{
    QFETCH(QStringList, reports);
    QFETCH(QString, expected);
    QFETCH(int, emissions);

    auto panel = createPanel(UnitConversions::Inches);
    QSignalSpy spy(panel.get(), &VendrelEditWidget::warningStringChanged);
    for (const QString& text : reports) {
        const Report r = parseReport(text);
        panel->setErrorToStatus(r.error[0], r.state[0], r.error[1], r.state[1], r.error[2],
                                r.state[2]);
    }
    QCOMPARE(spy.count(), emissions);
    if (emissions > 0)
        QCOMPARE(spy.last().at(0).toString(), expected);

    panel->resetErrorStatus();
    QCOMPARE(spy.count(), emissions + 1);
    QCOMPARE(spy.last().at(0).toString(), QString());
    panel->setErrorToStatus(Vendrel::TextExceedsLength, false, Vendrel::TextArrowsOverlap, false,
                            Vendrel::TextSpaceTooSmall, false);
    QCOMPARE(spy.count(), emissions + 1);
}

// ---- Pipe diameter lists -------------------------------------------------------

void PipePanelTest::pipeDiameterListsFollowUnitsAndLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("units");
    QTest::addColumn<QStringList>("rows");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("inches") << english << 0
                            << QStringList{"Custom size",     "0.75\" - 1.25\"",  "1.50\" - 2.00\"",
                                           "2.50\" - 6.00\"", "8.00\" - 10.00\"", "Over 10.00\""};
    QTest::newRow("millimetres") << english << 1 << QStringList{"Custom size",     "19 mm - 32 mm",
                                                                "38 mm - 51 mm",   "64 mm - 152 mm",
                                                                "203 mm - 254 mm", "Over 254 mm"};
    QTest::newRow("inches, decimal comma")
        << german << 0 << QStringList{"Custom size",     "0,75\" - 1,25\"",  "1,50\" - 2,00\"",
                                      "2,50\" - 6,00\"", "8,00\" - 10,00\"", "Over 10,00\""};
}

void PipePanelTest::pipeDiameterListsFollowUnitsAndLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(int, units);
    QFETCH(QStringList, rows);

    QLocale::setDefault(locale);
    // Built in the other unit and switched, so both lists are exercised.
    auto panel = createPanel(static_cast<UnitConversions::Units>(1 - units));
    auto* combo = child<MvComboBox>(panel.get(), "PipeDiameterCombo");
    QCOMPARE(combo->currentIndex(), 1);
    panel->setUnits(units);

    QStringList shown;
    for (int row = 0; row < combo->count(); ++row)
        shown << combo->itemText(row);
    QCOMPARE(shown, rows);
    QCOMPARE(combo->currentIndex(), 1);

    QSignalSpy spy(panel.get(), &VendrelEditWidget::pipeDiameterChangedSignal);
    panel->setPipeDiameter(4);
    QCOMPARE(spy.count(), 0); // shown by code, not chosen by the user
    panel->setPipeDiameter(9);
    QCOMPARE(combo->currentIndex(), 0);
}

// ---- Colours -----------------------------------------------------------------

void PipePanelTest::colorComboShowsMatchingPair_data()
{
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<int>("row");

    QTest::newRow("white on red") << QColor(Qt::white) << QColor("#dc0b0b") << 0;
    QTest::newRow("black on yellow") << QColor(Qt::black) << QColor("#fedb00") << 2;
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 9;
    QTest::newRow("no such pair keeps the row") << QColor(Qt::black) << QColor("#dc0b0b") << 4;
}

void PipePanelTest::colorComboShowsMatchingPair()
{
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QFETCH(int, row);

    auto panel = createPanel(UnitConversions::Inches);
    auto* combo = child<ColorListCombo>(panel.get(), "ColorCombo");
    QCOMPARE(combo->currentIndex(), 9);
    QSignalSpy spy(panel.get(), &VendrelEditWidget::colorChangedSignal);

    combo->setColorIndex(4); // BLUE, chosen by the user
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(0).value<QColor>(), QColor("#0018a8"));
    QCOMPARE(spy.first().at(1).value<QColor>(), QColor(Qt::white));

    panel->updateColorCombo(text, background);
    QCOMPARE(combo->currentIndex(), row);
    QCOMPARE(spy.count(), 1);
}

// ---- Text and arrows -------------------------------------------------------------

void PipePanelTest::textSetByControllerIsNotEchoed()
{
    auto panel = createPanel(UnitConversions::Inches);
    QSignalSpy spy(panel.get(), &VendrelEditWidget::textContentChangedSignal);
    auto* edit = child<MvLineEdit>(panel.get(), "TextEdit");

    panel->setTextContent(QStringLiteral("STEAM"));
    QCOMPARE(edit->text(), QStringLiteral("STEAM"));
    QCOMPARE(spy.count(), 0);

    QTest::keyClicks(edit, QStringLiteral("!"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(0).toString(), QStringLiteral("STEAM!"));
}

void PipePanelTest::arrowFrameCoversLegendWhenOpened()
{
    auto panel = createPanel(UnitConversions::Inches);
    panel->resize(930, 300);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    auto* arrowFrame = child<QFrame>(panel.get(), "ArrowFrame");
    auto* legendFrame = child<QFrame>(panel.get(), "PipeFrame");
    QVERIFY(!arrowFrame->isVisible());

    child<QPushButton>(panel.get(), "LeftArrowButton")->click();
    finishAnimations(panel.get());
    QVERIFY(arrowFrame->isVisible());
    QCOMPARE(arrowFrame->pos(), legendFrame->pos());
    // The picker is the upper of the two frames: a touch in its middle reaches it.
    const QPoint middle = arrowFrame->geometry().center();
    QWidget* touched = panel->childAt(middle);
    QVERIFY(touched);
    QVERIFY(touched == arrowFrame || arrowFrame->isAncestorOf(touched));

    child<QPushButton>(panel.get(), "ArrowCloseButton")->click();
    finishAnimations(panel.get());
    QVERIFY(!arrowFrame->isVisible());
    QVERIFY(!child<QPushButton>(panel.get(), "LeftArrowButton")->isChecked());

    // The controller's icon puts the button back to rest and the frame away.
    child<QPushButton>(panel.get(), "RightArrowButton")->click();
    finishAnimations(panel.get());
    QVERIFY(arrowFrame->isVisible());
    panel->setRightArrow(3, panel->getSymbolsMenu()->getAddArrowIcon());
    QVERIFY(!arrowFrame->isVisible());
    QVERIFY(!child<QPushButton>(panel.get(), "RightArrowButton")->isChecked());
}

// ---- Wizard ------------------------------------------------------------------

void PipePanelTest::wizardStartedTwiceIsBackOnFirstPage()
{
    WizardVendrel wizard;
    QCOMPARE(wizard.objectName(), QStringLiteral("VendrelWizard"));
    QStringList titles;
    for (int id : wizard.pageIds())
        titles << wizard.page(id)->title();
    QCOMPARE(titles, (QStringList{"Text Contents", "Arrows", "Orientation", "Sizes", "Finish"}));

    for (int start = 0; start < 2; ++start) {
        wizard.restart();
        wizard.raise();
        wizard.show();
        QCOMPARE(wizard.currentId(), wizard.startId());
        wizard.next();
        wizard.next();
        QCOMPARE(wizard.currentId(), wizard.pageIds().at(2));
    }
    int wizards = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        wizards += qobject_cast<WizardVendrel*>(widget) && widget->isVisible() ? 1 : 0;
    QCOMPARE(wizards, 1);
}

void PipePanelTest::wizardFinishReportsOnce()
{
    WizardVendrel wizard;
    QSignalSpy finished(&wizard, &QDialog::finished);
    wizard.show();
    // Finishing from any page ends the wizard, accepted, exactly once.
    wizard.next();
    wizard.accept();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toInt(), int(QDialog::Accepted));
    QVERIFY(!wizard.isVisible());
}

QTEST_MAIN(PipePanelTest)
#include "tst_pipepanel.moc"
