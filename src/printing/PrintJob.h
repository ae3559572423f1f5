#pragma once

#include "printing/PageSetup.h"
#include "printing/PrintInput.h"

class PrintDialog;
class PrinterPage;

// The File > Print command: asks for a printer, then prints the picture on one page.
// Ends silently on cancel and on any failure; true only when the page was sent.
bool runPrintJob(const PrintInput &input, const PageSetup &setup, PrintDialog &dialog);

// Draws the picture onto page (squares, frame, the chosen text lines) and ends the
// document. On a failure it stops at once without ending the document, so the page must
// then be thrown away unprinted.
bool printPicture(PrinterPage &page, const PrintInput &input, const PageSetup &setup);
