#include "calc/CalcCharset.h"

#include <QCoreApplication>
#include <QHash>
#include <array>
#include <cstring>

// The library header uses the C keyword restrict.
#define restrict __restrict
#include <tilp2/ticonv.h>
#undef restrict

namespace {

constexpr uint8_t kUnknown = '?';
constexpr char16_t kPrivateUseBase = 0xE000;

// Pieces are one or two UTF-16 units; two-unit keys never collide with one-unit ones
// because their first unit is not zero.
quint32 keyOf(QStringView piece)
{
    if (piece.size() == 1)
        return piece[0].unicode();
    return quint32(piece[0].unicode()) << 16 | piece[1].unicode();
}

struct Table
{
    std::array<QString, 256> text;
    QHash<quint32, uint8_t> byteOfKey;
};

// The library's text of one byte.
QString libraryText(uint8_t byte)
{
    const char ti[2] = {char(byte), 0};
    unsigned short *utf16 = ticonv_charset_ti_to_utf16(CALC_TI89, ti);
    if (!utf16)
        return {};
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(utf16));
    ticonv_utf16_free(utf16);
    return text;
}

// Whether the library turns text back into exactly this one byte.
bool libraryReturns(const QString &text, uint8_t byte)
{
    char *ti = ticonv_charset_utf16_to_ti(CALC_TI89, reinterpret_cast<const unsigned short *>(text.utf16()));
    if (!ti)
        return false;
    const bool same = std::strlen(ti) == 1 && uint8_t(ti[0]) == byte;
    ticonv_ti_free(ti);
    return same;
}

// Built once from the library, byte by byte. A byte whose text does not come back as the
// same byte gets a private-use character of its own, so that it still round-trips.
Table buildTable()
{
    Table table;
    for (int byte = 1; byte < 256; ++byte) {
        QString text = libraryText(uint8_t(byte));
        const bool usable = (text.size() == 1 || text.size() == 2) && libraryReturns(text, uint8_t(byte))
                            && !table.byteOfKey.contains(keyOf(text));
        if (!usable)
            text = QString(QChar(char16_t(kPrivateUseBase + byte)));
        table.text[byte] = text;
        table.byteOfKey.insert(keyOf(text), uint8_t(byte));
    }
    return table;
}

const Table &table()
{
    static const Table built = buildTable();
    return built;
}

} // namespace

namespace CalcCharset {

QString toUnicode(std::string_view bytes)
{
    QString text;
    for (const char c : bytes) {
        if (c == 0)
            break;
        text += table().text[uint8_t(c)];
    }
    return text;
}

QStringList characters(const QString &text)
{
    QStringList pieces;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype length = 1;
        if (i + 1 < text.size()) {
            const bool surrogatePair = text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
            if (surrogatePair || table().byteOfKey.contains(keyOf(QStringView(text).mid(i, 2))))
                length = 2;
        }
        pieces << text.mid(i, length);
        i += length;
    }
    return pieces;
}

uint8_t byteOf(const QString &character)
{
    if (character.isEmpty() || character.size() > 2)
        return kUnknown;
    return table().byteOfKey.value(keyOf(character), kUnknown);
}

QStringList unstorable(const QString &text)
{
    QStringList lost;
    for (const QString &piece : characters(text))
        if (byteOf(piece) == kUnknown && piece != QChar(kUnknown) && !lost.contains(piece))
            lost << piece;
    return lost;
}

QString unstorableCommentNote(const QString &comment)
{
    const QStringList lost = unstorable(comment);
    if (lost.isEmpty())
        return {};
    return QCoreApplication::translate("CalcCharset", "The comment was stored with \"?\" in place of %1, which the "
                                                      "calculator's characters do not include.")
        .arg(lost.join(QStringLiteral(" ")));
}

std::string fromUnicode(const QString &text)
{
    std::string bytes;
    for (const QString &piece : characters(text))
        bytes += char(byteOf(piece));
    return bytes;
}

} // namespace CalcCharset
