#pragma once

#include "Measure.h"

struct Installation;

// The window rows of the benchmarks, on the installation that the
// installation check found; run under the offscreen platform.
namespace WindowRows {

// Filling the result list with its most rows (65,535 of a catalogue that
// lists every model) and selecting row 0 with its detail, until the list
// is drawn. The list model and view are set up as the main window's.
Measurement FillResultList(const MeasurePolicy& policy, const Installation& installation);

// The program's start as its main function runs it, until the event loop
// is ready for input; then the program ends. Returns the exit status.
int StartWindow();

} // namespace WindowRows
