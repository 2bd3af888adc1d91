#ifndef DECIMALPOINTVALIDATOR_H
#define DECIMALPOINTVALIDATOR_H

#include <QDoubleValidator>

// A number field's validator in the C locale, the one QString::toDouble reads,
// that also takes the user's own decimal mark: typed "50,5" under a decimal-comma
// locale becomes "50.5" as it is typed, instead of being dropped to "505".
class DecimalPointValidator : public QDoubleValidator
{
    Q_OBJECT

public:
    DecimalPointValidator(double bottom, double top, int decimals, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};

#endif
