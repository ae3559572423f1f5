#include "shell/ViewOptions.h"

#include "canvas/CanvasView.h"
#include "platform/Settings.h"
#include "session/RecentList.h"
#include "shell/PreviewWindow.h"

#include <QAction>

namespace {
const QString kSection = QStringLiteral("View");
const QString kPixelGrid = QStringLiteral("PixelGrid");
} // namespace

ViewOptions::ViewOptions(CanvasView &canvas, const PictureDocument &document, const Selection &selection,
                         Settings &settings, Items items, QWidget &window)
    : m_canvas(canvas), m_document(document), m_selection(selection), m_settings(settings), m_items(items), m_window(window)
{
    for (QAction *item : {&items.pixelGrid, &items.preview})
        item->setCheckable(true);
    canvas.setPixelGrid(settings.value(RecentList::kSettingsApp, kSection, kPixelGrid, {}) == u'1');
    items.pixelGrid.setChecked(canvas.pixelGrid());
}

void ViewOptions::togglePixelGrid()
{
    m_canvas.setPixelGrid(!m_canvas.pixelGrid());
    m_items.pixelGrid.setChecked(m_canvas.pixelGrid());
    m_settings.setValue(RecentList::kSettingsApp, kSection, kPixelGrid, m_canvas.pixelGrid() ? QStringLiteral("1") : QStringLiteral("0"));
}

void ViewOptions::togglePreview() { showPreview(!preview()); }

PreviewWindow *ViewOptions::preview() const { return m_preview && m_preview->isVisible() ? m_preview.data() : nullptr; }

void ViewOptions::showPreview(bool shown)
{
    if (shown && !m_preview) {
        m_preview = new PreviewWindow(m_document, m_selection, &m_window);
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(m_preview, &PreviewWindow::closed, &m_window, [this] { m_items.preview.setChecked(false); });
        QObject::connect(&m_canvas, &CanvasView::selectionChanged, m_preview, &PreviewWindow::selectionChanged);
        // Beside the main window, on its right.
        m_preview->move(m_window.frameGeometry().topRight() + QPoint(8, 0));
    }
    if (m_preview)
        m_preview->setVisible(shown);
    m_items.preview.setChecked(shown);
}
