#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "files/pipefilecontroller.h"
#include "kit/arrowsmenu.h"
#include "kit/recordcolor.h"
#include "kit/vendrelwidgetsutils.h"
#include "pipe/pipelabel.h"
#include "pipe/piperecord.h"
#include "pipe/vendrelcontroller.h"
#include "pipe/vendreleditwidget.h"
#include "pipe/vendrelfileloader.h"
#include "units/defaultunitcontroller.h"
#include "units/unitconversions.h"
#include "widgets/commonlists.h"
#include "widgets/moduleresourceicons.h"
#include "widgets/mvlineedit.h"
#include "widgets/mvmessagebox.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(RecordColor)

namespace {

// A label as the panel would make it; modes: "p" portrait, "w" wrap, "t" top.
PipeLabel made(int index, int option, const QString& modes, const char* background,
               const char* foreground, const QString& text, int leftId, int rightId, bool applyBoth)
{
    PipeLabel label;
    label.pipeDiameterIndex = static_cast<short>(index);
    label.resizeOption = option;
    label.portrait = modes.contains('p');
    label.wrap = modes.contains('w');
    label.top = modes.contains('t');
    label.backgroundColor = QColor(background);
    label.textColor = QColor(foreground);
    label.legend = text;
    label.leftArrowId = leftId;
    label.rightArrowId = rightId;
    label.applyBothArrows = applyBoth;
    return label;
}

const PipeLabel Plain = made(1, 0, "", "white", "black", "", 1, 1, true);
const PipeLabel Known = made(3, 2, "", "#248d4f", "white", "WATER", 2, 3, true);
const QString KnownLength = QStringLiteral("12.50");

// A label with every field away from the defaults of a new one.
PipeLabel everyField()
{
    PipeLabel label =
        made(5, 1, "pwt", "#0018a8", "#fedb00", QStringLiteral("CHILLED WÄTER ↑"), 25, 3, false);
    label.unitsAreMillimetres = true;
    label.length = 1234.5;
    label.height = 300.25;
    label.textHeight = 100.5;
    label.reserved = true;
    label.reservedText = QStringLiteral("reserved");
    label.fontFamily = QStringLiteral("DejaVu Sans");
    label.lastWarning = QStringLiteral("Text Exceeds Canvas Length");
    return label;
}

PipeLabel with(PipeLabel label, void (*change)(PipeLabel&))
{
    change(label);
    return label;
}

PipeLabel everyFieldSized(double length, double height, double textHeight)
{
    PipeLabel label = everyField();
    label.length = length, label.height = height, label.textHeight = textHeight;
    return label;
}

template <class Module> class Opened : public Module
{
public:
    SymbolItem* arrow(int i) const
    {
        return QList<SymbolItem*>{this->m_leftArrow, this->m_leftArrowSecond, this->m_rightArrow,
                                  this->m_rightArrowSecond}[i];
    }
    SimpleTextItem* text(int i) const { return i ? this->m_secondTextItem : this->m_textItem; }
    int leftId() const { return this->m_leftArrowId; }
    int option() const { return this->m_resizeOption; }
    double textHeight() const { return this->m_fontHeight; }
};

class Controller : public Opened<VendrelController>
{
public:
    QString field(const char* name) const
    {
        return m_editWidget->findChild<MvLineEdit*>(QLatin1String(name))->text();
    }

    // Makes the label through the panel's slots; the length is typed (inches) when
    // given, otherwise it is what the layout makes.
    void build(const PipeLabel& l, const QString& typedLength = QString())
    {
        wrapSlot(l.wrap);
        pipeDiameterChangedSlot(l.pipeDiameterIndex);
        orientationSlot(l.portrait);
        topSlot(l.top);
        resizeLabelSlot(l.resizeOption);
        colorChangedSlot(l.backgroundColor.color(), l.textColor.color());
        pipeTextChangedSlot(l.legend);
        // As the arrow menu hands them over: vertical arrows come mirrored.
        ArrowsMenu* menu = m_editWidget->getSymbolsMenu();
        QByteArray symbol;
        QString name;
        if (l.leftArrowId > 1 && menu->getSelectableSymbol(l.leftArrowId, &symbol, nullptr, &name))
            leftArrowChangedSlot(l.leftArrowId, symbol,
                                 VendrelWidgetsUtils::isVerticalArrowName(name));
        if (l.rightArrowId > 1 &&
            menu->getSelectableSymbol(l.rightArrowId, &symbol, nullptr, &name))
            rightArrowChangeSlot(l.rightArrowId, symbol,
                                 VendrelWidgetsUtils::isVerticalArrowName(name));
        m_editWidget->setApplyBothArrowsChecked(l.applyBothArrows);
        if (!typedLength.isEmpty())
            lengthChangedSlot(typedLength);
    }
};

class Loader : public Opened<VendrelFileLoader>
{
public:
    Loader() : m_canvas({Qt::black, Qt::white}, 13824.0, 13824.0, 10.0, 10.0)
    {
        setCanvas(&m_canvas);
    }
    MvCanvasModel m_canvas;
};

bool saveWith(IVendrelInterface* module, const QString& path)
{
    PipeFileController files;
    files.setContentModule(module);
    return files.saveTemplateToFile(path);
}

bool openWith(IVendrelInterface* module, const QString& path)
{
    PipeFileController files;
    files.setContentModule(module);
    return files.loadTemplateFromFile(path, false);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A label file as the file controller lays it out, the record written by PipeRecord.
QByteArray storedFile(const PipeLabel& label)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    stream << qint8(0x89);
    for (const char c : QByteArray("qypm"))
        stream << qint8(c);
    stream << qint32(0);
    QImage preview(256, 256, QImage::Format_ARGB32);
    preview.fill(Qt::white);
    stream << preview;
    PipeRecord::write(stream, label);
    return bytes;
}

struct Field
{
    qint64 start;
    qint64 end;
    QVariant value;
};

template <typename T> void readField(QDataStream& stream, QVector<Field>& fields)
{
    const qint64 start = stream.device()->pos();
    T value{};
    stream >> value;
    fields.append({start, stream.device()->pos(), QVariant::fromValue(value)});
}

// Fields 2 to 20 of the record of a whole label file, at index number - 2; the preview
// is returned through the pointer.
QVector<Field> decodeRecord(const QByteArray& file, QImage* preview = nullptr)
{
    QDataStream stream(file);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    stream.skipRawData(1 + 4 + 4);
    QImage image;
    stream >> image;
    if (preview)
        *preview = image;
    QVector<Field> f;
    readField<bool>(stream, f);
    readField<qint16>(stream, f);
    for (int i = 0; i < 3; ++i)
        readField<double>(stream, f);
    readField<qint8>(stream, f);
    for (int i = 0; i < 4; ++i)
        readField<bool>(stream, f);
    readField<RecordColor>(stream, f);
    readField<RecordColor>(stream, f);
    for (int i = 0; i < 3; ++i)
        readField<QString>(stream, f);
    readField<qint32>(stream, f);
    readField<qint32>(stream, f);
    readField<bool>(stream, f);
    readField<QString>(stream, f);
    if (stream.status() != QDataStream::Ok || !stream.atEnd())
        f.clear();
    return f;
}

QByteArray patched(QByteArray file, int number, const QByteArray& hex)
{
    const Field field = decodeRecord(file).value(number - 2);
    return file.replace(field.start, field.end - field.start, QByteArray::fromHex(hex));
}

} // namespace

Q_DECLARE_METATYPE(PipeLabel)
Q_DECLARE_METATYPE(PipeLabel::Bounds)

class PipeRecordTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void roundTripKeepsEveryField_data();
    void roundTripKeepsEveryField();
    void recordBytesFollowTheFieldTable_data();
    void recordBytesFollowTheFieldTable();
    void defaultUnitWinsOverStoredUnit_data();
    void defaultUnitWinsOverStoredUnit();
    void recordCutShortIsRefused_data();
    void recordCutShortIsRefused();
    void damagedValuesAreBounded_data();
    void damagedValuesAreBounded();
    void loaderDrawsTheLabel_data();
    void loaderDrawsTheLabel();
    void onlyTheEditorCapsSizes_data();
    void onlyTheEditorCapsSizes();
    void newLabelForgetsTheLoadedOne_data();
    void newLabelForgetsTheLoadedOne();
    void recordReadsWhatItWrote_data();
    void recordReadsWhatItWrote();
    void editorSavesBackWhatItRead_data();
    void editorSavesBackWhatItRead();
    void editorAndLoaderDrawAlike_data();
    void editorAndLoaderDrawAlike();

private:
    QString pathOf(const QString& name) const { return m_dir->filePath(name); }
    QByteArray savedLabel(const PipeLabel& label, const QString& typedLength = QString());

    QScopedPointer<QTemporaryDir> m_dir;
    QByteArray m_known; // the file of Known
};

void PipeRecordTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("VendrelPipeRecordTest"));
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
    CommonLists::ensureSuiteFontSubstitution();
    // A refused file is reported in a box; no box may wait for a click here.
    MvMessageBox::setAnswerProvider([](const QString&, const QString&,
                                       QMessageBox::StandardButtons) { return QMessageBox::Ok; });
    init();
    m_known = savedLabel(Known, KnownLength);
    QVERIFY(!m_known.isEmpty());
}

void PipeRecordTest::init()
{
    m_dir.reset(new QTemporaryDir);
    DefaultUnitController::saveDefaultUnit(UnitConversions::Inches);
    UnitConversions::setCanvasUnits(UnitConversions::Inches);
}

void PipeRecordTest::cleanup()
{
    m_dir.reset();
}

QByteArray PipeRecordTest::savedLabel(const PipeLabel& label, const QString& typedLength)
{
    Controller controller;
    controller.build(label, typedLength);
    const QString path = pathOf(QStringLiteral("built.qypm"));
    if (!saveWith(&controller, path))
        return QByteArray();
    return readAll(path);
}

void PipeRecordTest::roundTripKeepsEveryField_data()
{
    QTest::addColumn<PipeLabel>("label");
    QTest::addColumn<QString>("typedLength"); // inches; empty: as the layout makes it
    QTest::addColumn<double>("length");       // negative: as the layout makes it
    QTest::addColumn<QString>("warning");     // a part of the last warning

    QTest::newRow("typed 170.64 points")
        << made(1, 2, "", "#dc0b0b", "white", "STEAM", 2, 3, true) << "2.37" << 170.64
        << "Label Length Smaller Than ANSI Recommendations";
    QTest::newRow("wrapped top, fit label")
        << made(3, 0, "wt", "#fedb00", "black", "COLD WATER", 4, 1, false) << "" << -1.0 << "";
    QTest::newRow("portrait, fit text")
        << made(2, 1, "p", "#0018a8", "white", "AIR", 1, 9, true) << "" << 576.0 << "";
    QTest::newRow("custom size, no legend")
        << made(0, 2, "", "white", "black", "", 1, 1, true) << "0.20" << 14.4 << "";
    // A vertical arrow's second row turns the other way, once the file is read too.
    QTest::newRow("wrapped portrait, vertical left arrow")
        << made(3, 2, "pw", "#0018a8", "white", "STEAM", 11, 2, false) << "" << -1.0 << "";
}

void PipeRecordTest::roundTripKeepsEveryField()
{
    QFETCH(PipeLabel, label);
    QFETCH(QString, typedLength);
    QFETCH(double, length);
    QFETCH(QString, warning);

    Controller source;
    source.build(label, typedLength);
    QVERIFY(source.getLastWarning().contains(warning));
    const QString first = pathOf(QStringLiteral("first.qypm"));
    QVERIFY(saveWith(&source, first));
    QVERIFY(!source.getCanvas()->canvasHasChanged());

    Controller loaded;
    QSignalSpy warnings(&loaded, &IVendrelInterface::warningStringChanged);
    QVERIFY(openWith(&loaded, first));
    if (length > 0)
        QVERIFY(qAbs(loaded.labelLength() - length) < 1e-4);
    QVERIFY(qAbs(loaded.labelLength() - source.labelLength()) < 1e-4);
    const double sizes[] = {source.labelLength(), source.labelHeight(), source.fontHeight()};
    const char* fields[] = {"LengthEdit", "WidthEdit", "FontHeightEdit"};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(loaded.field(fields[i]), QString::number(sizes[i] / 72.0, 'f', 2));
    QVERIFY(!warnings.isEmpty());
    QCOMPARE(warnings.last().at(0).toString(), source.getLastWarning());
    QCOMPARE(loaded.getLastWarning(), source.getLastWarning());
    QVERIFY(!loaded.getCanvas()->canvasHasChanged());
    // The editor and the headless loader turn the arrows as the label was made.
    Loader drawn;
    QVERIFY(openWith(&drawn, first));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(loaded.arrow(i)->itemRotation(), source.arrow(i)->itemRotation());
        QCOMPARE(drawn.arrow(i)->itemRotation(), source.arrow(i)->itemRotation());
    }

    // Saved again, the record is the same to the byte, preview included.
    const QString second = pathOf(QStringLiteral("second.qypm"));
    QVERIFY(saveWith(&loaded, second));
    QCOMPARE(readAll(second), readAll(first));
}

void PipeRecordTest::recordBytesFollowTheFieldTable_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("hex");

    // Fields 2 to 20 of Known; "-" marks the font family, which depends on the system.
    const QList<QByteArray> fields =
        QByteArray("00 0003 44610000 43100000 42b40000 02 00 00 00 00 01ffff24248d8d4f4f0000 "
                   "01ffffffffffffffff0000 00000000 0000000a00570041005400450052 - 00000002 "
                   "00000003 01 ffffffff")
            .split(' ');
    for (int i = 0; i < fields.size(); ++i)
        QTest::newRow(qPrintable(QStringLiteral("field %1").arg(i + 2))) << i + 2 << fields[i];
}

void PipeRecordTest::recordBytesFollowTheFieldTable()
{
    QFETCH(int, number);
    QFETCH(QByteArray, hex);

    const QByteArray& file = m_known;
    QVERIFY(file.startsWith(QByteArray::fromHex("897179706d") + QByteArray(4, '\0')));
    QImage preview;
    const QVector<Field> record = decodeRecord(file, &preview);
    QCOMPARE(record.size(), 19);
    QCOMPARE(preview.size(), QSize(256, 256));

    const Field field = record.at(number - 2);
    const QByteArray bytes = file.mid(field.start, field.end - field.start);
    if (hex != "-")
        QCOMPARE(bytes.toHex(), hex);
    else
        QCOMPARE(field.value.toString(), Controller().editWidget()->getFontfamily());
}

void PipeRecordTest::defaultUnitWinsOverStoredUnit_data()
{
    QTest::addColumn<int>("savedIn");
    QTest::addColumn<int>("openedIn");
    QTest::addColumn<QString>("shownLength");

    QTest::newRow("millimetres opened in inches") << 1 << 0 << "8.00";
    QTest::newRow("inches opened in millimetres") << 0 << 1 << "203.20";
}

void PipeRecordTest::defaultUnitWinsOverStoredUnit()
{
    QFETCH(int, savedIn);
    QFETCH(int, openedIn);
    QFETCH(QString, shownLength);

    DefaultUnitController::saveDefaultUnit(static_cast<unsigned char>(savedIn));
    const QByteArray file = savedLabel(Plain);
    QCOMPARE(decodeRecord(file).value(0).value.toBool(), savedIn == 1);
    const QString path = pathOf(QStringLiteral("units.qypm"));
    writeAll(path, file);

    DefaultUnitController::saveDefaultUnit(static_cast<unsigned char>(openedIn));
    Controller loaded;
    QVERIFY(openWith(&loaded, path));
    QCOMPARE(loaded.editWidget()->getUnits(), openedIn);
    QCOMPARE(loaded.field("LengthEdit"), shownLength);
    QCOMPARE(loaded.labelLength(), 576.0);
}

void PipeRecordTest::recordCutShortIsRefused_data()
{
    QTest::addColumn<int>("size");

    const QVector<Field> record = decodeRecord(m_known);
    QCOMPARE(record.size(), 19);
    QTest::newRow("inside the preview") << int(record.first().start / 2);
    for (int i = 0; i < record.size(); ++i) {
        const Field& f = record.at(i);
        QTest::newRow(qPrintable(QStringLiteral("before field %1").arg(i + 2))) << int(f.start);
        if (f.end - f.start > 1)
            QTest::newRow(qPrintable(QStringLiteral("inside field %1").arg(i + 2)))
                << int((f.start + f.end) / 2);
    }
}

void PipeRecordTest::recordCutShortIsRefused()
{
    QFETCH(int, size);

    const QString path = pathOf(QStringLiteral("short.qypm"));
    writeAll(path, m_known.left(size));

    Controller controller;
    QVERIFY(!openWith(&controller, path));
    const QSizeF canvas = controller.getCanvas()->getCanvasSize();
    QVERIFY(canvas.width() > 0.0 && canvas.height() > 0.0);

    Loader loader;
    QVERIFY(!openWith(&loader, path));
    QVERIFY(loader.m_canvas.getCanvasSize().width() > 0.0);
}

void PipeRecordTest::damagedValuesAreBounded_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("option");
    QTest::addColumn<QSizeF>("size"); // length x height; a negative length is not compared
    QTest::addColumn<double>("textHeight");
    QTest::addColumn<QByteArray>("savedBack"); // the field when the controller saves again
    QTest::addColumn<QColor>("band");          // as drawn
    QTest::addColumn<QColor>("ink");

    const QColor green(0x24, 0x8d, 0x4f);
    const QColor white(Qt::white);
    const QColor black(Qt::black);

    QTest::newRow("row 99") << 3 << QByteArray("0063") << 0 << 2 << QSizeF(900, 144) << 90.0
                            << QByteArray("0000") << green << white;
    QTest::newRow("NaN length") << 4 << QByteArray("7fc00000") << 3 << 2 << QSizeF(14.4, 144)
                                << 90.0 << QByteArray("41666666") << green << white;
    QTest::newRow("largest float length")
        << 4 << QByteArray("7f7fffff") << 3 << 2 << QSizeF(13824, 144) << 90.0
        << QByteArray("46580000") << green << white;
    QTest::newRow("negative height") << 5 << QByteArray("c2c80000") << 3 << 2 << QSizeF(900, 14.4)
                                     << 90.0 << QByteArray("41666666") << green << white;
    QTest::newRow("infinite text height")
        << 6 << QByteArray("7f800000") << 3 << 2 << QSizeF(900, 144) << 1.0
        << QByteArray("3f800000") << green << white;
    QTest::newRow("option 7") << 7 << QByteArray("07") << 3 << 0 << QSizeF(-1, 144) << 90.0
                              << QByteArray("00") << green << white;
    // Arrow ids the symbols do not hold: no arrow drawn, the id kept.
    QTest::newRow("left arrow 999") << 17 << QByteArray("000003e7") << 3 << 2 << QSizeF(900, 144)
                                    << 90.0 << QByteArray("000003e7") << green << white;
    QTest::newRow("left arrow -3") << 17 << QByteArray("fffffffd") << 3 << 2 << QSizeF(900, 144)
                                   << 90.0 << QByteArray("fffffffd") << green << white;
    // Colours no QColor can take are drawn white (band) or black (text) and kept.
    const QByteArray spec7 = "07ffff0000000000000000";
    QTest::newRow("band model 7") << 12 << spec7 << 3 << 2 << QSizeF(900, 144) << 90.0 << spec7
                                  << white << white;
    const QByteArray negative = "ffffff0000000000000000";
    QTest::newRow("band model -1")
        << 12 << negative << 3 << 2 << QSizeF(900, 144) << 90.0 << negative << white << white;
    const QByteArray invalid = "00ffff0000000000000000";
    QTest::newRow("band invalid") << 12 << invalid << 3 << 2 << QSizeF(900, 144) << 90.0 << invalid
                                  << white << white;
    const QByteArray hue360 = "02ffff8ca0ffffffff0000";
    QTest::newRow("band hue 360") << 12 << hue360 << 3 << 2 << QSizeF(900, 144) << 90.0 << hue360
                                  << white << white;
    const QByteArray spec6 = "06ffff0000000000000000";
    QTest::newRow("text model 6") << 13 << spec6 << 3 << 2 << QSizeF(900, 144) << 90.0 << spec6
                                  << green << black;
    const QByteArray halfNaN = "053c007e00000000000000";
    QTest::newRow("text extended, not a number")
        << 13 << halfNaN << 3 << 2 << QSizeF(900, 144) << 90.0 << halfNaN << green << black;
    const QByteArray hsv = "02ffff2328ffffffff0000";
    QTest::newRow("text hue 90") << 13 << hsv << 3 << 2 << QSizeF(900, 144) << 90.0 << hsv << green
                                 << QColor::fromHsv(90, 255, 255);
}

void PipeRecordTest::damagedValuesAreBounded()
{
    QFETCH(int, number);
    QFETCH(QByteArray, hex);
    QFETCH(int, index);
    QFETCH(int, option);
    QFETCH(QSizeF, size);
    QFETCH(double, textHeight);
    QFETCH(QByteArray, savedBack);
    QFETCH(QColor, band);
    QFETCH(QColor, ink);

    const QString path = pathOf(QStringLiteral("bounded.qypm"));
    writeAll(path, patched(m_known, number, hex));
    const bool leftArrowKnown = number != 17;

    Controller controller;
    QVERIFY(openWith(&controller, path));
    QCOMPARE(int(controller.pipeDiameterIndex()), index);
    QCOMPARE(controller.option(), option);
    QCOMPARE(controller.editWidget()->findChild<QComboBox*>("ResizeCombo")->currentIndex(), option);
    if (size.width() > 0)
        QCOMPARE(float(controller.labelLength()), float(size.width()));
    QCOMPARE(float(controller.labelHeight()), float(size.height()));
    QCOMPARE(float(controller.fontHeight()), float(textHeight));
    QCOMPARE(controller.arrow(0)->isVisible(), leftArrowKnown);
    QCOMPARE(controller.arrow(0)->hasDrawing(), leftArrowKnown);
    QVERIFY(controller.arrow(2)->isVisible());
    QCOMPARE(controller.getCanvas()->canvasBackgroundColor(), band);
    QCOMPARE(controller.text(0)->textColor(), ink);
    const QString again = pathOf(QStringLiteral("again.qypm"));
    QVERIFY(saveWith(&controller, again));
    const QByteArray saved = readAll(again);
    const Field field = decodeRecord(saved).value(number - 2);
    QCOMPARE(saved.mid(field.start, field.end - field.start).toHex(), savedBack);

    Loader loader;
    QVERIFY(openWith(&loader, path));
    QCOMPARE(loader.option(), option);
    const QSizeF drawn = loader.m_canvas.getCanvasSize();
    if (size.width() > 0)
        QCOMPARE(float(drawn.width()), float(size.width()));
    QCOMPARE(float(drawn.height()), float(size.height()));
    QCOMPARE(loader.arrow(0)->isVisible(), leftArrowKnown);
    QVERIFY(loader.arrow(2)->isVisible());
    QCOMPARE(loader.m_canvas.canvasBackgroundColor(), band);
    QCOMPARE(loader.text(0)->textColor(), ink);
}

void PipeRecordTest::loaderDrawsTheLabel_data()
{
    QTest::addColumn<PipeLabel>("label");
    QTest::addColumn<QByteArray>("lengthHex"); // replaces the stored length when set
    QTest::addColumn<QString>("arrowsShown");  // left, left second, right, right second
    QTest::addColumn<bool>("stretched");
    QTest::addColumn<double>("length");

    QTest::newRow("wrapped with left arrow")
        << made(1, 0, "w", "#f28000", "black", "GAS", 2, 1, true) << QByteArray() << "1100" << false
        << 576.0;
    QTest::newRow("fit label to text keeps 300")
        << made(1, 0, "", "white", "black", "CONDENSATE RETURN TO THE BOILER HOUSE", 1, 3, true)
        << QByteArray("43960000") << "0010" << false << 300.0;
    QTest::newRow("fit text to label") << made(1, 1, "w", "#248d4f", "white", "OIL", 1, 1, true)
                                       << QByteArray() << "0000" << true << 576.0;
}

void PipeRecordTest::loaderDrawsTheLabel()
{
    QFETCH(PipeLabel, label);
    QFETCH(QByteArray, lengthHex);
    QFETCH(QString, arrowsShown);
    QFETCH(bool, stretched);
    QFETCH(double, length);

    QByteArray file = savedLabel(label);
    if (!lengthHex.isEmpty())
        file = patched(file, 4, lengthHex);

    // Without a canvas to draw on, the loader does not even read.
    VendrelFileLoader bare;
    QDataStream untouched(file);
    bare.loadPipeInfo(untouched);
    QCOMPARE(untouched.device()->pos(), qint64(0));

    const QString path = pathOf(QStringLiteral("drawn.qypm"));
    writeAll(path, file);
    Loader loader;
    QSignalSpy warnings(&loader, &IVendrelInterface::warningStringChanged);
    QVERIFY(openWith(&loader, path));
    QCOMPARE(loader.objectName(), QStringLiteral("VendrelFileLoader"));
    for (int i = 0; i < 4; ++i) {
        // A side's second-row arrow has the drawing even when only one row shows.
        QCOMPARE(loader.arrow(i)->isVisible(), arrowsShown.at(i) == QLatin1Char('1'));
        QCOMPARE(loader.arrow(i)->hasDrawing(), arrowsShown.at(i - i % 2) == QLatin1Char('1'));
    }
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(loader.text(i)->isVisible(), i == 0 || label.wrap);
        QCOMPARE(loader.text(i)->toPlainText(), label.legend);
        QCOMPARE(loader.text(i)->stretchToFit(), stretched);
        QCOMPARE(loader.text(i)->textColor(), label.textColor.color());
    }
    QCOMPARE(loader.m_canvas.getCanvasSize().width(), length);
    QCOMPARE(loader.m_canvas.canvasBackgroundColor(), label.backgroundColor.color());
    QCOMPARE(warnings.count(), 0);
}

void PipeRecordTest::onlyTheEditorCapsSizes_data()
{
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("textHeight");
    QTest::addColumn<double>("drawnHeight"); // by the headless loader
    QTest::addColumn<double>("drawnTextHeight");
    QTest::addColumn<double>("editedHeight"); // by the editor
    QTest::addColumn<double>("editedTextHeight");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("legend");

    QTest::newRow("within the caps")
        << 600.0 << 300.0 << 600.0 << 300.0 << 600.0 << 300.0 << 2 << "TALL";
    QTest::newRow("1000 high") << 1000.0 << 500.0 << 1000.0 << 500.0 << 864.0 << 500.0 << 2
                               << "TALL";
    QTest::newRow("text 900 high")
        << 1000.0 << 900.0 << 1000.0 << 900.0 << 864.0 << 864.0 << 2 << "TALL";
    QTest::newRow("not positive") << -5.0 << 0.0 << 14.4 << 1.0 << 14.4 << 1.0 << 2 << "TALL";
    // No canvas is larger than this.
    QTest::newRow("beyond any canvas")
        << 20000.0 << 30000.0 << 13824.0 << 13824.0 << 864.0 << 864.0 << 2 << "TALL";
    // Fitted to the label, a legend as tall as the longest label is squeezed into
    // glyphs hundreds of times taller than wide; measuring their ink took seconds.
    QTest::newRow("legend as tall as the longest label, fitted to the label")
        << 13824.0 << 13824.0 << 13824.0 << 13824.0 << 864.0 << 864.0 << 1
        << "COOLING WATER RETURN";
}

void PipeRecordTest::onlyTheEditorCapsSizes()
{
    QFETCH(double, height);
    QFETCH(double, textHeight);
    QFETCH(double, drawnHeight);
    QFETCH(double, drawnTextHeight);
    QFETCH(double, editedHeight);
    QFETCH(double, editedTextHeight);
    QFETCH(int, option);
    QFETCH(QString, legend);

    PipeLabel label = made(0, option, "", "#ffd200", "black", legend, 1, 1, true);
    label.height = height;
    label.textHeight = textHeight;
    const QString path = pathOf(QStringLiteral("tall.qypm"));
    writeAll(path, storedFile(label));
    Loader loader;
    QVERIFY(openWith(&loader, path));
    Controller editor;
    QVERIFY(openWith(&editor, path));

    QCOMPARE(loader.m_canvas.getCanvasSize(), QSizeF(576.0, drawnHeight));
    QCOMPARE(editor.getCanvas()->getCanvasSize(), QSizeF(576.0, editedHeight));
    QCOMPARE(loader.textHeight(), drawnTextHeight);
    QCOMPARE(editor.fontHeight(), editedTextHeight);
    // The text is drawn at the height each one took.
    const double drawn = loader.text(0)->getItemSize().height();
    const double edited = editor.text(0)->getItemSize().height();
    QVERIFY(qAbs(drawn / edited - drawnTextHeight / editedTextHeight) < 1e-6);
}

void PipeRecordTest::newLabelForgetsTheLoadedOne_data()
{
    QTest::addColumn<PipeLabel>("label");
    QTest::addColumn<QString>("typedLength");

    QTest::newRow("nothing loaded") << Plain << "";
    QTest::newRow("after a wrapped portrait label")
        << made(3, 1, "pw", "#248d4f", "white", "WATER", 2, 3, false) << "12.50";
}

void PipeRecordTest::newLabelForgetsTheLoadedOne()
{
    QFETCH(PipeLabel, label);
    QFETCH(QString, typedLength);

    const QString path = pathOf(QStringLiteral("loaded.qypm"));
    writeAll(path, savedLabel(label, typedLength));
    Controller controller;
    QVERIFY(openWith(&controller, path));
    controller.newPipeInfo();

    QCOMPARE(controller.labelLength(), 576.0);
    QCOMPARE(controller.labelHeight(), 72.0);
    QCOMPARE(controller.fontHeight(), 36.0);
    QVERIFY(!controller.getCanvas()->canvasHasChanged());
    for (int i = 0; i < 4; ++i)
        QVERIFY(!controller.arrow(i)->isVisible());
    QVERIFY(!controller.text(0)->isVisible() && !controller.text(1)->stretchToFit());

    // Nothing of the loaded label is left: the new label saves as a fresh one does.
    Controller fresh;
    const QString newPath = pathOf(QStringLiteral("new.qypm"));
    const QString freshPath = pathOf(QStringLiteral("fresh.qypm"));
    QVERIFY(saveWith(&controller, newPath));
    QVERIFY(saveWith(&fresh, freshPath));
    QCOMPARE(readAll(newPath), readAll(freshPath));
    const QVector<Field> record = decodeRecord(readAll(newPath));
    QCOMPARE(record.value(10).value.value<RecordColor>().color(), QColor(Qt::white));
    QCOMPARE(record.value(11).value.value<RecordColor>().color(), QColor(Qt::black));
    QVERIFY(record.value(13).value.toString().isEmpty());
    QCOMPARE(record.value(15).value.toInt() + record.value(16).value.toInt(), 2);
}

void PipeRecordTest::recordReadsWhatItWrote_data()
{
    QTest::addColumn<PipeLabel>("written");
    QTest::addColumn<PipeLabel>("read");
    QTest::addColumn<PipeLabel::Bounds>("bounds");

    const PipeLabel::Bounds Editable = PipeLabel::Bounds::Editable;

    QTest::newRow("new label") << PipeLabel() << PipeLabel() << Editable;
    QTest::newRow("every field") << everyField() << everyField() << Editable;
    // Kept, so that the label saves back unchanged.
    const PipeLabel unknownArrows =
        with(everyField(), [](PipeLabel& l) { l.leftArrowId = 999, l.rightArrowId = -3; });
    QTest::newRow("unknown arrow ids") << unknownArrows << unknownArrows << Editable;
    QTest::newRow("sizes stored as single floats")
        << with(PipeLabel(), [](PipeLabel& l) { l.length = 170.64; })
        << with(PipeLabel(), [](PipeLabel& l) { l.length = double(float(170.64)); }) << Editable;

    // What a damaged or foreign file may hold is bounded on reading.
    QTest::newRow("row outside the table")
        << with(everyField(), [](PipeLabel& l) { l.pipeDiameterIndex = 6; })
        << with(everyField(), [](PipeLabel& l) { l.pipeDiameterIndex = 0; }) << Editable;
    QTest::newRow("negative row") << with(everyField(), [](PipeLabel& l) {
        l.pipeDiameterIndex = -1;
    }) << with(everyField(), [](PipeLabel& l) {
        l.pipeDiameterIndex = 0;
    }) << Editable;
    QTest::newRow("sizes that are not finite or not positive")
        << everyFieldSized(qQNaN(), -72.0, qInf()) << everyFieldSized(14.4, 14.4, 1.0) << Editable;
    QTest::newRow("sizes above the caps") << everyFieldSized(20000.0, 1000.0, 900.0)
                                          << everyFieldSized(13824.0, 864.0, 864.0) << Editable;
    // A headless loader keeps what it can draw.
    QTest::newRow("sizes above the caps, drawn")
        << everyFieldSized(20000.0, 1000.0, 900.0) << everyFieldSized(13824.0, 1000.0, 900.0)
        << PipeLabel::Bounds::Drawable;
    QTest::newRow("sizes beyond any canvas, drawn")
        << everyFieldSized(14000.0, 14000.0, 1e30) << everyFieldSized(13824.0, 13824.0, 13824.0)
        << PipeLabel::Bounds::Drawable;
    QTest::newRow("sizes that are not finite or not positive, drawn")
        << everyFieldSized(qQNaN(), -72.0, qInf()) << everyFieldSized(14.4, 14.4, 1.0)
        << PipeLabel::Bounds::Drawable;
    QTest::newRow("resize option 3")
        << with(everyField(), [](PipeLabel& l) { l.resizeOption = 3; })
        << with(everyField(), [](PipeLabel& l) { l.resizeOption = 0; }) << Editable;
    QTest::newRow("resize option -1")
        << with(everyField(), [](PipeLabel& l) { l.resizeOption = -1; })
        << with(everyField(), [](PipeLabel& l) { l.resizeOption = 0; }) << Editable;
    // Kept, so that the label saves back unchanged; drawn white and black.
    const PipeLabel noColours =
        with(everyField(), [](PipeLabel& l) { l.backgroundColor = l.textColor = QColor(); });
    QTest::newRow("invalid colours") << noColours << noColours << Editable;
    QTest::newRow("invalid colours, drawn")
        << noColours << noColours << PipeLabel::Bounds::Drawable;
}

void PipeRecordTest::recordReadsWhatItWrote()
{
    QFETCH(PipeLabel, written);
    QFETCH(PipeLabel, read);
    QFETCH(PipeLabel::Bounds, bounds);

    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setFloatingPointPrecision(QDataStream::SinglePrecision);
        PipeRecord::write(out, written);
    }
    QDataStream in(bytes);
    in.setFloatingPointPrecision(QDataStream::SinglePrecision);
    const PipeLabel label = PipeRecord::read(in, bounds);
    QVERIFY(label == read);
    QVERIFY(!(label != read));
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());

    // A label that needed no bounding writes the same bytes again.
    QByteArray again;
    {
        QDataStream out(&again, QIODevice::WriteOnly);
        out.setFloatingPointPrecision(QDataStream::SinglePrecision);
        PipeRecord::write(out, label);
    }
    QCOMPARE(again == bytes, written.bounded(bounds) == written);
    QCOMPARE(label.bounded(bounds), label);
}

void PipeRecordTest::editorSavesBackWhatItRead_data()
{
    QTest::addColumn<PipeLabel>("stored");

    const PipeLabel water = made(3, 2, "", "#248d4f", "white", "WATER", 2, 3, true);
    QTest::newRow("new label") << PipeLabel();
    QTest::newRow("landscape, arrows") << water;
    QTest::newRow("wrap") << with(water, [](PipeLabel& l) { l.wrap = true; });
    QTest::newRow("wrap top") << with(water, [](PipeLabel& l) { l.wrap = l.top = true; });
    QTest::newRow("portrait") << with(water, [](PipeLabel& l) { l.portrait = true; });
    QTest::newRow("portrait wrap, vertical arrows")
        << with(water, [](PipeLabel& l) { l.portrait = l.wrap = true, l.leftArrowId = 11; });
    QTest::newRow("fit label to text") << with(water, [](PipeLabel& l) {
        l.resizeOption = 0;
        l.legend = QStringLiteral("CONDENSATE RETURN TO THE BOILER HOUSE");
    });
    QTest::newRow("fit text to label") << with(water, [](PipeLabel& l) { l.resizeOption = 1; });
    QTest::newRow("custom size") << with(water, [](PipeLabel& l) {
        l.pipeDiameterIndex = 0;
        l.length = 40.0;
        l.height = 20.0;
        l.textHeight = 5.0;
    });
    QTest::newRow("unknown arrow ids") << with(
        water, [](PipeLabel& l) { l.wrap = true, l.leftArrowId = 999, l.rightArrowId = -3; });
    QTest::newRow("arrow id 0") << with(water, [](PipeLabel& l) { l.leftArrowId = 0; });
    QTest::newRow("damaged values") << with(water, [](PipeLabel& l) {
        l.pipeDiameterIndex = 77;
        l.length = qQNaN();
        l.resizeOption = 9;
        l.textColor = QColor();
    });
    QTest::newRow("every field") << everyField();
}

void PipeRecordTest::editorSavesBackWhatItRead()
{
    QFETCH(PipeLabel, stored);

    const QString path = pathOf(QStringLiteral("stored.qypm"));
    writeAll(path, storedFile(stored));
    const QString first = pathOf(QStringLiteral("first.qypm"));
    const QString second = pathOf(QStringLiteral("second.qypm"));
    {
        Controller editor;
        QVERIFY(openWith(&editor, path));
        QVERIFY(saveWith(&editor, first));
    }
    {
        Controller editor;
        QVERIFY(openWith(&editor, first));
        QVERIFY(saveWith(&editor, second));
    }
    QCOMPARE(readAll(second), readAll(first));

    // Arrow ids and the legend come back as stored, whatever the symbols hold.
    const QVector<Field> record = decodeRecord(readAll(first));
    QCOMPARE(record.value(15).value.toInt(), stored.leftArrowId);
    QCOMPARE(record.value(16).value.toInt(), stored.rightArrowId);
    QCOMPARE(record.value(13).value.toString(), stored.legend);
}

void PipeRecordTest::editorAndLoaderDrawAlike_data()
{
    QTest::addColumn<PipeLabel>("stored");
    // Resize options chosen through the editor's slot after opening, before saving.
    QTest::addColumn<QList<int>>("switches");

    const PipeLabel steam = made(3, 2, "", "#dc0b0b", "white", "STEAM", 2, 3, true);
    QTest::newRow("landscape") << steam << QList<int>{};
    QTest::newRow("wrap") << with(steam, [](PipeLabel& l) { l.wrap = true; }) << QList<int>{};
    QTest::newRow("wrap top") << with(steam, [](PipeLabel& l) { l.wrap = l.top = true; })
                              << QList<int>{};
    QTest::newRow("portrait") << with(steam, [](PipeLabel& l) { l.portrait = true; })
                              << QList<int>{};
    QTest::newRow("portrait wrap, vertical arrow")
        << with(steam, [](PipeLabel& l) { l.portrait = l.wrap = true, l.leftArrowId = 11; })
        << QList<int>{};
    QTest::newRow("wrap, vertical arrows on both sides")
        << with(steam, [](PipeLabel& l) { l.wrap = true, l.leftArrowId = 4, l.rightArrowId = 5; })
        << QList<int>{};
    QTest::newRow("fit label to text, long legend") << with(steam, [](PipeLabel& l) {
        l.resizeOption = 0;
        l.legend = QStringLiteral("CONDENSATE RETURN TO THE BOILER HOUSE");
    }) << QList<int>{};
    QTest::newRow("fit label to text, portrait wrap")
        << with(steam, [](PipeLabel& l) { l.resizeOption = 0, l.portrait = l.wrap = true; })
        << QList<int>{};
    QTest::newRow("fit text to label")
        << with(steam, [](PipeLabel& l) { l.resizeOption = 1; }) << QList<int>{};
    QTest::newRow("fit text to label, wrap")
        << with(steam, [](PipeLabel& l) { l.resizeOption = 1, l.wrap = true; }) << QList<int>{};
    QTest::newRow("fit text to label, portrait")
        << with(steam, [](PipeLabel& l) { l.resizeOption = 1, l.portrait = true; }) << QList<int>{};
    QTest::newRow("fit text to label, portrait wrap")
        << with(steam, [](PipeLabel& l) { l.resizeOption = 1, l.portrait = l.wrap = true; })
        << QList<int>{};
    QTest::newRow("none, text longer than the label") << with(steam, [](PipeLabel& l) {
        l.length = 200.0;
        l.legend = QStringLiteral("HOT WATER RETURN");
    }) << QList<int>{};
    QTest::newRow("no legend") << with(steam, [](PipeLabel& l) { l.legend.clear(); })
                               << QList<int>{};
    QTest::newRow("unknown arrow ids, wrapped") << with(steam, [](PipeLabel& l) {
        l.wrap = true, l.leftArrowId = 999, l.rightArrowId = -3;
    }) << QList<int>{};
    QTest::newRow("arrow id 0 beside a right arrow")
        << with(steam, [](PipeLabel& l) { l.leftArrowId = 0; }) << QList<int>{};
    // Top turns the arrows also where the panel's Top box cannot show it.
    QTest::newRow("top, portrait")
        << with(steam, [](PipeLabel& l) { l.portrait = l.top = true; }) << QList<int>{};
    QTest::newRow("top, unwrapped, vertical arrows")
        << with(steam, [](PipeLabel& l) { l.top = true, l.leftArrowId = 4, l.rightArrowId = 5; })
        << QList<int>{};
    QTest::newRow("top, portrait wrap, vertical arrow")
        << with(steam, [](PipeLabel& l) { l.portrait = l.wrap = l.top = true, l.leftArrowId = 11; })
        << QList<int>{};
    // The text's stretch follows the option whenever it changes, not only on opening.
    QTest::newRow("switched to fit text to label") << steam << QList<int>{1};
    QTest::newRow("switched to fit text to label, wrap")
        << with(steam, [](PipeLabel& l) { l.wrap = true; }) << QList<int>{0, 1};
    QTest::newRow("switched to fit text to label, portrait")
        << with(steam, [](PipeLabel& l) { l.portrait = true; }) << QList<int>{1};
    QTest::newRow("switched away from fit text to label")
        << with(steam, [](PipeLabel& l) { l.resizeOption = 1; }) << QList<int>{2};
    QTest::newRow("switched away from fit text to label, portrait wrap")
        << with(steam, [](PipeLabel& l) { l.resizeOption = 1, l.portrait = l.wrap = true; })
        << QList<int>{0};
}

void PipeRecordTest::editorAndLoaderDrawAlike()
{
    QFETCH(PipeLabel, stored);
    QFETCH(QList<int>, switches);

    // Stored as the editor stores it, so that the length a fitted label was given is
    // the one on file.
    const QString written = pathOf(QStringLiteral("written.qypm"));
    const QString path = pathOf(QStringLiteral("stored.qypm"));
    writeAll(written, storedFile(stored));
    Controller made;
    QVERIFY(openWith(&made, written));
    for (const int option : switches)
        made.resizeLabelSlot(option);
    QVERIFY(saveWith(&made, path));
    // The modes go on file as they came, also a Top flag the panel cannot show.
    const QVector<Field> record = decodeRecord(readAll(path));
    QCOMPARE(record.value(7).value.toBool(), stored.portrait);
    QCOMPARE(record.value(8).value.toBool(), stored.wrap);
    QCOMPARE(record.value(9).value.toBool(), stored.top);

    Controller reopened;
    QVERIFY(openWith(&reopened, path));
    // The loader reads the symbols without a widget of its own.
    Loader loader;
    const int widgets = QApplication::allWidgets().size();
    QVERIFY(openWith(&loader, path));
    QCOMPARE(QApplication::allWidgets().size(), widgets);

    auto same = [](const QRectF& a, const QRectF& b) {
        return qAbs(a.left() - b.left()) < 0.01 && qAbs(a.top() - b.top()) < 0.01 &&
               qAbs(a.width() - b.width()) < 0.01 && qAbs(a.height() - b.height()) < 0.01;
    };
    // The editor that made the file and the one that reopened it draw what the loader
    // draws.
    for (const Controller* editor : {&made, &reopened}) {
        const QString which = editor == &made ? QStringLiteral("made") : QStringLiteral("reopened");
        // The file holds single floats: the editor that made it may be a hair off.
        QVERIFY2(same(QRectF(QPointF(), loader.m_canvas.getCanvasSize()),
                      QRectF(QPointF(), editor->getCanvas()->getCanvasSize())),
                 qPrintable(which));
        for (int i = 0; i < 4; ++i) {
            const SymbolItem* drawn = loader.arrow(i);
            const SymbolItem* edited = editor->arrow(i);
            QCOMPARE(drawn->isVisible(), edited->isVisible());
            QCOMPARE(drawn->hasDrawing(), edited->hasDrawing());
            QCOMPARE(drawn->itemRotation(), edited->itemRotation());
            QVERIFY2(same(drawn->sceneBoundingRect(), edited->sceneBoundingRect()),
                     qPrintable(QStringLiteral("%1: arrow %2").arg(which).arg(i)));
        }
        for (int i = 0; i < 2; ++i) {
            const SimpleTextItem* drawn = loader.text(i);
            const SimpleTextItem* edited = editor->text(i);
            QCOMPARE(drawn->isVisible(), edited->isVisible());
            QVERIFY2(drawn->stretchToFit() == edited->stretchToFit(),
                     qPrintable(QStringLiteral("%1: text %2 stretch").arg(which).arg(i)));
            QCOMPARE(drawn->itemRotation(), edited->itemRotation());
            QVERIFY2(same(drawn->sceneBoundingRect(), edited->sceneBoundingRect()),
                     qPrintable(QStringLiteral("%1: text %2").arg(which).arg(i)));
        }
    }
    // An arrow id without a symbol (the pipe marker symbols are 1 to 25) shows nothing.
    const auto shown = [](int id) { return id > 1 && id <= 25; };
    QCOMPARE(loader.arrow(0)->isVisible(), shown(stored.leftArrowId));
    QCOMPARE(loader.arrow(2)->isVisible(), shown(stored.rightArrowId));
    QCOMPARE(loader.text(0)->stretchToFit(),
             (switches.isEmpty() ? stored.resizeOption : switches.last()) == 1);
}

QTEST_MAIN(PipeRecordTest)
#include "tst_piperecord.moc"
