#include "shell/EditCommands.h"

#include "canvas/DrawingTools.h"
#include "document/GreyPicture.h"
#include "document/Picture89i.h"
#include "import/PictureImages.h"
#include "platform/Clipboard.h"
#include "platform/FailureText.h"
#include "platform/FileDialogs.h"
#include "platform/FileStore.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "session/AppInfo.h"
#include "session/FileSession.h"
#include "session/RecentList.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

using namespace PictureOps;

namespace {
// The black cells of a 1-bit grid in the black tools' ink.
void inked(PixelGrid &pixels, int ink)
{
    if (ink == 1)
        return;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (pixels.at(x, y))
                pixels.put(x, y, uint8_t(ink));
}

const QString kSection = QStringLiteral("Edit");
const QString kTransparent = QStringLiteral("TransparentSelection");
} // namespace

EditCommands::EditCommands(FileSession &session, DrawingTools &tools, Desk desk, Host host)
    : m_session(session), m_tools(tools), m_desk(desk), m_host(std::move(host))
{
    selection().transparent = m_desk.settings.value(RecentList::kSettingsApp, kSection, kTransparent, QStringLiteral("0"))
                              == QStringLiteral("1");
}

bool EditCommands::transparent() const { return m_tools.selection().transparent; }

void EditCommands::setTransparent(bool on)
{
    selection().transparent = on;
    m_desk.settings.setValue(RecentList::kSettingsApp, kSection, kTransparent, on ? QStringLiteral("1") : QStringLiteral("0"));
}

PictureDocument &EditCommands::document() { return m_session.document(); }

Selection &EditCommands::selection() { return m_tools.selection(); }

bool EditCommands::hasSelection() const { return m_tools.selection().active(); }

// The picture counts as drawn on, as after a press of the Pen.
void EditCommands::drawn()
{
    document().drawn();
    if (m_host.pictureChanged)
        m_host.pictureChanged();
}

void EditCommands::copy()
{
    if (!hasSelection())
        return;
    const PixelGrid content = selection().content();
    // A grey selection goes as the four greys of a grey picture's image.
    m_desk.clipboard.setImage(document().isGrey() ? greyImage(greyFromLevels(content, content.width(), content.height()))
                                                  : blackAndWhiteImage(content, content.width(), content.height()));
}

void EditCommands::cut()
{
    if (!hasSelection())
        return;
    copy();
    erase();
}

void EditCommands::erase()
{
    if (!hasSelection())
        return;
    const bool lifted = selection().floating() && !selection().vacated().isEmpty();
    const bool fixed = !selection().floating();
    selection().erase();
    if (lifted || fixed)
        drawn();
}

void EditCommands::paste()
{
    const QImage image = m_desk.clipboard.image();
    if (image.isNull())
        return m_desk.messages.warn(tr("The clipboard holds no picture."), AppInfo::title);
    if (image.width() > document().width() || image.height() > document().height()) {
        if (m_host.importScaled)
            m_host.importScaled(image);
        return;
    }
    m_tools.landSelection();
    const QPoint at = m_host.visibleTopLeft ? m_host.visibleTopLeft() : QPoint();
    m_tools.miTool_Click(Tool::Select);
    selection().floatPixels(cellsOf(image), at.x(), at.y());
}

void EditCommands::pasteAsNewPicture()
{
    const QImage image = m_desk.clipboard.image();
    if (image.isNull())
        return m_desk.messages.warn(tr("The clipboard holds no picture."), AppInfo::title);
    if (checkWritableSize(image.width(), image.height()) != Picture89iError::None)
        return m_desk.messages.warn(tr("The clipboard's picture is %1 x %2 pixels, more than a picture file holds.")
                                   .arg(image.width()).arg(image.height()),
                               AppInfo::title);
    if (document().hasUnsavedWork()
        && m_desk.messages.show(tr("The picture has not been saved. Replace it with the clipboard's picture?"),
                           AppInfo::title, Messages::Icon::Exclamation, Messages::Buttons::YesNoSafeNo)
               != Messages::Answer::Yes)
        return;
    m_tools.landSelection();
    selection().deselect();
    document().takeUnsaved(cellsOf(image), image.width(), image.height(), document().texts());
    drawn();
}

PixelGrid EditCommands::cellsOf(const QImage &image)
{
    return document().isGrey() ? nearestGreyLevels(image) : luminancePixels(image);
}

void EditCommands::selectAll()
{
    m_tools.miTool_Click(Tool::Select);
    selection().selectAll();
}

// What floats lands where it is, as in other editors (Undo puts it back), and the selection ends.
void EditCommands::deselect()
{
    land();
    selection().deselect();
}

void EditCommands::land()
{
    if (m_tools.landSelection() && m_host.pictureChanged)
        m_host.pictureChanged();
}

void EditCommands::crop()
{
    if (!hasSelection())
        return;
    m_tools.landSelection();
    selection().crop();
    drawn();
}

void EditCommands::transform(const std::function<PixelGrid(const PixelGrid &, int, int)> &op)
{
    Selection &selected = selection();
    if (selected.active()) {
        // Each command on a selection is a step of its own: what floats lands first (the
        // move so far is a step), then the selection's pixels change where they are and land.
        // Pixels that would land beyond the picture keep floating instead, so that nothing of
        // them is cut off; they land with the next landing.
        const auto onThePicture = [this](const PixelRect &r) {
            return r.x >= 0 && r.y >= 0 && r.x + r.width <= document().width() && r.y + r.height <= document().height();
        };
        if (!selected.floating() || onThePicture(selected.rect())) {
            land();
            selected.moveBy(0, 0); // lifted where it is
        }
        const PixelGrid &pixels = selected.pixels();
        selected.setFloatingPixels(op(pixels, pixels.width(), pixels.height()));
        if (onThePicture(selected.rect()))
            land();
        return;
    }
    const PictureDocument &picture = document();
    PixelGrid changed = op(picture.pixels(), picture.width(), picture.height());
    const int width = changed.width(), height = changed.height();
    document().transform(std::move(changed), width, height);
    drawn();
}

void EditCommands::flip(Axis axis)
{
    transform([axis](const PixelGrid &p, int w, int h) { return flipped(p, w, h, axis); });
}

void EditCommands::rotate(Turn turn)
{
    transform([turn](const PixelGrid &p, int w, int h) { return rotated(p, w, h, turn); });
}

void EditCommands::invert()
{
    transform([black = document().black()](const PixelGrid &p, int w, int h) { return inverted(p, w, h, black); });
}

// On a selection as on the whole picture: the pixels go round inside it.
void EditCommands::shift(int dx, int dy)
{
    transform([dx, dy](const PixelGrid &p, int w, int h) { return shifted(p, w, h, dx, dy); });
}

void EditCommands::toggleGreyLevels()
{
    m_tools.landSelection();
    selection().deselect();
    document().setLevels(document().isGrey() ? 2 : 4);
    drawn();
}

void EditCommands::canvasSize()
{
    const std::optional<CanvasSizeChoice> choice = m_desk.questions.askCanvasSize(QSize(document().width(), document().height()));
    if (!choice)
        return;
    m_tools.landSelection();
    selection().deselect();
    const PictureDocument &picture = document();
    document().transform(resized(picture.pixels(), picture.width(), picture.height(), choice->width, choice->height, choice->anchor),
                         choice->width, choice->height);
    drawn();
}

void EditCommands::tileGrid()
{
    const std::optional<QSize> size = m_desk.questions.askTileGrid(m_tileSize, QSize(document().width(), document().height()));
    if (!size)
        return;
    setTileSize(*size);
}

void EditCommands::setTileSize(QSize size)
{
    m_tileSize = size;
    if (m_host.tileGridChanged)
        m_host.tileGridChanged(m_tileSize);
}

void EditCommands::text(int x, int y)
{
    if (m_text.family.isEmpty())
        m_text.family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    m_text.text.clear();
    selection().deselect();
    const auto show = [this, x, y](const TextChoice &choice) {
        PixelGrid pixels = textPixels(choice.text, choice.family, choice.pixelSize, choice.bold);
        inked(pixels, m_tools.blackInk());
        if (selection().floating())
            selection().setFloatingPixels(std::move(pixels));
        else if (pixels.width() > 0)
            selection().floatPixels(std::move(pixels), x, y);
    };
    const bool transparent = selection().transparent;
    selection().transparent = true; // only the letters land
    const std::optional<TextChoice> choice = m_desk.questions.askText(m_text, show);
    if (choice && !choice->text.isEmpty()) {
        m_text = *choice;
        show(*choice);
        land();
    }
    selection().cancel();
    selection().transparent = transparent;
}

void EditCommands::exportPicture()
{
    m_tools.landSelection();
    const std::optional<int> scale = m_desk.questions.askExportScale();
    if (!scale)
        return;
    // A grey picture keeps its four levels: PGM takes PBM's place, which holds two.
    const bool grey = document().isGrey();
    const QStringList suffixes{QStringLiteral("png"), grey ? QStringLiteral("pgm") : QStringLiteral("pbm"), QStringLiteral("bmp")};
    FileDialogs::Request request;
    request.title = tr("Export Picture");
    request.filter = grey ? QStringLiteral("%1 (*.png)|*.png|%2 (*.pgm)|*.pgm|%3 (*.bmp)|*.bmp")
                                .arg(tr("PNG, four greys"), tr("PGM, four greys"), tr("BMP, four greys"))
                          : QStringLiteral("PNG (*.png)|*.png|PBM (*.pbm)|*.pbm|BMP (*.bmp)|*.bmp");
    request.confirmOverwrite = true;
    const std::optional<FileDialogs::Choice> choice = m_desk.dialogs.saveFile(request);
    if (!choice)
        return;
    QString path = choice->path;
    QString suffix = QFileInfo(path).suffix().toLower();
    if (!suffixes.contains(suffix)) {
        suffix = suffixes.value(choice->filterIndex - 1, suffixes.first());
        path += u'.' + suffix;
    }
    const PictureDocument &picture = document();
    const PixelGrid pixels = scaled(picture.pixels(), picture.width(), picture.height(), *scale);
    const QByteArray bytes = grey ? greyFileBytes(greyFromLevels(pixels, pixels.width(), pixels.height()), suffix)
                                  : pictureFileBytes(pixels, pixels.width(), pixels.height(), suffix);
    const auto failed = [&](const QString &reason) {
        m_desk.messages.warn(tr("Can't write the picture %1\r%2").arg(QDir::toNativeSeparators(path), reason), AppInfo::title);
    };
    if (bytes.isEmpty())
        return failed(tr("the picture could not be encoded"));
    if (const Done written = m_desk.files.writeAll(path, bytes); !written)
        failed(describe(written.failure()));
}
