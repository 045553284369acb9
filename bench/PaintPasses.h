// Painting inside the measured region: a change asks Qt for a repaint and Qt paints in
// a later pass of the event loop, sometimes only after another posted event (a layout
// request) asked for more. Every figure of the benchmarks runs the loop until a pass
// paints nothing, and counts the paint events on the way so that a figure without any
// paint in it shows as such.
#pragma once

#include <benchmark/benchmark.h>

namespace bench {

// Watches the whole application; call once, after the QApplication exists.
void CountPaints();

// Runs the event loop until a pass of it paints nothing more.
void PaintPending();

// Paint events seen since the last reset.
int Paints();
void ResetPaints();

// The paint events of the run as a counter per iteration, next to the times.
void ReportPaints(benchmark::State &state);

} // namespace bench
