#include "units/defaultunitcontroller.h"
#include "units/unitconversions.h"

#include <QSettings>
#include <QtTest>

#include <sys/stat.h>

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
    void storingTheStoredUnitLeavesTheSettingsFileAlone_data();
    void storingTheStoredUnitLeavesTheSettingsFileAlone();
};

namespace {
// The settings file is replaced, never rewritten in place, when it is written:
// a new inode means it was written.
ino_t settingsInode()
{
    struct stat info = {};
    if (::stat(QFile::encodeName(QSettings().fileName()).constData(), &info) != 0)
        return 0;
    return info.st_ino;
}
} // namespace

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

void TestUnits::storingTheStoredUnitLeavesTheSettingsFileAlone_data()
{
    QTest::addColumn<QVariant>("stored"); // raw in the settings
    QTest::addColumn<int>("units");
    QTest::addColumn<bool>("written");
    QTest::newRow("millimetres again") << QVariant(1) << 1 << false;
    QTest::newRow("inches again") << QVariant(0) << 0 << false;
    QTest::newRow("inches after millimetres") << QVariant(1) << 0 << true;
    QTest::newRow("inches over unreadable text") << QVariant(QStringLiteral("mm")) << 0 << true;
    QTest::newRow("inches over nothing") << QVariant() << 0 << true;
}

// Opening a label stores the unit its panel shows; the file must be written only
// when that changes what it holds.
void TestUnits::storingTheStoredUnitLeavesTheSettingsFileAlone()
{
    QFETCH(QVariant, stored);
    QFETCH(int, units);
    QFETCH(bool, written);
    {
        QSettings settings;
        settings.setValue(QStringLiteral("anchor"), true);
        if (stored.isValid())
            settings.setValue(DefaultUnitController::SettingsKey, stored);
        else
            settings.remove(DefaultUnitController::SettingsKey);
    }
    const ino_t before = settingsInode();
    QVERIFY(before != 0);
    DefaultUnitController::saveDefaultUnit(static_cast<unsigned char>(units));
    QCOMPARE(settingsInode() != before, written);
    QCOMPARE(int(DefaultUnitController::getDefaultUnits()), units);
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
