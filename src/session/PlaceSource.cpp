// A place in C source: a sprite's arrays in a header or a source file, opened as a picture
// and written back by changing only the values of its arrays that change.

#include "document/GreyPicture.h"
#include "document/NameRules.h"
#include "document/Picture89i.h"
#include "document/SpriteRewrite.h"
#include "platform/FileStore.h"
#include "session/FileNames.h"
#include "session/Place.h"

namespace {
QString text(const std::string &words) { return QString::fromUtf8(words.data(), qsizetype(words.size())); }

// The reader's reason as a sentence of a message.
QString sentence(const std::string &reason)
{
    const QString words = text(reason);
    return words.left(1).toUpper() + words.mid(1) + u'.';
}

std::string textOf(const QByteArray &bytes) { return std::string(bytes.constData(), size_t(bytes.size())); }

// Sprite number `nth` of those named `name`; nothing when the text has no such sprite.
const SourceSprite *spriteNamed(const std::vector<SourceSprite> &sprites, const std::string &name, int nth)
{
    for (const SourceSprite &sprite : sprites)
        if (sprite.name == name && nth-- == 0)
            return &sprite;
    return nullptr;
}

int nthOfName(const std::vector<SourceSprite> &sprites, size_t index)
{
    int nth = 0;
    for (size_t i = 0; i < index; ++i)
        nth += sprites[i].name == sprites[index].name ? 1 : 0;
    return nth;
}

// The sprites of a text, or why the text is refused.
Outcome<std::vector<SourceSprite>> spritesOf(const QString &path, const std::string &source)
{
    const SourceRead read = readSourceArrays(source);
    if (!read.error.empty())
        return Failure{Failure::What::NotAPicture, path, text(read.error)};
    std::vector<SourceSprite> sprites = spritesIn(source, read);
    if (sprites.empty())
        return Failure{Failure::What::NotAPicture, path,
                       Place::tr("It defines no array of 8, 16 or 32-bit integers, which is how C source holds sprites.")};
    return sprites;
}

// The texts a sprite opens with: its name for Pic Var Name when the calculator takes it.
CalcTexts textsOf(const SourceSprite &sprite)
{
    CalcTexts texts;
    if (sprite.name.size() <= 8 && checkName(sprite.name, NameKind::PicVar).passed())
        texts.name = sprite.name;
    return texts;
}

// The picture's planes as the sprite holds them: one (1 = black) or light and dark, each of
// the picture's size; refused when a grey picture would go into one plane.
Outcome<std::vector<PixelGrid>> planesFor(const QString &path, const SourceSprite &sprite, const StoredPicture &picture)
{
    if (sprite.planes.size() == 1) {
        if (picture.levels == 4)
            return Failure{Failure::What::CannotEncode, path,
                           Place::tr("%1 is a black-and-white sprite in this file, and the picture has four grey levels.")
                               .arg(text(sprite.name))};
        return std::vector<PixelGrid>{greyFromPlane(picture.pixels, picture.width, picture.height).light};
    }
    GreyPicture grey = picture.levels == 4 ? greyFromLevels(picture.pixels, picture.width, picture.height)
                                           : greyFromPlane(picture.pixels, picture.width, picture.height);
    return std::vector<PixelGrid>{std::move(grey.light), std::move(grey.dark)};
}
} // namespace

Outcome<SourceOnDisk> Place::readSource(FileStore &files, const QString &path)
{
    Outcome<FileStore::Read> read = files.readIdentified(path);
    if (!read)
        return read.failure();
    SourceOnDisk source{path, read->identity, textOf(read->bytes), {}};
    Outcome<std::vector<SourceSprite>> sprites = spritesOf(path, source.text);
    if (!sprites)
        return sprites.failure();
    source.sprites = std::move(*sprites);
    return source;
}

Outcome<Place::Opened> Place::openSprite(const SourceOnDisk &source, int index)
{
    const SourceSprite &sprite = source.sprites.at(size_t(index));
    const QString where = source.path + QStringLiteral(" [") + text(sprite.name) + u']';
    if (!sprite.problem.empty())
        return Failure{Failure::What::NotAPicture, where, tr("It is not a sprite: %1.").arg(text(sprite.problem))};
    const int width = sprite.sheet.width(), height = sprite.sheet.height();
    if (width > kPicture89iMaxSide || height > kPicture89iMaxSide)
        return Failure{Failure::What::PictureTooLarge, where,
                       tr("It is %1 x %2 pixels; the editor takes pictures of at most %3 pixels a side.")
                           .arg(width).arg(height).arg(kPicture89iMaxSide)};
    Place place;
    place.m_shape = Shape::SourceSprite;
    place.m_files = {absoluteCleanPath(source.path)};
    place.m_names = {sprite.name};
    place.m_onDisk = {source.onDisk};
    place.m_sprite = std::make_shared<const SourceSprite>(sprite);
    place.m_spriteOfName = nthOfName(source.sprites, size_t(index));
    StoredPicture picture{textsOf(sprite), width, height, 2, sprite.planes.front(), CalcKind::TI89};
    if (sprite.planes.size() == 2) {
        GreyPicture grey(width, height);
        grey.light = sprite.planes[0];
        grey.dark = sprite.planes[1];
        picture.levels = 4;
        picture.pixels = levelsFromGrey(grey);
    }
    return Opened{std::make_shared<Place>(std::move(place)), std::move(picture)};
}

// The text is read as it is now, from the one reading whose identity the guard checks. While
// it is the text the sprite was read from, the sprite's values are written where they were;
// a text another program changed, which the user agreed to write over, is read again and the
// sprite of the same name written into it. Nothing is written when nothing changes, so that
// an unchanged save leaves the file as it was, to the byte and the time.
Outcome<Place::Written> Place::writeSprite(FileStore &files, const StoredPicture &picture, const Overwrite &overwrite) const
{
    Outcome<FileStore::Read> read = files.readIdentified(path());
    if (!read)
        return read.failure();
    const WriteGuard guard = guardOf(0, overwrite, read->identity);
    if (read->identity != guard.expected)
        return Failure{Failure::What::ChangedOnDisk, path(), {}};
    const std::string source = textOf(read->bytes);
    std::vector<SourceSprite> sprites;
    const SourceSprite *sprite = m_sprite.get();
    if (source.size() != sprite->textSize || sourceTextHash(source) != sprite->textHash) {
        Outcome<std::vector<SourceSprite>> now = spritesOf(path(), source);
        if (!now)
            return now.failure();
        sprites = std::move(*now);
        sprite = spriteNamed(sprites, m_names.front(), m_spriteOfName);
        if (!sprite)
            return Failure{Failure::What::CannotEncode, path(),
                           tr("The file no longer defines the sprite %1.").arg(text(m_names.front()))};
    }
    if (picture.width != sprite->sheet.width() || picture.height != sprite->sheet.height())
        return Failure{Failure::What::CannotEncode, path(),
                       tr("The picture is %1 x %2 pixels, and the arrays of %3 hold %4 x %5: a sprite of another size "
                          "cannot be written in place. Save As writes the picture to a file of its own.")
                           .arg(picture.width).arg(picture.height).arg(text(sprite->name))
                           .arg(sprite->sheet.width()).arg(sprite->sheet.height())};
    const Outcome<std::vector<PixelGrid>> planes = planesFor(path(), *sprite, picture);
    if (!planes)
        return planes.failure();
    const SpriteRewrite rewritten = rewriteSprite(source, *sprite, *planes);
    if (!rewritten.error.empty())
        return Failure{Failure::What::CannotEncode, path(), sentence(rewritten.error)};
    // The values' places move when a literal grows ("24" -> "152"): the next save starts
    // from the sprite as the new text holds it, read before anything is written.
    const bool changed = rewritten.text != source;
    Outcome<std::vector<SourceSprite>> after = changed ? spritesOf(path(), rewritten.text) : std::vector<SourceSprite>();
    const SourceSprite *written = !changed ? sprite : after ? spriteNamed(*after, m_names.front(), m_spriteOfName) : nullptr;
    if (!written)
        return Failure{Failure::What::CannotEncode, path(), tr("The sprite %1 would not read back.").arg(text(m_names.front()))};
    if (changed) {
        const QByteArray bytes(rewritten.text.data(), qsizetype(rewritten.text.size()));
        if (const Done done = files.writeGuarded(path(), bytes, guard); !done)
            return done.failure();
    }
    auto place = std::make_shared<Place>(*this);
    place->m_sprite = std::make_shared<const SourceSprite>(*written);
    place->m_onDisk = {changed ? files.identify(path()) : read->identity};
    return Written{std::move(place), changed ? linksBroken({path()}, {guard}) : QStringList(), {guard.expected}};
}
