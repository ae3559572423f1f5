#include "PictureCommands.h"
#include "GreyCommands.h"

#include "PictureTransforms.h"

#include "calc/CalcCharset.h"
#include "calc/NameProblem.h"
#include "calc/PictureFile.h"
#include "document/PictureOps.h"
#include "import/PictureImages.h"
#include "import/ScaledImport.h"
#include "session/TiGroup.h"
#include "platform/FailureText.h"
#include "platform/Messages.h"
#include "platform/PictureLoader.h"
#include "qtplatform/QtPictureLoader.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// One calculator text from an option: at most maxLength calculator characters and, for
// names, passing the name rules. False (after saying why) when refused.
bool takeText(const Invocation &call, const QString &option, int maxLength, std::optional<NameKind> kind,
              std::string &text)
{
    if (!call.has(option))
        return true;
    const QString value = call.value(option);
    if (CalcCharset::characters(value).size() > maxLength) {
        refuse(value, Convert::tr("%1 takes at most %2 characters").arg(option).arg(maxLength));
        return false;
    }
    if (kind) {
        if (const std::optional<NameProblem> problem = findNameProblem(value, *kind)) {
            refuse(value, problem->title + u' ' + screenLines(problem->message));
            return false;
        }
    }
    text = CalcCharset::fromUnicode(value);
    return true;
}

bool takeTexts(const Invocation &call, CalcPicture &picture)
{
    return takeText(call, "--folder", 8, NameKind::Folder, picture.folder)
           && takeText(call, "--name", 8, NameKind::PicVar, picture.name)
           && takeText(call, "--comment", 40, std::nullopt, picture.comment);
}

int writePicture(Context &context, const QString &source, CalcPicture picture)
{
    // The output's ending decides the calculator (ConvertCommands lets only picture endings here).
    picture.kind = kindFromEnding(context.call.files[1].toStdString()).value_or(CalcKind::TI89);
    const EncodeResult encoded = encode89i(picture);
    if (encoded.error != Picture89iError::None)
        return refuse(pictureFailure(source, encoded.error));
    const bool commentStored = picture.name.size() < 8;
    if (!commentStored && !picture.comment.empty())
        printNote(Convert::tr("with an 8-character variable name the comment is not stored"));
    const int written = writeOutput(context, context.call.files[1], asByteArray(encoded.bytes));
    if (written == kExitOk && commentStored && context.call.has("--comment"))
        if (const QString note = CalcCharset::unstorableCommentNote(context.call.value("--comment")); !note.isEmpty())
            printNote(escapedControls(note));
    return written;
}

// A whole number in [low, high] from an option, or nothing after a usage error naming it.
std::optional<int> numberOption(const Invocation &call, const QString &option, int low, int high, int fallback)
{
    if (!call.has(option))
        return fallback;
    bool ok = false;
    const int value = call.value(option).toInt(&ok);
    if (!ok || value < low || value > high) {
        usageError(Convert::tr("%1 takes a whole number from %2 to %3, not \"%4\"")
                       .arg(option).arg(low).arg(high).arg(call.value(option)));
        return std::nullopt;
    }
    return value;
}

// The settings and target size of a scaled import from its options; nothing after a usage
// error naming the option.
std::optional<std::pair<ScaleSettings, QSize>> scaledOptions(const Invocation &call)
{
    ScaleSettings settings;
    settings.placement = call.has("--fill") ? Placement::Fill : call.has("--stretch") ? Placement::Stretch : Placement::Fit;
    if (call.has("--dither")) {
        const QString dither = call.value("--dither");
        if (dither == u"fs")
            settings.tone = Tone::FloydSteinberg;
        else if (dither == u"atkinson")
            settings.tone = Tone::Atkinson;
        else {
            usageError(Convert::tr("--dither takes fs or atkinson, not \"%1\"").arg(dither));
            return std::nullopt;
        }
    }
    const std::optional<int> threshold = numberOption(call, "--threshold", 0, 256, settings.threshold);
    const std::optional<int> brightness = threshold ? numberOption(call, "--brightness", -100, 100, 0) : std::nullopt;
    const std::optional<int> contrast = brightness ? numberOption(call, "--contrast", -100, 100, 0) : std::nullopt;
    if (!contrast)
        return std::nullopt;
    if (call.has("--gray") && call.value("--gray") != u"2" && call.value("--gray") != u"4") {
        usageError(Convert::tr("--gray takes 2 or 4, not \"%1\"").arg(call.value("--gray")));
        return std::nullopt;
    }
    settings.threshold = *threshold;
    settings.brightness = *brightness;
    settings.contrast = *contrast;
    settings.invert = call.has("--invert");
    QSize size(kScreenWidth, kScreenHeight);
    if (call.has("--size")) {
        static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
        const QRegularExpressionMatch match = pattern.match(call.value("--size"));
        size = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
        if (size.isEmpty() || checkWritableSize(size.width(), size.height()) != Picture89iError::None) {
            usageError(Convert::tr("--size takes WIDTHxHEIGHT of a picture the calculator can hold, not \"%1\"")
                           .arg(call.value("--size")));
            return std::nullopt;
        }
    }
    return std::pair{settings, size};
}

// Labelled lines, the values in one column a blank after the longest label.
QString aligned(const std::vector<std::pair<QString, QString>> &fields)
{
    qsizetype column = 0;
    for (const auto &field : fields)
        column = std::max(column, field.first.size() + 1);
    QStringList lines;
    for (const auto &[label, value] : fields)
        lines << label.leftJustified(column) + value;
    return lines.join(u'\n');
}

} // namespace

// The picture file read with the hint, or nothing after saying why.
std::optional<LoadedPicture> loadImage(Context &context, const QString &in, const LoadHint &hint)
{
    // Anything else that is there (a pipe, a device) the loader names.
    if (isMissing(in)) {
        refuse(Failure{Failure::What::Missing, in, {}});
        return std::nullopt;
    }
    Outcome<LoadedPicture> loaded = context.loader.loadFor(in, hint);
    if (!loaded) {
        refuse(in, Convert::tr("cannot be read as a picture: %1").arg(describe(loaded.failure(), Wording::Phrase)));
        return std::nullopt;
    }
    if (loaded->cutShort)
        printNote(Convert::tr("%1 is damaged: it ends before its picture does; the part that could be read is imported")
                      .arg(QDir::toNativeSeparators(in)));
    return std::move(*loaded);
}

int exportPicture(Context &context)
{
    const QString &in = context.call.files[0];
    const QString &out = context.call.files[1];
    const std::optional<int> scale = scaleOption(context.call);
    if (!scale)
        return kExitUsage;
    std::optional<CalcPicture> picture = readPicture(context.files, in);
    if (!picture)
        return kExitRefused;
    if (!transformPicture(context.call, *picture))
        return kExitUsage;
    // The image and its file are made whole in memory (a plain PBM takes 2 bytes a pixel):
    // no larger than the largest picture read.
    const qint64 width = qint64(picture->width) * *scale, height = qint64(picture->height) * *scale;
    if (width * height > QtPictureLoader::kMaxPixels)
        return refuse(out, Convert::tr("the image would be %1 x %2 pixels, more than the %3 pixels written at most")
                               .arg(width).arg(height).arg(QtPictureLoader::kMaxPixels));
    const PixelGrid pixels = PictureOps::scaled(picture->pixels, picture->width, picture->height, *scale);
    const QByteArray data = pictureFileBytes(pixels, pixels.width(), pixels.height(), suffixOf(out));
    if (data.isEmpty())
        return refuse(out, Convert::tr("the image could not be encoded"));
    return writeOutput(context, out, data);
}

int importImage(Context &context)
{
    const QString &in = context.call.files[0];
    CalcPicture picture{"main", "picture", "made with DOTLARK", 0, 0, {}};
    if (!takeTexts(context.call, picture))
        return kExitRefused;
    // On the screen only the top-left 160 x 77 can show: a JPEG is decoded that far only.
    // Whole, a picture wider or higher than a calculator picture can be is refused by its
    // size in the file: no more than that comes from the reader.
    const bool screen = context.call.has("--screen");
    const QSize needed = screen ? QSize(kScreenWidth, kScreenHeight)
                                : QSize(kPicture89iMaxSide + 1, kPicture89iMaxSide + 1);
    const std::optional<LoadedPicture> loaded = loadImage(context, in, LoadHint{{}, needed});
    if (!loaded)
        return kExitRefused;
    const QImage *image = &loaded->image;
    if (screen) {
        picture.width = kScreenWidth;
        picture.height = kScreenHeight;
        picture.pixels = screenPixels(*image);
    } else {
        if (const Picture89iError error = checkWritableSize(loaded->fullSize.width(), loaded->fullSize.height());
            error != Picture89iError::None)
            return refuse(pictureFailure(in, error));
        picture.width = image->width();
        picture.height = image->height();
        picture.pixels = darkPixels(*image);
    }
    return writePicture(context, in, picture);
}

int importScaled(Context &context)
{
    const QString &in = context.call.files[0];
    const auto options = scaledOptions(context.call);
    if (!options)
        return kExitUsage;
    const auto &[settings, size] = *options;
    CalcPicture picture{"main", "picture", "made with DOTLARK", size.width(), size.height(), {}};
    if (!takeTexts(context.call, picture))
        return kExitRefused;
    const bool grey = context.call.value("--gray") == u"4";
    const bool group = isGroupPath(context.call.files[1]);
    if (group && !grey)
        return usageError(Convert::tr("a scaled import into a group takes --gray 4"));
    // Four levels into a picture file: two picture files beside it, one per plane.
    if (grey && !group)
        if (const int refused = claimGreyFiles(context); refused != kExitOk)
            return refused;
    std::optional<LoadedPicture> loaded = loadImage(context, in, LoadHint{scaleCoverSize(size), {}});
    if (!loaded)
        return kExitRefused;
    const ScaleSource source(loaded->image, QImage(), loaded->fullSize, size);
    loaded.reset(); // the picture as read (up to 192 MB) is not needed any more
    if (grey) {
        const GreyPicture toned = scaledGrey(source, settings);
        return group ? writeGreyGroup(context, in, toned, picture) : writeGreyFiles(context, in, toned, picture);
    }
    picture.pixels = scaledPixels(source, settings);
    return writePicture(context, in, picture);
}

int rewritePicture(Context &context)
{
    const QString &in = context.call.files[0];
    std::optional<CalcPicture> picture = readPicture(context.files, in);
    if (!picture || !takeTexts(context.call, *picture))
        return kExitRefused;
    if (!transformPicture(context.call, *picture))
        return kExitUsage;
    return writePicture(context, in, *picture);
}

int describePicture(Context &context)
{
    const QString &in = context.call.files[0];
    const std::optional<QByteArray> data = readFile(context.files, in);
    if (!data)
        return kExitRefused;
    const std::optional<CalcPicture> decoded = decodePicture(in, *data);
    if (!decoded)
        return kExitRefused;
    const CalcPicture &p = *decoded;
    const Picture89iCheck check = inspect89i(asBytes(*data));
    const auto verdict = [](bool agrees) { return agrees ? Convert::tr("agrees") : Convert::tr("disagrees"); };
    printLine(aligned({
        {Convert::tr("folder:"), escapedControls(CalcCharset::toUnicode(p.folder))},
        {Convert::tr("name:"), escapedControls(CalcCharset::toUnicode(p.name))},
        {Convert::tr("comment:"), escapedControls(CalcCharset::toUnicode(p.comment))},
        {Convert::tr("width:"), QString::number(p.width)},
        {Convert::tr("height:"), QString::number(p.height)},
        {Convert::tr("calculator:"), QString::fromLatin1(infoOf(p.kind).model)},
        {Convert::tr("signature:"), verdict(check.signature)},
        {Convert::tr("type byte:"), verdict(check.typeByte)},
        {Convert::tr("file length:"), verdict(check.fileLength)},
        {Convert::tr("data length:"), verdict(check.dataLength)},
        {Convert::tr("tag byte:"), verdict(check.tagByte)},
        {Convert::tr("checksum:"), verdict(check.checksum)},
    }));
    return kExitOk;
}
