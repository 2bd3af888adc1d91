#include "arrowwraptesthelpers.h"

#include "arrowwrap/arrowwrapcommoncontroller.h"
#include "kit/numberfield.h"

#include <memory>

namespace {

// The engine on a canvas of its own, with an arrow drawing, set up as the loader does.
class TestEngine : public ArrowWrapCommonController
{
public:
    TestEngine(double length, double height, int count, double spacing, double arrowLength)
        : m_canvas(new MvCanvasModel({Qt::black, Qt::white}, 13824.0, 13824.0, length, height))
    {
        setCanvas(m_canvas.get());
        createTemplateArrow();
        ArrowWrapLabel label;
        label.length = length;
        label.height = height;
        label.arrowSpacing = spacing;
        label.arrowLength = arrowLength;
        applyGeometry(label);
        setArrow(2, QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\">"
                               "<path d=\"M0 4H6V0L10 5 6 10V6H0z\"/></svg>"));
        changeNumberOfArrows(1, count);
        resizeCanvas();
        recalculateSizes();
    }

    std::unique_ptr<MvCanvasModel> m_canvas;
};

QString boxText(const QRectF& r)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(r.x(), 0, 'f', 2)
        .arg(r.y(), 0, 'f', 2)
        .arg(r.width(), 0, 'f', 2)
        .arg(r.height(), 0, 'f', 2);
}

// Types into a field key by key, as a user does, after emptying it.
void typeInto(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

} // namespace

class ArrowWrapLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void sizeTableRows_data();
    void sizeTableRows();
    void arrowsShareTheWrap_data();
    void arrowsShareTheWrap();
    void countSequences_data();
    void countSequences();
    void typedValues_data();
    void typedValues();
    void warningsFollowTheirOrder();
    void countChangesReuseTheTemplateAndItsColours();
};

void ArrowWrapLayoutTest::sizeTableRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QSizeF>("canvas");
    QTest::addColumn<int>("arrows");
    QTest::addColumn<QString>("spacing");
    QTest::addColumn<QString>("arrowLength");
    QTest::addColumn<QString>("computedWidth");
    // 51.48 points are 0.715 in, which two decimals show as 0.71.
    QTest::newRow("0.75 in") << 0 << QSizeF(170.64, 72) << 2 << "0.47"
                             << "0.63"
                             << "0.71";
    QTest::newRow("1.50 in") << 2 << QSizeF(342, 72) << 4 << "0.48"
                             << "0.62"
                             << "0.71";
    QTest::newRow("2.50 in") << 4 << QSizeF(569.52, 144) << 7 << "0.45"
                             << "1.25"
                             << "0.68";
    // 1366.56 / 18 - 30.24 = 45.68 points.
    QTest::newRow("6.00 in") << 5 << QSizeF(1366.56, 144) << 18 << "0.42"
                             << "1.25"
                             << "0.63";
    QTest::newRow("8.00 in") << 7 << QSizeF(1822.32, 216) << 25 << "0.40"
                             << "1.88"
                             << "0.61";
    QTest::newRow("10.00 in") << 8 << QSizeF(2278.08, 216) << 31 << "0.41"
                              << "1.88"
                              << "0.61";
    QTest::newRow("a row the table lacks") << 9 << QSizeF(170.64, 72) << 2 << "0.47"
                                           << "0.63"
                                           << "0.71";
}

void ArrowWrapLayoutTest::sizeTableRows()
{
    QFETCH(int, row);
    QFETCH(QSizeF, canvas);
    QFETCH(int, arrows);
    QFETCH(QString, spacing);
    QFETCH(QString, arrowLength);
    QFETCH(QString, computedWidth);
    TestController controller;
    controller.arrowCountChangedSlot(3);
    controller.pipeDiameterChangedSlot(row);

    QCOMPARE(controller.getCanvas()->getCanvasSize(), canvas);
    QCOMPARE(controller.arrowCount(), arrows);
    QCOMPARE(controller.sceneArrows(), arrows);
    QCOMPARE(controller.field("ArrowCountEdit"), QString::number(arrows));
    QCOMPARE(controller.field("ArrowSpacingEdit"), spacing);
    QCOMPARE(controller.field("ArrowLengthEdit"), arrowLength);
    QCOMPARE(controller.field("CalculatedArrowWidthEdit"), computedWidth);
    QCOMPARE(controller.getLastWarning(), QString());
    QVERIFY(controller.getCanvas()->canvasHasChanged());
}

void ArrowWrapLayoutTest::arrowsShareTheWrap_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<double>("arrowLength");
    QTest::addColumn<double>("height");
    QTest::addColumn<QPointF>("firstPos");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("two, the first table row")
        << 170.64 << 2 << 33.84 << 45.0 << 72.0 << QPointF(20.16, 10.26)
        << QStringList{"16.92,13.50 51.48x45.00", "102.24,13.50 51.48x45.00"};
    QTest::newRow("one arrow takes the whole wrap but its spacing")
        << 100.0 << 1 << 20.0 << 30.0 << 40.0 << QPointF(35.0, -20.0)
        << QStringList{"10.00,5.00 80.00x30.00"};
    QTest::newRow("many, without spacing")
        << 100.0 << 4 << 0.0 << 10.0 << 20.0 << QPointF(7.5, -2.5)
        << QStringList{"0.00,5.00 25.00x10.00", "25.00,5.00 25.00x10.00", "50.00,5.00 25.00x10.00",
                       "75.00,5.00 25.00x10.00"};
    // 10 / 2 - 6 is below the least width: the arrows are drawn one point wide.
    QTest::newRow("spacing leaves no width")
        << 10.0 << 2 << 6.0 << 5.0 << 20.0 << QPointF(1.0, 9.5)
        << QStringList{"3.00,7.50 1.00x5.00", "10.00,7.50 1.00x5.00"};
}

void ArrowWrapLayoutTest::arrowsShareTheWrap()
{
    QFETCH(double, length);
    QFETCH(int, count);
    QFETCH(double, spacing);
    QFETCH(double, arrowLength);
    QFETCH(double, height);
    QFETCH(QPointF, firstPos);
    QFETCH(QStringList, boxes);
    TestEngine engine(length, height, count, spacing, arrowLength);

    QStringList shown;
    for (const SymbolItem* arrow : engine.arrowItems()) {
        QVERIFY(arrow->isVisible());
        QCOMPARE(arrow->itemRotation(), 90.0);
        shown << boxText(arrow->sceneBoundingRect());
    }
    QCOMPARE(shown, boxes);
    const QPointF pos = engine.arrowItems().first()->pos();
    QVERIFY2(qAbs(pos.x() - firstPos.x()) < 1e-6 && qAbs(pos.y() - firstPos.y()) < 1e-6,
             qPrintable(QStringLiteral("%1,%2").arg(pos.x()).arg(pos.y())));
    QCOMPARE(engine.getCanvas()->getCanvasSize(), QSizeF(length, height));
}

void ArrowWrapLayoutTest::countSequences_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("spacing");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("arrows");
    QTest::addColumn<QString>("shown");
    // floor(170.64 / 34.84) = 4 arrows fit the first table row.
    QTest::newRow("9 where 4 fit, then 1") << ""
                                           << "" << QStringList{"9", "1"} << 1 << "1";
    QTest::newRow("50 where 4 fit") << ""
                                    << "" << QStringList{"50"} << 4 << "4";
    QTest::newRow("0 says nothing") << ""
                                    << "" << QStringList{"5", "0"} << 4 << "0";
    QTest::newRow("an emptied field says nothing") << ""
                                                   << "" << QStringList{"3", ""} << 3 << "";
    QTest::newRow("99, 1 and 99 on a long wrap")
        << "190"
        << "0" << QStringList{"99", "1", "99"} << 99 << "99";
    QTest::newRow("three digits do not fit the field") << "190"
                                                       << "0" << QStringList{"100"} << 10 << "10";
}

void ArrowWrapLayoutTest::countSequences()
{
    QFETCH(QString, length);
    QFETCH(QString, spacing);
    QFETCH(QStringList, typed);
    QFETCH(int, arrows);
    QFETCH(QString, shown);
    TestController controller;
    if (!length.isEmpty())
        controller.lengthChangedSlot(length);
    if (!spacing.isEmpty())
        controller.arrowSpacingChangedSlot(spacing);
    auto* field =
        controller.editWidget()->findChild<NumberField*>(QStringLiteral("ArrowCountEdit"));
    for (const QString& text : typed) {
        typeInto(field, text);
        // The field shows the count taken once the user has finished typing.
        emit field->editingFinished();
    }
    QCOMPARE(controller.arrowCount(), arrows);
    QCOMPARE(controller.arrowItems().size(), arrows);
    QCOMPARE(controller.sceneArrows(), arrows);
    QCOMPARE(field->text(), shown);
    // The template stays first whatever was removed.
    QCOMPARE(controller.arrowItems().first()->zValue(), 0.0);
}

void ArrowWrapLayoutTest::typedValues_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSizeF>("canvas");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QStringList>("marked");
    QTest::newRow("length below the supply is taken")
        << "length"
        << "0.1" << QSizeF(7.2, 72) << "WrapLengthEdit"
        << "0.1"
        << "Arrows Too Thin; Arrow Spacing Too Large; Label Length Smaller Than Available Supply"
        << QStringList{"WrapLengthEdit", "ArrowCountEdit", "ArrowSpacingEdit"};
    QTest::newRow("length 0 is refused")
        << "length"
        << "0" << QSizeF(170.64, 72) << "WrapLengthEdit"
        << "0"
        << "Label Length Smaller Than Available Supply" << QStringList{"WrapLengthEdit"};
    QTest::newRow("height beyond the widest stock")
        << "width"
        << "20" << QSizeF(170.64, 864) << "WrapWidthEdit"
        << "12.00"
        << "" << QStringList();
    QTest::newRow("height below the supply")
        << "width"
        << "0.15" << QSizeF(170.64, 10.8) << "WrapWidthEdit"
        << "0.15"
        << "Arrow Length Exceeds Label Width; Label Width Smaller Than Available Supply"
        << QStringList{"WrapWidthEdit", "ArrowLengthEdit"};
    QTest::newRow("spacing beyond the length")
        << "spacing"
        << "3" << QSizeF(170.64, 72) << "ArrowSpacingEdit"
        << "2.37"
        << "Arrows Too Thin; Arrow Spacing Too Large"
        << QStringList{"WrapLengthEdit", "ArrowCountEdit", "ArrowSpacingEdit"};
    QTest::newRow("arrow longer than the wrap is wide")
        << "arrow"
        << "1.5" << QSizeF(170.64, 72) << "ArrowLengthEdit"
        << "1.5"
        << "Arrow Length Exceeds Label Width" << QStringList{"WrapWidthEdit", "ArrowLengthEdit"};
    QTest::newRow("arrow too short")
        << "arrow"
        << "0.01" << QSizeF(170.64, 72) << "ArrowLengthEdit"
        << "0.01"
        << "Arrows Too Short To Print" << QStringList{"ArrowLengthEdit"};
    QTest::newRow("arrow beyond the widest stock")
        << "arrow"
        << "13" << QSizeF(170.64, 72) << "ArrowLengthEdit"
        << "12.00"
        << "Arrow Length Exceeds Label Width" << QStringList{"WrapWidthEdit", "ArrowLengthEdit"};
}

void ArrowWrapLayoutTest::typedValues()
{
    QFETCH(QString, slot);
    QFETCH(QString, text);
    QFETCH(QSizeF, canvas);
    QFETCH(QString, field);
    QFETCH(QString, shown);
    QFETCH(QString, warning);
    QFETCH(QStringList, marked);
    TestController controller;
    auto* edit = controller.editWidget()->findChild<NumberField*>(field);
    // As typed: the field holds the text when the controller hears it.
    edit->setText(text);
    if (slot == QLatin1String("length"))
        controller.lengthChangedSlot(text);
    else if (slot == QLatin1String("width"))
        controller.widthChangedSlot(text);
    else if (slot == QLatin1String("spacing"))
        controller.arrowSpacingChangedSlot(text);
    else
        controller.arrowLengthChangedSlot(text);

    QCOMPARE(controller.getCanvas()->getCanvasSize(), canvas);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(controller.getLastWarning(), warning);
    QStringList redFields;
    for (const char* name : {"WrapWidthEdit", "WrapLengthEdit", "ArrowLengthEdit", "ArrowCountEdit",
                             "ArrowSpacingEdit"})
        if (controller.marked(name))
            redFields << QLatin1String(name);
    QCOMPARE(redFields, marked);
    // The label stays drawable: every arrow is at least one point wide.
    for (const QRectF& box : controller.arrowBoxes())
        QVERIFY(box.width() >= 1.0 - 1e-9);
}

void ArrowWrapLayoutTest::warningsFollowTheirOrder()
{
    TestController controller;
    QSignalSpy warnings(&controller, &IVendrelInterface::warningStringChanged);
    controller.widthChangedSlot(QStringLiteral("0.15"));
    controller.arrowLengthChangedSlot(QStringLiteral("0.1"));
    controller.arrowSpacingChangedSlot(QStringLiteral("2"));
    QCOMPARE(controller.getLastWarning(),
             QStringLiteral("Arrows Too Thin; Arrow Spacing Too Large; Label Width Smaller Than "
                            "Available Supply"));
    controller.pipeDiameterChangedSlot(1);
    QCOMPARE(controller.getLastWarning(), QString());
    QCOMPARE(warnings.last().value(0).toString(), QString());
    // Nothing on to clear: nothing more is said.
    const int said = warnings.count();
    controller.editWidget()->setErrorToStatus(ArrowWrap::ArrowsTooThin, false, ArrowWrap::NoError,
                                              false, ArrowWrap::NoError, false);
    QCOMPARE(warnings.count(), said);
}

void ArrowWrapLayoutTest::countChangesReuseTheTemplateAndItsColours()
{
    TestController controller;
    SymbolItem* first = controller.arrowItems().first();
    controller.colorChangedSlot(QColor(QStringLiteral("#dc0b0b")), QColor(Qt::white));
    controller.arrowCountChangedSlot(1);
    controller.arrowCountChangedSlot(4);
    QCOMPARE(controller.arrowItems().first(), first);
    for (const SymbolItem* arrow : controller.arrowItems()) {
        QCOMPARE(arrow->backgroundColor(), QColor(QStringLiteral("#dc0b0b")));
        QCOMPARE(arrow->foregroundColor(), QColor(Qt::white));
        QVERIFY(arrow->isVisible());
    }
    QCOMPARE(controller.getCanvas()->canvasBackgroundColor(), QColor(QStringLiteral("#dc0b0b")));
    QCOMPARE(controller.getCanvas()->items().size(), 4);
}

QTEST_MAIN(ArrowWrapLayoutTest)
#include "tst_arrowwraplayout.moc"
