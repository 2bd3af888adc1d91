#include "ammoniatesthelpers.h"

#include "ammonia/ammoniacommoncontroller.h"
#include "kit/arrowsymbols.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"
#include "units/defaultunitcontroller.h"
#include "units/unitconversions.h"
#include "widgets/commonlists.h"

#include <memory>

namespace {

// The engine on a canvas of its own, set up the way the loader does.
class TestEngine : public AmmoniaCommonController
{
public:
    using AmmoniaCommonController::m_ammoniaText;
    using AmmoniaCommonController::m_capHeight;
    using AmmoniaCommonController::m_componentText;
    using AmmoniaCommonController::m_leftArrow;
    using AmmoniaCommonController::m_liqState;
    using AmmoniaCommonController::m_pipeText;
    using AmmoniaCommonController::m_pressure;
    using AmmoniaCommonController::m_rightArrow;
    using AmmoniaCommonController::m_vapState;

    explicit TestEngine(const AmmoniaLabel& label, bool measurable = true)
        : m_canvas(new MvCanvasModel({Qt::black, Qt::white}, 13824.0, 13824.0, 576.0, 72.0))
    {
        setCanvas(m_canvas.get());
        createInitialItems();
        applyLabel(label);
        static const ArrowSymbols symbols(VendrelWidgetsUtils::getDataPath() +
                                          VendrelConstants::AmmoniaSymbolDatabase);
        loadArrow(LeftSide, label.leftArrowId, symbols);
        loadArrow(RightSide, label.rightArrowId, symbols);
        if (!measurable)
            m_capHeight = 0.0;
        resizeCanvasAndBands();
        recalculateSizes();
    }

    std::unique_ptr<MvCanvasModel> m_canvas;
};

// An item's box on the canvas, or "hidden".
QString box(const QGraphicsItem* item)
{
    if (!item->isVisible())
        return QStringLiteral("hidden");
    const QRectF r = item->sceneBoundingRect();
    return QStringLiteral("%1,%2 %3x%4")
        .arg(r.x(), 0, 'f', 1)
        .arg(r.y(), 0, 'f', 1)
        .arg(r.width(), 0, 'f', 1)
        .arg(r.height(), 0, 'f', 1);
}

QString x(const QGraphicsItem* item)
{
    return item->isVisible() ? QString::number(item->sceneBoundingRect().x(), 'f', 1)
                             : QStringLiteral("hidden");
}

QString width(const QGraphicsItem* item)
{
    return item->isVisible() ? QString::number(item->sceneBoundingRect().width(), 'f', 1)
                             : QStringLiteral("hidden");
}

AmmoniaLabel pipeLabel(double length, double part, bool liq, bool vap, bool high, int left = 1,
                       int right = 1)
{
    AmmoniaLabel label;
    label.length = length, label.partWidth = part, label.arrowWidth = 40.0;
    label.liq = liq, label.vap = vap, label.high = high, label.low = false;
    label.leftArrowId = left, label.rightArrowId = right;
    label.abbreviation = QStringLiteral("HSD");
    return label;
}

AmmoniaLabel componentLabel(double length, double part, bool high)
{
    AmmoniaLabel label;
    label.pipeMarker = false;
    label.componentLength = length, label.componentPartWidth = part;
    label.high = high, label.low = false;
    label.component = QStringLiteral("COMPRESSOR 1");
    return label;
}

const QString Hidden = QStringLiteral("hidden");

} // namespace

class TestAmmoniaLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void pipeMarkerShares_data();
    void pipeMarkerShares();
    void componentMarkerEdges_data();
    void componentMarkerEdges();
    void iiarRowsGiveRecommendedSizes_data();
    void iiarRowsGiveRecommendedSizes();
    void typedSizesAndWarnings_data();
    void typedSizesAndWarnings();
    void componentModeShowsTextAndPressureOnly_data();
    void componentModeShowsTextAndPressureOnly();
};

void TestAmmoniaLayout::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("AmmoniaLayoutTest"));
    Q_INIT_RESOURCE(module);
    CommonLists::ensureSuiteFontSubstitution();
}

void TestAmmoniaLayout::init()
{
    // A unit switch is remembered as the user's unit; every case starts in inches.
    DefaultUnitController::saveDefaultUnit(UnitConversions::Inches);
    UnitConversions::setCanvasUnits(UnitConversions::Inches);
}

void TestAmmoniaLayout::pipeMarkerShares_data()
{
    QTest::addColumn<AmmoniaLabel>("label");
    QTest::addColumn<bool>("measurable");
    // x and width of the abbreviation and "AMMONIA", x of LIQ, VAP and the pressure part.
    QTest::addColumn<QStringList>("expected");

    const QString a = QStringLiteral("hidden");
    // Free length 576 - 20: the texts share it 30 / 70, the states slot is empty.
    QTest::newRow("no arrows, states or pressure")
        << pipeLabel(576, 36, false, false, false) << true
        << QStringList{"5.0", "166.8", "181.8", "389.2", a, a, a};
    // 576 - 5 - 36 - (5 + 36 + 5) - 10 = 479 free.
    QTest::newRow("LIQ and HIGH") << pipeLabel(576, 36, true, false, true) << true
                                  << QStringList{"5.0",   "143.7", "194.7", "335.3",
                                                 "153.7", a,       "535.0"};
    // An arrow id of 1 is no arrow, ids 2 and 3 take 40 + 10 each.
    QTest::newRow("arrow id 1 is no arrow")
        << pipeLabel(576, 36, false, false, false, 1, 1) << true
        << QStringList{"5.0", "166.8", "181.8", "389.2", a, a, a};
    QTest::newRow("both arrows") << pipeLabel(576, 36, false, false, false, 2, 3) << true
                                 << QStringList{"50.0", "139.8", "199.8", "326.2", a, a, a};
    // Both states on a label shorter than 2 x 36 + 5: the slot is the whole label, no
    // room is left, the texts go and the states stand at the left edge.
    QTest::newRow("both states on a label shorter than they are")
        << pipeLabel(60, 36, true, true, false) << true
        << QStringList{a, a, a, a, "5.0", "46.0", a};
    // The pressure slot never reaches beyond the label's left end.
    QTest::newRow("pressure part wider than the label")
        << pipeLabel(30, 36, false, false, true) << true << QStringList{a, a, a, a, a, a, "5.0"};
    QTest::newRow("no cap height to size the texts by")
        << pipeLabel(576, 36, true, false, false) << false
        << QStringList{a, a, a, a, "166.0", a, a};
}

void TestAmmoniaLayout::pipeMarkerShares()
{
    QFETCH(AmmoniaLabel, label);
    QFETCH(bool, measurable);
    QFETCH(QStringList, expected);
    TestEngine engine(label, measurable);
    const QStringList actual{x(engine.m_pipeText),    width(engine.m_pipeText),
                             x(engine.m_ammoniaText), width(engine.m_ammoniaText),
                             x(engine.m_liqState),    x(engine.m_vapState),
                             x(engine.m_pressure)};
    QCOMPARE(actual, expected);
    if (engine.m_pipeText->isVisible())
        QCOMPARE(engine.m_pipeText->toPlainText(), QStringLiteral("HSD"));
    QVERIFY(!engine.m_componentText->isVisible());
}

void TestAmmoniaLayout::componentMarkerEdges_data()
{
    QTest::addColumn<AmmoniaLabel>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pressure");
    QTest::newRow("component without pressure")
        << componentLabel(2880, 180, false) << "5.0 2870.0" << Hidden;
    QTest::newRow("component with pressure") << componentLabel(2880, 180, true) << "5.0 2685.0"
                                             << "2695.0,5.0 180.0x278.0";
    // Shorter than its pressure part: the part takes the whole label, the text has no
    // length at all and goes, nothing gets a negative size.
    QTest::newRow("component shorter than its pressure part")
        << componentLabel(100, 180, true) << Hidden << "5.0,5.0 180.0x278.0";
    QTest::newRow("component as long as part and margins")
        << componentLabel(195, 180, true) << Hidden << "10.0,5.0 180.0x278.0";
}

void TestAmmoniaLayout::componentMarkerEdges()
{
    QFETCH(AmmoniaLabel, label);
    QFETCH(QString, text);
    QFETCH(QString, pressure);
    TestEngine engine(label);
    const QGraphicsItem* item = engine.m_componentText;
    QCOMPARE(item->isVisible() ? x(item) + QLatin1Char(' ') + width(item) : Hidden, text);
    QCOMPARE(box(engine.m_pressure), pressure);
    for (const QGraphicsItem* hidden : {static_cast<QGraphicsItem*>(engine.m_pipeText),
                                        static_cast<QGraphicsItem*>(engine.m_ammoniaText),
                                        static_cast<QGraphicsItem*>(engine.m_liqState),
                                        static_cast<QGraphicsItem*>(engine.m_leftArrow)})
        QVERIFY(!hidden->isVisible());
    QCOMPARE(engine.getCanvas()->getCanvasSize(), QSizeF(label.componentLength, 288.0));
}

void TestAmmoniaLayout::iiarRowsGiveRecommendedSizes_data()
{
    QTest::addColumn<int>("row");
    // Fields in inches: width, length, text height, part width, arrow width.
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("under 1.25") << 0 << QStringList{"1.00", "8.00", "0.50", "0.50", "1.00"};
    QTest::newRow("1.25 - 2") << 1 << QStringList{"2.00", "12.00", "1.25", "0.75", "2.00"};
    QTest::newRow("2 - 7") << 2 << QStringList{"3.00", "24.00", "2.00", "1.00", "3.00"};
    QTest::newRow("7 - 10") << 3 << QStringList{"4.00", "32.00", "2.50", "1.50", "4.00"};
    QTest::newRow("over 10") << 4 << QStringList{"5.00", "32.00", "3.50", "2.00", "5.00"};
    QTest::newRow("row from outside the table")
        << 7 << QStringList{"1.00", "8.00", "0.50", "0.50", "1.00"};
}

void TestAmmoniaLayout::iiarRowsGiveRecommendedSizes()
{
    QFETCH(int, row);
    QFETCH(QStringList, fields);
    TestController controller;
    controller.pipeDiameterChangedSlot(row);
    const QStringList shown{controller.field("WidthEdit"), controller.field("LengthEdit"),
                            controller.field("FontHeightEdit"), controller.field("BandWidthEdit"),
                            controller.field("ArrowWidthEdit")};
    QCOMPARE(shown, fields);
    QCOMPARE(controller.getCanvas()->getCanvasSize(),
             QSizeF(fields.at(1).toDouble() * 72.0, fields.at(0).toDouble() * 72.0));
    QCOMPARE(controller.getLastWarning(), QString());
}

void TestAmmoniaLayout::typedSizesAndWarnings_data()
{
    QTest::addColumn<int>("row");
    // Slot and text typed, in inches, one after the other.
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("warning");
    // Width and text height fields after typing.
    QTest::addColumn<QStringList>("fields");

    // The text follows the label down and is below its own recommendation then.
    QTest::newRow("width below the supply")
        << 0 << QStringList{"width", "0.14"}
        << "Text Height Smaller Than ANSI Recommendations; Label Width Smaller Than Available "
           "Supply"
        << QStringList{"0.14", "0.14"};
    QTest::newRow("width below the recommendation")
        << 0 << QStringList{"width", "0.7"} << "Label Width Smaller Than ANSI Recommendations"
        << QStringList{"0.7", "0.50"};
    QTest::newRow("text taller than the label widens it")
        << 0 << QStringList{"font", "1.5"} << "" << QStringList{"1.50", "1.5"};
    QTest::newRow("text above the widest stock is cut, the label widens")
        << 0 << QStringList{"font", "12.5"} << "" << QStringList{"12.00", "12.00"};
    QTest::newRow("text height below the recommendation")
        << 2 << QStringList{"font", "1"} << "Text Height Smaller Than ANSI Recommendations"
        << QStringList{"3.00", "1"};
    QTest::newRow("emptied field says nothing")
        << 2 << QStringList{"font", ""} << "" << QStringList{"3.00", ""};
    QTest::newRow("part as long as the label")
        << 0 << QStringList{"band", "8"}
        << "Band Width Too Large To Print; Text Space Too Small, Illegible; Items Overlap"
        << QStringList{"1.00", "0.50"};
    QTest::newRow("part below the recommendation")
        << 0 << QStringList{"band", "0.4"} << "Band Width Smaller than IIAR Recommendations"
        << QStringList{"1.00", "0.50"};
    QTest::newRow("arrow as long as the label")
        << 0 << QStringList{"arrow", "8"} << "Arrow Width Too Large To Print"
        << QStringList{"1.00", "0.50"};
    QTest::newRow("arrow below the part width of the row")
        << 1 << QStringList{"arrow", "0.5"} << "Arrow Width Smaller than IIAR Recommendations"
        << QStringList{"2.00", "1.25"};
    QTest::newRow("part too small to print changes nothing")
        << 0 << QStringList{"band", "0.01"} << "Band Width Too Small To Print"
        << QStringList{"1.00", "0.50"};
    // Both warnings at once read in the order of their numbers.
    QTest::newRow("length below the recommendation, then too little text room")
        << 0 << QStringList{"length", "7", "band", "3.3"}
        << "Label Length Smaller Than ANSI Recommendations; Text Space Too Small, Illegible"
        << QStringList{"1.00", "0.50"};
    QTest::newRow("parts leave no room: texts go")
        << 0 << QStringList{"band", "4"} << "Text Space Too Small, Illegible; Items Overlap"
        << QStringList{"1.00", "0.50"};
}

void TestAmmoniaLayout::typedSizesAndWarnings()
{
    QFETCH(int, row);
    QFETCH(QStringList, typed);
    QFETCH(QString, warning);
    QFETCH(QStringList, fields);
    TestController controller;
    controller.pipeDiameterChangedSlot(row);
    const QMap<QString, const char*> fieldNames{{"width", "WidthEdit"},
                                                {"font", "FontHeightEdit"},
                                                {"band", "BandWidthEdit"},
                                                {"arrow", "ArrowWidthEdit"}};
    for (int i = 0; i + 1 < typed.size(); i += 2) {
        // The length follows the pipe diameter; only code can set it.
        if (typed.at(i) == QLatin1String("length")) {
            controller.lengthChangedSlot(typed.at(i + 1));
            continue;
        }
        auto* field = controller.editWidget()->findChild<QLineEdit*>(
            QLatin1String(fieldNames.value(typed.at(i))));
        // Typed as a user does, key by key over the old value, then Return.
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, typed.at(i + 1));
        QTest::keyClick(field, Qt::Key_Return);
    }
    QCOMPARE(controller.getLastWarning(), warning);
    QCOMPARE((QStringList{controller.field("WidthEdit"), controller.field("FontHeightEdit")}),
             fields);
    // The label never has a text taller than it is wide, nor parts longer than it.
    QVERIFY(controller.m_fontHeight <= controller.m_labelHeight + 0.001);
    QVERIFY(controller.m_bandWidth <= controller.m_labelLength);
    QVERIFY(controller.m_arrowWidth <= controller.m_labelLength);
    QVERIFY(controller.getCanvas()->canvasHasChanged());
}

void TestAmmoniaLayout::componentModeShowsTextAndPressureOnly_data()
{
    QTest::addColumn<bool>("high");
    QTest::addColumn<bool>("low");
    QTest::newRow("HIGH") << true << false;
    QTest::newRow("LOW") << false << true;
    QTest::newRow("neither") << false << false;
}

void TestAmmoniaLayout::componentModeShowsTextAndPressureOnly()
{
    QFETCH(bool, high);
    QFETCH(bool, low);
    TestController controller;
    controller.vapStateChangedSlot(true);
    controller.highPressureChangedSlot(high);
    controller.lowPressureChangedSlot(low);
    controller.editWidget()->setModule(false);

    QCOMPARE(controller.m_pressure->isVisible(), high || low);
    for (const QGraphicsItem* item : {static_cast<QGraphicsItem*>(controller.m_leftArrow),
                                      static_cast<QGraphicsItem*>(controller.m_rightArrow),
                                      static_cast<QGraphicsItem*>(controller.m_liqState),
                                      static_cast<QGraphicsItem*>(controller.m_vapState),
                                      static_cast<QGraphicsItem*>(controller.m_pipeText)})
        QVERIFY(!item->isVisible());
    QCOMPARE(controller.getTagsVisible(), (high ? 1 : 0) | (low ? 2 : 0) | 4 | 8);

    // Back in pipe marker mode the parts chosen show again.
    controller.editWidget()->setModule(true);
    QVERIFY(controller.m_liqState->isVisible() && controller.m_vapState->isVisible());
}

QTEST_MAIN(TestAmmoniaLayout)
#include "tst_ammonialayout.moc"
