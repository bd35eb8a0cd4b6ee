#include "averager.h"

float Averager::average(float first, float second, float third) const
{
    // A double holds every float exactly and has the range to add three of
    // them without overflow, so the only rounding to float is the last one.
    const double sum
        = static_cast<double>(first) + static_cast<double>(second) + static_cast<double>(third);
    return static_cast<float>(sum / 3.0);
}
