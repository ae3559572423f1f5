#pragma once

#include "document/CalcKind.h"

#include <QString>
#include <QStringList>

// TiLP (Debian package tilp2), the link program that sends files to the calculator.
namespace Tilp {

inline const QString program = QStringLiteral("tilp");

// "--calc=ti89", "ti92", "ti92+" or "v200": the calculator a picture of that kind goes to.
// A freshly installed TiLP knows no calculator and refuses every file as "incompatible with
// the target handheld". The cable and its port stay as the user set them up in TiLP.
QString calcOption(CalcKind kind);

// The calculator TiLP is set up for in the user's ~/.tilp ("TI89T USB", ...); empty when none.
QString configuredModel();
// What TiLP is told of the calculator: nothing when the calculator it is set up for takes
// pictures of this kind (a TI-89 Titanium for a TI-89 picture, a Voyage 200 for a TI-92 Plus
// one), else calcOption(kind).
QStringList calcOptions(CalcKind kind, const QString &configured);

// TiLP with its window, as the editor starts it: it shows its own progress and questions.
QStringList windowArguments(CalcKind kind, const QString &file);
// TiLP in the terminal, as dotlark-convert starts it.
QStringList terminalArguments(CalcKind kind, const QString &file);

// TiLP 1.19 ends with status 0 after some errors it reported (in the terminal, a line
// "msg_box1: [Error] [...]"): true when the output holds such a report.
bool reportedError(const QString &output);

// A freshly installed TiLP has no link cable set up and tries a "null" cable, which fails
// with "invalid command ID": a hint for the user, empty when the output shows a real cable.
QString cableHint(const QString &output);

} // namespace Tilp
