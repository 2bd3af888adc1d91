#include "files/labelfileheader.h"
#include "files/labelfileresult.h"

#include <QBuffer>
#include <QImage>
#include <QtTest>

Q_DECLARE_METATYPE(LabelFileResult)
Q_DECLARE_METATYPE(LabelFileResult::Status)

// The container header as bytes: what the editor and the renderer accept, and the
// reason (with the very text the log carries) for what they refuse.
class LabelFileHeaderTest : public QObject
{
    Q_OBJECT

private slots:
    void writtenHeaderBytes_data();
    void writtenHeaderBytes();
    void headerAndPreviewAreJudged_data();
    void headerAndPreviewAreJudged();
    void readingStopsWhereTheRecordBegins_data();
    void readingStopsWhereTheRecordBegins();
    void resultsNotFromTheHeader_data();
    void resultsNotFromTheHeader();

private:
    static const QStringList& knownFormats();
    static QByteArray previewBytes(const QImage& image);
};

const QStringList& LabelFileHeaderTest::knownFormats()
{
    static const QStringList formats{QStringLiteral("qypm"), QStringLiteral("qyam"),
                                     QStringLiteral("qyaw")};
    return formats;
}

QByteArray LabelFileHeaderTest::previewBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    stream << image;
    return bytes;
}

void LabelFileHeaderTest::writtenHeaderBytes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("pipe marker") << "/labels/pump.qypm" << QByteArray("\x89qypm\0\0\0\0", 9);
    QTest::newRow("capitals stored as typed") << "LABEL.QYAW" << QByteArray("\x89QYAW\0\0\0\0", 9);
    QTest::newRow("only the last suffix") << "a.qyam.qypm" << QByteArray("\x89qypm\0\0\0\0", 9);
    QTest::newRow("Latin-1 kept, beyond it zero")
        << QString::fromUtf8("a.q\xc3\xa9\xe2\x82\xac") << QByteArray("\x89q\xe9\0\0\0\0\0", 8);
    QTest::newRow("no suffix") << "label" << QByteArray("\x89\0\0\0\0", 5);
}

void LabelFileHeaderTest::writtenHeaderBytes()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, bytes);
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    LabelFileHeader::write(stream, path);
    QCOMPARE(written, bytes);
}

void LabelFileHeaderTest::headerAndPreviewAreJudged_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<LabelFileResult::Status>("status");
    QTest::addColumn<QString>("logText");

    const QByteArray header("\x89qypm\0\0\0\0", 9);
    const QByteArray preview = previewBytes(QImage(256, 256, QImage::Format_ARGB32));
    const QByteArray pngStart = QByteArray::fromHex("00000001") + QByteArray("\x89PNG\r\n\x1a\n");
    const QByteArray hugeHeader = QByteArray::fromHex("0000000d") + QByteArray("IHDR") +
                                  QByteArray::fromHex("0000100100000010") + QByteArray(64, '\0');
    const QString damaged = QStringLiteral("Error loading file: Damaged record");

    QTest::newRow("good") << "a.qypm" << header + preview << LabelFileResult::Ok << QString();
    QTest::newRow("good, format in capitals")
        << "A.QYPM" << QByteArray("\x89QYPM\0\0\0\0", 9) + preview << LabelFileResult::Ok
        << QString();
    QTest::newRow("good, no preview image")
        << "a.qyaw" << QByteArray("\x89qyaw\0\0\0\0", 9) + QByteArray(4, '\0')
        << LabelFileResult::Ok << QString();
    QTest::newRow("bad magic") << "a.qypm" << QByteArray("LABELqypm") << LabelFileResult::BadMagic
                               << "Error loading file: Invalid magic number: 4C";
    QTest::newRow("bad magic, one hex digit")
        << "a.qypm" << QByteArray("\x0aqypm", 5) << LabelFileResult::BadMagic
        << "Error loading file: Invalid magic number: A";
    QTest::newRow("empty file") << "a.qypm" << QByteArray() << LabelFileResult::BadMagic
                                << "Error loading file: Invalid magic number: 0";
    QTest::newRow("unknown format")
        << "a.qyld" << QByteArray("\x89qyld\0\0\0\0", 9) << LabelFileResult::UnknownFormat
        << "Error loading file: Invalid encoded format: qyld";
    QTest::newRow("format of another kind than the name")
        << "a.qypm" << QByteArray("\x89qyam\0\0\0\0", 9) + preview << LabelFileResult::Ok
        << QString();
    // Bytes of a hostile file reach the log and the terminal only escaped, on one line.
    QTest::newRow("format with a line break and an escape")
        << "a.qypm" << QByteArray("\x89q\n\x1b[\0\0\0\0", 9) << LabelFileResult::UnknownFormat
        << "Error loading file: Invalid encoded format: q\\n\\x1b[";
    QTest::newRow("format beyond ASCII, backslash")
        << "a.qypm" << QByteArray("\x89\\\xe9\x9b\x7f", 5) << LabelFileResult::UnknownFormat
        << "Error loading file: Invalid encoded format: \\\\\\xe9\\x9b\\x7f";
    QTest::newRow("suffix of another length")
        << "a.qypmx" << header << LabelFileResult::UnknownFormat
        << "Error loading file: Invalid encoded format: qypm";
    QTest::newRow("cut short in the format")
        << "a.qypm" << QByteArray("\x89qy") << LabelFileResult::UnknownFormat
        << "Error loading file: Invalid encoded format: qy";
    QTest::newRow("cut short in the terminator")
        << "a.qypm" << QByteArray("\x89qypm\0\0", 7) << LabelFileResult::DamagedPreview << damaged;
    QTest::newRow("cut short before the preview")
        << "a.qypm" << header << LabelFileResult::DamagedPreview << damaged;
    QTest::newRow("cut short in the preview")
        << "a.qypm" << header + preview.left(preview.size() / 2) << LabelFileResult::DamagedPreview
        << damaged;
    QTest::newRow("preview not a PNG")
        << "a.qypm" << header + QByteArray::fromHex("00000001") + QByteArray("GIF89a..", 8)
        << LabelFileResult::DamagedPreview << damaged;
    // Any marker but 0 announces an image, as Qt's own image reader takes it.
    QTest::newRow("image marker without an image")
        << "a.qypm" << header + QByteArray::fromHex("00000002") << LabelFileResult::DamagedPreview
        << damaged;
    QTest::newRow("image marker 2")
        << "a.qypm" << header + QByteArray::fromHex("00000002") + preview.mid(4)
        << LabelFileResult::Ok << QString();
    QTest::newRow("negative image marker")
        << "a.qypm" << header + QByteArray::fromHex("ffffffff") + preview.mid(4)
        << LabelFileResult::Ok << QString();
    QTest::newRow("oversized preview") << "a.qypm" << header + pngStart + hugeHeader
                                       << LabelFileResult::OversizedPreview << damaged;
    QTest::newRow("chunk longer than the file")
        << "a.qypm"
        << header + pngStart + QByteArray::fromHex("7fffffff") + QByteArray("IDAT") +
               QByteArray(16, '\0')
        << LabelFileResult::DamagedPreview << damaged;
}

void LabelFileHeaderTest::headerAndPreviewAreJudged()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(LabelFileResult::Status, status);
    QFETCH(QString, logText);

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    LabelFileResult result = LabelFileHeader::read(stream, name, knownFormats());
    if (result.isOk())
        result = LabelFileHeader::skipPreview(stream);

    QCOMPARE(result.status(), status);
    QCOMPARE(result.isOk(), status == LabelFileResult::Ok);
    QCOMPARE(result.logText(), logText);
    const QString prefix = QStringLiteral("Error loading file: ");
    QCOMPARE(result.reason(), logText.mid(prefix.size()));
    QCOMPARE(result.isDamaged(), logText == prefix + QStringLiteral("Damaged record"));
}

void LabelFileHeaderTest::readingStopsWhereTheRecordBegins_data()
{
    QTest::addColumn<QImage>("preview");
    QImage drawn(256, 256, QImage::Format_RGB32);
    drawn.fill(Qt::red);
    QTest::newRow("drawn preview") << drawn;
    QTest::newRow("large preview at the limit") << QImage(4096, 2, QImage::Format_Mono);
    QTest::newRow("no preview") << QImage();
}

void LabelFileHeaderTest::readingStopsWhereTheRecordBegins()
{
    QFETCH(QImage, preview);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QDataStream stream(&buffer);
        LabelFileHeader::write(stream, QStringLiteral("label.qypm"));
        stream << preview << QStringLiteral("record");
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    QVERIFY(LabelFileHeader::read(stream, QStringLiteral("label.qypm"), knownFormats()).isOk());
    QVERIFY(LabelFileHeader::skipPreview(stream).isOk());
    QString record;
    stream >> record;
    QCOMPARE(record, QStringLiteral("record"));
    QVERIFY(stream.atEnd());
}

void LabelFileHeaderTest::resultsNotFromTheHeader_data()
{
    QTest::addColumn<LabelFileResult>("result");
    QTest::addColumn<LabelFileResult::Status>("status");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("logText");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("read") << LabelFileResult() << LabelFileResult::Ok << QString() << QString()
                          << false;
    QTest::newRow("damaged record")
        << LabelFileResult::damagedRecord() << LabelFileResult::DamagedRecord << "Damaged record"
        << "Error loading file: Damaged record" << true;
    // A missing or unreadable file is not logged; the renderer still names a reason.
    QTest::newRow("cannot be read") << LabelFileResult::ioError() << LabelFileResult::IoError
                                    << "Cannot be read" << QString() << false;
}

void LabelFileHeaderTest::resultsNotFromTheHeader()
{
    QFETCH(LabelFileResult, result);
    QFETCH(LabelFileResult::Status, status);
    QFETCH(QString, reason);
    QFETCH(QString, logText);
    QFETCH(bool, damaged);
    QCOMPARE(result.status(), status);
    QCOMPARE(result.reason(), reason);
    QCOMPARE(result.logText(), logText);
    QCOMPARE(result.isDamaged(), damaged);
}

QTEST_MAIN(LabelFileHeaderTest)
#include "tst_labelfileheader.moc"
