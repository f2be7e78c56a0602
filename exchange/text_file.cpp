#include "text_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "file_error.h"
#include "number_text.h"

namespace orvane {

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FileError(FileNameOf(path) + ": cannot open file");
  std::stringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) throw FileError(FileNameOf(path) + ": cannot read file");
  const std::string text = buffer.str();
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

void WriteFileAtomically(const std::string& path, std::string_view content) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError(FileNameOf(path) + ": cannot create file");
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      std::remove(temporary.c_str());
      throw FileError(FileNameOf(path) + ": cannot write file");
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::remove(temporary.c_str());
    throw FileError(FileNameOf(path) + ": cannot replace file (" + ec.message() + ")");
  }
}

float FirstNumberOfLine(const std::vector<std::string>& lines, int lineNumber, const std::string& fileName,
                        std::string_view what) {
  if (lineNumber > static_cast<int>(lines.size()))
    throw FileError(fileName, lineNumber, "the file ends where " + std::string(what) + " was expected");
  const std::string_view line = lines[lineNumber - 1];
  const size_t start = line.find_first_not_of(" \t");
  const size_t end = start == std::string_view::npos ? start : line.find_first_of(" \t,", start);
  const std::string_view field = start == std::string_view::npos ? "" : line.substr(start, end - start);
  const auto value = ParseNumberFloat(field);
  if (!value)
    throw FileError(fileName, lineNumber,
                    "expected " + std::string(what) + ", found '" + std::string(field) + "'");
  return *value;
}

FreeFormReader::FreeFormReader(const std::string& path) : name_(FileNameOf(path)), lines_(ReadLines(path)) {}

double FreeFormReader::Next(std::string_view what) {
  for (;;) {
    if (line_ >= lines_.size())
      throw FileError(name_, static_cast<int>(lines_.size()) + 1,
                      "the file ends where " + std::string(what) + " was expected");
    const std::string& line = lines_[line_];
    while (pos_ < line.size() && (line[pos_] == ' ' || line[pos_] == '\t')) ++pos_;
    if (pos_ < line.size() && line[pos_] == ',') ++pos_;  // an empty field before a comma is skipped
    while (pos_ < line.size() && (line[pos_] == ' ' || line[pos_] == '\t')) ++pos_;
    if (pos_ >= line.size()) {
      ++line_;
      pos_ = 0;
      continue;
    }
    size_t end = pos_;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != ',') ++end;
    const std::string_view field = std::string_view(line).substr(pos_, end - pos_);
    pos_ = end;
    if (auto value = ParseNumber(field)) return *value;
    throw FileError(name_, static_cast<int>(line_) + 1,
                    "expected " + std::string(what) + ", found '" + std::string(field) + "'");
  }
}

}  // namespace orvane
