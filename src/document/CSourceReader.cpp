#include "document/CSourceReader.h"

#include "document/CSourceLexer.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <optional>
#include <stdexcept>
#include <unordered_map>

namespace {

// The whole text refused: thrown inside the reader, caught at its door.
struct Refused
{
    std::string why;
};

enum class Word { Statement, Qualifier, Attribute, TypeWord, Aggregate, Typedef, Other };

Word classify(std::string_view word)
{
    static const std::string_view statements[] = {
        "return", "if", "else", "while", "for", "do", "switch", "case", "default", "goto", "break", "continue",
        "sizeof", "_Static_assert", "static_assert", "asm", "__asm__", "__asm", "_Generic", "typeof", "__typeof__"};
    static const std::string_view qualifiers[] = {
        "static", "const", "volatile", "extern", "register", "auto", "inline", "__inline", "__inline__", "__const",
        "__const__", "__volatile", "__volatile__", "restrict", "__restrict", "__restrict__", "__extension__",
        "_Thread_local", "thread_local", "__thread", "constexpr", "_Noreturn", "_Atomic"};
    static const std::string_view attributes[] = {"__attribute__", "__attribute", "__declspec", "_Alignas", "alignas"};
    static const std::string_view types[] = {"signed", "unsigned", "__signed", "__signed__", "char", "short", "int",
                                             "long", "float", "double", "void", "_Bool", "bool", "_Complex",
                                             "__complex__", "__int128", "wchar_t"};
    const auto in = [word](const auto &list) { return std::find(std::begin(list), std::end(list), word) != std::end(list); };
    if (in(statements))
        return Word::Statement;
    if (in(qualifiers))
        return Word::Qualifier;
    if (in(attributes))
        return Word::Attribute;
    if (in(types))
        return Word::TypeWord;
    if (word == "struct" || word == "union" || word == "enum")
        return Word::Aggregate;
    if (word == "typedef")
        return Word::Typedef;
    return Word::Other;
}

struct IntType
{
    int bits = 0;
    bool isSigned = false;
};

// The integer types written by other names in sprite sources: <stdint.h>'s, and the short
// names programs define for bytes and words.
std::optional<IntType> knownAlias(std::string_view word)
{
    static const std::pair<std::string_view, IntType> aliases[] = {
        {"uint8_t", {8, false}},         {"int8_t", {8, true}},         {"uint16_t", {16, false}},
        {"int16_t", {16, true}},         {"uint32_t", {32, false}},     {"int32_t", {32, true}},
        {"uint64_t", {64, false}},       {"int64_t", {64, true}},       {"uint_least8_t", {8, false}},
        {"int_least8_t", {8, true}},     {"uint_least16_t", {16, false}}, {"int_least16_t", {16, true}},
        {"uint_least32_t", {32, false}}, {"int_least32_t", {32, true}}, {"u8", {8, false}},
        {"s8", {8, true}},               {"u16", {16, false}},          {"s16", {16, true}},
        {"u32", {32, false}},            {"s32", {32, true}},           {"u64", {64, false}},
        {"s64", {64, true}},             {"uint8", {8, false}},         {"int8", {8, true}},
        {"uint16", {16, false}},         {"int16", {16, true}},         {"uint32", {32, false}},
        {"int32", {32, true}},           {"UINT8", {8, false}},         {"INT8", {8, true}},
        {"UINT16", {16, false}},         {"INT16", {16, true}},         {"UINT32", {32, false}},
        {"INT32", {32, true}},           {"UINT64", {64, false}},       {"INT64", {64, true}},
        {"BYTE", {8, false}},            {"UBYTE", {8, false}},         {"SBYTE", {8, true}},
        {"UCHAR", {8, false}},           {"CHAR", {8, true}},           {"WORD", {16, false}},
        {"UWORD", {16, false}},          {"SWORD", {16, true}},         {"USHORT", {16, false}},
        {"SHORT", {16, true}},           {"DWORD", {32, false}},        {"UDWORD", {32, false}},
        {"ULONG", {32, false}},          {"LONG", {32, true}},          {"QWORD", {64, false}},
        {"char16_t", {16, false}},       {"char32_t", {32, false}}};
    for (const auto &[name, type] : aliases)
        if (name == word)
            return type;
    return std::nullopt;
}

// A text as a message quotes it: at most 24 characters.
std::string quoted(std::string_view text)
{
    return text.size() <= 24 ? std::string(text) : std::string(text.substr(0, 21)) + "...";
}

// The words of a declaration before its name, and the type they give.
struct Specifiers
{
    std::vector<std::string_view> typeWords; // as written, in order
    std::vector<std::string_view> others;    // unknown words: a typedef's name, a macro
    std::string aggregate;                   // "struct point"
    bool isTypedef = false;

    bool any() const { return !typeWords.empty() || !others.empty() || !aggregate.empty(); }
};

struct ResolvedType
{
    IntType type;
    std::string text;
    std::string problem;
    std::vector<std::string> notes;
    bool widthAssumed = false;
};

ResolvedType resolve(const Specifiers &declared, const std::unordered_map<std::string, IntType> &typedefs)
{
    ResolvedType resolved;
    int chars = 0, shorts = 0, ints = 0, longs = 0, signs = 0;
    bool isUnsigned = false;
    std::string_view other;
    for (const std::string_view word : declared.typeWords) {
        resolved.text += (resolved.text.empty() ? "" : " ") + std::string(word);
        if (word == "char")
            ++chars;
        else if (word == "short")
            ++shorts;
        else if (word == "int")
            ++ints;
        else if (word == "long")
            ++longs;
        else if (word == "unsigned" || word == "signed" || word == "__signed" || word == "__signed__") {
            ++signs;
            isUnsigned = word == "unsigned";
        } else
            other = word;
    }
    std::optional<IntType> alias;
    std::vector<std::string_view> unknown;
    for (const std::string_view word : declared.others) {
        const auto defined = typedefs.find(std::string(word));
        const std::optional<IntType> named = defined != typedefs.end() ? defined->second : knownAlias(word);
        if (named && !alias && declared.typeWords.empty()) {
            alias = named;
            resolved.text = std::string(word);
        } else {
            unknown.push_back(word);
        }
    }
    if (!declared.aggregate.empty()) {
        resolved.problem = "an array of " + declared.aggregate + ", not of integers";
        return resolved;
    }
    if (!other.empty()) {
        resolved.problem = "an array of " + resolved.text + ", not of integers";
        return resolved;
    }
    if (alias) {
        resolved.type = *alias;
    } else if (!declared.typeWords.empty()) {
        if (chars + shorts + (longs > 0 ? 1 : 0) > 1 || chars > 1 || shorts > 1 || longs > 2 || signs > 1 || ints > 1
            || (chars > 0 && ints > 0)) {
            resolved.problem = "its type \"" + resolved.text + "\" is not one C has";
            return resolved;
        }
        resolved.type.isSigned = !isUnsigned;
        if (chars > 0) {
            resolved.type.bits = 8;
        } else if (shorts > 0) {
            resolved.type.bits = 16;
        } else if (longs > 0) {
            resolved.type.bits = longs == 1 ? 32 : 64;
        } else {
            resolved.type.bits = 32;
            resolved.widthAssumed = true;
            resolved.notes.push_back("its type " + resolved.text + " is taken as 32 bits wide (a compiler may make it 16)");
        }
    } else {
        resolved.problem = unknown.empty() ? "its definition gives no element type"
                                           : "its element type " + quoted(unknown.back()) + " is not defined in this file";
        return resolved;
    }
    if (resolved.type.bits == 64) {
        resolved.problem = "its elements are 64 bits wide (" + resolved.text + "): the rows of sprites hold 8, 16 or 32";
        return resolved;
    }
    for (const std::string_view word : unknown)
        resolved.notes.push_back("the word " + quoted(word) + " before its name is taken to change no value");
    return resolved;
}

// The value of `(v)` converted to a type of `bits` bits (a cast).
int64_t converted(int64_t value, int bits, bool isSigned)
{
    if (bits >= 64)
        return value;
    const int64_t range = int64_t(1) << bits;
    int64_t wrapped = ((value % range) + range) % range;
    if (isSigned && wrapped >= range / 2)
        wrapped -= range;
    return wrapped;
}

class Parser
{
public:
    Parser(std::string_view written, const SourceTokens &source, SourceRead &out)
        : m_written(written), m_source(source), m_tokens(source.tokens), m_out(out), m_lines(written)
    {
    }

    void run()
    {
        while (peek()) {
            if (atPunct('{')) {
                take();
                ++m_depth;
            } else if (atPunct('}')) {
                if (m_depth == 0 && !m_strayNoted) {
                    m_out.notes.push_back("the } on line " + std::to_string(lineOf(*peek())) + " closes no {");
                    m_strayNoted = true;
                }
                m_depth = m_depth > 0 ? m_depth - 1 : 0;
                take();
            } else if (atPunct(';')) {
                take();
            } else if (!declaration()) {
                skipStatement();
            }
        }
        if (m_depth > 0)
            m_out.notes.push_back(std::to_string(m_depth) + (m_depth == 1 ? " brace is" : " braces are")
                                  + " not closed at the end of the text");
    }

private:
    // ---- the tokens, the preprocessor's marks applied as they are passed ----

    const Token *peek()
    {
        while (m_pos < m_tokens.size() && m_tokens[m_pos].isMarker()) {
            const Token &mark = m_tokens[m_pos++];
            if (mark.kind == TokenKind::Condition) {
                ++m_edges;
                continue;
            }
            const std::string name(textOf(mark));
            if (mark.kind == TokenKind::Define && m_defineIndex < m_source.defines.size()
                && m_source.defines[m_defineIndex] >= 0)
                m_defines[name] = m_source.defines[m_defineIndex];
            else
                m_defines.erase(name);
            if (mark.kind == TokenKind::Define)
                ++m_defineIndex;
        }
        return m_pos < m_tokens.size() ? &m_tokens[m_pos] : nullptr;
    }
    void take()
    {
        if (peek())
            m_last = m_pos++;
    }
    // The token `ahead` places after the next one (0: the next), the marks skipped.
    const Token *lookahead(std::size_t ahead)
    {
        std::size_t i = m_pos;
        for (;; ++i) {
            while (i < m_tokens.size() && m_tokens[i].isMarker())
                ++i;
            if (i >= m_tokens.size())
                return nullptr;
            if (ahead-- == 0)
                return &m_tokens[i];
        }
    }
    std::string_view textOf(const Token &token) const
    {
        return std::string_view(m_source.logical.text()).substr(token.begin, token.end - token.begin);
    }
    static bool isPunct(const Token *token, char c, const std::string &text)
    {
        return token && token->kind == TokenKind::Punctuator && text[token->begin] == c;
    }
    bool atPunct(char c) { return isPunct(peek(), c, m_source.logical.text()); }
    bool aheadPunct(std::size_t ahead, char c) { return isPunct(lookahead(ahead), c, m_source.logical.text()); }
    std::size_t writtenBegin(const Token &token) const { return m_source.logical.written(token.begin); }
    // The written end of a token that ends in a plain character (a literal, a brace).
    std::size_t writtenEnd(const Token &token) const { return m_source.logical.written(token.end - 1) + 1; }
    int lineOf(const Token &token) { return m_lines.lineOf(writtenBegin(token)); }
    std::string onLine(const Token &token) { return " on line " + std::to_string(lineOf(token)); }

    // ---- what is not an array definition ----

    // Past a balanced group from the '(' or '{' here; with `stopAtSemicolon`, up to a ';'
    // that ends the statement around it.
    void skipGroup(char open, char close, bool stopAtSemicolon)
    {
        std::size_t depth = 0;
        while (const Token *token = peek()) {
            if (stopAtSemicolon && atPunct(';'))
                return;
            if (isPunct(token, open, m_source.logical.text()))
                ++depth;
            else if (isPunct(token, close, m_source.logical.text()) && --depth == 0)
                return take();
            take();
        }
    }

    // Past the statement that begins here, up to the '{' or '}' of a block.
    void skipStatement()
    {
        std::size_t parens = 0;
        bool initializer = false;
        while (const Token *token = peek()) {
            if (token->kind == TokenKind::Punctuator) {
                const char c = m_source.logical.text()[token->begin];
                if (c == '{' && (parens > 0 || initializer)) {
                    skipGroup('{', '}', parens == 0);
                    continue;
                }
                if (parens == 0 && (c == ';' || c == '{' || c == '}')) {
                    if (c == ';')
                        take();
                    return;
                }
                if (c == '=' && parens == 0)
                    initializer = true;
                else if (c == '(' || c == '[')
                    ++parens;
                else if ((c == ')' || c == ']') && parens > 0)
                    --parens;
            }
            take();
        }
    }

    // Past an initializer, up to the ',' or ';' after it.
    void skipInitializer()
    {
        std::size_t depth = 0;
        while (const Token *token = peek()) {
            if (token->kind == TokenKind::Punctuator) {
                const char c = m_source.logical.text()[token->begin];
                if (c == ';' || (depth == 0 && c == ','))
                    return;
                if (c == '{' || c == '(' || c == '[')
                    ++depth;
                else if ((c == '}' || c == ')' || c == ']') && depth > 0)
                    --depth;
                else if (c == '}')
                    return;
            }
            take();
        }
    }

    // ---- declarations ----

    void skipAttribute()
    {
        take();
        if (atPunct('('))
            skipGroup('(', ')', false);
    }

    bool declaration()
    {
        peek();
        const std::size_t first = m_pos;
        const uint32_t edges = m_edges;
        Specifiers declared;
        while (const Token *token = peek()) {
            if (token->kind != TokenKind::Identifier)
                break;
            const std::string_view word = textOf(*token);
            switch (classify(word)) {
            case Word::Statement: return false;
            case Word::Qualifier: take(); continue;
            case Word::Attribute: skipAttribute(); continue;
            case Word::Typedef:
                declared.isTypedef = true;
                take();
                continue;
            case Word::TypeWord:
                declared.typeWords.push_back(word);
                take();
                continue;
            case Word::Aggregate:
                declared.aggregate = std::string(word);
                take();
                if (peek() && peek()->kind == TokenKind::Identifier) {
                    declared.aggregate += " " + std::string(textOf(*peek()));
                    take();
                }
                if (atPunct('{'))
                    skipGroup('{', '}', false);
                continue;
            case Word::Other: break;
            }
            // An unknown word names the thing declared when a declarator's end follows it.
            const Token *after = lookahead(1);
            const bool ends = !after || (after->kind == TokenKind::Punctuator
                                         && std::string_view("[=,;()").find(m_source.logical.text()[after->begin])
                                                != std::string_view::npos);
            if (declared.any() && ends)
                break;
            declared.others.push_back(word);
            take();
        }
        if (!declared.any())
            return false;
        for (;;) {
            int pointers = 0;
            while (atPunct('*')) {
                take();
                ++pointers;
                while (peek() && peek()->kind == TokenKind::Identifier && classify(textOf(*peek())) == Word::Qualifier)
                    take();
            }
            const Token *name = peek();
            if (!name || name->kind != TokenKind::Identifier || classify(textOf(*name)) != Word::Other)
                return false;
            const Token nameToken = *name;
            take();
            std::vector<std::vector<Token>> dims;
            while (atPunct('[')) {
                take();
                std::vector<Token> dim;
                std::size_t depth = 0;
                while (!atPunct(']') || depth > 0) {
                    const Token *token = peek();
                    if (!token || atPunct(';') || atPunct('{') || atPunct('}'))
                        return false;
                    depth += atPunct('[') ? 1 : atPunct(']') ? -1 : 0;
                    if (dim.size() < 64)
                        dim.push_back(*token);
                    take();
                }
                take();
                dims.push_back(std::move(dim));
            }
            while (peek() && peek()->kind == TokenKind::Identifier
                   && (classify(textOf(*peek())) == Word::Attribute || classify(textOf(*peek())) == Word::Statement))
                skipAttribute(); // __attribute__((...)), asm("...")
            if (atPunct('('))
                return false; // a function
            if (declared.isTypedef && pointers == 0 && dims.empty()) {
                const ResolvedType type = resolve(declared, m_typedefs);
                if (type.problem.empty())
                    m_typedefs[std::string(textOf(nameToken))] = type.type;
            }
            if (atPunct('=')) {
                take();
                if (!dims.empty() && !declared.isTypedef)
                    array(declared, first, nameToken, pointers, dims, edges);
                else
                    skipInitializer();
            }
            if (atPunct(',')) {
                take();
                continue;
            }
            if (atPunct(';')) {
                take();
                return true;
            }
            return false;
        }
    }

    // A size in brackets: a number, a name #defined as one, or sums and products of them.
    struct Dim
    {
        bool given = false, known = false;
        uint64_t value = 0;
        std::string text;
    };
    Dim dimension(const std::vector<Token> &tokens)
    {
        Dim dim;
        dim.given = !tokens.empty();
        for (const Token &token : tokens)
            dim.text += textOf(token);
        dim.text = quoted(dim.text);
        std::size_t from = 0, to = tokens.size();
        const std::string &text = m_source.logical.text();
        if (to >= 2 && isPunct(&tokens[0], '(', text) && isPunct(&tokens[to - 1], ')', text))
            ++from, --to;
        uint64_t sum = 0, product = 1;
        for (std::size_t i = from; i < to; ++i) {
            const Token &token = tokens[i];
            if ((i - from) % 2 == 1) {
                if (isPunct(&token, '+', text)) {
                    sum = std::min(sum + product, uint64_t(1) << 33);
                    product = 1;
                } else if (!isPunct(&token, '*', text)) {
                    return dim;
                }
                continue;
            }
            uint64_t value;
            if (token.kind == TokenKind::Number) {
                const IntegerLiteral literal = readIntegerLiteral(textOf(token));
                if (!literal.valid || literal.tooWide)
                    return dim;
                value = literal.magnitude;
            } else if (const auto defined = m_defines.find(std::string(textOf(token))); token.kind == TokenKind::Identifier
                                                                                         && defined != m_defines.end()) {
                value = uint64_t(defined->second);
            } else {
                return dim;
            }
            const uint64_t most = uint64_t(1) << 33;
            product = value != 0 && product > most / value ? most : product * value;
        }
        if (to == from || (to - from) % 2 == 0)
            return dim;
        dim.known = true;
        dim.value = sum + product;
        return dim;
    }

    void array(const Specifiers &declared, std::size_t first, const Token &name, int pointers,
               const std::vector<std::vector<Token>> &dimTokens, uint32_t edges)
    {
        if (m_out.arrays.size() >= kSourceMaxArrays)
            throw Refused{"it defines more than " + std::to_string(kSourceMaxArrays) + " arrays"};
        SourceArray array;
        array.name = std::string(textOf(name));
        array.line = lineOf(name);
        array.begin = writtenBegin(m_tokens[first]);
        array.comments = commentsBefore(first);
        const ResolvedType type = resolve(declared, m_typedefs);
        array.bits = type.type.bits;
        array.isSigned = type.type.isSigned;
        array.elementType = type.text;
        array.notes = type.notes;
        array.widthAssumed = type.widthAssumed;
        std::string problem = type.problem;
        if (pointers > 0)
            problem = "an array of pointers, not of integers";
        std::vector<Dim> dims;
        for (const std::vector<Token> &tokens : dimTokens)
            dims.push_back(dimension(tokens));
        if (problem.empty())
            problem = dimensionProblem(dims, array.notes);
        if (problem.empty())
            problem = values(array, dims);
        else
            skipInitializer();
        if (problem.empty() && m_edges != edges)
            problem = "its definition runs across the branches of an #if that cannot be worked out here";
        array.end = m_last >= first ? writtenEnd(m_tokens[m_last]) : array.begin;
        if (!problem.empty()) {
            array.problem = problem;
            array.values = {};
            array.bits = 0;
        }
        m_out.arrays.push_back(std::move(array));
    }

    std::vector<std::string> commentsBefore(std::size_t first)
    {
        std::size_t previous = first;
        while (previous > 0 && m_tokens[previous - 1].isMarker())
            --previous;
        const uint32_t from = previous > 0 ? m_tokens[previous - 1].commentsBefore : 0;
        std::vector<std::string> comments;
        for (uint32_t i = from; i < m_tokens[first].commentsBefore && i < m_source.comments.size(); ++i) {
            const auto [begin, end] = m_source.comments[i];
            comments.emplace_back(m_source.logical.text().substr(begin, end - begin));
        }
        return comments;
    }

    std::string dimensionProblem(std::vector<Dim> &dims, std::vector<std::string> &notes)
    {
        if (dims.size() > 2)
            return "it has " + std::to_string(dims.size()) + " dimensions; sprites have one or two";
        if (dims.size() == 2 && !dims[1].given)
            return "the size of its rows is left out";
        if (dims.size() == 2 && !dims[1].known)
            return "the size " + dims[1].text + " of its rows is not defined in this file";
        if (dims[0].given && !dims[0].known) {
            notes.push_back("its size " + dims[0].text + " is not defined in this file: the values give it");
            dims[0].given = false;
        }
        const uint64_t most = uint64_t(1) << 40;
        uint64_t elements = 1;
        for (const Dim &dim : dims) {
            if (dim.known && dim.value == 0)
                return "it is declared with no elements";
            if (dim.known)
                elements = dim.value > most / elements ? most : elements * dim.value;
        }
        if (elements > kSourceMaxElements)
            return "it is declared with " + (elements < most ? std::to_string(elements) : "so many") + " elements, more than the "
                   + std::to_string(kSourceMaxElements) + " a sprite may have";
        return {};
    }

    // Past the rest of an initializer whose braces are `depth` deep here.
    void skipBraces(int depth)
    {
        while (depth > 0 && peek() && !atPunct(';')) {
            depth += atPunct('{') ? 1 : atPunct('}') ? -1 : 0;
            take();
        }
    }

    // The initializer from its '{': its values into `array`, or why it is not read.
    std::string values(SourceArray &array, const std::vector<Dim> &dims)
    {
        const Token *open = peek();
        if (!open)
            return "its values are missing at the end of the text";
        if (open->kind == TokenKind::String) {
            skipInitializer();
            return "it holds a string";
        }
        if (!atPunct('{')) {
            skipInitializer();
            return "its values are not a list in braces";
        }
        take();
        const bool twoD = dims.size() == 2;
        const uint64_t inner = twoD ? dims[1].value : 1;
        const uint64_t rowsGiven = dims[0].known ? dims[0].value : 0; // 0: taken from the values
        enum class Rows { Unset, Braced, Flat } rows = Rows::Unset;
        int depth = 1;
        uint64_t next = 0, row = 0, column = 0;
        bool expectValue = true;
        while (depth > 0) {
            const Token *token = peek();
            if (!token)
                return "its braces are not closed";
            if (atPunct(';'))
                return "its braces are not closed before the ;" + onLine(*token);
            if (atPunct('{')) {
                if (!expectValue) {
                    skipBraces(depth);
                    return "a comma is missing before the {" + onLine(*token);
                }
                if (!twoD || depth > 1) {
                    skipBraces(depth);
                    return "braces" + onLine(*token) + " are nested deeper than its "
                           + (twoD ? "two dimensions" : "one dimension");
                }
                if (rows == Rows::Flat || (rowsGiven > 0 && row >= rowsGiven)) {
                    skipBraces(depth);
                    return rows == Rows::Flat ? "its rows are given partly in braces and partly not"
                                              : "it holds more rows than its " + std::to_string(rowsGiven);
                }
                rows = Rows::Braced;
                column = 0;
                depth = 2;
                take();
                continue;
            }
            if (atPunct('}')) {
                take();
                if (--depth == 1)
                    ++row;
                expectValue = false;
                continue;
            }
            if (atPunct(',') && !expectValue) {
                take();
                expectValue = true;
                continue;
            }
            if (atPunct(',') || !expectValue) {
                skipBraces(depth);
                return expectValue ? "a value is missing before the comma" + onLine(*token)
                                   : "its elements are not integer literals (" + quoted(textOf(*token)) + onLine(*token) + ")";
            }
            if (atPunct('[') || atPunct('.')) {
                skipBraces(depth);
                return "it names the elements it gives (" + quoted(textOf(*token)) + onLine(*token) + ")";
            }
            SourceValue value;
            std::string why = literal(array, value);
            uint64_t index = 0;
            if (why.empty() && depth == 2) {
                if (column >= inner)
                    why = "row " + std::to_string(row + 1) + " holds more than its " + std::to_string(inner) + " values";
                index = row * inner + column++;
            } else if (why.empty()) {
                if (rows == Rows::Braced)
                    why = "its rows are given partly in braces and partly not";
                rows = twoD ? Rows::Flat : rows;
                index = next++;
                if (rowsGiven > 0 && index >= rowsGiven * inner)
                    why = "it holds more values than its " + std::to_string(rowsGiven * inner) + " elements";
            }
            if (why.empty() && index >= kSourceMaxElements)
                why = "it holds more than the " + std::to_string(kSourceMaxElements) + " values a sprite may have";
            if (!why.empty()) {
                skipBraces(depth);
                return why;
            }
            if (++m_values > kSourceMaxValues)
                throw Refused{"it holds more than " + std::to_string(kSourceMaxValues) + " values"};
            value.index = uint32_t(index);
            array.values.push_back(value);
            expectValue = false;
        }
        const uint64_t rowCount = rowsGiven > 0 ? rowsGiven : rows == Rows::Flat ? (next + inner - 1) / inner : twoD ? row : next;
        if (rowCount == 0)
            return "it holds no values";
        if (rowCount * inner > kSourceMaxElements)
            return "it holds more than the " + std::to_string(kSourceMaxElements) + " values a sprite may have";
        array.dims = {uint32_t(rowCount)};
        if (twoD)
            array.dims.push_back(uint32_t(inner));
        array.count = uint32_t(rowCount * inner);
        return {};
    }

    // One value from here: signs, casts and parentheses around an integer literal.
    std::string literal(const SourceArray &array, SourceValue &value)
    {
        struct Item
        {
            char kind; // '-', '+', '(' (a parenthesis), 'c' (a cast)
            IntType cast;
            uint32_t begin;
        };
        std::vector<Item> items;
        const Token *start = peek();
        const auto failure = [&] { return " (" + quoted(textOf(*start)) + onLine(*start) + ")"; };
        const Token *token = start;
        for (; token && token->kind != TokenKind::Number; token = peek()) {
            if (items.size() >= 16)
                return "a value" + onLine(*start) + " has more than 16 signs, casts and parentheses";
            if (atPunct('-') || atPunct('+')) {
                items.push_back({m_source.logical.text()[token->begin], {}, token->begin});
                take();
            } else if (atPunct('(')) {
                std::size_t ahead = 1;
                Specifiers cast;
                for (const Token *word = lookahead(ahead); word && word->kind == TokenKind::Identifier && ahead < 8;
                     word = lookahead(++ahead)) {
                    const std::string_view text = textOf(*word);
                    const Word kind = classify(text);
                    if (kind == Word::TypeWord)
                        cast.typeWords.push_back(text);
                    else if (kind == Word::Other && (m_typedefs.count(std::string(text)) > 0 || knownAlias(text)))
                        cast.others.push_back(text);
                    else if (kind != Word::Qualifier)
                        break;
                }
                if (!cast.any() || !aheadPunct(ahead, ')')) {
                    items.push_back({'(', {}, token->begin});
                    take();
                    continue;
                }
                const ResolvedType type = resolve(cast, m_typedefs);
                if (!type.problem.empty())
                    return "a value" + onLine(*start) + " is cast to " + (type.text.empty() ? "another type" : type.text);
                items.push_back({'c', type.type, token->begin});
                for (std::size_t i = 0; i <= ahead; ++i)
                    take();
            } else {
                return "its elements are not integer literals" + failure();
            }
        }
        if (!token)
            return "its braces are not closed";
        const IntegerLiteral read = readIntegerLiteral(textOf(*token));
        if (!read.valid)
            return "its elements are not integer literals (" + quoted(textOf(*token)) + onLine(*token) + ")";
        if (read.tooWide)
            return "a value is wider than 32 bits (" + quoted(textOf(*token)) + onLine(*token) + ")";
        const Token literalToken = *token;
        take();
        for (const Item &item : items)
            if (item.kind == '(') {
                if (!atPunct(')'))
                    return "its elements are not integer literals" + failure();
                take();
            }
        // The signs just before the literal are written again with it.
        std::size_t run = items.size();
        while (run > 0 && (items[run - 1].kind == '-' || items[run - 1].kind == '+'))
            --run;
        int64_t number = read.magnitude;
        bool innerNegative = false, outerNegative = false, anyPlus = false;
        value.castBits = 0;
        value.signedContext = array.isSigned;
        bool castSeen = false;
        for (std::size_t i = items.size(); i-- > 0;) {
            const Item &item = items[i];
            if (item.kind == '-') {
                number = -number;
                (i >= run ? innerNegative : outerNegative) ^= true;
            } else if (item.kind == '+') {
                anyPlus = anyPlus || i >= run;
            } else if (item.kind == 'c') {
                number = converted(number, item.cast.bits, item.cast.isSigned);
                if (!castSeen)
                    value.signedContext = item.cast.isSigned;
                castSeen = true;
                if (value.castBits == 0 || item.cast.bits < value.castBits) {
                    value.castBits = uint8_t(item.cast.bits);
                    value.castSigned = item.cast.isSigned;
                }
            }
        }
        const int64_t range = int64_t(1) << array.bits;
        if (number < -range / 2 || number >= range)
            return "values wider than " + std::to_string(array.bits) + " bits in an array of " + array.elementType + " ("
                   + quoted(textOf(literalToken)) + onLine(literalToken) + ")";
        value.value = uint32_t(((number % range) + range) % range);
        value.begin = run < items.size() ? m_source.logical.written(items[run].begin) : writtenBegin(literalToken);
        value.end = writtenEnd(literalToken);
        value.outerNegative = outerNegative;
        value.form = LiteralForm{read.base,    read.digits,   read.upperPrefix, read.hasLetters, read.upperLetters,
                                 innerNegative, anyPlus && !innerNegative, read.suffix};
        return {};
    }

    std::string_view m_written;
    const SourceTokens &m_source;
    const std::vector<Token> &m_tokens;
    SourceRead &m_out;
    LineCounter m_lines;
    std::size_t m_pos = 0;
    std::size_t m_last = 0; // the last token taken
    std::size_t m_defineIndex = 0;
    uint32_t m_edges = 0;
    std::size_t m_depth = 0;
    bool m_strayNoted = false;
    std::size_t m_values = 0;
    std::unordered_map<std::string, int64_t> m_defines;
    std::unordered_map<std::string, IntType> m_typedefs;
};

} // namespace

SourceRead readSourceArrays(std::string_view text)
{
    SourceRead read;
    if (text.size() > kSourceMaxBytes) {
        read.error = "it is " + std::to_string(text.size()) + " bytes long, more than the "
                     + std::to_string(kSourceMaxBytes / 1'000'000) + " MB read as C source";
        return read;
    }
    try {
        const SourceTokens source = tokenize(text);
        read.notes = source.notes;
        Parser(text, source, read).run();
    } catch (const Refused &refused) {
        read = SourceRead{};
        read.error = refused.why;
    } catch (const std::bad_alloc &) {
        read = SourceRead{};
        read.error = "there is not enough memory to read it";
    } catch (const std::length_error &) {
        read = SourceRead{};
        read.error = "there is not enough memory to read it";
    }
    return read;
}
