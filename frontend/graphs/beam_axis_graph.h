#pragma once
// The spectrum graph of Form1.Picture3 (user frame x -20..152, y 123 at the top down to -10).
// x is the photon energy in keV (plot area 0..150), y is 100 times the fluence relative to the
// beam-axis peak (plot area 0..120, the peak at 100). Nothing here clears the surface.
#include "beam_axis_summary.h"
#include "drawing_surface.h"
#include "module1.h"

namespace orvane {

// The engine's beam-axis spectrum into the shared data: PhotonSpectrum 1..300 (bin 0 untouched),
// AxisSpectrumPeak and AxisHvl (mm Al).
void StoreBeamAxisSummary(Module1& module, const BeamAxisSummary& summary);

// Grid, peak level line and texts, the red curve of PhotonSpectrum from the origin, the frame and
// the red "at beam center". Leaves the pen width at 2 and the foreground at the text colour.
void DrawBeamAxisSpectrum(toolkit::DrawingSurface& picture3, const Module1& module);

// Reads "Beam_Axis.dat" from the working folder, stores it and draws the graph. A missing, short or
// damaged file throws FileError before the data or the surface are touched.
void PlotBeamAxisSpectrum(toolkit::DrawingSurface& picture3, Module1& module);

// The spectrum of a clicked field point in blue, relative to the beam-axis peak:
// 100 * PhotonSpectrum(e) / AxisSpectrumPeak, from the origin, then the frame again.
// The caller makes sure SpectrumPeak and AxisSpectrumPeak are not zero.
void DrawPointSpectrumCurve(toolkit::DrawingSurface& picture3, const Module1& module);

}  // namespace orvane
