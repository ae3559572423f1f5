#include "shell/RecentList.h"

#include "platform/Settings.h"
#include "platform/ShownNames.h"
#include "shell/FileNames.h"

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

void RecentList::push(const QString &path, const QString &caption)
{
    for (int i = kCount - 1; i >= 1; --i)
        m_entries[i] = m_entries[i - 1];
    m_entries[0] = {path, shownName(caption, kMenuNameLength)};
}

void RecentList::read(Settings &settings)
{
    for (int i = 0; i < kCount; ++i) {
        const QString path = settings.value(kSettingsApp, kSection, key(i), QString());
        m_entries[i] = {path, path.isEmpty() ? QString() : shownName(baseName(path), kMenuNameLength)};
    }
}

void RecentList::write(Settings &settings) const
{
    for (int i = 0; i < kCount; ++i)
        if (!m_entries[i].caption.isEmpty())
            settings.setValue(kSettingsApp, kSection, key(i), m_entries[i].path);
}
