#include "averager.h"
#include "number_reader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <variant>

int main()
{
    Averager Stats1;
    float unum1 = 0;
    float unum2 = 0;
    float unum3 = 0;

    std::string failure;
    NumberReader Input1(std::cin, stdin);
    const auto read = [&Input1, &failure](float& number, const char* ordinal) {
        const NumberRead result = Input1.read();
        if (const auto* reason = std::get_if<std::string>(&result)) {
            failure = std::string("cannot read the ") + ordinal + " number: " + *reason;
            return false;
        }
        number = *std::get_if<float>(&result);
        return true;
    };
    // A failed write's cause is taken from errno at once, before anything
    // else can change it. The prompt is flushed here rather than by the
    // first read, so that its failure is seen while errno still holds it.
    if (!(std::cout << "Please input three numbers to average: " << std::flush)) {
        failure = std::string("cannot write the prompt: ") + std::strerror(errno);
    } else if (read(unum1, "first") && read(unum2, "second") && read(unum3, "third")
        && !(std::cout << "Average: " << Stats1.average(unum1, unum2, unum3) << std::endl)) {
        failure = std::string("cannot write the result: ") + std::strerror(errno);
    }
    if (failure.empty()) {
        return 0;
    }
    std::cerr << "average: " << failure << '\n';
    return 1;
}
