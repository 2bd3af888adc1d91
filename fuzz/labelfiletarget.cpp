// A label file of one kind (VENDREL_FUZZ_KIND, its extension) opened as the file
// controller opens it: the container header, the preview, then the kind's record,
// read by the kind's headless loader as the renderer does, or with
// VENDREL_FUZZ_EDITOR by the editor's module with its panel. A record read whole
// is drawn.

#include "files/labelfileheader.h"
#include "files/pipefilecontroller.h"
#include "fuzzsupport.h"
#include "kinds/labelkinds.h"
#include "kit/ivendrelinterface.h"
#include "kit/labelkind.h"
#include "kit/labellimits.h"

#include <QBuffer>
#include <QDataStream>

#include <cstdio>
#include <cstdlib>

#include "canvas/mvcanvasmodel.h"

namespace {
struct Opener
{
    IVendrelInterface* module = nullptr;
    QStringList formats;
    QString path;
};

Opener* opener = nullptr;

IVendrelInterface* makeModule(const LabelKind& kind)
{
#ifdef VENDREL_FUZZ_EDITOR
    return kind.makeModule(kind, nullptr);
#else
    if (!kind.makeLoader)
        return nullptr;
    // The canvas the renderer gives a loader.
    auto* canvas = new MvCanvasModel(QList<QColor>{Qt::black, QColor(kind.secondPaletteColor)},
                                     LabelLimits::MaxLength, LabelLimits::MaxLength,
                                     kind.defaultSize.width(), kind.defaultSize.height());
    canvas->setShowEmptyTextMarker(false);
    IVendrelInterface* loader = kind.makeLoader(nullptr);
    loader->setCanvas(canvas);
    return loader;
#endif
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    FuzzSupport::start((*argv)[0]);
    const LabelKind* kind = LabelKinds::byExtension(QStringLiteral(VENDREL_FUZZ_KIND));
    IVendrelInterface* module = kind ? makeModule(*kind) : nullptr;
    if (!module) {
        std::fprintf(stderr, "no module reads labels of kind %s\n", VENDREL_FUZZ_KIND);
        std::abort();
    }
    opener = new Opener;
    opener->module = module;
    opener->formats = PipeFileController::initializePipeFileTypes().keys();
    opener->path = QStringLiteral("label." VENDREL_FUZZ_KIND);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = FuzzSupport::bytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    if (!LabelFileHeader::read(stream, opener->path, opener->formats).isOk() ||
        !LabelFileHeader::skipPreview(stream).isOk())
        return 0;
    opener->module->loadPipeInfo(stream);
    if (stream.status() == QDataStream::Ok)
        FuzzSupport::draw(opener->module->getCanvas());
    FuzzSupport::finishInput();
    return 0;
}
