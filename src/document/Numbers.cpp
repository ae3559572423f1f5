#include "document/Numbers.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

double leadingNumber(std::string_view text)
{
    // Gather the characters that can form a number, skipping blanks wherever they stand.
    std::string number;
    bool digitSeen = false, pointSeen = false, exponentSeen = false;
    for (char c : text) {
        if (c == ' ')
            continue;
        const bool signAllowed = number.empty() || (exponentSeen && (number.back() == 'e'));
        if ((c == '+' || c == '-') && signAllowed) {
            number += c;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            number += c;
            digitSeen = true;
        } else if (c == '.' && !pointSeen && !exponentSeen) {
            number += c;
            pointSeen = true;
        } else if ((c == 'e' || c == 'E') && digitSeen && !exponentSeen) {
            number += 'e';
            exponentSeen = true;
        } else {
            break;
        }
    }
    if (!digitSeen)
        return 0;
    // An exponent marker without digits after it does not belong to the number.
    while (!number.empty() && !std::isdigit(static_cast<unsigned char>(number.back()))
           && number.back() != '.')
        number.pop_back();
    return std::strtod(number.c_str(), nullptr);
}

std::string generalNumber(double value)
{
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? "0" : std::to_string(value);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    // %g switches to exponent form for very large or small values; keep it, it is rare
    // and still reads back through leadingNumber.
    return text == "-0" ? "0" : text;
}
