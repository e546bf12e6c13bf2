// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli arbeitsblatt: the printed sheet of a text as a PDF file,
// through the same call as the window's "Als PDF speichern…".  The only part
// of the command line that draws, and so the only one that needs Qt Gui; it
// runs on the offscreen platform when there is no display.
#include <QGuiApplication>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/cli/CliCommand.h"
#include "app/cli/CliExitCode.h"
#include "app/cli/CliTextIo.h"
#include "files/TextFileDecoding.h"
#include "printsheet/qt/SheetPdf.h"
#include "syllables/PatternSyllabifier.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

// A whole number within [min, max] or nullopt.
std::optional<int> NumberIn(const std::string& value, int min, int max) {
  if (value.empty() || value.size() > 4) return std::nullopt;
  int n = 0;
  for (char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < min || n > max) return std::nullopt;
  return n;
}

// Reads a number option into target; false with a message when it is bad.
bool ReadNumber(const ParsedOptions& options, std::string_view name, IntRange range, int& target,
                const CliContext& context) {
  const std::optional<std::string> value = options.Value(name);
  if (!value) return true;
  const std::optional<int> n = NumberIn(*value, range.min, range.max);
  if (!n) {
    context.Error(std::string(name) + " " + Quoted(*value) + " ist keine ganze Zahl von " + std::to_string(range.min) +
                  " bis " + std::to_string(range.max) + "; nichts geschrieben");
    return false;
  }
  target = *n;
  return true;
}

SyllableMarks MarksOf(const std::string& value) {
  if (value == "farben") return SyllableMarks::kColours;
  if (value == "boegen") return SyllableMarks::kArcs;
  if (value == "striche") return SyllableMarks::kHyphens;
  return SyllableMarks::kNone;
}

// The original text from a file, as the window's loading reads it.
std::optional<Text> ReadOriginal(const std::string& path, const CliContext& context) {
  const std::optional<std::string> bytes = ReadNamedFile(path, "die Datei", context);
  if (!bytes) return std::nullopt;
  std::optional<Text> text = DecodeTextFile(*bytes);
  if (!text) context.Error("die Datei " + Quoted(path) + " enthält keinen lesbaren Text; nichts geschrieben");
  return text;
}

// Drawing needs a QGuiApplication.  The command line never shows anything,
// so it always draws offscreen: a display that is named but gone (a closed
// forwarding) must not stop it.
void EnsureGuiApplication() {
  if (QGuiApplication::instance()) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Standard error holds the command's own messages only: Qt's notes about
  // the session ("XDG_RUNTIME_DIR not set" …) stay out of it.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  static int argc = 1;
  static char name[] = "tesmoran-cli";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

}  // namespace

int RunSheetCommand(const ParsedOptions& options, const CliContext& context) {
  const std::optional<std::string> out = options.Value("--pdf");
  if (!out || out->empty()) {
    context.Error("die Zieldatei fehlt; mit --pdf DATEI.pdf angeben; nichts geschrieben");
    return kExitUsage;
  }
  // "-" is standard output, as with other command-line tools.
  const bool toStandardOutput = *out == "-";
  if (!toStandardOutput) {
    if (const Text why = ReasonNotWritable(*out); !why.empty()) {
      std::string message = "--pdf " + Quoted(*out) + ": " + EncodeUtf8(why);
      const auto kind = std::filesystem::status(*out).type();
      if (kind != std::filesystem::file_type::regular && kind != std::filesystem::file_type::directory &&
          kind != std::filesystem::file_type::not_found) {
        message += " Für die Standardausgabe „--pdf -“ angeben;";
      }
      context.Error(message + " nichts geschrieben");
      return kExitNothingWritten;
    }
  }
  SheetSettings settings;
  if (!ReadNumber(options, "--groesse", kFontSizeRange, settings.fontSize, context) ||
      !ReadNumber(options, "--zeilenabstand", kLineSpacingRange, settings.lineSpacing, context) ||
      !ReadNumber(options, "--lineatur", kWritingRowsRange, settings.writingRows, context)) {
    return kExitUsage;
  }
  const CliEncoding encoding = EncodingOf(options);
  if (const std::optional<std::string> font = options.Value("--schrift")) {
    std::optional<Text> family = DecodeCliBytes(*font, encoding, "--schrift", context);
    if (!family) return kExitNothingWritten;
    settings.fontFamily = std::move(*family);
  }
  if (const std::optional<std::string> title = options.Value("--titel")) {
    std::optional<Text> text = DecodeCliBytes(*title, encoding, "--titel", context);
    if (!text) return kExitNothingWritten;
    settings.title = std::move(*text);
  }
  if (const std::optional<std::string> marks = options.Value("--silben")) settings.syllableMarks = MarksOf(*marks);
  if (options.Has("--schreibsilben")) settings.syllableKind = SyllableKind::kLineBreak;

  SheetInput input;
  if (const std::optional<std::string> original = options.Value("--original")) {
    std::optional<Text> text = ReadOriginal(*original, context);
    if (!text) return kExitNothingWritten;
    input.original = std::move(*text);
    settings.answerKey = true;
  }
  std::optional<Text> solution = ReadCliText(options, encoding, context);
  if (!solution) return kExitNothingWritten;
  input.solution = std::move(*solution);

  SyllabifierLoad engine;
  if (settings.syllableMarks != SyllableMarks::kNone) {
    engine = LoadSyllabifier();
    if (!engine.syllabifier) {
      context.Error(EncodeUtf8(engine.error));
      return kExitNothingWritten;
    }
  }
  EnsureGuiApplication();
  if (toStandardOutput) {
    Text reason;
    const QByteArray bytes =
        SheetPdfBytes(LayOutSheetWithFonts(input, settings, engine.syllabifier.get()), Clamped(settings), reason);
    if (bytes.isEmpty()) {
      context.Error(EncodeUtf8(reason));
      return kExitNothingWritten;
    }
    context.out.write(bytes.constData(), bytes.size());
    context.out.flush();
    return context.out ? kExitDone : kExitNothingWritten;
  }
  const WriteResult written = WriteSheetPdf(input, Clamped(settings), engine.syllabifier.get(), *out);
  if (!written.ok) {
    context.Error(EncodeUtf8(written.reason));
    return kExitNothingWritten;
  }
  return kExitDone;
}

}  // namespace tesmoran
