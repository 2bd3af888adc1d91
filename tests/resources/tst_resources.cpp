#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QtTest>

// The resource sits in a static library: without a reference the linker drops it.
static void initModuleResource()
{
    Q_INIT_RESOURCE(module);
}

namespace {

struct Picture
{
    QString path;
    QSize size;
};

// Every picture the editor loads by path, with the size it is made at.
const QList<Picture>& pictures()
{
    static const QList<Picture> list = {
        {":/Common/Icons/CommonIcons/new.png", {70, 97}},
        {":/Common/Icons/CommonIcons/open.png", {70, 97}},
        {":/Common/Icons/CommonIcons/save.png", {70, 97}},
        {":/Common/Icons/CommonIcons/save-as.png", {70, 97}},
        {":/Common/Icons/CommonIcons/export.png", {70, 97}},
        {":/Common/Icons/CommonIcons/printer-settings.png", {70, 97}},
        {":/Common/Icons/CommonIcons/printer-settings_orange.png", {70, 97}},
        {":/Common/Icons/CommonIcons/pipeOption.png", {64, 46}},
        {":/Common/Icons/CommonIcons/ammoniaOption.png", {64, 46}},
        {":/Common/Icons/CommonIcons/arrowWrapOption.png", {64, 46}},
        {":/Common/Icons/CommonIcons/vendrel.png", {128, 128}},
        {":/Common/Icons/CommonIcons/add-arrow.png", {69, 58}},
        {":/Pipe/Icons/PipeIcons/portrait.png", {48, 48}},
        {":/Pipe/Icons/PipeIcons/landscape.png", {48, 48}},
        {":/Pipe/Icons/PipeIcons/add-symbol.png", {48, 48}},
        {":/Splash/Icons/Splash/vendrel-splash.png", {480, 270}},
        {":/Ammonia/Icons/AmmoniaPlaceholders/liq.svg", {100, 240}},
        {":/Ammonia/Icons/AmmoniaPlaceholders/vap.svg", {100, 240}},
        {":/Ammonia/Icons/AmmoniaPlaceholders/high.svg", {100, 240}},
        {":/Ammonia/Icons/AmmoniaPlaceholders/low.svg", {100, 240}},
        {":/Ammonia/Icons/AmmoniaIcons/liq.png", {80, 192}},
        {":/Ammonia/Icons/AmmoniaIcons/liq_orange.png", {80, 192}},
        {":/Ammonia/Icons/AmmoniaIcons/vap.png", {80, 192}},
        {":/Ammonia/Icons/AmmoniaIcons/high.png", {80, 192}},
        {":/Ammonia/Icons/AmmoniaIcons/low.png", {80, 192}},
        {":/Ammonia/Icons/AmmoniaIcons/set-state.svg", {48, 48}},
        {":/Ammonia/Icons/AmmoniaIcons/set-level.svg", {48, 48}},
        {":/Ammonia/Icons/AmmoniaParts/liq.svg", {100, 240}},
        {":/Ammonia/Icons/AmmoniaParts/vap.svg", {100, 240}},
        {":/Ammonia/Icons/AmmoniaParts/high.svg", {100, 240}},
        {":/Ammonia/Icons/AmmoniaParts/low.svg", {100, 240}},
        {":/ArrowWrap/Icons/AmmoniaIcons/set-state.svg", {48, 48}},
    };
    return list;
}

bool isSvg(const QString& path)
{
    return path.endsWith(QLatin1String(".svg"));
}

// The picture as the program shows it: PNGs as they are, SVGs drawn at the given size.
QImage load(const QString& path, const QSize& size)
{
    if (!isSvg(path))
        return QImage(path).convertToFormat(QImage::Format_ARGB32);
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return QImage();
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

// Sum of the alpha of all pixels, as a share of a fully covered picture.
double coverage(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qAlpha(image.pixel(x, y));
    return sum / (255.0 * image.width() * image.height());
}

// Every picture on the dark bar colour and on the light panel colour, for a person to look at.
void writeContactSheet(const QString& fileName)
{
    const int cell = 140;
    const int columns = 8;
    const int rows = (pictures().size() + columns - 1) / columns;
    QImage sheet(columns * cell, rows * 2 * cell, QImage::Format_ARGB32);
    QPainter painter(&sheet);
    for (int row = 0; row < rows; ++row) {
        painter.fillRect(0, row * 2 * cell, sheet.width(), cell, QColor("#2b2b2b"));
        painter.fillRect(0, (row * 2 + 1) * cell, sheet.width(), cell, QColor("#f2f2f2"));
    }
    for (int i = 0; i < pictures().size(); ++i) {
        const Picture& picture = pictures().at(i);
        QImage image = load(picture.path, picture.size);
        if (image.width() > cell - 10 || image.height() > cell - 10)
            image =
                image.scaled(cell - 10, cell - 10, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        for (int band = 0; band < 2; ++band) {
            const QPoint origin((i % columns) * cell, ((i / columns) * 2 + band) * cell);
            painter.drawImage(
                origin + QPoint((cell - image.width()) / 2, (cell - image.height()) / 2), image);
        }
    }
    painter.end();
    sheet.save(fileName);
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pictureLoadsAtItsSize_data();
    void pictureLoadsAtItsSize();
    void labelDrawingIsOneColourWithoutFonts_data();
    void labelDrawingIsOneColourWithoutFonts();
    void placeholderIsFainterThanItsPart_data();
    void placeholderIsFainterThanItsPart();
    void tagPictureShowsTheTagColour_data();
    void tagPictureShowsTheTagColour();
    void arrowWrapStateIconIsTheAmmoniaOne();
};

void TestResources::initTestCase()
{
    initModuleResource();
}

void TestResources::cleanupTestCase()
{
    const QString sheet = qEnvironmentVariable("VENDREL_CONTACT_SHEET");
    if (!sheet.isEmpty())
        writeContactSheet(sheet);
}

void TestResources::pictureLoadsAtItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const Picture& picture : pictures())
        QTest::newRow(qPrintable(picture.path)) << picture.path << picture.size;
}

void TestResources::pictureLoadsAtItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    if (isSvg(path)) {
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);
    } else {
        const QPixmap pixmap(path);
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.size(), size);
    }
    // A drawing that parses but paints next to nothing is an empty button.
    QVERIFY2(coverage(load(path, size)) > 0.05, "the picture is (nearly) empty");
}

void TestResources::labelDrawingIsOneColourWithoutFonts_data()
{
    QTest::addColumn<QString>("path");
    for (const char* folder : {"AmmoniaParts", "AmmoniaPlaceholders"})
        for (const char* word : {"liq", "vap", "high", "low"}) {
            const QString path = QString(":/Ammonia/Icons/%1/%2.svg")
                                     .arg(QLatin1String(folder), QLatin1String(word));
            QTest::newRow(qPrintable(path)) << path;
        }
}

// The canvas paints these in the label's text colour, so any second colour
// would be lost; text elements would print in whatever font the machine has.
void TestResources::labelDrawingIsOneColourWithoutFonts()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("<text"));

    const QImage image = load(path, QSize(100, 240));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 0 && (qRed(pixel) | qGreen(pixel) | qBlue(pixel)) != 0)
                QFAIL(qPrintable(
                    QString("colour %1 at %2,%3").arg(QColor(pixel).name()).arg(x).arg(y)));
        }
}

void TestResources::placeholderIsFainterThanItsPart_data()
{
    QTest::addColumn<QString>("word");
    for (const char* word : {"liq", "vap", "high", "low"})
        QTest::newRow(word) << QString(word);
}

// A placeholder printed on the label must not pass for the tag stuck over it.
void TestResources::placeholderIsFainterThanItsPart()
{
    QFETCH(QString, word);
    const QSize size(100, 240);
    const double part = coverage(load(":/Ammonia/Icons/AmmoniaParts/" + word + ".svg", size));
    const double placeholder =
        coverage(load(":/Ammonia/Icons/AmmoniaPlaceholders/" + word + ".svg", size));
    QVERIFY2(placeholder > 0.0 && placeholder < 0.6 * part,
             qPrintable(QString("placeholder %1, part %2").arg(placeholder).arg(part)));
}

void TestResources::tagPictureShowsTheTagColour_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QColor>("colour");
    // liq.png goes with an orange label, so it shows the yellow tag, and the other way round.
    QTest::newRow("liq") << ":/Ammonia/Icons/AmmoniaIcons/liq.png" << QColor("#fedb00");
    QTest::newRow("liq_orange") << ":/Ammonia/Icons/AmmoniaIcons/liq_orange.png"
                                << QColor("#f28000");
    QTest::newRow("vap") << ":/Ammonia/Icons/AmmoniaIcons/vap.png" << QColor("#41b6e6");
    QTest::newRow("high") << ":/Ammonia/Icons/AmmoniaIcons/high.png" << QColor("#dc0b0b");
    QTest::newRow("low") << ":/Ammonia/Icons/AmmoniaIcons/low.png" << QColor("#248d4f");
}

void TestResources::tagPictureShowsTheTagColour()
{
    QFETCH(QString, path);
    QFETCH(QColor, colour);
    const QImage image = load(path, QSize());
    QVERIFY(!image.isNull());
    // Inside the tag's frame, above the word.
    QCOMPARE(QColor(image.pixel(image.width() / 2, image.height() / 15)).name(), colour.name());
}

void TestResources::arrowWrapStateIconIsTheAmmoniaOne()
{
    QFile ammonia(":/Ammonia/Icons/AmmoniaIcons/set-state.svg");
    QFile arrowWrap(":/ArrowWrap/Icons/AmmoniaIcons/set-state.svg");
    QVERIFY(ammonia.open(QIODevice::ReadOnly));
    QVERIFY(arrowWrap.open(QIODevice::ReadOnly));
    QCOMPARE(arrowWrap.readAll(), ammonia.readAll());
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
