#include "platform/Tilp.h"

namespace Tilp {

QString calcOption(CalcKind kind)
{
    switch (kind) {
    case CalcKind::TI92:
        return QStringLiteral("--calc=ti92");
    case CalcKind::TI92Plus:
        return QStringLiteral("--calc=ti92+");
    case CalcKind::Voyage200:
        return QStringLiteral("--calc=v200");
    case CalcKind::TI89:
        break;
    }
    return QStringLiteral("--calc=ti89");
}

// TiLP reads its options only before the file names.
QStringList windowArguments(CalcKind kind, const QString &file) { return {calcOption(kind), file}; }

QStringList terminalArguments(CalcKind kind, const QString &file)
{
    return {calcOption(kind), QStringLiteral("--no-gui"), file};
}

bool reportedError(const QString &output) { return output.contains(QStringLiteral("msg_box1: [Error]")); }

} // namespace Tilp
