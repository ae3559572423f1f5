#pragma once

#include "ToolSupport.h"

// --print-pdf OUT.pdf IN.89i: the File > Print page of the picture in IN, as a Letter-size
// PDF, placed by --top, --left and --width (inches) and with the text lines that
// --fileinfo and --comment ask for. Needs a QGuiApplication. The PDF is written only when
// the whole page was drawn.
int printPdf(Context &context);
