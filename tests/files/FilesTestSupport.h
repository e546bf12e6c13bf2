// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the file tests: a scratch directory, printers that
// record what they are given and the saving of the solution text.
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AsNobody.h"
#include "ScriptedUi.h"
#include "files/FileLoading.h"
#include "files/Printing.h"
#include "files/SolutionFile.h"
#include "platform/Printer.h"
#include "text/Utf8.h"

namespace tesmoran::testing {
namespace fs = std::filesystem;

// A fresh directory, the working directory while it lives.
struct ScratchDir {
  ScratchDir() {
    fs::create_directories(path);
    fs::current_path(path);
  }
  ~ScratchDir() {
    std::error_code ignored;
    fs::current_path(previousCwd, ignored);
    fs::remove_all(path, ignored);
  }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  Text Directory() const { return Text(path.u32string()); }

  fs::path previousCwd = fs::current_path();
  fs::path path = fs::temp_directory_path() / ("tesmoran-files-" + std::to_string(::getpid()));
};

// The box with this index was shown with this prompt, title and style.
inline void ExpectBox(const ScriptedUi& ui, std::size_t index, const Text& prompt, const Text& title, int style) {
  ASSERT_GT(ui.Shown().size(), index);
  EXPECT_EQ(ui.Shown()[index].prompt, prompt);
  EXPECT_EQ(ui.Shown()[index].title, title);
  EXPECT_EQ(ui.Shown()[index].style, style);
}

struct PrintRecord {
  Text font;
  int size = 0;
  std::vector<Text> lines;
  bool ended = false;
  fs::path file;  // a PDF printer writes its lines here
};

// Its printers record into `made`; the line with index failAtLine fails.
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
      if (!record.file.empty()) {
        std::ofstream(record.file, std::ios::binary | std::ios::app) << EncodeUtf8(line) << '\n';
      }
      return true;
    }
    bool EndDoc(Text&) override { return record.ended = true; }
    PrintRecord& record;
    long failAtLine;
  };

  std::unique_ptr<Printer> DefaultPrinter(Text&) override {
    return std::make_unique<Recorder>(made.emplace_back(), failAtLine);
  }
  std::unique_ptr<Printer> PdfPrinter(const fs::path& file, Text& reason) override {
    auto printer = DefaultPrinter(reason);
    made.back().file = file;
    return printer;
  }

  long failAtLine = -1;
  std::deque<PrintRecord> made;
};

// Saving and printing the solution text in a scratch directory, with
// scripted boxes and recording printers.
class SolutionTextTest : public ::testing::Test {
 protected:
  // Yes to the question, `name` in the input box; OK to the error when `fails`.
  void SaveAs(const Text& solution, const Text& name, bool fails = false) {
    ui.AnswerMessage(kAnswerYes).AnswerInput(name);
    if (fails) ui.AnswerMessage();
    SaveSolutionText(solution, ui, printers);
  }
  void Print(const Text& solution) { PrintSolutionText(solution, ui, printers); }

  ScratchDir dir;
  ScriptedUi ui;
  RecordingProvider printers;
};

// The load error for the file Brief.txt.
inline const Text kLoadError =
    U"BRIEF.TXT\n\r--------------------------------------\n\r"
    U"Dateifehler beim Laden!\n\rText wird nicht geladen!";

// Loading Brief.txt from a scratch directory into a preview, with scripted boxes.
class LoadSelectedFileTest : public ::testing::Test {
 protected:
  // Writes Brief.txt (removes it for no bytes), chooses and loads it.
  bool Load(const std::optional<std::string>& bytes) {
    if (bytes) dir.Write("Brief.txt", *bytes);
    if (!bytes) fs::remove(dir.path / "Brief.txt");
    selection = SelectFile(dir.Directory(), U"Brief.txt");
    return LoadSelectedFile(selection, preview, ui);
  }

  ScratchDir dir;
  ScriptedUi ui;
  FileSelection selection;
  Text preview = U"Text1";
};

}  // namespace tesmoran::testing
