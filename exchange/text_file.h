#pragma once
// Whole-file reading and writing for the exchange files.
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

inline constexpr std::string_view kLineEnd = "\r\n";

// Reads a file into lines, without their CR/LF. Throws FileError("<name>: cannot open file") when missing.
std::vector<std::string> ReadLines(const std::string& path);

// Writes `content` to a temporary file in the same folder and renames it over `path`, so a reader
// never sees half a file and the old file survives a failed write. Throws FileError on failure.
void WriteFileAtomically(const std::string& path, std::string_view content);

// The bare file name of a path, for messages.
std::string FileNameOf(const std::string& path);

// The engine's free-form read of one value: the first number of line `lineNumber` (1-based), the
// rest of the line ignored. Throws FileError naming the file, the line and `what`.
float FirstNumberOfLine(const std::vector<std::string>& lines, int lineNumber, const std::string& fileName,
                        std::string_view what);

// Free-form reading: numbers one after another, each ended by a blank, a comma or a line end.
class FreeFormReader {
 public:
  explicit FreeFormReader(const std::string& path);  // reads the whole file
  // Next number; throws FileError naming the file, the line and `what` when the file ends first
  // or the next field is not a number.
  double Next(std::string_view what);

 private:
  std::string name_;
  std::vector<std::string> lines_;
  size_t line_ = 0, pos_ = 0;
};

}  // namespace orvane
