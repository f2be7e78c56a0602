#pragma once
// The beam-axis spectrum graph of Form2.Picture3 (user frame 0..6000 across, 0..2500 down).
// Plot area (1000, 100)-(5500, 2100): energy E keV at x = 1000 + 30*E, relative fluence r at
// y = 2100 - 2000*r. Both procedures only add to the surface; callers clear when they want.
#include "drawing_surface.h"
#include "module1.h"

namespace orvane {

// Grid every 10 keV and every 0.1, the axis texts and the black frame; leaves the pen width at 2.
void DrawSpectrumAxes(toolkit::DrawingSurface& picture3);

// The model's spectrum in `module` (PhotonSpectrum over SpectrumPeak) as a red step curve, one step
// 15 units wide per bin centred on its energy, then the frame again.
void DrawModelSpectrumCurve(toolkit::DrawingSurface& picture3, const Module1& module);

}  // namespace orvane
