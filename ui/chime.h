// The built-in chime: the short sound the program ships, for a test of a slot with no file.
#pragma once

#include <QString>

namespace hx::ui {

inline constexpr const char* kChimeFileName = "chime.wav";

// The chime's path: chime.wav in the program directory where one lies there, else the copy
// installed beside the program (share/heliodex next to its bin/, as the package and the build
// tree lay it out); empty when neither exists.
QString BuiltInChime();

}  // namespace hx::ui
