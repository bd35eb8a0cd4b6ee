#include "averager.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>

int main()
{
    Averager Stats1;
    float unum1 = 0;
    float unum2 = 0;
    float unum3 = 0;

    const auto cannot_write = [](const char* what) {
        std::cerr << "average: cannot write the " << what << ": " << std::strerror(errno) << '\n';
        return 1;
    };
    // Flushed here rather than by the first read, so that a failed write is
    // seen while errno still holds its cause.
    if (!(std::cout << "Please input three numbers to average: " << std::flush)) {
        return cannot_write("prompt");
    }

    // Reads one number, or says on standard error which one could not be
    // read and why. Reading stops at the number: what follows stays unread.
    const auto read = [](float& number, const char* ordinal) {
        const char* reason = nullptr;
        const bool input_ended = (std::cin >> std::ws).eof();
        const bool was_read = !input_ended && std::cin >> number;
        if (std::ferror(stdin) != 0) {
            // cin is synchronised with C's stdio, so it reads through stdin,
            // whose error flag is set when a read failed and not at the end
            // of the input; errno still holds the cause.
            reason = std::strerror(errno);
        } else if (input_ended) {
            reason = "input ended";
        } else if (!was_read && number != 0) {
            // A failed extraction stores zero, unless the text was a number
            // that a float cannot hold: then the largest float of its sign
            // (libstdc++), an infinity (libc++, MSVC), or a value too small.
            reason = "out of range";
        } else if (!was_read || !std::isfinite(number)
            || !(std::cin.eof() || std::isspace(std::cin.peek()) != 0)) {
            // The extraction stops at the first character that cannot go on,
            // so "3,5" reads as 3 and leaves ",5"; libc++ reads "inf" and
            // "nan". Peeking at that character reads no more input: the
            // extraction has read it already.
            reason = "not a number";
        } else {
            return true;
        }
        std::cerr << "average: cannot read the " << ordinal << " number: " << reason << '\n';
        return false;
    };
    if (!read(unum1, "first") || !read(unum2, "second") || !read(unum3, "third")) {
        return 1;
    }

    if (!(std::cout << "Average: " << Stats1.average(unum1, unum2, unum3) << std::endl)) {
        return cannot_write("result");
    }
    return 0;
}
