#include "calc/Tilp.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

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

QString configuredModel()
{
    const QSettings settings(QDir::home().filePath(QStringLiteral(".tilp")), QSettings::IniFormat);
    return settings.value(QStringLiteral("DEVICE/calc_model")).toString();
}

QStringList calcOptions(CalcKind kind, const QString &configured)
{
    // TiLP's own names of the calculators, upper case; a Titanium by any cable.
    static const QStringList kTakesTI89 = {QStringLiteral("TI89"), QStringLiteral("TI89T"), QStringLiteral("TI89T USB")};
    static const QStringList kTakesTI92Plus = {QStringLiteral("TI92+"), QStringLiteral("V200")};
    const QString model = configured.trimmed().toUpper();
    const bool takes = kind == CalcKind::TI89   ? kTakesTI89.contains(model)
                       : kind == CalcKind::TI92 ? model == QStringLiteral("TI92")
                                                : kTakesTI92Plus.contains(model);
    return takes ? QStringList() : QStringList{calcOption(kind)};
}

// TiLP reads its options only before the file names.
QStringList windowArguments(CalcKind kind, const QString &file) { return calcOptions(kind, configuredModel()) << file; }

QStringList terminalArguments(CalcKind kind, const QString &file)
{
    return calcOptions(kind, configuredModel()) << QStringLiteral("--no-gui") << file;
}

bool reportedError(const QString &output) { return output.contains(QStringLiteral("msg_box1: [Error]")); }

QString cableHint(const QString &output)
{
    if (!output.contains(QStringLiteral("Opening cable null")))
        return {};
    return QCoreApplication::translate("Tilp", "TiLP has no link cable set up: start TiLP (tilp) and choose the cable "
                                               "and the calculator in its settings.");
}

} // namespace Tilp
