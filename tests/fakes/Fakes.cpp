#include "fakes/Fakes.h"

Messages::Answer FakeMessages::show(const QString &text, const QString &caption, Icon icon, Buttons buttons)
{
    shown.append({text, caption, icon, buttons});
    if (onShow)
        onShow();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.empty())
        return Answer::Yes;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList FakeMessages::texts() const
{
    QStringList all;
    for (const Shown &s : shown)
        all << s.text;
    return all;
}

void FakeFileDialogs::choose(const QString &path, int filterIndex)
{
    Choice choice;
    choice.path = path;
    choice.title = path.section(u'/', -1);
    choice.filterIndex = filterIndex;
    choices.push_back(choice);
}

std::optional<FileDialogs::Choice> FakeFileDialogs::next(const Request &request)
{
    requests.append(request);
    if (choices.empty())
        return std::nullopt;
    auto choice = choices.front();
    choices.pop_front();
    if (afterChoice)
        afterChoice();
    return choice;
}

Outcome<QByteArray> FakeFileStore::readAll(const QString &path)
{
    if (!files.contains(path))
        return Failure{Failure::What::Missing, path, {}};
    return files.value(path);
}

Done FakeFileStore::writeAll(const QString &path, const QByteArray &bytes)
{
    if (unwritable.contains(path))
        return Failure{Failure::What::CannotWrite, path, QStringLiteral("Permission denied")};
    files[path] = bytes;
    written << path;
    return {};
}

Done FakeFileStore::remove(const QString &path)
{
    files.remove(path);
    return {};
}

// A file of the map is known by its content: any write that changes it changes the identity.
FileIdentity FakeFileStore::identify(const QString &path)
{
    FileIdentity identity;
    if (files.contains(path)) {
        identity.kind = FileIdentity::Kind::File;
        identity.size = files.value(path).size();
        identity.digest = files.value(path);
    }
    return identity;
}

Outcome<FileStore::Read> FakeFileStore::readIdentified(const QString &path)
{
    Outcome<QByteArray> bytes = readAll(path);
    if (!bytes)
        return bytes.failure();
    return Read{*bytes, identify(path)};
}

Done FakeFileStore::writeGuarded(const QString &path, const QByteArray &bytes, const WriteGuard &guard)
{
    if (identify(path) != guard.expected)
        return Failure{Failure::What::ChangedOnDisk, path, {}};
    return writeAll(path, bytes);
}

QString FakeSettings::value(const QString &application, const QString &section, const QString &key,
                            const QString &fallback)
{
    return values.value(application + u'/' + section + u'/' + key, fallback);
}

void FakeSettings::setValue(const QString &application, const QString &section, const QString &key,
                            const QString &value)
{
    values[application + u'/' + section + u'/' + key] = value;
}
