#pragma once

#include <QString>
#include <array>

class Settings;

// The four most recent files, entry 0 the newest, each with the caption its menu item shows.
// Kept in the settings store between runs under "dotlark95", section "Recent Files", keys
// "0recent" to "3recent".
class RecentList
{
public:
    static constexpr int kCount = 4;
    static inline const QString kSettingsApp = QStringLiteral("dotlark95");
    static inline const QString kSection = QStringLiteral("Recent Files");

    struct Entry
    {
        QString path;
        QString caption; // empty: the menu item is hidden; a long name is shortened (shownName)
    };

    const Entry &at(int index) const { return m_entries[index]; }
    bool isEmpty() const;

    // A new entry 0; the others move down and the last drops out. No duplicate check: the
    // same file may stand in several entries.
    void push(const QString &path, const QString &caption);
    void read(Settings &settings);
    // Only the entries that have a caption are written; the others keep what the store had.
    void write(Settings &settings) const;

private:
    std::array<Entry, kCount> m_entries;
};
