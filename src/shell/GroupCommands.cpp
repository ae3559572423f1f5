#include "shell/GroupCommands.h"

#include "calc/ByteConversions.h"
#include "calc/CalcCharset.h"
#include "calc/PictureFile.h"
#include "document/GreyPicture.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/ShownNames.h"
#include "session/AppInfo.h"
#include "session/FileNames.h"
#include "session/FileSession.h"
#include "session/TiGroup.h"
#include "shell/GroupQuestions.h"

#include <QDir>

namespace {
QString shownPath(const QString &path) { return shownName(QDir::toNativeSeparators(path), kMessageNameLength); }

// Every picture of the group as the chooser lists it.
std::vector<GroupChoice> choicesIn(const std::vector<GroupPicture> &pictures)
{
    std::vector<GroupChoice> choices;
    for (const GroupPicture &picture : pictures)
        choices.push_back({CalcCharset::toUnicode(picture.folder) + u'\\' + CalcCharset::toUnicode(picture.name), picture.size});
    return choices;
}

FileDialogs::Request addToGroupRequest()
{
    FileDialogs::Request request;
    request.title = GroupCommands::tr("TI-89 DOTLARK: Add to Group");
    request.filter = kGroupFilesFilter;
    return request; // an existing group is added to, not replaced: no question here
}
} // namespace

GroupCommands::GroupCommands(Services services, FileSession &session, GroupQuestions &questions,
                             std::function<void(const SessionOutcome &)> apply)
    : m_services(services), m_session(session), m_questions(questions), m_apply(std::move(apply))
{
}

void GroupCommands::open(const QString &path, bool addToRecent)
{
    Outcome<GroupOnDisk> read = Place::readGroup(m_services.files, path);
    if (!read)
        return m_apply(FileSession::groupRefused(read.failure()));
    const std::vector<GroupPicture> pictures = picturesIn(read->group);
    if (pictures.empty())
        return m_apply(SessionOutcome::refused(tr("%1 holds no picture.").arg(shownPath(path)), AppInfo::title));
    if (const std::vector<GreyPair> pairs = greyPairsIn(read->group); !pairs.empty() && askOpenGrey(path, read->group, pairs.front()))
        return m_apply(m_session.open(Place::openGreyPair(*read, pairs.front()), addToRecent));
    int entry = pictures.front().entry;
    if (pictures.size() > 1) {
        const GroupFile &group = read->group;
        const auto previewOf = [&](int at) {
            Outcome<CalcPicture> decoded = decodePictureFile({}, asByteArray(singleVariableFile(group, pictures.at(size_t(at)).entry)));
            return decoded ? std::move(*decoded) : CalcPicture();
        };
        const std::optional<int> chosen = m_questions.choosePicture(path, choicesIn(pictures), previewOf);
        if (!chosen || *chosen < 0 || size_t(*chosen) >= pictures.size())
            return;
        entry = pictures[size_t(*chosen)].entry;
    }
    m_apply(m_session.open(Place::openVariable(*read, entry), addToRecent));
}

bool GroupCommands::openPair(const QString &path, bool addToRecent)
{
    const std::optional<std::pair<QString, QString>> pair = Place::pairedFiles(m_services.files, path);
    if (!pair)
        return false;
    const bool asked = m_services.messages.show(tr("%1 and %2 hold the light and dark planes of a grey picture. Open them "
                                                   "as one picture of four grey levels?")
                                                    .arg(shownPath(pair->first), shownPath(pair->second)),
                                                AppInfo::title, Messages::Icon::None, Messages::Buttons::YesNo)
                       == Messages::Answer::Yes;
    if (!asked)
        return false;
    m_apply(m_session.open(Place::openFilePair(m_services.files, pair->first, pair->second), addToRecent));
    return true;
}

// The first pair of the group, one grey picture rather than two pictures, when the user
// says so; No goes on to the group's pictures.
bool GroupCommands::askOpenGrey(const QString &path, const GroupFile &group, const GreyPair &pair)
{
    const auto shown = [&](int entry) {
        const GroupEntry &variable = group.entries.at(size_t(entry));
        return CalcCharset::toUnicode(variable.folder) + u'\\' + CalcCharset::toUnicode(variable.name);
    };
    return m_services.messages.show(tr("%1 holds %2 and %3, the light and dark planes of a grey picture. Open them "
                                       "as one picture of four grey levels?")
                                        .arg(shownPath(path), shown(pair.lightEntry), shown(pair.darkEntry)),
                                    AppInfo::title, Messages::Icon::None, Messages::Buttons::YesNo)
           == Messages::Answer::Yes;
}

bool GroupCommands::askToReplace(const QString &group, const QString &variable)
{
    return m_services.messages.show(tr("%1 already holds %2. Replace it with this picture?").arg(shownPath(group), variable),
                                    AppInfo::title, Messages::Icon::Exclamation, Messages::Buttons::YesNoSafeNo)
           == Messages::Answer::Yes;
}

bool GroupCommands::mayReplaceOnSave()
{
    const QString other = m_session.groupVariableInTheWay();
    return other.isEmpty() || askToReplace(m_session.currentFile(), other);
}

void GroupCommands::addToGroup()
{
    const std::optional<FileDialogs::Choice> choice = m_services.dialogs.saveFile(addToGroupRequest());
    if (!choice)
        return;
    QString path = choice->path;
    if (!isGroupPath(path)) // a bare name gets the group ending of the picture's calculator
        path += u'.' + QString::fromStdString(groupFileEnding(m_session.kind()));
    const Outcome<GroupOnDisk> target = m_session.groupForAdding(path);
    if (!target)
        return m_apply(FileSession::groupRefused(target.failure()));
    if (const QString held = m_session.heldInGroup(*target); !held.isEmpty() && !askToReplace(path, held))
        return;
    const QString variable = m_session.shownVariables();
    const bool two = m_session.variableNames().size() > 1;
    const SessionOutcome outcome = m_session.addToGroup(path);
    m_apply(outcome);
    if (outcome.ok)
        m_services.messages.show((two ? tr("%1 were added to %2.") : tr("%1 was added to %2.")).arg(variable, shownPath(path)),
                                 AppInfo::title, Messages::Icon::None, Messages::Buttons::Ok);
}
