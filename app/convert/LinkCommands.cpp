#include "LinkCommands.h"
#include "GroupCommands.h"
#include "VariableOutput.h"

#include "calc/CalcCharset.h"
#include "calc/NameProblem.h"
#include "calc/PictureFile.h"
#include "document/GroupFile.h"
#include "import/PictureImages.h"
#include "platform/FailureText.h"
#include "platform/Messages.h"
#include "platform/Progress.h"
#include "qtplatform/QtCalculatorLink.h"
#include "qtplatform/QtSettings.h"
#include "session/CalculatorPictures.h"
#include "session/LinkCopy.h"
#include "session/LinkPreferences.h"

#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {

// The choices the editor's Link Settings... offer, and the null cable.
const QStringList &kCables = LinkPreferences::kCables;
const QStringList &kCalcs = LinkPreferences::kCalcs;

// The settings the options give, the editor's link settings where they give none (with
// its calculator on automatic, the picture's, when there is one; else what to guess when
// the calculator does not say which it is); nothing after a usage error.
std::optional<LinkSettings> linkSettings(const Invocation &call, const QString &pictureCalc = {})
{
    QtSettings store;
    LinkSettings settings = LinkPreferences(store).load();
    if (settings.calc == QStringLiteral("auto") && !pictureCalc.isEmpty())
        settings.calc = pictureCalc;
    if (call.has("--cable") && !kCables.contains(settings.cable = call.value("--cable").toLower())) {
        usageError(Convert::tr("--cable takes %1").arg(kCables.join(u'|')));
        return std::nullopt;
    }
    if (call.has("--calc") && !kCalcs.contains(settings.calc = call.value("--calc").toLower())) {
        usageError(Convert::tr("--calc takes %1").arg(kCalcs.join(u'|')));
        return std::nullopt;
    }
    bool ok = true;
    if (call.has("--port") && ((settings.port = call.value("--port").toInt(&ok)) < 1 || settings.port > 4 || !ok)) {
        usageError(Convert::tr("--port takes 1 to 4"));
        return std::nullopt;
    }
    if (call.has("--timeout")
        && ((settings.timeoutSeconds = call.value("--timeout").toInt(&ok)) < 1 || settings.timeoutSeconds > 600 || !ok)) {
        usageError(Convert::tr("--timeout takes 1 to 600 seconds"));
        return std::nullopt;
    }
    // The emulator's link is port 2 from our side.
    if (settings.cable == "tiemu" && !call.has("--port"))
        settings.port = 2;
    return LinkPreferences(store).withGuesses(settings, {});
}

// After a transfer: the calculator it talked to is kept for the next on the cable, and
// named when the settings did not name it.
void noteCalcUsed(const LinkSettings &settings, const QtCalculatorLink &link)
{
    QtSettings store;
    const std::optional<CalcUsed> used = link.calcUsed();
    LinkPreferences(store).rememberCalc(settings, used);
    if (!used || used->how == CalcUsed::How::Given)
        return;
    printNote(used->how == CalcUsed::How::Asked
                  ? Convert::tr("the calculator answered as %1").arg(calcTitle(used->calc))
                  : Convert::tr("the calculator did not say which it is: taken for %1, the one last used on this "
                                "cable or the picture's").arg(calcTitle(used->calc)));
}

// A terminal user sees what happens while the cable works: a note at the start and the end,
// and the bytes of the transfer on one line that is written over.
void sayWorking(const QString &what)
{
    if (::isatty(STDERR_FILENO))
        printNote(what);
}

class TerminalProgress : public Progress
{
public:
    void begin(const QString &, std::function<void()>) override {}
    void end() override
    {
        if (m_shown)
            std::fputs("\n", stderr);
    }
    void step(qint64 done, qint64 total) override
    {
        m_shown = true;
        std::fputs(qUtf8Printable(u'\r' + Convert::tr("%1 of %2 bytes").arg(done).arg(total)), stderr);
        std::fflush(stderr);
    }

private:
    bool m_shown = false;
};

// The link as the converter uses it: the progress shows only on a terminal.
struct ConverterLink
{
    explicit ConverterLink(const LinkSettings &settings)
        : link(settings, {}, 0, ::isatty(STDERR_FILENO) ? &progress : nullptr)
    {
    }
    TerminalProgress progress;
    QtCalculatorLink link;
};

int linkRefused(const QString &what, const Failure &failure)
{
    return refuse(what, describe(failure, Wording::Phrase));
}

} // namespace

OptionTable linkOptions(OptionTable more)
{
    // The defaults are the editor's File > Link Settings..., else these.
    more.push_back({"--cable", "C", Convert::tr("%1 (default: the editor's link settings, else auto: the USB cable found)")
                                        .arg(kCables.join(u'|'))});
    more.push_back(
        {"--port", "N", Convert::tr("the cable's port, 1-4 (default: the editor's, else 1; 2 with tiemu, the emulator's link)")});
    more.push_back({"--calc", "M", Convert::tr("%1 (default: the editor's, else the picture's calculator, else auto)")
                                       .arg(kCalcs.join(u'|'))});
    more.push_back(
        {"--timeout", "S", Convert::tr("seconds the cable waits for each answer, 1-600 (default: the editor's, else 2)")});
    return more;
}

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
    // The picture as written by this program (lengths and checksum right), under its name,
    // in a folder of its own, as the editor sends it.
    const LinkCopy copy = LinkCopy::write(context.files, storedOf(*picture), {picture->name}, picture->kind);
    if (!copy.failure.isEmpty())
        return refuse(file, Convert::tr("cannot be sent: no temporary file can be written"));
    const QString &sent = copy.paths.front();
    const QString variable = CalcCharset::toUnicode(picture->folder) + u'\\' + CalcCharset::toUnicode(picture->name);
    sayWorking(Convert::tr("sending %1 as %2...").arg(file, variable));
    ConverterLink terminal(*settings);
    QtCalculatorLink &link = terminal.link;
    const Done done = link.send(sent);
    noteCalcUsed(*settings, link);
    if (!done)
        return linkRefused(file, done.failure());
    sayWorking(Convert::tr("sent %1 as %2").arg(file, variable));
    return kExitOk;
}

int listCalculator(Context &context)
{
    const std::optional<LinkSettings> settings = linkSettings(context.call);
    if (!settings)
        return kExitUsage;
    sayWorking(Convert::tr("reading the calculator's variables..."));
    ConverterLink terminal(*settings);
    QtCalculatorLink &link = terminal.link;
    const Outcome<std::vector<CalculatorVariable>> variables = link.list();
    noteCalcUsed(*settings, link);
    if (!variables)
        return linkRefused(Convert::tr("calculator"), variables.failure());
    for (const CalculatorVariable &variable : *variables)
        printLine(escapedControls(variable.folder) + u'\\' + escapedControls(variable.name) + u'\t' + QString::fromStdString(variableTypeName(uint8_t(variable.type))) + u'\t'
                  + QString::number(variable.size));
    return kExitOk;
}

// Every picture of a group, in one session, in the group's order, each under its own name.
int sendGroupToCalculator(Context &context)
{
    const QString &file = context.call.files[0];
    const std::optional<GroupFile> group = readGroupFile(context, file);
    if (!group)
        return kExitRefused;
    const std::vector<GroupPicture> pictures = picturesIn(*group);
    if (pictures.empty())
        return refuse(file, Convert::tr("the group holds no picture"));
    const std::optional<LinkSettings> settings = linkSettings(context.call, linkCalcOf(group->kind));
    if (!settings)
        return kExitUsage;
    QTemporaryDir folder;
    QStringList paths;
    for (const GroupPicture &picture : pictures) {
        const QString path = folder.filePath(QStringLiteral("%1.89i").arg(paths.size()));
        const Done written = folder.isValid()
                                 ? context.files.writeAll(path, asByteArray(singleVariableFile(*group, picture.entry)))
                                 : Done(Failure{Failure::What::CannotWrite, path, folder.errorString()});
        if (!written)
            return refuse(file, Convert::tr("cannot be sent: no temporary file can be written"));
        paths << path;
    }
    sayWorking(Convert::tr("sending the pictures of %1...").arg(file));
    ConverterLink terminal(*settings);
    QtCalculatorLink &link = terminal.link;
    const SendReport report = link.sendAll(paths, {});
    noteCalcUsed(*settings, link);
    for (const QString &sent : report.sent)
        printNote(Convert::tr("sent %1").arg(sent));
    if (report.failure)
        return linkRefused(file, *report.failure);
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
    sayWorking(Convert::tr("receiving %1...").arg(variable));
    ConverterLink terminal(*settings);
    QtCalculatorLink &link = terminal.link;
    const Done done = link.receive(CalcCharset::toUnicode(folder), CalcCharset::toUnicode(name), received);
    noteCalcUsed(*settings, link);
    if (!done)
        return linkRefused(variable, done.failure());
    sayWorking(Convert::tr("received %1").arg(variable));
    const Outcome<CalcPicture> picture = readReceivedPicture(context.files, received, variable);
    if (!picture)
        return refuse(picture.failure().path, describe(picture.failure(), Wording::Phrase));
    return writePictureAs(context, out, *picture);
}

int captureCalculatorScreen(Context &context)
{
    const QString &out = context.call.files[0];
    context.outputsAtStart.insert(out, context.files.identify(out));
    const std::optional<LinkSettings> settings = linkSettings(context.call);
    if (!settings)
        return kExitUsage;
    sayWorking(Convert::tr("capturing the calculator's screen..."));
    ConverterLink terminal(*settings);
    QtCalculatorLink &link = terminal.link;
    const Outcome<CalculatorScreen> screen = link.capture(context.call.has("--full"));
    noteCalcUsed(*settings, link);
    if (!screen)
        return linkRefused(Convert::tr("calculator"), screen.failure());
    sayWorking(Convert::tr("captured the calculator's screen"));
    return writePictureAs(context, out, screenPicture(*screen));
}
