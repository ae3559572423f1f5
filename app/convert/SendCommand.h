#pragma once

#include "ToolSupport.h"

// --send FILE.89i: checks that the file is a calculator picture, then hands it to TiLP for
// the calculator of its kind (`tilp --calc=ti89 --no-gui FILE`). kExitOk only when TiLP
// ended with status 0 and reported no error; kExitRefused, naming the file, otherwise and
// when TiLP is missing.
int sendPicture(Context &context);
