// The file session's side of the recovery copies: the picture's work as a copy, and a copy
// taken back as the picture.

#include "session/FileSession.h"

#include <QDateTime>

RecoveryCopy FileSession::recoveryCopy() const
{
    RecoveryCopy copy;
    copy.width = m_document.width();
    copy.height = m_document.height();
    copy.levels = m_document.levels();
    // Only the picture's part of the grid, which may be larger (or, blank, smaller).
    copy.pixels = PixelGrid(copy.width, copy.height);
    const PixelGrid &grid = m_document.pixels();
    for (int y = 0; y < copy.height; ++y)
        for (int x = 0; x < copy.width; ++x)
            copy.pixels.put(x, y, uint8_t(grid.at(x, y)));
    const CalcTexts &texts = m_document.texts();
    copy.folder = texts.folder;
    copy.name = texts.name;
    copy.comment = texts.comment;
    copy.kind = kind();
    copy.file = (place() ? place()->path() : m_recoveredFrom).toStdString();
    copy.madeAt = QDateTime::currentMSecsSinceEpoch();
    return copy;
}

void FileSession::takeRecovered(const RecoveryCopy &copy)
{
    m_kind = copy.kind;
    m_recoveredFrom = QString::fromStdString(copy.file);
    // A history of its own, as for a file read; the File menu as after drawing on a picture
    // without a file.
    m_document.recovered(copy.pixels, copy.width, copy.height, copy.levels, {copy.folder, copy.name, copy.comment});
}
