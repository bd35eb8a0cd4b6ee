#include "number_reader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <utility>

NumberReader::NumberReader(std::istream& input, std::FILE* source)
    : input_(input)
    , source_(source)
{
}

std::optional<std::string> NumberReader::read(float& number)
{
    errno = 0; // a cause left by an earlier call is not this read's
    // Windows editors may begin a text file with a byte-order mark. It counts
    // only as the input's first bytes, before any white space.
    const bool at_start = std::exchange(at_start_, false) && std::isspace(input_.peek()) == 0;
    std::optional<std::string> word = next_word();
    if (word && at_start && word->compare(0, 3, "\xEF\xBB\xBF") == 0) {
        word->erase(0, 3); // UTF-8's mark says nothing about the numbers
        if (word->empty()) {
            word = next_word();
        }
    }
    if (!word) {
        return failure();
    }
    if (at_start
        && (word->compare(0, 2, "\xFF\xFE") == 0 || word->compare(0, 2, "\xFE\xFF") == 0)) {
        // Two bytes a character: no word of it reads as a number.
        return "the input is UTF-16 text";
    }
    return to_number(*word, number);
}

// The next word, or nothing when the input ended or reading it failed.
std::optional<std::string> NumberReader::next_word()
{
    std::string word;
    if (input_ >> word && !read_failed()) {
        return word;
    }
    return std::nullopt;
}

// The C stream's error flag is set when a read failed, and not at the end of
// the input.
bool NumberReader::read_failed() const { return source_ != nullptr && std::ferror(source_) != 0; }

std::string NumberReader::failure() const
{
    if (read_failed()) {
        return errno != 0 ? std::strerror(errno) : "read error";
    }
    // The extraction turns an exception into badbit; with the read itself
    // sound, that is bad_alloc for a word too long for memory.
    return input_.bad() ? std::strerror(ENOMEM) : "input ended";
}

// A number is a word that strtof reads whole, so every C++ library reads the
// same. Of these characters, strtof in the C locale reads just the decimal
// numbers: no hexadecimal, no "inf" or "nan".
std::optional<std::string> NumberReader::to_number(const std::string& word, float& number)
{
    char* end = nullptr;
    const float value = std::strtof(word.c_str(), &end);
    if (end != word.c_str() + word.size()
        || word.find_first_not_of("0123456789+-.eE") != std::string::npos) {
        return shown(word) + " is not a number";
    }
    if (std::isinf(value)) {
        // Beyond the largest float. A number too small for one becomes zero
        // or a subnormal, rounded as any other.
        return shown(word) + " is out of range";
    }
    number = value;
    return std::nullopt;
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
