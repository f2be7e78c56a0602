#include "form2_spectrum_graph.h"

namespace orvane {

namespace {

const QColor kGrid(128, 128, 128);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);  // colour 12 of the classic palette

constexpr double kLeft = 1000;       // 0 keV
constexpr double kRight = 5500;      // 150 keV
constexpr double kTop = 100;         // relative fluence 1.0
constexpr double kBaseline = 2100;   // relative fluence 0
constexpr double kUnitsPerBin = 15;  // 0.5 keV at 30 units per keV

void DrawFrame(toolkit::DrawingSurface& picture3) {
  picture3.SetPenWidth(2);
  picture3.Box({kLeft, kTop}, {kRight, kBaseline}, kBlack);
}

}  // namespace

void DrawSpectrumAxes(toolkit::DrawingSurface& picture3) {
  picture3.SetPenWidth(1);
  for (int x = 1300; x <= 5200; x += 300) picture3.Line({double(x), kTop}, {double(x), kBaseline}, kGrid);
  for (int y = 300; y <= 1900; y += 200) picture3.Line({kLeft, double(y)}, {kRight, double(y)}, kGrid);

  struct AxisText {
    const char* text;
    double x;
    double y;
  };
  static const AxisText kTexts[] = {
      {"0", 950, 2120},
      {"50", 2450, 2120},
      {"100", 3900, 2120},
      {"150", 5400, 2120},
      {"Photon energy in keV", 3750, 2250},
      {"Relative", 200, 500},
      {"Photon", 210, 650},
      {"Fluence", 200, 800},
  };
  for (const AxisText& t : kTexts) picture3.Text({t.x, t.y}, QString::fromLatin1(t.text));
  DrawFrame(picture3);
}

void DrawModelSpectrumCurve(toolkit::DrawingSurface& picture3, const Module1& module) {
  picture3.SetPenWidth(2);
  picture3.Point({kLeft, kBaseline}, kBlack);
  for (int bin = 2; bin <= kBins; ++bin) {
    const double y = kBaseline - 2000.0 * module.PhotonSpectrum[bin] / module.SpectrumPeak;
    picture3.LineOnward({kLeft + kUnitsPerBin * (bin - 1) + 7.5, y}, kRed);
    picture3.LineOnward({kLeft + kUnitsPerBin * bin + 7.5, y}, kRed);
  }
  DrawFrame(picture3);
}

}  // namespace orvane
