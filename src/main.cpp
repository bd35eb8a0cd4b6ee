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

// Reads the numbers from standard input, a word each: the characters up to
// white space or the end of the input. When one cannot be read, failure()
// says which and why. The helpers return why they failed, or nothing.
class NumberReader {
public:
    bool read(float& number, const char* ordinal);
    const std::string& failure() const { return failure_; }

private:
    static std::string read_word(std::string& word);
    static std::string read_first_word(std::string& word);
    static std::string to_number(const std::string& word, float& number);
    static std::string shown(const std::string& word);

    bool at_start_ = true;
    std::string failure_;
};

bool NumberReader::read(float& number, const char* ordinal)
{
    std::string word;
    errno = 0; // a cause left by an earlier call is not this read's
    std::string reason = std::exchange(at_start_, false) ? read_first_word(word) : read_word(word);
    if (reason.empty()) {
        reason = to_number(word, number);
    }
    if (reason.empty()) {
        return true;
    }
    failure_ = std::string("cannot read the ") + ordinal + " number: " + reason;
    return false;
}

std::string NumberReader::read_word(std::string& word)
{
    const bool was_read = static_cast<bool>(std::cin >> word);
    if (std::ferror(stdin) != 0) {
        // cin is synchronised with C's stdio, so it reads through stdin,
        // whose error flag is set when a read failed and not at the end of
        // the input.
        return errno != 0 ? std::strerror(errno) : "read error";
    }
    if (std::cin.bad()) {
        // The extraction turns an exception into badbit; with the read
        // itself sound, that is bad_alloc for a word too long for memory.
        return std::strerror(ENOMEM);
    }
    return was_read ? "" : "input ended";
}

// Windows editors may begin a text file with a byte-order mark. It counts
// only as the input's first bytes, before any white space.
std::string NumberReader::read_first_word(std::string& word)
{
    if (std::isspace(std::cin.peek()) != 0) {
        return read_word(word);
    }
    std::string reason = read_word(word);
    if (reason.empty() && word.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        word.erase(0, 3); // UTF-8's mark says nothing about the numbers
        reason = word.empty() ? read_word(word) : "";
    }
    if (reason.empty()
        && (word.compare(0, 2, "\xFF\xFE") == 0 || word.compare(0, 2, "\xFE\xFF") == 0)) {
        // Two bytes a character: no word of it reads as a number.
        reason = "the input is UTF-16 text";
    }
    return reason;
}

// A number is a word that strtof reads whole, so every C++ library reads the
// same. Of these characters, strtof in the C locale reads just the decimal
// numbers: no hexadecimal, no "inf" or "nan".
std::string NumberReader::to_number(const std::string& word, float& number)
{
    char* end = nullptr;
    number = std::strtof(word.c_str(), &end);
    if (end != word.c_str() + word.size()
        || word.find_first_not_of("0123456789+-.eE") != std::string::npos) {
        return shown(word) + " is not a number";
    }
    if (std::isinf(number)) {
        // Beyond the largest float. A number too small for one becomes zero
        // or a subnormal, rounded as any other.
        return shown(word) + " is out of range";
    }
    return "";
}

// A word as a message shows it: quoted, cut short and printable, so that the
// message stays one short line whatever the input holds.
std::string NumberReader::shown(const std::string& word)
{
    constexpr std::size_t shown_length = 40;
    std::string text = word.substr(0, shown_length);
    std::replace_if(
        text.begin(), text.end(), [](unsigned char c) { return std::isprint(c) == 0; }, '?');
    return '"' + text + (word.size() > shown_length ? "...\"" : "\"");
}

int main()
{
    Averager Stats1;
    NumberReader Input1;
    float unum1 = 0;
    float unum2 = 0;
    float unum3 = 0;

    // A failed write's cause is taken from errno at once, before anything
    // else can change it. The prompt is flushed here rather than by the
    // first read, so that its failure is seen while errno still holds it.
    std::string failure;
    if (!(std::cout << "Please input three numbers to average: " << std::flush)) {
        failure = "cannot write the prompt: " + std::string(std::strerror(errno));
    } else if (!Input1.read(unum1, "first") || !Input1.read(unum2, "second")
        || !Input1.read(unum3, "third")) {
        failure = Input1.failure();
    } else if (!(std::cout << "Average: " << Stats1.average(unum1, unum2, unum3) << std::endl)) {
        failure = "cannot write the result: " + std::string(std::strerror(errno));
    } else {
        return 0;
    }
    std::cerr << "average: " << failure << '\n';
    return 1;
}
