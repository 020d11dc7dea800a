// The start-up mode of the benchmark program: a fresh process that opens the main window.
#pragma once

#include <QElapsedTimer>
#include <QString>

namespace hx::bench {

inline constexpr const char* kStartupChildOption = "--startup-child";

// Opens the window with the program directory given, then prints the milliseconds since
// sinceMain started and the resident memory in kB, or "failed"; returns the exit status.
int RunStartupChild(const QString& programDir, const QElapsedTimer& sinceMain);

}  // namespace hx::bench
