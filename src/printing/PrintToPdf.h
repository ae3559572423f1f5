#pragma once

#include "platform/FileStore.h"
#include "platform/PdfPage.h"
#include "printing/PageSetup.h"
#include "printing/PrintInput.h"

#include <QString>

// Prints the picture exactly as File > Print does, without a dialog, onto a fresh PDF page,
// and writes the document to pdfPath through files. The file is written only when the whole
// page was drawn; false (and no file, an old one left as it was) on any failure, with the
// reason in failure when the file could not be written. Needs a QGuiApplication.
bool printToPdf(PdfPage &page, FileStore &files, const QString &pdfPath, const PrintInput &input,
                const PageSetup &setup, QString *failure = nullptr);
