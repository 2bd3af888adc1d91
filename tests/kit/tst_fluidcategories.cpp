#include "kit/fluidcategories.h"

#include <QTranslator>
#include <QtTest>

using VendrelConstants::BandPalette;
using VendrelConstants::PaletteIndex;
using namespace VendrelConstants;

class FluidCategoriesTest : public QObject
{
    Q_OBJECT

private slots:
    void categoriesWearTheStandardsColours_data();
    void categoriesWearTheStandardsColours();
    void namesFromFilesAndCommandLines_data();
    void namesFromFilesAndCommandLines();
    void shownNamesAreTranslated();
};

void FluidCategoriesTest::categoriesWearTheStandardsColours_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("text");
    QTest::newRow("fire quenching")
        << int(FluidCategories::FireQuenching) << int(PaletteRed) << int(PaletteWhite);
    QTest::newRow("toxic and corrosive")
        << int(FluidCategories::ToxicCorrosive) << int(PaletteOrange) << int(PaletteBlack);
    QTest::newRow("flammable") << int(FluidCategories::Flammable) << int(PaletteYellow)
                               << int(PaletteBlack);
    QTest::newRow("combustible") << int(FluidCategories::Combustible) << int(PaletteBrown)
                                 << int(PaletteWhite);
    QTest::newRow("water") << int(FluidCategories::Water) << int(PaletteGreen) << int(PaletteWhite);
    QTest::newRow("compressed air")
        << int(FluidCategories::CompressedAir) << int(PaletteBlue) << int(PaletteWhite);
    QTest::newRow("user 1") << int(FluidCategories::UserDefined1) << int(PalettePurple)
                            << int(PaletteWhite);
    QTest::newRow("user 2") << int(FluidCategories::UserDefined2) << int(PaletteWhite)
                            << int(PaletteBlack);
    QTest::newRow("user 3") << int(FluidCategories::UserDefined3) << int(PaletteGray)
                            << int(PaletteWhite);
    QTest::newRow("user 4") << int(FluidCategories::UserDefined4) << int(PaletteBlack)
                            << int(PaletteWhite);
}

void FluidCategoriesTest::categoriesWearTheStandardsColours()
{
    QFETCH(int, category);
    QFETCH(int, band);
    QFETCH(int, text);
    const auto wanted = static_cast<FluidCategories::Category>(category);
    const FluidCategories::Entry* entry = FluidCategories::entry(wanted);
    QVERIFY(entry);
    QCOMPARE(int(BandPalette[entry->bandRow].background), band);
    QCOMPARE(int(BandPalette[entry->bandRow].foreground), text);
    // And back: a band of these colours names this category.
    QCOMPARE(FluidCategories::forBandRow(entry->bandRow), wanted);
    QCOMPARE(FluidCategories::forColors(PaletteIndex(band), PaletteIndex(text)), wanted);
}

void FluidCategoriesTest::namesFromFilesAndCommandLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("category");
    QTest::newRow("key") << "fire-quenching" << int(FluidCategories::FireQuenching);
    QTest::newRow("shown name") << "Toxic and Corrosive" << int(FluidCategories::ToxicCorrosive);
    QTest::newRow("capitals, underscores")
        << "COMPRESSED_AIR" << int(FluidCategories::CompressedAir);
    QTest::newRow("blanks around") << "  water " << int(FluidCategories::Water);
    QTest::newRow("band colour") << "yellow" << int(FluidCategories::Flammable);
    QTest::newRow("band colour, capitals") << "BROWN" << int(FluidCategories::Combustible);
    QTest::newRow("white band") << "white" << int(FluidCategories::UserDefined2);
    QTest::newRow("colour of no band") << "sky blue" << int(FluidCategories::None);
    QTest::newRow("unknown") << "lemonade" << int(FluidCategories::None);
    QTest::newRow("empty") << "" << int(FluidCategories::None);
}

void FluidCategoriesTest::namesFromFilesAndCommandLines()
{
    QFETCH(QString, name);
    QFETCH(int, category);
    QCOMPARE(int(FluidCategories::fromName(name)), category);
}

void FluidCategoriesTest::shownNamesAreTranslated()
{
    QTranslator translator;
    QVERIFY(translator.load(
        QLocale(QStringLiteral("de_DE")), QStringLiteral("quillory"), QStringLiteral("_"),
        qEnvironmentVariable("MORVANTIC_DATA_ROOT") + QStringLiteral("/translations"), QString()));
    QCOMPARE(FluidCategories::shownName(FluidCategories::Water), QStringLiteral("Water"));
    QCoreApplication::installTranslator(&translator);
    const QString german = FluidCategories::shownName(FluidCategories::Water);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(german, QStringLiteral("Wasser"));
    QCOMPARE(FluidCategories::shownName(FluidCategories::None), QString());
}

int runFluidCategoriesTests(int argc, char** argv)
{
    FluidCategoriesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fluidcategories.moc"
