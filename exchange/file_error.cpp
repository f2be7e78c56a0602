#include "file_error.h"

namespace orvane {

FileError::FileError(const std::string& file, int line, const std::string& what)
    : std::runtime_error(file + ", line " + std::to_string(line) + ": " + what) {}

}  // namespace orvane
