#pragma once

#include "document/CalcTexts.h"
#include "document/DocumentPlace.h"
#include "document/FileMenuState.h"
#include "document/History.h"
#include "document/PictureOps.h"
#include "document/PixelGrid.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// What changed in a picture, for the views that show it. Pixels: the rectangle `area`
// (picture pixels) holds new values. Whole: any pixel may have changed, the size has not.
// Resized: the same picture at another size (cropped, turned, its canvas changed, or such a
// command undone): views keep their zoom. NewPicture: a picture just read or created, or
// the state before it given back: views fit themselves to it.
struct PictureChange
{
    enum class Kind { Pixels, Whole, Resized, NewPicture } kind = Kind::Pixels;
    PixelRect area;
};

// The one picture the editor works on: its grid, its size, its history, its calculator
// texts, the place on disk it belongs to and the state the File menu carries. It is the only
// place where any of them change; each change of the grid is recorded in the history where
// it can be undone, and announced to the views watching, which show the grid through
// pixels() and keep no copy of it.
//
// The File-menu facts are the document's own: the events below set them, an undo or redo
// gives back those of the saved step, and "a file is known" is whether the picture has a
// place. A command that replaces the whole picture state (ClrDraw, New, a picture taken
// from elsewhere) is one step of the history with that state: its undo brings back the
// texts, the place and the File menu with the pixels.
class PictureDocument
{
public:
    static constexpr int kScreenWidth = 160; // the calculator's graph screen
    static constexpr int kScreenHeight = 77;

    PictureDocument() = default;
    PictureDocument(const PictureDocument &) = delete;
    PictureDocument &operator=(const PictureDocument &) = delete;

    // The grid may be larger than the picture: only the picture's part is ever shown, saved
    // or printed.
    const PixelGrid &pixels() const { return Pixels; }
    int width() const { return PicWidth; }
    int height() const { return PicHeight; }
    PictureSize size() const { return {PicWidth, PicHeight, m_levels}; }
    // 2: a black-and-white picture, the grid's cells 0 and 1; 4: a grey picture of two
    // planes, each cell its GreyLevel (0 white to 3 black).
    int levels() const { return m_levels; }
    bool isGrey() const { return m_levels == 4; }
    // The value of black in the grid's cells (1, or 3 in a grey picture).
    uint8_t black() const { return isGrey() ? 3 : 1; }
    const History &history() const { return m_history; }

    // The File-menu facts; knownFile is whether the picture has a place.
    FileMenuState menus() const;
    // The calculator texts as the boxes hold them; edited: they differ from the ones last
    // read, written or reset (text edits are not steps of the history).
    const CalcTexts &texts() const { return m_state.texts; }
    void setTexts(const CalcTexts &texts) { m_state.texts = texts; }
    bool textsEdited() const { return m_state.texts != m_state.savedTexts; }
    // Where the picture was read from or last written to; none: it has no file.
    const std::shared_ptr<const DocumentPlace> &place() const { return m_state.place; }
    bool hasFile() const { return m_state.place != nullptr; }

    // Views: `watcher` is told of every change from now on, for as long as the Watch
    // returned is kept (it may outlive the document).
    using Watcher = std::function<void(const PictureChange &)>;
    class Watch;
    [[nodiscard]] Watch watch(Watcher watcher) const;

    // One pixel of the picture set to 1 (black) or 0 (white) -- in a grey picture to a
    // level, 0 to 3 -- as part of the change under way; pixels outside the grid are dropped.
    void setPixel(int x, int y, int value);
    // Ends the change under way (a stroke, a shape, an import); true when it changed
    // anything and is now a step of the history.
    bool endChange() { return m_history.commit(); }

    // The events that change the picture state as a whole.
    // Start-up: the blank calculator screen, nothing to save, the texts a new picture's.
    void startUp();
    // A picture read from `place` (or recovered, with no place): its grid, texts and a new
    // history; read from a place it is saved as it is, recovered it counts as drawn on.
    void read(PixelGrid pixels, int width, int height, int levels, const CalcTexts &texts,
              std::shared_ptr<const DocumentPlace> place);
    void recovered(PixelGrid pixels, int width, int height, int levels, const CalcTexts &texts);
    // The picture and its texts, as they are now, were written to `place`.
    void written(std::shared_ptr<const DocumentPlace> place);
    // The place the picture is in was written to without changing the picture (another
    // picture added to its group): the place as it is now. Nothing when the picture is elsewhere.
    void placeRenewed(const DocumentPlace &was, std::shared_ptr<const DocumentPlace> now);
    // A press of a drawing tool, or a command that changed pixels: drawn on.
    void drawn() { m_state.facts.drawingPress(); }
    // File > Import placed a picture: changed, and no longer the file's.
    void imported();
    // ClrDraw: a white picture of the same size, the texts a new picture's, no file.
    void clearDrawing();
    // New: a white picture of width x height (`levels` 4: grey), the texts a new
    // picture's, no file.
    void newPicture(int width, int height, int levels);
    // A picture from elsewhere (the calculator, the clipboard) in place of this one, as one
    // step of the history: no file, drawn on, its texts.
    void takeUnsaved(PixelGrid pixels, int width, int height, const CalcTexts &texts);

    // A picture to work on with a new history (tests, and the events above): the grid is
    // the picture's. `levels` 4: the grid holds grey levels.
    void replace(PixelGrid pixels, int width, int height, int levels = 2);
    // ClrDraw and New: a white grid of width x height becomes the picture, one step of the
    // history. ClrDraw keeps the views as they are; New makes them fit the new picture.
    // New may make a grey picture (`levels` 4); ClrDraw keeps the levels the picture has.
    enum class Blanking { ClrDraw, New };
    void blank(int width, int height, Blanking blanking, int levels = 0) { blankGrid(width, height, blanking, levels, false); }
    // The picture as 2 or 4 levels (Edit > Grey Levels), one step of the history: black
    // stays black and white white; grey becomes black where the dark plane is set (the
    // darker half). False when it has that many already.
    bool setLevels(int levels);
    // Commands that change the picture as one step of the history each (a change under way
    // becomes a step of its own first):
    // the whole picture replaced by `grid`, width x height (a flip, a rotation, a crop, a
    // new canvas size); `levels` 2 or 4 makes it a picture of that many levels (a grey
    // import into a black-and-white picture), 0 keeps the levels it has;
    void transform(PixelGrid grid, int width, int height, int levels = 0);
    // `source` laid onto the picture with its top-left at (x, y), cut at the picture's
    // edges; transparent: only its black pixels land;
    void paste(const PixelGrid &source, int x, int y, bool transparent);
    // a rectangle of the picture set to `value` (Delete of a selection; a level in a grey
    // picture);
    void fillRect(const PixelRect &area, int value);
    // the 4-connected region of the colour at (x, y) filled with `value` (false: nothing
    // changed).
    bool floodFill(int x, int y, int value);

    // A fresh white grid for a drawing press on a picture that has none: the calculator
    // screen, grown to cover a larger picture so every pixel of the picture stays writable.
    // The picture's size stays.
    void freshScreenGrid();

    Revision undo() { return revise(&History::undo); }
    Revision redo() { return revise(&History::redo); }

    // Work that Exit, New, Open, a recent file and a drop must not lose: unsaved drawing
    // (Open disabled), or edited texts of a picture that can be saved.
    bool hasUnsavedWork() const { return m_state.facts.hasUnsavedDrawing() || textsGuard(); }
    // The File-menu items as shown: edited texts guard New and Open as unsaved drawing does.
    FileMenuState::Items shownMenus() const;
    // The undo position is the one the file holds (just read or written).
    bool atSavedStep() const { return m_state.saved && m_state.saved->position == m_history.position(); }

private:
    struct SavedStep
    {
        uint64_t position = 0;
        FileMenuState facts; // as the file was read or written
    };
    // Everything of the picture but its grid and size: what a step that replaces the whole
    // picture state keeps for its undo and redo.
    struct PictureState
    {
        CalcTexts texts;
        CalcTexts savedTexts; // as last read, written or reset
        std::shared_ptr<const DocumentPlace> place;
        FileMenuState facts; // knownFile is not used: the place says it
        std::optional<SavedStep> saved;
    };
    struct StateStep
    {
        PictureState before, after;
    };

    bool textsGuard() const { return textsEdited() && m_state.facts.pictureShown; }
    // The file holds the picture as it is now: an undo or redo back to this step gives the
    // File menu as it is now again. A change under way becomes a step first.
    void markSaved();
    // The blanking itself; `evenIfBlank`: a step of the history also when the picture is
    // white already (the step then carries the picture state).
    void blankGrid(int width, int height, Blanking blanking, int levels, bool evenIfBlank);
    // transform(), telling the views `ifResized` when the size changes.
    void replaceGrid(PixelGrid grid, int width, int height, int levels, PictureChange::Kind ifResized);
    // Records that the step just made took the picture state from `before` to the state now.
    void recordState(PictureState before);
    // The state a blanking leaves: a new picture's texts, no file.
    void blankState(void (FileMenuState::*event)());
    Revision revise(Revision (History::*step)(PixelGrid &, PictureSize &));
    void announce(const PictureChange &change) const;
    // Sets a pixel inside the grid as part of the change under way, telling no one.
    void record(int x, int y, int value)
    {
        m_history.record(x, y, Pixels.at(x, y), value);
        Pixels.put(x, y, uint8_t(value));
    }
    // A value for a cell: 0 or 1, or a level 0 to 3 in a grey picture.
    int cellValue(int value) const { return isGrey() ? value & 3 : (value ? 1 : 0); }
    void takeSize(const PictureSize &size)
    {
        PicWidth = size.width;
        PicHeight = size.height;
        m_levels = size.levels;
    }
    // Sets each cell of `area` (within the picture) to value(x, y), or leaves it where that is
    // negative, telling no one: a step of the history once committed (none is under way).
    template<class Value>
    void setCells(const PixelRect &area, Value value);
    // Ends a command that changed the pixels inside `area`, telling the views once.
    void commitArea(const PixelRect &area);

    PixelGrid Pixels{kScreenWidth, kScreenHeight};
    int PicWidth = kScreenWidth;
    int PicHeight = kScreenHeight;
    int m_levels = 2;
    History m_history; // of the picture's grid and size, since start-up or the last file read
    PictureState m_state;
    std::map<uint64_t, StateStep> m_stateSteps; // by the position of the step
    struct Watchers
    {
        std::vector<std::pair<int, Watcher>> list;
        int lastId = 0;
    };
    std::shared_ptr<Watchers> m_watchers = std::make_shared<Watchers>();
};

class PictureDocument::Watch
{
public:
    Watch() = default;
    Watch(std::weak_ptr<Watchers> watchers, int id) : m_watchers(std::move(watchers)), m_id(id) {}
    Watch(Watch &&other) noexcept : m_watchers(std::move(other.m_watchers)), m_id(other.m_id) {}
    Watch &operator=(Watch &&other) noexcept
    {
        stop();
        m_watchers = std::move(other.m_watchers);
        m_id = other.m_id;
        return *this;
    }
    ~Watch() { stop(); }

private:
    void stop()
    {
        if (const std::shared_ptr<Watchers> watchers = m_watchers.lock())
            std::erase_if(watchers->list, [this](const auto &entry) { return entry.first == m_id; });
        m_watchers.reset();
    }
    std::weak_ptr<Watchers> m_watchers;
    int m_id = 0;
};
