#include "platform/IsolatedText.h"

namespace {
constexpr char16_t kFirstStrongIsolate = 0x2068;
constexpr char16_t kPopIsolate = 0x2069;

bool opensIsolate(QChar c) { return c.unicode() >= 0x2066 && c.unicode() <= kFirstStrongIsolate; } // LRI, RLI, FSI
} // namespace

QString isolated(const QString &name)
{
    QString text;
    text.reserve(name.size() + 2);
    text += QChar(kFirstStrongIsolate);
    int open = 0; // isolates the name opened and has not closed
    for (const QChar c : name) {
        if (opensIsolate(c))
            ++open;
        if (c == QChar(kPopIsolate)) {
            if (open == 0) { // it would close ours
                text += QChar::ReplacementCharacter;
                continue;
            }
            --open;
        }
        text += c;
    }
    // The embeddings and overrides the name opens end with the isolate that holds them.
    text += QString(open + 1, QChar(kPopIsolate));
    return text;
}
