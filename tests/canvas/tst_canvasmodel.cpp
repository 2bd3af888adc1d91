#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "canvas/symbolpicturecache.h"
#include "canvastesthelpers.h"

#include <QPdfWriter>
#include <QtTest>

class TestCanvasModel : public QObject
{
    Q_OBJECT

private:
    static QByteArray rightArrow()
    {
        return sourceFile(QStringLiteral("data/symbols/vendrelsymbols/arrow-right.svg"));
    }

    // The most memory the process has held since the peak was last reset.
    static qint64 peakMemory()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
        return 0;
    }

private slots:
    void arrowIsDrawnInItsColours_data()
    {
        QTest::addColumn<QColor>("foreground");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("scale"); // of the painter, as a zoomed view or a print has
        QTest::addColumn<bool>("turned");  // half round, as a left arrow is
        QTest::newRow("red on white") << QColor(Qt::red) << QColor(Qt::white) << 1.0 << false;
        QTest::newRow("white on blue") << QColor(Qt::white) << QColor(Qt::blue) << 1.0 << false;
        QTest::newRow("black on transparent")
            << QColor(Qt::black) << QColor(Qt::transparent) << 1.0 << false;
        QTest::newRow("red on white, zoomed in")
            << QColor(Qt::red) << QColor(Qt::white) << 2.0 << false;
        QTest::newRow("white on blue, zoomed out, turned")
            << QColor(Qt::white) << QColor(Qt::blue) << 0.5 << true;
    }
    void arrowIsDrawnInItsColours()
    {
        QFETCH(QColor, foreground);
        QFETCH(QColor, background);
        QFETCH(double, scale);
        QFETCH(bool, turned);
        QVERIFY(!rightArrow().isEmpty());
        SymbolItem item(rightArrow());
        // Stretched to a wide box: the tip must reach the right edge.
        item.setItemSize(200.0, 100.0);
        item.setForegroundColor(foreground);
        item.setBackgroundColor(background);
        item.setItemRotation(turned ? 180.0 : 0.0);
        const QPoint offset(10, 6);
        QImage image(QSize(qCeil(200 * scale), qCeil(100 * scale)) + QSize(20, 12),
                     QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.translate(offset);
        painter.scale(scale, scale);
        painter.setTransform(item.transform(), true);
        QStyleOptionGraphicsItem option;
        item.paint(&painter, &option, nullptr);
        painter.end();

        const auto at = [&](QPoint point) {
            if (turned)
                point = QPoint(200, 100) - point;
            return image.pixelColor(point * scale + offset);
        };
        for (const QPoint arrow :
             {QPoint(40, 50), QPoint(120, 50), QPoint(186, 50), QPoint(115, 20)})
            QCOMPARE(at(arrow), foreground);
        for (const QPoint free : {QPoint(3, 3), QPoint(40, 20), QPoint(196, 10), QPoint(100, 96)})
            QCOMPARE(at(free).rgba(), background.rgba());
        QCOMPARE(image.pixelColor(offset / 2).rgba(), QColor(Qt::transparent).rgba());
    }

    // Each symbol used to keep a drawing of its whole box, up to 4096 x 4096
    // pixels, whatever part of it was shown.
    void hugeSymbolsCostOnlyWhatIsShown()
    {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
            QSKIP("the peak memory of the process cannot be measured here");
        clear.close();
        MvCanvasModel canvas({Qt::black, Qt::white}, 13824.0, 13824.0, 300.0, 100.0);
        canvas.setCanvasBackgroundColor(Qt::white);
        for (int i = 0; i < 20; ++i) {
            canvas.addSymbolItem(rightArrow());
            auto* symbol = static_cast<SymbolItem*>(canvas.items(Qt::AscendingOrder).last());
            symbol->setItemSize(13824.0, 13824.0);
            symbol->setForegroundColor(Qt::red);
            // The upper edge of the arrow's shaft crosses the label at half its height.
            symbol->setPos(-1000.0, 50.0 - 0.36 * 13824.0);
        }
        const qint64 before = peakMemory();
        const QImage image = canvas.createIcon(300, 100);
        const qint64 grown = peakMemory() - before;
        QVERIFY2(grown < 32 * 1024 * 1024, qPrintable(QString::number(grown)));
        QCOMPARE(image.pixelColor(150, 30), QColor(Qt::white));
        QCOMPARE(image.pixelColor(150, 70), QColor(Qt::red));
    }

    // A line list repeats the same arrows on every page: the PDF must hold each
    // picture once, however many pages show it and wherever they place it.
    void pagesShareTheirArrowPictures()
    {
        SymbolPictureCache::clear();
        const auto imagesIn = [this](int pages) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("pages.pdf"));
            {
                QPdfWriter writer(path);
                writer.setResolution(300);
                writer.setPageSize(QPageSize(QSizeF(300, 100), QPageSize::Point));
                writer.setPageMargins(QMarginsF());
                QPainter painter(&writer);
                for (int page = 0; page < pages; ++page) {
                    if (page > 0)
                        writer.newPage();
                    for (const QColor& colour : {QColor(Qt::red), QColor(Qt::blue)}) {
                        SymbolItem item(rightArrow());
                        item.setItemSize(100.0, 50.0);
                        item.setForegroundColor(colour);
                        painter.save();
                        // A hundredth of a pixel further on each page.
                        painter.translate(colour == Qt::red ? 10.3 + page * 0.01 : 600.0, 20.0);
                        painter.setTransform(item.transform(), true);
                        QStyleOptionGraphicsItem option;
                        item.paint(&painter, &option, nullptr);
                        painter.restore();
                    }
                }
            }
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll().count("/Subtype /Image") : -1;
        };
        const int onePage = imagesIn(1);
        QVERIFY(onePage >= 2);
        QCOMPARE(imagesIn(5), onePage);
    }

    void sharedPicturesFollowColourAndStayBounded()
    {
        SymbolPictureCache::clear();
        SymbolItem item(rightArrow());
        item.setItemSize(200.0, 100.0);
        for (const QColor& colour : {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::red)}) {
            item.setForegroundColor(colour);
            QCOMPARE(renderItemAlone(&item, QSize(200, 100)).pixelColor(120, 50), colour);
        }
        // Pictures of about 5.8 MB each, twelve sizes: only the newest are kept.
        for (int i = 0; i < 12; ++i) {
            item.setItemSize(1200.0 + i, 1200.0);
            renderItemAlone(&item, QSize(1212, 1200));
            QVERIFY(SymbolPictureCache::bytesKept() <= SymbolPictureCache::MostBytes);
        }
        QVERIFY(SymbolPictureCache::bytesKept() > SymbolPictureCache::MostBytes / 2);
    }

    // Found by fuzzing: where the picture starts was rounded to an int, which a
    // symbol shown a hundred million pixels from its corner overflows.
    void symbolShownFarFromItsCornerIsDrawn()
    {
        SymbolItem item(rightArrow());
        item.setItemSize(13824.0, 13824.0);
        item.setForegroundColor(Qt::red);
        item.setBackgroundColor(Qt::white);
        QImage image(64, 64, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.translate(32.0, 32.0);
        painter.scale(20000.0, 20000.0);
        // A point of the arrow's shaft (as 120, 50 of a 200 x 100 arrow).
        painter.translate(-0.6 * 13824.0, -0.5 * 13824.0);
        QStyleOptionGraphicsItem option;
        item.paint(&painter, &option, nullptr);
        painter.end();
        QCOMPARE(image.pixelColor(32, 32), QColor(Qt::red));
    }

    void unusableDataDrawsNothing_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not svg") << QByteArray("this is no drawing");
        QTest::newRow("broken xml")
            << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><path");
    }
    void unusableDataDrawsNothing()
    {
        QFETCH(QByteArray, data);
        if (!data.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
        SymbolItem item;
        item.reloadItemFromData(rightArrow());
        item.setItemSize(50.0, 50.0);
        item.setBackgroundColor(Qt::white);
        item.reloadItemFromData(data);
        QVERIFY(!item.hasDrawing());
        QVERIFY(inkRect(renderItemAlone(&item, QSize(50, 50))).isNull());
        QCOMPARE(item.getItemSize(), QSizeF(50.0, 50.0));
    }

    void copyEqualsOriginalOutsideAnyScene()
    {
        MvCanvasModel canvas({Qt::black, Qt::white}, 13824.0, 13824.0, 576.0, 72.0);
        canvas.addSymbolItem(rightArrow());
        auto* original = static_cast<SymbolItem*>(canvas.items(Qt::AscendingOrder).last());
        original->setItemSize(45.0, 51.48);
        original->setItemRotation(90.0);
        original->setForegroundColor(Qt::red);
        original->setBackgroundColor(Qt::yellow);
        original->setItemId(101);
        original->setPos(20.16, 10.26);

        QScopedPointer<SymbolItem> copy(original->copy());
        QVERIFY(!copy->scene());
        QCOMPARE(copy->symbolData(), original->symbolData());
        QCOMPARE(copy->getItemSize(), original->getItemSize());
        QCOMPARE(copy->itemRotation(), 90.0);
        QCOMPARE(copy->foregroundColor(), QColor(Qt::red));
        QCOMPARE(copy->backgroundColor(), QColor(Qt::yellow));
        QCOMPARE(copy->itemId(), short(101));
        QCOMPARE(copy->sceneBoundingRect(), original->sceneBoundingRect());
        QCOMPARE(renderItemAlone(copy.data(), QSize(80, 80)),
                 renderItemAlone(original, QSize(80, 80)));
    }

    void symbolTurnsAboutItsCentreAndKeepsSizeOnReset()
    {
        // The arrow-wrap placement: a 45 x 51.48 arrow turned a quarter covers
        // 51.48 along the wrap and 45 across it, about the same centre.
        SymbolItem item(rightArrow());
        item.setItemSize(45.0, 51.48);
        item.setItemRotation(90.0);
        item.setPos(20.16, 10.26);
        const QRectF turned = item.sceneBoundingRect();
        QVERIFY2(sameRect(turned, QRectF(16.92, 13.5, 51.48, 45.0)), qPrintable(rectText(turned)));
        static_cast<QGraphicsItem&>(item).resetTransform();
        QCOMPARE(item.itemRotation(), 0.0);
        QCOMPARE(item.sceneBoundingRect(), QRectF(20.16, 10.26, 45.0, 51.48));
    }

    void iconKeepsTheLabelProportions_data()
    {
        QTest::addColumn<QSizeF>("canvasSize");
        QTest::addColumn<QSize>("iconSize");
        QTest::addColumn<QRect>("band");
        QTest::newRow("landscape label")
            << QSizeF(576, 72) << QSize(256, 256) << QRect(0, 112, 256, 32);
        QTest::newRow("portrait label")
            << QSizeF(72, 576) << QSize(256, 256) << QRect(112, 0, 32, 256);
        QTest::newRow("square label")
            << QSizeF(300, 300) << QSize(256, 256) << QRect(0, 0, 256, 256);
        QTest::newRow("wide icon") << QSizeF(100, 100) << QSize(200, 100) << QRect(50, 0, 100, 100);
    }
    void iconKeepsTheLabelProportions()
    {
        QFETCH(QSizeF, canvasSize);
        QFETCH(QSize, iconSize);
        QFETCH(QRect, band);
        MvCanvasModel canvas({Qt::black, QColor("#fedb00")}, 13824.0, 13824.0, canvasSize.width(),
                             canvasSize.height());
        const QImage icon = canvas.createIcon(iconSize.width(), iconSize.height());
        QCOMPARE(icon.size(), iconSize);
        QCOMPARE(inkRect(icon), band);
        QCOMPARE(icon.pixelColor(band.center()), QColor("#fedb00"));
    }

    void backgroundCoversOnlyTheCanvas()
    {
        MvCanvasModel canvas({Qt::black, Qt::red}, 13824.0, 13824.0, 100.0, 50.0);
        const QRectF total = canvas.getTotalCanvasRect();
        QVERIFY(total.contains(canvas.getCanvasRect()) && total != canvas.getCanvasRect());
        QImage view(total.size().toSize(), QImage::Format_ARGB32);
        view.fill(Qt::transparent);
        QPainter painter(&view);
        canvas.render(&painter, QRectF(QPointF(0, 0), total.size()), total);
        painter.end();
        const QPoint origin = (-total.topLeft()).toPoint();
        QCOMPARE(inkRect(view), QRect(origin, QSize(100, 50)));
    }

    void newItemIsLastInAscendingOrder_data()
    {
        QTest::addColumn<bool>("text");
        QTest::addColumn<double>("raisedZ");
        QTest::newRow("symbol over plain items") << false << 0.0;
        QTest::newRow("text over plain items") << true << 0.0;
        QTest::newRow("symbol over a raised item") << false << 7.0;
        QTest::newRow("text over a raised item") << true << 7.0;
        QTest::newRow("symbol over a lowered item") << false << -3.0;
    }
    void newItemIsLastInAscendingOrder()
    {
        QFETCH(bool, text);
        QFETCH(double, raisedZ);
        MvCanvasModel canvas({Qt::blue, Qt::white}, 13824.0, 13824.0, 576.0, 72.0);
        for (int i = 0; i < 3; ++i) {
            canvas.addSymbolItem(QByteArray());
            canvas.addGenericItem(MvCanvasModel::SimpleTextType, QString(), true, QPointF(), 0.0, 0,
                                  true);
        }
        canvas.items(Qt::AscendingOrder).at(2)->setZValue(raisedZ);
        if (text)
            canvas.addGenericItem(MvCanvasModel::SimpleTextType, QStringLiteral("new"), true,
                                  QPointF(5, 6), 0.0, 42, true);
        else
            canvas.addSymbolItem(rightArrow());

        QGraphicsItem* last = canvas.items(Qt::AscendingOrder).last();
        if (text) {
            auto* item = qgraphicsitem_cast<SimpleTextItem*>(last);
            QVERIFY(item);
            QCOMPARE(item->toPlainText(), QStringLiteral("new"));
            QCOMPARE(item->itemId(), short(42));
            QCOMPARE(item->textColor(), QColor(Qt::blue));
            QVERIFY(item->isTextReadOnly());
        } else {
            auto* item = qgraphicsitem_cast<SymbolItem*>(last);
            QVERIFY(item);
            QCOMPARE(item->symbolData(), rightArrow());
            QCOMPARE(item->foregroundColor(), QColor(Qt::blue));
        }
    }

    void unknownGenericTypeAddsNothing()
    {
        MvCanvasModel canvas({}, 13824.0, 13824.0, 576.0, 72.0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("type 65538")));
        canvas.addGenericItem(MvCanvasModel::CanvasFrameType, QStringLiteral("x"), true, QPointF(),
                              0.0, 1, true);
        QVERIFY(canvas.items().isEmpty());
    }

    void canvasSizeStaysWithinLimits_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<QSizeF>("expected");
        QTest::newRow("ordinary") << 864.0 << 144.0 << QSizeF(864, 144);
        QTest::newRow("beyond limits") << 20000.0 << 14000.0 << QSizeF(13824, 13824);
        QTest::newRow("negative") << -5.0 << 72.0 << QSizeF(0, 72);
        QTest::newRow("not a number") << qQNaN() << 72.0 << QSizeF(576, 72);
    }
    void canvasSizeStaysWithinLimits()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(QSizeF, expected);
        MvCanvasModel canvas({}, 13824.0, 13824.0, 576.0, 72.0);
        QSignalSpy quiet(&canvas, &MvCanvasModel::canvasSizeChangedSignal);
        if (qIsNaN(width))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("canvas size")));
        canvas.setCanvasSize(width, height, false);
        QCOMPARE(canvas.getCanvasSize(), expected);
        QCOMPARE(quiet.count(), 0);
        canvas.setCanvasSize(100.0, 50.0, true);
        QCOMPARE(quiet.count(), 1);
    }

    void changedFlagAndSceneMap_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::newRow("changed") << true;
        QTest::newRow("unchanged") << false;
    }
    void changedFlagAndSceneMap()
    {
        QFETCH(bool, changed);
        MvCanvasModel canvas({}, 13824.0, 13824.0, 576.0, 72.0);
        canvas.addSymbolItem(QByteArray());
        auto* item = static_cast<SymbolItem*>(canvas.items(Qt::AscendingOrder).last());
        item->setItemId(100);
        canvas.setCanvasHasChanged(changed);
        canvas.updateSceneMap();
        QCOMPARE(canvas.canvasHasChanged(), changed);
        QCOMPARE(canvas.itemFromId(100), static_cast<QGraphicsItem*>(item));
        QVERIFY(!canvas.itemFromId(101));

        // An item taken out of the scene is not answered from an old snapshot.
        canvas.removeItem(item);
        QVERIFY(!canvas.itemFromId(100));
        delete item;

        canvas.clearSceneLocal();
        QCOMPARE(canvas.canvasHasChanged(), changed);
        canvas.addSymbolItem(QByteArray());
        canvas.clearScene();
        QVERIFY(canvas.items().isEmpty());
        QVERIFY(canvas.canvasHasChanged());
    }
};

int runCanvasModelTests(int argc, char** argv)
{
    TestCanvasModel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_canvasmodel.moc"
