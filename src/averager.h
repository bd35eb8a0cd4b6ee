#pragma once

// Computes the arithmetic mean of three single-precision numbers. Holds no
// state: the result depends on the arguments alone.
class Averager {
public:
    float average(float first, float second, float third) const;
};
