#ifndef BENCHCONTROLLER_H
#define BENCHCONTROLLER_H

#include "pipe/pipelabel.h"
#include "pipe/vendrelcontroller.h"

// The interactive pipe marker module with its panel, as the editor builds it, with
// the label a benchmark starts from and the label value a save writes.
class BenchController : public VendrelController
{
public:
    // Opens `label` the way a label file's record is read.
    void showLabel(const PipeLabel& label);

    using VendrelController::currentLabel;
};

#endif
