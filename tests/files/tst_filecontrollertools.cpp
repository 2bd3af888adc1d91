#include "files/filecontrollertools.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestFileControllerTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void historyKeepsNewestFirstWithoutDuplicates_data();
    void historyKeepsNewestFirstWithoutDuplicates();
    void closeSavedFileReportsOutcome_data();
    void closeSavedFileReportsOutcome();
    void defaultFolderFallsBackWhenMissing_data();
    void defaultFolderFallsBackWhenMissing();

private:
    QTemporaryDir m_dir;
};

void TestFileControllerTools::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void TestFileControllerTools::historyKeepsNewestFirstWithoutDuplicates_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");
    const QString cwd = QDir::currentPath();
    QTest::newRow("newest first") << QStringList{"/l/a.qypm", "/l/b.qyam", "/l/c.qyaw"}
                                  << QStringList{"/l/c.qyaw", "/l/b.qyam", "/l/a.qypm"};
    QTest::newRow("saving again moves to the head")
        << QStringList{"/l/a.qypm", "/l/b.qypm", "/l/a.qypm"}
        << QStringList{"/l/a.qypm", "/l/b.qypm"};
    QTest::newRow("same file again stays single")
        << QStringList{"/l/a.qypm", "/l/a.qypm"} << QStringList{"/l/a.qypm"};
    QStringList twelve;
    QStringList lastTen;
    for (int i = 0; i < 12; ++i)
        twelve << QStringLiteral("/l/%1.qypm").arg(i);
    for (int i = 11; i >= 2; --i)
        lastTen << QStringLiteral("/l/%1.qypm").arg(i);
    QTest::newRow("bounded to ten, oldest dropped") << twelve << lastTen;
    QTest::newRow("relative path stored absolute")
        << QStringList{"labels/pump.qypm"} << QStringList{cwd + "/labels/pump.qypm"};
    QTest::newRow("relative and absolute name of one file count once")
        << QStringList{cwd + "/x.qypm", "./sub/../x.qypm"} << QStringList{cwd + "/x.qypm"};
    QTest::newRow("blank name is not recorded")
        << QStringList{"/l/a.qypm", "  "} << QStringList{"/l/a.qypm"};
    QTest::newRow("commas and spaces survive the store")
        << QStringList{"/l/pump room, north.qypm", "/l/b.qypm"}
        << QStringList{"/l/b.qypm", "/l/pump room, north.qypm"};
}

void TestFileControllerTools::historyKeepsNewestFirstWithoutDuplicates()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);
    const QString ini =
        m_dir.filePath(QStringLiteral("history-%1.ini").arg(QTest::currentDataTag()));
    {
        QSettings settings(ini, QSettings::IniFormat);
        bool opened = false;
        for (const QString& path : added) {
            if (path.trimmed().isEmpty())
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Not adding"));
            FileControllerTools::saveFileInHistory(path, settings, opened, "fileHistory");
            opened = !opened; // opened and saved files share one list
        }
    }
    // Read back through a fresh store, as the next run of the program would.
    QSettings reread(ini, QSettings::IniFormat);
    QCOMPARE(FileControllerTools::fileHistory(reread, "fileHistory"), expected);
    QCOMPARE(reread.value("fileHistory").toStringList(), expected);
}

void TestFileControllerTools::closeSavedFileReportsOutcome_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QByteArray>("afterwards"); // contents of the target afterwards
    QTest::newRow("save file commits new content") << "save" << true << QByteArray("new label");
    QTest::newRow("cancelled save file keeps old content")
        << "save-cancelled" << false << QByteArray("old label");
    QTest::newRow("save file whose folder vanished")
        << "save-folder-gone" << false << QByteArray("<missing>");
    QTest::newRow("plain file is closed") << "plain" << true << QByteArray("new label");
    QTest::newRow("plain file on a full device") << "full" << false << QByteArray();
    QTest::newRow("device never opened keeps old content")
        << "closed" << false << QByteArray("old label");
}

void TestFileControllerTools::closeSavedFileReportsOutcome()
{
    QFETCH(QString, kind);
    QFETCH(bool, result);
    QFETCH(QByteArray, afterwards);
    QTemporaryDir dir;
    QString target = dir.filePath(QStringLiteral("label.qypm"));
    QVERIFY(writeFile(target, "old label"));

    QScopedPointer<QFileDevice> device;
    if (kind.startsWith(QLatin1String("save"))) {
        auto* save = new QSaveFile(target);
        device.reset(save);
        QVERIFY(save->open(QIODevice::WriteOnly));
        save->write("new label");
        if (kind == QLatin1String("save-cancelled"))
            save->cancelWriting();
        if (kind == QLatin1String("save-folder-gone"))
            QVERIFY(QDir().rename(dir.path(), dir.path() + QStringLiteral("-moved")));
    } else if (kind == QLatin1String("plain")) {
        device.reset(new QFile(target));
        QVERIFY(device->open(QIODevice::WriteOnly | QIODevice::Truncate));
        device->write("new label");
    } else if (kind == QLatin1String("full")) {
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full on this system");
        target = QStringLiteral("/dev/full");
        device.reset(new QFile(target));
        QVERIFY(device->open(QIODevice::WriteOnly));
        device->write("new label");
    } else if (kind == QLatin1String("closed")) {
        device.reset(new QFile(target));
    }

    if (!result) // failures explain themselves
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("."));
    QCOMPARE(FileControllerTools::closeSavedFile(target, device.data()), result);
    if (kind != QLatin1String("full"))
        QCOMPARE(contents(target), afterwards);
    if (kind == QLatin1String("save-folder-gone")) {
        // The moved folder keeps the old file and no temporary is left over.
        const QDir moved(dir.path() + QStringLiteral("-moved"));
        QCOMPARE(moved.entryList(QDir::Files), QStringList{"label.qypm"});
        QCOMPARE(contents(moved.filePath("label.qypm")), QByteArray("old label"));
        QVERIFY(QDir(moved).removeRecursively());
    }
    if (kind == QLatin1String("save") || kind == QLatin1String("save-cancelled"))
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"label.qypm"});
}

void TestFileControllerTools::defaultFolderFallsBackWhenMissing_data()
{
    QTest::addColumn<bool>("storeFolder");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<bool>("documentsExists");
    QTest::addColumn<QString>("expected"); // "labels", "documents" or "home"
    QTest::newRow("last label folder") << true << true << true << "labels";
    QTest::newRow("last folder deleted") << true << false << true << "documents";
    QTest::newRow("no documents folder") << true << false << false << "home";
}

void TestFileControllerTools::defaultFolderFallsBackWhenMissing()
{
    QFETCH(bool, storeFolder);
    QFETCH(bool, folderExists);
    QFETCH(bool, documentsExists);
    QFETCH(QString, expected);
    const QString labels = m_dir.filePath(QStringLiteral("my labels"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(!documents.isEmpty());
    if (folderExists)
        QVERIFY(QDir().mkpath(labels));
    else
        QDir(labels).removeRecursively();
    if (documentsExists)
        QVERIFY(QDir().mkpath(documents));
    else
        QDir(documents).removeRecursively();
    {
        QSettings settings;
        if (storeFolder)
            settings.setValue(FileControllerTools::LabelFolderKey, labels);
        else
            settings.remove(FileControllerTools::LabelFolderKey);
    }
    const QString folder = FileControllerTools::getDefaultFolder();
    if (expected == QLatin1String("labels"))
        QCOMPARE(folder, labels);
    else if (expected == QLatin1String("documents"))
        QCOMPARE(folder, documents);
    else
        QCOMPARE(folder, QDir::homePath());
}

QTEST_GUILESS_MAIN(TestFileControllerTools)
#include "tst_filecontrollertools.moc"
