#ifndef VENDRELWARNINGS_H
#define VENDRELWARNINGS_H

#include "pipe/vendrelstatuserrortype.h"

#include <QMap>
#include <QString>

// What each pipe marker warning says, in the user's language. The texts belong to
// the module rather than its panel, so that code without a panel can word a
// label's warnings too.
class VendrelWarnings
{
public:
    VendrelWarnings() = delete;

    // Empty for a warning without a text (NoError).
    static QString text(Vendrel::StatusErrorType warning);
    // Every warning that has a text, keyed by its number, as a warning board takes them.
    static QMap<int, QString> texts();
};

#endif
