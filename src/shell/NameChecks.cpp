#include "shell/NameChecks.h"

#include "calc/NameProblem.h"

#include <QLineEdit>

namespace {

bool checkNameBox(QLineEdit *box, NameKind kind, Messages &messages)
{
    const std::optional<NameProblem> problem = findNameProblem(box->text(), kind);
    if (!problem)
        return true;
    messages.warn(problem->message, problem->title);
    box->setFocus();
    return false;
}

} // namespace

bool CheckPicVarName(QLineEdit *Text2, Messages &messages)
{
    return checkNameBox(Text2, NameKind::PicVar, messages);
}

bool CheckFolderName(QLineEdit *Text3, Messages &messages)
{
    return checkNameBox(Text3, NameKind::Folder, messages);
}

bool checkBothNames(QLineEdit *Text2, QLineEdit *Text3, Messages &messages)
{
    const bool picVarPasses = CheckPicVarName(Text2, messages);
    const bool folderPasses = CheckFolderName(Text3, messages);
    return picVarPasses && folderPasses;
}
