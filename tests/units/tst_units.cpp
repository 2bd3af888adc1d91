#include "basicconversions.h"
#include "defaultunitcontroller.h"
#include "unitconversions.h"

#include <QSettings>
#include <QtTest>

Q_DECLARE_METATYPE(UnitConversions::Units)

class TestUnits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    // Must stay first: the current unit is read from the settings only once.
    void currentUnitStartsFromStoredDefault();
    void lengthsRoundTripThroughUserUnits_data();
    void lengthsRoundTripThroughUserUnits();
    void switchFactorRescalesShownValues_data();
    void switchFactorRescalesShownValues();
    void defaultUnitIsStoredAndReadBack_data();
    void defaultUnitIsStoredAndReadBack();
    void badStoredDefaultReadsAsInches_data();
    void badStoredDefaultReadsAsInches();
    void unknownDefaultUnitIsNotStored();
    void almostEqualIsStrict_data();
    void almostEqualIsStrict();
};

void TestUnits::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
    QSettings().clear();
}

void TestUnits::currentUnitStartsFromStoredDefault()
{
    DefaultUnitController::saveDefaultUnit(UnitConversions::Millimeters);
    QCOMPARE(UnitConversions::getCanvasUnits(), UnitConversions::Millimeters);
    // Once known, the current unit no longer follows the stored default.
    DefaultUnitController::saveDefaultUnit(UnitConversions::Inches);
    QCOMPARE(UnitConversions::getCanvasUnits(), UnitConversions::Millimeters);
}

void TestUnits::lengthsRoundTripThroughUserUnits_data()
{
    QTest::addColumn<UnitConversions::Units>("units");
    QTest::addColumn<double>("points");
    QTest::addColumn<double>("userValue");
    QTest::newRow("2 in") << UnitConversions::Inches << 144.0 << 2.0;
    QTest::newRow("50.8 mm") << UnitConversions::Millimeters << 144.0 << 50.8;
    QTest::newRow("1 mm") << UnitConversions::Millimeters << 72.0 / 25.4 << 1.0;
    QTest::newRow("half inch") << UnitConversions::Inches << 36.0 << 0.5;
    QTest::newRow("zero") << UnitConversions::Millimeters << 0.0 << 0.0;
    QTest::newRow("negative") << UnitConversions::Millimeters << -72.0 << -25.4;
}

void TestUnits::lengthsRoundTripThroughUserUnits()
{
    QFETCH(UnitConversions::Units, units);
    QFETCH(double, points);
    QFETCH(double, userValue);
    UnitConversions::setCanvasUnits(units);
    const double shown = UnitConversions::convertLocalUnitsToUserUnits(points);
    QVERIFY2(qAbs(shown - userValue) < 1e-9, qPrintable(QString::number(shown, 'g', 17)));
    const double back = UnitConversions::convertUserUnitsToLocalUnits(shown);
    QVERIFY2(qAbs(back - points) < 1e-9, qPrintable(QString::number(back, 'g', 17)));
}

void TestUnits::switchFactorRescalesShownValues_data()
{
    QTest::addColumn<UnitConversions::Units>("from");
    QTest::addColumn<UnitConversions::Units>("to");
    QTest::addColumn<double>("factor");
    QTest::newRow("inches to mm") << UnitConversions::Inches << UnitConversions::Millimeters
                                  << 25.4;
    QTest::newRow("mm to inches") << UnitConversions::Millimeters << UnitConversions::Inches
                                  << 1.0 / 25.4;
    QTest::newRow("inches stay") << UnitConversions::Inches << UnitConversions::Inches << 1.0;
    QTest::newRow("mm stay") << UnitConversions::Millimeters << UnitConversions::Millimeters << 1.0;
}

void TestUnits::switchFactorRescalesShownValues()
{
    QFETCH(UnitConversions::Units, from);
    QFETCH(UnitConversions::Units, to);
    QFETCH(double, factor);
    const double points = 144.0;
    UnitConversions::setCanvasUnits(from);
    const double shownBefore = UnitConversions::convertLocalUnitsToUserUnits(points);
    UnitConversions::setCanvasUnits(to);
    const double got = UnitConversions::convertOtherUnitsToUserUnits(from);
    QVERIFY2(qAbs(got - factor) < 1e-12, qPrintable(QString::number(got, 'g', 17)));
    // A value rescaled by the factor must be what the new unit shows directly.
    QVERIFY(qAbs(shownBefore * got - UnitConversions::convertLocalUnitsToUserUnits(points)) < 1e-9);
}

void TestUnits::defaultUnitIsStoredAndReadBack_data()
{
    QTest::addColumn<int>("units");
    QTest::newRow("millimetres") << 1;
    QTest::newRow("inches") << 0;
}

void TestUnits::defaultUnitIsStoredAndReadBack()
{
    QFETCH(int, units);
    const unsigned char value = static_cast<unsigned char>(units);
    DefaultUnitController::saveDefaultUnit(value);
    QCOMPARE(int(DefaultUnitController::getDefaultUnits()), units);
    // Another store object (as a later run would open) sees the same value.
    QCOMPARE(QSettings().value(QLatin1String(DefaultUnitController::SettingsKey)).toInt(), units);
}

void TestUnits::badStoredDefaultReadsAsInches_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("too large") << QVariant(7);
    QTest::newRow("negative") << QVariant(-1);
    QTest::newRow("text") << QVariant(QStringLiteral("mm"));
    QTest::newRow("empty") << QVariant(QString());
    QTest::newRow("fraction text") << QVariant(QStringLiteral("1.5"));
}

void TestUnits::badStoredDefaultReadsAsInches()
{
    QFETCH(QVariant, stored);
    {
        QSettings settings;
        settings.setValue(QLatin1String(DefaultUnitController::SettingsKey), stored);
    }
    QCOMPARE(int(DefaultUnitController::getDefaultUnits()), 0);
}

void TestUnits::unknownDefaultUnitIsNotStored()
{
    DefaultUnitController::saveDefaultUnit(1);
    QTest::ignoreMessage(QtWarningMsg, "Refusing to store unknown default unit 2");
    DefaultUnitController::saveDefaultUnit(2);
    QCOMPARE(int(DefaultUnitController::getDefaultUnits()), 1);
}

void TestUnits::almostEqualIsStrict_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("epsilon");
    QTest::addColumn<bool>("equal");
    QTest::newRow("within") << 1.0 << 1.0004 << 0.0005 << true;
    QTest::newRow("beyond") << 1.0 << 1.001 << 0.0005 << false;
    QTest::newRow("order does not matter") << 1.001 << 1.0 << 0.0005 << false;
    QTest::newRow("across zero") << -0.0002 << 0.0002 << 0.0005 << true;
    QTest::newRow("zero epsilon never equal") << 3.0 << 3.0 << 0.0 << false;
}

void TestUnits::almostEqualIsStrict()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, epsilon);
    QFETCH(bool, equal);
    QCOMPARE(BasicConversions::almostEqual(a, b, epsilon), equal);
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
