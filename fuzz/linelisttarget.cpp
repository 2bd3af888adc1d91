// A plant's line list (CSV) read as vendrel-render --batch reads it: the header,
// then every row as an entry, a bad row or the point where the list breaks off.
// The list is read twice: whole, and from a device that hands it over in pieces
// as short as the input's first byte chooses, so that the boundaries of the
// reader's chunks, which a list longer than 64 KiB meets, fall anywhere in a
// character, a quoted field or a line end. Both readings must agree, row by row.

#include "fuzzsupport.h"
#include "linelist.h"

#include <QBuffer>

#include <algorithm>

namespace {
// A file that gives at most a few bytes per read, as a pipe or a slow disk may.
class PieceDevice : public QIODevice
{
public:
    PieceDevice(const QByteArray& bytes, int pieceLength)
        : m_bytes(bytes), m_pieceLength(pieceLength)
    {
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override
    {
        return m_bytes.size() - m_position + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 length =
            qMin<qint64>(qMin<qint64>(maxSize, m_pieceLength), m_bytes.size() - m_position);
        std::copy_n(m_bytes.constData() + m_position, length, data);
        m_position += int(length);
        return length;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    int m_pieceLength;
    int m_position = 0;
};

struct Step
{
    LineList::Result result;
    int line;
    QString error;
    LineList::Entry entry;
};

bool sameEntry(const LineList::Entry& a, const LineList::Entry& b)
{
    return a.line == b.line && a.kind == b.kind && a.quantity == b.quantity && a.file == b.file &&
           a.row.legend == b.row.legend &&
           a.row.diameter.has_value() == b.row.diameter.has_value() &&
           (!a.row.diameter || (a.row.diameter->value() == b.row.diameter->value() &&
                                a.row.diameter->unit() == b.row.diameter->unit())) &&
           a.row.arrows == b.row.arrows && a.row.bandRow == b.row.bandRow &&
           a.row.portrait == b.row.portrait && a.row.wrap == b.row.wrap &&
           a.row.component == b.row.component;
}

// Every step of reading the list, the header first (its result is End when
// there is none). A row starts on a later line than the one before it, and a list
// read to its end or broken off gives nothing more.
QVector<Step> read(QIODevice* device)
{
    QVector<Step> steps;
    LineList list(device);
    const bool header = list.readHeader();
    steps.append(
        {header ? LineList::Result::Entry : LineList::Result::End, list.line(), list.error(), {}});
    if (!header)
        return steps;
    int lastLine = list.line();
    for (;;) {
        Step step;
        step.result = list.next(&step.entry);
        step.line = list.line();
        step.error = list.error();
        steps.append(step);
        if (step.result == LineList::Result::End || step.result == LineList::Result::Broken) {
            LineList::Entry after;
            const LineList::Result again = list.next(&after);
            FuzzSupport::require(again == LineList::Result::End ||
                                     again == LineList::Result::Broken,
                                 "a row after the end of the list");
            return steps;
        }
        FuzzSupport::require(step.line > lastLine,
                             "a row that does not start after the row before it");
        lastLine = step.line;
        if (step.result == LineList::Result::Entry) {
            FuzzSupport::require(step.entry.line == step.line,
                                 "an entry on another line than the row read");
            FuzzSupport::require(step.entry.quantity >= 1 &&
                                     step.entry.quantity <= LineList::MostCopies,
                                 "a quantity out of range");
            FuzzSupport::require(!step.entry.row.diameter || step.entry.row.diameter->value() > 0.0,
                                 "a pipe size that is not positive");
        } else {
            FuzzSupport::require(!step.error.isEmpty(), "a bad row without a reason");
        }
    }
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
    const int pieceLength = FuzzSupport::pieceLength(bytes, 7);

    QByteArray wholeBytes = bytes;
    QBuffer whole(&wholeBytes);
    whole.open(QIODevice::ReadOnly);
    const QVector<Step> fromWhole = read(&whole);

    PieceDevice pieces(bytes, pieceLength);
    pieces.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    const QVector<Step> fromPieces = read(&pieces);

    FuzzSupport::require(fromWhole.size() == fromPieces.size(),
                         "the readings differ in their number of rows");
    for (int i = 0; i < fromWhole.size(); ++i) {
        const Step& a = fromWhole.at(i);
        const Step& b = fromPieces.at(i);
        FuzzSupport::require(a.result == b.result && a.line == b.line && a.error == b.error,
                             "the readings differ in a row's result");
        FuzzSupport::require(sameEntry(a.entry, b.entry), "the readings differ in a row's values");
    }
    return 0;
}
