// dotlark-convert-manpage TEMPLATE OUT: writes the tool's manual page from its template, whose
// @SYNOPSIS@, @COMMANDS@, @IMAGES@ and @EXIT_STATUS@ lines (and the version) are filled from
// the table --help is made from, so that the page and the help cannot tell different stories.
// Run at build time; not installed.
#include "ConvertCommands.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdio>

namespace {

// Text as roff sets it: backslashes and hyphens escaped, no line taken for a request, a line
// free to break after the bars of a list of choices (a|b|c).
QString roff(QString text)
{
    text.replace(u'\\', QStringLiteral("\\e")).replace(u'-', QStringLiteral("\\-")).replace(u'|', QStringLiteral("|\\:"));
    static const QRegularExpression request(QStringLiteral("^([.'])"), QRegularExpression::MultilineOption);
    return text.replace(request, QStringLiteral("\\&\\1"));
}

// A synopsis with its options in bold and the words to replace (FILE, N, WxH) in italics; the
// help's line breaks go, the page wraps it.
QString synopsis(const QString &wrapped)
{
    const QString text = wrapped.simplified();
    static const QRegularExpression word(QStringLiteral("(--[a-z0-9-]+)|\\b([A-Z][A-Z0-9]*(?:x[A-Z])?)\\b"));
    QString out;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : word.globalMatch(text)) {
        out += roff(text.mid(at, match.capturedStart() - at));
        out += (match.hasCaptured(1) ? QStringLiteral("\\fB") : QStringLiteral("\\fI")) + roff(match.captured()) + QStringLiteral("\\fR");
        at = match.capturedEnd();
    }
    return out + roff(text.mid(at));
}

QString synopsisSection()
{
    QString out;
    for (const CommandHelp &command : commandHelp())
        out += QStringLiteral(".HP 4\n\\fBdotlark\\-convert\\fR ") + synopsis(command.synopsis) + u'\n';
    return out + QStringLiteral(".HP 4\n\\fBdotlark\\-convert \\-\\-help\\fR | \\fB\\-\\-version\\fR\n");
}

QString commandsSection()
{
    QString out;
    for (const CommandHelp &command : commandHelp()) {
        out += QStringLiteral(".TP\n\\fBdotlark\\-convert\\fR ") + synopsis(command.synopsis) + u'\n' + roff(command.description) + u'\n';
        out += QStringLiteral(".RS\n");
        for (const OptionRule &rule : command.options) {
            out += QStringLiteral(".TP\n\\fB") + roff(rule.name) + QStringLiteral("\\fR");
            if (!rule.valueName.isEmpty())
                out += QStringLiteral(" \\fI") + roff(rule.valueName) + QStringLiteral("\\fR");
            out += u'\n' + roff(rule.help) + u'\n';
        }
        out += QStringLiteral(".RE\n");
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: dotlark-convert-manpage TEMPLATE OUT\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "dotlark-convert-manpage: %s: %s\n", argv[1], qPrintable(in.errorString()));
        return 1;
    }
    QString page = QString::fromUtf8(in.readAll());
    const QString exitStatus = helpExitStatus().section(QStringLiteral(": "), 1);
    page.replace(QStringLiteral("@PROJECT_VERSION@"), QStringLiteral(DOTLARK_VERSION))
        .replace(QStringLiteral("@SYNOPSIS@\n"), synopsisSection())
        .replace(QStringLiteral("@COMMANDS@\n"), commandsSection())
        .replace(QStringLiteral("@IMAGES@\n"), roff(helpImages()) + u'\n')
        .replace(QStringLiteral("@EXIT_STATUS@\n"), roff(exitStatus) + u'\n');
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(page.toUtf8()) < 0 || !out.flush()) {
        std::fprintf(stderr, "dotlark-convert-manpage: %s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
