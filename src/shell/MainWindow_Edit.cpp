// The Edit menu's commands, the Text tool, the keys that depend on a selection and the
// status bar's tool and zoom.

#include "canvas/CanvasView.h"
#include "platform/Clipboard.h"
#include "shell/EditCommands.h"
#include "shell/EditDialogs.h"
#include "shell/ImportCommands.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <cmath>

namespace {
// The clipboard of this program alone, when the desktop brings none.
class OwnClipboard : public Clipboard
{
public:
    QImage image() const override { return m_image; }
    void setImage(const QImage &image) override { m_image = image; }

private:
    QImage m_image;
};

QList<QKeySequence> keys(std::initializer_list<const char *> names)
{
    QList<QKeySequence> sequences;
    for (const char *name : names)
        sequences << QKeySequence(QString::fromLatin1(name));
    return sequences;
}
} // namespace

void MainWindow::createEditCommands()
{
    Clipboard *clipboard = m_services.clipboard;
    if (!clipboard)
        clipboard = (m_ownClipboard = std::make_unique<OwnClipboard>()).get();
    EditQuestions *questions = m_services.editQuestions;
    if (!questions) {
        m_editDialogs = std::make_unique<EditDialogs>();
        m_editDialogs->setParent(this);
        questions = m_editDialogs.get();
    }
    EditCommands::Host host;
    host.visibleTopLeft = [this] {
        const QPointF at = Picture1->toPicture(Picture1->mapFrom(m_canvasArea->viewport(), QPointF(0, 0)));
        return QPoint(std::max(0, int(std::ceil(at.x()))), std::max(0, int(std::ceil(at.y()))));
    };
    host.importScaled = [this](const QImage &image) {
        m_import->importScaledImage(image, QStringLiteral("the clipboard's picture"), QSize(document().width(), document().height()));
    };
    host.pictureChanged = [this] {
        if (m_session.currentFile().isEmpty())
            setStatusFileName(QString());
        updateActions();
    };
    m_edit = std::make_unique<EditCommands>(
        m_session, m_tools,
        EditCommands::Desk{m_services.settings, *clipboard, *questions, m_services.messages, m_services.dialogs, m_services.files},
        std::move(host));
    m_menus.miTransparent->setCheckable(true);
    m_menus.miTransparent->setChecked(m_edit->transparent());
    m_tools.startText = [this](int x, int y) { m_edit->text(x, y); };
    connect(Picture1, &CanvasView::selectionChanged, this, &MainWindow::updateSelectionActions);
    connect(Picture1, &CanvasView::zoomChanged, this, &MainWindow::showToolAndZoom);
    updateSelectionActions();
}

// While there is a selection Ctrl+X and Ctrl+C cut and copy it; otherwise they are Exit and
// ClrDraw, as designed.
void MainWindow::updateSelectionActions()
{
    const bool selected = m_tools.selection().active();
    m_menus.miExit->setShortcuts(selected ? QList<QKeySequence>() : keys({"Ctrl+X"}));
    m_menus.miCls->setShortcuts(selected ? QList<QKeySequence>() : keys({"Ctrl+C"}));
    m_menus.miCut->setShortcuts(selected ? keys({"Ctrl+X", "Shift+Del"}) : keys({"Shift+Del"}));
    m_menus.miCopy->setShortcuts(selected ? keys({"Ctrl+C", "Ctrl+Ins"}) : keys({"Ctrl+Ins"}));
    for (QAction *item : {m_menus.miCut, m_menus.miCopy, m_menus.miDelete, m_menus.miCrop, m_menus.miDeselect})
        item->setEnabled(selected);
}

void MainWindow::showToolAndZoom()
{
    m_toolPanel->setText(QStringLiteral("%1  %2%").arg(QString::fromLatin1(toolName(m_tools.checkedTool())))
                             .arg(qRound(Picture1->zoom() * 100)));
}

QString MainWindow::statusTool() const { return m_toolPanel->text(); }
