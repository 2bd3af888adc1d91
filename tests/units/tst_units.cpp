#include "units/defaultunitcontroller.h"
#include "units/unitconversions.h"

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
    void storedDefaultIsReadSafely_data();
    void storedDefaultIsReadSafely();
};

void TestUnits::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
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
    QVERIFY(qAbs(UnitConversions::convertUserUnitsToLocalUnits(shown) - points) < 1e-9);
}

void TestUnits::switchFactorRescalesShownValues_data()
{
    QTest::addColumn<UnitConversions::Units>("from");
    QTest::addColumn<UnitConversions::Units>("to");
    QTest::addColumn<double>("factor");
    QTest::newRow("in to mm") << UnitConversions::Inches << UnitConversions::Millimeters << 25.4;
    QTest::newRow("mm to in") << UnitConversions::Millimeters << UnitConversions::Inches
                              << 1.0 / 25.4;
    QTest::newRow("mm stay") << UnitConversions::Millimeters << UnitConversions::Millimeters << 1.0;
}

void TestUnits::switchFactorRescalesShownValues()
{
    QFETCH(UnitConversions::Units, from);
    QFETCH(UnitConversions::Units, to);
    QFETCH(double, factor);
    UnitConversions::setCanvasUnits(from);
    const double shownBefore = UnitConversions::convertLocalUnitsToUserUnits(144.0);
    UnitConversions::setCanvasUnits(to);
    const double got = UnitConversions::convertOtherUnitsToUserUnits(from);
    QVERIFY2(qAbs(got - factor) < 1e-12, qPrintable(QString::number(got, 'g', 17)));
    // A shown value rescaled by the factor is what the new unit shows directly.
    QVERIFY(qAbs(shownBefore * got - UnitConversions::convertLocalUnitsToUserUnits(144.0)) < 1e-9);
}

void TestUnits::storedDefaultIsReadSafely_data()
{
    QTest::addColumn<QVariant>("saved"); // through saveDefaultUnit when an int, else raw
    QTest::addColumn<int>("expected");
    QTest::newRow("millimetres saved") << QVariant(1) << 1;
    QTest::newRow("inches saved") << QVariant(0) << 0;
    QTest::newRow("unknown unit refused, previous kept") << QVariant(2) << 1;
    QTest::newRow("stored too large") << QVariant(QStringLiteral("7")) << 0;
    QTest::newRow("stored negative") << QVariant(QStringLiteral("-1")) << 0;
    QTest::newRow("stored text") << QVariant(QStringLiteral("mm")) << 0;
}

void TestUnits::storedDefaultIsReadSafely()
{
    QFETCH(QVariant, saved);
    QFETCH(int, expected);
    DefaultUnitController::saveDefaultUnit(1);
    if (saved.type() == QVariant::Int) {
        if (saved.toInt() > 1)
            QTest::ignoreMessage(QtWarningMsg, "Refusing to store unknown default unit 2");
        DefaultUnitController::saveDefaultUnit(static_cast<unsigned char>(saved.toInt()));
    } else {
        QSettings().setValue(DefaultUnitController::SettingsKey, saved);
    }
    QCOMPARE(int(DefaultUnitController::getDefaultUnits()), expected);
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
