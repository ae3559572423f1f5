#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The arrays of integers a C source text (a header or a source file) defines, as game
// authors keep their sprites: each with its type's element size, its dimensions, its values
// and where each value is written, so that a value can be written again in place.
//
// The text is anyone's: it is read in one pass without recursion, and whatever it holds
// gives an answer (an array listed with the reason it is not read, or the whole text refused
// with one), within the limits below. Comments, strings, character constants and the
// preprocessor's lines are passed over; the lines an `#if 0` (or the `#else` of an `#if 1`)
// leaves out are not read, the branches of any other `#if` all are (an array whose
// definition spans them is refused). Lines joined by a backslash at their end read as one.
// Definitions are found wherever a declaration may stand, inside functions too.

inline constexpr std::size_t kSourceMaxBytes = 10'000'000;
inline constexpr std::size_t kSourceMaxValues = 1'000'000; // literals in the whole text
inline constexpr std::size_t kSourceMaxArrays = 100'000;
// The elements an array may have (zeros its initializer leaves out count too); a larger one
// is listed as too large.
inline constexpr std::size_t kSourceMaxElements = 1'000'000;

// How one integer literal is written, so that another value can be written the same way.
struct LiteralForm
{
    uint8_t base = 10;   // 2, 8, 10 or 16; 0 for a bare 0, which has no base of its own
    uint32_t digits = 0; // after the prefix (0x, 0b, or the 0 of an octal)
    bool upperPrefix = false;                      // 0X, 0B
    bool hasLetters = false, upperLetters = false; // hex digits A to F and their case
    bool negative = false;                         // a minus sign before it (inside the span)
    bool plus = false;                             // a plus sign before it
    std::string suffix;                            // u, L, UL, ... as written
};

struct SourceValue
{
    // The bytes of the literal in the text, with the signs just before it: what a new value
    // replaces. A cast or parenthesis before it stays outside.
    std::size_t begin = 0, end = 0;
    uint32_t index = 0; // the element's place in the array, row after row
    uint32_t value = 0; // the element as the array holds it: its low `bits` bits
    LiteralForm form;
    // What surrounds the literal: minus signs before a cast or parenthesis (an odd number),
    // the narrowest cast's width (0 when there is none) and sign, and whether the cast
    // nearest the literal is to a signed type (else: the array's type).
    bool outerNegative = false;
    uint8_t castBits = 0;
    bool castSigned = false;
    bool signedContext = false;
};

struct SourceArray
{
    std::string name;
    std::string elementType; // its type's words as written, "unsigned short"
    int bits = 0;            // 8, 16 or 32; 0 when its elements are not such integers
    bool isSigned = false;
    bool widthAssumed = false; // an int (or plain signed, unsigned): taken as 32 bits
    std::vector<uint32_t> dims; // one or two; a size left out is taken from the values
    uint32_t count = 0;         // the elements: the product of dims
    // The literals in order of their elements; an element without one (the initializer
    // stops short) is 0.
    std::vector<SourceValue> values;
    std::size_t begin = 0, end = 0; // the definition, from its first word to its closing brace
    int line = 0;                   // of the name
    std::vector<std::string> comments; // the comments just before the definition, as written
    std::string problem;               // why it is not read as an array of integer literals
    std::vector<std::string> notes;    // what was taken on trust (an int of 32 bits, a word passed over)
};

struct SourceRead
{
    std::string error; // the whole text refused, and why
    std::vector<SourceArray> arrays;
    std::vector<std::string> notes; // about the text as a whole
};

SourceRead readSourceArrays(std::string_view text);
