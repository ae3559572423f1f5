#include "calc/NameProblem.h"

#include "calc/CalcCharset.h"

std::optional<NameProblem> findNameProblem(const QString &text, NameKind kind)
{
    const QStringList pieces = CalcCharset::characters(text);
    std::string bytes;
    for (const QString &piece : pieces)
        bytes += char(CalcCharset::byteOf(piece));
    const NameCheck check = checkName(bytes, kind);
    if (check.passed())
        return std::nullopt;
    const QByteArray shown = check.fault == NameFault::InvalidCharacter ? pieces[check.position].toUtf8() : QByteArray();
    return NameProblem{QString::fromUtf8(nameFaultTitle(kind)),
                       QString::fromUtf8(nameFaultMessage(kind, check.fault, shown.toStdString()))};
}
