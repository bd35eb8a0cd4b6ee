#include "number_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <iterator>
#include <new>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct Case {
    std::string input;
    std::vector<float> numbers; // read in turn
    std::string failure {}; // why the read after them fails, if one does
};

// Each number in hexadecimal, which tells every float and either zero apart,
// then the reason that stopped the reads: "0x1p+0 0x1p+1 | input ended".
std::string described(const std::vector<float>& numbers, const std::string& failure)
{
    std::ostringstream text;
    text << std::hexfloat;
    for (const float number : numbers) {
        text << number << ' ';
    }
    text << (failure.empty() ? "" : "| " + failure);
    return text.str();
}

// Reads up to three numbers from the input, as the program does.
std::string reads_of(const std::string& input)
{
    std::istringstream stream(input);
    NumberReader reader(stream);
    std::vector<float> numbers;
    while (numbers.size() < 3) {
        float number = 0;
        if (const auto reason = reader.read(number)) {
            return described(numbers, *reason);
        }
        numbers.push_back(number);
    }
    return described(numbers, "");
}

void expect_reads(const Case* begin, const Case* end)
{
    for (const Case* c = begin; c != end; ++c) {
        EXPECT_EQ(reads_of(c->input), described(c->numbers, c->failure)) << "input: " << c->input;
    }
}

TEST(NumberReader, ReadsDecimalWords)
{
    const Case cases[] = {
        {"1 2 3\n", {1, 2, 3}},
        {"1\n2\n4\n", {1, 2, 4}},
        {" \t1\r\n\n 2\t4", {1, 2, 4}},
        {"-1 -2 -4\n", {-1, -2, -4}},
        {"-0 -0 -0\n", {-0.0f, -0.0f, -0.0f}},
        {"+.5 5. -1E+2", {0.5f, 5, -100}},
        {"16777216 1 -16777216", {0x1p24f, 1, -0x1p24f}},
        {"1e6 1000000 1000000.0\n", {1e6f, 1e6f, 1e6f}},
        {"0.0001 0.00001 3e38", {0.0001f, 0.00001f, 3e38f}},
        // Rounded to the nearest float, as each literal is.
        {"-31.1347713 6.03189707 -1.58179644e-16", {-31.1347713f, 6.03189707f, -1.58179644e-16f}},
        // Too small for a float: zero, and a subnormal.
        {"1e-50 -7.5940904e-39 0", {0, -7.5940904e-39f, 0}},
        {"1 2 3 abc", {1, 2, 3}},
    };
    expect_reads(std::begin(cases), std::end(cases));
}

TEST(NumberReader, SaysWhyAWordIsNoNumber)
{
    const Case cases[] = {
        {"", {}, "input ended"},
        {" \n\n", {}, "input ended"},
        {"1 2\n", {1, 2}, "input ended"},
        {"abc 1 2\n", {}, "\"abc\" is not a number"},
        {"3 abc\n", {3}, "\"abc\" is not a number"},
        // A number must end at white space or at the end of the input.
        {"1 2 3,5", {1, 2}, "\"3,5\" is not a number"},
        {"1.5.5 1 1", {}, "\"1.5.5\" is not a number"},
        {"inf 1 1", {}, "\"inf\" is not a number"},
        {"0x10 1 1", {}, "\"0x10\" is not a number"},
        {"1 nan 1", {1}, "\"nan\" is not a number"},
        {"1 2 3e", {1, 2}, "\"3e\" is not a number"},
        {"1e39 1 1\n", {}, "\"1e39\" is out of range"},
        {"1 -1e39 1\n", {1}, "\"-1e39\" is out of range"},
        // At most 40 bytes of a word are shown, and a byte that is not
        // printable ASCII as ?, here the two bytes of an e acute in UTF-8.
        {"\xC3\xA9"
         "01234567890123456789012345678901234567",
            {}, "\"??01234567890123456789012345678901234567\" is not a number"},
        {"\xC3\xA9"
         "0123456789012345678901234567890123456789012345678901234567",
            {}, "\"??01234567890123456789012345678901234567...\" is not a number"},
    };
    expect_reads(std::begin(cases), std::end(cases));
}

// A byte-order mark counts only as the very first bytes of the input.
TEST(NumberReader, SkipsUtf8MarkAndRefusesUtf16)
{
    const Case cases[] = {
        {"\xEF\xBB\xBF"
         "1 2 4\r\n",
            {1, 2, 4}},
        {"\xEF\xBB\xBF\n1\n2\n4\n", {1, 2, 4}},
        {" \xEF\xBB\xBF"
         "1 2 4",
            {}, "\"???1\" is not a number"},
        {"1 \xEF\xBB\xBF"
         "2 4",
            {1}, "\"???2\" is not a number"},
        // "1 2 4" and a line break, little-endian as Windows PowerShell 5.1
        // writes a file with >, and big-endian.
        {"\xFF\xFE"
         "1\0 \0"
         "2\0 \0"
         "4\0\r\0\n\0"s,
            {}, "the input is UTF-16 text"},
        {"\xFE\xFF"
         "\0"
         "1\0 \0"
         "2\0 \0"
         "4\0\r\0\n"s,
            {}, "the input is UTF-16 text"},
    };
    expect_reads(std::begin(cases), std::end(cases));
}

// A stream buffer whose every read runs out of memory, as one does for a
// word too long for it.
class OutOfMemory : public std::streambuf {
protected:
    int_type underflow() override { throw std::bad_alloc(); }
};

TEST(NumberReader, SaysWhenMemoryRanOut)
{
    OutOfMemory buffer;
    std::istream input(&buffer);
    NumberReader reader(input);
    float number = 0;
    EXPECT_EQ(reader.read(number), std::strerror(ENOMEM));
}

} // namespace
