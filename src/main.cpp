#include "averager.h"
#include "number_reader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

int main()
{
    Averager Stats1;
    float unum1 = 0;
    float unum2 = 0;
    float unum3 = 0;
    const auto failed = [](const char* what, const auto& reason) {
        std::cerr << "average: cannot " << what << ": " << reason << '\n';
        return 1;
    };
    // The prompt is flushed here, not by the first read, so that a failed
    // write is seen while errno holds its cause, if the write gave one.
    errno = 0;
    if (!(std::cout << "Please input three numbers to average: " << std::flush)) {
        return failed("write the prompt", errno != 0 ? std::strerror(errno) : "write error");
    }
    NumberReader Input1(std::cin, stdin);
    if (const auto reason = Input1.read(unum1)) {
        return failed("read the first number", *reason);
    }
    if (const auto reason = Input1.read(unum2)) {
        return failed("read the second number", *reason);
    }
    if (const auto reason = Input1.read(unum3)) {
        return failed("read the third number", *reason);
    }
    errno = 0;
    if (!(std::cout << "Average: " << Stats1.average(unum1, unum2, unum3) << std::endl)) {
        return failed("write the result", errno != 0 ? std::strerror(errno) : "write error");
    }
    return 0;
}
