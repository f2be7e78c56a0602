#pragma once
// A session on the conditions form with the engine's result files written by the exchange writers:
// "B2F.dat" and "B_SPCTL.dat" come from Form2's own "Ｘ線スペクトル", "Beam_Axis.dat" from the
// model's beam-axis spectrum, "Result.dat" from a function of (block, column, row).
#include <QtTest>
#include <functional>
#include <memory>

#include "beam_axis_summary.h"
#include "field_result.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "gui_test_support.h"

namespace orvane::test {

constexpr int kEnergyFluenceBlock = 1;
constexpr int kAirKermaBlock = 2;
constexpr int kHvlBlock = 3;

using CellValue = std::function<float(int block, int column, int row)>;

inline void WriteResultFile(const CellValue& value) {
  auto result = std::make_unique<FieldResult>();
  for (int block = 0; block < field_result_format::kBlocks; ++block) {
    result->reference[block] = 1000.0f * (block + 1);
    for (int column = 1; column <= kGridX; ++column)
      for (int row = 1; row <= kGridY; ++row) result->grid[block][column][row] = value(block, column, row);
  }
  WriteFieldResult(kFieldResultFile, *result);
}

// The model's spectrum in `module` relative to its peak, as the engine passes it through.
inline void WriteBeamAxisFromModel(const Module1& module, float axisHvlCm, float peakFactor = 1) {
  BinArray<float> relative{};
  for (int bin = 1; bin <= kBins; ++bin)
    relative[bin] = static_cast<float>(module.PhotonSpectrum[bin] / module.SpectrumPeak);
  WriteBeamAxisSummary(kBeamAxisSummaryFile, relative, static_cast<float>(module.SpectrumPeak) * peakFactor,
                       axisHvlCm);
}

struct ResultSession {
  ResultSession() {
    program.forms.Title().ShowForm();
    program.forms.Title().Command1->click();
    form2 = program.forms.ConditionsIfCreated();
    if (form2) form2->Command1->click();  // default conditions: "B_SPCTL.dat", "B2F.dat"
  }
  // Beam_Axis.dat (HVL 2.5 mm) and Result.dat, then "計算結果の表示".
  Form1& Load(const CellValue& value, float peakFactor = 1) {
    WriteBeamAxisFromModel(*program.module, 0.25f, peakFactor);
    WriteResultFile(value);
    form2->Command4->click();
    return program.forms.Distribution();
  }
  Form1& Draw(QRadioButton* Form1::*option) {
    Form1& form1 = program.forms.Distribution();
    (form1.*option)->click();
    form1.Command1->click();
    return form1;
  }
  Module1& module() { return *program.module; }

  WorkingFolder folder;
  Program program;
  Form2* form2 = nullptr;
};

inline int CountColour(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
  return count;
}

}  // namespace orvane::test
