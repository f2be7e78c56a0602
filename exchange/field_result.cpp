#include "field_result.h"

#include <memory>

#include "number_text.h"
#include "text_file.h"

namespace orvane {
namespace fmt = field_result_format;

namespace {
constexpr const char* kBlockNames[fmt::kBlocks] = {"photon fluence", "energy fluence", "air kerma",
                                                   "half-value layer"};
}

std::string FormatFieldResult(const FieldResult& result) {
  std::string text;
  text.reserve(fmt::kBlocks * (13 + kGridY * (kGridX * fmt::kValueWidth + 2)));
  for (int b = 0; b < fmt::kBlocks; ++b) {
    text += FormatExponent(result.reference[b], fmt::kReferenceWidth, fmt::kReferenceDigits);
    text += kLineEnd;
    for (int iy = 1; iy <= kGridY; ++iy) {
      for (int ix = 1; ix <= kGridX; ++ix)
        text += FormatExponent(result.grid[b][ix][iy], fmt::kValueWidth, fmt::kValueDigits);
      text += kLineEnd;
    }
  }
  return text;
}

void WriteFieldResult(const std::string& path, const FieldResult& result) {
  WriteFileAtomically(path, FormatFieldResult(result));
}

FieldResultOf<double> ReadFieldResult(const std::string& path) {
  FreeFormReader reader(path);
  auto result = std::make_unique<FieldResultOf<double>>();
  for (int b = 0; b < fmt::kBlocks; ++b) {
    const std::string block = std::string(" of the ") + kBlockNames[b] + " block";
    result->reference[b] = reader.Next("the reference value" + block);
    const std::string what = "a grid value" + block;
    for (int iy = 1; iy <= kGridY; ++iy)
      for (int ix = 1; ix <= kGridX; ++ix) result->grid[b][ix][iy] = reader.Next(what);
  }
  return *result;
}

}  // namespace orvane
