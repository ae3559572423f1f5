#include "shell/CalculatorCommands.h"

#include "calc/CalcCharset.h"
#include "calc/PictureFile.h"
#include "platform/FailureText.h"
#include "platform/FileDialogs.h"
#include "platform/FileStore.h"
#include "platform/Messages.h"
#include "session/AppInfo.h"
#include "session/CalculatorPictures.h"
#include "session/GroupChange.h"
#include "session/LinkCopy.h"
#include "session/FileSession.h"
#include "session/LinkPreferences.h"
#include "session/TiGroup.h"
#include "shell/LinkQuestions.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>

namespace {
constexpr int kPictureType = 0x10;

QString variableName(const QString &folder, const QString &name) { return folder + u'\\' + name; }
} // namespace

CalculatorCommands::CalculatorCommands(Services services, FileSession &session, LinkQuestions &questions,
                                       std::function<void()> pictureReplaced)
    : m_services(services), m_session(session), m_questions(questions), m_pictureReplaced(std::move(pictureReplaced))
{
}

void CalculatorCommands::linkSettings()
{
    LinkPreferences preferences(m_services.settings);
    if (const std::optional<LinkSettings> chosen = m_questions.askLinkSettings(preferences.load()))
        preferences.save(*chosen);
}

std::unique_ptr<CalculatorLink> CalculatorCommands::openLink(const LinkSettings &settings)
{
    if (!m_services.calculatorLink) {
        m_services.messages.warn(tr("This editor has no calculator link."), AppInfo::title);
        return nullptr;
    }
    return m_services.calculatorLink(settings, m_services.linkProgress);
}

// `what` names the operation and what it was about: "main\pic1 was not sent to the calculator."
void CalculatorCommands::failed(const QString &what, const Failure &failure)
{
    m_services.messages.warn(what + u'\r' + describe(failure), AppInfo::title);
}

// `question`: "The picture has not been saved. Replace it with ...?"
bool CalculatorCommands::askToReplacePicture(const QString &question)
{
    return !m_session.document().hasUnsavedWork()
           || m_services.messages.show(question,
                                       AppInfo::title, Messages::Icon::Exclamation, Messages::Buttons::YesNoSafeNo)
                  == Messages::Answer::Yes;
}

// Before a send: each variable the calculator holds is asked about in turn (No to any sends
// none); a list that cannot be trusted is asked about once, for all the variables.
bool CalculatorCommands::mayReplace(const QStringList &held, const QString &unsure, const QStringList &sending)
{
    const auto yes = [this](const QString &question) {
        return m_services.messages.show(question, AppInfo::title, Messages::Icon::Exclamation,
                                        Messages::Buttons::YesNoSafeNo)
               == Messages::Answer::Yes;
    };
    if (!unsure.isEmpty())
        return yes(tr("The calculator's list of variables cannot be trusted (%1), so DOTLARK cannot tell whether it "
                      "holds %2. Send anyway?")
                       .arg(unsure, sending.join(tr(" and "))));
    return std::all_of(held.begin(), held.end(), [&](const QString &name) {
        return yes(tr("The calculator already holds %1. Replace it with this picture?").arg(name));
    });
}

void CalculatorCommands::send()
{
    LinkSettings settings = LinkPreferences(m_services.settings).load();
    const CalcKind kind = m_session.kind();
    if (settings.calc == QStringLiteral("auto"))
        settings.calc = linkCalcOf(kind);
    const QString folder = CalcCharset::toUnicode(m_session.document().texts().folder);
    if (m_session.document().isGrey())
        return sendPlanes(settings, kind, folder);
    const std::string &variable = m_session.document().texts().name;
    const QString shown = variableName(folder, CalcCharset::toUnicode(variable));
    const LinkCopy copy = LinkCopy::write(m_services.files, m_session.stored(), {variable}, kind);
    if (!copy.failure.isEmpty())
        return m_services.messages.warn(tr("%1 was not sent to the calculator: its copy for the link cannot be "
                                           "written.\r%2").arg(shown, copy.failure), AppInfo::title);
    std::unique_ptr<CalculatorLink> link = openLink(settings);
    if (!link)
        return;
    // One session: the list, the question and the send.
    const SendReport report = link->sendAll({copy.paths.front()}, [&](const QStringList &held, const QString &unsure) {
        return mayReplace(held, unsure, {shown});
    });
    LinkPreferences(m_services.settings).rememberCalc(settings, link->calcUsed());
    if (report.declined)
        return;
    if (report.failure)
        return failed(tr("%1 was not sent to the calculator.").arg(shown), *report.failure);
    m_services.messages.show(tr("%1 was sent to %2.").arg(shown, calcTitle(settings.calc)), AppInfo::title,
                             Messages::Icon::None, Messages::Buttons::Ok);
}

// A grey picture goes as its two planes, the light one first, each a picture variable of
// its own, in one session. When the dark one fails after the light one went, the message
// says so.
void CalculatorCommands::sendPlanes(const LinkSettings &settings, CalcKind kind, const QString &folder)
{
    const PlaneNames names = m_session.planeNames();
    const QString light = variableName(folder, CalcCharset::toUnicode(names.light));
    const QString dark = variableName(folder, CalcCharset::toUnicode(names.dark));
    const LinkCopy copy = LinkCopy::write(m_services.files, m_session.stored(), {names.light, names.dark}, kind);
    if (!copy.failure.isEmpty())
        return m_services.messages.warn(
            tr("%1 Its copy for the link cannot be written.\r%2")
                .arg(tr("%1 and %2 were not sent to the calculator.").arg(light, dark), copy.failure),
            AppInfo::title);
    std::unique_ptr<CalculatorLink> link = openLink(settings);
    if (!link)
        return;
    const SendReport report = link->sendAll({copy.paths[0], copy.paths[1]}, [&](const QStringList &held, const QString &unsure) {
        return mayReplace(held, unsure, {light, dark});
    });
    LinkPreferences(m_services.settings).rememberCalc(settings, link->calcUsed());
    if (report.declined)
        return;
    if (report.failure)
        return failed(report.sent.isEmpty() ? tr("%1 and %2 were not sent to the calculator.").arg(light, dark)
                                            : tr("%1 was sent to the calculator, %2 was not.").arg(light, dark),
                      *report.failure);
    m_services.messages.show(tr("%1 and %2 were sent to %3.").arg(light, dark, calcTitle(settings.calc)), AppInfo::title,
                             Messages::Icon::None, Messages::Buttons::Ok);
}

void CalculatorCommands::receive()
{
    LinkPreferences preferences(m_services.settings);
    const LinkSettings settings = preferences.withGuesses(preferences.load(), linkCalcOf(m_session.kind()));
    std::unique_ptr<CalculatorLink> link = openLink(settings);
    if (!link)
        return;
    Outcome<std::vector<CalculatorVariable>> listed = link->list();
    const std::optional<CalcUsed> used = link->calcUsed();
    preferences.rememberCalc(settings, used);
    if (!listed)
        return failed(tr("No picture was received from the calculator."), listed.failure());
    std::vector<CalculatorVariable> pictures;
    std::copy_if(listed->begin(), listed->end(), std::back_inserter(pictures),
                 [](const CalculatorVariable &variable) { return variable.type == kPictureType; });
    if (pictures.empty()) {
        m_services.messages.show(tr("The calculator holds no pictures."), AppInfo::title, Messages::Icon::None,
                                 Messages::Buttons::Ok);
        return;
    }
    // By folder, then by name, as the calculator's own VAR-LINK shows them.
    std::stable_sort(pictures.begin(), pictures.end(), [](const CalculatorVariable &a, const CalculatorVariable &b) {
        if (const int folder = a.folder.compare(b.folder, Qt::CaseInsensitive); folder != 0)
            return folder < 0;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    std::vector<CalculatorVariable> chosen;
    for (const int at : m_questions.choosePictures(pictures))
        if (at >= 0 && size_t(at) < pictures.size())
            chosen.push_back(pictures[size_t(at)]);
    const QString calc = used ? used->calc : settings.calc;
    if (chosen.size() > 1)
        return receiveIntoGroup(*link, chosen, pictureKindOf(calc)); // the picture in the window stays
    if (chosen.size() == 1
        && askToReplacePicture(tr("The picture has not been saved. Replace it with a picture from the calculator?")))
        receiveOne(*link, chosen.front());
}

// The variable's picture, received into a private folder; nothing after saying why.
std::optional<CalcPicture> CalculatorCommands::fetch(CalculatorLink &link, const CalculatorVariable &variable,
                                                      const QString &notReceived)
{
    const QString shown = variableName(variable.folder, variable.name);
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("dotlark-receive-XXXXXX")));
    const QString path = folder.filePath(QStringLiteral("received.89i"));
    if (!folder.isValid()) {
        m_services.messages.warn(notReceived + u'\r' + folder.errorString(), AppInfo::title);
        return std::nullopt;
    }
    Outcome<CalcPicture> picture = Failure{};
    if (const Done received = link.receive(variable.folder, variable.name, path); !received)
        picture = received.failure();
    else
        picture = readReceivedPicture(m_services.files, path, shown);
    if (!picture && picture.failure().what == Failure::What::NotAPicture)
        m_services.messages.warn(tr("%1 is not a picture: it cannot be opened.").arg(shown), AppInfo::title);
    else if (!picture)
        failed(notReceived, picture.failure());
    if (!picture)
        return std::nullopt;
    picture->folder = CalcCharset::fromUnicode(variable.folder);
    picture->name = CalcCharset::fromUnicode(variable.name);
    return std::move(*picture);
}

void CalculatorCommands::receiveOne(CalculatorLink &link, const CalculatorVariable &variable)
{
    const QString shown = variableName(variable.folder, variable.name);
    if (std::optional<CalcPicture> picture = fetch(link, variable, tr("%1 was not received from the calculator.").arg(shown)))
        take(std::move(*picture));
}

// Each picture received with the link, then all written as one group file the user names;
// the picture in the window stays as it is.
void CalculatorCommands::receiveIntoGroup(CalculatorLink &link, const std::vector<CalculatorVariable> &chosen, CalcKind kind)
{
    FileDialogs::Request request;
    request.title = tr("TI-89 DOTLARK: Receive into Group");
    request.filter = kGroupFilesFilter;
    request.confirmOverwrite = true;
    const std::optional<FileDialogs::Choice> choice = m_services.dialogs.saveFile(request);
    if (!choice)
        return;
    QString path = choice->path;
    if (!isGroupPath(path))
        path += u'.' + QString::fromStdString(groupFileEnding(kind));
    const QString notWritten = tr("No group was written: %1 was not received from the calculator.");
    const CalcKind groupKind = kindFromGroupEnding(path.toStdString()).value_or(kind);
    std::vector<GroupEntry> variables;
    for (const CalculatorVariable &variable : chosen) {
        std::optional<CalcPicture> picture = fetch(link, variable, notWritten.arg(variableName(variable.folder, variable.name)));
        if (!picture)
            return;
        std::optional<GroupEntry> entry = pictureVariable(*picture);
        if (!entry)
            return failed(tr("No group was written."), pictureFailure(path, Picture89iError::TooLargeToWrite));
        variables.push_back(std::move(*entry));
    }
    const Outcome<QByteArray> bytes = freshGroup(path, groupKind, kNewPictureComment, variables);
    const Done written = bytes ? m_services.files.writeAll(path, *bytes) : Done(bytes.failure());
    if (!written)
        return failed(tr("No group was written."), written.failure());
    m_services.messages.show(tr("%1 pictures were received into %2.").arg(chosen.size()).arg(QDir::toNativeSeparators(path)),
                             AppInfo::title, Messages::Icon::None, Messages::Buttons::Ok);
}

void CalculatorCommands::capture()
{
    if (!askToReplacePicture(tr("The picture has not been saved. Replace it with the calculator's screen?")))
        return;
    LinkPreferences preferences(m_services.settings);
    const std::optional<bool> full = m_questions.askCaptureFull(preferences.captureFull());
    if (!full)
        return;
    preferences.setCaptureFull(*full);
    const LinkSettings settings = preferences.withGuesses(preferences.load(), linkCalcOf(m_session.kind()));
    std::unique_ptr<CalculatorLink> link = openLink(settings);
    if (!link)
        return;
    const Outcome<CalculatorScreen> screen = link->capture(*full);
    const std::optional<CalcUsed> used = link->calcUsed();
    preferences.rememberCalc(settings, used);
    if (!screen)
        return failed(tr("The calculator's screen was not captured."), screen.failure());
    CalcPicture picture = screenPicture(*screen);
    picture.kind = pictureKindOf(used ? used->calc : settings.calc);
    take(std::move(picture));
}

void CalculatorCommands::take(CalcPicture picture)
{
    m_session.takeUnsavedPicture(std::move(picture));
    if (m_pictureReplaced)
        m_pictureReplaced();
}
