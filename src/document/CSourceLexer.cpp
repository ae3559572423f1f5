#include "document/CSourceLexer.h"

#include <algorithm>
#include <iterator>

LogicalText::LogicalText(std::string_view written)
{
    m_text.reserve(written.size());
    uint32_t joined = 0;
    std::size_t i = 0;
    while (i < written.size()) {
        if (written[i] == '\\') {
            // gcc also joins the lines when blanks stand between the backslash and the line's end.
            std::size_t j = i + 1;
            while (j < written.size() && (written[j] == ' ' || written[j] == '\t'))
                ++j;
            std::size_t next = 0;
            if (j < written.size() && written[j] == '\n')
                next = j + 1;
            else if (j + 1 < written.size() && written[j] == '\r' && written[j + 1] == '\n')
                next = j + 2;
            if (next != 0) {
                joined += uint32_t(next - i);
                const uint32_t at = uint32_t(m_text.size());
                if (!m_joins.empty() && m_joins.back().first == at)
                    m_joins.back().second = joined;
                else
                    m_joins.emplace_back(at, joined);
                i = next;
                continue;
            }
        }
        m_text += written[i++];
    }
}

std::size_t LogicalText::written(std::size_t index) const
{
    const auto after = std::upper_bound(m_joins.begin(), m_joins.end(), index,
                                        [](std::size_t value, const auto &join) { return value < join.first; });
    return index + (after == m_joins.begin() ? 0 : std::prev(after)->second);
}

int LineCounter::lineOf(std::size_t offset)
{
    offset = std::min(offset, m_text.size());
    if (offset < m_offset) {
        m_offset = 0;
        m_line = 1;
    }
    m_line += int(std::count(m_text.begin() + std::ptrdiff_t(m_offset), m_text.begin() + std::ptrdiff_t(offset), '\n'));
    m_offset = offset;
    return m_line;
}

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isIdentifierStart(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == '$' || u >= 0x80;
}
bool isIdentifierPart(char c)
{
    return isIdentifierStart(c) || isDigit(c);
}
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}
bool isTrigraphEnd(char c)
{
    return std::string_view("=/'()!<>-").find(c) != std::string_view::npos;
}

class Lexer
{
public:
    explicit Lexer(std::string_view written) : m_lines(written) { m_out.logical = LogicalText(written); }

    SourceTokens run()
    {
        std::size_t i = 0;
        bool lineStart = true;
        while (i < size()) {
            const char c = at(i);
            if (c == '\n') {
                lineStart = true;
                ++i;
            } else if (isBlank(c)) {
                ++i;
            } else if (startsComment(i)) {
                i = comment(i, active());
            } else if (c == '#' && lineStart) {
                i = directive(i + 1);
            } else {
                lineStart = false;
                TokenKind kind;
                const std::size_t end = tokenEnd(i, kind);
                if (active()) {
                    if (kind == TokenKind::String || kind == TokenKind::Character || c == '?')
                        noteTrigraph(i, std::min(end + 2, size()));
                    emit(kind, i, end);
                }
                i = end;
            }
        }
        if (!m_groups.empty())
            m_out.notes.push_back("the #if on line " + std::to_string(m_groups.front().line) + " is not closed by an #endif");
        return std::move(m_out);
    }

private:
    // An #if group: whether the lines around it are read, whether its branch is, whether a
    // branch known to be taken came before, whether its condition could not be worked out.
    struct Group
    {
        bool parentActive = true, active = true, taken = false, unknown = false;
        int line = 0;
    };

    const std::string &text() const { return m_out.logical.text(); }
    std::size_t size() const { return text().size(); }
    char at(std::size_t i) const { return i < size() ? text()[i] : '\0'; }
    bool active() const { return m_groups.empty() || m_groups.back().active; }
    int lineOf(std::size_t logical) { return m_lines.lineOf(m_out.logical.written(logical)); }

    void emit(TokenKind kind, std::size_t begin, std::size_t end)
    {
        m_out.tokens.push_back(Token{uint32_t(begin), uint32_t(end), uint32_t(m_out.comments.size()), kind});
    }

    bool startsComment(std::size_t i) const { return at(i) == '/' && (at(i + 1) == '*' || at(i + 1) == '/'); }

    // Past the comment at i (kept when `keep`); an unclosed one runs to the end of the text.
    std::size_t comment(std::size_t i, bool keep)
    {
        std::size_t end;
        if (at(i + 1) == '*') {
            const std::size_t close = text().find("*/", i + 2);
            if (close == std::string::npos) {
                m_out.notes.push_back("the comment that begins on line " + std::to_string(lineOf(i)) + " is not closed");
                end = size();
            } else {
                end = close + 2;
            }
        } else {
            end = std::min(text().find('\n', i + 2), size());
        }
        if (keep)
            m_out.comments.emplace_back(uint32_t(i), uint32_t(end));
        return end;
    }

    std::size_t tokenEnd(std::size_t i, TokenKind &kind) const
    {
        const char c = at(i);
        std::size_t j = i + 1;
        if (isIdentifierStart(c)) {
            while (j < size() && isIdentifierPart(at(j)))
                ++j;
            kind = TokenKind::Identifier;
        } else if (isDigit(c) || (c == '.' && isDigit(at(i + 1)))) {
            while (j < size()) {
                const char d = at(j);
                if ((d == 'e' || d == 'E' || d == 'p' || d == 'P') && (at(j + 1) == '+' || at(j + 1) == '-'))
                    j += 2;
                else if (isIdentifierPart(d) || d == '.')
                    ++j;
                else
                    break;
            }
            kind = TokenKind::Number;
        } else if (c == '"' || c == '\'') {
            // As gcc does, an unclosed literal ends with its line.
            while (j < size() && at(j) != c && at(j) != '\n')
                j += at(j) == '\\' && at(j + 1) != '\n' ? 2 : 1;
            j = std::min(j, size());
            if (j < size() && at(j) == c)
                ++j;
            kind = c == '"' ? TokenKind::String : TokenKind::Character;
        } else {
            kind = TokenKind::Punctuator;
        }
        return j;
    }

    void noteTrigraph(std::size_t from, std::size_t to)
    {
        if (m_trigraphNoted)
            return;
        for (std::size_t i = from; i + 2 < to; ++i)
            if (at(i) == '?' && at(i + 1) == '?' && isTrigraphEnd(at(i + 2))) {
                m_out.notes.push_back("line " + std::to_string(lineOf(i)) + " holds the trigraph ??" + at(i + 2)
                                      + ": it is read as gcc reads it by default, as three characters, not as ISO C "
                                        "before C23 reads it");
                m_trigraphNoted = true;
                return;
            }
    }

    // The next thing on the directive's line from i: its index, or the line's end.
    std::size_t skipToSignificant(std::size_t i)
    {
        while (i < size() && at(i) != '\n') {
            if (isBlank(at(i)))
                ++i;
            else if (startsComment(i))
                i = comment(i, false);
            else
                break;
        }
        return i;
    }

    // The tokens of the directive's line from i (up to `room` of them kept), and how many
    // there are; `i` ends at the line's end.
    struct LineTokens
    {
        std::vector<std::pair<std::size_t, std::size_t>> spans;
        std::vector<TokenKind> kinds;
        std::size_t count = 0;
    };
    LineTokens lineTokens(std::size_t &i, std::size_t room)
    {
        LineTokens line;
        for (i = skipToSignificant(i); i < size() && at(i) != '\n'; i = skipToSignificant(i)) {
            TokenKind kind;
            const std::size_t end = tokenEnd(i, kind);
            if (line.count++ < room) {
                line.spans.emplace_back(i, end);
                line.kinds.push_back(kind);
            }
            i = end;
        }
        return line;
    }

    std::size_t lineEnd(std::size_t i)
    {
        lineTokens(i, 0);
        return i;
    }

    std::string_view spanText(std::pair<std::size_t, std::size_t> span) const
    {
        return std::string_view(text()).substr(span.first, span.second - span.first);
    }

    // The value of `0`, `1`, `(0)` or `(1)`; -1 for any other expression.
    int condition(std::size_t &i)
    {
        const LineTokens line = lineTokens(i, 3);
        std::size_t number = 0;
        if (line.count == 3 && spanText(line.spans[0]) == "(" && spanText(line.spans[2]) == ")")
            number = 1;
        else if (line.count != 1)
            return -1;
        if (line.kinds[number] != TokenKind::Number)
            return -1;
        const IntegerLiteral literal = readIntegerLiteral(spanText(line.spans[number]));
        return literal.valid && !literal.tooWide && literal.magnitude <= 1 ? int(literal.magnitude) : -1;
    }

    void mark(std::size_t at)
    {
        emit(TokenKind::Condition, at, at);
    }

    // Past the directive whose name may follow i (just after the '#'): at its line's end.
    std::size_t directive(std::size_t i)
    {
        const std::size_t hash = i - 1;
        i = skipToSignificant(i);
        if (i >= size() || !isIdentifierStart(at(i)))
            return lineEnd(i);
        TokenKind kind;
        const std::size_t nameEnd = tokenEnd(i, kind);
        const std::string_view name = std::string_view(text()).substr(i, nameEnd - i);
        i = nameEnd;
        if (name == "if" || name == "ifdef" || name == "ifndef") {
            Group group;
            group.line = lineOf(hash);
            if (!active()) {
                group.parentActive = group.active = false;
                i = lineEnd(i);
            } else {
                const int value = name == "if" ? condition(i) : -1;
                i = lineEnd(i);
                group.unknown = value < 0;
                group.active = value != 0;
                group.taken = value == 1;
                if (group.unknown)
                    mark(hash);
            }
            m_groups.push_back(group);
        } else if (name == "elif" || name == "else") {
            if (m_groups.empty()) {
                m_out.notes.push_back("the #" + std::string(name) + " on line " + std::to_string(lineOf(hash))
                                      + " follows no #if");
                return lineEnd(i);
            }
            Group &group = m_groups.back();
            const int value = name == "elif" && group.parentActive && !group.unknown && !group.taken ? condition(i) : 1;
            i = lineEnd(i);
            if (!group.parentActive)
                return i;
            if (group.unknown || value < 0) {
                group.unknown = group.active = true;
                mark(hash);
            } else {
                group.active = !group.taken && value == 1;
                group.taken = group.taken || group.active;
            }
        } else if (name == "endif") {
            i = lineEnd(i);
            if (m_groups.empty()) {
                m_out.notes.push_back("the #endif on line " + std::to_string(lineOf(hash)) + " follows no #if");
            } else {
                if (m_groups.back().parentActive && m_groups.back().unknown)
                    mark(hash);
                m_groups.pop_back();
            }
        } else if (!active()) {
            i = lineEnd(i);
        } else if (name == "define" || name == "undef") {
            define(i, name == "define");
        } else if (name == "include") {
            // A header name in <...> is no comment, whatever it holds.
            i = std::min(text().find('\n', i), size());
        } else {
            i = lineEnd(i);
        }
        return i;
    }

    void define(std::size_t &i, bool define)
    {
        i = skipToSignificant(i);
        if (i >= size() || !isIdentifierStart(at(i))) {
            i = lineEnd(i);
            return;
        }
        TokenKind kind;
        const std::size_t nameEnd = tokenEnd(i, kind);
        emit(define ? TokenKind::Define : TokenKind::Undefine, i, nameEnd);
        const bool functionLike = at(nameEnd) == '(';
        i = nameEnd;
        const LineTokens line = lineTokens(i, 3);
        if (!define)
            return;
        int64_t value = -1;
        std::size_t number = line.count;
        if (line.count == 1)
            number = 0;
        else if (line.count == 3 && spanText(line.spans[0]) == "(" && spanText(line.spans[2]) == ")")
            number = 1;
        if (!functionLike && number < line.count && line.kinds[number] == TokenKind::Number) {
            const IntegerLiteral literal = readIntegerLiteral(spanText(line.spans[number]));
            if (literal.valid && !literal.tooWide)
                value = literal.magnitude;
        }
        m_out.defines.push_back(value);
    }

    SourceTokens m_out;
    LineCounter m_lines;
    std::vector<Group> m_groups;
    bool m_trigraphNoted = false;
};

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool validSuffix(std::string_view suffix)
{
    std::string lower;
    for (const char c : suffix)
        lower += char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    static const std::string_view allowed[] = {"", "u", "l", "ul", "lu", "ll", "ull", "llu"};
    if (std::find(std::begin(allowed), std::end(allowed), lower) == std::end(allowed))
        return false;
    const std::size_t ll = lower.find("ll");
    return ll == std::string::npos || suffix[ll] == suffix[ll + 1]; // "lL" is not C
}

} // namespace

SourceTokens tokenize(std::string_view written)
{
    return Lexer(written).run();
}

IntegerLiteral readIntegerLiteral(std::string_view number)
{
    IntegerLiteral literal;
    if (number.empty() || !isDigit(number[0]))
        return literal;
    std::size_t i = 0;
    const char second = number.size() > 1 ? number[1] : '\0';
    if (number[0] == '0' && (second == 'x' || second == 'X')) {
        literal.base = 16;
        literal.upperPrefix = second == 'X';
        i = 2;
    } else if (number[0] == '0' && (second == 'b' || second == 'B')) {
        literal.base = 2;
        literal.upperPrefix = second == 'B';
        i = 2;
    } else if (number[0] == '0') {
        literal.base = 8;
        i = 1;
    }
    uint64_t value = 0;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        const int digit = digitValue(c);
        if (digit < 0 || (digit >= 10 && literal.base != 16))
            break;
        if (digit >= literal.base)
            return literal; // 08, 0b2
        if (digit >= 10 && !literal.hasLetters) {
            literal.hasLetters = true;
            literal.upperLetters = c <= 'F';
        }
        ++literal.digits;
        value = value * literal.base + uint64_t(digit);
        if (value > 0xFFFFFFFFu) {
            literal.tooWide = true;
            value = 0;
        }
    }
    if (literal.digits == 0 && literal.base != 8)
        return literal; // "0x"
    if (literal.digits == 0)
        literal.base = 0; // a bare 0
    literal.suffix = std::string(number.substr(i));
    if (!validSuffix(literal.suffix))
        return literal;
    literal.valid = true;
    literal.magnitude = uint32_t(value);
    return literal;
}
