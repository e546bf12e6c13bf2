// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/CliChunkedRun.h"

#include <algorithm>
#include <ostream>

#include "exercises/CharacterSets.h"
#include "worksheet/Worksheet.h"

namespace tesmoran {
namespace {

constexpr std::size_t kPieceBytes = std::size_t{1} << 16;

bool IsContinuationByte(char b) { return (static_cast<unsigned char>(b) & 0xC0) == 0x80; }

// The word delimiters are ASCII, so a byte that is one is one in both
// encodings and never inside a UTF-8 sequence.
bool IsDelimiterByte(char b) {
  const auto value = static_cast<unsigned char>(b);
  return value < 0x80 && IsWordDelimiter(value);
}

bool IsSentenceEndByte(char b) {
  const auto value = static_cast<unsigned char>(b);
  return value < 0x80 && IsSentenceEnd(value);
}

// Whether a new sentence starts at `at` wherever the text is cut there.
// The sentence scan does not look at the character right after an end mark:
// so the end mark before `at` must be one it looks at (the character before
// that is no end mark), and the character at `at` must be no end mark, as
// the scan of a piece starting there looks at it.  The end marks are ASCII,
// as the word delimiters are.
bool IsSentenceCut(std::string_view bytes, std::size_t at) {
  return at >= 2 && at < bytes.size() && IsSentenceEndByte(bytes[at - 1]) && !IsSentenceEndByte(bytes[at - 2]) &&
         !IsSentenceEndByte(bytes[at]);
}

// The end of a piece of at least kPieceBytes from start where the scan of
// "Lückentext" looks at a character after an even number of delimiters
// since start (the delimiters are ASCII: skipping the byte after one skips
// the character after it, whose other bytes are no delimiters).
std::size_t EvenDelimitersEnd(std::string_view bytes, std::size_t start, CliEncoding encoding) {
  bool even = true;
  for (std::size_t i = start; i < bytes.size(); ++i) {
    if (even && i >= start + kPieceBytes && (encoding != CliEncoding::kUtf8 || !IsContinuationByte(bytes[i]))) {
      return i;
    }
    if (IsDelimiterByte(bytes[i])) {
      even = !even;
      ++i;
    }
  }
  return bytes.size();
}

// The end of a piece of about kPieceBytes from start, on a character
// boundary (a UTF-8 sequence is never split) that the rule allows.
std::size_t PieceEnd(std::string_view bytes, std::size_t start, CutRule rule, CliEncoding encoding) {
  if (rule == CutRule::kAfterEvenDelimiters) return EvenDelimitersEnd(bytes, start, encoding);
  std::size_t end = std::min(bytes.size(), start + kPieceBytes);
  if (rule == CutRule::kAfterWordDelimiter) {
    while (end < bytes.size() && !IsDelimiterByte(bytes[end - 1])) ++end;
  } else if (rule == CutRule::kAfterSentenceEnd) {
    while (end < bytes.size() && !IsSentenceCut(bytes, end)) ++end;
  } else if (rule == CutRule::kAtWordAfterSpace) {
    while (end < bytes.size() && (bytes[end - 1] != ' ' || IsDelimiterByte(bytes[end]))) ++end;
  } else if (rule == CutRule::kAfterNonSpace) {
    while (end < bytes.size() &&
           (bytes[end - 1] == ' ' || (encoding == CliEncoding::kUtf8 && IsContinuationByte(bytes[end])))) {
      ++end;
    }
  } else if (encoding == CliEncoding::kUtf8) {
    while (end < bytes.size() && IsContinuationByte(bytes[end])) ++end;
  }
  return end;
}

// The start of a piece of about kPieceBytes that ends at end, on a
// character boundary.
std::size_t PieceStart(std::string_view bytes, std::size_t end, CliEncoding encoding) {
  std::size_t start = end > kPieceBytes ? end - kPieceBytes : 0;
  if (encoding == CliEncoding::kUtf8) {
    while (start > 0 && IsContinuationByte(bytes[start])) --start;
  }
  return start;
}

}  // namespace

PiecesResult RunInPieces(const Exercise& exercise, CutRule rule, std::string_view bytes, CliEncoding encoding,
                         UiServices& ui, const CliContext& context) {
  Worksheet ws;
  ws.Liste3 = kModeReplace;
  // Runs the exercise on bytes [start, end) and writes its result; the
  // result of the whole run when it is to stop.
  const auto runPiece = [&](std::size_t start, std::size_t end) -> std::optional<PiecesResult> {
    std::optional<Text> piece = DecodeCliBytes(bytes.substr(start, end - start), encoding, "", context);
    ws.Text1.Set(std::move(*piece));
    const ExerciseOutcome outcome = RunExercise(exercise, ws, ui, TextUse::kConsume).outcome;
    if (outcome != ExerciseOutcome::kDelivered) return PiecesResult{outcome, false};
    if (!WriteCliText(ws.Text2, encoding, context.out, context, /*newline=*/false)) {
      return PiecesResult{outcome, true};
    }
    return std::nullopt;
  };
  if (rule == CutRule::kAnywhereLastFirst) {
    for (std::size_t end = bytes.size(), start = 0; end > 0; end = start) {
      start = PieceStart(bytes, end, encoding);
      if (const std::optional<PiecesResult> stop = runPiece(start, end)) return *stop;
    }
  } else {
    for (std::size_t start = 0, end = 0; start < bytes.size(); start = end) {
      end = PieceEnd(bytes, start, rule, encoding);
      if (const std::optional<PiecesResult> stop = runPiece(start, end)) return *stop;
    }
  }
  context.out.put('\n');
  return {ExerciseOutcome::kDelivered, false};
}

}  // namespace tesmoran
