// The inter-process service's command reader, fed the bytes of a client as they
// may arrive: whole, and cut into pieces at the places the input itself names.
// Both must give the same commands, and the reader never holds more than a line.

#include "fuzzsupport.h"
#include "print/ipccommandreader.h"

namespace {
QList<IpcCommandReader::Command> read(const QByteArray& bytes, int pieceLength)
{
    IpcCommandReader reader;
    QList<IpcCommandReader::Command> commands;
    for (int from = 0; from < bytes.size(); from += pieceLength) {
        commands += reader.feed(bytes.mid(from, pieceLength));
        FuzzSupport::require(reader.pending() <= IpcCommandReader::MaxLineLength,
                             "the reader holds more than a line");
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
    const int pieceLength = FuzzSupport::pieceLength(bytes, 17);
    const auto whole = read(bytes, qMax(1, bytes.size()));
    const auto pieces = read(bytes, pieceLength);
    FuzzSupport::require(whole.size() == pieces.size(), "the readings differ in their commands");
    for (int i = 0; i < whole.size(); ++i) {
        FuzzSupport::require(whole[i].kind == pieces[i].kind &&
                                 whole[i].argument == pieces[i].argument,
                             "the readings differ in a command");
        FuzzSupport::require(whole[i].kind != IpcCommandReader::Command::QueueClear ||
                                 whole[i].argument >= 0,
                             "a queue to clear below zero");
        FuzzSupport::require(whole[i].text.size() <= 64, "a command's text beyond 64 characters");
    }
    return 0;
}
