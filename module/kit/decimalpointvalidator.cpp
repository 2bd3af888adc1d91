#include "kit/decimalpointvalidator.h"

#include <QLocale>

DecimalPointValidator::DecimalPointValidator(double bottom, double top, int decimals,
                                             QObject* parent)
    : QDoubleValidator(bottom, top, decimals, parent)
{
    setNotation(QDoubleValidator::StandardNotation);
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    setLocale(c);
}

QValidator::State DecimalPointValidator::validate(QString& input, int& pos) const
{
    // Only the mark of the user's locale is taken for the point: where the comma
    // groups thousands, "1,000" stays refused rather than read as 1.
    const QChar mark = QLocale().decimalPoint();
    if (mark != QLatin1Char('.'))
        input.replace(mark, QLatin1Char('.'));
    return QDoubleValidator::validate(input, pos);
}
