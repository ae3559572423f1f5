#include "qtdialogs/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

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

namespace {
// The request's names as rows below the dialog's own (which needs Qt's dialog, not the
// desktop's, to take them): a label and a box each.
QList<QLineEdit *> addNameRows(QFileDialog &dialog, const FileDialogs::Request &request)
{
    QList<QLineEdit *> boxes;
    if (request.names.isEmpty())
        return boxes;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    auto *grid = qobject_cast<QGridLayout *>(dialog.layout());
    if (!grid)
        return boxes;
    // Tab goes from the file name to the names.
    QWidget *previous = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    for (const auto &[label, text] : request.names) {
        auto *box = new QLineEdit(&dialog);
        box->setMaxLength(request.nameLength);
        box->setText(text.left(request.nameLength));
        auto *caption = new QLabel(label, &dialog);
        caption->setBuddy(box);
        const int row = grid->rowCount();
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1);
        boxes << box;
        if (previous)
            QWidget::setTabOrder(previous, box);
        previous = box;
    }
    return boxes;
}
} // namespace

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
    const QList<QLineEdit *> names = addNameRows(dialog, request);
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
    for (const QLineEdit *box : names)
        choice.names << box->text();
    return choice;
}
