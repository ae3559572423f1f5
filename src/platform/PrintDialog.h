#pragma once

#include "platform/PrinterPage.h"

#include <memory>

// The standard Print dialog: no selection, no page range, no print to file.
class PrintDialog
{
public:
    virtual ~PrintDialog() = default;
    // A page on the printer the user chose, or nothing when the user cancels.
    virtual std::unique_ptr<PrinterPage> choosePrinter() = 0;
};
