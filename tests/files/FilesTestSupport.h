#pragma once
// Shared pieces of the file tests: a scratch directory and printers that
// record what they are given.
#include <atomic>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "files/Printer.h"
#include "text/Utf8.h"
#include <unistd.h>

namespace tesmoran::testing {

// A fresh directory, the working directory while it lives.
class ScratchDir {
 public:
  ScratchDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("tesmoran-files-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::current_path(previousCwd_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path previousCwd_ = std::filesystem::current_path();
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct PrintRecord {
  Text font;
  int size = 0;
  std::vector<Text> lines;
  bool ended = false;
  std::filesystem::path file;  // a PDF printer writes its lines here
};

// Hands out printers that record into `made`; the line with index
// failAtLine fails; no default printer when hasPrinter is false.
struct RecordingProvider : PrinterProvider {
  struct Recorder : Printer {
    Recorder(PrintRecord& r, long failAt) : record(r), failAtLine(failAt) {}
    bool Begin(TextView fontName, int pointSize, Text&) override {
      record.font.assign(fontName);
      record.size = pointSize;
      return true;
    }
    bool PrintLine(TextView line, Text& reason) override {
      if (failAtLine == static_cast<long>(record.lines.size())) {
        reason = U"Papierstau";
        return false;
      }
      record.lines.emplace_back(line);
      if (!record.file.empty()) std::ofstream(record.file, std::ios::binary | std::ios::app) << EncodeUtf8(line) << '\n';
      return true;
    }
    bool EndDoc(Text&) override { return record.ended = true; }
    PrintRecord& record;
    long failAtLine;
  };

  std::unique_ptr<Printer> DefaultPrinter(Text& reason) override {
    if (!hasPrinter) {
      reason = U"kein Gerät";
      return nullptr;
    }
    return std::make_unique<Recorder>(made.emplace_back(), failAtLine);
  }
  std::unique_ptr<Printer> PdfPrinter(const std::filesystem::path& file, Text& reason) override {
    auto printer = DefaultPrinter(reason);
    if (printer) made.back().file = file;
    return printer;
  }

  bool hasPrinter = true;
  long failAtLine = -1;
  std::deque<PrintRecord> made;
};

}  // namespace tesmoran::testing
