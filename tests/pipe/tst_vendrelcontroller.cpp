#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "pipe/piperecord.h"
#include "pipe/vendrelcontroller.h"
#include "pipe/vendreleditwidget.h"
#include "pipe/wizardvendrel.h"
#include "units/defaultunitcontroller.h"
#include "units/unitconversions.h"
#include "widgets/commonlists.h"
#include "widgets/mvlineedit.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QString TextHeightBelow = QStringLiteral("Text Height Smaller Than ANSI Recommendations");
const QString LengthTooSmall = QStringLiteral("Label Length Too Small To Print");
const QString LengthBelow = QStringLiteral("Label Length Smaller Than ANSI Recommendations");
const QString WidthTooSmall = QStringLiteral("Label Width Smaller Than Available Supply");
const QString TextHeightTooSmall = QStringLiteral("Text Height Too Small To Print");

// The interactive controller with its items and panel fields reachable.
class TestController : public VendrelController
{
public:
    SymbolItem* leftArrowSecond() const { return m_leftArrowSecond; }
    SimpleTextItem* text() const { return m_textItem; }

    MvLineEdit* field(const char* name) const
    {
        return m_editWidget->findChild<MvLineEdit*>(QLatin1String(name));
    }
};

bool near(double actual, double expected)
{
    return qAbs(actual - expected) < 0.001;
}

// Types `keys` into the field as a user would, over its selected text; '\b' is
// the backspace key. Returns what the user typed.
QString typeInto(MvLineEdit* field, const QString& keys)
{
    field->selectAll();
    QString typed;
    for (const QChar key : keys) {
        if (key == QLatin1Char('\b')) {
            QTest::keyClick(field, Qt::Key_Backspace);
            typed.chop(1);
        } else {
            QTest::keyClick(field, key.toLatin1());
            typed.append(key);
        }
    }
    return typed;
}

QString inUnits(double points)
{
    return QString::number(UnitConversions::convertLocalUnitsToUserUnits(points), 'f', 2);
}

} // namespace

class TestVendrelController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void pipeSizeRowsGiveRecommendedSizes_data();
    void pipeSizeRowsGiveRecommendedSizes();
    void typedTextHeightMakesRoomOnTheLabel_data();
    void typedTextHeightMakesRoomOnTheLabel();
    void typedSizeIsJudgedAndCapped_data();
    void typedSizeIsJudgedAndCapped();
    void typingKeepsTheTypedTextAndEndsOnTheFinalValue_data();
    void typingKeepsTheTypedTextAndEndsOnTheFinalValue();
    void wrapOnAndOffReturnsTheHeight_data();
    void wrapOnAndOffReturnsTheHeight();
    void warningsAreListedInEnumerationOrder_data();
    void warningsAreListedInEnumerationOrder();
    void newLabelStartsFromRowOne_data();
    void newLabelStartsFromRowOne();
    void wizardEndsAreRelayedOnce_data();
    void wizardEndsAreRelayedOnce();
};

void TestVendrelController::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("VendrelControllerTest"));
    Q_INIT_RESOURCE(module);
    CommonLists::ensureSuiteFontSubstitution();
}

void TestVendrelController::init()
{
    // A unit switch is remembered as the user's unit; every case starts in inches.
    DefaultUnitController::saveDefaultUnit(UnitConversions::Inches);
    UnitConversions::setCanvasUnits(UnitConversions::Inches);
    QLocale::setDefault(QLocale::c());
}

void TestVendrelController::pipeSizeRowsGiveRecommendedSizes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("textHeight");
    QTest::addColumn<QString>("shownHeight");

    QTest::newRow("row 1") << 1 << false << 576.0 << 72.0 << 36.0 << "1.00";
    QTest::newRow("row 3") << 3 << false << 864.0 << 144.0 << 90.0 << "2.00";
    QTest::newRow("row 3 wrapped") << 3 << true << 864.0 << 270.0 << 90.0 << "3.75";
    QTest::newRow("row 4 wrapped") << 4 << true << 1728.0 << 540.0 << 180.0 << "7.50";
    QTest::newRow("row 5") << 5 << false << 2304.0 << 288.0 << 252.0 << "4.00";
    QTest::newRow("row 5 wrapped") << 5 << true << 2304.0 << 756.0 << 252.0 << "10.50";
}

void TestVendrelController::pipeSizeRowsGiveRecommendedSizes()
{
    QFETCH(int, index);
    QFETCH(bool, wrap);
    QFETCH(double, length);
    QFETCH(double, height);
    QFETCH(double, textHeight);
    QFETCH(QString, shownHeight);

    TestController controller;
    controller.wrapSlot(wrap);
    controller.pipeDiameterChangedSlot(index);
    QCOMPARE(controller.labelLength(), length);
    QCOMPARE(controller.labelHeight(), height);
    QCOMPARE(controller.fontHeight(), textHeight);
    QCOMPARE(controller.getCanvas()->getCanvasSize(), QSizeF(length, height));
    QCOMPARE(controller.field("WidthEdit")->text(), shownHeight);
    QCOMPARE(controller.field("LengthEdit")->text(), QString::number(length / 72.0, 'f', 2));
    QVERIFY(controller.getLastWarning().isEmpty());
}

void TestVendrelController::typedTextHeightMakesRoomOnTheLabel_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("textHeight");
    QTest::addColumn<QString>("shownText");

    // 300 points typed in inches on the 144 point label of row 3.
    QTest::newRow("single line") << false << 300.0 << 300.0 << "";
    QTest::newRow("wrapped: cut at the largest label") << true << 864.0 << 288.0 << "4.00";
}

void TestVendrelController::typedTextHeightMakesRoomOnTheLabel()
{
    QFETCH(bool, wrap);
    QFETCH(double, height);
    QFETCH(double, textHeight);
    QFETCH(QString, shownText);

    TestController controller;
    controller.pipeDiameterChangedSlot(3);
    if (wrap) {
        controller.wrapSlot(true);
        controller.pipeDiameterChangedSlot(3);
    }
    controller.fontHeightChangedSlot(QStringLiteral("4.1666666667"));
    QVERIFY2(near(controller.labelHeight(), height),
             qPrintable(QString::number(controller.labelHeight())));
    QVERIFY2(near(controller.fontHeight(), textHeight),
             qPrintable(QString::number(controller.fontHeight())));
    QCOMPARE(controller.field("WidthEdit")->text(), QString::number(height / 72.0, 'f', 2));
    // A height taken as typed is not written back over what the user is typing.
    if (!shownText.isEmpty())
        QCOMPARE(controller.field("FontHeightEdit")->text(), shownText);
    QVERIFY(near(controller.getCanvas()->getCanvasSize().height(), height));
}

void TestVendrelController::typedSizeIsJudgedAndCapped_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("size"); // of the field's size afterwards
    QTest::addColumn<bool>("laidOut");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("warning");

    // Row 1: 576 x 72 with a 36 point text. What cannot be printed is marked and
    // reported, and the label keeps its last size.
    const QString length = QStringLiteral("LengthEdit");
    const QString width = QStringLiteral("WidthEdit");
    const QString text = QStringLiteral("FontHeightEdit");
    QTest::newRow("inches, too small")
        << length << 0 << "0.13" << 576.0 << false << "0.13" << LengthTooSmall;
    QTest::newRow("millimetres, too small")
        << length << 1 << "3.5" << 576.0 << false << "3.5" << LengthTooSmall;
    QTest::newRow("length emptied") << length << 0 << "" << 576.0 << false << "" << LengthTooSmall;
    QTest::newRow("inches, beyond the cap") << length << 0 << "20000" << 13824.0 << true << "192.00"
                                            << "";
    QTest::newRow("millimetres, beyond the cap")
        << length << 1 << "20000" << 13824.0 << true << "4876.80"
        << "";
    QTest::newRow("below the recommendation")
        << length << 0 << "6" << 432.0 << true << "6" << LengthBelow;
    QTest::newRow("width too small")
        << width << 0 << "0.1" << 72.0 << false << "0.1" << WidthTooSmall;
    QTest::newRow("width emptied") << width << 1 << "" << 72.0 << false << "" << WidthTooSmall;
    QTest::newRow("text height too small")
        << text << 0 << "0.01" << 36.0 << false << "0.01" << TextHeightTooSmall;
    QTest::newRow("text height emptied")
        << text << 0 << "" << 36.0 << false << "" << TextHeightTooSmall;
}

void TestVendrelController::typedSizeIsJudgedAndCapped()
{
    QFETCH(QString, field);
    QFETCH(int, units);
    QFETCH(QString, typed);
    QFETCH(double, size);
    QFETCH(bool, laidOut);
    QFETCH(QString, shown);
    QFETCH(QString, warning);

    UnitConversions::setCanvasUnits(static_cast<UnitConversions::Units>(units));
    TestController controller;
    controller.editWidget()->setUnits(units);
    controller.resizeLabelSlot(VendrelCommonController::NoResize);
    controller.getCanvas()->setCanvasHasChanged(false);
    QSignalSpy fit(&controller, &IVendrelInterface::fitCanvasInViewSignal);

    MvLineEdit* edit = controller.field(qPrintable(field));
    QVERIFY(edit);
    edit->setText(typed);
    if (field == QLatin1String("LengthEdit"))
        controller.lengthChangedSlot(typed);
    else if (field == QLatin1String("WidthEdit"))
        controller.widthChangedSlot(typed);
    else
        controller.fontHeightChangedSlot(typed);

    const double sizes[] = {controller.labelLength(), controller.labelHeight(),
                            controller.fontHeight()};
    const double changed =
        sizes[QStringList{"LengthEdit", "WidthEdit", "FontHeightEdit"}.indexOf(field)];
    QVERIFY2(near(changed, size), qPrintable(QString::number(changed)));
    QCOMPARE(edit->text(), shown);
    QCOMPARE(controller.getLastWarning(), warning);
    QCOMPARE(edit->isInvalid(), !warning.isEmpty());
    QCOMPARE(fit.isEmpty(), !laidOut);
    QCOMPARE(controller.getCanvas()->canvasHasChanged(), laidOut);
    const QSizeF label(controller.labelLength(), controller.labelHeight());
    QCOMPARE(controller.getCanvas()->getCanvasSize(), laidOut ? label : QSizeF(576.0, 72.0));

    // A later layout and a save use the label's sizes, never the unprintable value.
    controller.pipeTextChangedSlot(QStringLiteral("AIR"));
    QCOMPARE(controller.getCanvas()->getCanvasSize(), label);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    controller.savePipeInfo(out);
    QDataStream in(bytes);
    in.setFloatingPointPrecision(QDataStream::SinglePrecision);
    QImage preview;
    in >> preview;
    const PipeLabel saved = PipeRecord::read(in, PipeLabel::Bounds::Drawable);
    QCOMPARE(saved.length, double(float(controller.labelLength())));
    QCOMPARE(saved.height, double(float(controller.labelHeight())));
    QCOMPARE(saved.textHeight, double(float(controller.fontHeight())));
}

void TestVendrelController::typingKeepsTheTypedTextAndEndsOnTheFinalValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("units");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("decimalComma"); // typed under a German locale
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown"); // once the user pressed return
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("textHeight");
    QTest::addColumn<double>("length");

    // Row 3: 864 x 144 with a 90 point text; wrapped 864 x 270.
    const QString width = QStringLiteral("WidthEdit");
    const QString text = QStringLiteral("FontHeightEdit");
    const double mm = 72.0 / 25.4;
    QTest::newRow("width 1.5 in passes 1") << width << 0 << false << false << "1.5"
                                           << "1.5" << 108.0 << 90.0 << 864.0;
    QTest::newRow("width 50 mm passes 5") << width << 1 << false << false << "50"
                                          << "50" << 50.0 * mm << 90.0 << 864.0;
    QTest::newRow("narrow width cuts the text") << width << 0 << false << false << "0.5"
                                                << "0.5" << 36.0 << 36.0 << 864.0;
    QTest::newRow("wrapped width passes 3") << width << 0 << true << false << "3.9"
                                            << "3.9" << 280.8 << 90.0 << 864.0;
    QTest::newRow("width beyond the cap shown cut at the end")
        << width << 0 << false << false << "20"
        << "12.00" << 864.0 << 90.0 << 864.0;
    QTest::newRow("text height 5 then 1 leaves no tall label")
        << text << 0 << true << false << "5\b1"
        << "1" << 270.0 << 72.0 << 864.0;
    QTest::newRow("wrapped text height shown cut at the end") << text << 0 << true << false << "12"
                                                              << "4.00" << 864.0 << 288.0 << 864.0;
    QTest::newRow("length beyond the cap shown cut at the end")
        << QStringLiteral("LengthEdit") << 0 << false << false << "200"
        << "192.00" << 144.0 << 90.0 << 13824.0;
    QTest::newRow("width 50,5 mm with a decimal comma") << width << 1 << false << true << "50,5"
                                                        << "50.5" << 50.5 * mm << 90.0 << 864.0;
    QTest::newRow("text height 40,5 mm with a decimal comma")
        << text << 1 << false << true << "40,5"
        << "40.5" << 144.0 << 40.5 * mm << 864.0;
}

void TestVendrelController::typingKeepsTheTypedTextAndEndsOnTheFinalValue()
{
    QFETCH(QString, field);
    QFETCH(int, units);
    QFETCH(bool, wrap);
    QFETCH(bool, decimalComma);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(double, height);
    QFETCH(double, textHeight);
    QFETCH(double, length);

    if (decimalComma)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    UnitConversions::setCanvasUnits(static_cast<UnitConversions::Units>(units));
    TestController controller;
    controller.editWidget()->setUnits(units);
    // The length field takes keys only when the label does not fit its length itself.
    controller.editWidget()->setResizeOption(VendrelCommonController::NoResize);
    controller.resizeLabelSlot(VendrelCommonController::NoResize);
    controller.wrapSlot(wrap);
    controller.pipeDiameterChangedSlot(3);

    MvLineEdit* edit = controller.field(qPrintable(field));
    const QString typed = typeInto(edit, keys);
    // A decimal comma is taken as the point it means.
    QCOMPARE(edit->text(), QString(typed).replace(QLatin1Char(','), QLatin1Char('.')));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), shown);

    QVERIFY2(near(controller.labelHeight(), height),
             qPrintable(QString::number(controller.labelHeight())));
    QVERIFY2(near(controller.fontHeight(), textHeight),
             qPrintable(QString::number(controller.fontHeight())));
    QVERIFY(near(controller.labelLength(), length));
    QVERIFY(near(controller.getCanvas()->getCanvasSize().height(), height));
    if (field != QLatin1String("FontHeightEdit"))
        QCOMPARE(controller.field("FontHeightEdit")->text(), inUnits(textHeight));
    if (field != QLatin1String("WidthEdit"))
        QCOMPARE(controller.field("WidthEdit")->text(), inUnits(height));
}

void TestVendrelController::wrapOnAndOffReturnsTheHeight_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<QString>("typedWidth");
    QTest::addColumn<double>("wrappedHeight");

    QTest::newRow("row 1 landscape") << 1 << false << "" << 108.0;
    QTest::newRow("row 3 landscape") << 3 << false << "" << 270.0;
    QTest::newRow("row 3 portrait") << 3 << true << "" << 157.5;
    QTest::newRow("typed width kept") << 1 << false << "5" << 360.0;
}

void TestVendrelController::wrapOnAndOffReturnsTheHeight()
{
    QFETCH(int, index);
    QFETCH(bool, portrait);
    QFETCH(QString, typedWidth);
    QFETCH(double, wrappedHeight);

    TestController controller;
    controller.pipeDiameterChangedSlot(index);
    controller.orientationSlot(portrait);
    if (!typedWidth.isEmpty())
        controller.widthChangedSlot(typedWidth);
    const double before = controller.labelHeight();

    controller.wrapSlot(true);
    QCOMPARE(controller.labelHeight(), qMax(before, wrappedHeight));
    controller.wrapSlot(false);
    QCOMPARE(controller.labelHeight(), before);
    QCOMPARE(controller.field("WidthEdit")->text(), QString::number(before / 72.0, 'f', 2));
    QCOMPARE(controller.getCanvas()->getCanvasSize().height(), before);
}

void TestVendrelController::warningsAreListedInEnumerationOrder_data()
{
    QTest::addColumn<bool>("lengthFirst");
    QTest::newRow("length warning raised first") << true;
    QTest::newRow("text height warning raised first") << false;
}

void TestVendrelController::warningsAreListedInEnumerationOrder()
{
    QFETCH(bool, lengthFirst);

    TestController controller;
    controller.pipeDiameterChangedSlot(3);
    controller.resizeLabelSlot(VendrelCommonController::NoResize);
    QSignalSpy relayed(&controller, &IVendrelInterface::warningStringChanged);
    // 10 in is short of the 12 in recommended; 1 in of text short of 1.25 in.
    if (lengthFirst) {
        controller.lengthChangedSlot(QStringLiteral("10"));
        controller.fontHeightChangedSlot(QStringLiteral("1"));
    } else {
        controller.fontHeightChangedSlot(QStringLiteral("1"));
        controller.lengthChangedSlot(QStringLiteral("10"));
    }
    const QString expected = TextHeightBelow + QStringLiteral("; ") + LengthBelow;
    QCOMPARE(controller.getLastWarning(), expected);
    QVERIFY(!relayed.isEmpty());
    QCOMPARE(relayed.last().at(0).toString(), expected);
}

void TestVendrelController::newLabelStartsFromRowOne_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<int>("option");

    QTest::newRow("after a plain label") << false << false << 0;
    QTest::newRow("after a wrapped label") << true << false << 2;
    QTest::newRow("after a wrapped portrait label") << true << true << 0;
    QTest::newRow("after fitting text in portrait") << false << true << 1;
}

void TestVendrelController::newLabelStartsFromRowOne()
{
    QFETCH(bool, wrap);
    QFETCH(bool, portrait);
    QFETCH(int, option);

    TestController controller;
    controller.pipeDiameterChangedSlot(4);
    controller.resizeLabelSlot(option);
    controller.orientationSlot(portrait);
    controller.wrapSlot(wrap);
    controller.pipeTextChangedSlot(QStringLiteral("COMPRESSED AIR"));
    controller.leftArrowChangedSlot(2, QByteArray("<svg/>"), false);
    controller.lengthChangedSlot(QStringLiteral("0.1"));

    QSignalSpy relayed(&controller, &IVendrelInterface::warningStringChanged);
    controller.newPipeInfo();
    QCOMPARE(controller.labelLength(), 576.0);
    QCOMPARE(controller.labelHeight(), 72.0);
    QCOMPARE(controller.fontHeight(), 36.0);
    QCOMPARE(controller.getCanvas()->getCanvasSize(), QSizeF(576.0, 72.0));
    QVERIFY(!controller.text()->isVisible());
    QVERIFY(!controller.leftArrowSecond()->isVisible());
    QVERIFY(!controller.getCanvas()->canvasHasChanged());
    QVERIFY(controller.getLastWarning().isEmpty());
    QVERIFY(!relayed.isEmpty());
    QCOMPARE(controller.getCanvas()->canvasBackgroundColor(), QColor(Qt::white));
}

void TestVendrelController::wizardEndsAreRelayedOnce_data()
{
    QTest::addColumn<int>("starts");
    QTest::newRow("closed without a wizard") << 0;
    QTest::newRow("started once") << 1;
    QTest::newRow("started twice") << 2;
}

void TestVendrelController::wizardEndsAreRelayedOnce()
{
    QFETCH(int, starts);
    TestController controller;
    QSignalSpy ended(&controller, &IVendrelInterface::wizardEndSignal);
    auto shownWizards = [] {
        QList<WizardVendrel*> shown;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* wizard = qobject_cast<WizardVendrel*>(widget); wizard && wizard->isVisible())
                shown.append(wizard);
        }
        return shown;
    };
    // Each start shows the one wizard again, back on its first page.
    for (int i = 0; i < starts; ++i) {
        controller.startWizard();
        QCOMPARE(shownWizards().size(), 1);
        WizardVendrel* wizard = shownWizards().first();
        QCOMPARE(wizard->currentId(), wizard->pageIds().first());
        wizard->next();
    }
    if (starts > 0)
        shownWizards().first()->accept();
    QCOMPARE(ended.count(), starts > 0 ? 1 : 0);
    controller.close();
    QVERIFY(shownWizards().isEmpty());
}

QTEST_MAIN(TestVendrelController)
#include "tst_vendrelcontroller.moc"
