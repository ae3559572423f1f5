#include "session/SpriteSummary.h"

#include <QStringList>

namespace {
QString text(const std::string &words) { return QString::fromUtf8(words.data(), qsizetype(words.size())); }
} // namespace

QString SpriteSummary::elementSize(const SourceSprite &sprite)
{
    if (!sprite.problem.empty())
        return {};
    if (sprite.elementsPerRow > 1)
        return tr("%1 bits, %2 a row").arg(sprite.elementBits).arg(sprite.elementsPerRow);
    return tr("%1 bits").arg(sprite.elementBits);
}

QString SpriteSummary::length(const SourceSprite &sprite)
{
    if (!sprite.problem.empty())
        return {};
    if (sprite.tiles > 1)
        return tr("%1 x %2 elements").arg(sprite.tiles).arg(sprite.elementCount / uint32_t(sprite.tiles));
    return tr("%1 elements").arg(sprite.elementCount);
}

QString SpriteSummary::shape(const SourceSprite &sprite)
{
    if (!sprite.problem.empty())
        return tr("not a sprite: %1").arg(text(sprite.problem));
    QString shape = sprite.tiles > 1 ? tr("%1 tiles of %2 x %3 pixels, %4 a row")
                                           .arg(sprite.tiles).arg(sprite.width).arg(sprite.height).arg(sprite.sheet.columns)
                                     : tr("%1 x %2 pixels").arg(sprite.width).arg(sprite.height);
    if (sprite.planes.size() == 2)
        shape += tr(", four grey levels");
    if (sprite.mask)
        shape += tr(", with a mask");
    return shape;
}

QString SpriteSummary::arrays(const SourceSprite &sprite)
{
    QStringList names;
    for (const SpriteArray &array : sprite.arrays)
        names << text(array.name);
    return names.join(QStringLiteral(", "));
}
