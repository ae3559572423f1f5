#include "ConvertCommands.h"

#include "CommandLine.h"
#include "PictureImages.h"
#include "document/Picture89i.h"
#include "platform/CalcCharset.h"
#include "platform/FileStore.h"
#include "platform/Messages.h"
#include "platform/NameProblem.h"
#include "platform/PictureLoader.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <functional>
#include <span>

namespace {

struct Context
{
    const Invocation &call;
    FileStore &files;
    PictureLoader &loader;
};

struct Command
{
    QString synopsis;
    QString description;
    QStringList options; // allowed besides --help
    std::function<bool(const Invocation &)> matches;
    std::function<int(Context &)> run;
};

void printTo(FILE *stream, const QString &text) { std::fputs(qUtf8Printable(text + u'\n'), stream); }

int refuse(const QString &path, const QString &reason)
{
    printTo(stderr, QStringLiteral("dotlark-convert: %1: %2").arg(QDir::toNativeSeparators(path), reason));
    return kExitRefused;
}

int usageError(const QString &reason)
{
    printTo(stderr, QStringLiteral("dotlark-convert: %1\nTry 'dotlark-convert --help'.").arg(reason));
    return kExitUsage;
}

QString suffixOf(const QString &path) { return QFileInfo(path).suffix().toLower(); }
bool is89i(const QString &path) { return suffixOf(path) == u"89i"; }
bool isImageOutput(const QString &path) { return QStringList{"png", "bmp", "pbm"}.contains(suffixOf(path)); }

std::span<const uint8_t> asBytes(const QByteArray &data)
{
    return {reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size())};
}

QByteArray asByteArray(const std::vector<uint8_t> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

std::optional<QByteArray> readFile(FileStore &files, const QString &path)
{
    QByteArray data;
    const FileStore::Result result = files.readAll(path, data);
    if (!result.ok) {
        refuse(path, result.reason);
        return std::nullopt;
    }
    return data;
}

std::optional<CalcPicture> readPicture(FileStore &files, const QString &path)
{
    const std::optional<QByteArray> data = readFile(files, path);
    if (!data)
        return std::nullopt;
    DecodeResult decoded = decode89i(asBytes(*data));
    if (decoded.error != Picture89iError::None) {
        refuse(path, QString::fromStdString(errorText(decoded.error)));
        return std::nullopt;
    }
    return std::move(decoded.picture);
}

int writeFile(FileStore &files, const QString &path, const QByteArray &data)
{
    const FileStore::Result result = files.writeAll(path, data);
    return result.ok ? kExitOk : refuse(path, QStringLiteral("cannot be written: %1").arg(result.reason));
}

// One calculator text from an option: at most maxLength calculator characters and, for
// names, passing the name rules. False (after saying why) when refused.
bool takeText(const Invocation &call, const QString &option, int maxLength, std::optional<NameKind> kind,
              std::string &text)
{
    if (!call.has(option))
        return true;
    const QString value = call.options.value(option);
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

int writePicture(Context &context, const QString &source, const CalcPicture &picture)
{
    const EncodeResult encoded = encode89i(picture);
    if (encoded.error != Picture89iError::None)
        return refuse(source, QString::fromStdString(errorText(encoded.error)));
    if (picture.name.size() >= 8 && !picture.comment.empty())
        printTo(stderr, QStringLiteral("dotlark-convert: note: with an 8-character variable name the comment is not stored"));
    return writeFile(context.files, context.call.files[1], asByteArray(encoded.bytes));
}

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

int importPicture(Context &context)
{
    const QString &in = context.call.files[0];
    CalcPicture picture{"main", "picture", "made with DOTLARK", 0, 0, {}};
    if (!takeTexts(context.call, picture))
        return kExitRefused;
    if (!QFileInfo(in).isFile())
        return refuse(in, QStringLiteral("The file does not exist."));
    const std::optional<QImage> image = context.loader.load(in);
    if (!image)
        return refuse(in, QStringLiteral("cannot be read as a picture"));
    if (const Picture89iError error = checkWritableSize(image->width(), image->height()); error != Picture89iError::None)
        return refuse(in, QString::fromStdString(errorText(error)));
    picture.width = image->width();
    picture.height = image->height();
    picture.pixels = darkPixels(*image);
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
    QStringList lines{
        "folder:      " + CalcCharset::toUnicode(p.folder),
        "name:        " + CalcCharset::toUnicode(p.name),
        "comment:     " + CalcCharset::toUnicode(p.comment),
        "width:       " + QString::number(p.width),
        "height:      " + QString::number(p.height),
        "signature:   " + verdict(check.signature),
        "type byte:   " + verdict(check.typeByte),
        "file length: " + verdict(check.fileLength),
        "data length: " + verdict(check.dataLength),
        "tag byte:    " + verdict(check.tagByte),
        "checksum:    " + verdict(check.checksum),
    };
    printTo(stdout, lines.join(u'\n'));
    return kExitOk;
}

const std::vector<Command> &commands()
{
    const QStringList texts{"--folder", "--name", "--comment"};
    static const std::vector<Command> table{
        {"IN.89i OUT.png|OUT.bmp|OUT.pbm",
         "Writes the picture 1:1 as an image: black pixels black, white pixels white.\n"
         "A .pbm file is plain PBM (P1) with 1 = black.",
         {},
         [](const Invocation &c) { return c.files.size() == 2 && isImageOutput(c.files[1]); }, exportPicture},
        {"IMAGE OUT.89i [--folder F] [--name N] [--comment C]",
         "Turns any picture Qt can read into a picture of the same size: a pixel becomes black\n"
         "exactly when red + 256*green + 65536*blue is below 8421504 (mid grey); fully\n"
         "transparent pixels stay white. Names must follow the calculator's rules.",
         texts,
         [](const Invocation &c) { return c.files.size() == 2 && is89i(c.files[1]) && !is89i(c.files[0]); },
         importPicture},
        {"IN.89i OUT.89i [--folder F] [--name N] [--comment C]",
         "Reads the file and writes it again with correct lengths and checksum;\n"
         "the options replace the texts read.",
         texts,
         [](const Invocation &c) { return c.files.size() == 2 && is89i(c.files[1]) && is89i(c.files[0]); },
         rewritePicture},
        {"--info FILE.89i",
         "Shows folder, variable name, comment, width and height, and whether signature,\n"
         "type byte, length fields, tag byte and checksum agree with what DOTLARK writes.",
         {"--info"},
         [](const Invocation &c) { return c.has("--info") && c.files.size() == 1; }, describePicture},
    };
    return table;
}

} // namespace

QString helpText()
{
    QString text = QStringLiteral("Usage:\n");
    for (const Command &command : commands())
        text += "  dotlark-convert " + command.synopsis + '\n';
    text += "  dotlark-convert --help\n";
    for (const Command &command : commands())
        text += "\ndotlark-convert " + command.synopsis + "\n  " + QString(command.description).replace("\n", "\n  ") + '\n';
    text += "\nOptions:\n";
    for (const OptionSpec &spec : optionSpecs())
        text += QStringLiteral("  %1 %2\n").arg((spec.name + u' ' + spec.valueName).leftJustified(14), spec.help);
    text += "\nThe output type follows the output file's extension. Output files are written whole\n"
            "or not at all.\n"
            "\nExit status: 0 done; 1 an input refused or unreadable, or an output unwritable\n"
            "(the message names the file); 2 wrong usage.\n";
    return text;
}

int runConvert(const QStringList &arguments, FileStore &files, PictureLoader &loader)
{
    const ParsedArguments parsed = parseArguments(arguments);
    if (!parsed.invocation)
        return usageError(parsed.error);
    const Invocation &call = *parsed.invocation;
    if (call.has("--help")) {
        std::fputs(qUtf8Printable(helpText()), stdout);
        return kExitOk;
    }
    for (const Command &command : commands()) {
        if (!command.matches(call))
            continue;
        for (const QString &option : call.options.keys())
            if (!command.options.contains(option))
                return usageError(QStringLiteral("%1 does not go with this command").arg(option));
        Context context{call, files, loader};
        return command.run(context);
    }
    if (call.files.size() == 2 && !is89i(call.files[1]))
        return usageError(QStringLiteral("the output must end in .89i, .png, .bmp or .pbm"));
    return usageError(arguments.isEmpty() ? QStringLiteral("nothing to do") : QStringLiteral("wrong number of files"));
}
