#include "shell/PreviewWindow.h"

#include "canvas/CanvasView.h"
#include "document/Selection.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int kMargin = 8; // screen pixels of background round the picture

QRgb colourOf(int value, bool grey)
{
    static constexpr QRgb greys[] = {CanvasView::kBackground, CanvasView::kLightGrey, CanvasView::kDarkGrey,
                                     CanvasView::kBlack};
    if (!grey)
        return value ? CanvasView::kBlack : CanvasView::kBackground;
    return greys[value & 3];
}
} // namespace

// The picture, kept as an image of one pixel per picture pixel: a change repaints only the
// pixels it touched.
class PreviewWindow::Picture : public QWidget
{
public:
    Picture(const PictureDocument &document, const Selection &selection)
        : m_document(document), m_selection(selection)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void rebuild()
    {
        m_image = QImage(m_document.width(), m_document.height(), QImage::Format_RGB32);
        take({0, 0, m_document.width(), m_document.height()});
        setFixedSize(m_image.width() + 2 * kMargin, m_image.height() + 2 * kMargin);
        update();
    }

    void take(const PixelRect &area)
    {
        const PixelGrid &pixels = m_document.pixels();
        const bool grey = m_document.isGrey();
        const int right = std::min(area.x + area.width, m_image.width());
        const int bottom = std::min(area.y + area.height, m_image.height());
        for (int y = std::max(0, area.y); y < bottom; ++y) {
            auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
            for (int x = std::max(0, area.x); x < right; ++x)
                line[x] = colourOf(pixels.at(x, y), grey);
        }
        update(QRect(area.x + kMargin, area.y + kMargin, area.width, area.height));
    }

    // The picture with what floats over it.
    QImage shown() const
    {
        if (!m_selection.floating())
            return m_image;
        QImage shown = m_image;
        const bool grey = m_document.isGrey();
        const PixelRect vacated = m_selection.vacated(), at = m_selection.rect();
        QPainter painter(&shown);
        painter.fillRect(QRect(vacated.x, vacated.y, vacated.width, vacated.height), QColor(CanvasView::kBackground));
        if (!m_selection.transparent)
            painter.fillRect(QRect(at.x, at.y, at.width, at.height), QColor(CanvasView::kBackground));
        painter.end();
        const PixelGrid &pixels = m_selection.pixels();
        for (int j = 0; j < pixels.height(); ++j)
            for (int i = 0; i < pixels.width(); ++i)
                if (const int value = pixels.at(i, j); value && shown.rect().contains(at.x + i, at.y + j))
                    shown.setPixel(at.x + i, at.y + j, colourOf(value, grey));
        return shown;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(CanvasView::kBackground));
        painter.drawImage(kMargin, kMargin, shown());
    }

private:
    const PictureDocument &m_document;
    const Selection &m_selection;
    QImage m_image;
};

PreviewWindow::PreviewWindow(const PictureDocument &document, const Selection &selection, QWidget *parent)
    : QScrollArea(parent), m_picture(new Picture(document, selection)),
      m_watch(document.watch([this](const PictureChange &change) { pictureChanged(change); }))
{
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Preview 1:1"));
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignCenter);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(CanvasView::kBackground));
    setPalette(palette);
    setWidget(m_picture);
    setMinimumSize(120, 80); // room for its title even for a small sprite
    m_picture->rebuild();
    fitWindow();
}

QImage PreviewWindow::image() const { return m_picture->shown(); }

void PreviewWindow::selectionChanged() { m_picture->update(); }

void PreviewWindow::pictureChanged(const PictureChange &change)
{
    if (change.kind == PictureChange::Kind::Pixels)
        return m_picture->take(change.area);
    m_picture->rebuild();
    if (change.kind != PictureChange::Kind::Whole)
        fitWindow();
}

// As large as the picture, up to most of the screen.
void PreviewWindow::fitWindow()
{
    QSize most(800, 600);
    if (const QScreen *screen = this->screen())
        most = screen->availableSize() * 3 / 4;
    resize(m_picture->size().boundedTo(most));
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    emit closed();
    QScrollArea::closeEvent(event);
}
