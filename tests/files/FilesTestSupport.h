#pragma once
// Shared pieces of the file tests: a scratch directory and a printer that
// records what it is given.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "files/Printer.h"

namespace tesmoran::testing {

// A fresh directory that is removed again, with the working directory
// moved into it for the test's lifetime.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path Write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
  std::filesystem::path previousCwd_;
};

std::string ReadBytes(const std::filesystem::path& path);

// Records the document; fails the line with index failAtLine, if set.
struct RecordingPrinter : Printer {
  bool Begin(TextView fontName, int pointSize, Text& reason) override;
  bool PrintLine(TextView line, Text& reason) override;
  bool EndDoc(Text& reason) override;

  Text font;
  int size = 0;
  std::vector<Text> lines;
  bool ended = false;
  long failAtLine = -1;
  std::filesystem::path file;  // a PDF printer writes its lines here
};

// Hands out RecordingPrinters; no default printer when hasPrinter is false.
struct RecordingProvider : PrinterProvider {
  std::unique_ptr<Printer> DefaultPrinter(Text& reason) override;
  std::unique_ptr<Printer> PdfPrinter(const std::filesystem::path& file, Text& reason) override;

  bool hasPrinter = true;
  long failAtLine = -1;
  // Every printer handed out; they outlive the documents printed on them.
  std::vector<std::unique_ptr<RecordingPrinter>> made;
};

}  // namespace tesmoran::testing
