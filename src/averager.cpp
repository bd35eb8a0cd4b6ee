#include "averager.h"

#include <cfloat>

// x87 code keeps intermediates in 80-bit registers, rounded to 64-bit
// significands rather than to double; the mean must come from binary64
// operations, each rounded to double, or it can differ in the last place.
#if FLT_EVAL_METHOD == 2 || (defined(_M_IX86_FP) && _M_IX86_FP < 2)
#error "32-bit x86 builds need SSE2 math (-msse2 -mfpmath=sse, or /arch:SSE2)"
#endif

float Averager::average(float first, float second, float third) const
{
    // A double holds every float exactly and has the range to add three of
    // them without overflow, so the only rounding to float is the last one.
    const double sum
        = static_cast<double>(first) + static_cast<double>(second) + static_cast<double>(third);
    return static_cast<float>(sum / 3.0);
}
