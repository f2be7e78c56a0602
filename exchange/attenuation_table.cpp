#include "attenuation_table.h"

#include "file_error.h"
#include "number_text.h"
#include "text_file.h"

namespace orvane {
namespace fmt = attenuation_format;

AttenuationTable ReadAttenuationTableFixed(const std::string& path) {
  const std::vector<std::string> lines = ReadLines(path);
  const std::string name = FileNameOf(path);
  if (lines.size() < kBins)
    throw FileError(
        name, static_cast<int>(lines.size()) + 1,
        "expected " + std::to_string(kBins) + " rows, the file ends after " + std::to_string(lines.size()));
  AttenuationTable table;
  BinArray<float>* columns[] = {&table.muTarget, &table.muAl, &table.muCu, &table.muEnAir};
  for (int i = 1; i <= kBins; ++i) {
    const std::string& line = lines[i - 1];
    // Columns 1-6, the energy: read as a number and ignored (row i is bin i by position alone).
    const std::string energy = line.substr(0, fmt::kEnergyWidth);
    if (!ParseNumberFloat(energy))
      throw FileError(name, i, "expected the energy (a number) in columns 1-6, found '" + energy + "'");
    for (int c = 0; c < 4; ++c) {
      const int first = fmt::kFirstCoefficientColumn + c * fmt::kCoefficientWidth;  // 1-based
      const int last = first + fmt::kCoefficientWidth - 1;
      const std::string field =
          line.size() >= static_cast<size_t>(first) ? line.substr(first - 1, fmt::kCoefficientWidth) : "";
      const auto value = ParseNumberFloat(field);
      if (!value)
        throw FileError(name, i,
                        "expected a number in columns " + std::to_string(first) + "-" + std::to_string(last) +
                            ", found '" + field + "'");
      (*columns[c])[i] = *value;
    }
  }
  return table;
}

AttenuationTableOf<double> ReadAttenuationTableFree(const std::string& path) {
  FreeFormReader reader(path);
  AttenuationTableOf<double> table;
  for (int i = 1; i <= kBins; ++i) {
    reader.Next("an energy (five numbers per row, 300 rows)");
    table.muTarget[i] = reader.Next("the tungsten coefficient");
    table.muAl[i] = reader.Next("the aluminium coefficient");
    table.muCu[i] = reader.Next("the copper coefficient");
    table.muEnAir[i] = reader.Next("the air coefficient");
  }
  return table;
}

std::string FormatAttenuationTable(const AttenuationTableOf<double>& table) {
  std::string text;
  for (int i = 1; i <= kBins; ++i) {
    text += FormatFixed(BinEnergyKeV(i), fmt::kEnergyWidth, fmt::kEnergyDecimals);
    for (const BinArray<double>* column : {&table.muTarget, &table.muAl, &table.muCu, &table.muEnAir})
      text += FormatExponent((*column)[i], fmt::kCoefficientWidth, fmt::kCoefficientDigits);
    text += kLineEnd;
  }
  return text;
}

}  // namespace orvane
