#pragma once

// Where and how the picture goes on the printed page. Kept for the run only.
struct PageSetup
{
    double top = 1;   // inches from the top of the printable area to the first pixel row
    double left = 1;  // inches from the left of the printable area to the first pixel column
    double width = 4; // inches from the first pixel column's left edge to the last one's
    bool fileInfo = false; // print the "File: ... Folder: ... Var: ..." line
    bool comment = false;  // print the comment line

    // The start-up values: 1 inch margins, width = canvas width in picture pixels / 40.
    static PageSetup initial(int canvasScaleWidth)
    {
        PageSetup setup;
        setup.width = canvasScaleWidth / 40.0;
        return setup;
    }
};
