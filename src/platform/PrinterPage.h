#pragma once

#include <QColor>
#include <QString>

// One printed page, addressed in twips (1440 to the inch) from the top-left corner of the
// printer's drawing area, x to the right and y downward.
//
// The document begins with the first output; EndDocument() finishes it and hands it to
// the printer. A page destroyed before EndDocument() discards whatever was drawn, so a job
// that fails half-way prints nothing. Every operation returns false when the printer has
// failed; the caller then stops drawing.
class PrinterPage
{
public:
    virtual ~PrinterPage() = default;

    // A rectangle with corners (x1, y1) and (x2, y2): an outline in the current pen width
    // with the interior untouched, or, when filled, outline and interior in the colour.
    [[nodiscard]] virtual bool DrawBox(double x1, double y1, double x2, double y2,
                                       const QColor &colour, bool filled) = 0;
    // A row of count filled boxes, side x side, the first with its top-left corner at
    // (x, y) and each next one pitch further right: the same ink as count calls of
    // DrawBox(filled) in the current pen width, drawn as one operation (a dashed stroke),
    // so a long run of black pixels costs the printer as little as one pixel.
    [[nodiscard]] virtual bool DrawSquareRow(double x, double y, int count, double side, double pitch,
                                             const QColor &colour) = 0;
    // The width, in printer dots, of lines drawn from now on.
    [[nodiscard]] virtual bool SetPenWidth(int dots) = 0;
    // Where the next text starts (its top-left corner).
    [[nodiscard]] virtual bool SetTextPos(double x, double y) = 0;
    // Moves the text position along its line, keeping its y.
    [[nodiscard]] virtual bool SetTextX(double x) = 0;
    [[nodiscard]] virtual bool SetFont(const QString &face, double points) = 0;
    // Prints the text at the text position. Without end of line the position moves to just
    // behind the text; with it, to the left edge of the drawing area one line lower.
    [[nodiscard]] virtual bool PrintText(const QString &text, bool endOfLine) = 0;
    // Finishes the document and sends it to the printer.
    [[nodiscard]] virtual bool EndDocument() = 0;
};
