#include "kit/arrowsmenu.h"
#include "pipe/vendreleditwidget.h"
#include "pipe/vendrelstatuserrortype.h"
#include "pipe/vendrelwarnings.h"
#include "pipe/wizardvendrel.h"
#include "units/unitconversions.h"
#include "widgets/colorlistcombo.h"
#include "widgets/dataroot.h"
#include "widgets/moduleresourceicons.h"
#include "widgets/mvcombobox.h"
#include "widgets/mvlineedit.h"

#include <QAbstractAnimation>
#include <QCheckBox>
#include <QFrame>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <memory>

namespace {

// Runs every slide animation under `widget` to its end, as if 400 ms had passed.
void finishAnimations(QWidget* widget)
{
    const auto animations = widget->findChildren<QAbstractAnimation*>();
    for (QAbstractAnimation* animation : animations)
        animation->setCurrentTime(animation->totalDuration());
}

using Units = UnitConversions::Units;

} // namespace

class PipePanelTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<VendrelEditWidget> m_panel;

    VendrelEditWidget* createPanel(int units)
    {
        UnitConversions::setCanvasUnits(static_cast<Units>(units));
        m_panel = std::make_unique<VendrelEditWidget>();
        return m_panel.get();
    }
    template <typename T = MvLineEdit> T* child(const char* name) const
    {
        T* widget = m_panel->findChild<T*>(QLatin1String(name));
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
    void topSetByTheControllerIsKeptUntilTheUserChangesIt_data();
    void topSetByTheControllerIsKeptUntilTheUserChangesIt();
    void textHeightStepButtons_data();
    void textHeightStepButtons();
    void unitSwitchRescalesFields_data();
    void unitSwitchRescalesFields();
    void fieldsAcceptTheDotWhateverTheLocale_data();
    void fieldsAcceptTheDotWhateverTheLocale();
    void warningTextJoinsActiveWarningsInOrder_data();
    void warningTextJoinsActiveWarningsInOrder();
    void warningTextsKeepTheirCatalogueKeys_data();
    void warningTextsKeepTheirCatalogueKeys();
    void pipeDiameterListsFollowUnitsAndLocale_data();
    void pipeDiameterListsFollowUnitsAndLocale();
    void colorComboShowsMatchingPair_data();
    void colorComboShowsMatchingPair();
    void textSetByControllerIsNotEchoed();
    void arrowFrameCoversLegendWhenOpened();
    void wizardStartedAgainIsBackOnFirstPage();
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
    m_panel.reset();
    QLocale::setDefault(QLocale::c());
    UnitConversions::setCanvasUnits(UnitConversions::Inches);
}

// ---- Which controls may be used ---------------------------------------------

void PipePanelTest::enablingFollowsOrientationWrapAndResizeOption_data()
{
    QTest::addColumn<bool>("bySetters"); // else by touching the controls
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("topEnabled");
    QTest::addColumn<bool>("lengthEnabled");
    QTest::addColumn<bool>("fontEnabled");

    QTest::newRow("landscape wrap fit-label")
        << false << false << true << 0 << true << false << true;
    QTest::newRow("landscape wrap fit-text") << false << false << true << 1 << true << true << true;
    QTest::newRow("landscape no wrap none")
        << false << false << false << 2 << false << true << true;
    QTest::newRow("portrait wrap fit-label")
        << false << true << true << 0 << false << false << true;
    QTest::newRow("portrait wrap fit-text") << false << true << true << 1 << false << true << false;
    QTest::newRow("portrait no wrap none") << false << true << false << 2 << false << true << true;
    QTest::newRow("set: portrait fit-text") << true << true << true << 1 << false << true << false;
    QTest::newRow("set: landscape wrap none") << true << false << true << 2 << true << true << true;
    // An option the combo does not have is shown as the first one.
    QTest::newRow("set: unknown option") << true << false << false << 7 << false << false << true;
}

void PipePanelTest::enablingFollowsOrientationWrapAndResizeOption()
{
    QFETCH(bool, bySetters);
    QFETCH(bool, portrait);
    QFETCH(bool, wrap);
    QFETCH(int, option);
    QFETCH(bool, topEnabled);
    QFETCH(bool, lengthEnabled);
    QFETCH(bool, fontEnabled);

    VendrelEditWidget* panel = createPanel(UnitConversions::Inches);
    QSignalSpy orientation(panel, &VendrelEditWidget::orientationSignal);
    QSignalSpy wrapSpy(panel, &VendrelEditWidget::wrapSignal);
    QSignalSpy resize(panel, &VendrelEditWidget::resizeLabelSignal);

    if (bySetters) {
        panel->setWrap(wrap);
        panel->setResizeOption(option);
        panel->setOrientation(portrait);
        // What the controller writes is not a user edit.
        QCOMPARE(orientation.count() + wrapSpy.count() + resize.count(), 0);
    } else {
        child<QToolButton>(portrait ? "PortraitButton" : "LandscapeButton")->click();
        if (wrap)
            child<QCheckBox>("WrapCheckBox")->click();
        child<MvComboBox>("ResizeCombo")->setCurrentIndex((option + 1) % 3);
        child<MvComboBox>("ResizeCombo")->setCurrentIndex(option);
        QCOMPARE(orientation.count(), 1);
        QCOMPARE(orientation.last().at(0).toBool(), portrait);
        QCOMPARE(wrapSpy.count(), wrap ? 1 : 0);
        QCOMPARE(resize.last().at(0).toInt(), option);
    }
    QCOMPARE(child<QCheckBox>("TopCheckBox")->isEnabled(), topEnabled);
    QCOMPARE(child("LengthEdit")->isEnabled(), lengthEnabled);
    QCOMPARE(child("FontHeightEdit")->isEnabled(), fontEnabled);
    QCOMPARE(child<QPushButton>("FontHeightDecreaseButton")->isEnabled(), fontEnabled);
    QCOMPARE(child<QPushButton>("FontHeightIncreaseButton")->isEnabled(), fontEnabled);
}

void PipePanelTest::portraitUnchecksTopAndLandscapeLeavesItUnchecked()
{
    VendrelEditWidget* panel = createPanel(UnitConversions::Inches);
    auto* top = child<QCheckBox>("TopCheckBox");
    QSignalSpy topSpy(panel, &VendrelEditWidget::topSignal);

    child<QCheckBox>("WrapCheckBox")->click();
    top->click();
    QVERIFY(top->isChecked());

    child<QToolButton>("PortraitButton")->click();
    QVERIFY(!top->isEnabled());
    QVERIFY(!top->isChecked());
    // The controller hears that the top line is gone.
    QCOMPARE(topSpy.count(), 2);
    QCOMPARE(topSpy.last().at(0).toBool(), false);

    child<QToolButton>("LandscapeButton")->click();
    QVERIFY(top->isEnabled());
    QVERIFY(!top->isChecked());
}

void PipePanelTest::topSetByTheControllerIsKeptUntilTheUserChangesIt_data()
{
    QTest::addColumn<bool>("portrait"); // set by the controller with wrap, then top on
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QStringList>("clicks"); // then the user's
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QList<bool>>("told"); // what topSignal said

    const QStringList none;
    QTest::newRow("portrait") << true << true << none << false << false << QList<bool>{};
    QTest::newRow("unwrapped") << false << false << none << false << false << QList<bool>{};
    QTest::newRow("wrapped landscape") << false << true << none << true << true << QList<bool>{};
    // Where the box can show the flag again, it shows the flag the label has.
    QTest::newRow("portrait, then landscape")
        << true << true << QStringList{"LandscapeButton"} << true << true << QList<bool>{};
    QTest::newRow("unwrapped, then wrapped")
        << false << false << QStringList{"WrapCheckBox"} << true << true << QList<bool>{};
    QTest::newRow("portrait unwrapped, then landscape and wrapped")
        << true << false << QStringList{"LandscapeButton", "WrapCheckBox"} << true << true
        << QList<bool>{};
    // The user sees the tick go: the label's top line goes with it.
    QTest::newRow("wrapped landscape, then portrait")
        << false << true << QStringList{"PortraitButton"} << false << false << QList<bool>{false};
    QTest::newRow("wrapped landscape, then portrait and back")
        << false << true << QStringList{"PortraitButton", "LandscapeButton"} << true << false
        << QList<bool>{false};
    QTest::newRow("wrapped landscape, top off and on")
        << false << true << QStringList{"TopCheckBox", "TopCheckBox"} << true << true
        << QList<bool>{false, true};
}

void PipePanelTest::topSetByTheControllerIsKeptUntilTheUserChangesIt()
{
    QFETCH(bool, portrait);
    QFETCH(bool, wrap);
    QFETCH(QStringList, clicks);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    QFETCH(QList<bool>, told);

    VendrelEditWidget* panel = createPanel(UnitConversions::Inches);
    auto* top = child<QCheckBox>("TopCheckBox");
    QSignalSpy topSpy(panel, &VendrelEditWidget::topSignal);
    panel->setOrientation(portrait);
    panel->setWrap(wrap);
    panel->setTop(true);
    for (const QString& name : clicks)
        child<QAbstractButton>(qPrintable(name))->click();

    QCOMPARE(top->isEnabled(), enabled);
    QCOMPARE(top->isChecked(), checked);
    QList<bool> said;
    for (const QList<QVariant>& signal : topSpy)
        said.append(signal.at(0).toBool());
    QCOMPARE(said, told);
}

// ---- Text height buttons -----------------------------------------------------

void PipePanelTest::textHeightStepButtons_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("increase");
    QTest::addColumn<QString>("expected"); // empty: nothing emitted

    QTest::newRow("inches up") << 0 << "0.50" << true << "0.60";
    QTest::newRow("inches down") << 0 << "0.50" << false << "0.40";
    QTest::newRow("inches down to 0.02") << 0 << "0.12" << false << "0.02";
    QTest::newRow("inches down at 0.10") << 0 << "0.10" << false << "";
    QTest::newRow("millimetres up") << 1 << "5" << true << "6.00";
    QTest::newRow("millimetres down") << 1 << "5.00" << false << "4.00";
    QTest::newRow("millimetres down under a point") << 1 << "1.30" << false << "";
    QTest::newRow("empty up") << 0 << "" << true << "";
    QTest::newRow("empty down") << 1 << "" << false << "";
}

void PipePanelTest::textHeightStepButtons()
{
    QFETCH(int, units);
    QFETCH(QString, start);
    QFETCH(bool, increase);
    QFETCH(QString, expected);

    VendrelEditWidget* panel = createPanel(units);
    panel->setFontHeight(start);
    QSignalSpy spy(panel, &VendrelEditWidget::fontHeightChangedSignal);

    child<QPushButton>(increase ? "FontHeightIncreaseButton" : "FontHeightDecreaseButton")->click();

    QCOMPARE(child("FontHeightEdit")->text(), expected.isEmpty() ? start : expected);
    QCOMPARE(spy.count(), expected.isEmpty() ? 0 : 1);
    if (!expected.isEmpty())
        QCOMPARE(spy.first().at(0).toString(), expected);
}

// ---- Units -------------------------------------------------------------------

void PipePanelTest::unitSwitchRescalesFields_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("before"); // length, width, text height
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("stepped"); // text height after the plus button

    const QStringList inches = {"8.00", "2", ""};
    const QStringList millimetres = {"203.20", "50.80", ""};
    QTest::newRow("user: inches to millimetres")
        << 0 << 1 << "combo" << inches << millimetres << "";
    QTest::newRow("user: millimetres to inches")
        << 1 << 0 << "combo" << QStringList{"25.4", "50.80", "12.70"}
        << QStringList{"1.00", "2.00", "0.50"} << "0.60";
    QTest::newRow("controller: same unit") << 1 << 1 << "setUnits" << QStringList{"25.4", "", "3"}
                                           << QStringList{"25.4", "", "3"} << "4.00";
    // Another module switched the process-wide unit while this panel was hidden.
    QTest::newRow("elsewhere, then shown")
        << 0 << 1 << "elsewhere+show" << QStringList{"8.00", "", "0.50"}
        << QStringList{"203.20", "", "12.70"} << "13.70";
    QTest::newRow("elsewhere, then new label")
        << 0 << 1 << "elsewhere+setUnits" << inches << millimetres << "";
}

void PipePanelTest::unitSwitchRescalesFields()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, how);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QString, stepped);

    VendrelEditWidget* panel = createPanel(from);
    panel->setLabelLength(before.at(0));
    panel->setLabelHeight(before.at(1));
    panel->setFontHeight(before.at(2));
    panel->setPipeDiameter(3);
    QSignalSpy unitsSpy(panel, &VendrelEditWidget::unitsChangedSignal);

    if (how.startsWith(QLatin1String("elsewhere")))
        UnitConversions::setCanvasUnits(static_cast<Units>(to));
    if (how == QLatin1String("combo")) {
        child<MvComboBox>("UnitsCombo")->setCurrentIndex(to);
    } else if (how.endsWith(QLatin1String("show"))) {
        panel->resize(930, 300);
        panel->show();
    } else {
        panel->setUnits(to);
    }

    QCOMPARE(child("LengthEdit")->text(), after.at(0));
    QCOMPARE(child("WidthEdit")->text(), after.at(1));
    QCOMPARE(child("FontHeightEdit")->text(), after.at(2));
    QCOMPARE(panel->getUnits(), to);
    QCOMPARE(int(UnitConversions::getCanvasUnits()), to);
    QCOMPARE(unitsSpy.count(), 1);
    QCOMPARE(unitsSpy.first().at(0).toBool(), to == 0);
    // The diameter list is the new unit's, on the same row.
    auto* diameter = child<MvComboBox>("PipeDiameterCombo");
    QCOMPARE(diameter->currentIndex(), 3);
    QCOMPARE(diameter->currentText().endsWith(QLatin1String(" mm")), to == 1);
    if (!stepped.isEmpty()) {
        child<QPushButton>("FontHeightIncreaseButton")->click();
        QCOMPARE(child("FontHeightEdit")->text(), stepped);
    }
}

void PipePanelTest::fieldsAcceptTheDotWhateverTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("becomes"); // empty: not acceptable

    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const char* field : {"LengthEdit", "WidthEdit", "FontHeightEdit"}) {
        QTest::addRow("%s dot", field) << german << field << "12.5"
                                       << "12.5";
        QTest::addRow("%s decimal comma", field) << german << field << "50,5"
                                                 << "50.5";
        QTest::addRow("%s two commas", field) << german << field << "1,000,5"
                                              << "";
        QTest::addRow("%s letters", field) << german << field << "abc"
                                           << "";
        // Where the comma groups thousands it is no decimal mark.
        QTest::addRow("%s grouping comma", field) << english << field << "1,000"
                                                  << "";
    }
}

void PipePanelTest::fieldsAcceptTheDotWhateverTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, becomes);

    // The controller reads fields with QString::toDouble, which only knows the dot.
    QLocale::setDefault(locale);
    VendrelEditWidget* panel = createPanel(UnitConversions::Inches);
    auto* edit = m_panel->findChild<MvLineEdit*>(field);
    const QValidator* validator = edit->validator();
    QVERIFY(validator);
    QString validated = text;
    int position = text.size();
    const bool acceptable = validator->validate(validated, position) == QValidator::Acceptable;
    QCOMPARE(acceptable, !becomes.isEmpty());
    if (!acceptable)
        return;
    QCOMPARE(validated, becomes);

    // Typed key by key, the controller hears the value the user meant.
    QSignalSpy length(panel, &VendrelEditWidget::lengthChangedSignal);
    QSignalSpy width(panel, &VendrelEditWidget::widthChangedSignal);
    QSignalSpy textHeight(panel, &VendrelEditWidget::fontHeightChangedSignal);
    panel->setResizeOption(VendrelEditWidget::NoResize);
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), becomes);
    QSignalSpy& spy = field == QLatin1String("LengthEdit")  ? length
                      : field == QLatin1String("WidthEdit") ? width
                                                            : textHeight;
    QCOMPARE(spy.count(), text.size());
    QCOMPARE(spy.last().at(0).toString(), becomes);
}

// ---- Warnings ----------------------------------------------------------------

void PipePanelTest::warningTextJoinsActiveWarningsInOrder_data()
{
    QTest::addColumn<QString>("reports"); // triples "1+,2-,0-", separated by "|"
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("emissions");

    QTest::newRow("all off while empty") << "3-,4-,5-"
                                         << "" << 0;
    QTest::newRow("two reports add up")
        << "1+,2-,0-|6+,7-,0-"
        << "Text Height Too Small To Print; Label Length Too Small To Print" << 2;
    QTest::newRow("enumeration order, not report order")
        << "6-,7+,0-|1-,2+,0-"
        << "Text Height Smaller Than ANSI Recommendations; "
           "Label Length Smaller Than ANSI Recommendations"
        << 2;
    QTest::newRow("switched off again is announced") << "3+,4-,5-|3-,4-,5-"
                                                     << "" << 2;
    QTest::newRow("all off after clearing is silent again") << "3+,4-,5-|3-,4-,5-|8-,9-,0-"
                                                            << "" << 2;
    QTest::newRow("layout triple")
        << "3+,4+,5+"
        << "Text Exceeds Canvas Length; Text And Arrows Overlap; Text Space Too Small To Print"
        << 1;
    QTest::newRow("later report replaces the state")
        << "8+,9-,0-|8-,9+,0-"
        << "Label Width Smaller Than ANSI Recommendations" << 2;
}

void PipePanelTest::warningTextJoinsActiveWarningsInOrder()
{
    QFETCH(QString, reports);
    QFETCH(QString, expected);
    QFETCH(int, emissions);

    VendrelEditWidget* panel = createPanel(UnitConversions::Inches);
    QSignalSpy spy(panel, &VendrelEditWidget::warningStringChanged);
    for (const QString& report : reports.split(QLatin1Char('|'))) {
        Vendrel::StatusErrorType error[3];
        bool on[3];
        const QStringList pairs = report.split(QLatin1Char(','));
        for (int i = 0; i < 3; ++i) {
            error[i] = static_cast<Vendrel::StatusErrorType>(pairs.at(i).chopped(1).toInt());
            on[i] = pairs.at(i).endsWith(QLatin1Char('+'));
        }
        panel->setErrorToStatus(error[0], on[0], error[1], on[1], error[2], on[2]);
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

void PipePanelTest::warningTextsKeepTheirCatalogueKeys_data()
{
    QTest::addColumn<int>("warning");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");

    QTest::newRow("1") << 1 << "Text Height Too Small To Print"
                       << "Texth\u00f6he zu klein zum Drucken";
    QTest::newRow("2") << 2 << "Text Height Smaller Than ANSI Recommendations"
                       << "Texth\u00f6he kleiner als ANSI-Empfehlung";
    QTest::newRow("3") << 3 << "Text Exceeds Canvas Length"
                       << "Text l\u00e4nger als das Etikett";
    QTest::newRow("4") << 4 << "Text And Arrows Overlap"
                       << "Text und Pfeile \u00fcberlappen";
    QTest::newRow("5") << 5 << "Text Space Too Small To Print"
                       << "Platz f\u00fcr den Text zu klein zum Drucken";
    QTest::newRow("6") << 6 << "Label Length Too Small To Print"
                       << "Etikettl\u00e4nge zu klein zum Drucken";
    QTest::newRow("7") << 7 << "Label Length Smaller Than ANSI Recommendations"
                       << "Etikettl\u00e4nge kleiner als ANSI-Empfehlung";
    QTest::newRow("8") << 8 << "Label Width Smaller Than Available Supply"
                       << "Etikettbreite kleiner als das eingelegte Material";
    QTest::newRow("9") << 9 << "Label Width Smaller Than ANSI Recommendations"
                       << "Etikettbreite kleiner als ANSI-Empfehlung";
    QTest::newRow("10") << 10 << "Other Issues Possibly Printer Related"
                        << "Andere Probleme, m\u00f6glicherweise druckerbedingt";
}

void PipePanelTest::warningTextsKeepTheirCatalogueKeys()
{
    QFETCH(int, warning);
    QFETCH(QString, english);
    QFETCH(QString, german);

    const auto type = static_cast<Vendrel::StatusErrorType>(warning);
    QCOMPARE(VendrelWarnings::text(type), english);

    // The catalogue finds a text only under the context and source it was written with.
    QTranslator translator;
    QVERIFY(translator.load(QLocale(QStringLiteral("de_DE")), QStringLiteral("quillory"),
                            QStringLiteral("_"), DataRoot::path() + QStringLiteral("translations"),
                            QString()));
    QCoreApplication::installTranslator(&translator);
    const QString translated = VendrelWarnings::text(type);
    VendrelEditWidget* panel = createPanel(UnitConversions::Inches);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, german);

    // The panel shows the texts in the language it was built in.
    QSignalSpy spy(panel, &VendrelEditWidget::warningStringChanged);
    panel->setErrorToStatus(type, true, Vendrel::NoError, false, Vendrel::NoError, false);
    QCOMPARE(spy.last().at(0).toString(), translated);
    QCOMPARE(VendrelWarnings::text(Vendrel::NoError), QString());
}

// ---- Pipe diameter lists -------------------------------------------------------

void PipePanelTest::pipeDiameterListsFollowUnitsAndLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("units");
    QTest::addColumn<QStringList>("rows");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("inches") << english << 0
                            << QStringList{"Custom size",     "0.75\" - 1.25\"",  "1.50\" - 2.00\"",
                                           "2.50\" - 6.00\"", "8.00\" - 10.00\"", "Over 10.00\""};
    QTest::newRow("millimetres") << english << 1 << QStringList{"Custom size",     "19 mm - 32 mm",
                                                                "38 mm - 51 mm",   "64 mm - 152 mm",
                                                                "203 mm - 254 mm", "Over 254 mm"};
    QTest::newRow("inches, decimal comma")
        << QLocale(QLocale::German, QLocale::Germany) << 0
        << QStringList{"Custom size",     "0,75\" - 1,25\"",  "1,50\" - 2,00\"",
                       "2,50\" - 6,00\"", "8,00\" - 10,00\"", "Over 10,00\""};
}

void PipePanelTest::pipeDiameterListsFollowUnitsAndLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(int, units);
    QFETCH(QStringList, rows);

    QLocale::setDefault(locale);
    // Built in the other unit and switched, so that both lists are exercised.
    VendrelEditWidget* panel = createPanel(1 - units);
    auto* combo = child<MvComboBox>("PipeDiameterCombo");
    panel->setUnits(units);

    QStringList shown;
    for (int row = 0; row < combo->count(); ++row)
        shown << combo->itemText(row);
    QCOMPARE(shown, rows);
    QCOMPARE(combo->currentIndex(), 1);
    // A row from a damaged file is shown as "Custom size".
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

    VendrelEditWidget* panel = createPanel(UnitConversions::Inches);
    auto* combo = child<ColorListCombo>("ColorCombo");
    QCOMPARE(combo->currentIndex(), 9); // a new label is black on white
    QSignalSpy spy(panel, &VendrelEditWidget::colorChangedSignal);

    combo->setColorIndex(4); // BLUE, as the user would choose it
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(0).value<QColor>(), QColor("#0018a8"));
    QCOMPARE(spy.first().at(1).value<QColor>(), QColor(Qt::white));

    panel->updateColorCombo(text, background);
    QCOMPARE(combo->currentIndex(), row);
    QCOMPARE(spy.count(), 1);
}

// ---- Text, arrows, wizard --------------------------------------------------------

void PipePanelTest::textSetByControllerIsNotEchoed()
{
    VendrelEditWidget* panel = createPanel(UnitConversions::Inches);
    QSignalSpy spy(panel, &VendrelEditWidget::textContentChangedSignal);

    panel->setTextContent(QStringLiteral("STEAM"));
    QCOMPARE(spy.count(), 0);
    QTest::keyClicks(child("TextEdit"), QStringLiteral("!"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(0).toString(), QStringLiteral("STEAM!"));
}

void PipePanelTest::arrowFrameCoversLegendWhenOpened()
{
    VendrelEditWidget* panel = createPanel(UnitConversions::Inches);
    panel->resize(930, 300);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    auto* arrowFrame = child<QFrame>("ArrowFrame");
    QVERIFY(!arrowFrame->isVisible());

    child<QPushButton>("LeftArrowButton")->click();
    finishAnimations(panel);
    QVERIFY(arrowFrame->isVisible());
    QCOMPARE(arrowFrame->pos(), child<QFrame>("PipeFrame")->pos());
    // The picker is the upper of the two frames: a touch in its middle reaches it.
    QWidget* touched = panel->childAt(arrowFrame->geometry().center());
    QVERIFY(touched == arrowFrame || arrowFrame->isAncestorOf(touched));

    child<QPushButton>("ArrowCloseButton")->click();
    finishAnimations(panel);
    QVERIFY(!arrowFrame->isVisible());
    QVERIFY(!child<QPushButton>("LeftArrowButton")->isChecked());

    // The controller's icon puts the button back to rest and the frame away.
    child<QPushButton>("RightArrowButton")->click();
    finishAnimations(panel);
    QVERIFY(arrowFrame->isVisible());
    panel->setRightArrow(3, panel->getSymbolsMenu()->getAddArrowIcon());
    QVERIFY(!arrowFrame->isVisible());
    QVERIFY(!child<QPushButton>("RightArrowButton")->isChecked());
}

void PipePanelTest::wizardStartedAgainIsBackOnFirstPage()
{
    WizardVendrel wizard;
    QSignalSpy finished(&wizard, &QDialog::finished);
    for (int start = 0; start < 2; ++start) {
        wizard.restart();
        wizard.show();
        QCOMPARE(wizard.currentId(), wizard.pageIds().first());
        wizard.next();
        wizard.next();
        QCOMPARE(wizard.currentId(), wizard.pageIds().at(2));
        // Finishing from any page ends it, accepted.
        wizard.accept();
        QVERIFY(!wizard.isVisible());
    }
    QCOMPARE(finished.count(), 2);
    QCOMPARE(finished.last().at(0).toInt(), int(QDialog::Accepted));
}

QTEST_MAIN(PipePanelTest)
#include "tst_pipepanel.moc"
