// The inter-process service's command reader, fed the bytes of a client as they
// may arrive: whole, and cut into pieces at the places the input itself names.
// Both must give the same commands, and the reader never holds more than a line.

#include "fuzzsupport.h"
#include "print/ipccommandreader.h"

#include <cstdlib>

namespace {
void check(bool condition)
{
    if (!condition)
        std::abort();
}

QList<IpcCommandReader::Command> read(const QByteArray& bytes, int pieceLength)
{
    IpcCommandReader reader;
    QList<IpcCommandReader::Command> commands;
    for (int from = 0; from < bytes.size(); from += pieceLength) {
        commands += reader.feed(bytes.mid(from, pieceLength));
        check(reader.pending() <= IpcCommandReader::MaxLineLength);
    }
    return commands;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    FuzzSupport::start((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = FuzzSupport::bytes(data, size);
    // The first byte chooses how small the pieces of the second reading are.
    const int pieceLength = bytes.isEmpty() ? 1 : 1 + static_cast<unsigned char>(bytes[0]) % 17;
    const auto whole = read(bytes, qMax(1, bytes.size()));
    const auto pieces = read(bytes, pieceLength);
    check(whole.size() == pieces.size());
    for (int i = 0; i < whole.size(); ++i) {
        check(whole[i].kind == pieces[i].kind);
        check(whole[i].argument == pieces[i].argument);
        check(whole[i].kind != IpcCommandReader::Command::QueueClear || whole[i].argument >= 0);
        check(whole[i].text.size() <= 64);
    }
    return 0;
}
