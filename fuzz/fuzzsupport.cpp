#include "fuzzsupport.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtMath>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "canvas/mvcanvasmodel.h"
#include "widgets/commonlists.h"
#include "widgets/moduleresourceicons.h"

namespace {
// Large enough that every item of a label covers some pixels, small enough that
// drawing stays a fraction of an input's time.
constexpr int PictureSide = 256;

bool verbose = false;

// Goes when the process ends, and its folder with it.
std::unique_ptr<QTemporaryDir> home;

void messageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (verbose || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}
} // namespace

void FuzzSupport::start(const char* programName)
{
    // QApplication keeps references to these for its whole life.
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(programName), nullptr};

    home = std::make_unique<QTemporaryDir>();
    if (!home->isValid()) {
        std::fprintf(stderr, "no temporary folder for the home: %s\n",
                     qUtf8Printable(home->errorString()));
        std::abort();
    }
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, QFile::encodeName(home->path()));

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("MORVANTIC_DATA_ROOT"))
        qputenv("MORVANTIC_DATA_ROOT", VENDREL_FUZZ_DATA_ROOT);
    verbose = qEnvironmentVariableIntValue("VENDREL_FUZZ_VERBOSE") != 0;
    qInstallMessageHandler(messageHandler);

    // Lives until the process ends: Qt's own globals go before it at exit.
    new QApplication(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
    CommonLists::createValidFontFamilies();
}

void FuzzSupport::clearHome()
{
    QDir folder(home->path());
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        const QString path = folder.filePath(entry);
        if (!QDir(path).removeRecursively())
            QFile::remove(path);
    }
}

QByteArray FuzzSupport::bytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
}

int FuzzSupport::pieceLength(const QByteArray& bytes, int longest)
{
    return bytes.isEmpty() ? 1 : 1 + static_cast<unsigned char>(bytes[0]) % longest;
}

void FuzzSupport::require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fault: %s\n", what);
        std::abort();
    }
}

void FuzzSupport::draw(MvCanvasModel* canvas)
{
    if (!canvas)
        return;
    const QSizeF points = canvas->getCanvasSize();
    if (points.isEmpty())
        return;
    const QSizeF fitted = points.scaled(PictureSide, PictureSide, Qt::KeepAspectRatio);
    const QSize pixels(qMax(1, qCeil(fitted.width())), qMax(1, qCeil(fitted.height())));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    canvas->renderCanvas(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
}

void FuzzSupport::finishInput()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
