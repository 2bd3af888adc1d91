#ifndef GENERICLABELFORMAT_H
#define GENERICLABELFORMAT_H

#include <QtGlobal>

// Constants of the generic label file ("qyld"), shared by its writer and
// reader. The byte layout is described in docs/qyld-format.md.
namespace GenericLabelFormat {

constexpr const char* Extension = "qyld";
// 0x89 keeps the file from passing for text; the CR LF and 0x1A pair shows
// up damage from a text-mode transfer right at the start.
constexpr char Signature[8] = {'\x89', 'Q', 'Y', 'L', 'D', '\r', '\n', '\x1a'};
constexpr quint16 Version = 1;

enum ItemKind : quint8
{
    SymbolKind = 1,
    TextKind = 2
};

enum TextFlag : quint8
{
    StretchToFit = 0x01,
    LabelStyle = 0x02,
    Vertical = 0x04,
    ReadOnly = 0x08
};

// Bytes of the fields every item body starts with: id, x, y, width, height,
// rotation, z, foreground, background.
constexpr int CommonBodySize = 2 + 6 * 8 + 2 * 4;

// Sanity bounds for values read from a file; a label never comes near them.
// They also bound what drawing a file may cost: no item box is larger than
// the largest canvas, and a label holds at most MaxItemCount items (a
// wrapped arrow strip, the busiest label, has about a hundred).
constexpr double MaxCanvasLength = 13824.0;
constexpr double MaxBoxLength = MaxCanvasLength;
constexpr double MaxCoordinate = 1.0e6;
constexpr qint32 MaxFontSize = 100000;
constexpr quint32 MaxItemCount = 4096;
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

} // namespace GenericLabelFormat

#endif
