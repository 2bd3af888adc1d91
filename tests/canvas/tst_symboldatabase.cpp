#include "canvas/symboldatabasemodel.h"
#include "canvastesthelpers.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using Files = QMap<QString, QByteArray>;
Q_DECLARE_METATYPE(Files)

class TestSymbolDatabase : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static QString builtDatabase()
    {
        return qEnvironmentVariable("MORVANTIC_DATA_ROOT") +
               QStringLiteral("Vendrel/vendrelsymbols.db");
    }

    // Writes the files into a fresh folder and runs the builder on its manifest.
    int runBuilder(const Files& files, const QString& output, QString* errors = nullptr)
    {
        static int counter = 0;
        const QString folder = m_dir.filePath(QStringLiteral("src%1").arg(++counter));
        QDir().mkpath(folder);
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            QFile file(folder + QLatin1Char('/') + it.key());
            if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
                return -100;
        }
        QProcess tool;
        tool.start(QStringLiteral(VENDREL_SYMBOLDB_TOOL),
                   {folder + QStringLiteral("/manifest.json"), output});
        if (!tool.waitForFinished(30000))
            return -200;
        if (errors)
            *errors = QString::fromUtf8(tool.readAllStandardError());
        return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -300;
    }

    static QByteArray entry(int id, const char* file, const char* extra = "")
    {
        return QStringLiteral("{\"id\":%1,\"name\":\"S%1\",\"file\":\"%2\"%3}")
            .arg(id)
            .arg(QLatin1String(file), QLatin1String(extra))
            .toUtf8();
    }
    static QByteArray manifest(const QList<QByteArray>& entries)
    {
        QByteArrayList list(entries.begin(), entries.end());
        return "{\"database\":\"t.db\",\"symbols\":[" + list.join(',') + "]}";
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void knownIdsCarryEveryRole_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QPoint>("inked");
        QTest::newRow("no arrow") << 1 << "No Arrow"
                                  << "no-arrow.svg" << QPoint(16, 50);
        QTest::newRow("right") << 2 << "Arrow Right"
                               << "arrow-right.svg" << QPoint(50, 50);
        QTest::newRow("up") << 4 << "Arrow Up"
                            << "arrow-up.svg" << QPoint(50, 50);
        QTest::newRow("down") << 5 << "Arrow Down"
                              << "arrow-down.svg" << QPoint(50, 50);
    }
    void knownIdsCarryEveryRole()
    {
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(QPoint, inked);
        SymbolDatabaseModel model;
        QVERIFY(model.setDatabasePath(builtDatabase()));
        const QByteArray svg = sourceFile(QStringLiteral("data/symbols/vendrelsymbols/") + file);
        QVERIFY(!svg.isEmpty());

        QScopedPointer<QStandardItem> item(model.getItemFromSymbolId(id));
        QVERIFY(item);
        QCOMPARE(item->data(Qt::ToolTipRole).toString(), name);
        QCOMPARE(item->data(Qt::UserRole + 1).toByteArray(), svg);
        QVERIFY(item->data(Qt::UserRole + 2).toInt() >= 0);
        QCOMPARE(item->data(SymbolDatabaseModel::SymbolIdRole).toInt(), id);
        QVERIFY(!item->data(Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(model.getDataFromSymbolId(id), svg);
        QVERIFY(!model.getIconFromSymbolId(id).isNull());
        const QImage icon = QImage::fromData(model.getIconDataFromSymbolId(id), "PNG");
        QCOMPARE(icon.size(), QSize(100, 100));
        // Black drawing on transparent, kept clear of the edges.
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(icon.pixelColor(inked), QColor(Qt::black));
        const QRect ink = inkRect(icon);
        QVERIFY(ink.left() > 2 && ink.top() > 2 && ink.right() < 97 && ink.bottom() < 97);
    }

    void unknownIdsYieldNothing_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -1;
        QTest::newRow("past the end") << 99999;
        QTest::newRow("far away") << 99999;
    }
    void unknownIdsYieldNothing()
    {
        QFETCH(int, id);
        SymbolDatabaseModel model;
        QVERIFY(model.setDatabasePath(builtDatabase()));
        QVERIFY(!model.getItemFromSymbolId(id));
        QVERIFY(model.getDataFromSymbolId(id).isEmpty());
        QVERIFY(model.getIconFromSymbolId(id).isNull());
        QVERIFY(model.getIconDataFromSymbolId(id).isEmpty());
    }

    void categoriesAndSelectableEntries_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("includeUnselectable");
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("everything") << QString() << true << QList<int>{1, 2, 3, 4};
        QTest::newRow("selectable only") << QString() << false << QList<int>{1, 2, 4};
        QTest::newRow("one category") << "state" << true << QList<int>{3, 4};
        QTest::newRow("selectable in category") << "state" << false << QList<int>{4};
        QTest::newRow("unknown category") << "none" << true << QList<int>{};
    }
    void categoriesAndSelectableEntries()
    {
        QFETCH(QString, category);
        QFETCH(bool, includeUnselectable);
        QFETCH(QList<int>, ids);
        const QByteArray svg =
            sourceFile(QStringLiteral("data/symbols/vendrelsymbols/arrow-up.svg"));
        // Listed out of order on purpose: the database is in id order.
        const Files files{
            {"manifest.json",
             manifest({entry(4, "a.svg", ",\"category\":\"state\""), entry(1, "a.svg"),
                       entry(2, "a.svg"),
                       entry(3, "a.svg", ",\"category\":\"state\",\"selectable\":false")})},
            {"a.svg", svg}};
        const QString db = m_dir.filePath(QStringLiteral("categories.db"));
        QCOMPARE(runBuilder(files, db), 0);

        SymbolDatabaseModel model;
        QVERIFY(model.setDatabasePath(db));
        const QList<QStandardItem*> items = model.getItemsByCategory(category, includeUnselectable);
        QList<int> actual;
        for (QStandardItem* item : items) {
            actual.append(item->data(SymbolDatabaseModel::SymbolIdRole).toInt());
            delete item;
        }
        QCOMPARE(actual, ids);
        QScopedPointer<QStandardItem> hidden(model.getItemFromSymbolId(3));
        QVERIFY(hidden);
        QVERIFY(hidden->data(Qt::UserRole + 2).toInt() < 0);
    }

    void unreadableFilesGiveAnEmptyModel_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("logLevel");
        QTest::newRow("missing") << "missing" << int(QtWarningMsg);
        QTest::newRow("garbage bytes") << "garbage" << int(QtCriticalMsg);
        QTest::newRow("empty file") << "empty" << int(QtCriticalMsg);
        QTest::newRow("other sqlite file") << "foreign" << int(QtCriticalMsg);
    }
    void unreadableFilesGiveAnEmptyModel()
    {
        QFETCH(QString, kind);
        QFETCH(int, logLevel);
        const QString path = m_dir.filePath(kind + QStringLiteral(".db"));
        if (kind == QLatin1String("garbage") || kind == QLatin1String("empty")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (kind == QLatin1String("garbage"))
                file.write(QByteArray(4096, '\x5a').prepend("SQLite format 3"));
        } else if (kind == QLatin1String("foreign")) {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE other (x INTEGER)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("foreign"));

        SymbolDatabaseModel model;
        QVERIFY(model.setDatabasePath(builtDatabase()));
        QTest::ignoreMessage(QtMsgType(logLevel),
                             QRegularExpression(QStringLiteral("SymbolDatabaseModel")));
        QVERIFY(!model.setDatabasePath(path));
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.getItemFromSymbolId(1));
        QVERIFY(model.getItemsByCategory(QString(), true).isEmpty());
    }

    void builderRefusesBadInput_data()
    {
        const QByteArray svg =
            sourceFile(QStringLiteral("data/symbols/vendrelsymbols/arrow-left.svg"));
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("message");
        QTest::newRow("duplicate id")
            << Files{{"manifest.json",
                      manifest({entry(1, "a.svg"), entry(2, "a.svg"), entry(2, "a.svg")})},
                     {"a.svg", svg}}
            << "duplicate symbol id 2";
        QTest::newRow("missing file")
            << Files{{"manifest.json", manifest({entry(1, "a.svg"), entry(2, "gone.svg")})},
                     {"a.svg", svg}}
            << "cannot read";
        QTest::newRow("invalid svg")
            << Files{{"manifest.json", manifest({entry(1, "a.svg"), entry(2, "b.svg")})},
                     {"a.svg", svg},
                     {"b.svg", "<svg"}}
            << "not a valid SVG";
        QTest::newRow("gap in ids")
            << Files{{"manifest.json", manifest({entry(1, "a.svg"), entry(3, "a.svg")})},
                     {"a.svg", svg}}
            << "id 2 is missing";
        QTest::newRow("malformed manifest")
            << Files{{"manifest.json", "{\"symbols\": ["}, {"a.svg", svg}} << "not valid JSON";
        QTest::newRow("id not a number")
            << Files{{"manifest.json",
                      "{\"symbols\":[{\"id\":\"1\",\"name\":\"x\",\"file\":\"a.svg\"}]}"},
                     {"a.svg", svg}}
            << "\"id\" must be";
    }
    void builderRefusesBadInput()
    {
        QFETCH(Files, files);
        QFETCH(QString, message);
        const QString output = m_dir.filePath(QStringLiteral("refused/out.db"));
        const Files good{{"manifest.json", manifest({entry(1, "a.svg")})},
                         {"a.svg", files.value("a.svg")}};
        QCOMPARE(runBuilder(good, output), 0);
        QFile before(output);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray previous = before.readAll();

        QString errors;
        QCOMPARE(runBuilder(files, output, &errors), 1);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        // The database that was there stays intact, and no temporary is left.
        QFile after(output);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), previous);
        QCOMPARE(QDir(m_dir.filePath(QStringLiteral("refused"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("out.db")});
    }
};

int runSymbolDatabaseTests(int argc, char** argv)
{
    TestSymbolDatabase test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_symboldatabase.moc"
