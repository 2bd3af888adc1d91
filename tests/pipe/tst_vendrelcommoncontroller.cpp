#include "commonlists.h"
#include "mvcanvasmodel.h"
#include "simpletextitem.h"
#include "symbolitem.h"
#include "vendrelcommoncontroller.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// The engine on a canvas of its own, with the members the derived controllers set
// reachable from the tests.
class TestEngine : public VendrelCommonController
{
public:
    TestEngine()
    {
        m_ownCanvas.reset(new MvCanvasModel({Qt::black, Qt::white}, 13824.0, 13824.0, 576.0, 72.0));
        setCanvas(m_ownCanvas.get());
        createInitialItems();
        updateFontMetrics(QStringLiteral("M"));
    }

    void setLabel(double length, double height, double fontHeight, double recommendedLength)
    {
        m_labelLength = length;
        m_labelHeight = height;
        m_fontHeight = fontHeight;
        m_recommendedLength = recommendedLength;
    }
    void setText(const QString& text)
    {
        m_text = text;
        m_textItem->setPlainText(text);
        m_secondTextItem->setPlainText(text);
    }
    void setArrows(int left, int right)
    {
        m_leftArrowId = left;
        m_rightArrowId = right;
    }
    void setModes(int option, bool vertical, bool wrap, bool top = false)
    {
        m_resizeOption = option;
        m_vertical = vertical;
        m_wrap = wrap;
        m_top = top;
        orientationSettingAction();
    }
    void setMirrors(bool left, bool right)
    {
        m_leftArrowMirror = left;
        m_rightArrowMirror = right;
    }
    void breakCapHeight() { m_capHeight = 0.0; }
    void layout(bool force = true, bool keepLength = false)
    {
        bool length = false;
        bool height = false;
        bool font = false;
        recalculateSizes(force, keepLength, length, height, font);
    }
    void arrowSpaces(double& left, double& right) { recalculateSizesArrows(left, right); }

    double length() const { return m_labelLength; }
    double height() const { return m_labelHeight; }
    SimpleTextItem* text() const { return m_textItem; }
    SimpleTextItem* secondText() const { return m_secondTextItem; }
    SymbolItem* arrow(int index) const
    {
        SymbolItem* arrows[] = {m_leftArrow, m_rightArrow, m_leftArrowSecond, m_rightArrowSecond};
        return arrows[index];
    }
    MvCanvasModel* canvas() const { return m_ownCanvas.get(); }

private:
    std::unique_ptr<MvCanvasModel> m_ownCanvas;
};

// Rows of the scene, drawn at one pixel per point on white, that hold dark pixels.
QPair<int, int> sceneInkRows(MvCanvasModel* canvas, const QSizeF& label)
{
    QImage image(qCeil(label.width()), qCeil(label.height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    canvas->render(&painter, QRectF(QPointF(0, 0), label), QRectF(QPointF(0, 0), label));
    painter.end();
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return qMakePair(first, last);
}

QImage monoImage(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    return image;
}

} // namespace

class TestVendrelCommonController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void inkScanFindsFirstAndLastInkedRow_data();
    void inkScanFindsFirstAndLastInkedRow();
    void textInkIsMeasuredInsideItsBoxWhateverItsColour_data();
    void textInkIsMeasuredInsideItsBoxWhateverItsColour();

    void arrowSpacesFollowTheArrowsThatExist_data();
    void arrowSpacesFollowTheArrowsThatExist();

    void fitLabelToTextSizesTheLength_data();
    void fitLabelToTextSizesTheLength();
    void blankTextHidesBothLinesAndKeepsWarnings_data();
    void blankTextHidesBothLinesAndKeepsWarnings();
    void inkIsCentredOnItsRow_data();
    void inkIsCentredOnItsRow();
    void wrapArrowRowsAndTopExchange_data();
    void wrapArrowRowsAndTopExchange();
    void portraitHeightGrowsButNeverShrinks_data();
    void portraitHeightGrowsButNeverShrinks();
    void fitTextToLabelWithoutRoomShowsOnlyTooSmall_data();
    void fitTextToLabelWithoutRoomShowsOnlyTooSmall();
    void unmeasurableTextIsHiddenNotDivided();
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

    QTest::newRow("no ink") << monoImage(16, 5) << -1 << -1;
    QTest::newRow("no rows") << QImage() << -1 << -1;

    QImage whole = monoImage(16, 6);
    whole.setPixel(3, 1, 1);
    whole.setPixel(15, 4, 1);
    QTest::newRow("whole bytes") << whole << 1 << 4;

    // Ink only in the partial last byte of a row must count...
    QImage partial = monoImage(13, 7);
    partial.setPixel(12, 2, 1);
    partial.setPixel(8, 5, 1);
    QTest::newRow("ink in the partial byte") << partial << 2 << 5;

    // ...while the padding bits beyond the width never do.
    QImage padding = monoImage(13, 7);
    padding.scanLine(1)[1] = 0x07; // bits of columns 13..15: padding only
    padding.setPixel(0, 3, 1);
    padding.scanLine(6)[1] = 0x0f; // column 12 and padding
    QTest::newRow("padding is not ink") << padding << 3 << 6;

    QImage narrow = monoImage(3, 4);
    narrow.scanLine(0)[0] = 0x1f; // padding only
    narrow.setPixel(2, 2, 1);
    QTest::newRow("narrower than a byte") << narrow << 2 << 2;

    QImage single = monoImage(9, 9);
    single.setPixel(8, 4, 1);
    QTest::newRow("one inked row") << single << 4 << 4;

    QImage colour(10, 6, QImage::Format_RGB32);
    colour.fill(Qt::white);
    colour.setPixel(9, 2, qRgb(0, 0, 0));
    colour.setPixel(1, 3, qRgb(10, 10, 10));
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

void TestVendrelCommonController::textInkIsMeasuredInsideItsBoxWhateverItsColour_data()
{
    QTest::addColumn<QColor>("textColour");
    QTest::addColumn<int>("boxWidth");
    QTest::newRow("black, width a multiple of 8") << QColor(Qt::black) << 200;
    QTest::newRow("white, odd width") << QColor(Qt::white) << 203;
    QTest::newRow("yellow, odd width") << QColor(0xfe, 0xdb, 0x00) << 197;
}

void TestVendrelCommonController::textInkIsMeasuredInsideItsBoxWhateverItsColour()
{
    QFETCH(QColor, textColour);
    QFETCH(int, boxWidth);
    TestEngine engine;
    engine.setText(QStringLiteral("HEM"));
    engine.colorChangedAction(Qt::red, textColour);
    const int boxHeight = 60;
    engine.text()->setItemSize(boxWidth, boxHeight);

    int first = -1;
    int last = -1;
    engine.getFilledRowsInTextImage(first, last, QSize(boxWidth, boxHeight));
    // Capitals leave the box's accent room above and descender room below free.
    QVERIFY2(first > 2, qPrintable(QString::number(first)));
    QVERIFY2(last < boxHeight - 3, qPrintable(QString::number(last)));
    QVERIFY(last - first > boxHeight / 3);
    // The label's own colour is untouched by the measurement.
    QCOMPARE(engine.text()->defaultTextColor(), textColour);

    // Turned by a quarter, the ink columns of a centred text leave both ends free.
    int left = -1;
    int right = -1;
    engine.text()->setPlainText(QStringLiteral("I"));
    engine.text()->setItemSize(boxWidth, boxHeight);
    engine.getFilledColumnsInTextImage(left, right, QSize(boxWidth, boxHeight));
    QVERIFY(left > boxWidth / 4);
    QVERIFY(right < boxWidth * 3 / 4);
    QVERIFY(right >= left);
}

void TestVendrelCommonController::arrowSpacesFollowTheArrowsThatExist_data()
{
    QTest::addColumn<int>("leftId");
    QTest::addColumn<int>("rightId");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("option");
    QTest::addColumn<double>("leftSpace");
    QTest::addColumn<double>("rightSpace");
    QTest::addColumn<double>("rightArrowX");

    // Label 576 x 72, text height 36.
    QTest::newRow("no arrows, ids 0") << 0 << 0 << false << 0 << 10.0 << 10.0 << -1.0;
    QTest::newRow("no arrows, ids 1") << 1 << 1 << false << 0 << 10.0 << 10.0 << -1.0;
    QTest::newRow("no arrows, ids 0 and 1") << 0 << 1 << false << 2 << 10.0 << 10.0 << -1.0;
    QTest::newRow("right arrow beside id 0") << 0 << 2 << false << 0 << 10.0 << 82.0 << 514.0;
    QTest::newRow("left arrow beside id 0") << 2 << 0 << false << 0 << 72.0 << 10.0 << -1.0;
    QTest::newRow("both arrows") << 3 << 2 << false << 1 << 72.0 << 82.0 << 514.0;
    QTest::newRow("wrap sizes arrows by the text") << 2 << 2 << true << 0 << 36.0 << 46.0 << 530.0;
    QTest::newRow("wrap, fit text to label") << 2 << 2 << true << 1 << 56.0 << 56.0 << 530.0;
}

void TestVendrelCommonController::arrowSpacesFollowTheArrowsThatExist()
{
    QFETCH(int, leftId);
    QFETCH(int, rightId);
    QFETCH(bool, wrap);
    QFETCH(int, option);
    QFETCH(double, leftSpace);
    QFETCH(double, rightSpace);
    QFETCH(double, rightArrowX);

    TestEngine engine;
    engine.setLabel(576.0, 72.0, 36.0, 576.0);
    engine.setArrows(leftId, rightId);
    engine.setModes(option, false, wrap);
    double left = 10.0;
    double right = 10.0;
    engine.arrowSpaces(left, right);
    QCOMPARE(left, leftSpace);
    QCOMPARE(right, rightSpace);
    if (rightArrowX >= 0.0)
        QCOMPARE(engine.arrow(1)->pos().x(), rightArrowX);
}

void TestVendrelCommonController::fitLabelToTextSizesTheLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rightId");
    QTest::addColumn<bool>("grows");
    QTest::addColumn<bool>("capped");

    QTest::newRow("short text keeps the recommended length")
        << QStringLiteral("WATER") << 1 << false << false;
    QTest::newRow("long text grows the label")
        << QStringLiteral("COOLING WATER RETURN LINE B") << 1 << true << false;
    QTest::newRow("long text beside a right arrow")
        << QStringLiteral("COOLING WATER RETURN LINE B") << 2 << true << false;
    QTest::newRow("very long text stops at the largest label")
        << QString(600, QLatin1Char('W')) << 1 << true << true;
}

void TestVendrelCommonController::fitLabelToTextSizesTheLength()
{
    QFETCH(QString, text);
    QFETCH(int, rightId);
    QFETCH(bool, grows);
    QFETCH(bool, capped);

    TestEngine engine;
    engine.setLabel(100.0, 72.0, 36.0, 576.0);
    engine.setArrows(1, rightId);
    engine.setText(text);
    QSignalSpy warnings(&engine, &VendrelCommonController::errorStatusSignal);
    QSignalSpy fit(&engine, &VendrelCommonController::fitCanvasInViewSignal);
    engine.layout();

    const double rightSpace = rightId > 1 ? 82.0 : 10.0;
    const double textWidth = engine.text()->getItemSize().width();
    if (capped)
        QCOMPARE(engine.length(), 13824.0);
    else if (grows)
        QCOMPARE(engine.length(), 10.0 + rightSpace + textWidth);
    else
        QCOMPARE(engine.length(), 576.0);
    QCOMPARE(engine.canvas()->getCanvasSize(), QSizeF(engine.length(), 72.0));
    QCOMPARE(fit.count(), 1);

    QCOMPARE(warnings.count(), 1);
    const QList<QVariant> report = warnings.takeFirst();
    QCOMPARE(report.at(0).value<Vendrel::StatusErrorType>(), Vendrel::TextExceedsLength);
    QCOMPARE(report.at(1).toBool(), capped);
    QCOMPARE(report.at(2).value<Vendrel::StatusErrorType>(), Vendrel::TextArrowsOverlap);
    QCOMPARE(report.at(3).toBool(), capped && rightId > 1);
    QCOMPARE(report.at(4).value<Vendrel::StatusErrorType>(), Vendrel::TextSpaceTooSmall);
    QCOMPARE(report.at(5).toBool(), false);

    // The text sits between the two spaces, centred in that room.
    const QRectF box = engine.text()->sceneBoundingRect();
    if (!capped) {
        QVERIFY(box.left() >= 10.0 - 0.01);
        QVERIFY(box.right() <= engine.length() - rightSpace + 0.01);
        QVERIFY(qAbs((box.left() - 10.0) - (engine.length() - rightSpace - box.right())) < 0.01);
    }
}

void TestVendrelCommonController::blankTextHidesBothLinesAndKeepsWarnings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("leftId");
    QTest::addColumn<double>("recommended");
    QTest::addColumn<double>("length");

    QTest::newRow("empty, recommended length wins") << QString() << 1 << 576.0 << 576.0;
    QTest::newRow("spaces only") << QStringLiteral("   ") << 1 << 576.0 << 576.0;
    QTest::newRow("arrow spaces win over a short recommendation")
        << QStringLiteral("\t") << 2 << 14.4 << 82.0;
}

void TestVendrelCommonController::blankTextHidesBothLinesAndKeepsWarnings()
{
    QFETCH(QString, text);
    QFETCH(int, leftId);
    QFETCH(double, recommended);
    QFETCH(double, length);

    TestEngine engine;
    engine.setLabel(2000.0, 72.0, 36.0, recommended);
    engine.setModes(0, false, true);
    engine.setText(QStringLiteral("STEAM"));
    engine.layout();
    QVERIFY(engine.secondText()->isVisible());

    engine.setArrows(leftId, 1);
    engine.setModes(0, false, false);
    engine.setText(text);
    QSignalSpy warnings(&engine, &VendrelCommonController::errorStatusSignal);
    engine.layout();
    QCOMPARE(engine.length(), length);
    QVERIFY(!engine.text()->isVisible());
    QVERIFY(!engine.secondText()->isVisible());
    QCOMPARE(warnings.count(), 0);
}

void TestVendrelCommonController::inkIsCentredOnItsRow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("top");

    // Texts whose ink lies far from their box's middle show whether the ink or the
    // box is centred.
    for (const char* text : {"HELLO", "___", "'''", "gjy"}) {
        QTest::newRow(qPrintable(QString::fromLatin1(text) + QStringLiteral(" single")))
            << text << false << false;
        QTest::newRow(qPrintable(QString::fromLatin1(text) + QStringLiteral(" wrap")))
            << text << true << false;
        QTest::newRow(qPrintable(QString::fromLatin1(text) + QStringLiteral(" wrap top")))
            << text << true << true;
    }
}

void TestVendrelCommonController::inkIsCentredOnItsRow()
{
    QFETCH(QString, text);
    QFETCH(bool, wrap);
    QFETCH(bool, top);

    // Room enough that no ink is cut off at a label edge.
    const double height = wrap ? 360.0 : 144.0;
    TestEngine engine;
    engine.setLabel(864.0, height, 90.0, 864.0);
    engine.setModes(2, false, wrap, top);
    engine.setText(text);
    engine.layout();
    engine.secondText()->setVisible(false);

    const QPair<int, int> ink = sceneInkRows(engine.canvas(), QSizeF(engine.length(), height));
    QVERIFY(ink.first >= 0);
    const double centre = (ink.first + ink.second) / 2.0;
    double expected = height / 2.0;
    if (wrap)
        expected = top ? 5.0 * height / 6.0 - 10.0 : height / 6.0 + 10.0;
    QVERIFY2(qAbs(centre - expected) <= 1.5,
             qPrintable(QStringLiteral("ink centre %1, expected %2").arg(centre).arg(expected)));
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

    const double height = 270.0;
    TestEngine engine;
    engine.setLabel(864.0, height, 90.0, 864.0);
    engine.setArrows(2, 3);
    engine.setMirrors(leftMirror, false);
    engine.setModes(2, vertical, true, top);
    engine.setText(QStringLiteral("AIR"));
    engine.layout();

    for (int i = 0; i < 4; ++i)
        QCOMPARE(engine.arrow(i)->itemRotation(), rotations.at(i));
    if (vertical)
        return;
    // The arrow rows' middles, whatever m_top says.
    for (int i = 0; i < 2; ++i) {
        const SymbolItem* first = engine.arrow(i);
        const SymbolItem* second = engine.arrow(i + 2);
        QCOMPARE(first->pos().y() + first->getItemSize().height() / 2.0, height / 6.0 + 10.0);
        QCOMPARE(second->pos().y() + second->getItemSize().height() / 2.0,
                 5.0 * height / 6.0 - 10.0);
    }
    // The turned line takes the row the upright one leaves.
    const double upright = engine.text()->pos().y();
    const double turned = engine.secondText()->pos().y();
    QCOMPARE(upright < turned, !top);
    QCOMPARE(engine.secondText()->itemRotation(), 180.0);
}

void TestVendrelCommonController::portraitHeightGrowsButNeverShrinks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("expect"); // "text", "kept" or "cap"

    QTest::newRow("long text grows the height")
        << QStringLiteral("HOT WATER") << false << 72.0 << QStringLiteral("text");
    QTest::newRow("wrapped text needs 1.75 times")
        << QStringLiteral("HOT WATER") << true << 72.0 << QStringLiteral("text");
    QTest::newRow("short text never shrinks")
        << QStringLiteral("A") << false << 800.0 << QStringLiteral("kept");
    QTest::newRow("growth stops at 864")
        << QStringLiteral("CHILLED WATER SUPPLY AND RETURN, EAST WING") << false << 72.0
        << QStringLiteral("cap");
}

void TestVendrelCommonController::portraitHeightGrowsButNeverShrinks()
{
    QFETCH(QString, text);
    QFETCH(bool, wrap);
    QFETCH(double, height);
    QFETCH(QString, expect);

    TestEngine engine;
    engine.setLabel(576.0, height, 36.0, 576.0);
    engine.setModes(0, true, wrap);
    engine.setText(text);
    QSignalSpy fit(&engine, &VendrelCommonController::fitCanvasInViewSignal);
    engine.layout(false);

    const double textWidth = engine.text()->getItemSize().width();
    if (expect == QLatin1String("text"))
        QCOMPARE(engine.height(), textWidth * (wrap ? 1.75 : 1.0));
    else if (expect == QLatin1String("kept"))
        QCOMPARE(engine.height(), height);
    else
        QCOMPARE(engine.height(), 864.0);
    QCOMPARE(engine.canvas()->getCanvasSize().height(), engine.height());
    QCOMPARE(fit.count(), 1);

    // The turned text stands inside the label, clear of both edges.
    const QRectF box = engine.text()->sceneBoundingRect();
    QVERIFY(box.top() >= -0.01);
    if (expect != QLatin1String("cap"))
        QVERIFY(box.bottom() <= engine.height() + 0.01);
}

void TestVendrelCommonController::fitTextToLabelWithoutRoomShowsOnlyTooSmall_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("leftId");
    QTest::addColumn<int>("rightId");
    QTest::addColumn<double>("length");

    QTest::newRow("landscape, no arrows") << false << 1 << 1 << 20.5;
    QTest::newRow("landscape, arrows on a short label") << false << 2 << 2 << 60.0;
    QTest::newRow("portrait, no arrows") << true << 1 << 1 << 20.9;
    QTest::newRow("portrait, arrows") << true << 2 << 2 << 40.0;
}

void TestVendrelCommonController::fitTextToLabelWithoutRoomShowsOnlyTooSmall()
{
    QFETCH(bool, vertical);
    QFETCH(int, leftId);
    QFETCH(int, rightId);
    QFETCH(double, length);

    TestEngine engine;
    engine.setLabel(length, 72.0, 36.0, 576.0);
    engine.setArrows(leftId, rightId);
    engine.setModes(1, vertical, false);
    engine.setText(QStringLiteral("GAS"));
    QSignalSpy warnings(&engine, &VendrelCommonController::errorStatusSignal);
    engine.layout();

    QVERIFY(!engine.text()->isVisible());
    QVERIFY(!engine.secondText()->isVisible());
    QCOMPARE(warnings.count(), 1);
    const QList<QVariant> report = warnings.takeFirst();
    QCOMPARE(report.at(1).toBool(), false);
    QCOMPARE(report.at(3).toBool(), false);
    QCOMPARE(report.at(4).value<Vendrel::StatusErrorType>(), Vendrel::TextSpaceTooSmall);
    QCOMPARE(report.at(5).toBool(), true);
    QCOMPARE(engine.length(), length);
    // The arrows of the row keep a size that can be drawn.
    for (int i = 0; i < (leftId > 1 ? 2 : 0); ++i) {
        QVERIFY(engine.arrow(i)->getItemSize().width() >= 0.0);
        QVERIFY(engine.arrow(i)->getItemSize().height() >= 0.0);
    }
}

void TestVendrelCommonController::unmeasurableTextIsHiddenNotDivided()
{
    TestEngine engine;
    engine.setLabel(576.0, 72.0, 36.0, 576.0);
    engine.setText(QStringLiteral("OIL"));
    engine.breakCapHeight();
    QSignalSpy warnings(&engine, &VendrelCommonController::errorStatusSignal);
    engine.layout();
    QVERIFY(!engine.text()->isVisible());
    QCOMPARE(warnings.count(), 0);
    QCOMPARE(engine.length(), 576.0);
    const QSizeF box = engine.text()->getItemSize();
    QVERIFY(qIsFinite(box.width()) && qIsFinite(box.height()));
}

QTEST_MAIN(TestVendrelCommonController)
#include "tst_vendrelcommoncontroller.moc"
