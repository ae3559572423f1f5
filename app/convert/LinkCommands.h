#pragma once

#include "CommandLine.h"
#include "ToolSupport.h"

// The transfers with a calculator, each one run of the link helper (dotlark-link) with the
// cable, port and calculator of --cable, --port and --calc:
//   --send FILE [--var FOLDER\NAME]   the picture file, under its own name or FOLDER\NAME
//   --send GROUP                      every picture of the group file, in one session
//   --list                            one line per variable: folder\name, type, size
//   --receive FOLDER\NAME OUT         the picture variable, written as OUT (a calculator
//                                     picture of OUT's ending, or PNG, BMP, PBM)
//   --capture OUT [--full]            the screen as a picture: the part a TI-89 shows (160 x
//                                     100), or with --full the whole LCD (240 x 128)
// kExitOk when done; kExitRefused with the link's words; kExitUsage for an option out of range.
int sendToCalculator(Context &context);
int sendGroupToCalculator(Context &context);
int listCalculator(Context &context);
int receiveFromCalculator(Context &context);
int captureCalculatorScreen(Context &context);

// --cable, --port and --calc, for the help text.
OptionTable linkOptions(OptionTable more);
