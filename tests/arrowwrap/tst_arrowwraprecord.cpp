#include "arrowwraptesthelpers.h"

#include "arrowwrap/arrowwrapfileloader.h"
#include "files/pipefilecontroller.h"

#include <QTemporaryDir>

#include <cmath>
#include <limits>

namespace {

// A label of the first table row with some values changed.
ArrowWrapLabel labelWith(const std::function<void(ArrowWrapLabel&)>& change)
{
    ArrowWrapLabel label;
    change(label);
    return label;
}

QStringList boxes(const QList<SymbolItem*>& arrows)
{
    QStringList shown;
    for (const SymbolItem* arrow : arrows) {
        const QRectF r = arrow->sceneBoundingRect();
        shown << QStringLiteral("%1 %2,%3 %4x%5")
                     .arg(arrow->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"))
                     .arg(r.x(), 0, 'f', 2)
                     .arg(r.y(), 0, 'f', 2)
                     .arg(r.width(), 0, 'f', 2)
                     .arg(r.height(), 0, 'f', 2);
    }
    return shown;
}

} // namespace

class ArrowWrapRecordTest : public QObject
{
    Q_OBJECT

private slots:
    void recordByteLayout();
    void valuesReadAreBounded_data();
    void valuesReadAreBounded();
    void saveReadSaveKeepsTheBytes_data();
    void saveReadSaveKeepsTheBytes();
    void editorAndLoaderDrawTheSame_data();
    void editorAndLoaderDrawTheSame();
    void damagedFileKeepsTheLabel();
    void unknownArrowIsKeptHidden();
    void newLabelIsTheFirstRow();
    void loaderDrawsOneFileAfterAnother();

private:
    QTemporaryDir m_dir;
};

void ArrowWrapRecordTest::recordByteLayout()
{
    ArrowWrapLabel label;
    label.warning = QStringLiteral("A");
    const QByteArray expected = QByteArray::fromHex("01"                     // inches
                                                    "0000"                   // diameter row
                                                    "432aa3d7"               // length 170.64
                                                    "42900000"               // height 72
                                                    "0002"                   // arrows
                                                    "42075c29"               // spacing 33.84
                                                    "42340000"               // arrow length 45
                                                    "01ffffffffffffffff0000" // white band
                                                    "01ffff0000000000000000" // black arrows
                                                    "00000002"               // arrow id
                                                    "00000002"               // text bytes
                                                    "0041");                 // "A"
    QCOMPARE(recordBytes(label).toHex(), expected.toHex());
}

void ArrowWrapRecordTest::valuesReadAreBounded_data()
{
    QTest::addColumn<ArrowWrapLabel>("stored");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<ArrowWrapLabel>("read");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("count -5") << labelWith([](ArrowWrapLabel& l) { l.arrowCount = -5; }) << true
                              << labelWith([](ArrowWrapLabel& l) { l.arrowCount = 1; });
    QTest::newRow("count 0") << labelWith([](ArrowWrapLabel& l) { l.arrowCount = 0; }) << false
                             << labelWith([](ArrowWrapLabel& l) { l.arrowCount = 1; });
    QTest::newRow("count 32767") << labelWith([](ArrowWrapLabel& l) { l.arrowCount = 32767; })
                                 << false
                                 << labelWith([](ArrowWrapLabel& l) { l.arrowCount = 99; });
    QTest::newRow("diameter row 12")
        << labelWith([](ArrowWrapLabel& l) { l.pipeDiameterIndex = 12; }) << true
        << ArrowWrapLabel();
    QTest::newRow("sizes that are no sizes") << labelWith([nan](ArrowWrapLabel& l) {
        l.length = nan;
        l.height = -3;
        l.arrowLength = 0;
        l.arrowSpacing = -1;
    }) << false << labelWith([](ArrowWrapLabel& l) {
        l.length = 14.4;
        l.height = 14.4;
        l.arrowLength = 1.0;
        l.arrowSpacing = 0.0;
    });
    QTest::newRow("20 in high, drawn")
        << labelWith([](ArrowWrapLabel& l) { l.height = 1440; }) << false
        << labelWith([](ArrowWrapLabel& l) { l.height = 1440; });
    QTest::newRow("20 in high, edited") << labelWith([](ArrowWrapLabel& l) {
        l.height = 1440;
        l.arrowLength = 1000;
    }) << true << labelWith([](ArrowWrapLabel& l) {
        l.height = 864;
        l.arrowLength = 864;
    });
    QTest::newRow("colours and id as read") << labelWith([](ArrowWrapLabel& l) {
        l.arrowId = 999;
        l.background = RecordColor();
    }) << true << labelWith([](ArrowWrapLabel& l) {
        l.arrowId = 999;
        l.background = RecordColor();
    });
}

void ArrowWrapRecordTest::valuesReadAreBounded()
{
    QFETCH(ArrowWrapLabel, stored);
    QFETCH(bool, editable);
    QFETCH(ArrowWrapLabel, read);
    QByteArray bytes = recordBytes(stored);
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    const ArrowWrapLabel label = ArrowWrapRecord::read(
        stream, editable ? ArrowWrapLabel::Bounds::Editable : ArrowWrapLabel::Bounds::Drawable);
    QCOMPARE(stream.status(), QDataStream::Ok);
    // Read back at single precision, as every record is.
    QCOMPARE(recordBytes(label), recordBytes(read));
    QCOMPARE(label.drawnBackground().isValid(), true);
}

void ArrowWrapRecordTest::saveReadSaveKeepsTheBytes_data()
{
    QTest::addColumn<ArrowWrapLabel>("label");
    QTest::newRow("new label") << ArrowWrapLabel();
    QTest::newRow("long wrap of many arrows, millimetres") << labelWith([](ArrowWrapLabel& l) {
        l.unitsAreInches = false;
        l.pipeDiameterIndex = 8;
        l.length = 9000.5;
        l.arrowCount = 99;
        l.arrowSpacing = 3.3;
        l.warning = QStringLiteral("Arrows Too Thin");
    });
    QTest::newRow("no colour, unknown arrow") << labelWith([](ArrowWrapLabel& l) {
        l.background = RecordColor();
        l.arrowId = -7;
    });
}

void ArrowWrapRecordTest::saveReadSaveKeepsTheBytes()
{
    QFETCH(ArrowWrapLabel, label);
    QByteArray first = recordBytes(label);
    QDataStream stream(&first, QIODevice::ReadOnly);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    const ArrowWrapLabel read = ArrowWrapRecord::read(stream, ArrowWrapLabel::Bounds::Editable);
    QCOMPARE(stream.status(), QDataStream::Ok);
    QVERIFY(stream.atEnd());
    QCOMPARE(recordBytes(read), first);
}

void ArrowWrapRecordTest::editorAndLoaderDrawTheSame_data()
{
    QTest::addColumn<ArrowWrapLabel>("label");
    QTest::addColumn<int>("arrows");
    // The editor takes an opened label's sizes as its fields show them, at two
    // decimals of an inch; these labels' sizes are all such values.
    const auto shortArrows = [](ArrowWrapLabel& l) { l.arrowLength = 43.2; };
    QTest::newRow("first row") << labelWith(shortArrows) << 2;
    // Found by fuzzing: the panel looked up the row before the lowest id.
    QTest::newRow("lowest arrow id") << labelWith([&](ArrowWrapLabel& l) {
        shortArrows(l);
        l.arrowId = std::numeric_limits<int>::min();
    }) << 2;
    QTest::newRow("twelve on a long wrap") << labelWith([&](ArrowWrapLabel& l) {
        shortArrows(l);
        l.length = 2880;
        l.arrowCount = 12;
        l.arrowId = 14;
    }) << 12;
    QTest::newRow("6.00 in row") << labelWith([](ArrowWrapLabel& l) {
        l.pipeDiameterIndex = 5;
        l.length = 1366.56;
        l.height = 144;
        l.arrowCount = 18;
        l.arrowSpacing = 30.24;
        l.arrowLength = 90;
    }) << 18;
    QTest::newRow("arrows too thin") << labelWith([&](ArrowWrapLabel& l) {
        shortArrows(l);
        l.arrowSpacing = 100.8;
        l.arrowCount = 3;
    }) << 3;
    QTest::newRow("arrows longer than the wrap is wide") << labelWith([](ArrowWrapLabel& l) {
        l.height = 36;
        l.arrowLength = 72;
        l.background = QColor(QStringLiteral("#0018a8"));
        l.foreground = QColor(Qt::white);
    }) << 2;
    QTest::newRow("no arrow entry") << labelWith([&](ArrowWrapLabel& l) {
        shortArrows(l);
        l.arrowId = 1;
    }) << 2;
}

void ArrowWrapRecordTest::editorAndLoaderDrawTheSame()
{
    QFETCH(ArrowWrapLabel, label);
    QFETCH(int, arrows);
    const QString path = m_dir.filePath(QStringLiteral("same.qyaw"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(storedFile(label, path));
    }
    TestController editor;
    PipeFileController files;
    files.setContentModule(&editor);
    QVERIFY(files.loadTemplateFromFile(path, false));

    MvCanvasModel canvas({Qt::black, Qt::white}, 13824.0, 13824.0, 10.0, 10.0);
    ArrowWrapFileLoader loader;
    loader.setCanvas(&canvas);
    PipeFileController loaderFiles;
    loaderFiles.setContentModule(&loader);
    QVERIFY(loaderFiles.loadTemplateFromFile(path, false));

    QCOMPARE(editor.arrowItems().size(), arrows);
    QCOMPARE(boxes(loader.arrowItems()), boxes(editor.arrowItems()));
    const QSizeF drawn = canvas.getCanvasSize();
    const QSizeF edited = editor.getCanvas()->getCanvasSize();
    QVERIFY(qAbs(drawn.width() - edited.width()) < 0.01 &&
            qAbs(drawn.height() - edited.height()) < 0.01);
    QCOMPARE(canvas.canvasBackgroundColor(), editor.getCanvas()->canvasBackgroundColor());
    QCOMPARE(loader.arrowId(), label.arrowId);
    QCOMPARE(editor.arrowId(), label.arrowId);
    QVERIFY(!editor.getCanvas()->canvasHasChanged());
}

void ArrowWrapRecordTest::damagedFileKeepsTheLabel()
{
    const QString path = m_dir.filePath(QStringLiteral("cut.qyaw"));
    QByteArray bytes = storedFile(labelWith([](ArrowWrapLabel& l) { l.arrowCount = 4; }), path);
    bytes.chop(3);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    TestController editor;
    editor.arrowCountChangedSlot(3);
    PipeFileController files;
    files.setContentModule(&editor);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("Damaged record"));
    QVERIFY(!files.loadTemplateFromFile(path, false));
    QCOMPARE(editor.arrowItems().size(), 3);
    QCOMPARE(editor.sceneArrows(), 3);
    QVERIFY(editor.getCanvas()->canvasHasChanged());
}

void ArrowWrapRecordTest::unknownArrowIsKeptHidden()
{
    const QString path = m_dir.filePath(QStringLiteral("foreign.qyaw"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(storedFile(labelWith([](ArrowWrapLabel& l) { l.arrowId = 999; }), path));
    }
    TestController editor;
    PipeFileController files;
    files.setContentModule(&editor);
    QVERIFY(files.loadTemplateFromFile(path, false));
    for (const SymbolItem* arrow : editor.arrowItems())
        QVERIFY(!arrow->isVisible());
    QCOMPARE(editor.currentLabel().arrowId, 999);
}

void ArrowWrapRecordTest::newLabelIsTheFirstRow()
{
    TestController editor;
    editor.pipeDiameterChangedSlot(4); // 7 arrows
    editor.colorChangedSlot(QColor(QStringLiteral("#fedb00")), QColor(Qt::black));
    editor.newPipeInfo();
    QCOMPARE(editor.sceneArrows(), 2);
    QCOMPARE(recordBytes(editor.currentLabel()), recordBytes(ArrowWrapLabel()));
    QCOMPARE(editor.getCanvas()->canvasBackgroundColor(), QColor(Qt::white));
    QCOMPARE(editor.field("WrapLengthEdit"), QStringLiteral("2.37"));
    QVERIFY(!editor.getCanvas()->canvasHasChanged());
    for (const SymbolItem* arrow : editor.arrowItems())
        QVERIFY(arrow->isVisible() && arrow->hasDrawing());
}

void ArrowWrapRecordTest::loaderDrawsOneFileAfterAnother()
{
    MvCanvasModel canvas({Qt::black, Qt::white}, 13824.0, 13824.0, 10.0, 10.0);
    ArrowWrapFileLoader loader;
    loader.setCanvas(&canvas);
    for (const int count : {99, 1, 99, 5}) {
        QByteArray bytes = recordBytes(labelWith([count](ArrowWrapLabel& l) {
            l.length = 13824;
            l.arrowSpacing = 1;
            l.arrowCount = count;
        }));
        QDataStream stream(&bytes, QIODevice::ReadOnly);
        stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
        loader.loadPipeInfo(stream);
        QCOMPARE(canvas.items().size(), count);
        QCOMPARE(loader.arrowItems().size(), count);
    }
}

QTEST_MAIN(ArrowWrapRecordTest)
#include "tst_arrowwraprecord.moc"
