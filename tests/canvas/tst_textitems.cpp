#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvastesthelpers.h"

#include <QtTest>

class TestTextItems : public QObject
{
    Q_OBJECT

private:
    static SimpleTextItem* makeText(const QString& text)
    {
        auto* item = new SimpleTextItem;
        item->setTextStyleFlag(true);
        item->setFontFamily(QStringLiteral("DejaVu Sans"));
        item->setFontPointSize(12);
        item->setPlainText(text);
        return item;
    }

private slots:
    void fittedTextReportsRequestedHeight_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("one letter") << "A";
        QTest::newRow("word") << "STEAM";
        QTest::newRow("legend") << "STEAM 150 PSI";
        QTest::newRow("long legend") << "COMPRESSED AIR 100 PSI TO WORKSHOP";
        QTest::newRow("lower case") << "water";
    }
    void fittedTextReportsRequestedHeight()
    {
        QFETCH(QString, text);
        QScopedPointer<SimpleTextItem> item(makeText(text));
        QScopedPointer<SimpleTextItem> longer(makeText(text + QStringLiteral("W")));
        item->fitToTextHeight(13824.0, 36.0, true, true);
        longer->fitToTextHeight(13824.0, 36.0, true, true);

        QCOMPARE(item->getItemSize().height(), 36.0);
        QCOMPARE(item->sceneBoundingRect().size(), item->getItemSize());
        QVERIFY(longer->getItemSize().width() > item->getItemSize().width() + 10.0);
        // The fitted text keeps its proportions.
        const QSizeF natural = item->naturalSize();
        QVERIFY(qAbs(item->getItemSize().width() - natural.width() * 36.0 / natural.height()) <
                0.01);
        // And the drawing really is that high: ink stays inside the box and
        // capitals cover a good part of it.
        const QRect ink = inkRect(
            renderItemAlone(item.data(), QSize(qCeil(item->getItemSize().width()) + 4, 40)));
        QVERIFY(ink.top() >= 0 && ink.bottom() < 36);
        QVERIFY2(ink.height() > 18, qPrintable(QString::number(ink.height())));
    }

    void fittedWidthNeverPassesLimit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("limit");
        QTest::newRow("short text, wide limit") << "AIR" << 864.0;
        QTest::newRow("long text, portrait limit") << QString(60, QLatin1Char('M')) << 864.0;
        QTest::newRow("tight limit") << "STEAM 150 PSI" << 50.0;
    }
    void fittedWidthNeverPassesLimit()
    {
        QFETCH(QString, text);
        QFETCH(double, limit);
        QScopedPointer<SimpleTextItem> item(makeText(text));
        const QSizeF natural = item->naturalSize();
        const double wanted = natural.width() * 72.0 / natural.height();
        item->fitToTextHeight(limit, 72.0, true, true);

        QCOMPARE(item->getItemSize().width(), qMin(wanted, limit));
        QCOMPARE(item->getItemSize().height(), 72.0);
        const QRect ink = inkRect(renderItemAlone(item.data(), QSize(qCeil(limit) + 20, 80)));
        QVERIFY2(ink.right() <= qCeil(item->getItemSize().width()) + 1,
                 qPrintable(QString::number(ink.right())));
    }

    void itemBoxPlacesTheText_data()
    {
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<double>("boxWidth");
        QTest::addColumn<double>("boxHeight");
        QTest::addColumn<QString>("expected"); // fill, centre, nothing
        QTest::newRow("stretched wider") << true << 600.0 << 40.0 << "fill";
        QTest::newRow("stretched narrower") << true << 60.0 << 40.0 << "fill";
        QTest::newRow("too wide, not stretched") << false << 60.0 << 40.0 << "fill";
        QTest::newRow("narrow, not stretched") << false << 600.0 << 40.0 << "centre";
        // Far beyond what the glyph cache can render (it crashed the renderer).
        QTest::newRow("stretched to a thin strip") << true << 5000.0 << 1.5 << "fill";
        QTest::newRow("stretched, no height") << true << 600.0 << 0.0 << "nothing";
    }
    void itemBoxPlacesTheText()
    {
        QFETCH(bool, stretch);
        QFETCH(double, boxWidth);
        QFETCH(double, boxHeight);
        QFETCH(QString, expected);
        QScopedPointer<SimpleTextItem> item(makeText(QStringLiteral("HIMH")));
        item->setStretchToFit(stretch);
        item->setItemSize(boxWidth, boxHeight);
        QCOMPARE(item->getItemSize(), QSizeF(boxWidth, boxHeight));
        QVERIFY(sameRect(item->sceneBoundingRect(), QRectF(0.0, 0.0, boxWidth, boxHeight)));

        const QRect ink = inkRect(renderItemAlone(item.data(), QSize(int(boxWidth), 40)));
        const double slack = boxWidth * 0.04 + 1.0; // side bearings
        if (expected == QLatin1String("nothing")) {
            QVERIFY2(ink.isEmpty(), qPrintable(rectText(ink)));
            return;
        }
        QVERIFY2(ink.bottom() <= qCeil(boxHeight), qPrintable(rectText(ink)));
        if (expected == QLatin1String("fill")) {
            QVERIFY2(ink.left() <= slack, qPrintable(QString::number(ink.left())));
            QVERIFY2(ink.right() >= boxWidth - 1.0 - slack,
                     qPrintable(QString::number(ink.right())));
        } else {
            QVERIFY(ink.left() > boxWidth / 4.0);
            QVERIFY(qAbs(ink.center().x() - boxWidth / 2.0) < 3.0);
        }
    }

    void resetTransformRestoresNaturalSize_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("throughBase");
        for (bool base : {false, true}) {
            const char* how = base ? " (base pointer)" : "";
            QTest::addRow("fitted%s", how) << "fit" << base;
            QTest::addRow("sized%s", how) << "size" << base;
            QTest::addRow("turned%s", how) << "turn" << base;
        }
    }
    void resetTransformRestoresNaturalSize()
    {
        QFETCH(QString, change);
        QFETCH(bool, throughBase);
        QScopedPointer<SimpleTextItem> item(makeText(QStringLiteral("AMMONIA")));
        const QSizeF natural = item->getItemSize();
        QCOMPARE(natural, item->naturalSize());
        if (change == QLatin1String("fit"))
            item->fitToTextHeight(13824.0, 48.0, true, true);
        else if (change == QLatin1String("size"))
            item->setItemSize(300.0, 20.0);
        else
            item->setItemRotation(-90.0);
        if (throughBase)
            static_cast<QGraphicsItem*>(item.data())->resetTransform();
        else
            item->resetTransform();

        QCOMPARE(item->getItemSize(), natural);
        QCOMPARE(item->itemRotation(), 0.0);
        QCOMPARE(item->sceneBoundingRect(), QRectF(QPointF(0.0, 0.0), natural));
        // Back in natural mode the box follows the text again.
        item->setPlainText(QStringLiteral("AMMONIA AMMONIA"));
        QVERIFY(item->getItemSize().width() > natural.width() * 1.5);
    }

    void rotationTurnsAboutTheBoxCentre_data()
    {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<QRectF>("sceneRect");
        QTest::newRow("inverted") << 180.0 << QRectF(10.0, 20.0, 200.0, 40.0);
        QTest::newRow("portrait") << -90.0 << QRectF(90.0, -60.0, 40.0, 200.0);
        QTest::newRow("none") << 0.0 << QRectF(10.0, 20.0, 200.0, 40.0);
    }
    void rotationTurnsAboutTheBoxCentre()
    {
        QFETCH(double, degrees);
        QFETCH(QRectF, sceneRect);
        QScopedPointer<SimpleTextItem> item(makeText(QStringLiteral("LEGEND")));
        item->setPos(10.0, 20.0);
        item->setItemSize(200.0, 40.0);
        item->setItemRotation(degrees);
        const QRectF actual = item->sceneBoundingRect();
        QVERIFY2(sameRect(actual, sceneRect), qPrintable(rectText(actual)));
        QCOMPARE(item->getItemSize(), QSizeF(200.0, 40.0));
    }

    void fittedBoxFollowsLaterTextChanges()
    {
        QScopedPointer<SimpleTextItem> item(makeText(QStringLiteral("AIR")));
        item->fitToTextHeight(13824.0, 36.0, true, true);
        const double before = item->getItemSize().width();
        item->setPlainText(QStringLiteral("AIR AIR AIR"));
        QCOMPARE(item->getItemSize().height(), 36.0);
        QVERIFY(item->getItemSize().width() > 2.5 * before);
        // A rejected height changes nothing.
        item->fitToTextHeight(13824.0, -1.0, true, true);
        QCOMPARE(item->getItemSize().height(), 36.0);
    }

    void whiteSpaceIsRecognised_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("blank");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("blanks") << "   " << true;
        QTest::newRow("tabs and breaks") << "\t\n \r" << true;
        QTest::newRow("no-break space") << QString(QChar(0x00A0)) << true;
        QTest::newRow("letter") << " a " << false;
        QTest::newRow("dot") << "." << false;
    }
    void whiteSpaceIsRecognised()
    {
        QFETCH(QString, text);
        QFETCH(bool, blank);
        QCOMPARE(TextItem::isWhiteSpace(text), blank);
    }

    void emptyTextMarkerShowsOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("marker");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inked");
        QTest::newRow("marker on, blank") << true << " " << true;
        QTest::newRow("marker off, blank") << false << " " << false;
        QTest::newRow("marker on, text") << true << "X" << true;
    }
    void emptyTextMarkerShowsOnlyWhenAsked()
    {
        QFETCH(bool, marker);
        QFETCH(QString, text);
        QFETCH(bool, inked);
        MvCanvasModel canvas({Qt::black, Qt::transparent}, 13824.0, 13824.0, 100.0, 40.0);
        canvas.setShowEmptyTextMarker(marker);
        canvas.addGenericItem(MvCanvasModel::SimpleTextType, text, true, QPointF(20.0, 5.0), 0.0, 7,
                              true);
        auto* item = static_cast<SimpleTextItem*>(canvas.items(Qt::AscendingOrder).last());
        item->setItemSize(60.0, 30.0);
        QCOMPARE(item->itemId(), short(7));

        QImage view(100, 40, QImage::Format_ARGB32);
        view.fill(Qt::transparent);
        QPainter painter(&view);
        canvas.render(&painter, QRectF(0, 0, 100, 40), canvas.getCanvasRect());
        painter.end();
        QCOMPARE(!inkRect(view).isNull(), inked);
        // Thumbnails and prints never carry the marker.
        QCOMPARE(!inkRect(canvas.createIcon(100, 40)).isNull(), !TextItem::isWhiteSpace(text));
    }
};

int runTextItemTests(int argc, char** argv)
{
    TestTextItems test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_textitems.moc"
