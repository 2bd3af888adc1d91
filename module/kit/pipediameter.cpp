#include "kit/pipediameter.h"

#include <QRegularExpression>

#include <cmath>

namespace {
// A bound typed the way the table lists it counts as the bound, also after the
// rounding of a spreadsheet ("1.2500000001").
constexpr double BoundTolerance = 1e-6;

bool readNumber(QString text, double* value)
{
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok && std::isfinite(*value);
}
} // namespace

bool PipeDiameter::parse(const QString& text, const Unit* defaultUnit, PipeDiameter* diameter,
                         QString* error)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(?:(\\d+)(?:\\s+|\\s*-\\s*)(?=\\d+\\s*/))?" // whole part of "1 1/4"
                       "(\\d+(?:[.,]\\d+)?)(?:\\s*/\\s*(\\d+))?"         // number or fraction
                       "\\s*(in|inch|inches|\"|''|mm)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        *error = QStringLiteral("\"%1\" is no pipe size (a number with in or mm)").arg(text);
        return false;
    }
    double value = 0.0;
    if (!readNumber(match.captured(2), &value)) {
        *error = QStringLiteral("\"%1\" is no pipe size").arg(text);
        return false;
    }
    if (!match.captured(3).isEmpty()) {
        const double denominator = match.captured(3).toDouble();
        if (denominator <= 0.0 || match.captured(2).contains(QLatin1Char('.')) ||
            match.captured(2).contains(QLatin1Char(','))) {
            *error = QStringLiteral("\"%1\" is no fraction").arg(text);
            return false;
        }
        value /= denominator;
    }
    if (!match.captured(1).isEmpty())
        value += match.captured(1).toDouble();

    const QString unit = match.captured(4).toLower();
    Unit found = Inches;
    if (unit == QLatin1String("mm")) {
        found = Millimetres;
    } else if (unit.isEmpty()) {
        if (!defaultUnit) {
            *error = QStringLiteral("\"%1\" needs its unit, in or mm").arg(text);
            return false;
        }
        found = *defaultUnit;
    }
    if (value <= 0.0) {
        *error = QStringLiteral("\"%1\" is no pipe size").arg(text);
        return false;
    }
    *diameter = PipeDiameter(value, found);
    return true;
}

bool PipeDiameter::within(const Range& range) const
{
    // The bound that an open row names belongs to the row beside it.
    if (range.openBelow)
        return m_value < range.high - BoundTolerance;
    if (range.openAbove)
        return m_value > range.low + BoundTolerance;
    return m_value >= range.low - BoundTolerance && m_value <= range.high + BoundTolerance;
}

QString PipeDiameter::text() const
{
    return QStringLiteral("%1 %2")
        .arg(m_value, 0, 'g', 6)
        .arg(m_unit == Inches ? QStringLiteral("in") : QStringLiteral("mm"));
}
