#include "ammoniatesthelpers.h"

#include "ammonia/ammonialistfile.h"
#include "ammonia/componentitemchange.h"
#include "kit/vendrelwidgetsutils.h"
#include "widgets/commonlists.h"
#include "widgets/mvmessagebox.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace {

using Kind = AmmoniaLists::Kind;

const QString Locale = QStringLiteral("en_US");

QStringList entries(const AmmoniaLists& lists, Kind kind)
{
    QStringList all;
    QStandardItemModel* model =
        kind == Kind::Components ? lists.components() : lists.abbreviations();
    for (int row = 0; row < model->rowCount(); ++row) {
        all << (kind == Kind::Components
                    ? lists.componentAt(row)
                    : lists.abbreviationAt(row) + QLatin1Char('|') + lists.explanationAt(row));
    }
    return all;
}

// Writes a list file into folder; null content writes none.
void putList(const QString& folder, Kind kind, const QByteArray& content)
{
    if (content.isNull())
        return;
    QDir().mkpath(folder);
    writeFile(QDir(folder).filePath(AmmoniaListFile::fileName(kind, Locale)), content);
}

// Files larger than this cannot be written while it holds; writing past it fails
// with an error instead of a signal.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
};

} // namespace

class TestAmmoniaLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void userListHidesFactoryList_data();
    void userListHidesFactoryList();
    void abbreviationLinesAreRead();
    void entriesMatchAsFixedTextsWithoutCase_data();
    void entriesMatchAsFixedTextsWithoutCase();
    void entriesFromLabelsBecomeOneLine();
    void onlyChangedListsAreWrittenWhole();
    void failedWriteKeepsTheOldList();
    void editorKeepsItsEntryAcrossChanges();
    void labelEntryMissingFromListIsAddedAndWritten();

private:
    QString userFolder() const { return m_dir.filePath(QStringLiteral("user")); }
    QString factoryFolder() const { return m_dir.filePath(QStringLiteral("factory")); }
    QTemporaryDir m_dir;
};

void TestAmmoniaLists::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("AmmoniaListsTest"));
    Q_INIT_RESOURCE(module);
    CommonLists::ensureSuiteFontSubstitution();
}

void TestAmmoniaLists::init()
{
    QVERIFY(m_dir.isValid());
    QDir(userFolder()).removeRecursively();
    QDir(factoryFolder()).removeRecursively();
    QDir(VendrelWidgetsUtils::getConfigPath()).removeRecursively();
}

void TestAmmoniaLists::userListHidesFactoryList_data()
{
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QByteArray>("factory");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QStringList>("components");
    const QByteArray none;
    QTest::newRow("factory list only")
        << none << QByteArray("Pump\nCompressor\n") << true << QStringList{"Compressor", "Pump"};
    QTest::newRow("user list hides the factory list")
        << QByteArray("Purger\n") << QByteArray("Pump\n") << true << QStringList{"Purger"};
    QTest::newRow("an empty user list too")
        << QByteArray("") << QByteArray("Pump\n") << true << QStringList();
    QTest::newRow("no list at all") << none << none << false << QStringList();
    // Sorted as a reader expects: without regard to case, equal texts by case.
    QTest::newRow("sorted without regard to case")
        << none << QByteArray("receiver\nCOMPRESSOR 1\nCompressor\nAccumulator\n") << true
        << QStringList{"Accumulator", "Compressor", "COMPRESSOR 1", "receiver"};
}

void TestAmmoniaLists::userListHidesFactoryList()
{
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, factory);
    QFETCH(bool, read);
    QFETCH(QStringList, components);
    putList(userFolder(), Kind::Components, user);
    putList(factoryFolder(), Kind::Components, factory);
    AmmoniaLists lists;
    QCOMPARE(lists.load(Kind::Components, Locale, userFolder(), factoryFolder()), read);
    QCOMPARE(entries(lists, Kind::Components), components);
    QVERIFY(!lists.isChanged(Kind::Components));
}

void TestAmmoniaLists::abbreviationLinesAreRead()
{
    putList(factoryFolder(), Kind::Abbreviations,
            "HSS\tHigh Stage Suction\r\n\n   \nRV\nHGD\tHot Gas Defrost\textra\n\t\n");
    AmmoniaLists lists;
    QVERIFY(lists.load(Kind::Abbreviations, Locale, userFolder(), factoryFolder()));
    QCOMPARE(entries(lists, Kind::Abbreviations),
             (QStringList{"HGD|Hot Gas Defrost", "HSS|High Stage Suction", "RV|"}));
    // A line keeps what it held when it is written back.
    QCOMPARE(lists.abbreviations()->item(0)->text(), QStringLiteral("HGD\tHot Gas Defrost\textra"));
}

void TestAmmoniaLists::entriesMatchAsFixedTextsWithoutCase_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("found");
    const int abbreviation = static_cast<int>(Kind::Abbreviations);
    const int component = static_cast<int>(Kind::Components);
    QTest::newRow("abbreviation typed in lower case")
        << abbreviation << QByteArray("hsd\tHigh Stage Discharge\n") << "HSD" << true;
    QTest::newRow("abbreviation compared whole")
        << abbreviation << QByteArray("HSDX\t\n") << "HSD" << false;
    QTest::newRow("component with plus signs")
        << component << QByteArray("C++ PUMP\n") << "c++ pump" << true;
    QTest::newRow("component with an open bracket")
        << component << QByteArray("A(B\n") << "A(B" << true;
    QTest::newRow("dot is no wildcard") << component << QByteArray("AxB\n") << "A.B" << false;
    QTest::newRow("star is no wildcard") << component << QByteArray("PUMP\n") << ".*" << false;
    // Kept as one line: a label's tab or line break matches the space it became.
    QTest::newRow("component with a tab in the list")
        << component << QByteArray("PUMP\tROOM\n") << "pump\troom" << true;
    QTest::newRow("component with a tab from a label")
        << component << QByteArray("PUMP ROOM\n") << "PUMP\tROOM" << true;
    QTest::newRow("abbreviation with a stray carriage return")
        << abbreviation << QByteArray("H\rS\tHigh Stage\n") << "h\rs" << true;
    QTest::newRow("dotted capital I lowered to two characters")
        << component << QByteArray("\xc4\xb0\tX\n") << QString::fromUtf8("\xc4\xb0\tX").toLower()
        << false;
}

void TestAmmoniaLists::entriesMatchAsFixedTextsWithoutCase()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, list);
    QFETCH(QString, entry);
    QFETCH(bool, found);
    const Kind listKind = static_cast<Kind>(kind);
    putList(factoryFolder(), listKind, list);
    AmmoniaLists lists;
    QVERIFY(lists.load(listKind, Locale, userFolder(), factoryFolder()));
    const int rows = entries(lists, listKind).size();

    const AmmoniaLists::Lookup lookup = listKind == Kind::Components
                                            ? lists.ensureComponent(entry)
                                            : lists.ensureAbbreviation(entry);
    QCOMPARE(lookup, found ? AmmoniaLists::Lookup::Found : AmmoniaLists::Lookup::Added);
    QCOMPARE(entries(lists, listKind).size(), found ? rows : rows + 1);
    QCOMPARE(lists.isChanged(listKind), !found);
    // Opening the same label again must not add the entry a second time.
    const AmmoniaLists::Lookup again = listKind == Kind::Components
                                           ? lists.ensureComponent(entry)
                                           : lists.ensureAbbreviation(entry);
    QCOMPARE(again, AmmoniaLists::Lookup::Found);
}

void TestAmmoniaLists::entriesFromLabelsBecomeOneLine()
{
    AmmoniaLists lists;
    lists.load(Kind::Abbreviations, Locale, userFolder(), factoryFolder());
    lists.load(Kind::Components, Locale, userFolder(), factoryFolder());
    QCOMPARE(lists.ensureAbbreviation(QStringLiteral("A\tB\nC")), AmmoniaLists::Lookup::Added);
    QCOMPARE(lists.ensureComponent(QStringLiteral("PUMP\r\nROOM\t2")), AmmoniaLists::Lookup::Added);
    QCOMPARE(lists.ensureComponent(QStringLiteral(" \t")), AmmoniaLists::Lookup::Empty);
    QVERIFY(lists.save(Locale, userFolder()));

    QCOMPARE(
        readFile(
            QDir(userFolder()).filePath(AmmoniaListFile::fileName(Kind::Abbreviations, Locale))),
        QByteArray("A B C\n"));
    QCOMPARE(
        readFile(QDir(userFolder()).filePath(AmmoniaListFile::fileName(Kind::Components, Locale))),
        QByteArray("PUMP  ROOM 2\n"));
}

void TestAmmoniaLists::onlyChangedListsAreWrittenWhole()
{
    putList(userFolder(), Kind::Components, "Pump\nPurger\n");
    putList(factoryFolder(), Kind::Abbreviations, "RV\tRelief Vent\n");
    AmmoniaLists lists;
    lists.load(Kind::Abbreviations, Locale, userFolder(), factoryFolder());
    lists.load(Kind::Components, Locale, userFolder(), factoryFolder());
    lists.remove(Kind::Components, 0);
    const QModelIndex added = lists.addComponent(QStringLiteral("Ölabscheider"));
    lists.updateComponent(added, QStringLiteral("Oil Pot"));
    QVERIFY(lists.save(Locale, userFolder()));

    // The abbreviations did not change: no user list hides the factory list.
    QCOMPARE(QDir(userFolder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{AmmoniaListFile::fileName(Kind::Components, Locale)});
    QCOMPARE(
        readFile(QDir(userFolder()).filePath(AmmoniaListFile::fileName(Kind::Components, Locale))),
        QByteArray("Purger\nOil Pot\n"));
    QVERIFY(!lists.isChanged(Kind::Components));
}

void TestAmmoniaLists::failedWriteKeepsTheOldList()
{
    const QByteArray old("Pump\n");
    putList(userFolder(), Kind::Components, old);
    AmmoniaLists lists;
    lists.load(Kind::Components, Locale, userFolder(), factoryFolder());
    for (int i = 0; i < 200; ++i)
        lists.addComponent(QStringLiteral("Heat Exchanger %1").arg(i));

    {
        const FileSizeLimit limit(64);
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("Error writing list .*Components"));
        QVERIFY(!lists.save(Locale, userFolder()));
    }
    const QString path =
        QDir(userFolder()).filePath(AmmoniaListFile::fileName(Kind::Components, Locale));
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(userFolder()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    // Still to be written, and written once the disk takes it.
    QVERIFY(lists.isChanged(Kind::Components));
    QVERIFY(lists.save(Locale, userFolder()));
    QCOMPARE(readFile(path).count('\n'), 201);
}

void TestAmmoniaLists::editorKeepsItsEntryAcrossChanges()
{
    MvMessageBox::setAnswerProvider([](const QString&, const QString&,
                                       QMessageBox::StandardButtons) { return QMessageBox::Yes; });
    AmmoniaEditWidget panel;
    AmmoniaLists* lists = panel.lists();
    auto* editor = panel.findChild<ComponentItemChange*>();
    auto* abbreviation = panel.findChild<QLineEdit*>(QStringLiteral("AbbreviationEdit"));
    panel.findChild<QPushButton*>(QStringLiteral("AddButton"))->click();
    const int added = lists->abbreviations()->rowCount() - 1;
    QCOMPARE(lists->explanationAt(added), QStringLiteral("New Entry"));
    QCOMPARE(editor->row(), added);

    // A label names an abbreviation the list lacks: it is added and the list sorted,
    // so the new entry moves.
    panel.setAbbreviationCombo(QStringLiteral("AAA"));
    QVERIFY(editor->row() != added);
    QCOMPARE(lists->explanationAt(editor->row()), QStringLiteral("New Entry"));
    // Another row goes.
    lists->remove(Kind::Abbreviations, lists->findAbbreviation(QStringLiteral("RV")).row());

    QTest::keyClicks(abbreviation, QStringLiteral("zz"));
    QCOMPARE(lists->abbreviationAt(editor->row()), QStringLiteral("zz"));
    QCOMPARE(lists->explanationAt(editor->row()), QStringLiteral("New Entry"));
    QVERIFY(lists->findAbbreviation(QStringLiteral("AAA")).isValid());
    QCOMPARE(panel.currentAbbreviation(), QStringLiteral("ZZ"));

    // Once its entry is gone the editor edits nothing.
    const int rows = lists->abbreviations()->rowCount();
    lists->remove(Kind::Abbreviations, editor->row());
    QCOMPARE(editor->row(), -1);
    QTest::keyClicks(abbreviation, QStringLiteral("x"));
    QCOMPARE(lists->abbreviations()->rowCount(), rows - 1);
    QVERIFY(!lists->findAbbreviation(QStringLiteral("zzx")).isValid());
}

void TestAmmoniaLists::labelEntryMissingFromListIsAddedAndWritten()
{
    const QString path = m_dir.filePath(QStringLiteral("missing.qyam"));
    AmmoniaLabel label;
    label.abbreviation = QStringLiteral("ZZQ");
    writeFile(path, storedFile(label, path));
    const QString factory = QDir(VendrelWidgetsUtils::getDefaultConfigPath())
                                .filePath(AmmoniaListFile::fileName(Kind::Abbreviations, Locale));
    const QByteArray factoryList = readFile(factory);
    QVERIFY(!factoryList.isEmpty());

    {
        TestController editor;
        QVERIFY(openWith(&editor, path));
        QCOMPARE(editor.getLastWarning(), QStringLiteral("Abbreviation Not Found - Added To List"));
        QVERIFY(editor.editWidget()->lists()->findAbbreviation(QStringLiteral("zzq")).isValid());
    }
    const QByteArray written =
        readFile(QDir(VendrelWidgetsUtils::getConfigPath())
                     .filePath(AmmoniaListFile::fileName(Kind::Abbreviations, Locale)));
    QVERIFY(written.split('\n').contains("ZZQ"));
    QCOMPARE(written.count('\n'), factoryList.count('\n') + 1);
    QCOMPARE(readFile(factory), factoryList);
}

QTEST_MAIN(TestAmmoniaLists)
#include "tst_ammonialists.moc"
