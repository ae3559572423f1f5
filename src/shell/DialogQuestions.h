#pragma once

#include "platform/Questions.h"
#include "shell/ScaledImportQuestion.h"

#include <QCoreApplication>
#include <QPointer>

class ExitDialog;
class Messages;
class NewPictureDialog;
class QWidget;

// The questions asked with the program's windows: frmNew and frmExit, made on first use
// over the main window and afterwards only hidden and shown, Qt pop-up menus, the
// recovery question (a message box for one copy, a list for several), and the Import
// Scaled dialog, made anew for each picture.
class DialogQuestions : public Questions, public ScaledImportQuestion
{
    Q_DECLARE_TR_FUNCTIONS(DialogQuestions)

public:
    explicit DialogQuestions(Messages &messages) : m_messages(messages) {}
    ~DialogQuestions() override;
    void setParent(QWidget *parent) { m_parent = parent; }

    std::optional<NewPicture> askNewSize() override;
    ExitChoice askExit() override;
    RecoverAnswer askRecover(const QList<LeftCopy> &copies) override;
    std::optional<int> popUpMenu(const QStringList &items, int checked, QPoint at) override;
    std::optional<ScaledImportAnswer> askScaledImport(const ScaleSource &source, const QString &path, const PixelGrid &beneath,
                                                      int beneathLevels, const ScaledImportChoice &initial) override;

private:
    RecoverAnswer askRecoverOne(const LeftCopy &copy);
    RecoverAnswer askRecoverAmong(const QList<LeftCopy> &copies);

    Messages &m_messages;
    QPointer<QWidget> m_parent;
    QPointer<NewPictureDialog> frmNew;
    QPointer<ExitDialog> frmExit;
};
