#include "shell/Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace {

QFont makeFont(const QStringList &families, QFont::StyleHint hint, double points, bool bold)
{
    QFont font;
    // The first installed family of the list wins; the style hint guides Qt when none is.
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSizeOf(points));
    font.setBold(bold);
    return font;
}

} // namespace

QStringList firstInstalled(const QStringList &families, const QStringList &installed)
{
    for (const QString &family : families)
        if (installed.contains(family, Qt::CaseInsensitive))
            return {family};
    return families;
}

QFont firstFamilyOnly(QFont font)
{
    font.setFamilies(firstInstalled(font.families(), QFontDatabase::families()));
    return font;
}

int pixelSizeOf(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont calcFont(double points)
{
    return firstFamilyOnly(makeFont({QStringLiteral("TI92pc"), QStringLiteral("DejaVu Sans Mono"),
                                     QStringLiteral("Liberation Mono"), QStringLiteral("Noto Sans Mono")},
                                    QFont::Monospace, points, true));
}

QFont systemFont(double points)
{
    return firstFamilyOnly(makeFont({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                     QStringLiteral("Nimbus Sans")},
                                    QFont::SansSerif, points, true));
}

QFont serifFont(double points, bool bold)
{
    return makeFont({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                     QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")},
                    QFont::Serif, points, bold);
}

QFont dialogFont(double points, bool bold)
{
    return makeFont({QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                     QStringLiteral("DejaVu Sans")},
                    QFont::SansSerif, points, bold);
}
