#include "ammoniatesthelpers.h"

#include "ammonia/ammoniafileloader.h"
#include "kit/recordcolor.h"
#include "widgets/commonlists.h"

#include <QTemporaryDir>
#include <QtMath>

namespace {

struct Make
{
    AmmoniaLabel label;

    Make& row(short index)
    {
        const IiarSizeTable::Row& r = IiarSizeTable::row(index);
        label.pipeDiameterIndex = index;
        label.length = r.labelLength, label.height = r.labelHeight;
        label.textHeight = r.textHeight, label.partWidth = r.partWidth;
        label.arrowWidth = r.labelHeight;
        return *this;
    }
    Make& component(const QString& text)
    {
        label.pipeMarker = false, label.component = text;
        return *this;
    }
    Make& abbreviation(const QString& text)
    {
        label.abbreviation = text;
        return *this;
    }
    Make& parts(bool liq, bool vap, bool high, bool low)
    {
        label.liq = liq, label.vap = vap, label.high = high, label.low = low;
        return *this;
    }
    Make& arrows(int left, int right)
    {
        label.leftArrowId = left, label.rightArrowId = right;
        return *this;
    }
    Make& color(const char* name)
    {
        label.color = QColor(QLatin1String(name));
        return *this;
    }
};

class Loader : public AmmoniaFileLoader
{
public:
    Loader() : m_canvas({Qt::black, Qt::white}, 13824.0, 13824.0, 10.0, 10.0)
    {
        setCanvas(&m_canvas);
    }
    MvCanvasModel m_canvas;
};

} // namespace

class TestAmmoniaRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void recordByteLayout_data();
    void recordByteLayout();
    void valuesReadAreBounded_data();
    void valuesReadAreBounded();
    void saveReadSaveGivesTheSameBytes_data();
    void saveReadSaveGivesTheSameBytes();
    void editorAndLoaderDrawTheSameItems_data();
    void editorAndLoaderDrawTheSameItems();
    void unknownArrowIdIsKeptAndTakesNoRoom();
    void damagedRecordTouchesNeitherLabelNorLists();

private:
    void addLabelRows();
    QTemporaryDir m_dir;
};

void TestAmmoniaRecord::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("AmmoniaRecordTest"));
    Q_INIT_RESOURCE(module);
    CommonLists::ensureSuiteFontSubstitution();
    QVERIFY(m_dir.isValid());
}

void TestAmmoniaRecord::recordByteLayout_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    // Fields after the preview, big-endian, every size a 4-byte float.
    QTest::newRow("inches") << 0 << QByteArray::fromHex("01");
    QTest::newRow("pipe diameter row") << 1 << QByteArray::fromHex("0002");
    QTest::newRow("component marker mode") << 3 << QByteArray::fromHex("00");
    QTest::newRow("length 1728") << 4 << QByteArray::fromHex("44d80000");
    QTest::newRow("width 216") << 8 << QByteArray::fromHex("43580000");
    QTest::newRow("text height 144") << 12 << QByteArray::fromHex("43100000");
    QTest::newRow("part width 72") << 16 << QByteArray::fromHex("42900000");
    QTest::newRow("arrow width 216") << 20 << QByteArray::fromHex("43580000");
    QTest::newRow("component length 2880") << 24 << QByteArray::fromHex("45340000");
    QTest::newRow("component width 288") << 28 << QByteArray::fromHex("43900000");
    QTest::newRow("component text height 180") << 32 << QByteArray::fromHex("43340000");
    QTest::newRow("component part width 180") << 36 << QByteArray::fromHex("43340000");
    QTest::newRow("abbreviation") << 40 << QByteArray::fromHex("00000006004800530044");
    QTest::newRow("component") << 50 << QByteArray::fromHex("0000000800500055004d0050");
    QTest::newRow("font family") << 62 << QByteArray::fromHex("000000020041");
    QTest::newRow("left arrow") << 68 << QByteArray::fromHex("00000002");
    QTest::newRow("right arrow") << 72 << QByteArray::fromHex("00000003");
    QTest::newRow("VAP LIQ HIGH LOW") << 76 << QByteArray::fromHex("01000001");
    QTest::newRow("yellow, and the end") << 80
                                         << QByteArray::fromHex("01ffff"
                                                                "fefe"
                                                                "dbdb"
                                                                "0000"
                                                                "0000");
}

void TestAmmoniaRecord::recordByteLayout()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    AmmoniaLabel label = Make()
                             .row(2)
                             .component(QStringLiteral("PUMP"))
                             .abbreviation(QStringLiteral("HSD"))
                             .parts(false, true, false, true)
                             .arrows(2, 3)
                             .color("#fedb00")
                             .label;
    label.fontFamily = QStringLiteral("A");
    QByteArray record;
    QDataStream stream(&record, QIODevice::WriteOnly);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    AmmoniaRecord::write(stream, label);

    QCOMPARE(record.size(), 91);
    QCOMPARE(record.mid(offset, bytes.size()).toHex(), bytes.toHex());

    QDataStream back(record);
    back.setFloatingPointPrecision(QDataStream::SinglePrecision);
    QCOMPARE(AmmoniaRecord::read(back, AmmoniaLabel::Bounds::Editable), label);
    QCOMPARE(back.status(), QDataStream::Ok);
}

void TestAmmoniaRecord::valuesReadAreBounded_data()
{
    QTest::addColumn<AmmoniaLabel>("stored");
    QTest::addColumn<AmmoniaLabel>("drawable");
    QTest::addColumn<AmmoniaLabel>("editable");

    const AmmoniaLabel fresh;
    AmmoniaLabel row = fresh;
    row.pipeDiameterIndex = 5;
    QTest::newRow("diameter row outside the table") << row << fresh << fresh;

    AmmoniaLabel damaged = fresh;
    damaged.length = qQNaN();
    damaged.height = -72.0;
    damaged.textHeight = 0.0;
    damaged.partWidth = qInf();
    damaged.componentLength = -qInf();
    AmmoniaLabel least = fresh;
    least.length = 14.4, least.height = 14.4, least.textHeight = 1.0, least.partWidth = 1.0;
    least.componentLength = 14.4;
    QTest::newRow("sizes not finite or not positive") << damaged << least << least;

    AmmoniaLabel huge = fresh;
    huge.height = 1000.0, huge.componentTextHeight = 900.0, huge.length = 20000.0;
    AmmoniaLabel drawn = huge;
    drawn.length = 13824.0;
    AmmoniaLabel edited = drawn;
    edited.height = 864.0, edited.componentTextHeight = 864.0;
    QTest::newRow("beyond the canvas and the widest stock") << huge << drawn << edited;

    AmmoniaLabel kept = fresh;
    kept.leftArrowId = 4711, kept.rightArrowId = -3, kept.color = RecordColor();
    QTest::newRow("unknown arrows and no colour are kept") << kept << kept << kept;
}

void TestAmmoniaRecord::valuesReadAreBounded()
{
    QFETCH(AmmoniaLabel, stored);
    QFETCH(AmmoniaLabel, drawable);
    QFETCH(AmmoniaLabel, editable);
    QByteArray record;
    QDataStream stream(&record, QIODevice::WriteOnly);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    AmmoniaRecord::write(stream, stored);

    for (const auto bounds : {AmmoniaLabel::Bounds::Drawable, AmmoniaLabel::Bounds::Editable}) {
        QDataStream back(record);
        back.setFloatingPointPrecision(QDataStream::SinglePrecision);
        const AmmoniaLabel read = AmmoniaRecord::read(back, bounds);
        QCOMPARE(read, bounds == AmmoniaLabel::Bounds::Drawable ? drawable : editable);
        // A label without a colour of its own is drawn orange.
        QCOMPARE(read.drawnColor().isValid(), true);
    }
}

void TestAmmoniaRecord::addLabelRows()
{
    QTest::addColumn<AmmoniaLabel>("label");
    QTest::newRow("new label") << AmmoniaLabel();
    QTest::newRow("HSD, VAP and HIGH, both arrows")
        << Make().abbreviation("HSD").parts(false, true, true, false).arrows(2, 3).label;
    QTest::newRow("only a right arrow, LIQ and VAP, LOW")
        << Make().row(1).abbreviation("LTRS").parts(true, true, false, true).arrows(1, 5).label;
    QTest::newRow("component with LOW, yellow")
        << Make().component("COMPRESSOR 1").parts(true, false, false, true).color("#fedb00").label;
    QTest::newRow("component without a pressure part")
        << Make().row(4).component("OIL POT").parts(false, false, false, false).label;
    QTest::newRow("band longer than the label") << [] {
        Make make = Make().abbreviation("RV");
        make.label.length = 60.0, make.label.partWidth = 40.0;
        make.label.arrowWidth = 20.0;
        return make.parts(true, true, true, false).label;
    }();
}

void TestAmmoniaRecord::saveReadSaveGivesTheSameBytes_data()
{
    addLabelRows();
}

void TestAmmoniaRecord::saveReadSaveGivesTheSameBytes()
{
    QFETCH(AmmoniaLabel, label);
    const QString stored = m_dir.filePath(QStringLiteral("stored.qyam"));
    const QString first = m_dir.filePath(QStringLiteral("first.qyam"));
    const QString second = m_dir.filePath(QStringLiteral("second.qyam"));
    writeFile(stored, storedFile(label, stored));

    {
        TestController editor;
        QVERIFY(openWith(&editor, stored));
        QVERIFY(!editor.getCanvas()->canvasHasChanged());
        QVERIFY(saveWith(&editor, first));
    }
    {
        TestController editor;
        QVERIFY(openWith(&editor, first));
        QVERIFY(saveWith(&editor, second));
    }
    const QByteArray bytes = readFile(first);
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(readFile(second), bytes);

    // The record the editor wrote holds the label it read; only the unit is the
    // user's.
    QDataStream stream(bytes);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    QVERIFY(LabelFileHeader::read(stream, first, {QStringLiteral("qyam")}).isOk());
    QVERIFY(LabelFileHeader::skipPreview(stream).isOk());
    AmmoniaLabel expected = label;
    expected.unitsAreInches = true;
    QCOMPARE(AmmoniaRecord::read(stream, AmmoniaLabel::Bounds::Editable), expected);
}

void TestAmmoniaRecord::editorAndLoaderDrawTheSameItems_data()
{
    addLabelRows();
}

void TestAmmoniaRecord::editorAndLoaderDrawTheSameItems()
{
    QFETCH(AmmoniaLabel, label);
    const QString path = m_dir.filePath(QStringLiteral("drawn.qyam"));
    writeFile(path, storedFile(label, path));

    TestController editor;
    QVERIFY(openWith(&editor, path));
    Loader loader;
    QVERIFY(openWith(&loader, path));

    const QStringList drawn = itemGeometry(&loader.m_canvas);
    QCOMPARE(itemGeometry(editor.getCanvas()), drawn);
    // Nothing of the label lies outside it or has a negative size.
    for (QGraphicsItem* item : loader.m_canvas.items()) {
        const QRectF box = item->sceneBoundingRect();
        QVERIFY2(box.width() >= 0.0 && box.height() >= 0.0, qPrintable(drawn.join('\n')));
    }
}

void TestAmmoniaRecord::unknownArrowIdIsKeptAndTakesNoRoom()
{
    const AmmoniaLabel label = Make().abbreviation("HSD").arrows(4711, 1).label;
    const QString path = m_dir.filePath(QStringLiteral("unknown.qyam"));
    writeFile(path, storedFile(label, path));

    Loader loader;
    QVERIFY(openWith(&loader, path));
    QGraphicsItem* left = loader.m_canvas.itemFromId(AmmoniaCommonController::LeftArrowId);
    QVERIFY(left && !left->isVisible());
    QGraphicsItem* text = loader.m_canvas.itemFromId(AmmoniaCommonController::PipeTextId);
    QCOMPARE(text->sceneBoundingRect().x(), AmmoniaCommonController::ItemMargin);

    TestController editor;
    QVERIFY(openWith(&editor, path));
    QVERIFY(!editor.m_leftArrow->isVisible());
    QCOMPARE(editor.currentLabel().leftArrowId, 4711);
}

void TestAmmoniaRecord::damagedRecordTouchesNeitherLabelNorLists()
{
    const QString good = m_dir.filePath(QStringLiteral("good.qyam"));
    const QString damaged = m_dir.filePath(QStringLiteral("damaged.qyam"));
    writeFile(good, storedFile(Make().abbreviation("HSD").label, good));
    QByteArray bytes = storedFile(Make().abbreviation("ZZQ").component("ZZQ PUMP").label, damaged);
    bytes.chop(6);
    writeFile(damaged, bytes);

    TestController editor;
    QVERIFY(openWith(&editor, good));
    const QStringList before = itemGeometry(editor.getCanvas());
    AmmoniaLists* lists = editor.editWidget()->lists();
    const int abbreviations = lists->abbreviations()->rowCount();
    const int components = lists->components()->rowCount();

    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("Damaged record"));
    QVERIFY(!openWith(&editor, damaged));
    QCOMPARE(itemGeometry(editor.getCanvas()), before);
    QCOMPARE(lists->abbreviations()->rowCount(), abbreviations);
    QCOMPARE(lists->components()->rowCount(), components);
    QVERIFY(!lists->findAbbreviation(QStringLiteral("ZZQ")).isValid());
    QVERIFY(!lists->isChanged(AmmoniaLists::Kind::Abbreviations));
    QVERIFY(!lists->isChanged(AmmoniaLists::Kind::Components));
}

QTEST_MAIN(TestAmmoniaRecord)
#include "tst_ammoniarecord.moc"
