#pragma once

#include "document/PixelGrid.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// One pixel that a change set: where (picture pixels) and what it held before and after
// (0 white, 1 black; a grey picture's levels 0 to 3).
struct PixelChange
{
    int x = 0;
    int y = 0;
    uint8_t before = 0;
    uint8_t after = 0;
};

// A picture's size in pixels, and how many levels its pixels have: 2 (black and white) or
// 4 (grey, two planes).
struct PictureSize
{
    int width = 0;
    int height = 0;
    int levels = 2;
    bool operator==(const PictureSize &) const = default;
};

// What an undo or a redo did to the picture, for the canvas to show.
struct Revision
{
    enum class Kind { Nothing, Pixels, WholePicture } kind = Kind::Nothing;
    // Kind::Pixels: the rectangle that holds every pixel that changed, and the pixels one by
    // one when the step kept them so (a step that kept an area's cells has none here); the
    // grid holds their new values.
    PixelRect area;
    std::span<const PixelChange> pixels;
    // The step replaced the whole picture state (ClrDraw, New, a picture from elsewhere):
    // the texts, the file and the File menu came back with it (PictureDocument).
    bool stateChanged = false;
    // The step was a blanking (ClrDraw, New): a picture made afresh, or the one before it.
    bool blanking = false;
};

// The undo and redo history of one picture, for one session of the editor: every change is
// one step. A stroke, a shape or an import is recorded pixel by pixel while it happens and
// becomes a step at commit(); a blanking (ClrDraw, New) keeps the grid it replaced and the
// sizes once; a change of most of a rectangle (a large selection landing) keeps the
// rectangle's cells as they were. Steps cost what they changed, never a copy per step of an unchanged canvas,
// so the depth is limited by memory only.
class History
{
public:
    // A pixel of the change under way went from `before` to `after` (same values: ignored).
    // The first pixel of a new change drops whatever could be redone.
    void record(int x, int y, int before, int after);
    // Ends the change under way; true when it changed anything and is now a step.
    bool commit();
    // The grid `replaced`, of a picture of size `was`, gives way to a white grid of size
    // `newGrid` (the picture's new size is the caller's).
    void recordBlank(PixelGrid replaced, PictureSize was, PictureSize newGrid);
    // The grid `replaced`, of a picture of size `was`, gives way to another grid (a flip, a
    // rotation, a crop, a new canvas size): the step keeps whichever of the two is not in
    // the picture.
    void recordReplacement(PixelGrid replaced, PictureSize was);
    // The cells of `area` changed, most of them, and `replaced` (of the area's size) holds
    // what they were: the step keeps whichever of the two is not in the picture, which costs
    // less than the pixels one by one.
    void recordArea(const PixelRect &area, PixelGrid replaced);

    // Undoes or redoes one step on the picture (grid and size); nothing when there is none.
    // A change under way is committed first.
    Revision undo(PixelGrid &pixels, PictureSize &size);
    Revision redo(PixelGrid &pixels, PictureSize &size);

    bool canUndo() const { return !m_done.empty() || !m_open.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    // A new picture from a file: nothing to undo or redo.
    void clear();

    // Names the picture the done steps make (the change under way not counted): equal
    // positions, equal pictures. A step dropped from the redo line never comes back, so a
    // new change at the same depth has a position of its own.
    uint64_t position() const { return m_done.empty() ? m_start : m_done.back().id; }

    // Heap memory the steps hold, in bytes.
    std::size_t bytes() const;

private:
    struct Step
    {
        std::vector<PixelChange> pixels; // a change of single pixels
        bool replacement = false;        // else a grid swapped for another (below)
        bool inArea = false;             // else the cells of `area` swapped for `grid`'s
        bool blank = false;              // else a blanking:
        PixelGrid grid;                  // the grid that is not in the picture now (while done: the replaced one)
        PixelRect area;                  // where an area's cells are
        PictureSize otherSize;           // the picture size that is not in the picture now
        PictureSize blankGrid;           // the size of the white grid the blanking made
        uint64_t id = 0;                 // unique in the history: see position()
    };
    // A new step that keeps the grid `replaced` of a picture of size `was`.
    Step &pushGridStep(PixelGrid replaced, PictureSize was);
    Revision apply(Step &step, bool undo, PixelGrid &pixels, PictureSize &size);
    Revision pass(std::vector<Step> &from, std::vector<Step> &to, bool undo, PixelGrid &pixels, PictureSize &size);

    std::vector<PixelChange> m_open; // the change under way
    std::vector<Step> m_done;
    std::vector<Step> m_undone;
    uint64_t m_lastId = 0; // of the newest step, or of the start
    uint64_t m_start = 0;  // the position with nothing done
};
