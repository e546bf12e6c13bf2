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
#include "app/cli/CliSheetOptions.h"
#include "app/cli/CliTextIo.h"
#include "files/TextFileDecoding.h"
#include "printsheet/qt/SheetPdf.h"
#include "syllables/PatternSyllabifier.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

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
  const CliEncoding encoding = EncodingOf(options);
  if (const int code = ReadSheetOptions(options, encoding, settings, context); code != kExitDone) return code;

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
