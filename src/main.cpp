#include "averager.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <utility>

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
            text.begin(), text.end(), [](unsigned char c) { return std::isprint(c) == 0; }, '?');
        return '"' + text + (word.size() > shown_length ? "...\"" : "\"");
    };
    // A number is a word that strtof reads whole, so every C++ library reads
    // the same. Of these characters, strtof in the C locale reads just the
    // decimal numbers: no hexadecimal, no "inf" or "nan".
    const auto to_number = [](const std::string& word, float& number) {
        char* end = nullptr;
        number = std::strtof(word.c_str(), &end);
        return end == word.c_str() + word.size()
            && word.find_first_not_of("0123456789+-.eE") == std::string::npos;
    };
    // Reads one number, a word up to white space or the end of the input, or
    // says on standard error which one could not be read and why.
    bool at_start = true;
    const auto read = [&shown, &to_number, &at_start](float& number, const char* ordinal) {
        std::string word;
        errno = 0; // a cause left by an earlier call is not this read's
        // Windows editors may begin a text file with a byte-order mark. It
        // counts only as the input's first bytes, before any white space.
        const bool word_at_start
            = std::exchange(at_start, false) && std::isspace(std::cin.peek()) == 0;
        bool was_read = static_cast<bool>(std::cin >> word);
        if (was_read && word_at_start && word.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            word.erase(0, 3); // UTF-8's mark says nothing about the numbers
            was_read = !word.empty() || static_cast<bool>(std::cin >> word);
        }
        std::string reason;
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
        } else if (word_at_start
            && (word.compare(0, 2, "\xFF\xFE") == 0 || word.compare(0, 2, "\xFE\xFF") == 0)) {
            // Two bytes a character: no word of it reads as a number.
            reason = "the input is UTF-16 text";
        } else if (!to_number(word, number)) {
            reason = shown(word) + " is not a number";
        } else if (std::isinf(number)) {
            // Beyond the largest float. A number too small for one becomes
            // zero or a subnormal, rounded as any other.
            reason = shown(word) + " is out of range";
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
