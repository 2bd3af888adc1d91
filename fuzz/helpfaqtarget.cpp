// The help window's file of frequently asked questions, read as the window reads
// it (as text, icons looked up by the paths it names).

#include "fuzzsupport.h"
#include "window/vendrelhelp.h"

#include <QBuffer>

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    FuzzSupport::start((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = FuzzSupport::bytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    VendrelHelp::readFaqs(&buffer);
    FuzzSupport::finishInput();
    return 0;
}
