// "描 画": the chosen grid as a false-colour image of the whole field (Picture2) and its profile
// along the X axis (Picture1). One drawing unit is 0.05 cm: a cell is 4 x 4 units (2 mm), the 151
// columns span x = 0..600 with the beam centre at 300, the 76 rows are mirrored across the X axis.
#include <cmath>

#include "form1.h"
#include "form_registry.h"
#include "layout_font.h"

namespace orvane {

using namespace toolkit;

namespace {

const QColor kGrey(128, 128, 128);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

// Relative value v to (255, c, c): white at 0.7 and below, (255, 102, 102) at 1.0, pure red at 1.2
// and above; every 0.1 moves green and blue by 51. Halves round to even (0.75 gives 230).
QColor ScaleColour(double value) {
  double c = 612.0 - 510.0 * value;
  if (!(c >= 0)) c = 0;  // also a value that is not a number
  if (c > 255) c = 255;
  const int level = static_cast<int>(std::nearbyint(c));  // default rounding: halves to even
  return QColor(255, level, level);
}

struct Quantity {
  const char* readoutCaption;  // Label3, names Text3
  const char* profileTitle;    // Label4
};
constexpr Quantity kQuantities[4] = {
    {"", ""},
    {"Energy Fluence =", "Profile of Relative Energy Fluence on X-axis"},
    {"Air Kerma =", "Profile of Relative Air Kerma on X-axis"},
    {"HVL Al (mm) =", "Profile of Relative H.V.L. on X-axis"},
};

}  // namespace

void Form1::Command1Click() {
  Module1& module = registry_.module;
  ShownQuantity = Option1->isChecked() ? 1 : Option2->isChecked() ? 2 : 3;
  Label3->SetCaption(QString::fromLatin1(kQuantities[ShownQuantity].readoutCaption));
  Label4->SetCaption(QString::fromLatin1(kQuantities[ShownQuantity].profileTitle));
  // The longer captions grow toward free space: Label3 ends just left of the value it names,
  // Label4 stays centred under the profile, clear of the buttons at the right.
  Label3->move(TextBox[3]->x() - 3 - Label3->width(), Label3->y());
  Label4->move(Picture1->geometry().center().x() - Label4->width() / 2, Label4->y());
  Picture1->Clear();
  Picture2->Clear();
  const FieldGridOf<double>& chosen = ShownQuantity == 1   ? module.EnergyFluenceGrid
                                      : ShownQuantity == 2 ? module.AirKermaGrid
                                                           : module.HvlGrid;
  for (int row = 1; row <= kGridY; ++row)
    for (int column = 1; column <= kGridX; ++column) module.DisplayGrid[column][row] = chosen[column][row];
  DrawImage();
  DrawProfile();
  module.DistributionShown = 1;
}

void Form1::DrawImage() {
  const FieldGridOf<double>& grid = registry_.module.DisplayGrid;
  for (int row = 1; row <= kGridY; ++row) {
    for (int column = 1; column <= kGridX; ++column) {
      const QColor colour = ScaleColour(grid[column][row]);
      const double left = 4.0 * column - 6;
      const double right = 4.0 * column - 2;
      const double outer = 4.0 * row;
      Picture2->FilledBox({left, outer - 4}, {right, outer}, colour);
      Picture2->FilledBox({left, -(outer - 4)}, {right, -outer}, colour);
    }
  }
  Picture2->FilledBox({298, -2}, {302, 2}, kYellow);  // the beam centre
}

// Profile of row 1 (the X axis): 100 units are the relative value 1.0; nothing is clipped.
void Form1::DrawProfile() {
  Picture1->SetPenWidth(1);
  for (int x = 20; x <= 580; x += 20) Picture1->Line({double(x), 0}, {double(x), 120}, kGrey);
  for (int y = 10; y <= 110; y += 10) Picture1->Line({0, double(y)}, {600, double(y)}, kGrey);
  Picture1->SetPenWidth(2);
  Picture1->Line({300, 0}, {300, 120});
  Picture1->Line({0, 100}, {600, 100});
  Picture1->Box({0, 0}, {600, 120});
  Picture1->Text({90, -1}, QStringLiteral("10"));
  Picture1->Text({295, -1}, QStringLiteral("0"));
  Picture1->Text({490, -1}, QStringLiteral("10 cm"));

  const FieldGridOf<double>& grid = registry_.module.DisplayGrid;
  Picture1->Point({0, 100.0 * grid[1][1]}, kRed);
  for (int column = 1; column <= kGridX; ++column)
    Picture1->LineOnward({4.0 * column - 4, 100.0 * grid[column][1]}, kRed);
  Picture1->Line({300, 0}, {300, 120});  // the centre line over the curve
}

}  // namespace orvane
