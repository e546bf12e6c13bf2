// tesmoran-cli: runs one exercise of the main window on a text from the
// command line or from standard input and prints what the solution text
// would receive in replace mode.  The exercise runs through the same frame
// as the window's button; the options answer its question.
#include "app/cli/Cli.h"

#include <optional>
#include <ostream>
#include <string>

#include "app/cli/CliCommands.h"
#include "app/cli/CliInput.h"
#include "state/Worksheet.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"
#include "worksheet/ExerciseCatalogue.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "usage: tesmoran-cli EXERCISE [--answer yes|no] [--letters CHARS] [--words]\n"
    "                    [--encoding utf-8|cp1252] [--text TEXT]\n"
    "       tesmoran-cli wortliste [--text TEXT] [--encoding utf-8|cp1252]\n"
    "       tesmoran-cli ersetzen --search S --replacement A [--text TEXT] [--encoding utf-8|cp1252]\n"
    "       tesmoran-cli --help\n";

constexpr const char* kOptionsHelp =
    "\n"
    "Options:\n"
    "  --text TEXT       the original text; without it all of standard input, byte for\n"
    "                    byte (a final newline is part of the text)\n"
    "  --answer yes|no   answers the exercise's yes/no question (also ja|nein);\n"
    "                    default: the question's default button (Yes for all of them)\n"
    "  --letters CHARS   the characters that \"Buchstaben\" replaces by \"_\"; without it\n"
    "                    nothing is written (exit 1)\n"
    "  --words           word-list form: every input line is one entry (a line ends at\n"
    "                    LF or CR LF; a lone CR stays in the entry; a final line end adds\n"
    "                    no empty entry); every entry is printed transformed on its own\n"
    "                    line.  Exercises that refuse the word list print their message\n"
    "                    on standard error (exit 1); \"Umkehrwort\" and \"Buchstaben\" have\n"
    "                    no word-list form (exit 1).\n"
    "  --encoding E      utf-8 (default) or cp1252, for the text, --letters and the output\n"
    "\n"
    "Output: the result as the solution text receives it (control characters such as\n"
    "CR, LF and tab removed), followed by one newline.\n"
    "Exit codes: 0 done; 1 nothing written (empty text, a message of the exercise,\n"
    "missing letters, input not valid in the encoding); 2 unknown exercise or option.\n"
    "\n"
    "Sub-commands:\n"
    "  wortliste   prints the distinct words of the text, one per line\n"
    "  ersetzen    replaces every S by A and prints the result\n";

// The ASCII form of a caption: lower case, ä -> ae, ö -> oe, ü -> ue,
// ß -> ss, space -> hyphen ("Lücken-Wörter" -> "luecken-woerter").
std::string AsciiName(const Text& caption) {
  std::string name;
  for (Char c : caption) {
    switch (c) {
      case U'ä': case U'Ä': name += "ae"; break;
      case U'ö': case U'Ö': name += "oe"; break;
      case U'ü': case U'Ü': name += "ue"; break;
      case U'ß': name += "ss"; break;
      case U' ': name += '-'; break;
      default:
        name += static_cast<char>(c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c);
        break;
    }
  }
  return name;
}

// The exercise named by its caption (UTF-8 or code page 1252) or by its
// ASCII form (letter case not counted); nullptr for an unknown name.
const Exercise* FindExerciseByName(const std::string& name) {
  std::string lowered = name;
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  for (const Exercise& e : ExerciseCatalogue()) {
    if (name == EncodeUtf8(e.caption) || name == EncodeCp1252(e.caption) ||
        lowered == AsciiName(e.caption)) {
      return &e;
    }
  }
  return nullptr;
}

void PrintHelp(std::ostream& out) {
  out << kUsage << "\nRuns one exercise of TESMORAN on a German text.\n\nExercises:\n";
  for (const Exercise& e : ExerciseCatalogue()) {
    std::string name = AsciiName(e.caption);
    name.resize(18, ' ');
    out << "  " << name << EncodeUtf8(e.caption);
    if (e.question.kind == Question::Kind::kYesNo) {
      out << "  (--answer: " << EncodeUtf8(e.question.prompt.substr(0, e.question.prompt.find(U'?') + 1))
          << ")";
    } else if (e.question.kind == Question::Kind::kInput) {
      out << "  (--letters)";
    }
    out << "\n";
  }
  out << kOptionsHelp;
}

struct ExerciseOptions {
  std::optional<bool> answer;
  std::optional<std::string> letters;
  std::optional<std::string> text;
  CliEncoding encoding = CliEncoding::kUtf8;
  bool words = false;
  bool help = false;
};

// Reads the options after the exercise's name; false with a message on err
// for an unknown option, a missing value or a value that is not allowed.
bool ParseExerciseOptions(const std::vector<std::string>& args, ExerciseOptions& options,
                          std::ostream& err) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    if (arg == "--words") {
      options.words = true;
      continue;
    }
    if (arg != "--answer" && arg != "--letters" && arg != "--text" && arg != "--encoding") {
      err << "tesmoran-cli: unknown option '" << arg << "'\n";
      return false;
    }
    if (i + 1 >= args.size()) {
      err << "tesmoran-cli: " << arg << " needs a value\n";
      return false;
    }
    const std::string& value = args[++i];
    if (arg == "--letters") {
      options.letters = value;
    } else if (arg == "--text") {
      options.text = value;
    } else if (arg == "--encoding") {
      std::optional<CliEncoding> encoding = ParseCliEncoding(value);
      if (!encoding) {
        err << "tesmoran-cli: unknown encoding '" << value << "' (utf-8 or cp1252)\n";
        return false;
      }
      options.encoding = *encoding;
    } else if (value == "yes" || value == "ja") {
      options.answer = true;
    } else if (value == "no" || value == "nein") {
      options.answer = false;
    } else {
      err << "tesmoran-cli: --answer takes yes or no, not '" << value << "'\n";
      return false;
    }
  }
  return true;
}

// False with a message on err when an option does not fit the exercise.
bool CheckOptionsFit(const Exercise& exercise, const ExerciseOptions& options, std::ostream& err) {
  const std::string name = AsciiName(exercise.caption);
  if (options.answer && exercise.question.kind != Question::Kind::kYesNo) {
    err << "tesmoran-cli: " << name << " asks no yes/no question; --answer does not apply\n";
    return false;
  }
  if (options.letters && exercise.question.kind != Question::Kind::kInput) {
    err << "tesmoran-cli: " << name << " asks for no letters; --letters does not apply\n";
    return false;
  }
  return true;
}

// The services of the frame on the command line: the questions are answered
// from the options, the messages are kept for standard error.
class CliUiServices : public UiServices {
 public:
  CliUiServices(std::optional<bool> answer, Text letters)
      : answer_(answer), letters_(std::move(letters)) {}

  int MessageBox(const Text& prompt, int styleValue, const Text&) override {
    if (IsYesNoStyle(styleValue)) {
      const bool yes = answer_.value_or(!IsSecondButtonDefault(styleValue));
      return yes ? kAnswerYes : kAnswerNo;
    }
    messages_.push_back(prompt);
    return kAnswerOk;
  }

  Text InputBox(const Text&, const Text&, const Text&) override {
    inputCancelled_ = letters_.empty();
    return letters_;
  }

  Text ClipboardText() override { return Text(); }
  void SetClipboardText(const Text&) override {}

  const std::vector<Text>& Messages() const { return messages_; }
  bool InputCancelled() const { return inputCancelled_; }

 private:
  std::optional<bool> answer_;
  Text letters_;
  std::vector<Text> messages_;
  bool inputCancelled_ = false;
};

// Cuts the input into word-list entries: a line ends at LF, a CR right
// before the LF belongs to the line end, and a line end at the very end of
// the input opens no further entry.
std::vector<Text> SplitEntries(const Text& input) {
  std::vector<Text> entries;
  std::size_t start = 0;
  while (start < input.size()) {
    std::size_t end = input.find(kLF, start);
    const std::size_t next = end == Text::npos ? input.size() : end + 1;
    if (end == Text::npos) end = input.size();
    if (end > start && input[end - 1] == kCR && end < input.size()) --end;
    entries.push_back(input.substr(start, end - start));
    start = next;
  }
  return entries;
}

// Writes a text in the chosen encoding followed by a newline.
bool WriteLine(const Text& text, CliEncoding encoding, std::ostream& stream, std::ostream& err) {
  std::optional<std::string> bytes = EncodeCliText(text, encoding, err);
  if (!bytes) return false;
  stream << *bytes << '\n';
  return true;
}

// Prints the messages of the exercise; a trailing CR or LF of a prompt is
// not printed.
void PrintMessages(const std::vector<Text>& messages, CliEncoding encoding, std::ostream& err) {
  for (Text message : messages) {
    while (!message.empty() && IsControlChar(message.back())) message.pop_back();
    WriteLine(message, encoding, err, err);
  }
}

bool FillWordList(const Text& input, WordList& list, std::ostream& err) {
  for (Text& entry : SplitEntries(input)) {
    if (!list.Append(std::move(entry))) {
      err << "tesmoran-cli: the word list holds at most " << WordList::kMaxEntries << " entries\n";
      return false;
    }
    list.SetSelected(list.Count() - 1, true);
  }
  return true;
}

int RunExerciseCommand(const Exercise& exercise, const ExerciseOptions& options, std::istream& in,
                       std::ostream& out, std::ostream& err) {
  const std::string name = AsciiName(exercise.caption);
  if (options.words && exercise.listPath == ListPath::kTextOnly) {
    err << "tesmoran-cli: " << name << " has no word-list form; call it without --words\n";
    return kExitFailed;
  }
  Text letters;
  if (options.letters) {
    std::optional<Text> decoded = DecodeCliBytes(*options.letters, options.encoding, err);
    if (!decoded) return kExitFailed;
    letters = std::move(*decoded);
  }
  std::optional<Text> input = ReadCliInput(options.text, options.encoding, in, err);
  if (!input) return kExitFailed;

  Worksheet ws;
  if (options.words && !FillWordList(*input, ws.Liste2, err)) return kExitFailed;
  ws.Text1.Set(std::move(*input));
  ws.Liste3 = kModeReplace;
  // A delivered solution text never holds a control character, so this one
  // shows that nothing was delivered.
  const Text notDelivered(1, Char{1});
  ws.Text2 = notDelivered;

  CliUiServices ui(options.answer, std::move(letters));
  RunExercise(exercise, ws, ui);

  if (!ui.Messages().empty()) {
    PrintMessages(ui.Messages(), options.encoding, err);
    return kExitFailed;
  }
  if (ui.InputCancelled()) {
    err << "tesmoran-cli: " << name << " needs the characters to replace (--letters); nothing written\n";
    return kExitFailed;
  }
  if (ws.ListTarget == 1) {
    for (const WordEntry& entry : ws.Liste2.Entries()) {
      if (!WriteLine(entry.text, options.encoding, out, err)) return kExitFailed;
    }
    return kExitOk;
  }
  if (ws.Text2 == notDelivered) {
    err << "tesmoran-cli: " << name << " delivered no result\n";
    return kExitFailed;
  }
  return WriteLine(ws.Text2, options.encoding, out, err) ? kExitOk : kExitFailed;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  const std::string& command = args.front();
  if (command == "--help" || command == "-h") {
    PrintHelp(out);
    return kExitOk;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "wortliste") return RunWordListCommand(rest, in, out, err);
  if (command == "ersetzen") return RunReplaceCommand(rest, in, out, err);

  const Exercise* exercise = FindExerciseByName(command);
  if (exercise == nullptr) {
    err << "tesmoran-cli: unknown exercise '" << command << "' (see tesmoran-cli --help)\n" << kUsage;
    return kExitUsage;
  }
  ExerciseOptions options;
  if (!ParseExerciseOptions(args, options, err) || !CheckOptionsFit(*exercise, options, err)) {
    err << kUsage;
    return kExitUsage;
  }
  if (options.help) {
    PrintHelp(out);
    return kExitOk;
  }
  return RunExerciseCommand(*exercise, options, in, out, err);
}

}  // namespace tesmoran
