#include "kit/warningboard.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Reports written as "1+,2-,0-", several separated by "|".
void replay(WarningBoard& board, const QString& reports)
{
    for (const QString& report : reports.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QStringList pairs = report.split(QLatin1Char(','));
        int warning[3];
        bool on[3];
        for (int i = 0; i < 3; ++i) {
            warning[i] = pairs.at(i).chopped(1).toInt();
            on[i] = pairs.at(i).endsWith(QLatin1Char('+'));
        }
        board.report(warning[0], on[0], warning[1], on[1], warning[2], on[2]);
    }
}

const QMap<int, QString> Messages = {{1, QStringLiteral("one")},
                                     {2, QStringLiteral("two")},
                                     {7, QStringLiteral("seven")},
                                     {12, QStringLiteral("twelve")}};

} // namespace

class PanelPiecesTest : public QObject
{
    Q_OBJECT

private slots:
    void warningBoardJoinsWarningsThatAreOn_data();
    void warningBoardJoinsWarningsThatAreOn();
    void warningBoardResetForgetsEveryWarning();
};

void PanelPiecesTest::warningBoardJoinsWarningsThatAreOn_data()
{
    QTest::addColumn<QString>("reports");
    QTest::addColumn<QStringList>("announced");

    QTest::newRow("off while nothing is shown is silent") << "1-,2-,0-" << QStringList{};
    QTest::newRow("ascending number, not report order")
        << "12+,0-,0-|7+,0-,0-|1+,0-,0-"
        << QStringList{"twelve", "seven; twelve", "one; seven; twelve"};
    // 12 sorts after 2 as a number, not as text.
    QTest::newRow("numbers, not their digits") << "12+,2+,0-" << QStringList{"two; twelve"};
    QTest::newRow("the same report is announced again")
        << "7+,0-,0-|7+,0-,0-" << QStringList{"seven", "seven"};
    QTest::newRow("last warning off announces the empty text, then silence")
        << "7+,0-,0-|7-,0-,0-|7-,1-,2-" << QStringList{"seven", ""};
    QTest::newRow("a later place wins within one report") << "7+,7-,1+" << QStringList{"one"};
    QTest::newRow("a later report replaces the state")
        << "1+,2-,0-|1-,2+,0-" << QStringList{"one", "two"};
    // A number without a text adds an empty one: nothing before the first text,
    // a bare separator after it.
    QTest::newRow("numbers without text") << "0+,1+,5+" << QStringList{"one; "};
    QTest::newRow("every warning off while one is shown")
        << "2+,0-,0-|1-,7-,12-" << QStringList{"two", "two"};
}

void PanelPiecesTest::warningBoardJoinsWarningsThatAreOn()
{
    QFETCH(QString, reports);
    QFETCH(QStringList, announced);

    WarningBoard board(Messages);
    QSignalSpy spy(&board, &WarningBoard::warningStringChanged);
    replay(board, reports);

    QStringList heard;
    for (const QList<QVariant>& arguments : spy)
        heard << arguments.at(0).toString();
    QCOMPARE(heard, announced);
    QCOMPARE(board.text(), announced.isEmpty() ? QString() : announced.last());
}

void PanelPiecesTest::warningBoardResetForgetsEveryWarning()
{
    WarningBoard board(Messages);
    QSignalSpy spy(&board, &WarningBoard::warningStringChanged);
    replay(board, QStringLiteral("1+,7+,0-"));
    QVERIFY(board.isOn(7));

    board.reset();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last().at(0).toString(), QString());
    QVERIFY(!board.isOn(7));
    // Reset announces even when there was nothing to clear.
    board.reset();
    QCOMPARE(spy.count(), 3);
    // What was on before the reset does not come back with a new warning.
    replay(board, QStringLiteral("2+,0-,0-"));
    QCOMPARE(board.text(), QStringLiteral("two"));
}

int runPanelPiecesTests(int argc, char** argv)
{
    PanelPiecesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_panelpieces.moc"
