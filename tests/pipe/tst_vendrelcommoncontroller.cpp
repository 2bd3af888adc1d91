#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "kit/arrowsymbols.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"
#include "pipe/ansisizetable.h"
#include "pipe/pipelabel.h"
#include "pipe/vendrelcommoncontroller.h"
#include "widgets/commonlists.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Changes chained on a new label: Make().size(864, 270, 90, 3).legend("AIR").label. The
// pipe size row gives the length that "Fit label to text" keeps at least.
struct Make
{
    PipeLabel label;

    Make& size(double length, double height, double textHeight = 36.0, short row = 1)
    {
        label.length = length, label.height = height, label.textHeight = textHeight;
        label.pipeDiameterIndex = row;
        return *this;
    }
    Make& modes(int option, bool portrait, bool wrap, bool top = false)
    {
        label.resizeOption = option, label.portrait = portrait, label.wrap = wrap;
        label.top = top;
        return *this;
    }
    Make& arrows(int left, int right)
    {
        label.leftArrowId = left, label.rightArrowId = right;
        return *this;
    }
    Make& legend(const QString& text)
    {
        label.legend = text;
        return *this;
    }
};

constexpr int FitText = VendrelCommonController::FitTextToLabel;
constexpr int NoResize = VendrelCommonController::NoResize;

// The engine on a canvas of its own, set up the way the derived controllers do.
class TestEngine : public VendrelCommonController
{
public:
    using VendrelCommonController::m_fontHeight;
    using VendrelCommonController::m_labelHeight;
    using VendrelCommonController::m_labelLength;
    using VendrelCommonController::m_secondTextItem;
    using VendrelCommonController::m_textItem;
    using VendrelCommonController::recalculateSizesArrows;

    // Arrows take their drawings from the pipe marker symbols, as the readers do, so
    // an id the symbols lack has none; whether the second row turns is the test's.
    explicit TestEngine(const PipeLabel& label, bool leftMirror = false)
        : m_ownCanvas(new MvCanvasModel({Qt::black, Qt::white}, 13824.0, 13824.0, 576.0, 72.0))
    {
        setCanvas(m_ownCanvas.get());
        createInitialItems();
        updateFontMetrics(QStringLiteral("M"));
        apply(label, leftMirror);
    }
    void apply(const PipeLabel& label, bool leftMirror = false, bool capHeight = true)
    {
        applyLabelSizes(label);
        m_recommendedLength = AnsiSizeTable::row(label.pipeDiameterIndex).labelLength;
        applyLabelModes(label);
        setArrow(LeftSide, label.leftArrowId, drawing(label.leftArrowId), leftMirror);
        setArrow(RightSide, label.rightArrowId, drawing(label.rightArrowId), false);
        setLegend(label.legend);
        applyTextStretch();
        if (!capHeight)
            m_capHeight = 0.0;
        orientationSettingAction();
    }
    void layout(bool force = true)
    {
        bool length = false, height = false, font = false;
        recalculateSizes(force, false, length, height, font);
    }
    SymbolItem* arrow(int i) const
    {
        return QList<SymbolItem*>{m_leftArrow, m_rightArrow, m_leftArrowSecond,
                                  m_rightArrowSecond}[i];
    }
    static QByteArray drawing(int id)
    {
        static const ArrowSymbols symbols(VendrelWidgetsUtils::getDataPath() +
                                          VendrelConstants::PipeMarkerSymbolDatabase);
        ArrowSymbols::Symbol symbol;
        symbols.selectable(id, &symbol);
        return symbol.data;
    }

    std::unique_ptr<MvCanvasModel> m_ownCanvas;
};

// First and last rows of the label, drawn at one pixel per point, whose pixels
// differ from the band colour.
QPair<int, int> sceneInkRows(MvCanvasModel* canvas, const QSizeF& label, QRgb band)
{
    QImage image(qCeil(label.width()), qCeil(label.height()), QImage::Format_RGB32);
    QPainter painter(&image);
    canvas->render(&painter, QRectF(QPointF(0, 0), label), QRectF(QPointF(0, 0), label));
    painter.end();
    QPair<int, int> rows(-1, -1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAbs(qGray(image.pixel(x, y)) - qGray(band)) > 64) {
                rows = qMakePair(rows.first < 0 ? y : rows.first, y);
                break;
            }
        }
    }
    return rows;
}

// A one-bit image without ink, with the (x, y) bits set, then raw bytes (row,
// byte, value) that may reach into the padding of a row.
QImage monoImage(int width, int height, const QList<QPoint>& ink,
                 const QList<std::array<int, 3>>& bytes = {})
{
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    for (const QPoint& p : ink)
        image.setPixel(p, 1);
    for (const auto& b : bytes)
        image.scanLine(b[0])[b[1]] |= static_cast<uchar>(b[2]);
    return image;
}

QList<QVariant> report(bool exceeds, bool overlap, bool tooSmall)
{
    return {QVariant::fromValue(Vendrel::TextExceedsLength), exceeds,
            QVariant::fromValue(Vendrel::TextArrowsOverlap), overlap,
            QVariant::fromValue(Vendrel::TextSpaceTooSmall), tooSmall};
}

} // namespace

Q_DECLARE_METATYPE(PipeLabel)

class TestVendrelCommonController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void inkScanFindsFirstAndLastInkedRow_data();
    void inkScanFindsFirstAndLastInkedRow();
    void inkIsCentredOnItsRowWhateverItsColour_data();
    void inkIsCentredOnItsRowWhateverItsColour();
    void inkOfATextTallerThanAnyLabelScalesWithIt_data();
    void inkOfATextTallerThanAnyLabelScalesWithIt();
    void inkOfATextOutOfProportionIsFoundAsAtItsOwn_data();
    void inkOfATextOutOfProportionIsFoundAsAtItsOwn();
    void arrowSpacesFollowTheArrowsThatExist_data();
    void arrowSpacesFollowTheArrowsThatExist();
    void fitLabelToTextSizesTheLength_data();
    void fitLabelToTextSizesTheLength();
    void textIsHiddenWhenItCannotBeLaidOut_data();
    void textIsHiddenWhenItCannotBeLaidOut();
    void wrapArrowRowsAndTopExchange_data();
    void wrapArrowRowsAndTopExchange();
    void portraitHeightGrowsButNeverShrinks_data();
    void portraitHeightGrowsButNeverShrinks();
    void portraitFittedTextStaysLegible_data();
    void portraitFittedTextStaysLegible();
};

void TestVendrelCommonController::initTestCase()
{
    Q_INIT_RESOURCE(module);
    CommonLists::ensureSuiteFontSubstitution();
    qRegisterMetaType<Vendrel::StatusErrorType>();
}

void TestVendrelCommonController::inkScanFindsFirstAndLastInkedRow_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");

    QImage colour(10, 6, QImage::Format_RGB32);
    colour.fill(Qt::white);
    colour.setPixel(9, 2, qRgb(0, 0, 0));
    colour.setPixel(1, 3, qRgb(10, 10, 10));

    QTest::newRow("no ink") << monoImage(16, 5, {}) << -1 << -1;
    QTest::newRow("no rows") << QImage() << -1 << -1;
    QTest::newRow("whole bytes") << monoImage(16, 6, {{3, 1}, {15, 4}}) << 1 << 4;
    // Ink only in the partial last byte of a row counts, the padding bits never do.
    QTest::newRow("ink in the partial byte") << monoImage(13, 7, {{12, 2}, {8, 5}}) << 2 << 5;
    QTest::newRow("padding is not ink")
        << monoImage(13, 7, {{0, 3}}, {{1, 1, 0x07}, {6, 1, 0x0f}}) << 3 << 6;
    QTest::newRow("narrower than a byte") << monoImage(3, 4, {{2, 2}}, {{0, 0, 0x1f}}) << 2 << 2;
    QTest::newRow("one inked row") << monoImage(9, 9, {{8, 4}}) << 4 << 4;
    QTest::newRow("colour image: dark is ink") << colour << 2 << 3;
}

void TestVendrelCommonController::inkScanFindsFirstAndLastInkedRow()
{
    QFETCH(QImage, image);
    QFETCH(int, first);
    QFETCH(int, last);
    int foundFirst = -1;
    int foundLast = -1;
    VendrelCommonController::getFilledRowsInImage(foundFirst, foundLast, image);
    QCOMPARE(foundFirst, first);
    QCOMPARE(foundLast, last);
}

void TestVendrelCommonController::inkIsCentredOnItsRowWhateverItsColour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("top");
    QTest::addColumn<QColor>("textColour");
    QTest::addColumn<int>("option");
    QTest::addColumn<double>("length");

    // Texts whose ink lies far from their box's middle show whether the ink or the
    // box is centred; light text must be measured as well as dark.
    const QColor white(Qt::white), black(Qt::black), yellow(0xfe, 0xdb, 0x00);
    for (const QString text : {"HELLO", "___", "'''", "gjy"}) {
        QTest::newRow(qPrintable(text + " single"))
            << text << false << false << black << NoResize << 864.0;
        QTest::newRow(qPrintable(text + " wrap"))
            << text << true << false << white << NoResize << 864.0;
        QTest::newRow(qPrintable(text + " wrap top"))
            << text << true << true << yellow << NoResize << 864.0;
    }
    // Stretched along the whole longest label, the text is measured squeezed back;
    // its ink must still sit on the row's middle.
    for (const QString text : {"gjy", "'''", "HOT WATER RETURN"}) {
        QTest::newRow(qPrintable(text + " stretched"))
            << text << false << false << black << int(VendrelCommonController::FitTextToLabel)
            << 13824.0;
        QTest::newRow(qPrintable(text + " stretched wrap"))
            << text << true << false << white << int(VendrelCommonController::FitTextToLabel)
            << 13824.0;
    }
}

void TestVendrelCommonController::inkIsCentredOnItsRowWhateverItsColour()
{
    QFETCH(QString, text);
    QFETCH(bool, wrap);
    QFETCH(bool, top);
    QFETCH(QColor, textColour);
    QFETCH(int, option);
    QFETCH(double, length);
    // High enough that no ink is cut off at an edge.
    const double height = wrap ? 360.0 : 144.0;
    TestEngine engine(
        Make().size(length, height, 90.0, 3).modes(option, false, wrap, top).legend(text).label);
    const QColor band = textColour == Qt::black ? Qt::white : QColor(0x24, 0x8d, 0x4f);
    engine.colorChangedAction(band, textColour);
    engine.layout();
    QCOMPARE(engine.m_textItem->defaultTextColor(), textColour);
    engine.m_secondTextItem->setVisible(false);

    const QPair<int, int> ink =
        sceneInkRows(engine.m_ownCanvas.get(), {length, height}, band.rgb());
    const double centre = (ink.first + ink.second) / 2.0;
    double expected = height / 2.0;
    if (wrap)
        expected = top ? 5.0 * height / 6.0 - 10.0 : height / 6.0 + 10.0;
    QVERIFY2(ink.first >= 0 && qAbs(centre - expected) <= 1.5,
             qPrintable(QStringLiteral("ink centre %1, expected %2").arg(centre).arg(expected)));

    // Turned by a quarter, the measurement finds the columns of the centred ink.
    const QSizeF box = engine.m_textItem->getItemSize();
    int first = -1;
    int last = -1;
    engine.getFilledColumnsInTextImage(first, last, box.toSize());
    QVERIFY(first >= 0 && last < box.width() && last > first);
}

void TestVendrelCommonController::inkOfATextTallerThanAnyLabelScalesWithIt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("turned");

    // A file may ask for a text as tall as the longest label; its ink is found in a
    // coarser picture and must still land where that of the same text a tenth as
    // tall, measured point by point, lands ten times over.
    // Short texts, so that neither is squeezed into the longest label.
    for (const QString text : {"HI", "gj", "''"}) {
        QTest::newRow(qPrintable(text + " rows")) << text << false;
        QTest::newRow(qPrintable(text + " columns")) << text << true;
    }
}

void TestVendrelCommonController::inkOfATextTallerThanAnyLabelScalesWithIt()
{
    QFETCH(QString, text);
    QFETCH(bool, turned);
    constexpr double Factor = 10.0;
    const auto inkOf = [&](double textHeight, QSize& box) {
        TestEngine engine(Make()
                              .size(13824.0, 13824.0, textHeight, 3)
                              .modes(NoResize, false, false)
                              .legend(text)
                              .label);
        engine.layout();
        box = engine.m_textItem->getItemSize().toSize();
        QPair<int, int> ink(-1, -1);
        if (turned)
            engine.getFilledColumnsInTextImage(ink.first, ink.second, box);
        else
            engine.getFilledRowsInTextImage(ink.first, ink.second, box);
        return ink;
    };
    QSize smallBox;
    QSize tallBox;
    const QPair<int, int> small = inkOf(691.2, smallBox);
    const QPair<int, int> tall = inkOf(691.2 * Factor, tallBox);
    const int extent = turned ? tallBox.width() : tallBox.height();
    QVERIFY2(double(tallBox.width()) * tallBox.height() > 13824.0 * 2.0 * 864.0,
             "the tall text must be measured in a coarser picture");
    QVERIFY(qAbs(tallBox.width() - smallBox.width() * Factor) <= tallBox.width() / 100.0 &&
            qAbs(tallBox.height() - smallBox.height() * Factor) <= tallBox.height() / 100.0);
    QVERIFY(small.first >= 0 && tall.first >= 0 && tall.second < extent);
    // A row of the coarser picture spans some points, the smaller text's rows are
    // rounded to whole points: together well under a hundredth of the text.
    const double tolerance = extent / 100.0;
    QVERIFY2(qAbs(tall.first - small.first * Factor) <= tolerance &&
                 qAbs(tall.second - (small.second + 1) * Factor) <= tolerance,
             qPrintable(QStringLiteral("tall %1..%2, small %3..%4 of %5")
                            .arg(tall.first)
                            .arg(tall.second)
                            .arg(small.first)
                            .arg(small.second)
                            .arg(extent)));
}

void TestVendrelCommonController::inkOfATextOutOfProportionIsFoundAsAtItsOwn_data()
{
    QTest::addColumn<bool>("turned");
    QTest::addColumn<bool>("stretched");
    QTest::addColumn<double>("factor");

    // A box changed along the direction that does not move the ink: rows do not
    // depend on the width; columns not on the height of a text squeezed into its
    // box or stretched to fit it. Far out of proportion the text is measured
    // brought back to it, and must land where it does at its own box.
    for (const double factor : {0.01, 0.2, 3.0, 40.0}) {
        QTest::newRow(qPrintable(QStringLiteral("rows, width x%1").arg(factor)))
            << false << false << factor;
        QTest::newRow(qPrintable(QStringLiteral("stretched rows, width x%1").arg(factor)))
            << false << true << factor;
        QTest::newRow(qPrintable(QStringLiteral("stretched columns, height x%1").arg(factor)))
            << true << true << factor;
        if (factor > 1.0)
            QTest::newRow(qPrintable(QStringLiteral("columns, height x%1").arg(factor)))
                << true << false << factor;
    }
}

void TestVendrelCommonController::inkOfATextOutOfProportionIsFoundAsAtItsOwn()
{
    QFETCH(bool, turned);
    QFETCH(bool, stretched);
    QFETCH(double, factor);
    TestEngine engine(
        Make().size(4000.0, 864.0, 288.0, 3).modes(NoResize, false, false).legend("Hgj").label);
    engine.layout();
    engine.m_textItem->setStretchToFit(stretched);
    const QSize own = engine.m_textItem->getItemSize().toSize();
    const QSize far = turned ? QSize(own.width(), qCeil(own.height() * factor))
                             : QSize(qCeil(own.width() * factor), own.height());
    engine.m_textItem->setItemSize(far.width(), far.height());

    QPair<int, int> ownInk(-1, -1);
    QPair<int, int> farInk(-1, -1);
    if (turned) {
        engine.getFilledColumnsInTextImage(farInk.first, farInk.second, far);
        engine.m_textItem->setItemSize(own.width(), own.height());
        engine.getFilledColumnsInTextImage(ownInk.first, ownInk.second, own);
    } else {
        engine.getFilledRowsInTextImage(farInk.first, farInk.second, far);
        engine.m_textItem->setItemSize(own.width(), own.height());
        engine.getFilledRowsInTextImage(ownInk.first, ownInk.second, own);
    }
    QVERIFY(ownInk.first >= 0 && ownInk.second > ownInk.first);
    // Rounding the box to whole pixels moves an edge by a pixel at most.
    QVERIFY2(qAbs(farInk.first - ownInk.first) <= 1 && qAbs(farInk.second - ownInk.second) <= 1,
             qPrintable(QStringLiteral("out of proportion %1..%2, own %3..%4")
                            .arg(farInk.first)
                            .arg(farInk.second)
                            .arg(ownInk.first)
                            .arg(ownInk.second)));
}

void TestVendrelCommonController::arrowSpacesFollowTheArrowsThatExist_data()
{
    QTest::addColumn<PipeLabel>("label");
    QTest::addColumn<double>("leftSpace");
    QTest::addColumn<double>("rightSpace");
    QTest::addColumn<double>("rightArrowX"); // negative: not checked

    // Label 576 x 72, text height 36.
    QTest::newRow("ids 0") << Make().arrows(0, 0).label << 10.0 << 10.0 << -1.0;
    QTest::newRow("ids 1") << Make().arrows(1, 1).label << 10.0 << 10.0 << -1.0;
    QTest::newRow("ids 0 and 1") << Make().arrows(0, 1).label << 10.0 << 10.0 << -1.0;
    QTest::newRow("right arrow beside id 0") << Make().arrows(0, 2).label << 10.0 << 82.0 << 514.0;
    QTest::newRow("left arrow beside id 0") << Make().arrows(2, 0).label << 72.0 << 10.0 << -1.0;
    // An id the symbols do not hold draws nothing and so takes no room.
    QTest::newRow("unknown id") << Make().arrows(999, 1).label << 10.0 << 10.0 << -1.0;
    QTest::newRow("negative id beside a right arrow")
        << Make().arrows(-3, 2).label << 10.0 << 82.0 << 514.0;
    QTest::newRow("wrap, unknown ids")
        << Make().arrows(26, -1).modes(0, false, true).label << 10.0 << 10.0 << -1.0;
    QTest::newRow("wrap sizes arrows by the text")
        << Make().arrows(2, 2).modes(0, false, true).label << 36.0 << 46.0 << 530.0;
    QTest::newRow("wrap, portrait")
        << Make().size(576.0, 216.0).arrows(2, 2).modes(2, true, true).label << 72.0 << 82.0
        << 494.0;
    QTest::newRow("wrap, fit text to label")
        << Make().arrows(2, 2).modes(FitText, false, true).label << 56.0 << 56.0 << 530.0;
}

void TestVendrelCommonController::arrowSpacesFollowTheArrowsThatExist()
{
    QFETCH(PipeLabel, label);
    QFETCH(double, leftSpace);
    QFETCH(double, rightSpace);
    QFETCH(double, rightArrowX);
    TestEngine engine(label);
    double left = 10.0;
    double right = 10.0;
    engine.recalculateSizesArrows(left, right);
    QCOMPARE(left, leftSpace);
    QCOMPARE(right, rightSpace);
    if (rightArrowX >= 0.0)
        QCOMPARE(engine.arrow(1)->pos().x(), rightArrowX);
}

void TestVendrelCommonController::fitLabelToTextSizesTheLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rightId");
    QTest::addColumn<QString>("expect"); // recommended, text or cap

    const QString longText = QStringLiteral("COOLING WATER RETURN LINE B");
    QTest::newRow("short text") << QStringLiteral("WATER") << 1 << "recommended";
    QTest::newRow("long text grows the label") << longText << 1 << "text";
    QTest::newRow("long text beside a right arrow") << longText << 2 << "text";
    QTest::newRow("very long text stops at 13824") << QString(600, QLatin1Char('W')) << 2 << "cap";
}

void TestVendrelCommonController::fitLabelToTextSizesTheLength()
{
    QFETCH(QString, text);
    QFETCH(int, rightId);
    QFETCH(QString, expect);
    TestEngine engine(Make().size(100.0, 72.0).arrows(1, rightId).legend(text).label);
    QSignalSpy warnings(&engine, &VendrelCommonController::errorStatusSignal);
    QSignalSpy fit(&engine, &VendrelCommonController::fitCanvasInViewSignal);
    engine.layout();

    const bool capped = expect == QLatin1String("cap");
    const double rightSpace = rightId > 1 ? 82.0 : 10.0;
    const QRectF box = engine.m_textItem->sceneBoundingRect();
    if (capped)
        QCOMPARE(engine.m_labelLength, 13824.0);
    else if (expect == QLatin1String("text"))
        QCOMPARE(engine.m_labelLength, 10.0 + rightSpace + box.width());
    else
        QCOMPARE(engine.m_labelLength, 576.0);
    QCOMPARE(engine.m_ownCanvas->getCanvasSize(), QSizeF(engine.m_labelLength, 72.0));
    QCOMPARE(fit.count(), 1);
    QCOMPARE(warnings.count(), 1);
    QCOMPARE(warnings.first(), report(capped, capped, false));
    // The text keeps clear of both arrow spaces.
    if (!capped)
        QVERIFY(box.left() >= 9.99 && box.right() <= engine.m_labelLength - rightSpace + 0.01);
}

void TestVendrelCommonController::textIsHiddenWhenItCannotBeLaidOut_data()
{
    QTest::addColumn<PipeLabel>("label");
    QTest::addColumn<bool>("capHeight"); // false: the font gives no cap height
    QTest::addColumn<double>("length");
    QTest::addColumn<bool>("tooSmall"); // warning 5 alone reported; otherwise no report

    const Make blank = Make().size(2000.0, 72.0);
    QTest::newRow("empty text: recommended length") << blank.label << true << 576.0 << false;
    QTest::newRow("spaces only") << Make(blank).legend("   ").label << true << 576.0 << false;
    QTest::newRow("blank: arrow spaces beat a short recommendation")
        << Make(blank).size(2000.0, 72.0, 36.0, 0).arrows(2, 1).legend("\t").label << true << 82.0
        << false;
    // Wrapped arrows leave the same room as single ones: s on the left, s + 10 on the right.
    QTest::newRow("blank, wrapped: arrow spaces of the text height")
        << Make(blank).size(2000.0, 108.0, 36.0, 0).modes(0, false, true).arrows(2, 3).label << true
        << 82.0 << false;
    QTest::newRow("no cap height to divide by")
        << Make().legend("OIL").label << false << 576.0 << false;

    const Make gas = Make().legend("GAS");
    QTest::newRow("fit text, landscape, no arrows")
        << Make(gas).size(20.5, 72.0).modes(FitText, false, false).label << true << 20.5 << true;
    QTest::newRow("fit text, portrait, no arrows")
        << Make(gas).size(20.9, 72.0).modes(FitText, true, false).label << true << 20.9 << true;
    QTest::newRow("fit text, portrait, arrows")
        << Make(gas).size(40.0, 72.0).modes(FitText, true, false).arrows(2, 2).label << true << 40.0
        << true;
    QTest::newRow("fit text, arrows longer than the label")
        << Make(gas).size(60.0, 72.0).modes(FitText, false, false).arrows(2, 2).label << true
        << 60.0 << true;
}

void TestVendrelCommonController::textIsHiddenWhenItCannotBeLaidOut()
{
    QFETCH(PipeLabel, label);
    QFETCH(bool, capHeight);
    QFETCH(double, length);
    QFETCH(bool, tooSmall);

    // A wrapped, visible legend first, so hiding both lines is seen.
    TestEngine engine(Make().modes(NoResize, label.portrait, true).legend("STEAM").label);
    engine.layout();
    QVERIFY(engine.m_textItem->isVisible() && engine.m_secondTextItem->isVisible());

    engine.apply(label, false, capHeight);
    QSignalSpy warnings(&engine, &VendrelCommonController::errorStatusSignal);
    engine.layout();
    QVERIFY(!engine.m_textItem->isVisible() && !engine.m_secondTextItem->isVisible());
    QCOMPARE(engine.m_labelLength, length);
    QCOMPARE(warnings.count(), tooSmall ? 1 : 0);
    if (tooSmall)
        QCOMPARE(warnings.first(), report(false, false, true));
    const QSizeF box = engine.m_textItem->getItemSize();
    QVERIFY(qIsFinite(box.width()) && qIsFinite(box.height()));
}

void TestVendrelCommonController::wrapArrowRowsAndTopExchange_data()
{
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("leftMirror");
    QTest::addColumn<QList<double>>("rotations"); // left, right, left second, right second

    QTest::newRow("landscape") << false << false << false << QList<double>{0, 0, 0, 0};
    QTest::newRow("landscape, vertical left arrow")
        << false << false << true << QList<double>{0, 0, 180, 0};
    QTest::newRow("landscape top, vertical left arrow")
        << true << false << true << QList<double>{180, 0, 0, 0};
    QTest::newRow("portrait") << false << true << false << QList<double>{-90, -90, 90, 90};
    QTest::newRow("portrait top, vertical left arrow")
        << true << true << true << QList<double>{-90, 90, -90, -90};
}

void TestVendrelCommonController::wrapArrowRowsAndTopExchange()
{
    QFETCH(bool, top);
    QFETCH(bool, vertical);
    QFETCH(bool, leftMirror);
    QFETCH(QList<double>, rotations);
    TestEngine engine(Make()
                          .size(864.0, 270.0, 90.0, 3)
                          .modes(NoResize, vertical, true, top)
                          .arrows(2, 3)
                          .legend("AIR")
                          .label,
                      leftMirror);
    engine.layout();

    for (int i = 0; i < 4; ++i)
        QCOMPARE(engine.arrow(i)->itemRotation(), rotations.at(i));
    if (vertical)
        return;
    // The rows' middles stay put; m_top only exchanges the turns and the lines.
    for (int i = 0; i < 4; ++i) {
        const SymbolItem* arrow = engine.arrow(i);
        QCOMPARE(arrow->pos().y() + arrow->getItemSize().height() / 2.0,
                 i < 2 ? 270.0 / 6.0 + 10.0 : 5.0 * 270.0 / 6.0 - 10.0);
    }
    QCOMPARE(engine.m_textItem->pos().y() < engine.m_secondTextItem->pos().y(), !top);
    QCOMPARE(engine.m_secondTextItem->itemRotation(), 180.0);
}

void TestVendrelCommonController::portraitHeightGrowsButNeverShrinks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("expect"); // text, kept or cap

    const QString longText = QStringLiteral("CHILLED WATER SUPPLY AND RETURN, EAST WING");
    QTest::newRow("long text grows the height") << "HOT WATER" << false << 72.0 << "text";
    QTest::newRow("wrapped text needs room for two lines") << "HOT WATER" << true << 72.0 << "text";
    QTest::newRow("short text never shrinks") << "A" << false << 800.0 << "kept";
    QTest::newRow("wrapped short text never shrinks") << "AIR" << true << 400.0 << "kept";
    QTest::newRow("growth stops at 864") << longText << false << 72.0 << "cap";
    // Held at 864 the two lines meet: reported as too little room for the text.
    QTest::newRow("wrapped growth stops at 864") << longText << true << 72.0 << "cap";
}

void TestVendrelCommonController::portraitHeightGrowsButNeverShrinks()
{
    QFETCH(QString, text);
    QFETCH(bool, wrap);
    QFETCH(double, height);
    QFETCH(QString, expect);
    TestEngine engine(Make().size(576.0, height).modes(0, true, wrap).legend(text).label);
    QSignalSpy fit(&engine, &VendrelCommonController::fitCanvasInViewSignal);
    QSignalSpy warnings(&engine, &VendrelCommonController::errorStatusSignal);
    engine.layout(false);

    const bool capped = expect == QLatin1String("cap");
    const double textWidth = engine.m_textItem->getItemSize().width();
    if (expect == QLatin1String("text"))
        QCOMPARE(engine.m_labelHeight, wrap ? 2.0 * textWidth + 10.0 : textWidth);
    else
        QCOMPARE(engine.m_labelHeight, capped ? 864.0 : height);
    QCOMPARE(engine.m_ownCanvas->getCanvasSize().height(), engine.m_labelHeight);
    QCOMPARE(fit.count(), 1);
    const QRectF first = engine.m_textItem->sceneBoundingRect();
    QVERIFY(first.top() >= -0.01);
    QCOMPARE(warnings.count(), 1);
    QCOMPARE(warnings.last().at(5).toBool(), wrap && capped);
    if (!wrap)
        return;
    // One line against the top edge, the other against the bottom edge, apart.
    const QRectF second = engine.m_secondTextItem->sceneBoundingRect();
    QVERIFY(engine.m_secondTextItem->isVisible());
    QVERIFY(qAbs(second.bottom() - engine.m_labelHeight) < 0.01);
    QCOMPARE(first.intersects(second), capped);
}

void TestVendrelCommonController::portraitFittedTextStaysLegible_data()
{
    QTest::addColumn<PipeLabel>("label");
    QTest::addColumn<bool>("fillsRoom"); // the text reaches across the room between the arrows

    const Make fit = Make().modes(FitText, true, false);
    QTest::newRow("row 4, VENT") << Make(fit).size(1728.0, 216.0, 180.0, 4).legend("VENT").label
                                 << false;
    QTest::newRow("row 1, AIR") << Make(fit).legend("AIR").label << false;
    QTest::newRow("wrapped, arrows")
        << Make(fit).size(576.0, 216.0).modes(FitText, true, true).arrows(2, 3).legend("GAS").label
        << false;
    QTest::newRow("narrow letter on the largest label")
        << Make(fit).size(13824.0, 864.0, 36.0, 0).legend("I").label << false;
    QTest::newRow("short, wide label: the text fills it")
        << Make(fit).size(120.0, 400.0, 36.0, 0).legend("AIR").label << true;
}

void TestVendrelCommonController::portraitFittedTextStaysLegible()
{
    QFETCH(PipeLabel, label);
    QFETCH(bool, fillsRoom);
    TestEngine engine(label);
    engine.layout();
    double left = 10.0;
    double right = 10.0;
    engine.recalculateSizesArrows(left, right);

    QVERIFY2(engine.m_fontHeight <= 864.0, qPrintable(QString::number(engine.m_fontHeight)));
    // Letters drawn far taller than their own proportions become stripes.
    const QSizeF box = engine.m_textItem->getItemSize();
    const QSizeF natural = engine.m_textItem->naturalSize();
    const double stretch = (box.height() / natural.height()) / (box.width() / natural.width());
    QVERIFY2(stretch <= 2.0 + 1e-9, qPrintable(QString::number(stretch)));

    const QRectF text = engine.m_textItem->sceneBoundingRect();
    const double room = engine.m_labelLength - left - right;
    QCOMPARE(text.width() >= room - 0.01, fillsRoom);
    QVERIFY(qAbs(text.center().x() - (left + room / 2.0)) < 0.01);
    QVERIFY(text.top() >= -0.01 && text.bottom() <= engine.m_labelHeight + 0.01);
}

QTEST_MAIN(TestVendrelCommonController)
#include "tst_vendrelcommoncontroller.moc"
