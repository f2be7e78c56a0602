#pragma once
// Helpers of the model tests: a fresh working folder, a synthetic attenuation table, file text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bins.h"
#include "module1.h"

namespace orvane::test {

// Makes a fresh temporary folder the working folder for the lifetime of the object.
class ScopedWorkingFolder {
 public:
  ScopedWorkingFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvane-model-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a temporary folder";
    folder_ = pattern;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
  }
  ~ScopedWorkingFolder() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  ScopedWorkingFolder(const ScopedWorkingFolder&) = delete;
  ScopedWorkingFolder& operator=(const ScopedWorkingFolder&) = delete;
  const std::filesystem::path& path() const { return folder_; }

 private:
  std::filesystem::path folder_, previous_;
};

inline std::string FileText(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteText(const std::string& name, const std::string& text) {
  std::ofstream(name, std::ios::binary) << text;
}

// A smooth, made-up table in 1/cm: coefficients falling with energy like photoabsorption (E^-3)
// plus a constant, with no absorption edges. Enough to exercise the model, not physical data.
inline void FillSyntheticTable(Module1& m) {
  for (int i = 1; i <= kBins; ++i) {
    const double e = BinEnergyKeV(i);
    m.MuTarget[i] = 5.0e5 / (e * e * e) + 1.0;
    m.MuAl[i] = 2.0e4 / (e * e * e) + 0.4;
    m.MuCu[i] = 2.0e5 / (e * e * e) + 2.0;
    m.MuEnAir[i] = 4.0e3 / (e * e * e) + 0.02;
  }
}

}  // namespace orvane::test
