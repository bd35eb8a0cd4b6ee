#include "averager.h"

int main() { return Averager().average(1, 2, 4) == 7.0f / 3.0f ? 0 : 1; }
