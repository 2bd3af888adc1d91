#include "kit/sizejudgement.h"

SizeJudgement SizeJudgement::judge(double value, double recommended, double leastPrintable,
                                   double sameSizeTolerance)
{
    SizeJudgement judgement;
    judgement.fieldMarked = value + sameSizeTolerance < recommended;
    judgement.tooSmall = judgement.fieldMarked && value < leastPrintable;
    judgement.belowRecommendation = judgement.fieldMarked && !judgement.tooSmall;
    return judgement;
}
