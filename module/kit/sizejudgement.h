#ifndef SIZEJUDGEMENT_H
#define SIZEJUDGEMENT_H

// How a label size stands against the recommendation for its pipe and against
// what the printer can still print: a size below the recommendation marks its
// field, and switches on either the "too small to print" warning or, while it
// still prints, the "below recommendation" warning; never both.
class SizeJudgement
{
public:
    bool fieldMarked = false;
    bool tooSmall = false;
    bool belowRecommendation = false;

    // Values within `sameSizeTolerance` below the recommendation count as meeting
    // it (sizes that went through unit conversions); the least printable value
    // is compared as it is.
    static SizeJudgement judge(double value, double recommended, double leastPrintable,
                               double sameSizeTolerance = 0.0);
};

#endif
