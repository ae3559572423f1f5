#include "LinkCommands.h"

#include "calc/CalcCharset.h"
#include "calc/NameProblem.h"
#include "calc/PictureFile.h"
#include "import/PictureImages.h"
#include "platform/FailureText.h"
#include "platform/Messages.h"
#include "qtplatform/QtCalculatorLink.h"
#include "qtplatform/QtSettings.h"
#include "session/CalculatorPictures.h"
#include "session/LinkPreferences.h"

#include <QTemporaryDir>

#include <unistd.h>

namespace {

// The choices the editor's Link Settings... offer, and the null cable.
const QStringList &kCables = LinkPreferences::kCables;
const QStringList &kCalcs = LinkPreferences::kCalcs;
// How long a whole transfer may take before the helper is ended.
constexpr int kDeadlineMs = 60000;

// The settings the options give, the editor's link settings where they give none (with
// its calculator on automatic, the picture's, when there is one); nothing after a usage error.
std::optional<LinkSettings> linkSettings(const Invocation &call, const QString &pictureCalc = {})
{
    QtSettings store;
    LinkSettings settings = LinkPreferences(store).load();
    if (settings.calc == QStringLiteral("auto") && !pictureCalc.isEmpty())
        settings.calc = pictureCalc;
    if (call.has("--cable") && !kCables.contains(settings.cable = call.value("--cable").toLower())) {
        usageError(QStringLiteral("--cable takes %1").arg(kCables.join(u'|')));
        return std::nullopt;
    }
    if (call.has("--calc") && !kCalcs.contains(settings.calc = call.value("--calc").toLower())) {
        usageError(QStringLiteral("--calc takes %1").arg(kCalcs.join(u'|')));
        return std::nullopt;
    }
    bool ok = true;
    if (call.has("--port") && ((settings.port = call.value("--port").toInt(&ok)) < 1 || settings.port > 4 || !ok)) {
        usageError(QStringLiteral("--port takes 1 to 4"));
        return std::nullopt;
    }
    if (call.has("--timeout")
        && ((settings.timeoutSeconds = call.value("--timeout").toInt(&ok)) < 1 || settings.timeoutSeconds > 600 || !ok)) {
        usageError(QStringLiteral("--timeout takes 1 to 600 seconds"));
        return std::nullopt;
    }
    // The emulator's link is port 2 from our side.
    if (settings.cable == "tiemu" && !call.has("--port"))
        settings.port = 2;
    return settings;
}

// A terminal user sees what happens while the cable works.
void sayWorking(const QString &what)
{
    if (::isatty(STDERR_FILENO))
        printNote(what);
}

int linkRefused(const QString &what, const Failure &failure)
{
    return refuse(what, describe(failure, Wording::Phrase));
}

// FOLDER\NAME into its two names, each by the name rules; false after saying why.
bool splitVariable(const QString &text, std::string &folder, std::string &name)
{
    const qsizetype cut = text.indexOf(u'\\');
    const QString folderText = cut < 0 ? QStringLiteral("main") : text.left(cut);
    const QString nameText = cut < 0 ? text : text.mid(cut + 1);
    for (const auto &[value, kind] : {std::pair{folderText, NameKind::Folder}, std::pair{nameText, NameKind::PicVar}}) {
        if (CalcCharset::characters(value).size() > 8) {
            refuse(text, QStringLiteral("a calculator name has at most 8 characters"));
            return false;
        }
        if (const std::optional<NameProblem> problem = findNameProblem(value, kind)) {
            refuse(text, problem->title + u' ' + screenLines(problem->message));
            return false;
        }
    }
    folder = CalcCharset::fromUnicode(folderText);
    name = CalcCharset::fromUnicode(nameText);
    return true;
}

// The picture as OUT's kind of file: a calculator picture by its ending, else an image.
int writeReceived(Context &context, const QString &out, CalcPicture picture)
{
    QByteArray data;
    if (const std::optional<CalcKind> kind = kindFromEnding(out.toStdString()); kind && out.contains(u'.')) {
        picture.kind = *kind;
        const EncodeResult encoded = encode89i(picture);
        if (encoded.error != Picture89iError::None)
            return refuse(pictureFailure(out, encoded.error));
        data = asByteArray(encoded.bytes);
    } else {
        data = pictureFileBytes(picture.pixels, picture.width, picture.height, suffixOf(out));
    }
    if (data.isEmpty())
        return refuse(out, QStringLiteral("the image could not be encoded (the output must end in .89i, .9xi, "
                                          ".v2i, .92i, .png, .bmp or .pbm)"));
    return writeOutput(context, out, data);
}

} // namespace

OptionTable linkOptions(OptionTable more)
{
    // The defaults are the editor's File > Link Settings..., else these.
    more.push_back({"--cable", "C", kCables.join(u'|') + " (default: the editor's link settings, else auto: the USB cable found)"});
    more.push_back({"--port", "N", "the cable's port, 1-4 (default: the editor's, else 1; 2 with tiemu, the emulator's link)"});
    more.push_back({"--calc", "M", kCalcs.join(u'|') + " (default: the editor's, else the picture's calculator, else auto)"});
    more.push_back({"--timeout", "S", "seconds the cable waits for each answer, 1-600 (default: the editor's, else 2)"});
    return more;
}

namespace {

QString typeName(int type)
{
    static const QMap<int, QString> names{
        {0x00, "expression"}, {0x04, "list"},     {0x06, "matrix"},   {0x0A, "data"},     {0x0B, "text"},
        {0x0C, "string"},     {0x0D, "gdb"},      {0x0E, "figure"},   {0x10, "picture"},  {0x12, "program"},
        {0x13, "function"},   {0x14, "macro"},    {0x1C, "other"},    {0x21, "assembly"},
    };
    return names.value(type, QStringLiteral("type 0x%1").arg(type, 2, 16, QLatin1Char('0')));
}

} // namespace

int sendToCalculator(Context &context)
{
    const QString &file = context.call.files[0];
    std::optional<CalcPicture> picture = readPicture(context.files, file);
    if (!picture)
        return kExitRefused;
    if (context.call.has("--var") && !splitVariable(context.call.value("--var"), picture->folder, picture->name))
        return kExitRefused;
    const std::optional<LinkSettings> settings = linkSettings(context.call, linkCalcOf(picture->kind));
    if (!settings)
        return kExitUsage;
    // The picture as written by this program (lengths and checksum right), under its name.
    const EncodeResult encoded = encode89i(*picture);
    if (encoded.error != Picture89iError::None)
        return refuse(pictureFailure(file, encoded.error));
    QTemporaryDir folder;
    const QString sent = folder.filePath(QStringLiteral("picture.") + QString::fromLatin1(infoOf(picture->kind).ending));
    if (!folder.isValid() || !context.files.writeAll(sent, asByteArray(encoded.bytes)))
        return refuse(file, QStringLiteral("cannot be sent: no temporary file can be written"));
    const QString variable = CalcCharset::toUnicode(picture->folder) + u'\\' + CalcCharset::toUnicode(picture->name);
    sayWorking(QStringLiteral("sending %1 as %2...").arg(file, variable));
    QtCalculatorLink link(*settings, {}, kDeadlineMs);
    if (const Done done = link.send(sent); !done)
        return linkRefused(file, done.failure());
    sayWorking(QStringLiteral("sent %1 as %2").arg(file, variable));
    return kExitOk;
}

int listCalculator(Context &context)
{
    const std::optional<LinkSettings> settings = linkSettings(context.call);
    if (!settings)
        return kExitUsage;
    sayWorking(QStringLiteral("reading the calculator's variables..."));
    QtCalculatorLink link(*settings, {}, kDeadlineMs);
    const Outcome<std::vector<CalculatorVariable>> variables = link.list();
    if (!variables)
        return linkRefused(QStringLiteral("calculator"), variables.failure());
    for (const CalculatorVariable &variable : *variables)
        printLine(escapedControls(variable.folder) + u'\\' + escapedControls(variable.name) + u'\t' + typeName(variable.type) + u'\t'
                  + QString::number(variable.size));
    return kExitOk;
}

int receiveFromCalculator(Context &context)
{
    const QString variable = context.call.value("--receive");
    const QString &out = context.call.files[0];
    context.outputsAtStart.insert(out, context.files.identify(out));
    std::string folder, name;
    if (!splitVariable(variable, folder, name))
        return kExitRefused;
    const std::optional<LinkSettings> settings = linkSettings(context.call);
    if (!settings)
        return kExitUsage;
    QTemporaryDir temporary;
    const QString received = temporary.filePath(QStringLiteral("received.89i"));
    sayWorking(QStringLiteral("receiving %1...").arg(variable));
    QtCalculatorLink link(*settings, {}, kDeadlineMs);
    if (const Done done = link.receive(CalcCharset::toUnicode(folder), CalcCharset::toUnicode(name), received); !done)
        return linkRefused(variable, done.failure());
    const std::optional<QByteArray> bytes = readFile(context.files, received);
    if (!bytes)
        return kExitRefused;
    // A picture by its data (rows, columns, tag byte), whatever type byte the calculator gave.
    const Picture89iCheck check = inspect89i(std::span(reinterpret_cast<const uint8_t *>(bytes->constData()), bytes->size()));
    const Outcome<CalcPicture> picture = decodePictureFile(received, *bytes);
    if (!picture || !check.dataLength || !check.tagByte)
        return refuse(variable, QStringLiteral("is not a picture variable"));
    return writeReceived(context, out, *picture);
}

int captureCalculatorScreen(Context &context)
{
    const QString &out = context.call.files[0];
    context.outputsAtStart.insert(out, context.files.identify(out));
    const std::optional<LinkSettings> settings = linkSettings(context.call);
    if (!settings)
        return kExitUsage;
    sayWorking(QStringLiteral("capturing the calculator's screen..."));
    QtCalculatorLink link(*settings, {}, kDeadlineMs);
    const Outcome<CalculatorScreen> screen = link.capture(context.call.has("--full"));
    if (!screen)
        return linkRefused(QStringLiteral("calculator"), screen.failure());
    return writeReceived(context, out, screenPicture(*screen));
}
