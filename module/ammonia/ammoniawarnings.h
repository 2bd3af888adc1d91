#ifndef AMMONIAWARNINGS_H
#define AMMONIAWARNINGS_H

#include "ammonia/ammoniastatuserrortype.h"

#include <QMap>
#include <QString>

// What each ammonia warning says, in the user's language; kept by the module, so
// that code without a panel can word a label's warnings too.
class AmmoniaWarnings
{
public:
    AmmoniaWarnings() = delete;

    // Empty for a warning without a text (NoError).
    static QString text(AmmoniaVendrel::StatusErrorType warning);
    // Every warning that has a text, keyed by its number, as a warning board takes them.
    static QMap<int, QString> texts();
};

#endif
