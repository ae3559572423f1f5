// The four most recent files at the end of the File menu, newest first, kept in the
// settings store between runs.

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "shell/FileNames.h"
#include "shell/MainWindow.h"

#include <QAction>

namespace {
QString recentKey(int index) { return QString::number(index) + QStringLiteral("recent"); }

// The caption is kept apart from the menu text, where '&' marks an access key.
QString captionOf(const QAction *item) { return item->data().toString(); }
void setCaption(QAction *item, const QString &caption)
{
    item->setData(caption);
    item->setText(QString(caption).replace(u'&', QStringLiteral("&&")));
}
} // namespace

void MainWindow::readRecentFiles()
{
    for (int i = 0; i < kRecentCount; ++i) {
        RecentFiles[i] = m_services.settings.value(kSettingsApp, kRecentSection, recentKey(i), QString());
        if (RecentFiles[i].isEmpty())
            continue;
        setCaption(mirecent[i], baseName(RecentFiles[i]));
        mirecent[i]->setVisible(true);
        mirecent[i]->setEnabled(true);
        miLine4->setVisible(true);
    }
}

void MainWindow::writeRecentFiles()
{
    for (int i = 0; i < kRecentCount; ++i)
        if (!captionOf(mirecent[i]).isEmpty())
            m_services.settings.setValue(kSettingsApp, kRecentSection, recentKey(i), RecentFiles[i]);
}

void MainWindow::UpdateRecent()
{
    // No duplicate check: the same file may stand in several entries.
    for (int i = kRecentCount - 1; i >= 1; --i) {
        setCaption(mirecent[i], captionOf(mirecent[i - 1]));
        RecentFiles[i] = RecentFiles[i - 1];
    }
    setCaption(mirecent[0], CurrentFileTitle);
    RecentFiles[0] = CurrentFile;
    miLine4->setVisible(true);
    for (QAction *item : mirecent)
        if (!captionOf(item).isEmpty()) {
            item->setEnabled(true);
            item->setVisible(true);
        }
}

void MainWindow::miRecent_Click(int index)
{
    if (m_document.menus.hasUnsavedDrawing()) {
        m_services.messages.warn(QStringLiteral("Current image not saved. Save it or clear it."), kTitle);
        return;
    }
    const QString path = RecentFiles[index];
    if (!hasPictureEnding(path)) {
        m_services.messages.warn(QStringLiteral("Not a valid filename!"), kTitle);
        return;
    }
    OpenFile(path, baseName(path)); // the list keeps its order
}
