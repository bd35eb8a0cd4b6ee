#include "averager.h"

// x87 code keeps intermediates in 80-bit registers and so rounds twice; the
// mean must come from binary64 operations, each rounded to double.
#if defined(__i386__) && !defined(__SSE2_MATH__)
#error "32-bit x86 builds need SSE2 math (-msse2 -mfpmath=sse)"
#endif

float Averager::average(float first, float second, float third) const
{
    // A double holds every float exactly and has the range to add three of
    // them without overflow, so the only rounding to float is the last one.
    const double sum
        = static_cast<double>(first) + static_cast<double>(second) + static_cast<double>(third);
    return static_cast<float>(sum / 3.0);
}
