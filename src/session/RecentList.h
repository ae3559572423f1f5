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

    // A new entry 0, kept as an absolute, clean path; the others move down and the last
    // drops out. A file stands in one entry only: an entry naming the same file (compared as
    // absolute, clean paths) leaves its place for the new one.
    void push(const QString &path, const QString &caption);
    // The entries as stored, relative ones too (they open from the current folder), the
    // same path stored twice only once.
    void read(Settings &settings);
    // The entries that have a caption are written. The others keep what the store had,
    // except where the store held an entry that the list has let go (a file listed twice):
    // that key is emptied, so the file does not come back twice at the next start.
    void write(Settings &settings) const;

private:
    // Removes the entries for which `same` holds, the rest closing up towards entry 0.
    template <typename Same> void removeIf(Same same);

    std::array<Entry, kCount> m_entries;
    std::array<bool, kCount> m_stored{}; // the store held an entry under the key
};
