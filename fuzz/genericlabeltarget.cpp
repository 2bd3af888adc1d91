// A generic label file ("qyld") read as the renderer reads it, onto a new canvas,
// and drawn when it was accepted.

#include "fuzzsupport.h"

#include <QBuffer>

#include <memory>

#include "canvas/mvcanvasmodel.h"
#include "files/genericlabelreader.h"

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    FuzzSupport::start((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = FuzzSupport::bytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    {
        GenericLabelReader reader;
        const std::unique_ptr<MvCanvasModel> canvas(reader.readCanvas(&buffer));
        FuzzSupport::draw(canvas.get());
    }
    FuzzSupport::finishInput();
    return 0;
}
