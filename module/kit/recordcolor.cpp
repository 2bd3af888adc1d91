#include "kit/recordcolor.h"

#include <QByteArray>

namespace {
// The stream form the label files use; older forms wrote colours differently.
constexpr QDataStream::Version FileStreamVersion = QDataStream::Qt_5_15;

// A hue is kept in hundredths of a degree; this mark means "no hue" (grey).
constexpr quint16 HueCount = 36000;
constexpr quint16 NoHue = 0xffff;

// Extended components are IEEE half floats: all exponent bits set is infinity or
// not a number. Positive halves order as their bits do.
constexpr quint16 HalfExponent = 0x7c00;
constexpr quint16 HalfSign = 0x8000;
constexpr quint16 HalfOne = 0x3c00;

bool halfIsFinite(quint16 bits)
{
    return (bits & HalfExponent) != HalfExponent;
}

bool halfIsUnit(quint16 bits)
{
    const bool zero = (bits & ~HalfSign) == 0;
    return zero || ((bits & HalfSign) == 0 && bits <= HalfOne);
}
} // namespace

RecordColor::RecordColor() : RecordColor(QColor()) {}

RecordColor::RecordColor(const QColor& color)
{
    // Qt's own writer gives the fields exactly as a file written by Qt holds them.
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(FileStreamVersion);
        out << color;
    }
    QDataStream in(bytes);
    in.setVersion(FileStreamVersion);
    in >> *this;
}

bool RecordColor::isValid() const
{
    switch (m_spec) {
    case QColor::Rgb:
    case QColor::Cmyk:
        // Every 16-bit value is a component.
        return true;
    case QColor::Hsv:
    case QColor::Hsl: {
        const quint16 hue = m_fields[1];
        return hue < HueCount || hue == NoHue;
    }
    case QColor::ExtendedRgb:
        return halfIsUnit(m_fields[0]) && halfIsFinite(m_fields[1]) && halfIsFinite(m_fields[2]) &&
               halfIsFinite(m_fields[3]);
    default:
        return false;
    }
}

QColor RecordColor::color() const
{
    if (!isValid())
        return QColor();
    // Checked, the fields are what Qt's reader accepts as they are.
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(FileStreamVersion);
        out << *this;
    }
    QDataStream in(bytes);
    in.setVersion(FileStreamVersion);
    QColor color;
    in >> color;
    return color;
}

QColor RecordColor::colorOr(const QColor& fallback) const
{
    return isValid() ? color() : fallback;
}

bool RecordColor::operator==(const RecordColor& other) const
{
    return m_spec == other.m_spec && m_fields == other.m_fields;
}

QDataStream& operator<<(QDataStream& stream, const RecordColor& color)
{
    stream << color.m_spec;
    for (const quint16 field : color.m_fields)
        stream << field;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, RecordColor& color)
{
    stream >> color.m_spec;
    for (quint16& field : color.m_fields)
        stream >> field;
    return stream;
}
