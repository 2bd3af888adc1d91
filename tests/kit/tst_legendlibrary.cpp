#include "kit/legendlibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "widgets/dataroot.h"

class LegendLibraryTest : public QObject
{
    Q_OBJECT

private slots:
    void linesOfTheFile_data();
    void linesOfTheFile();
    void userCopyRoundTripsAndHidesTheFactoryList();
    void factoryLibraries_data();
    void factoryLibraries();
};

void LegendLibraryTest::linesOfTheFile_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("legend");
    QTest::addColumn<int>("category");
    QTest::newRow("key and legend") << "water\tCHILLED WATER SUPPLY" << true
                                    << "CHILLED WATER SUPPLY" << int(FluidCategories::Water);
    QTest::newRow("shown name as key")
        << "Fire Quenching\tDELUGE" << true << "DELUGE" << int(FluidCategories::FireQuenching);
    QTest::newRow("unknown key keeps the legend")
        << "plasma\tARC GAS" << true << "ARC GAS" << int(FluidCategories::None);
    QTest::newRow("no tab: legend without category")
        << "VENT" << true << "VENT" << int(FluidCategories::None);
    QTest::newRow("blank legend") << "water\t  " << false << "" << int(FluidCategories::None);
}

void LegendLibraryTest::linesOfTheFile()
{
    QFETCH(QString, line);
    QFETCH(bool, accepted);
    LegendLibrary::Entry entry;
    QCOMPARE(LegendLibrary::parse(line, entry), accepted);
    if (!accepted)
        return;
    QTEST(entry.legend, "legend");
    QTEST(int(entry.category), "category");
    LegendLibrary::Entry again;
    QVERIFY(LegendLibrary::parse(LegendLibrary::line(entry), again));
    QCOMPARE(again, entry);
}

void LegendLibraryTest::userCopyRoundTripsAndHidesTheFactoryList()
{
    QTemporaryDir factory;
    QTemporaryDir user;
    const QString name = LegendLibrary::fileName(QStringLiteral("en_US"));
    {
        QFile file(QDir(factory.path()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("water\tDRAIN\r\ncompressed-air\tVACUUM\n\n");
    }
    LegendLibrary library;
    QVERIFY(library.load(QStringLiteral("en_US"), user.path(), factory.path()));
    QCOMPARE(library.entries().size(), 2);
    QVERIFY(!library.isChanged());

    QCOMPARE(library.add(QStringLiteral("drain"), FluidCategories::ToxicCorrosive), 0);
    QCOMPARE(library.add(QStringLiteral("NATURAL\tGAS"), FluidCategories::Flammable), 2);
    QCOMPARE(library.add(QStringLiteral("  "), FluidCategories::Water), -1);
    library.remove(1);
    QVERIFY(library.isChanged());
    QVERIFY(library.save(QStringLiteral("en_US"), user.path()));
    QVERIFY(!library.isChanged());

    LegendLibrary reread;
    QVERIFY(reread.load(QStringLiteral("en_US"), user.path(), factory.path()));
    const QVector<LegendLibrary::Entry> expected{
        {QStringLiteral("DRAIN"), FluidCategories::ToxicCorrosive},
        {QStringLiteral("NATURAL GAS"), FluidCategories::Flammable}};
    QCOMPARE(reread.entries(), expected);

    // Emptied by the user, the library stays empty rather than coming back.
    reread.remove(1);
    reread.remove(0);
    QVERIFY(reread.save(QStringLiteral("en_US"), user.path()));
    QVERIFY(library.load(QStringLiteral("en_US"), user.path(), factory.path()));
    QVERIFY(library.entries().isEmpty());
}

void LegendLibraryTest::factoryLibraries_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("English") << "en_US";
    QTest::newRow("German") << "de_DE";
}

void LegendLibraryTest::factoryLibraries()
{
    QFETCH(QString, locale);
    const QString factory = DataRoot::path() + QStringLiteral("Vendrel/");
    QTemporaryDir noUser;
    LegendLibrary library;
    QVERIFY(library.load(locale, noUser.path(), factory));
    LegendLibrary english;
    QVERIFY(english.load(QStringLiteral("en_US"), noUser.path(), factory));
    QVERIFY(library.entries().size() >= 60);
    // The languages name the same fluids in the same order and categories.
    QCOMPARE(library.entries().size(), english.entries().size());
    QSet<QString> seen;
    for (int row = 0; row < library.entries().size(); ++row) {
        const LegendLibrary::Entry& entry = library.entries().at(row);
        QVERIFY2(entry.category != FluidCategories::None, qPrintable(entry.legend));
        QCOMPARE(entry.category, english.entries().at(row).category);
        QVERIFY2(!seen.contains(entry.legend.toUpper()), qPrintable(entry.legend));
        seen.insert(entry.legend.toUpper());
    }
    for (const char* legend : {"CHILLED WATER SUPPLY", "FIRE SPRINKLER", "NATURAL GAS", "FUEL OIL",
                               "COMPRESSED AIR", "AMMONIA"})
        QVERIFY2(english.find(QString::fromLatin1(legend)) >= 0, legend);
    QCOMPARE(english.entries().at(english.find(QStringLiteral("natural gas"))).category,
             FluidCategories::Flammable);
}

int runLegendLibraryTests(int argc, char** argv)
{
    LegendLibraryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_legendlibrary.moc"
