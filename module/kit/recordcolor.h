#ifndef RECORDCOLOR_H
#define RECORDCOLOR_H

#include <QColor>
#include <QDataStream>
#include <QtGlobal>

#include <array>

// A colour as a label record stores it: the fields of a QColor in Qt 5.15's
// stream form (qint8 colour model, then quint16 alpha, red/hue/cyan, green/saturation/
// magenta, blue/value/yellow, and pad, which holds the black of a CMYK colour),
// kept exactly as read. Reading a QColor straight from a file keeps whatever model
// byte the file holds, so a damaged model byte passed for a valid colour; here the
// model and the components are checked before a QColor is made of them. A value
// that is not a valid colour is drawn with the reader's fallback colour and still
// writes back byte for byte, so the label saves back unchanged.
class RecordColor
{
public:
    // QColor's own invalid colour.
    RecordColor();
    // The colour as a record writes it. Implicit: a record colour stands for a
    // colour wherever the label is built or compared.
    RecordColor(const QColor& color);

    // The colour model is one QColor knows (not Invalid) and every component is in
    // its range: hue within a turn (or the "no hue" mark), extended components
    // finite and alpha between 0 and 1.
    bool isValid() const;
    // The colour; an invalid QColor when the value is not valid.
    QColor color() const;
    // The colour to draw: the fallback when the value is not valid.
    QColor colorOr(const QColor& fallback) const;

    // The same fields, byte for byte.
    bool operator==(const RecordColor& other) const;
    bool operator!=(const RecordColor& other) const { return !(*this == other); }

    friend QDataStream& operator<<(QDataStream& stream, const RecordColor& color);
    // A stream that runs short leaves the colour invalid; the reader judges the
    // stream's status.
    friend QDataStream& operator>>(QDataStream& stream, RecordColor& color);

private:
    static constexpr int FieldCount = 5;

    qint8 m_spec = 0;
    std::array<quint16, FieldCount> m_fields{};
};

#endif
