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

#ifdef VENDREL_FUZZ_EDITOR
// An editor keeps what the labels it opened taught it: a kind's panel may add a
// label's entries to its lists, which then grow with every input and slow each
// later one. After this many inputs the editor goes and a new one starts, in an
// emptied home, as a new window on a machine where the program never ran.
constexpr int InputsPerEditor = 250;
int inputsOfEditor = 0;
#endif

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

IVendrelInterface* makeModuleOrAbort()
{
    const LabelKind* kind = LabelKinds::byExtension(QStringLiteral(VENDREL_FUZZ_KIND));
    IVendrelInterface* module = kind ? makeModule(*kind) : nullptr;
    if (!module) {
        std::fprintf(stderr, "no module reads labels of kind %s\n", VENDREL_FUZZ_KIND);
        std::abort();
    }
    return module;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    FuzzSupport::start((*argv)[0]);
    opener = new Opener;
    opener->module = makeModuleOrAbort();
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
#ifdef VENDREL_FUZZ_EDITOR
    if (++inputsOfEditor == InputsPerEditor) {
        delete opener->module;
        FuzzSupport::finishInput();
        FuzzSupport::clearHome();
        opener->module = makeModuleOrAbort();
        inputsOfEditor = 0;
    }
#endif
    return 0;
}
