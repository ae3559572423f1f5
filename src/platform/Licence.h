#pragma once

// The program's licence, as --version states it after the name and version (dotlark and
// dotlark-convert alike).
namespace Licence {
inline constexpr const char *notice =
    "Copyright 2026 the DOTLARK developers.\n"
    "License GPL-2.0-or-later: GNU General Public License, version 2 or (at your option)\n"
    "any later version <https://www.gnu.org/licenses/old-licenses/gpl-2.0.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";
} // namespace Licence
