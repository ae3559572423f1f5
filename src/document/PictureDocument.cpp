#include "document/PictureDocument.h"

#include <algorithm>
#include <utility>

PictureDocument::Watch PictureDocument::watch(Watcher watcher) const
{
    m_watchers->list.emplace_back(++m_watchers->lastId, std::move(watcher));
    return Watch(m_watchers, m_watchers->lastId);
}

void PictureDocument::announce(const PictureChange &change) const
{
    for (const auto &entry : m_watchers->list)
        entry.second(change);
}

void PictureDocument::setPixel(int x, int y, int value)
{
    if (!Pixels.contains(x, y))
        return;
    value = cellValue(value);
    m_history.record(x, y, Pixels.at(x, y), value);
    Pixels.put(x, y, uint8_t(value));
    announce({PictureChange::Kind::Pixels, {x, y, 1, 1}});
}

void PictureDocument::replace(PixelGrid pixels, int width, int height, int levels)
{
    Pixels = std::move(pixels);
    takeSize({width, height, levels == 4 ? 4 : 2});
    m_history.clear();
    m_stateSteps.clear();
    announce({PictureChange::Kind::NewPicture, {}});
}

void PictureDocument::startUp()
{
    m_state = PictureState();
    m_state.facts.startUp();
    replace(PixelGrid(kScreenWidth, kScreenHeight), kScreenWidth, kScreenHeight);
}

void PictureDocument::read(PixelGrid pixels, int width, int height, int levels, const CalcTexts &texts,
                           std::shared_ptr<const DocumentPlace> place)
{
    m_state.facts.fileRead();
    m_state.texts = m_state.savedTexts = texts;
    m_state.place = std::move(place);
    replace(std::move(pixels), width, height, levels);
    markSaved();
}

void PictureDocument::recovered(PixelGrid pixels, int width, int height, int levels, const CalcTexts &texts)
{
    m_state = PictureState();
    m_state.facts.newPicture();
    m_state.facts.drawingPress();
    m_state.texts = texts;
    replace(std::move(pixels), width, height, levels);
}

void PictureDocument::written(std::shared_ptr<const DocumentPlace> place)
{
    m_state.facts.fileWritten();
    m_state.savedTexts = m_state.texts;
    m_state.place = std::move(place);
    markSaved();
}

void PictureDocument::placeRenewed(const DocumentPlace &was, std::shared_ptr<const DocumentPlace> now)
{
    if (m_state.place.get() != &was)
        return;
    m_state.place = std::move(now);
}

void PictureDocument::imported()
{
    m_state.facts.imported();
    m_state.place.reset();
    m_state.saved.reset();
}

void PictureDocument::blankState(void (FileMenuState::*event)())
{
    (m_state.facts.*event)();
    m_state.texts = m_state.savedTexts = CalcTexts();
    m_state.place.reset();
    m_state.saved.reset();
}

void PictureDocument::clearDrawing()
{
    PictureState before = m_state;
    blankState(&FileMenuState::clearDrawing);
    blankGrid(PicWidth, PicHeight, Blanking::ClrDraw, 0, true);
    recordState(std::move(before));
}

void PictureDocument::newPicture(int width, int height, int levels)
{
    PictureState before = m_state;
    blankState(&FileMenuState::newPicture);
    blankGrid(width, height, Blanking::New, levels, true);
    recordState(std::move(before));
}

void PictureDocument::takeUnsaved(PixelGrid pixels, int width, int height, const CalcTexts &texts)
{
    PictureState before = m_state;
    m_state.place.reset();
    m_state.saved.reset();
    m_state.facts.newPicture();
    m_state.facts.drawingPress();
    m_state.texts = texts;
    replaceGrid(std::move(pixels), width, height, 0, PictureChange::Kind::NewPicture);
    recordState(std::move(before));
}

void PictureDocument::recordState(PictureState before)
{
    m_stateSteps[m_history.position()] = {std::move(before), m_state};
}

void PictureDocument::blankGrid(int width, int height, Blanking blanking, int levels, bool evenIfBlank)
{
    PixelGrid white(width, height);
    const PictureSize was = size();
    const PictureSize now{width, height, levels == 4 || (levels == 0 && isGrey()) ? 4 : 2};
    if (evenIfBlank || Pixels != white || was != now) // blanking a blank picture changes nothing
        m_history.recordBlank(std::move(Pixels), was, {width, height});
    Pixels = std::move(white);
    takeSize(now);
    const bool fit = blanking == Blanking::New || was.width != width || was.height != height;
    announce({fit ? PictureChange::Kind::NewPicture : PictureChange::Kind::Whole, {}});
}

void PictureDocument::transform(PixelGrid grid, int width, int height, int levels)
{
    replaceGrid(std::move(grid), width, height, levels, PictureChange::Kind::Resized);
}

void PictureDocument::replaceGrid(PixelGrid grid, int width, int height, int levels, PictureChange::Kind ifResized)
{
    m_history.commit();
    const PictureSize was = size();
    m_history.recordReplacement(std::move(Pixels), was);
    Pixels = std::move(grid);
    takeSize({width, height, levels == 0 ? m_levels : (levels == 4 ? 4 : 2)});
    const bool resized = was.width != width || was.height != height;
    announce({resized ? ifResized : PictureChange::Kind::Whole, {}});
}

bool PictureDocument::setLevels(int levels)
{
    levels = levels == 4 ? 4 : 2;
    if (levels == m_levels)
        return false;
    m_history.commit();
    PixelGrid converted(PicWidth, PicHeight);
    for (int y = 0; y < PicHeight; ++y)
        for (int x = 0; x < PicWidth; ++x) {
            const int value = Pixels.at(x, y);
            converted.put(x, y, levels == 4 ? (value ? 3 : 0) : (value & 2 ? 1 : 0));
        }
    m_history.recordReplacement(std::move(Pixels), size());
    Pixels = std::move(converted);
    m_levels = levels;
    announce({PictureChange::Kind::Whole, {}});
    return true;
}

void PictureDocument::commitArea(const PixelRect &area)
{
    m_history.commit();
    if (!area.isEmpty())
        announce({PictureChange::Kind::Pixels, area});
}

template<class Value>
void PictureDocument::setCells(const PixelRect &area, Value value)
{
    // Which cells change, and the rectangle around them.
    const bool inGrid = within(area, Pixels.width(), Pixels.height()) == area;
    std::size_t changes = 0;
    PixelRect changed;
    for (int y = area.y; inGrid && y < area.y + area.height; ++y) {
        const uint8_t *row = Pixels.row(y);
        int first = -1, last = -1;
        for (int x = area.x; x < area.x + area.width; ++x)
            if (const int wanted = value(x, y); wanted >= 0 && row[x] != wanted) {
                ++changes;
                first = first < 0 ? x : first;
                last = x;
            }
        if (first >= 0)
            changed = united(changed, {first, y, last - first + 1, 1});
    }
    // Most of the rectangle changing, the step keeps its cells as they were, which costs less
    // than each change on its own.
    if (changes * sizeof(PixelChange) > std::size_t(changed.width) * changed.height) {
        PixelGrid before = PictureOps::cropped(Pixels, changed);
        for (int y = changed.y; y < changed.y + changed.height; ++y) {
            uint8_t *row = Pixels.row(y);
            for (int x = changed.x; x < changed.x + changed.width; ++x)
                if (const int wanted = value(x, y); wanted >= 0)
                    row[x] = uint8_t(wanted & 3);
        }
        m_history.recordArea(changed, std::move(before));
        return;
    }
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            if (const int wanted = value(x, y); wanted >= 0)
                record(x, y, wanted);
}

void PictureDocument::paste(const PixelGrid &source, int x, int y, bool transparent)
{
    m_history.commit();
    // Only the part of the source over the picture.
    const int left = std::max(0, -x), top = std::max(0, -y);
    const int right = std::min(source.width(), PicWidth - x), bottom = std::min(source.height(), PicHeight - y);
    const PixelRect area{x + left, y + top, right - left, bottom - top};
    if (!area.isEmpty())
        setCells(area, [&](int i, int j) {
            const int value = source.at(i - x, j - y);
            return value || !transparent ? value : -1;
        });
    commitArea(area);
}

void PictureDocument::fillRect(const PixelRect &area, int value)
{
    m_history.commit();
    const PixelRect inside = within(area, PicWidth, PicHeight);
    if (!inside.isEmpty())
        setCells(inside, [value = cellValue(value)](int, int) { return value; });
    commitArea(inside);
}

bool PictureDocument::floodFill(int x, int y, int value)
{
    PixelGrid filled = Pixels;
    const std::optional<PixelRect> area = PictureOps::floodFill(filled, PicWidth, PicHeight, x, y, cellValue(value));
    if (!area)
        return false;
    m_history.commit();
    // A large fill is kept as the grid it replaced, which costs less than its pixels one by one.
    const std::size_t perPixel = std::size_t(area->width) * area->height * sizeof(PixelChange);
    if (perPixel > std::size_t(Pixels.width()) * Pixels.height()) {
        m_history.recordReplacement(std::exchange(Pixels, std::move(filled)), size());
    } else {
        for (int j = area->y; j < area->y + area->height; ++j) {
            const uint8_t *now = Pixels.row(j);
            const uint8_t *then = filled.row(j);
            for (int i = area->x; i < area->x + area->width; ++i)
                if (now[i] != then[i])
                    record(i, j, then[i]);
        }
    }
    commitArea(*area);
    return true;
}

void PictureDocument::freshScreenGrid()
{
    Pixels.redimension(std::max(kScreenWidth, PicWidth), std::max(kScreenHeight, PicHeight));
    announce({PictureChange::Kind::Whole, {}});
}

FileMenuState PictureDocument::menus() const
{
    FileMenuState facts = m_state.facts;
    facts.knownFile = hasFile();
    return facts;
}

FileMenuState::Items PictureDocument::shownMenus() const
{
    FileMenuState::Items shown = menus().items();
    if (textsGuard())
        shown.newEnabled = shown.openEnabled = false;
    return shown;
}

void PictureDocument::markSaved()
{
    m_history.commit();
    m_state.saved = SavedStep{m_history.position(), m_state.facts};
}

// After an undo or redo the picture is its file's again on the saved step, and counts as
// drawn on anywhere else; a step that replaced the whole picture state gives back the state
// on its side.
Revision PictureDocument::revise(Revision (History::*step)(PixelGrid &, PictureSize &))
{
    const PictureSize was = size();
    PictureSize now = was;
    const uint64_t from = m_history.position();
    Revision revision = (m_history.*step)(Pixels, now);
    takeSize(now);
    if (revision.kind == Revision::Kind::Nothing)
        return revision;
    const bool undone = step == &History::undo;
    // Undone: the step left was the last done; redone: the step now done.
    const auto stateStep = m_stateSteps.find(undone ? from : m_history.position());
    revision.stateChanged = stateStep != m_stateSteps.end();
    if (revision.stateChanged) {
        // The side left keeps the state as it is now (texts edited since, a save), for the way back.
        StateStep &sides = stateStep->second;
        (undone ? sides.after : sides.before) = std::exchange(m_state, undone ? sides.before : sides.after);
    }
    else if (atSavedStep())
        m_state.facts = m_state.saved->facts;
    else
        m_state.facts.drawingPress();
    if (revision.kind == Revision::Kind::WholePicture) {
        // A picture made afresh, or the one before it given back, is shown fitted as it was
        // then; a crop or a turn undone keeps the zoom.
        const bool resized = was.width != PicWidth || was.height != PicHeight;
        const bool fresh = revision.stateChanged || revision.blanking;
        const auto ifResized = fresh ? PictureChange::Kind::NewPicture : PictureChange::Kind::Resized;
        announce({resized ? ifResized : PictureChange::Kind::Whole, {}});
    } else if (!revision.area.isEmpty()) {
        announce({PictureChange::Kind::Pixels, revision.area});
    }
    return revision;
}
