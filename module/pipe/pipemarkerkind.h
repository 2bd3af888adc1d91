#ifndef PIPEMARKERKIND_H
#define PIPEMARKERKIND_H

#include "kit/labelkind.h"

// The pipe marker's row of the label kinds table.
class PipeMarkerKind
{
public:
    PipeMarkerKind() = delete;

    static const LabelKind& row();
};

#endif
