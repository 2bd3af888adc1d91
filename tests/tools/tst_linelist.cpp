#include "ammonia/ammonialistrow.h"
#include "arrowwrap/arrowwraplistrow.h"
#include "kit/arrowsmenu.h"
#include "kit/ivendrelinterface.h"
#include "kit/pipediameter.h"
#include "labelbatch.h"
#include "linelist.h"
#include "pipe/pipemarkerlistrow.h"
#include "pipe/vendrelcontroller.h"
#include "pipe/vendreleditwidget.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "widgets/moduleresourceicons.h"

// Line lists made into labels: what a spreadsheet's rows become, which rows are
// refused and where, and what lands in the PDF.
class LineListTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void diametersFindTheirSizeRow_data();
    void diametersFindTheirSizeRow();
    void cellsAreReadOrRefused_data();
    void cellsAreReadOrRefused();
    void headersAreRefusedWithTheirLine_data();
    void headersAreRefusedWithTheirLine();
    void pdfHasAPagePerCopyOfTheLabelsSize();
    void badRowsAreNamedAndSkipped();
    void rowMakesTheLabelAUsersEditsMake_data();
    void rowMakesTheLabelAUsersEditsMake();

private:
    QString writeList(const QByteArray& text);
    LabelBatch::Status runBatch(const QByteArray& list, QString* report, const QString& pdf = {});

    QTemporaryDir m_dir;
    int m_lists = 0;
};

void LineListTest::initTestCase()
{
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
    QVERIFY(m_dir.isValid());
}

QString LineListTest::writeList(const QByteArray& text)
{
    const QString path = m_dir.filePath(QStringLiteral("list%1.csv").arg(++m_lists));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return QString();
    return path;
}

LabelBatch::Status LineListTest::runBatch(const QByteArray& list, QString* report,
                                          const QString& pdf)
{
    QString errors;
    QTextStream out(report);
    QTextStream err(&errors);
    LabelBatch batch(out, err);
    const QString target = pdf.isEmpty() ? m_dir.filePath(QStringLiteral("scratch.pdf")) : pdf;
    return batch.run(writeList(list), {target, QString(), 300});
}

void LineListTest::diametersFindTheirSizeRow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    // -1: no row holds it; -2: not a pipe size at all.
    QTest::addColumn<int>("row");

    QTest::newRow("pipe, lowest bound") << "qypm"
                                        << "0.75 in" << 1;
    QTest::newRow("pipe, mixed fraction") << "qypm"
                                          << "1 1/4\"" << 1;
    QTest::newRow("pipe, between rows") << "qypm"
                                        << "1.3 in" << -1;
    QTest::newRow("pipe, hyphenated fraction") << "qypm"
                                               << "1-1/2 inch" << 2;
    QTest::newRow("pipe, decimal comma") << "qypm"
                                         << "2,5 in" << 3;
    QTest::newRow("pipe, 10 in is not over 10") << "qypm"
                                                << "10 in" << 4;
    QTest::newRow("pipe, over 10 in") << "qypm"
                                      << "10.5in" << 5;
    QTest::newRow("pipe, too small") << "qypm"
                                     << "3/4 mm" << -1;
    QTest::newRow("pipe, mm") << "qypm"
                              << "50 mm" << 2;
    QTest::newRow("pipe, mm between rows") << "qypm"
                                           << "200 mm" << -1;
    QTest::newRow("pipe, mm shared bound") << "qypm"
                                           << "254 mm" << 4;
    QTest::newRow("pipe, mm over") << "qypm"
                                   << "300MM" << 5;
    QTest::newRow("ammonia, under the first bound") << "qyam"
                                                    << "1/2 in" << 0;
    QTest::newRow("ammonia, first bound is the next row's") << "qyam"
                                                            << "1.25 in" << 1;
    QTest::newRow("ammonia, shared bound") << "qyam"
                                           << "7 in" << 2;
    QTest::newRow("ammonia, mm") << "qyam"
                                 << "32 mm" << 1;
    QTest::newRow("ammonia, over") << "qyam"
                                   << "12 in" << 4;
    QTest::newRow("wrap, exact") << "qyaw"
                                 << "6 in" << 5;
    QTest::newRow("wrap, whole mm") << "qyaw"
                                    << "19 mm" << 0;
    QTest::newRow("wrap, listed mm") << "qyaw"
                                     << "152.4 mm" << 5;
    QTest::newRow("wrap, no such wrap") << "qyaw"
                                        << "4 in" << -1;
    QTest::newRow("no unit") << "qypm"
                             << "2" << -2;
    QTest::newRow("zero") << "qypm"
                          << "0 in" << -2;
    QTest::newRow("words") << "qypm"
                           << "two inches" << -2;
    QTest::newRow("fraction of decimals") << "qypm"
                                          << "1.5/2 in" << -2;
}

void LineListTest::diametersFindTheirSizeRow()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, row);
    PipeDiameter diameter;
    QString error;
    const bool parsed = PipeDiameter::parse(text, nullptr, &diameter, &error);
    QCOMPARE(parsed, row != -2);
    if (!parsed) {
        QVERIFY(!error.isEmpty());
        return;
    }
    const int found = kind == QLatin1String("qypm")   ? PipeMarkerListRow::sizeRow(diameter)
                      : kind == QLatin1String("qyam") ? AmmoniaListRow::sizeRow(diameter)
                                                      : ArrowWrapListRow::sizeRow(diameter);
    QCOMPARE(found, row);
}

void LineListTest::cellsAreReadOrRefused_data()
{
    QTest::addColumn<QByteArray>("csv");
    // What the first row gives: "" for a refused row, else a summary.
    QTest::addColumn<QString>("expected");

    QTest::newRow("bom, semicolons, unit in the header")
        << QByteArray("\xEF\xBB\xBFLegend;Diameter (mm);Quantity\r\nSTEAM;50;3\r\n")
        << "legend=STEAM diameter=50 mm quantity=3";
    QTest::newRow("quoted legend with separator and quote")
        << QByteArray("legend,arrows\n\"A, \"\"B\"\"\",BOTH\n") << "legend=A, \"B\" arrows=3";
    QTest::newRow("short row: the missing cells are empty")
        << QByteArray("legend,diameter,wrap\nAIR\n") << "legend=AIR";
    QTest::newRow("unknown columns are left alone")
        << QByteArray("tag,legend,kind\nP-101,AIR,ammonia component\n")
        << "legend=AIR kind=qyam component";
    QTest::newRow("category by colour")
        << QByteArray("legend,category\nX,green\n") << "legend=X band=3";
    QTest::newRow("cell beyond the header")
        << QByteArray("legend,diameter\nHOT WATER, 80 C,2 in\n") << "";
    QTest::newRow("bare number without a unit") << QByteArray("legend,diameter\nX,2\n") << "";
    QTest::newRow("unknown kind") << QByteArray("legend,kind\nX,tag\n") << "";
    QTest::newRow("unknown category") << QByteArray("legend,category\nX,steam\n") << "";
    QTest::newRow("quantity zero") << QByteArray("legend,quantity\nX,0\n") << "";
    QTest::newRow("wrap neither yes nor no") << QByteArray("legend,wrap\nX,maybe\n") << "";
    QTest::newRow("a letter in a legacy code page")
        << QByteArray("legend,diameter\nK\334HLWASSER,2 in\n") << "";
}

void LineListTest::cellsAreReadOrRefused()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, expected);
    QBuffer buffer(&csv);
    buffer.open(QIODevice::ReadOnly);
    LineList list(&buffer);
    QVERIFY(list.readHeader());
    LineList::Entry entry;
    const LineList::Result result = list.next(&entry);
    if (expected.isEmpty()) {
        QCOMPARE(result, LineList::Result::BadRow);
        QCOMPARE(list.line(), 2);
        QVERIFY(!list.error().isEmpty());
        return;
    }
    QCOMPARE(result, LineList::Result::Entry);
    QStringList parts;
    if (entry.row.legend)
        parts << QStringLiteral("legend=") + *entry.row.legend;
    if (entry.row.diameter)
        parts << QStringLiteral("diameter=") + entry.row.diameter->text();
    if (entry.row.arrows)
        parts << QStringLiteral("arrows=%1").arg(int(*entry.row.arrows));
    if (entry.row.bandRow)
        parts << QStringLiteral("band=%1").arg(*entry.row.bandRow);
    if (!entry.kind.isEmpty())
        parts << QStringLiteral("kind=") + entry.kind;
    if (entry.row.component.value_or(false))
        parts << QStringLiteral("component");
    if (entry.quantity != 1)
        parts << QStringLiteral("quantity=%1").arg(entry.quantity);
    QCOMPARE(parts.join(QLatin1Char(' ')), expected);
    QCOMPARE(list.next(&entry), LineList::Result::End);
}

void LineListTest::headersAreRefusedWithTheirLine_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("error");

    QTest::newRow("empty file") << QByteArray() << 0 << "the list is empty";
    QTest::newRow("only blank lines") << QByteArray("\r\n\n") << 0 << "the list is empty";
    QTest::newRow("a column named twice")
        << QByteArray("\n Legend ,LEGEND\nX,Y\n") << 2 << "the column legend twice";
    QTest::newRow("a quoted name left open")
        << QByteArray("\"legend,diameter\n") << 1 << "a quoted field is not closed";
    QTest::newRow("a legacy code page's letter")
        << QByteArray("legend,gr\366\337e\nX,1\n") << 1 << "not UTF-8";
}

void LineListTest::headersAreRefusedWithTheirLine()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, line);
    QFETCH(QString, error);
    QBuffer buffer(&csv);
    buffer.open(QIODevice::ReadOnly);
    LineList list(&buffer);
    QVERIFY(!list.readHeader());
    QCOMPARE(list.line(), line);
    QVERIFY2(list.error().contains(error), qPrintable(list.error()));
}

void LineListTest::pdfHasAPagePerCopyOfTheLabelsSize()
{
    const QString pdf = m_dir.filePath(QStringLiteral("pages.pdf"));
    QString report;
    const auto status = runBatch("legend,diameter,quantity,kind\n"
                                 "STEAM,1 in,2,\n"
                                 "NH3,3 in,1,ammonia\n"
                                 ",6 in,1,arrow wrap\n",
                                 &report, pdf);
    QCOMPARE(status, LabelBatch::Status::Done);
    QVERIFY2(report.contains(QStringLiteral("3 rows: 3 labels, 4 copies, 0 skipped; 4 pages")),
             qPrintable(report));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QStringList boxes;
    const QByteArray key("/MediaBox [0 0 ");
    for (int at = bytes.indexOf(key); at >= 0; at = bytes.indexOf(key, at + 1)) {
        const QList<QByteArray> sides =
            bytes.mid(at + key.size(), bytes.indexOf(']', at) - at - key.size()).split(' ');
        boxes << QStringLiteral("%1x%2")
                     .arg(sides.value(0).toDouble())
                     .arg(sides.value(1).toDouble());
    }
    // Page sizes are whole points, as for a single label's PDF.
    QCOMPARE(boxes, QStringList({"576x72", "576x72", "1728x216", "1367x144"}));
}

void LineListTest::badRowsAreNamedAndSkipped()
{
    QString report;
    const auto status = runBatch("legend,diameter,category\n"
                                 "STEAM,2 in,flammable\n"
                                 ",2 in,\n"
                                 "AIR,7 in,\n"
                                 "\"WATER\n"
                                 "COLD\",1 in,water\n"
                                 "AMMONIA,1 in,orange\n"
                                 "LAST,\"1 in,\n",
                                 &report);
    QCOMPARE(status, LabelBatch::Status::RowsSkipped);
    const QStringList lines = report.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 7);
    QVERIFY(lines.at(0).startsWith(QStringLiteral("line 2: 8.00 x 1.00 in, 1 copy")));
    QCOMPARE(lines.at(1), QStringLiteral("line 3: skipped: empty legend"));
    QCOMPARE(lines.at(2),
             QStringLiteral("line 4: skipped: no pipe marker size for a pipe of 7 in"));
    // A legend on two lines starts on line 5; the next row starts on line 7.
    QVERIFY(lines.at(3).startsWith(QStringLiteral("line 5: ")));
    QVERIFY(lines.at(4).startsWith(QStringLiteral("line 7: ")));
    QVERIFY2(lines.at(5).startsWith(QStringLiteral("line 8: skipped: ")), qPrintable(lines.at(5)));
    QVERIFY(lines.at(5).endsWith(QStringLiteral("the list is not read further")));
    QCOMPARE(lines.at(6), QStringLiteral("6 rows: 3 labels, 3 copies, 3 skipped; 3 pages in ") +
                              m_dir.filePath(QStringLiteral("scratch.pdf")));
}

void LineListTest::rowMakesTheLabelAUsersEditsMake_data()
{
    QTest::addColumn<QByteArray>("csv");
    // By hand: the diameter row, portrait, wrap, the arrow id, the colour row.
    QTest::addColumn<int>("sizeRow");
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("arrow");
    QTest::addColumn<int>("band");

    QTest::newRow("legend alone") << QByteArray("legend\nSTEAM\n") << -1 << false << false << -1
                                  << -1;
    QTest::newRow("size, flow right, category")
        << QByteArray("legend,diameter,arrows,category\nHOT WATER,2.5 in,right,water\n") << 3
        << false << false << 2 << 3;
    QTest::newRow("wrapped portrait, both ways")
        << QByteArray("legend,diameter,orientation,wrap,arrows\nAIR,40 mm,portrait,yes,both\n") << 2
        << true << true << 6 << -1;
    QTest::newRow("wrapped, flow left, colour name")
        << QByteArray("legend;wrap;arrows;category;diameter\nFOAM;1;left;red;10 in\n") << 4 << false
        << true << 3 << 0;
}

void LineListTest::rowMakesTheLabelAUsersEditsMake()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, sizeRow);
    QFETCH(bool, portrait);
    QFETCH(bool, wrap);
    QFETCH(int, arrow);
    QFETCH(int, band);

    QString report;
    QString errors;
    QTextStream out(&report);
    QTextStream err(&errors);
    LabelBatch batch(out, err);
    QCOMPARE(batch.run(writeList(csv), {m_dir.filePath(QStringLiteral("one.pdf")), {}, 300}),
             LabelBatch::Status::Done);
    QByteArray made;
    {
        QDataStream stream(&made, QIODevice::WriteOnly);
        QVERIFY(batch.module(QStringLiteral("qypm"))->saveRecord(stream));
    }

    // The same label made through the panel's widgets, as a user's touches reach them.
    VendrelController controller;
    VendrelEditWidget* panel = controller.editWidget();
    if (sizeRow >= 0) {
        auto* combo = panel->findChild<QComboBox*>(QStringLiteral("PipeDiameterCombo"));
        combo->setCurrentIndex(sizeRow);
        emit combo->activated(sizeRow);
    }
    if (portrait)
        panel->findChild<QAbstractButton*>(QStringLiteral("PortraitButton"))->click();
    if (wrap)
        panel->findChild<QAbstractButton*>(QStringLiteral("WrapCheckBox"))->click();
    const QString legend = csv.contains("STEAM")       ? QStringLiteral("STEAM")
                           : csv.contains("HOT WATER") ? QStringLiteral("HOT WATER")
                           : csv.contains("AIR")       ? QStringLiteral("AIR")
                                                       : QStringLiteral("FOAM");
    panel->findChild<QLineEdit*>(QStringLiteral("TextEdit"))->setText(legend);
    if (arrow > 0) {
        // "Apply to both" is on for a new label: one pick gives both ends the arrow.
        panel->findChild<QAbstractButton*>(QStringLiteral("LeftArrowButton"))->click();
        auto* view = panel->getSymbolsMenu()->findChild<QListView*>();
        QVERIFY(view);
        QVERIFY(QMetaObject::invokeMethod(panel->getSymbolsMenu(), "symbolSelectionSlot",
                                          Q_ARG(QModelIndex, view->model()->index(arrow - 1, 0))));
        panel->findChild<QAbstractButton*>(QStringLiteral("ArrowCloseButton"))->click();
    }
    if (band >= 0)
        panel->findChild<QComboBox*>(QStringLiteral("ColorCombo"))->setCurrentIndex(band);

    QByteArray byHand;
    {
        QDataStream stream(&byHand, QIODevice::WriteOnly);
        QVERIFY(controller.saveRecord(stream));
    }
    QCOMPARE(made.toHex(), byHand.toHex());
}

QTEST_MAIN(LineListTest)
#include "tst_linelist.moc"
