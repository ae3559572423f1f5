#pragma once

#include <string>
#include <string_view>

// How numbers are read from and written to the program's text boxes.

// The number a text begins with. Blanks anywhere are ignored, '.' is the decimal point,
// an optional sign is taken, reading stops at the first character that cannot continue
// the number; a text without a leading number gives 0 (" 1" -> 1, "2.5abc" -> 2.5).
double leadingNumber(std::string_view text);

// Shortest decimal form with at most 15 significant digits, no leading blank, "0." before
// fractions below 1 and no trailing zeros: 1 -> "1", 0.1 -> "0.1", 1.1 + 0.1 -> "1.2".
std::string generalNumber(double value);
