#include "averager.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

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

    // A word as a message shows it: quoted, cut short and printable, so that
    // the message stays one short line whatever the input holds.
    const auto shown = [](const std::string& word) {
        constexpr std::size_t shown_length = 40;
        std::string text = word.substr(0, shown_length);
        std::replace_if(
            text.begin(), text.end(), [](char c) { return c < ' ' || c > '~'; }, '?');
        return '"' + text + (word.size() > shown_length ? "...\"" : "\"");
    };
    // Reads one number, or says on standard error which one could not be
    // read and why. A number is a word, up to white space or the end of the
    // input, that strtof reads whole, so every C++ library reads the same.
    const auto read = [&shown](float& number, const char* ordinal) {
        std::string word;
        errno = 0; // a cause left by an earlier call is not this read's
        const bool was_read = static_cast<bool>(std::cin >> word);
        const char* reason = nullptr;
        std::string refused; // the word, as the message shows it
        if (std::ferror(stdin) != 0) {
            // cin is synchronised with C's stdio, so it reads through stdin,
            // whose error flag is set when a read failed and not at the end
            // of the input.
            reason = errno != 0 ? std::strerror(errno) : "read error";
        } else if (std::cin.bad()) {
            // The extraction turns an exception into badbit; with the read
            // itself sound, that is bad_alloc for a word too long for memory.
            reason = std::strerror(ENOMEM);
        } else if (!was_read) {
            reason = "input ended";
        } else {
            char* end = nullptr;
            number = std::strtof(word.c_str(), &end);
            // Of these characters, strtof in the C locale reads just the
            // decimal numbers: no hexadecimal, no "inf" or "nan".
            if (end != word.c_str() + word.size()
                || word.find_first_not_of("0123456789+-.eE") != std::string::npos) {
                reason = "is not a number";
            } else if (std::isinf(number)) {
                // Beyond the largest float. A number too small for one
                // becomes zero or a subnormal, rounded as any other.
                reason = "is out of range";
            } else {
                return true;
            }
            refused = shown(word) + ' ';
        }
        std::cerr << "average: cannot read the " << ordinal << " number: " << refused << reason
                  << '\n';
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
