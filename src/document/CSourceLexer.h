#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// C source text as the compiler's first phases see it, for CSourceReader: lines joined where
// a backslash ends one (the logical text), comments set aside, the preprocessor's lines and
// the groups an `#if 0` leaves out taken away, and the rest cut into tokens. One pass over
// the text, no recursion, nothing kept but the tokens' places.
//
// Trigraphs are read as gcc reads them by default (and C23): as the plain characters they
// are, `??/` a question mark twice and a slash. ISO C before C23 replaces them; where one
// stands outside a comment a note says so.

// The logical text and where each of its characters was written.
class LogicalText
{
public:
    LogicalText() = default;
    explicit LogicalText(std::string_view written);
    const std::string &text() const { return m_text; }
    // The byte of the written text that logical character `index` is (the end of the text
    // for the size).
    std::size_t written(std::size_t index) const;

private:
    std::string m_text;
    // From each logical index on, how many written bytes (the joins) come before it.
    std::vector<std::pair<uint32_t, uint32_t>> m_joins;
};

// The line (from 1) of a byte of the written text, counted forward from the last one asked
// (asking in order costs one pass over the text).
class LineCounter
{
public:
    explicit LineCounter(std::string_view written) : m_text(written) {}
    int lineOf(std::size_t offset);

private:
    std::string_view m_text;
    std::size_t m_offset = 0;
    int m_line = 1;
};

enum class TokenKind : uint8_t {
    Identifier,
    Number, // a preprocessing number: any literal that begins with a digit
    String,
    Character,
    Punctuator, // one character
    // Marks where the preprocessor's lines were, in order among the tokens:
    Define,    // `#define NAME ...`: the span is NAME; its value is in SourceTokens::defines
    Undefine,  // `#undef NAME`
    Condition, // a branch of an #if that cannot be worked out here begins or ends
};

struct Token
{
    uint32_t begin = 0, end = 0; // in the logical text
    uint32_t commentsBefore = 0; // how many comments come before it in the text
    TokenKind kind = TokenKind::Punctuator;
    bool isMarker() const { return kind >= TokenKind::Define; }
};

struct SourceTokens
{
    LogicalText logical;
    std::vector<Token> tokens;
    std::vector<std::pair<uint32_t, uint32_t>> comments; // logical spans, with their /* */ or //
    // For each Define token in turn: the name's value when the definition is one integer
    // literal (in parentheses or not, a minus allowed), else -1.
    std::vector<int64_t> defines;
    std::vector<std::string> notes; // about the whole text: an unclosed comment or #if, trigraphs
};

SourceTokens tokenize(std::string_view written);

// An integer constant as C writes it, read from a preprocessing number.
struct IntegerLiteral
{
    bool valid = false;   // "0x1G", "1.5", "08": not an integer constant
    bool tooWide = false; // more than 32 bits
    uint32_t magnitude = 0;
    uint8_t base = 10;    // 2, 8, 10 or 16; 0 for a bare "0", which has no base of its own
    uint32_t digits = 0;  // after the prefix ("0x", "0b", "0" of an octal)
    bool upperPrefix = false;                  // 0X, 0B
    bool hasLetters = false, upperLetters = false; // hex digits A to F
    std::string suffix;                        // u, L, UL, llu, ... as written
};
IntegerLiteral readIntegerLiteral(std::string_view number);
