#include "beam_axis_graph.h"

#include "layout_font.h"

namespace orvane {

namespace {

const QColor kGrid(128, 128, 128);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

constexpr double kRightKeV = 150;  // right edge of the plot area
constexpr double kTopLevel = 120;  // 1.2 times the beam-axis peak
constexpr double kPeakLevel = 100;

void DrawFrame(toolkit::DrawingSurface& picture3) { picture3.Box({0, 0}, {kRightKeV, kTopLevel}); }

void DrawGridAndTexts(toolkit::DrawingSurface& picture3) {
  picture3.SetPenWidth(1);
  for (int x = 10; x <= 140; x += 10) picture3.Line({double(x), 0}, {double(x), kTopLevel}, kGrid);
  for (int y = 10; y <= 110; y += 10) picture3.Line({0, double(y)}, {kRightKeV, double(y)}, kGrid);
  picture3.SetPenWidth(2);
  picture3.Line({0, kPeakLevel}, {kRightKeV, kPeakLevel});

  struct AxisText {
    const char* text;
    double x;
    double y;
  };
  static const AxisText kTexts[] = {
      {"1.0", -10, 103}, {"0", -6, 4},    {"Relative", -20, 90}, {"Fluence", -20, 80}, {"0", -2, -2},
      {"50", 47, -2},    {"100", 95, -2}, {"150", 143, -2},      {"keV", 120, -2},
  };
  for (const AxisText& t : kTexts) picture3.Text({t.x, t.y}, QString::fromLatin1(t.text));
}

}  // namespace

void StoreBeamAxisSummary(Module1& module, const BeamAxisSummary& summary) {
  for (int bin = 1; bin <= kBins; ++bin) module.PhotonSpectrum[bin] = summary.relative[bin];
  module.AxisSpectrumPeak = summary.peak;
  module.AxisHvl = summary.axisHvlMm;
}

void DrawBeamAxisSpectrum(toolkit::DrawingSurface& picture3, const Module1& module) {
  DrawGridAndTexts(picture3);
  picture3.Point({0, 0}, kRed);
  for (int bin = 1; bin <= kBins; ++bin)
    picture3.LineOnward({BinEnergyKeV(bin), 100.0 * module.PhotonSpectrum[bin]}, kRed);
  DrawFrame(picture3);
  picture3.SetForeColor(kRed);
  picture3.Text({105, 90}, QStringLiteral("at beam center"));
  picture3.SetForeColor(toolkit::kTextColor);
}

void PlotBeamAxisSpectrum(toolkit::DrawingSurface& picture3, Module1& module) {
  const BeamAxisSummary summary = ReadBeamAxisSummary(kBeamAxisSummaryFile);
  StoreBeamAxisSummary(module, summary);
  DrawBeamAxisSpectrum(picture3, module);
}

void DrawPointSpectrumCurve(toolkit::DrawingSurface& picture3, const Module1& module) {
  picture3.SetPenWidth(2);
  picture3.Point({0, 0}, kBlue);
  for (int bin = 1; bin <= kBins; ++bin) {
    const double shape = module.PhotonSpectrum[bin] / module.SpectrumPeak;
    const double height = module.SpectrumPeak / module.AxisSpectrumPeak;
    picture3.LineOnward({BinEnergyKeV(bin), 100.0 * shape * height}, kBlue);
  }
  DrawFrame(picture3);
}

}  // namespace orvane
