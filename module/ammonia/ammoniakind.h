#ifndef AMMONIAKIND_H
#define AMMONIAKIND_H

#include "kit/labelkind.h"

// The ammonia pipe marker's row of the label kinds table.
class AmmoniaKind
{
public:
    AmmoniaKind() = delete;

    static const LabelKind& row();
};

#endif
