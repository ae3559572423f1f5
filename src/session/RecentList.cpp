#include "session/RecentList.h"

#include "platform/Settings.h"
#include "platform/ShownNames.h"
#include "session/FileNames.h"

#include <QDir>

namespace {
QString key(int index) { return QString::number(index) + QStringLiteral("recent"); }
} // namespace

bool RecentList::isEmpty() const
{
    for (const Entry &entry : m_entries)
        if (!entry.caption.isEmpty())
            return false;
    return true;
}

template <typename Same> void RecentList::removeIf(Same same)
{
    int kept = 0;
    for (int i = 0; i < kCount; ++i)
        if (m_entries[i].caption.isEmpty() || !same(m_entries[i].path))
            m_entries[kept++] = m_entries[i];
    for (; kept < kCount; ++kept)
        m_entries[kept] = Entry();
}

void RecentList::push(const QString &path, const QString &caption)
{
    const QString file = absoluteCleanPath(path);
    removeIf([&](const QString &listed) { return absoluteCleanPath(listed) == file; });
    for (int i = kCount - 1; i >= 1; --i)
        m_entries[i] = m_entries[i - 1];
    m_entries[0] = {file, shownName(caption, kMenuNameLength)};
}

void RecentList::read(Settings &settings)
{
    for (int i = 0; i < kCount; ++i) {
        const QString path = settings.value(kSettingsApp, kSection, key(i), QString());
        m_stored[i] = !path.isEmpty();
        m_entries[i] = {path, path.isEmpty() ? QString() : shownName(baseName(path), kMenuNameLength)};
    }
    // Only the path as written decides here: a relative path may name another file when the
    // program starts in another folder.
    for (int i = 0; i < kCount; ++i) {
        const QString path = QDir::cleanPath(m_entries[i].path);
        int seen = 0;
        removeIf([&](const QString &listed) { return QDir::cleanPath(listed) == path && seen++ > 0; });
    }
}

// Every entry goes back under its key, also one whose name has no file part and so no
// caption: a file stored twice leaves room that the later entries move up into.
void RecentList::write(Settings &settings) const
{
    for (int i = 0; i < kCount; ++i)
        if (!m_entries[i].path.isEmpty())
            settings.setValue(kSettingsApp, kSection, key(i), m_entries[i].path);
        else if (m_stored[i])
            settings.setValue(kSettingsApp, kSection, key(i), QString());
}
