#pragma once

#include "ToolSupport.h"

// --send FILE.89i: checks that the file is a calculator picture, then hands it to TiLP
// (`tilp --no-gui FILE`) and gives TiLP's exit status; kExitRefused when TiLP is missing.
int sendPicture(Context &context);
