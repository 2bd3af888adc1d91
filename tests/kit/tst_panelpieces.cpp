#include "kit/numberfield.h"
#include "kit/sizejudgement.h"
#include "kit/titledframe.h"
#include "kit/warningboard.h"

#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QValidator>

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
    void cleanup();

    void warningBoardJoinsWarningsThatAreOn_data();
    void warningBoardJoinsWarningsThatAreOn();
    void warningBoardResetForgetsEveryWarning();

    void numberFieldHoldsBackWhatIsWrittenWhileTyping_data();
    void numberFieldHoldsBackWhatIsWrittenWhileTyping();
    void numberFieldTakesTheLocaleDecimalMark_data();
    void numberFieldTakesTheLocaleDecimalMark();

    void titledFrameIsNamedAndStyledForItsName_data();
    void titledFrameIsNamedAndStyledForItsName();

    void sizeJudgementNamesOneWarningAtMost_data();
    void sizeJudgementNamesOneWarningAtMost();
};

void PanelPiecesTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

// ---- Warning board -------------------------------------------------------------

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

// ---- Number field ------------------------------------------------------------

void PanelPiecesTest::numberFieldHoldsBackWhatIsWrittenWhileTyping_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("replies"); // written per keystroke; "-": none
    QTest::addColumn<QString>("then");        // done between typing and return
    QTest::addColumn<QString>("typed");       // shown while typing
    QTest::addColumn<QString>("finished");    // shown after return

    QTest::newRow("a reply waits for return") << "5" << QStringList{"1.00"} << ""
                                              << "5"
                                              << "1.00";
    QTest::newRow("no reply to the last key drops the earlier one")
        << "50" << QStringList{"1.00", "-"} << ""
        << "50"
        << "50";
    QTest::newRow("the latest reply wins") << "50" << QStringList{"1.00", "2.00"} << ""
                                           << "50"
                                           << "2.00";
    QTest::newRow("a write after typing replaces the waiting value")
        << "5" << QStringList{"1.00"} << "write 7.00"
        << "7.00"
        << "7.00";
    QTest::newRow("a dropped value is not shown") << "5" << QStringList{"1.00"} << "drop"
                                                  << "5"
                                                  << "5";
}

void PanelPiecesTest::numberFieldHoldsBackWhatIsWrittenWhileTyping()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, replies);
    QFETCH(QString, then);
    QFETCH(QString, typed);
    QFETCH(QString, finished);

    NumberField field(9999.0);
    QStringList heard;
    connect(&field, &NumberField::typedSignal, &field, [&](const QString& text) {
        heard << text;
        const QString reply = replies.value(heard.size() - 1);
        if (reply != QLatin1String("-"))
            field.writeValue(reply);
    });
    QSignalSpy finishedSpy(&field, &NumberField::typingFinishedSignal);

    QTest::keyClicks(&field, keys);
    QCOMPARE(heard.size(), keys.size());
    QCOMPARE(heard.last(), keys);
    if (then == QLatin1String("drop"))
        field.dropWaitingValue();
    else if (then.startsWith(QLatin1String("write ")))
        field.writeValue(then.mid(6));
    QCOMPARE(field.text(), typed);

    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(field.text(), finished);
    QCOMPARE(finishedSpy.count(), 1);
    // Text the program sets is not taken for typing.
    QCOMPARE(heard.size(), keys.size());
}

void PanelPiecesTest::numberFieldTakesTheLocaleDecimalMark_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("becomes"); // empty: never acceptable

    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("decimal comma") << german << "50,5"
                                   << "50.5";
    QTest::newRow("two decimal marks") << german << "1,000,5"
                                       << "";
    // Where the comma groups thousands it is no decimal mark.
    QTest::newRow("grouping comma") << english << "1,000"
                                    << "";
    QTest::newRow("four decimals") << english << "2.1255"
                                   << "";
    QTest::newRow("above the top") << english << "1000"
                                   << "";
}

void PanelPiecesTest::numberFieldTakesTheLocaleDecimalMark()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, keys);
    QFETCH(QString, becomes);

    QLocale::setDefault(locale);
    NumberField field(999.0);
    QString text = keys;
    int position = text.size();
    const bool acceptable = field.validator()->validate(text, position) == QValidator::Acceptable;
    QCOMPARE(acceptable, !becomes.isEmpty());
    if (acceptable)
        QCOMPARE(text, becomes);
}

// ---- Titled frame ------------------------------------------------------------

void PanelPiecesTest::titledFrameIsNamedAndStyledForItsName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("style");

    QTest::newRow("legend") << "PipeFrame"
                            << "PIPE LEGEND"
                            << "#PipeFrame { background-color: #F2F2F2; }";
    QTest::newRow("size") << "SizeFrame"
                          << "LABEL SIZE"
                          << "#SizeFrame { background-color: #F2F2F2; }";
    QTest::newRow("arrows") << "ArrowFrame"
                            << "ARROWS"
                            << "#ArrowFrame { background-color: #F2F2F2; }";
}

void PanelPiecesTest::titledFrameIsNamedAndStyledForItsName()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, style);

    QWidget panel;
    auto* frame = new TitledFrame(name, title, &panel);
    QCOMPARE(frame->parentWidget(), &panel);
    QCOMPARE(panel.findChild<QFrame*>(name), frame);
    QCOMPARE(frame->styleSheet(), style);
    QLabel* bar = frame->titleBar();
    QCOMPARE(bar->text(), title);
    QCOMPARE(bar->height(), 28);
    QCOMPARE(bar->minimumHeight(), bar->maximumHeight());
    QCOMPARE(bar->styleSheet(), QStringLiteral("background-color: #2b2b2b; color: white"));
    QVERIFY(bar->font().bold());
}

// ---- Size judgement ----------------------------------------------------------

void PanelPiecesTest::sizeJudgementNamesOneWarningAtMost_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("recommended");
    QTest::addColumn<double>("least");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("tooSmall");
    QTest::addColumn<bool>("below");

    // A 2 in label length where 8 in are recommended and 0.2 in still print.
    QTest::newRow("recommended") << 576.0 << 576.0 << 14.4 << 0.0 << false << false << false;
    QTest::newRow("below, prints") << 144.0 << 576.0 << 14.4 << 0.0 << true << false << true;
    QTest::newRow("least printable") << 14.4 << 576.0 << 14.4 << 0.0 << true << false << true;
    QTest::newRow("too small") << 10.0 << 576.0 << 14.4 << 0.0 << true << true << false;
    QTest::newRow("just below, without tolerance")
        << 575.9996 << 576.0 << 14.4 << 0.0 << true << false << true;
    QTest::newRow("just below, within tolerance")
        << 575.9996 << 576.0 << 14.4 << 0.0005 << false << false << false;
    QTest::newRow("beyond tolerance")
        << 575.999 << 576.0 << 14.4 << 0.0005 << true << false << true;
    // The custom size recommends the least printable size: smaller is unprintable.
    QTest::newRow("custom size, too small") << 1.0 << 14.4 << 14.4 << 0.0 << true << true << false;
    // Unprintable sizes the recommendation allows are not the judgement's concern.
    QTest::newRow("under the least but recommended")
        << 0.5 << 0.5 << 1.0 << 0.0 << false << false << false;
}

void PanelPiecesTest::sizeJudgementNamesOneWarningAtMost()
{
    QFETCH(double, value);
    QFETCH(double, recommended);
    QFETCH(double, least);
    QFETCH(double, tolerance);
    QFETCH(bool, marked);
    QFETCH(bool, tooSmall);
    QFETCH(bool, below);

    const SizeJudgement judgement = SizeJudgement::judge(value, recommended, least, tolerance);
    QCOMPARE(judgement.fieldMarked, marked);
    QCOMPARE(judgement.tooSmall, tooSmall);
    QCOMPARE(judgement.belowRecommendation, below);
}

int runPanelPiecesTests(int argc, char** argv)
{
    PanelPiecesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_panelpieces.moc"
