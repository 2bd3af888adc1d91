#include "files/pipefilecontroller.h"
#include "kinds/labelkinds.h"
#include "kit/ivendrelinterface.h"
#include "kit/labelkind.h"

#include <QTranslator>
#include <QtTest>

#include "canvas/mvcanvasmodel.h"
#include "widgets/dataroot.h"

// The one table every reader of label kinds goes through: a wrong row or lookup
// opens a file in the wrong module, or writes it with the wrong type.
class LabelKindsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lookupsFindEveryRow_data();
    void lookupsFindEveryRow();
    void unknownNamesFindNoRow_data();
    void unknownNamesFindNoRow();
    void rowsAreNumberedInOrderAndWhole();
    void modulesReportTheirRowsFileType();
    void fileTypeTableFollowsTheRows();
    void germanCatalogueTranslatesTheRows_data();
    void germanCatalogueTranslatesTheRows();

private:
    static void addKindColumn();
};

void LabelKindsTest::initTestCase()
{
    Q_INIT_RESOURCE(module);
}

void LabelKindsTest::addKindColumn()
{
    QTest::addColumn<int>("kind");
}

void LabelKindsTest::lookupsFindEveryRow_data()
{
    addKindColumn();
    QTest::addColumn<QString>("name");
    for (const LabelKind* row : LabelKinds::all()) {
        const QString extension = QString::fromLatin1(row->extension);
        QTest::addRow("%s", row->extension) << row->kind << extension;
        QTest::addRow("%s in capitals", row->extension) << row->kind << extension.toUpper();
        QTest::addRow("%s mixed case", row->extension)
            << row->kind << extension.left(2).toUpper() + extension.mid(2);
    }
}

void LabelKindsTest::lookupsFindEveryRow()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    const LabelKind* row = LabelKinds::byKind(kind);
    QVERIFY(row);
    QCOMPARE(row->kind, kind);
    QCOMPARE(LabelKinds::byExtension(name), row);
    QCOMPARE(LabelKinds::byFileName(QStringLiteral("pump.room/label.") + name), row);
    QCOMPARE(LabelKinds::byFileName(QStringLiteral("a.b.") + name), row);
}

void LabelKindsTest::unknownNamesFindNoRow_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("generic label kind") << "qyld"
                                        << "a.qyld";
    QTest::newRow("foreign") << "txt"
                             << "a.txt";
    QTest::newRow("nothing") << ""
                             << "label";
    QTest::newRow("longer than a kind") << "qypmx"
                                        << "a.qypmx";
    QTest::newRow("shorter than a kind") << "qyp"
                                         << "a.qyp";
    QTest::newRow("with the dot") << ".qypm"
                                  << "a.qypm.";
    QTest::newRow("dot only in the folder") << "qypm/label"
                                            << "my.qypm/label";
}

void LabelKindsTest::unknownNamesFindNoRow()
{
    QFETCH(QString, extension);
    QFETCH(QString, fileName);
    QCOMPARE(LabelKinds::byExtension(extension), nullptr);
    QCOMPARE(LabelKinds::byFileName(fileName), nullptr);
}

void LabelKindsTest::rowsAreNumberedInOrderAndWhole()
{
    // The window indexes its modules, file names and radio buttons by kind number.
    const QVector<const LabelKind*>& rows = LabelKinds::all();
    QStringList extensions;
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i]->kind, i);
        QCOMPARE(LabelKinds::byKind(i), rows[i]);
        QVERIFY(rows[i]->makeModule);
        QVERIFY2(QFile::exists(QString::fromLatin1(rows[i]->icon)), rows[i]->icon);
        extensions << QString::fromLatin1(rows[i]->extension);
    }
    extensions.removeDuplicates();
    QCOMPARE(extensions.size(), rows.size());
    QCOMPARE(LabelKinds::byKind(-1), nullptr);
    QCOMPARE(LabelKinds::byKind(rows.size()), nullptr);
}

void LabelKindsTest::modulesReportTheirRowsFileType()
{
    for (const LabelKind* row : LabelKinds::all()) {
        QScopedPointer<IVendrelInterface> module(row->makeModule(*row, nullptr));
        QVERIFY(module);
        QCOMPARE(module->getFileType(), row->fileType());
        QVERIFY(module->getCanvas());
        QCOMPARE(module->getCanvas()->getCanvasSize(), row->defaultSize);
        if (row->makeLoader) {
            QScopedPointer<IVendrelInterface> loader(row->makeLoader(nullptr));
            QCOMPARE(loader->getFileType(), row->fileType());
        }
    }
}

void LabelKindsTest::fileTypeTableFollowsTheRows()
{
    const QMap<QString, QString> expected{
        {QStringLiteral("qypm"), QStringLiteral("Quillory PRO Pipe Marking File")},
        {QStringLiteral("qyam"), QStringLiteral("Quillory PRO Ammonia Pipe Marking File")},
        {QStringLiteral("qyaw"), QStringLiteral("Quillory PRO Arrow Wrap File")}};
    QCOMPARE(PipeFileController::initializePipeFileTypes(), expected);
}

void LabelKindsTest::germanCatalogueTranslatesTheRows_data()
{
    addKindColumn();
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("title");
    QTest::newRow("pipe marker") << 0 << "Quillory PRO Rohrkennzeichnungsdatei"
                                 << "Rohrkennzeichnung";
    QTest::newRow("ammonia") << 1 << "Quillory PRO Ammoniak-Rohrkennzeichnungsdatei"
                             << "Ammoniak-Rohrkennzeichnung";
    QTest::newRow("arrow wrap") << 2 << "Quillory PRO Pfeilbanddatei"
                                << "Pfeilband";
}

void LabelKindsTest::germanCatalogueTranslatesTheRows()
{
    QFETCH(int, kind);
    QFETCH(QString, description);
    QFETCH(QString, title);
    QTranslator translator;
    QVERIFY(translator.load(QLocale(QStringLiteral("de_DE")), QStringLiteral("quillory"),
                            QStringLiteral("_"), DataRoot::path() + QStringLiteral("translations"),
                            QString()));
    QCoreApplication::installTranslator(&translator);
    const LabelKind* row = LabelKinds::byKind(kind);
    const QString translatedDescription = row->description();
    const QString translatedTitle = row->title();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translatedDescription, description);
    QCOMPARE(translatedTitle, title);
}

QTEST_MAIN(LabelKindsTest)
#include "tst_labelkinds.moc"
