#pragma once
// Where a report's lines go. The report buffer (the current page and the
// data buffer) is one sink, a LineCollector another, a test a third. A
// report writes whole lines; a line may hold "\r\n" sequences and is still
// one entry, shown as several lines when the page is shown or saved.
#include <string>
#include <vector>

namespace halcyra {

class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual void WriteLine(const std::string& line) = 0;
  void WriteBlankLine() { WriteLine(std::string()); }
  // Many lines at once, in order; a sink that can take them faster than
  // one by one (a long listing's page) does so.
  virtual void WriteLines(std::vector<std::string>&& lines) {
    for (const std::string& line : lines) WriteLine(line);
  }
};

// Keeps the lines it is given.
class LineCollector : public LineSink {
 public:
  void WriteLine(const std::string& line) override { lines.push_back(line); }
  // The lines joined by CR LF: a report section as one text.
  std::string Text() const {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) text += "\r\n";
      text += lines[i];
    }
    return text;
  }
  std::vector<std::string> lines;
};

}  // namespace halcyra
