#include "ammonia/ammoniacontroller.h"
#include "ammonia/ammoniaeditwidget.h"
#include "arrowwrap/arrowwrapcontroller.h"
#include "files/pipefilecontroller.h"
#include "kinds/labelkinds.h"
#include "kit/arrowsmenu.h"
#include "kit/labelkind.h"
#include "labelrenderer.h"
#include "pipe/vendrelcontroller.h"
#include "pipe/vendreleditwidget.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "files/genericlabelwriter.h"
#include "widgets/moduleresourceicons.h"

// Drives the command-line renderer as its users do: through its arguments, exit
// status, standard streams and the files it writes.
class RenderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusedFilesGiveOneLineReason_data();
    void refusedFilesGiveOneLineReason();
    void badArgumentsAreUsageErrors_data();
    void badArgumentsAreUsageErrors();
    void pipeMarkerIsDrawnAtItsRealSize_data();
    void pipeMarkerIsDrawnAtItsRealSize();
    void pipeMarkerInfoListsItsItems();
    void arrowWrapInfoListsEveryArrow();
    void pdfAndSvgHaveTheLabelSize();
    void drawingsNameTheFontTheTextWasLaidOutWith();
    void genericLabelIsDrawn();
    void damagedRecordIsRefusedAtEveryLength();
    void everyPrefixIsRefusedOrOpened_data();
    void everyPrefixIsRefusedOrOpened();
    void arrowsNeedTheirSymbolDatabase_data();
    void arrowsNeedTheirSymbolDatabase();
    void batchWithoutSymbolDatabaseEndsWithItsReason_data();
    void batchWithoutSymbolDatabaseEndsWithItsReason();
    void extremeLabelsAreDrawnOrRefused_data();
    void extremeLabelsAreDrawnOrRefused();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    static Run
    render(const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    QString savedPipeMarker(const QString& name, bool withArrow = true);
    QByteArray savedWrappedPipeMarker();
    QByteArray savedAmmoniaLabel();
    QByteArray savedArrowWrap(const QString& name, int arrows);
    QTemporaryDir m_dir;
};

void RenderTest::initTestCase()
{
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
    QVERIFY(m_dir.isValid());
}

RenderTest::Run RenderTest::render(const QStringList& arguments,
                                   const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VENDREL_RENDER), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString RenderTest::savedPipeMarker(const QString& name, bool withArrow)
{
    VendrelController controller;
    controller.colorChangedSlot(QColor(QStringLiteral("#dc0b0b")), Qt::white);
    controller.pipeTextChangedSlot(QStringLiteral("STEAM"));
    if (withArrow)
        controller.leftArrowChangedSlot(2, controller.editWidget()->getSymbolsMenu()->getSymbol(2),
                                        false);
    PipeFileController files;
    files.setContentModule(&controller);
    const QString path = m_dir.filePath(name);
    return files.saveTemplateToFile(path) ? path : QString();
}

void RenderTest::refusedFilesGiveOneLineReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("verbose");
    QTest::newRow("missing") << "missing.qypm" << QByteArray() << "no such file" << false;
    QTest::newRow("wrong magic") << "magic.qypm" << QByteArray("LABEL0000")
                                 << "invalid magic number: 4C" << false;
    QTest::newRow("format not a label kind") << "format.qypm" << QByteArray("\x89xxxx\0\0\0\0", 9)
                                             << "invalid encoded format: xxxx" << false;
    QTest::newRow("suffix of another length")
        << "long.qypmx" << QByteArray("\x89qypm\0\0\0\0", 9) << "unknown label kind" << false;
    QTest::newRow("arrow wrap without its preview")
        << "a.qyaw" << QByteArray("\x89qyaw\0\0\0\0", 9) << "damaged record" << false;
    QTest::newRow("generic label that is not one")
        << "g.qyld" << QByteArray("not a label") << "" << false;
    QTest::newRow("format with line breaks and terminal escapes")
        << "escapes.qypm" << QByteArray("\x89\n\x1b[2\0\0\0\0", 9)
        << "invalid encoded format: \\n\\x1b[2" << false;
    QTest::newRow("empty file") << "empty.qypm" << QByteArray("") << "invalid magic number: 0"
                                << false;
    QTest::newRow("format cut short")
        << "short.qypm" << QByteArray("\x89qy") << "invalid encoded format: qy" << false;
    const QByteArray hugePreview = QByteArray("\x89qypm\0\0\0\0\0\0\0\x01\x89PNG\r\n\x1a\n", 21) +
                                   QByteArray::fromHex("0000000d") + QByteArray("IHDR") +
                                   QByteArray::fromHex("0010000000100000") + QByteArray(64, '\0');
    QTest::newRow("oversized preview") << "huge.qypm" << hugePreview << "damaged record" << false;
    // Asked for the loaders' own messages, the refusal is still said once.
    QTest::newRow("wrong magic, verbose")
        << "magic-v.qypm" << QByteArray("LABEL0000") << "invalid magic number: 4C" << true;
    QTest::newRow("oversized preview, verbose")
        << "huge-v.qypm" << hugePreview << "damaged record" << true;
}

void RenderTest::refusedFilesGiveOneLineReason()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QFETCH(bool, verbose);
    const QString path = m_dir.filePath(name);
    if (!bytes.isNull() || name != QLatin1String("missing.qypm")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QString out = m_dir.filePath(name + QStringLiteral(".png"));
    QStringList arguments{path, QStringLiteral("--png"), out};
    if (verbose)
        arguments << QStringLiteral("--verbose");
    const Run run = render(arguments);
    QCOMPARE(run.exitCode, 2);
    const QList<QByteArray> lines = run.err.trimmed().split('\n');
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().startsWith("vendrel-render: " + path.toUtf8() + ": "),
             lines.first().constData());
    QVERIFY2(QString::fromUtf8(lines.first()).contains(reason), lines.first().constData());
    QVERIFY(!run.err.contains('\0'));
    QVERIFY(!run.err.contains('\x1b'));
    QVERIFY(!QFile::exists(out));
}

void RenderTest::badArgumentsAreUsageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no file") << QStringList{"--info"};
    QTest::newRow("no output chosen") << QStringList{"a.qypm"};
    QTest::newRow("two files") << QStringList{"a.qypm", "b.qypm", "--info"};
    QTest::newRow("dpi not a number") << QStringList{"a.qypm", "--png", "x.png", "--dpi", "high"};
    QTest::newRow("dpi too small") << QStringList{"a.qypm", "--png", "x.png", "--dpi", "0"};
    QTest::newRow("unknown option") << QStringList{"a.qypm", "--jpeg", "x.jpg"};
}

void RenderTest::badArgumentsAreUsageErrors()
{
    QFETCH(QStringList, arguments);
    const Run run = render(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.startsWith("vendrel-render: "));
}

void RenderTest::pipeMarkerIsDrawnAtItsRealSize_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("default 300 dpi") << 0;
    QTest::newRow("72 dpi is one pixel a point") << 72;
    QTest::newRow("600 dpi") << 600;
}

void RenderTest::pipeMarkerIsDrawnAtItsRealSize()
{
    QFETCH(int, dpi);
    const QString label = savedPipeMarker(QStringLiteral("steam.qypm"));
    QVERIFY(!label.isEmpty());
    const QString out = m_dir.filePath(QStringLiteral("steam-%1.png").arg(dpi));
    QStringList arguments{label, QStringLiteral("--png"), out};
    if (dpi)
        arguments << QStringLiteral("--dpi") << QString::number(dpi);
    const Run run = render(arguments);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());

    const int expectedDpi = dpi ? dpi : 300;
    const QImage image(out);
    // A new pipe marker is 8 x 1 inches; typing a legend may lengthen it.
    QCOMPARE(image.height(), expectedDpi);
    QVERIFY(image.width() >= 8 * expectedDpi);
    QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), expectedDpi);
    const QColor band = image.pixelColor(image.width() / 2, 2);
    QCOMPARE(band.name(), QStringLiteral("#dc0b0b"));
    int white = 0;
    for (int x = 0; x < image.width(); x += 2)
        white += image.pixelColor(x, image.height() / 2) == QColor(Qt::white) ? 1 : 0;
    QVERIFY2(white > 10, "the legend and the arrow are drawn in white on the red band");
}

void RenderTest::pipeMarkerInfoListsItsItems()
{
    const QString label = savedPipeMarker(QStringLiteral("info.qypm"));
    const Run run = render({label, QStringLiteral("--info")});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject info = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(info.value(QStringLiteral("kind")).toString(), QStringLiteral("qypm"));
    QCOMPARE(
        info.value(QStringLiteral("canvas")).toObject().value(QStringLiteral("height")).toDouble(),
        72.0);
    QVERIFY(info.contains(QStringLiteral("lastWarning")));
    QStringList visibleTexts;
    QList<int> ids;
    for (const QJsonValue& value : info.value(QStringLiteral("items")).toArray()) {
        const QJsonObject item = value.toObject();
        ids << item.value(QStringLiteral("id")).toInt();
        if (item.value(QStringLiteral("visible")).toBool() && item.contains(QStringLiteral("text")))
            visibleTexts << item.value(QStringLiteral("text")).toString();
        QVERIFY(item.contains(QStringLiteral("rect")));
        QVERIFY(item.contains(QStringLiteral("rotation")));
    }
    std::sort(ids.begin(), ids.end());
    QCOMPARE(ids, (QList<int>{100, 101, 102, 103, 104, 105}));
    QCOMPARE(visibleTexts, QStringList{QStringLiteral("STEAM")});
}

void RenderTest::arrowWrapInfoListsEveryArrow()
{
    const QString label = m_dir.filePath(QStringLiteral("twelve.qyaw"));
    QVERIFY(!savedArrowWrap(QStringLiteral("twelve.qyaw"), 12).isEmpty());
    const Run run = render({label, QStringLiteral("--info")});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject info = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(info.value(QStringLiteral("kind")).toString(), QStringLiteral("qyaw"));
    const QJsonObject canvas = info.value(QStringLiteral("canvas")).toObject();
    QCOMPARE(canvas.value(QStringLiteral("width")).toDouble(), 2880.0);
    QCOMPARE(canvas.value(QStringLiteral("height")).toDouble(), 36.0);
    QVERIFY(info.value(QStringLiteral("lastWarning"))
                .toString()
                .contains(QStringLiteral("Arrow Length Exceeds Label Width")));
    // Twelve arrows, drawn left to right without overlapping, each turned across the band.
    double right = 0.0;
    int arrows = 0;
    for (const QJsonValue& value : info.value(QStringLiteral("items")).toArray()) {
        const QJsonObject item = value.toObject();
        QCOMPARE(item.value(QStringLiteral("type")).toInt(), int(SymbolItem::Type));
        QVERIFY(item.value(QStringLiteral("visible")).toBool());
        QCOMPARE(item.value(QStringLiteral("rotation")).toDouble(), 90.0);
        const QJsonObject rect = item.value(QStringLiteral("rect")).toObject();
        QVERIFY(rect.value(QStringLiteral("x")).toDouble() >= right - 0.01);
        right = rect.value(QStringLiteral("x")).toDouble() +
                rect.value(QStringLiteral("width")).toDouble();
        ++arrows;
    }
    QCOMPARE(arrows, 12);
    QVERIFY(right <= 2880.0);
}

void RenderTest::pdfAndSvgHaveTheLabelSize()
{
    const QString label = savedPipeMarker(QStringLiteral("size.qypm"));
    const QString pdf = m_dir.filePath(QStringLiteral("size.pdf"));
    const QString svg = m_dir.filePath(QStringLiteral("size.svg"));
    const Run run = render({label, QStringLiteral("--pdf"), pdf, QStringLiteral("--svg"), svg});
    QCOMPARE(run.exitCode, 0);
    const Run info = render({label, QStringLiteral("--info")});
    const QJsonObject canvas =
        QJsonDocument::fromJson(info.out).object().value(QStringLiteral("canvas")).toObject();
    const double width = canvas.value(QStringLiteral("width")).toDouble();

    QFile pdfFile(pdf);
    QVERIFY(pdfFile.open(QIODevice::ReadOnly));
    const QByteArray pdfBytes = pdfFile.readAll();
    QVERIFY(pdfBytes.startsWith("%PDF-"));
    QVERIFY2(pdfBytes.contains("/MediaBox [0 0 " + QByteArray::number(width, 'g', 6)),
             "the page is as long as the label");

    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgBytes = svgFile.readAll();
    QVERIFY(svgBytes.contains("viewBox=\"0 0 " + QByteArray::number(width, 'g', 6) + " 72\""));
    QVERIFY(svgBytes.contains("STEAM") || svgBytes.contains("<path"));
}

void RenderTest::drawingsNameTheFontTheTextWasLaidOutWith()
{
    // The label asks for the suite family, which no other machine has: the drawings
    // must carry the installed family that stood in for it (scripts/setup.sh
    // installs DejaVu Sans, the first choice).
    const QString label = savedPipeMarker(QStringLiteral("fonts.qypm"));
    const QString pdf = m_dir.filePath(QStringLiteral("fonts.pdf"));
    const QString svg = m_dir.filePath(QStringLiteral("fonts.svg"));
    QCOMPARE(render({label, QStringLiteral("--pdf"), pdf, QStringLiteral("--svg"), svg}).exitCode,
             0);

    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QString drawing = QString::fromUtf8(svgFile.readAll());
    QVERIFY(!drawing.contains(QLatin1String("Vad Ivar")));
    const QRegularExpression family(QStringLiteral("font-family=\"([^\"]*)\""));
    QSet<QString> families;
    for (QRegularExpressionMatchIterator it = family.globalMatch(drawing); it.hasNext();)
        families << it.next().captured(1);
    QCOMPARE(families, (QSet<QString>{QStringLiteral("'DejaVu Sans', sans-serif")}));
    QVERIFY(drawing.contains(QLatin1String(">STEAM<")));

    QFile pdfFile(pdf);
    QVERIFY(pdfFile.open(QIODevice::ReadOnly));
    const QByteArray page = pdfFile.readAll();
    QVERIFY(!page.contains("Vad"));
    QVERIFY2(page.contains("+DejaVuSans") && page.contains("/FontFile2"),
             "the real font travels inside the PDF");
}

void RenderTest::genericLabelIsDrawn()
{
    MvCanvasModel canvas(QList<QColor>{Qt::black, Qt::white}, 13824, 13824, 300, 100);
    canvas.setCanvasBackgroundColor(QColor(QStringLiteral("#248d4f")));
    canvas.addGenericItem(MvCanvasModel::SimpleTextType, QString(), true, QPointF(10, 10), 0.0, 7,
                          true);
    auto* text = static_cast<SimpleTextItem*>(canvas.items(Qt::AscendingOrder).last());
    text->setPlainText(QStringLiteral("DRAIN"));
    const QString path = m_dir.filePath(QStringLiteral("drain.qyld"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(GenericLabelWriter(&canvas).write(&file));
    file.close();

    const QString out = m_dir.filePath(QStringLiteral("drain.png"));
    const Run run = render({path, QStringLiteral("--png"), out, QStringLiteral("--dpi"),
                            QStringLiteral("72"), QStringLiteral("--info")});
    QCOMPARE(run.exitCode, 0);
    const QImage image(out);
    QCOMPARE(image.size(), QSize(300, 100));
    QCOMPARE(image.pixelColor(290, 90).name(), QStringLiteral("#248d4f"));
    const QJsonObject info = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(info.value(QStringLiteral("kind")).toString(), QStringLiteral("qyld"));
    const QJsonArray items = info.value(QStringLiteral("items")).toArray();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.first().toObject().value(QStringLiteral("text")).toString(),
             QStringLiteral("DRAIN"));
}

void RenderTest::damagedRecordIsRefusedAtEveryLength()
{
    const QString label = savedPipeMarker(QStringLiteral("whole.qypm"));
    QFile whole(label);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    // Cut the record at a spread of lengths, from inside the header to just short of the end.
    for (int length : {0, 3, 9, 20, bytes.size() / 2, bytes.size() - 60, bytes.size() - 1}) {
        const QString cut = m_dir.filePath(QStringLiteral("cut%1.qypm").arg(length));
        QFile file(cut);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.left(length));
        file.close();
        const Run run = render({cut, QStringLiteral("--info")});
        QVERIFY2(run.exitCode == 2, qPrintable(QStringLiteral("length %1 gave %2: %3")
                                                   .arg(length)
                                                   .arg(run.exitCode)
                                                   .arg(QString::fromUtf8(run.err))));
        QVERIFY2(run.err.trimmed().split('\n').size() == 1, run.err.constData());
    }
}

QByteArray RenderTest::savedWrappedPipeMarker()
{
    VendrelController controller;
    controller.pipeTextChangedSlot(QStringLiteral("NATURAL GAS"));
    controller.orientationSlot(true);
    controller.wrapSlot(true);
    ArrowsMenu* arrows = controller.editWidget()->getSymbolsMenu();
    controller.leftArrowChangedSlot(3, arrows->getSymbol(3), true);
    controller.rightArrowChangeSlot(2, arrows->getSymbol(2), false);
    PipeFileController files;
    files.setContentModule(&controller);
    const QString path = m_dir.filePath(QStringLiteral("wrapped.qypm"));
    if (!files.saveTemplateToFile(path))
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray RenderTest::savedArrowWrap(const QString& name, int arrows)
{
    ArrowWrapController controller;
    // A long wrap, so that the arrows fit, with a warning in its record.
    controller.lengthChangedSlot(QStringLiteral("40"));
    controller.arrowCountChangedSlot(arrows);
    controller.arrowSymbolChangedSlot(6, controller.getArrow(6));
    controller.widthChangedSlot(QStringLiteral("0.5"));
    PipeFileController files;
    files.setContentModule(&controller);
    const QString path = m_dir.filePath(name);
    if (!files.saveTemplateToFile(path))
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray RenderTest::savedAmmoniaLabel()
{
    AmmoniaController controller;
    controller.abbrevChangedSlot(QStringLiteral("HSD"));
    controller.vapStateChangedSlot(true);
    controller.highPressureChangedSlot(true);
    ArrowsMenu* arrows = controller.editWidget()->getSymbolsMenu();
    controller.leftArrowChangedSlot(2, arrows->getSymbol(2), false);
    PipeFileController files;
    files.setContentModule(&controller);
    const QString path = m_dir.filePath(QStringLiteral("ammonia.qyam"));
    if (!files.saveTemplateToFile(path))
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {
// The refusals of a walk are expected; a fatal message still ends the test.
void dropMessages(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

void RenderTest::everyPrefixIsRefusedOrOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("throughEditor");

    QFile steam(savedPipeMarker(QStringLiteral("prefix-source.qypm")));
    QVERIFY(steam.open(QIODevice::ReadOnly));
    const QByteArray pipeMarker = steam.readAll();
    const QByteArray wrapped = savedWrappedPipeMarker();
    QVERIFY(!wrapped.isEmpty());
    const QByteArray ammonia = savedAmmoniaLabel();
    QVERIFY(!ammonia.isEmpty());
    const QByteArray arrowWrap = savedArrowWrap(QStringLiteral("prefix-source.qyaw"), 3);
    QVERIFY(!arrowWrap.isEmpty());

    MvCanvasModel canvas(QList<QColor>{Qt::black, Qt::white}, 13824, 13824, 300, 100);
    canvas.addGenericItem(MvCanvasModel::SimpleTextType, QStringLiteral("DRAIN"), true,
                          QPointF(10, 10), 0.0, 7, true);
    canvas.addSymbolItem(QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 "
                                    "10\"><path d=\"M0 4H6V0L10 5 6 10V6H0z\"/></svg>"));
    const QByteArray generic = GenericLabelWriter(&canvas).toBytes();

    QTest::newRow("pipe marker, editor's file controller") << "cut.qypm" << pipeMarker << true;
    QTest::newRow("pipe marker, renderer") << "cut.qypm" << pipeMarker << false;
    QTest::newRow("wrapped pipe marker, editor's file controller") << "cut.qypm" << wrapped << true;
    QTest::newRow("wrapped pipe marker, renderer") << "cut.qypm" << wrapped << false;
    QTest::newRow("ammonia, editor's file controller") << "cut.qyam" << ammonia << true;
    QTest::newRow("ammonia, renderer") << "cut.qyam" << ammonia << false;
    QTest::newRow("arrow wrap, editor's file controller") << "cut.qyaw" << arrowWrap << true;
    QTest::newRow("arrow wrap, renderer") << "cut.qyaw" << arrowWrap << false;
    QTest::newRow("generic label, renderer") << "cut.qyld" << generic << false;
}

void RenderTest::everyPrefixIsRefusedOrOpened()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, throughEditor);
    const QString path = m_dir.filePath(name);

    {
        QFile whole(path);
        QVERIFY(whole.open(QIODevice::WriteOnly | QIODevice::Truncate));
        whole.write(bytes);
    }
    // The editor of the file's kind shows the whole file's label before the walk; a
    // refused file must leave it as it was.
    std::unique_ptr<IVendrelInterface> editor;
    PipeFileController files;
    const auto record = [&editor] {
        QByteArray snapshot;
        QDataStream stream(&snapshot, QIODevice::WriteOnly);
        stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
        editor->savePipeInfo(stream);
        return snapshot;
    };
    QByteArray shown;
    if (throughEditor) {
        const LabelKind* kind = LabelKinds::byFileName(name);
        QVERIFY(kind);
        editor.reset(kind->makeModule(*kind, nullptr));
        files.setContentModule(editor.get());
        QVERIFY(files.loadTemplateFromFile(path, false));
        shown = record();
    }

    const QtMessageHandler previous = qInstallMessageHandler(dropMessages);
    QString failure;
    for (int length = 0; length <= bytes.size() && failure.isEmpty(); ++length) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes.constData(), length) != length) {
            failure = QStringLiteral("cannot write %1 bytes").arg(length);
            break;
        }
        file.close();
        const bool whole = length == bytes.size();
        bool opened = false;
        QString reason;
        if (throughEditor) {
            opened = files.loadTemplateFromFile(path, false);
            reason = files.lastLoadResult().reason();
            // Only a record that was read can have touched the label; a refused
            // header or preview never reaches it.
            if (files.lastLoadResult().status() == LabelFileResult::DamagedRecord &&
                record() != shown)
                failure =
                    QStringLiteral("%1 bytes: the refused file changed the label").arg(length);
        } else {
            LabelRenderer renderer;
            opened = renderer.open(path);
            reason = renderer.error();
            if (opened && !renderer.writePng(m_dir.filePath(QStringLiteral("cut.png")), 72))
                failure = QStringLiteral("%1 bytes: opened but not drawn").arg(length);
        }
        if (opened != whole)
            failure = QStringLiteral("%1 of %2 bytes: %3")
                          .arg(length)
                          .arg(bytes.size())
                          .arg(opened ? QStringLiteral("opened") : QStringLiteral("refused"));
        else if (!opened && reason.isEmpty())
            failure = QStringLiteral("%1 bytes: refused without a reason").arg(length);
    }
    qInstallMessageHandler(previous);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void RenderTest::arrowsNeedTheirSymbolDatabase_data()
{
    QTest::addColumn<QString>("dataRoot");
    QTest::addColumn<bool>("arrow");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("data root named by the variable") << "variable" << true << 0;
    QTest::newRow("no variable: the build's data root beside the program") << "none" << true << 0;
    QTest::newRow("data root without symbol databases") << "empty" << true << 4;
    QTest::newRow("same, for a label without arrows") << "empty" << false << 0;
}

void RenderTest::arrowsNeedTheirSymbolDatabase()
{
    QFETCH(QString, dataRoot);
    QFETCH(bool, arrow);
    QFETCH(int, exitCode);
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), '-');
    const QString label = savedPipeMarker(tag + QStringLiteral(".qypm"), arrow);
    const QString png = m_dir.filePath(tag + QStringLiteral(".png"));
    QTemporaryDir empty;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (dataRoot == QLatin1String("none"))
        environment.remove(QStringLiteral("MORVANTIC_DATA_ROOT"));
    else if (dataRoot == QLatin1String("empty"))
        environment.insert(QStringLiteral("MORVANTIC_DATA_ROOT"), empty.path());

    const Run run =
        render({label, QStringLiteral("--png"), png, QStringLiteral("--info")}, environment);

    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0) {
        const QList<QByteArray> lines = run.err.trimmed().split('\n');
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains("symbol database"), lines.first().constData());
        QVERIFY(!QFile::exists(png));
        return;
    }
    QVERIFY(QFile::exists(png));
    int shownArrows = 0;
    const QJsonObject info = QJsonDocument::fromJson(run.out).object();
    for (const QJsonValue& value : info.value(QStringLiteral("items")).toArray())
        if (value.toObject().value(QStringLiteral("type")).toInt() == SymbolItem::Type &&
            value.toObject().value(QStringLiteral("visible")).toBool())
            ++shownArrows;
    QCOMPARE(shownArrows, arrow ? 1 : 0);
}

namespace {

// A pipe marker file written field by field, as docs/label-file-format.md has it.
QByteArray pipeMarkerFile(double length, double height, double textHeight, qint8 resizeOption,
                          const QString& legend)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_15);
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    out << qint8(-0x77);
    out.writeRawData("qypm", 4);
    out << qint32(0) << qint32(0); // no preview
    out << false << qint16(0) << length << height << textHeight << resizeOption << false << false
        << false << false << QColor(Qt::yellow) << QColor(Qt::black) << QString() << legend
        << QStringLiteral("DejaVu Sans") << qint32(1) << qint32(1) << false << QString();
    return bytes;
}

// A generic label of width x height holding the given item records.
QByteArray genericLabelFile(double width, double height, const QList<QByteArray>& records)
{
    QByteArray bytes("\x89QYLD\r\n\x1a", 8);
    QDataStream out(&bytes, QIODevice::Append);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    out << quint16(1) << width << height << quint32(0xffffffff) << quint32(0xff000000)
        << quint32(records.size());
    for (const QByteArray& record : records)
        out.writeRawData(record.constData(), record.size());
    return bytes;
}

// An item record: kind, then its body of common fields and the kind's own.
QByteArray genericItem(quint8 kind, const QRectF& box, const QByteArray& data,
                       const QByteArray& text = QByteArray())
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    out << qint16(1) << box.x() << box.y() << box.width() << box.height() << 0.0 << 0.0
        << quint32(0xff000000) << quint32(0);
    out << quint32(data.size());
    out.writeRawData(data.constData(), data.size());
    if (kind == 2) {
        out << quint32(text.size());
        out.writeRawData(text.constData(), text.size());
        out << qint32(12) << quint8(0x01); // stretched to fit
    }
    QByteArray record;
    QDataStream head(&record, QIODevice::WriteOnly);
    head << kind << quint32(body.size());
    return record + body;
}

} // namespace

void RenderTest::batchWithoutSymbolDatabaseEndsWithItsReason_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("exitCode");
    // The editor's module tells the user of the missing symbols in a box, which
    // nobody could close here.
    QTest::newRow("a row with arrows") << QByteArray("legend,arrows\nSTEAM,right\n") << 4;
    QTest::newRow("rows without arrows")
        << QByteArray("legend,arrows\nSTEAM,none\nAIR,none\n") << 0;
}

void RenderTest::batchWithoutSymbolDatabaseEndsWithItsReason()
{
    QFETCH(QByteArray, list);
    QFETCH(int, exitCode);
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), '-');
    const QString csv = m_dir.filePath(tag + QStringLiteral(".csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(list) == list.size());
    file.close();
    QTemporaryDir empty;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MORVANTIC_DATA_ROOT"), empty.path());

    const Run run = render({QStringLiteral("--batch"), csv, QStringLiteral("--pdf"),
                            m_dir.filePath(tag + QStringLiteral(".pdf"))},
                           environment);

    QVERIFY2(run.exitCode == exitCode, run.err.constData());
    if (exitCode != 0) {
        const QList<QByteArray> lines = run.err.trimmed().split('\n');
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains("symbol database"), lines.first().constData());
    }
}

void RenderTest::extremeLabelsAreDrawnOrRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("drawnSize"); // empty: refused
    const QByteArray arrow = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 100 100\">"
                             "<path d=\"M4 36H54V10L96 50 54 90V64H4z\"/></svg>";
    // Text stretched some thousand times wider than high crashed the glyph cache.
    QTest::newRow("fit text to a 5000 pt label, 1 pt text")
        << "fit.qypm" << pipeMarkerFile(5000, 14.4, 1, 1, QStringLiteral("AIR")) << QSize(5000, 14);
    QTest::newRow("generic label, stretched text box")
        << "stretched.qyld"
        << genericLabelFile(5000, 100,
                            {genericItem(2, QRectF(0, 0, 5000, 1), "AIR", "DejaVu Sans")})
        << QSize(5000, 100);
    // Each symbol used to keep a drawing of its whole box, 64 MiB apiece.
    // The upper edge of the arrow's shaft crosses the label at half its height.
    QList<QByteArray> large;
    QList<QByteArray> huge;
    for (int i = 0; i < 20; ++i) {
        large << genericItem(1, QRectF(-1000, 50 - 0.36 * 13824, 13824, 13824), arrow);
        huge << genericItem(1, QRectF(-1000, 50 - 0.36 * 1e6, 1e6, 1e6), arrow);
    }
    QTest::newRow("symbols as large as the largest label")
        << "large.qyld" << genericLabelFile(500, 100, large) << QSize(500, 100);
    QTest::newRow("symbols of a million points")
        << "huge.qyld" << genericLabelFile(500, 100, huge) << QSize();
}

void RenderTest::extremeLabelsAreDrawnOrRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, drawnSize);
    const QString path = m_dir.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const QString out = m_dir.filePath(name + QStringLiteral(".png"));

    // Drawing a label must not need much more than its own picture; the
    // address sanitizer's shadow memory does not fit under such a limit.
    QProcess process;
#if defined(__SANITIZE_ADDRESS__)
    process.start(QStringLiteral(VENDREL_RENDER), {path, QStringLiteral("--png"), out,
                                                   QStringLiteral("--dpi"), QStringLiteral("72")});
#else
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QStringLiteral("ulimit -v 524288 && exec \"$0\" \"$@\""),
                   QStringLiteral(VENDREL_RENDER), path, QStringLiteral("--png"), out,
                   QStringLiteral("--dpi"), QStringLiteral("72")});
#endif
    QVERIFY(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    if (drawnSize.isEmpty()) {
        QCOMPARE(process.exitCode(), 2);
        QCOMPARE(err.trimmed().split('\n').size(), 1);
        QVERIFY(!QFile::exists(out));
        return;
    }
    QVERIFY2(process.exitCode() == 0, err.constData());
    QVERIFY2(err.isEmpty(), err.constData()); // a drawing that did not fit says so here
    const QImage image(out);
    QCOMPARE(image.size(), drawnSize);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    QVERIFY2(ink > 20, "the text or the symbols are drawn");
}

QTEST_MAIN(RenderTest)
#include "tst_render.moc"
