#pragma once

#include "printing/PageSetup.h"
#include "printing/PrintInput.h"

#include <QSizeF>
#include <QString>

// Prints the picture exactly as File > Print does, without a dialog, onto one Letter page
// of a PDF file whose drawing area is the whole page. The file is written only when the
// whole page was drawn; false (and no file, an old one left as it was) on any failure, with
// the reason in failure when the file could not be written. Needs a QGuiApplication.
bool printToPdf(const QString &pdfPath, const PrintInput &input, const PageSetup &setup,
                QString *failure = nullptr);

// The PDF page in inches: Letter, 8.5 x 11, all of it drawing area.
QSizeF pdfPageInches();
