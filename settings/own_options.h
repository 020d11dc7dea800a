// The program's own options that heliodex.ini has no key for (its keys are kept as earlier
// versions wrote them): the 24-hour clock, in heliodexoptions.txt.
#pragma once

#include "settings/keyed_lines.h"

namespace hx {

struct OwnOptions {
    bool clock24 = false;     // times shown on the 24-hour clock; false: the locale's clock
    files::KeyedLines lines;  // the file as read, so lines of other versions are written back
    bool operator==(const OwnOptions& o) const { return clock24 == o.clock24; }
};

// Reads heliodexoptions.txt from the program directory; a missing or unreadable file or a bad
// value gives the defaults. Never raises.
OwnOptions LoadOwnOptions();
// Writes heliodexoptions.txt. Raises hx::Error on failure; a file found but not read is kept.
void SaveOwnOptions(const OwnOptions& options);

}  // namespace hx
