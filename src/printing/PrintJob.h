#pragma once

#include "printing/PageSetup.h"
#include "printing/PrintInput.h"

#include <QRectF>

class PrintDialog;
class PrinterPage;

// The File > Print command: asks for a printer, then prints the picture on one page.
// Ends silently on cancel and on any failure; true only when the page was sent.
bool runPrintJob(const PrintInput &input, const PageSetup &setup, PrintDialog &dialog);

// Draws the picture onto page (squares, frame, the chosen text lines) and ends the
// document. On a failure it stops at once without ending the document, so the page must
// then be thrown away unprinted.
bool printPicture(PrinterPage &page, const PrintInput &input, const PageSetup &setup);

// Where the picture's pixels start on the page, in inches from the top-left of the drawing
// area: from the first pixel's top-left corner to the last one's (the last square, the
// frame and the text lines reach further). Empty for a picture under 2 columns, which has
// no pitch.
QRectF pixelCornersInches(int width, int height, const PageSetup &setup);
