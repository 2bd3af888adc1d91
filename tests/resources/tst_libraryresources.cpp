#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtTest>

// The editor's pictures must be inside the shared library itself: a program that
// only loads the library (the launcher) gets no other copy of them.
class TestLibraryResources : public QObject
{
    Q_OBJECT

private slots:
    void libraryCarriesItsPictures_data();
    void libraryCarriesItsPictures();
};

extern "C" const char* vendrelModuleVersion();

void TestLibraryResources::libraryCarriesItsPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("tool column") << QStringLiteral(":/Common/Icons/CommonIcons/new.png");
    QTest::newRow("module selector") << QStringLiteral(":/Common/Icons/CommonIcons/pipeOption.png");
    QTest::newRow("pipe panel") << QStringLiteral(":/Pipe/Icons/PipeIcons/portrait.png");
}

void TestLibraryResources::libraryCarriesItsPictures()
{
    // Referencing the library makes the linker keep it, and loading it registers
    // its resources.
    QVERIFY(vendrelModuleVersion() != nullptr);
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QVERIFY(!QImage(path).isNull());
}

QTEST_MAIN(TestLibraryResources)
#include "tst_libraryresources.moc"
