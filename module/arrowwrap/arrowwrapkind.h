#ifndef ARROWWRAPKIND_H
#define ARROWWRAPKIND_H

#include "kit/labelkind.h"

// The arrow wrap's row of the label kinds table.
class ArrowWrapKind
{
public:
    ArrowWrapKind() = delete;

    static const LabelKind& row();
};

#endif
