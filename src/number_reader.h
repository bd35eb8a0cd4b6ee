#pragma once

#include <cstdio>
#include <istream>
#include <optional>
#include <string>

// Reads decimal numbers from a stream, a word each: the characters up to
// white space or the end of the input.
class NumberReader {
public:
    // When input reads through a C stream, as std::cin reads through stdin,
    // source names it: its error flag tells a failed read from the end of the
    // input, and errno then says why.
    explicit NumberReader(std::istream& input, std::FILE* source = nullptr);

    // Reads the next number into number, or says why none could be read.
    std::optional<std::string> read(float& number);

private:
    std::optional<std::string> next_word();
    bool read_failed() const;
    std::string failure() const;
    static std::optional<std::string> to_number(const std::string& word, float& number);
    static std::string shown(const std::string& word);

    std::istream& input_;
    std::FILE* source_;
    bool at_start_ = true;
};
