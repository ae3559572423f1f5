#include "shell/SourceCommands.h"

#include "document/GreyPicture.h"
#include "import/PictureImages.h"
#include "platform/ShownNames.h"
#include "session/AppInfo.h"
#include "session/FileSession.h"
#include "session/SpriteSummary.h"
#include "shell/SourceQuestions.h"

#include <QDir>

namespace {
constexpr int kReasonsShown = 8; // of arrays that are no sprite, when there is no sprite at all

QString text(const std::string &words) { return QString::fromUtf8(words.data(), qsizetype(words.size())); }

std::vector<SpriteChoice> choicesIn(const std::vector<SourceSprite> &sprites)
{
    std::vector<SpriteChoice> choices;
    for (const SourceSprite &sprite : sprites) {
        QStringList notes;
        for (const std::string &note : sprite.notes)
            notes << text(note);
        choices.push_back({text(sprite.name), SpriteSummary::elementSize(sprite), SpriteSummary::length(sprite),
                           SpriteSummary::shape(sprite), notes, sprite.problem.empty()});
    }
    return choices;
}

QImage imageOf(const StoredPicture &picture)
{
    return picture.levels == 4 ? greyImage(greyFromLevels(picture.pixels, picture.width, picture.height))
                               : blackAndWhiteImage(picture.pixels, picture.width, picture.height);
}

// No sprite at all: each array's reason, the first few.
QString noSprite(const QString &path, const std::vector<SpriteChoice> &choices)
{
    QString message = SourceCommands::tr("%1 holds no sprite:").arg(shownName(QDir::toNativeSeparators(path), kMessageNameLength));
    for (size_t i = 0; i < choices.size() && i < kReasonsShown; ++i)
        message += u'\r' + choices[i].name + QStringLiteral(": ") + choices[i].shape;
    if (choices.size() > kReasonsShown)
        message += u'\r' + SourceCommands::tr("and %n more", nullptr, int(choices.size() - kReasonsShown));
    return message;
}
} // namespace

SourceCommands::SourceCommands(Services services, FileSession &session, SourceQuestions &questions,
                               std::function<void(const SessionOutcome &)> apply, std::function<void(QSize)> sheetOpened)
    : m_services(services), m_session(session), m_questions(questions), m_apply(std::move(apply)),
      m_sheetOpened(std::move(sheetOpened))
{
}

void SourceCommands::open(const QString &path, bool addToRecent)
{
    const Outcome<SourceOnDisk> read = Place::readSource(m_services.files, path);
    if (!read)
        return m_apply(FileSession::groupRefused(read.failure()));
    const std::vector<SpriteChoice> choices = choicesIn(read->sprites);
    const auto first = std::find_if(choices.begin(), choices.end(), [](const SpriteChoice &c) { return c.sprite; });
    if (first == choices.end())
        return m_apply(SessionOutcome::refused(noSprite(path, choices), AppInfo::title));
    int chosen = int(first - choices.begin());
    if (choices.size() > 1) {
        const auto previewOf = [&](int at) {
            const Outcome<Place::Opened> opened = Place::openSprite(*read, at);
            return opened ? imageOf(opened->picture) : QImage();
        };
        const std::optional<int> answer = m_questions.chooseSprite(path, choices, previewOf);
        if (!answer || *answer < 0 || size_t(*answer) >= choices.size() || !choices[size_t(*answer)].sprite)
            return;
        chosen = *answer;
    }
    const SessionOutcome outcome = m_session.open(Place::openSprite(*read, chosen), addToRecent);
    m_apply(outcome);
    const SourceSprite &sprite = read->sprites[size_t(chosen)];
    if (outcome.ok && sprite.tiles > 1 && m_sheetOpened)
        m_sheetOpened(QSize(sprite.width, sprite.height));
}
