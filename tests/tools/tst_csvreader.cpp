#include "csvreader.h"

#include <QBuffer>
#include <QtTest>

// A line list comes from whatever spreadsheet the plant keeps; its CSV export
// differs in separator, line ends, byte order mark and quoting.
class CsvReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void dialects_data();
    void dialects();
    void characterCutBetweenChunks();
    void bytesThatAreNotUtf8MarkTheirRecord_data();
    void bytesThatAreNotUtf8MarkTheirRecord();
};

void CsvReaderTest::dialects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QStringList>>("records");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<int>("errorLine"); // 0: read to the end

    using Rows = QList<QStringList>;
    QTest::newRow("commas, LF") << QByteArray("legend,diameter\nSTEAM,2\n")
                                << Rows{{"legend", "diameter"}, {"STEAM", "2"}} << QList<int>{1, 2}
                                << 0;
    QTest::newRow("byte order mark, semicolons, CRLF, decimal comma")
        << QByteArray("\xEF\xBB\xBFlegend;diameter\r\nSTEAM;2,5\r\n")
        << Rows{{"legend", "diameter"}, {"STEAM", "2,5"}} << QList<int>{1, 2} << 0;
    QTest::newRow("quoted separator, quote and line break")
        << QByteArray("legend,note\n\"HOT, WATER\",\"say \"\"hi\"\"\r\nnext\"\nX,y\n")
        << Rows{{"legend", "note"}, {"HOT, WATER", "say \"hi\"\nnext"}, {"X", "y"}}
        << QList<int>{1, 2, 4} << 0;
    QTest::newRow("blank lines are skipped, lines still counted")
        << QByteArray("a\n\n\r\nb\n") << Rows{{"a"}, {"b"}} << QList<int>{1, 4} << 0;
    QTest::newRow("no line end after the last record")
        << QByteArray("a,b") << Rows{{"a", "b"}} << QList<int>{1} << 0;
    QTest::newRow("empty fields") << QByteArray("a,,c\n,\n") << Rows{{"a", "", "c"}, {"", ""}}
                                  << QList<int>{1, 2} << 0;
    QTest::newRow("CR line ends") << QByteArray("a\rb\r") << Rows{{"a"}, {"b"}} << QList<int>{1, 2}
                                  << 0;
    QTest::newRow("an inch mark in an unquoted field")
        << QByteArray("legend,diameter\nSTEAM,2\"\n")
        << Rows{{"legend", "diameter"}, {"STEAM", "2\""}} << QList<int>{1, 2} << 0;
    QTest::newRow("separators inside quotes do not choose")
        << QByteArray("\"x;y;z\",b\n") << Rows{{"x;y;z", "b"}} << QList<int>{1} << 0;
    QTest::newRow("a quoted field left open stops at its line")
        << QByteArray("a\n\"open,b\nc\n") << Rows{{"a"}} << QList<int>{1} << 2;
    QTest::newRow("text after a closing quote")
        << QByteArray("a\nb,\"c\"d\n") << Rows{{"a"}} << QList<int>{1} << 2;
    QTest::newRow("empty file") << QByteArray() << Rows{} << QList<int>{} << 0;
}

void CsvReaderTest::dialects()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QStringList>, records);
    QFETCH(QList<int>, lines);
    QFETCH(int, errorLine);

    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    CsvReader reader(&buffer);
    QList<QStringList> read;
    QList<int> readLines;
    CsvReader::Record record;
    while (reader.next(&record)) {
        read << record.fields;
        readLines << record.line;
    }
    QCOMPARE(read, records);
    QCOMPARE(readLines, lines);
    QCOMPARE(reader.errorLine(), errorLine);
    QCOMPARE(reader.error().isEmpty(), errorLine == 0);
}

void CsvReaderTest::characterCutBetweenChunks()
{
    // The reader takes the file in chunks of 64 KiB; a two-byte character may
    // straddle the boundary.
    QByteArray bytes = "legend\n";
    bytes += QByteArray(64 * 1024 - bytes.size() - 1, 'A');
    bytes += "\xC3\xBC"
             "B\n";
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    CsvReader reader(&buffer);
    CsvReader::Record record;
    QVERIFY(reader.next(&record));
    QVERIFY(reader.next(&record));
    QCOMPARE(record.fields.size(), 1);
    QVERIFY(record.fields.first().endsWith(QStringLiteral("\u00fcB")));
    QCOMPARE(record.fields.first().size(), 64 * 1024 - 7 - 1 + 2);
    QVERIFY(!reader.next(&record));
    QVERIFY(reader.error().isEmpty());
}

void CsvReaderTest::bytesThatAreNotUtf8MarkTheirRecord_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Per record: whether it is marked.
    QTest::addColumn<QList<bool>>("marked");

    QTest::newRow("UTF-8 letters and a replacement mark written as such")
        << QByteArray("K\303\234HL\nX\357\277\275\n") << QList<bool>{false, false};
    QTest::newRow("a legacy code page's letter")
        << QByteArray("a\nK\334HL,b\nc\n") << QList<bool>{false, true, false};
    QTest::newRow("in a quoted field over two lines")
        << QByteArray("\"x\n\xFF\",y\nz\n") << QList<bool>{true, false};
    QTest::newRow("a character cut off by the end of the file")
        << QByteArray("a\nb\xE2\x82") << QList<bool>{false, true};
    QTest::newRow("a null byte") << QByteArray("a\0b\nc\n", 6) << QList<bool>{true, false};
    // A sequence begun at the end of one chunk and broken off in the next.
    QByteArray cut = "legend\n";
    cut += QByteArray(64 * 1024 - cut.size() - 1, 'A');
    cut += "\360\232n\nB\n";
    QTest::newRow("broken off across two chunks") << cut << QList<bool>{false, true, false};
}

void CsvReaderTest::bytesThatAreNotUtf8MarkTheirRecord()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<bool>, marked);

    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    CsvReader reader(&buffer);
    QList<bool> read;
    CsvReader::Record record;
    while (reader.next(&record))
        read << record.undecodable;
    QVERIFY(reader.error().isEmpty());
    QCOMPARE(read, marked);
}

QTEST_GUILESS_MAIN(CsvReaderTest)
#include "tst_csvreader.moc"
