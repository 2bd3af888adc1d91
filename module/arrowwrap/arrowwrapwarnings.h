#ifndef ARROWWRAPWARNINGS_H
#define ARROWWRAPWARNINGS_H

#include "arrowwrap/arrowwrapstatuserrortype.h"

#include <QMap>
#include <QString>

// What each arrow wrap warning says, in the user's language; kept by the module, so
// that code without a panel can word a label's warnings too.
class ArrowWrapWarnings
{
public:
    ArrowWrapWarnings() = delete;

    // Empty for a warning without a text (NoError).
    static QString text(ArrowWrap::StatusErrorType warning);
    // Every warning that has a text, keyed by its number, as a warning board takes them.
    static QMap<int, QString> texts();
};

#endif
