#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "files/filecontroller.h"
#include "files/genericlabelformat.h"
#include "files/genericlabelreader.h"
#include "files/genericlabelwriter.h"
#include "widgets/mvfiledialog.h"
#include "widgets/mvmessagebox.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cstring>
#include <limits>

namespace {

const QByteArray ArrowSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 100 100\">"
                            "<path d=\"M0 35h60V10l40 40-40 40V65H0z\"/></svg>";

template <typename T> T* lastItem(MvCanvasModel* canvas)
{
    return qgraphicsitem_cast<T*>(canvas->items(Qt::AscendingOrder).last());
}

// A label with what the modules put on a canvas: coloured, turned and
// stacked symbols, fitted and stretched texts, and a hidden arrow. The text
// comes last so that its font size ends the file.
MvCanvasModel* sampleCanvas(QObject* parent)
{
    auto* canvas = new MvCanvasModel({Qt::black, Qt::white}, 13824, 13824, 576, 72, parent);
    canvas->setCanvasBackgroundColor(QColor("#fedb00"));
    canvas->addSymbolItem(ArrowSvg);
    auto* left = lastItem<SymbolItem>(canvas);
    left->setItemId(101);
    left->setItemSize(45, 20);
    left->setItemRotation(180);
    left->setForegroundColor(QColor("#dc0b0b"));
    left->setBackgroundColor(QColor(0, 24, 168, 128));
    left->setPos(10.25, 26);
    canvas->addSymbolItem(ArrowSvg);
    lastItem<SymbolItem>(canvas)->setVisible(false);
    canvas->addSymbolItem(QByteArray()); // blank symbol, below everything
    lastItem<SymbolItem>(canvas)->setZValue(-3);
    canvas->addGenericItem(MvCanvasModel::SimpleTextType, QStringLiteral("SIDE"), true,
                           QPointF(560, 10), -90, 103, false);
    auto* side = lastItem<SimpleTextItem>(canvas);
    side->setVertical(true);
    side->setItemSize(50, 12);
    canvas->addGenericItem(MvCanvasModel::SimpleTextType, QStringLiteral("NH\u2083 LIQUID"), true,
                           QPointF(60, 12), 0, 100, true);
    auto* legend = lastItem<SimpleTextItem>(canvas);
    legend->setTextStyleFlag(true);
    legend->setFontFamily(QStringLiteral("DejaVu Sans"));
    legend->setFontPointSize(30);
    legend->setTextColor(Qt::white);
    legend->fitToTextHeight(13824, 36, true, true);
    legend->setStretchToFit(true);
    canvas->setCanvasHasChanged(true);
    return canvas;
}

// Big-endian bytes of a value, as the format stores it.
template <typename T> QByteArray be(T value)
{
    QByteArray bytes(int(sizeof(T)), 0);
    if constexpr (std::is_same_v<T, double>) {
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        qToBigEndian(bits, bytes.data());
    } else {
        qToBigEndian(value, bytes.data());
    }
    return bytes;
}

// A label file as a device that notes how much each read asks it for, which
// is what a read reserves; it can pose as a stream or claim another size.
class ProbeDevice : public QIODevice
{
public:
    ProbeDevice(const QByteArray& bytes, bool sequential, qint64 claimedSize)
        : m_bytes(bytes), m_sequential(sequential), m_claimedSize(claimedSize)
    {
    }
    bool isSequential() const override { return m_sequential; }
    qint64 size() const override { return m_claimedSize >= 0 ? m_claimedSize : m_bytes.size(); }
    qint64 largestRequest() const { return m_largestRequest; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        m_largestRequest = qMax(m_largestRequest, maxSize);
        const qint64 count = qMin(maxSize, qint64(m_bytes.size()) - m_offset);
        std::memcpy(data, m_bytes.constData() + m_offset, size_t(count));
        m_offset += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_offset = 0;
    bool m_sequential;
    qint64 m_claimedSize;
    qint64 m_largestRequest = 0;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rewrittenLabelIsByteIdentical_data();
    void rewrittenLabelIsByteIdentical();
    void bytesFollowTheDocumentedLayout();
    void damagedFileIsRefusedAndCanvasKept_data();
    void damagedFileIsRefusedAndCanvasKept();
    void everyTruncationIsRefused();
    void unknownItemKindIsSkipped();
    void readingReservesOnlyWhatTheFileHolds_data();
    void readingReservesOnlyWhatTheFileHolds();

    void saveAppendsSuffixAndWritesLabel_data();
    void saveAppendsSuffixAndWritesLabel();
    void flagRemembersFolderAndHistory();
    void existingFileAnswers_data();
    void existingFileAnswers();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
    void nothingToSaveAsksNothing_data();
    void nothingToSaveAsksNothing();

private:
    QTemporaryDir m_dir;
    QStringList m_dialogAnswers;
    QList<MvFileDialog::Request> m_requests;
    QList<QMessageBox::StandardButton> m_boxAnswers;
    QStringList m_boxTexts;
};

void TestFileController::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
    QVERIFY(m_dir.isValid());
}

void TestFileController::init()
{
    m_dialogAnswers.clear();
    m_requests.clear();
    m_boxAnswers.clear();
    m_boxTexts.clear();
    MvFileDialog::setAnswerProvider([this](const MvFileDialog::Request& request) {
        m_requests.append(request);
        return m_dialogAnswers.isEmpty() ? QString() : m_dialogAnswers.takeFirst();
    });
    MvMessageBox::setAnswerProvider(
        [this](const QString& title, const QString& text, QMessageBox::StandardButtons) {
            m_boxTexts.append(title + QLatin1Char('|') + text);
            return m_boxAnswers.isEmpty() ? QMessageBox::Ok : m_boxAnswers.takeFirst();
        });
    QSettings().clear();
}

void TestFileController::cleanup()
{
    MvFileDialog::setAnswerProvider({});
    MvMessageBox::setAnswerProvider({});
}

void TestFileController::rewrittenLabelIsByteIdentical_data()
{
    QTest::addColumn<bool>("withItems");
    QTest::addColumn<int>("itemsRead");
    QTest::newRow("empty canvas") << false << 0;
    QTest::newRow("symbols and texts, hidden arrow left out") << true << 4;
}

void TestFileController::rewrittenLabelIsByteIdentical()
{
    QFETCH(bool, withItems);
    QFETCH(int, itemsRead);
    QScopedPointer<MvCanvasModel> original(
        withItems ? sampleCanvas(nullptr)
                  : new MvCanvasModel({Qt::black, Qt::white}, 13824, 13824, 123.5, 0.25));
    const QByteArray first = GenericLabelWriter(original.data()).toBytes();

    QBuffer buffer;
    buffer.setData(first);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    GenericLabelReader reader;
    QScopedPointer<MvCanvasModel> copy(reader.readCanvas(&buffer));
    QVERIFY2(copy, qPrintable(reader.errorString()));
    QCOMPARE(copy->items().size(), itemsRead);
    QCOMPARE(copy->getCanvasSize(), original->getCanvasSize());
    QVERIFY(!copy->canvasHasChanged());
    QCOMPARE(GenericLabelWriter(copy.data()).toBytes(), first);

    if (withItems) {
        // What the label looks like must survive, not only the bytes.
        const auto* legend = lastItem<SimpleTextItem>(copy.data());
        QCOMPARE(legend->toPlainText(), QStringLiteral("NH\u2083 LIQUID"));
        QCOMPARE(legend->getItemSize(), lastItem<SimpleTextItem>(original.data())->getItemSize());
        QVERIFY(legend->stretchToFit() && legend->isTextReadOnly());
        QCOMPARE(copy->createIcon(256, 256), original->createIcon(256, 256));
    }
}

void TestFileController::bytesFollowTheDocumentedLayout()
{
    MvCanvasModel canvas({Qt::black, Qt::white}, 13824, 13824, 100, 50);
    canvas.addSymbolItem("<svg/>");
    auto* symbol = lastItem<SymbolItem>(&canvas);
    symbol->setItemId(7);
    symbol->setPos(1, 2);
    symbol->setItemSize(3, 4);
    symbol->setZValue(0.5);

    QByteArray expected("\x89QYLD\r\n\x1a", 8);
    expected += be<quint16>(1) + be<double>(100) + be<double>(50) + be<quint32>(0xffffffff) +
                be<quint32>(0xff000000) + be<quint32>(1);
    expected += '\x01' + be<quint32>(58 + 4 + 6) + be<quint16>(7) + be<double>(1) + be<double>(2) +
                be<double>(3) + be<double>(4) + be<double>(0) + be<double>(0.5) +
                be<quint32>(0xff000000) + be<quint32>(0) + be<quint32>(6) + QByteArray("<svg/>");
    QCOMPARE(GenericLabelWriter(&canvas).toBytes().toHex(' '), expected.toHex(' '));
}

void TestFileController::damagedFileIsRefusedAndCanvasKept_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QScopedPointer<MvCanvasModel> canvas(sampleCanvas(nullptr));
    const QByteArray good = GenericLabelWriter(canvas.data()).toBytes();
    const auto patched = [&good](int offset, const QByteArray& with) {
        return QByteArray(good).replace(offset, with.size(), with);
    };
    QTest::newRow("another file's signature") << patched(1, "X");
    QTest::newRow("later version") << patched(8, be<quint16>(2));
    QTest::newRow("width not a number")
        << patched(10, be<double>(std::numeric_limits<double>::quiet_NaN()));
    QTest::newRow("item count beyond the file") << patched(34, be<quint32>(0xffffffff));
    QTest::newRow("bytes after the last item") << good + "x";
    QTest::newRow("font size zero") << patched(good.size() - 5, be<quint32>(0));
    QTest::newRow("item width infinite")
        << patched(43 + 2 + 16, be<double>(std::numeric_limits<double>::infinity()));
    // Bounds on what drawing the file may cost.
    QTest::newRow("symbol wider than the largest canvas") << patched(43 + 2 + 16, be<double>(1e6));
    QTest::newRow("symbol higher than the largest canvas")
        << patched(43 + 2 + 24, be<double>(13824.5));
    QByteArray crowded = patched(34, be<quint32>(GenericLabelFormat::MaxItemCount + 1));
    for (quint32 i = 4; i <= GenericLabelFormat::MaxItemCount; ++i)
        crowded += '\x09' + be<quint32>(0); // empty records of an unknown kind
    QTest::newRow("more items than a label holds") << crowded;
}

void TestFileController::damagedFileIsRefusedAndCanvasKept()
{
    QFETCH(QByteArray, bytes);
    QScopedPointer<MvCanvasModel> canvas(sampleCanvas(nullptr));
    const QByteArray before = GenericLabelWriter(canvas.data()).toBytes();
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    GenericLabelReader reader;
    QVERIFY(!reader.read(&buffer, canvas.data()));
    QVERIFY(!reader.errorString().isEmpty());
    QCOMPARE(GenericLabelWriter(canvas.data()).toBytes(), before);
    QVERIFY(canvas->canvasHasChanged());
}

void TestFileController::everyTruncationIsRefused()
{
    QScopedPointer<MvCanvasModel> canvas(sampleCanvas(nullptr));
    const QByteArray good = GenericLabelWriter(canvas.data()).toBytes();
    for (int size = 0; size < good.size(); ++size) {
        QBuffer buffer;
        buffer.setData(good.left(size));
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        GenericLabelReader reader;
        QScopedPointer<MvCanvasModel> copy(reader.readCanvas(&buffer));
        QVERIFY2(!copy, qPrintable(QString::number(size)));
    }
}

void TestFileController::unknownItemKindIsSkipped()
{
    MvCanvasModel canvas({Qt::black, Qt::white}, 13824, 13824, 100, 50);
    QByteArray bytes = GenericLabelWriter(&canvas).toBytes();
    bytes.replace(34, 4, be<quint32>(1));
    bytes += '\x09' + be<quint32>(3) + QByteArray("abc");
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    GenericLabelReader reader;
    QTest::ignoreMessage(QtWarningMsg, "Generic label: skipped 1 item(s) of an unknown kind");
    QScopedPointer<MvCanvasModel> copy(reader.readCanvas(&buffer));
    QVERIFY(copy);
    QCOMPARE(reader.skippedItemCount(), 1);
    QVERIFY(copy->items().isEmpty());
}

void TestFileController::readingReservesOnlyWhatTheFileHolds_data()
{
    QTest::addColumn<bool>("sequential");
    QTest::addColumn<qint64>("claimedSize"); // -1: the real size
    QTest::addColumn<bool>("readable");
    QTest::newRow("file") << false << qint64(-1) << true;
    QTest::newRow("stream") << true << qint64(-1) << true;
    QTest::newRow("file larger than any label")
        << false << qint64(GenericLabelFormat::MaxFileSize + 1) << false;
}

void TestFileController::readingReservesOnlyWhatTheFileHolds()
{
    QFETCH(bool, sequential);
    QFETCH(qint64, claimedSize);
    QFETCH(bool, readable);
    QScopedPointer<MvCanvasModel> canvas(sampleCanvas(nullptr));
    const QByteArray bytes = GenericLabelWriter(canvas.data()).toBytes();
    ProbeDevice device(bytes, sequential, claimedSize);
    QVERIFY(device.open(QIODevice::ReadOnly));
    GenericLabelReader reader;
    QScopedPointer<MvCanvasModel> copy(reader.readCanvas(&device));
    QCOMPARE(bool(copy), readable);
    QVERIFY2(device.largestRequest() <= qMax<qint64>(bytes.size() + 1, 64 * 1024),
             qPrintable(QString::number(device.largestRequest())));
}

void TestFileController::saveAppendsSuffixAndWritesLabel_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no suffix") << "pump room"
                               << "pump room.qyld";
    QTest::newRow("upper-case suffix kept") << "PUMP.QYLD"
                                            << "PUMP.QYLD";
    QTest::newRow("other label kind") << "pump.qypm"
                                      << "pump.qypm.qyld";
    QTest::newRow("trailing dot") << "pump."
                                  << "pump.qyld";
}

void TestFileController::saveAppendsSuffixAndWritesLabel()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QScopedPointer<MvCanvasModel> canvas(sampleCanvas(nullptr));
    FileController controller(canvas.data());
    m_dialogAnswers << m_dir.filePath(typed);
    QSignalSpy saved(&controller, &FileController::labelSavedSignal);

    QVERIFY(controller.saveLabelAs(QStringLiteral("qyld"), false, QString()));
    const QString path = m_dir.filePath(written);
    QCOMPARE(saved.value(0).value(0).toString(), path);
    QCOMPARE(readFile(path), GenericLabelWriter(canvas.data()).toBytes());
    QCOMPARE(m_requests.size(), 1);
    QVERIFY(m_requests.first().save);
    QVERIFY(m_requests.first().options & QFileDialog::DontConfirmOverwrite);
    QVERIFY(m_requests.first().filter.endsWith(QStringLiteral("(*.qyld)")));
    QVERIFY(m_boxTexts.isEmpty());
    // An export is not a save of the label, and leaves the recent files alone.
    QVERIFY(canvas->canvasHasChanged());
    QVERIFY(!QSettings().contains(QStringLiteral("fileHistory")));
    QVERIFY(!QSettings().contains(QStringLiteral("dir/labels")));
    QVERIFY(QFile::remove(path));
}

void TestFileController::flagRemembersFolderAndHistory()
{
    QScopedPointer<MvCanvasModel> canvas(sampleCanvas(nullptr));
    FileController controller(canvas.data());
    const QString path = m_dir.filePath(QStringLiteral("remembered.qyld"));
    m_dialogAnswers << path;
    QVERIFY(controller.saveLabelAs(QStringLiteral("QYLD"), true, QStringLiteral("Pump Room")));
    QVERIFY(m_requests.first().dir.endsWith(QStringLiteral("/Pump Room.qyld")));
    const QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("dir/labels")).toString(), m_dir.path());
    QCOMPARE(settings.value(QStringLiteral("fileHistory")).toStringList(), QStringList{path});
    // On disk once the event loop has run, as it does after every command.
    QCoreApplication::processEvents();
    QFile stored(settings.fileName());
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray written = stored.readAll();
    QVERIFY(written.contains("remembered.qyld"));
    QVERIFY(written.contains("labels="));
}

void TestFileController::existingFileAnswers_data()
{
    QTest::addColumn<QList<int>>("answers"); // message box answers, in order
    QTest::addColumn<QStringList>("names");  // answers of the file dialogs, in order
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("writtenName"); // empty: nothing written
    using B = int;
    QTest::newRow("yes replaces") << QList<B>{QMessageBox::Yes} << QStringList{"old.qyld"} << true
                                  << "old.qyld";
    QTest::newRow("no, then a new name")
        << QList<B>{QMessageBox::No} << QStringList{"old.qyld", "new"} << true << "new.qyld";
    QTest::newRow("no, then another existing name, then yes")
        << QList<B>{QMessageBox::No, QMessageBox::Yes} << QStringList{"old.qyld", "other"} << true
        << "other.qyld";
    QTest::newRow("no, then cancel")
        << QList<B>{QMessageBox::No} << QStringList{"old", ""} << false << "";
    QTest::newRow("cancel") << QList<B>{QMessageBox::Cancel} << QStringList{"old.qyld"} << false
                            << "";
}

void TestFileController::existingFileAnswers()
{
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, names);
    QFETCH(bool, result);
    QFETCH(QString, writtenName);
    QTemporaryDir dir;
    for (const QString& name : {QStringLiteral("old.qyld"), QStringLiteral("other.qyld")}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("previous label");
    }
    for (const QString& name : qAsConst(names))
        m_dialogAnswers << (name.isEmpty() ? QString() : dir.filePath(name));
    for (int answer : qAsConst(answers))
        m_boxAnswers << QMessageBox::StandardButton(answer);
    QScopedPointer<MvCanvasModel> canvas(sampleCanvas(nullptr));
    FileController controller(canvas.data());

    QCOMPARE(controller.saveLabelAs(QStringLiteral("qyld"), false, QString()), result);
    QCOMPARE(m_boxTexts.first(),
             QStringLiteral("Save Label As|The file old.qyld already exists. Do you want to "
                            "replace it?"));
    QVERIFY(m_boxAnswers.isEmpty() && m_dialogAnswers.isEmpty());
    const QByteArray label = GenericLabelWriter(canvas.data()).toBytes();
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
        QCOMPARE(readFile(dir.filePath(name)),
                 name == writtenName ? label : QByteArray("previous label"));
    if (!writtenName.isEmpty())
        QVERIFY(QFile::exists(dir.filePath(writtenName)));
}

void TestFileController::failedWriteIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("folder does not exist") << "missing/label.qyld";
    QTest::newRow("name of a folder") << "folder.qyld";
}

void TestFileController::failedWriteIsReported()
{
    QFETCH(QString, name);
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.qyld")));
    m_dialogAnswers << m_dir.filePath(name);
    m_boxAnswers << QMessageBox::Yes << QMessageBox::Ok; // replace the "folder", then the error
    QScopedPointer<MvCanvasModel> canvas(sampleCanvas(nullptr));
    FileController controller(canvas.data());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Exporting the label to .* failed"));
    QVERIFY(!controller.saveLabelAs(QStringLiteral("qyld"), true, QString()));
    QVERIFY2(
        m_boxTexts.last().startsWith(QStringLiteral("Save Error|The label could not be saved")),
        qPrintable(m_boxTexts.join(QLatin1Char('\n'))));
    QVERIFY(!QSettings().contains(QStringLiteral("fileHistory")));
    QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("folder.qyld"))).isDir());
}

void TestFileController::nothingToSaveAsksNothing_data()
{
    QTest::addColumn<bool>("withScene");
    QTest::addColumn<bool>("sceneDeleted");
    QTest::addColumn<QString>("extension");
    QTest::newRow("scene deleted meanwhile") << true << true << "qyld";
    QTest::newRow("unsupported format") << true << false << "qypm";
}

void TestFileController::nothingToSaveAsksNothing()
{
    QFETCH(bool, withScene);
    QFETCH(bool, sceneDeleted);
    QFETCH(QString, extension);
    FileController controller;
    QScopedPointer<MvCanvasModel> canvas(sampleCanvas(nullptr));
    if (withScene)
        controller.setScene(canvas.data());
    if (sceneDeleted)
        canvas.reset();
    m_dialogAnswers << m_dir.filePath(QStringLiteral("never.qyld"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^(No label|Labels cannot be saved)"));
    QVERIFY(!controller.saveLabelAs(extension, true, QString()));
    QVERIFY(m_requests.isEmpty());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("never.qyld"))));
}

QTEST_MAIN(TestFileController)
#include "tst_filecontroller.moc"
