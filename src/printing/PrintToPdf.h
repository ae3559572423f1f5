#pragma once

#include "platform/FileStore.h"
#include "platform/PdfPage.h"
#include "printing/PageSetup.h"
#include "printing/PrintInput.h"

#include <QString>

// Prints the picture exactly as File > Print does, without a dialog, onto a fresh PDF page,
// and writes the document to pdfPath through files. The file is written only when the whole
// page was drawn; on any failure no file is written (an old one is left as it was): NoPage
// when there is no page (no QGuiApplication, which the fonts need, or the job drew none), else
// the writer's failure.
Done printToPdf(PdfPage &page, FileStore &files, const QString &pdfPath, const PrintInput &input,
                const PageSetup &setup);
