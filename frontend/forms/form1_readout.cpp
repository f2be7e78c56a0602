// The pointer as a probe once a distribution is drawn: position (mm from the beam centre) and value
// under the pointer with the three cursor lines, and on a press the spectrum of that field point in
// blue beside the red beam-axis spectrum. Pointer positions arrive in the surfaces' user units.
#include <QDir>
#include <cmath>
#include <cstdlib>
#include <exception>

#include "beam_axis_graph.h"
#include "form1.h"
#include "form2.h"
#include "form_registry.h"
#include "message.h"
#include "number_text.h"

namespace orvane {

using namespace toolkit;

namespace {

constexpr float kImageRight = 600;  // column 151
constexpr float kImageHalf = 300;   // rows 1..76 on either side of the X axis
constexpr float kProfileTop = 120;  // 1.2 times the beam-axis value
constexpr double kUnitCm = 0.05;    // one drawing unit

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Millimetres from the beam centre along the X axis, whole and signed (single precision).
QString XText(float x) { return Text(FormatPattern(x / 2.0f - 150.0f, "###0")); }

int ColumnAt(float x) { return static_cast<int>(std::floor(x / 4.0f)) + 1; }

// The lower half reads the row drawn under the pointer; the upper half one row lower than drawn.
int RowAt(float y) {
  const int row = std::abs(static_cast<int>(std::floor(y / 4.0f)) + 1);
  return row == 0 ? 1 : row;
}

}  // namespace

void Form1::ShowReadout(float x, float lineHeight, float y, int column, int row) {
  const Module1& module = registry_.module;
  Line17->SetVisible(true);
  Line18->SetVisible(true);
  Line19->SetVisible(true);
  Line17->SetEnds({-6, lineHeight}, {610, lineHeight});
  Line18->SetEnds({x, -306}, {x, 302});
  Line19->SetEnds({x, 120}, {x, 0});
  TextBox[1]->setText(XText(x));
  TextBox[2]->setText(Text(FormatPattern(std::fabs(y / 2.0f), "###0")));
  const double value = module.DisplayGrid[column][row];
  if (ShownQuantity == 1 || ShownQuantity == 2)
    TextBox[3]->setText(Text(FormatPattern(100.0 * value, "##0.0")));  // per cent
  else
    TextBox[3]->setText(Text(FormatPattern(value * module.AxisHvl, "##0.000")));  // mm Al
}

void Form1::HideReadout() {
  Line17->SetVisible(false);
  Line18->SetVisible(false);
  Line19->SetVisible(false);
  for (int box = 1; box <= 3; ++box) TextBox[box]->setText(QString());
}

void Form1::ProfileMouseMove(float x, float y) {
  if (registry_.module.DistributionShown != 1) return;
  if (x >= 0 && x <= kImageRight && y >= 0 && y <= kProfileTop)
    ShowReadout(x, 0, 0, ColumnAt(x), 1);  // the profile is the X axis: Y = 0, row 1
  else
    HideReadout();
}

void Form1::ImageMouseMove(float x, float y) {
  if (registry_.module.DistributionShown != 1) return;
  if (x >= 0 && x <= kImageRight && y >= -kImageHalf && y <= kImageHalf)
    ShowReadout(x, y, y, ColumnAt(x), RowAt(y));
  else
    HideReadout();
}

void Form1::RefusePointSpectrum(const QString& why) {
  ShowError(this, QStringLiteral("No spectrum for this point:\n%1").arg(why));
}

// The spectrum at the pressed point with the conditions as they stand on Form2, added in blue;
// earlier curves stay until "Clear" or the next loading of results.
void Form1::ImageMouseDown(float x, float y) {
  Module1& module = registry_.module;
  if (module.DistributionShown != 1) return;
  if (x < 0 || x > kImageRight || y < -kImageHalf || y > kImageHalf) return;
  Form2* conditions = registry_.ConditionsIfCreated();
  if (!conditions) {
    RefusePointSpectrum(QStringLiteral("the conditions form is not open."));
    return;
  }
  if (!(module.AxisSpectrumPeak > 0) || !std::isfinite(module.AxisSpectrumPeak)) {
    RefusePointSpectrum(
        QStringLiteral("the peak of the beam-axis spectrum in \"%1\" is %2, so no curve can be "
                       "drawn relative to it. Run the calculation again.")
            .arg(QString::fromLatin1(kBeamAxisSummaryFile), Text(FormatShortest(module.AxisSpectrumPeak))));
    return;
  }
  // A refused point leaves the point and mode of the last spectrum computed.
  const double previousX = module.PointX, previousY = module.PointY;
  const int previousMode = module.SpectrumMode;
  module.PointX = (double(x) - 300) * kUnitCm;
  module.PointY = double(y) * kUnitCm;
  module.SpectrumMode = 2;
  try {
    SpectrumModel(module, *conditions);
  } catch (const std::exception& error) {
    module.PointX = previousX;
    module.PointY = previousY;
    module.SpectrumMode = previousMode;
    RefusePointSpectrum(QString::fromUtf8(error.what()));
    return;
  }
  if (!(module.SpectrumPeak > 0)) {
    RefusePointSpectrum(
        QStringLiteral("no photons reach this point with the conditions on the conditions form."));
    return;
  }
  const int column = static_cast<int>(std::floor(10 * module.PointX)) + 1;
  const int row = std::abs(static_cast<int>(std::floor(10 * module.PointY)) + 1);
  TextBox[4]->setText(Text(FormatPattern(column, "###0")));
  TextBox[5]->setText(Text(FormatPattern(row, "###0")));
  DrawPointSpectrumCurve(*Picture3, module);
}

// "Clear": the beam-axis spectrum alone, read again from its file. A file that cannot be read
// leaves the graph as it was.
void Form1::Command3Click() {
  Module1& module = registry_.module;
  BeamAxisSummary summary;
  try {
    summary = ReadBeamAxisSummary(kBeamAxisSummaryFile);
  } catch (const std::exception& error) {
    ShowError(this,
              QStringLiteral("The beam-axis spectrum could not be read again:\n%1\n\nThe graph was left as "
                             "it was. Run the calculation again in the working folder\n%2")
                  .arg(QString::fromUtf8(error.what()), QDir::currentPath()));
    return;
  }
  StoreBeamAxisSummary(module, summary);
  Picture3->Clear();
  DrawBeamAxisSpectrum(*Picture3, module);
  TextBox[4]->setText(QString());
  TextBox[5]->setText(QString());
}

}  // namespace orvane
