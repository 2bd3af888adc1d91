#ifndef BASICCONVERSIONS_H
#define BASICCONVERSIONS_H

class BasicConversions
{
public:
    // True when a and b differ by strictly less than epsilon.
    static bool almostEqual(double a, double b, double epsilon);
};

#endif
