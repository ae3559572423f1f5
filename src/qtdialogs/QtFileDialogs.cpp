#include "qtdialogs/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QStringList qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        // A description that ends in its own patterns ("Bitmap (*.bmp)") shows them once.
        const QString shown = u'(' + patterns + u')';
        filters << (parts[i].endsWith(shown) ? parts[i] : parts[i] + u' ' + shown);
    }
    return filters;
}

std::optional<FileDialogs::Choice> QtFileDialogs::openFile(const Request &request) { return run(request, false); }

std::optional<FileDialogs::Choice> QtFileDialogs::saveFile(const Request &request) { return run(request, true); }

std::optional<FileDialogs::Choice> QtFileDialogs::run(const Request &request, bool save)
{
    QFileDialog dialog(m_parent, request.title, m_folder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile
                            : (request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.suggestedPath.isEmpty())
        dialog.selectFile(request.suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().first();
    m_folder = QFileInfo(path).absolutePath();
    Choice choice;
    choice.path = QDir::toNativeSeparators(path);
    choice.title = QFileInfo(path).fileName();
    choice.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (choice.filterIndex < 1)
        choice.filterIndex = 1;
    return choice;
}
