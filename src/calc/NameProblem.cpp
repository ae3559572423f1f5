#include "calc/NameProblem.h"

#include "calc/CalcCharset.h"

#include <QCoreApplication>

namespace {

// The calculator's name rules (document/NameRules) in the user's language; in English the
// same words as the rules' own.
class NameProblemText
{
    Q_DECLARE_TR_FUNCTIONS(NameProblem)

public:
    static QString title(NameKind kind) { return kind == NameKind::PicVar ? tr("Pic Var ERROR!") : tr("Folder Name ERROR!"); }

    static QString message(NameKind kind, NameFault fault, const QString &character)
    {
        const bool picVar = kind == NameKind::PicVar;
        switch (fault) {
        case NameFault::None: return {};
        case NameFault::Missing: return picVar ? tr("Pic Var Name missing.") : tr("Folder Name missing.");
        case NameFault::LeadingDigit:
            return picVar ? tr("First character of Pic Var Name can't be digit.")
                          : tr("First character of Folder Name can't be digit.");
        case NameFault::InvalidCharacter:
            // Two lines, split by a carriage return as the calculator's message is.
            return picVar ? tr("Invalid character \rin Pic Var Name: <%1>").arg(character)
                          : tr("Invalid character \rin Folder Name: <%1>").arg(character);
        }
        return {};
    }
};

} // namespace

std::optional<NameProblem> findNameProblem(const QString &text, NameKind kind)
{
    const QStringList pieces = CalcCharset::characters(text);
    std::string bytes;
    for (const QString &piece : pieces)
        bytes += char(CalcCharset::byteOf(piece));
    const NameCheck check = checkName(bytes, kind);
    if (check.passed())
        return std::nullopt;
    const QString shown = check.fault == NameFault::InvalidCharacter ? pieces[check.position] : QString();
    return NameProblem{NameProblemText::title(kind), NameProblemText::message(kind, check.fault, shown)};
}
