// The Edit menu's commands, the Text tool, the keys that depend on a selection and the
// status bar's tool and zoom.

#include "canvas/CanvasView.h"
#include "platform/Clipboard.h"
#include "shell/EditCommands.h"
#include "shell/EditDialogs.h"
#include "shell/ImportCommands.h"
#include "shell/MainWindow.h"
#include "shell/StatusPanels.h"

#include <QAction>
#include <QScrollArea>
#include <cmath>

void MainWindow::createEditCommands()
{
    Clipboard *clipboard = m_services.clipboard;
    if (!clipboard)
        clipboard = (m_ownClipboard = std::make_unique<ProgramClipboard>()).get();
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
        m_import->importScaledImage(image, tr("the clipboard's picture"), QSize(document().width(), document().height()));
    };
    host.tileGridChanged = [this](QSize tile) { Picture1->setTileGrid(tile); };
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

void MainWindow::updateSelectionActions()
{
    showSelection(m_menus, m_tools.selection().active());
    m_status->showSize();
}

void MainWindow::showToolAndZoom()
{
    m_status->showToolAndZoom(m_tools.checkedTool(), Picture1->zoom(), m_tools.pickingLevel());
}

QString MainWindow::statusTool() const { return m_status->toolAndZoom(); }

QString MainWindow::statusSize() const { return m_status->size(); }
