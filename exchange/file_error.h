#pragma once
#include <stdexcept>
#include <string>

namespace orvane {

// A problem with an exchange file: the message names the file, the line and what was expected,
// e.g. "B2F.dat, line 3: expected a number, found 'abc'".
class FileError : public std::runtime_error {
 public:
  explicit FileError(const std::string& message) : std::runtime_error(message) {}
  FileError(const std::string& file, int line, const std::string& what);
};

}  // namespace orvane
