#include "PictureCommands.h"

#include "PictureImages.h"
#include "platform/CalcCharset.h"
#include "platform/Messages.h"
#include "platform/NameProblem.h"
#include "platform/PictureLoader.h"

#include <QBuffer>
#include <QFileInfo>

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
        refuse(value, QStringLiteral("%1 takes at most %2 characters").arg(option).arg(maxLength));
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
        return refuse(source, QString::fromStdString(errorText(encoded.error)));
    if (picture.name.size() >= 8 && !picture.comment.empty())
        printNote(QStringLiteral("with an 8-character variable name the comment is not stored"));
    return writeFile(context.files, context.call.files[1], asByteArray(encoded.bytes));
}

} // namespace

int exportPicture(Context &context)
{
    const QString &in = context.call.files[0];
    const QString &out = context.call.files[1];
    const std::optional<CalcPicture> picture = readPicture(context.files, in);
    if (!picture)
        return kExitRefused;
    if (suffixOf(out) == u"pbm")
        return writeFile(context.files, out, plainPbm(picture->pixels, picture->width, picture->height));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!blackAndWhiteImage(picture->pixels, picture->width, picture->height).save(&buffer, qPrintable(suffixOf(out))))
        return refuse(out, QStringLiteral("the image could not be encoded"));
    return writeFile(context.files, out, data);
}

int importImage(Context &context)
{
    const QString &in = context.call.files[0];
    CalcPicture picture{"main", "picture", "made with DOTLARK", 0, 0, {}};
    if (!takeTexts(context.call, picture))
        return kExitRefused;
    if (!QFileInfo(in).isFile())
        return refuse(in, QStringLiteral("The file does not exist."));
    const std::optional<QImage> image = context.loader.load(in);
    if (!image) {
        const QString why = context.loader.lastProblem();
        return refuse(in, QStringLiteral("cannot be read as a picture") + (why.isEmpty() ? QString() : ": " + why));
    }
    if (context.call.has("--screen")) {
        picture.width = kScreenWidth;
        picture.height = kScreenHeight;
        picture.pixels = screenPixels(*image);
    } else {
        if (const Picture89iError error = checkWritableSize(image->width(), image->height());
            error != Picture89iError::None)
            return refuse(in, QString::fromStdString(errorText(error)));
        picture.width = image->width();
        picture.height = image->height();
        picture.pixels = darkPixels(*image);
    }
    return writePicture(context, in, picture);
}

int rewritePicture(Context &context)
{
    const QString &in = context.call.files[0];
    std::optional<CalcPicture> picture = readPicture(context.files, in);
    if (!picture || !takeTexts(context.call, *picture))
        return kExitRefused;
    return writePicture(context, in, *picture);
}

int describePicture(Context &context)
{
    const QString &in = context.call.files[0];
    const std::optional<QByteArray> data = readFile(context.files, in);
    if (!data)
        return kExitRefused;
    const DecodeResult decoded = decode89i(asBytes(*data));
    if (decoded.error != Picture89iError::None)
        return refuse(in, QString::fromStdString(errorText(decoded.error)));
    const CalcPicture &p = decoded.picture;
    const Picture89iCheck check = inspect89i(asBytes(*data));
    const auto verdict = [](bool agrees) { return agrees ? QStringLiteral("agrees") : QStringLiteral("disagrees"); };
    const QStringList lines{
        "folder:      " + CalcCharset::toUnicode(p.folder),
        "name:        " + CalcCharset::toUnicode(p.name),
        "comment:     " + CalcCharset::toUnicode(p.comment),
        "width:       " + QString::number(p.width),
        "height:      " + QString::number(p.height),
        "calculator:  " + QString::fromLatin1(infoOf(p.kind).model),
        "signature:   " + verdict(check.signature),
        "type byte:   " + verdict(check.typeByte),
        "file length: " + verdict(check.fileLength),
        "data length: " + verdict(check.dataLength),
        "tag byte:    " + verdict(check.tagByte),
        "checksum:    " + verdict(check.checksum),
    };
    printLine(lines.join(u'\n'));
    return kExitOk;
}
