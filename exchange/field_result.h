#pragma once
// "Result.dat": four blocks of a reference value ("0.12345E+05") and 76 rows of 151 values (" 0.9876E+00").
// Both programs use this one spelling of the name, so it is one file on any file system.
#include <string>

#include "bins.h"

namespace orvane {

inline constexpr const char* kFieldResultFile = "Result.dat";

namespace field_result_format {
inline constexpr int kBlocks = 4;  // photon fluence, energy fluence, air kerma, HVL
inline constexpr int kReferenceWidth = 11, kReferenceDigits = 5;
inline constexpr int kValueWidth = 11, kValueDigits = 4;
}  // namespace field_result_format

template <typename Real>
struct FieldResultOf {
  Real reference[field_result_format::kBlocks]{};
  FieldGridOf<Real> grid[field_result_format::kBlocks]{};  // [block][ix][iy]
};
using FieldResult = FieldResultOf<float>;

// Engine writer.
void WriteFieldResult(const std::string& path, const FieldResult& result);
std::string FormatFieldResult(const FieldResult& result);
// Front end: free-form, per block the reference value (dropped) then 76 x 151 values.
// Returns the grids with the reference values as read.
FieldResultOf<double> ReadFieldResult(const std::string& path);

}  // namespace orvane
