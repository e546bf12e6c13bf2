// SPDX-License-Identifier: GPL-3.0-or-later
// The printed sheet laid out from any text and any settings, with a
// stand-in font whose letters differ in width and whose equal neighbours
// kern closer: every character that is not a space or line break appears
// in the body runs, in the text's order and in reading order on the pages,
// inside the margins; no page holds nothing but its footer; every page has
// its number.  The syllable engine is read once for the whole run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "FuzzInput.h"
#include "printsheet/SheetLayout.h"
#include "syllables/PatternSyllabifier.h"

namespace tesmoran::fuzz {
namespace {

std::shared_ptr<const Syllabifier> gEngine;

// Letters 4 to 10 points wide at 16 points, scaled with the font size; a
// letter after an equal one sits one point closer.
class StandInMeasure : public TextMeasure {
 public:
  explicit StandInMeasure(double fontSize) : scale_(fontSize / 16.0) {}
  double Advance(TextView text, FontRole role) const override {
    double w = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      w += 4 + double(text[i] % 7);
      if (i > 0 && text[i] == text[i - 1]) w -= 1;
    }
    return w * scale_ * (role == FontRole::kTitle ? kTitleScale : 1.0);
  }
  double Ascent(FontRole) const override { return 12 * scale_; }
  double Descent(FontRole) const override { return 4 * scale_; }

 private:
  double scale_;
};

SheetSettings Settings(FuzzInput& input) {
  SheetSettings s;
  s.fontSize = int(input.Number(40));
  s.lineSpacing = int(input.Number(300));
  s.letterSpacing = int(input.Number(40));
  s.wordSpacing = int(input.Number(120));
  s.syllableMarks = static_cast<SyllableMarks>(input.Byte() % 4);
  s.syllableKind = input.Flag() ? SyllableKind::kLineBreak : SyllableKind::kReading;
  s.title = input.ShortText(8);
  s.nameAndDate = input.Flag();
  s.writingRows = int(input.Number(40));
  s.ruling = input.Flag() ? WritingRuling::kPlain : WritingRuling::kSchool;
  s.upperBandMm = int(input.Number(16));
  s.middleBandMm = int(input.Number(16));
  s.lowerBandMm = int(input.Number(16));
  s.rowGapMm = int(input.Number(22));
  s.plainRowMm = int(input.Number(32));
  s.answerKey = input.Flag();
  s.paper = input.Flag() ? PaperSize::kLetter : PaperSize::kA4;
  return s;
}

bool IsBlank(Char c) { return c == kSpace || IsControlChar(c); }

// The characters the sheet shows of a text: all but spaces and control
// characters, and with hyphen marks no hyphens either (the marks are
// hyphens, too).
Text Shown(TextView text, bool hyphenMarks) {
  Text shown;
  for (Char c : text) {
    if (!IsBlank(c) && !(hyphenMarks && c == U'-')) shown.push_back(c);
  }
  return shown;
}

bool HasContent(const SheetPage& page) {
  for (const TextRun& run : page.runs) {
    if (run.role != FontRole::kFooter) return true;
  }
  return !page.strokes.empty();
}

void CheckSheet(const SheetInput& in, const SheetSettings& asked) {
  const SheetSettings s = Clamped(asked);
  const StandInMeasure measure(s.fontSize);
  const SheetDocument doc = LayOutSheet(in, asked, gEngine.get(), measure);
  Check(!doc.pages.empty(), "a sheet without pages", in.solution);

  const double margin = MmToPoints(kMarginMm);
  const bool hyphens = s.syllableMarks == SyllableMarks::kHyphens;
  Text body, key;
  for (std::size_t p = 0; p < doc.pages.size(); ++p) {
    const SheetPage& page = doc.pages[p];
    const bool answer = doc.firstAnswerPage >= 0 && p >= std::size_t(doc.firstAnswerPage);
    Check(doc.pages.size() == 1 || HasContent(page), "a page holds nothing but its footer", in.solution);
    Check(!page.runs.empty() && page.runs.back().role == FontRole::kFooter &&
              page.runs.back().text == PageFooter(int(p) + 1, int(doc.pages.size())),
          "a page lacks its number", in.solution);
    const TextRun* last = nullptr;
    for (const TextRun& run : page.runs) {
      if (run.role != FontRole::kBody) continue;
      Check(!run.text.empty(), "an empty run", in.solution);
      Check(last == nullptr || run.baseline > last->baseline || (run.baseline == last->baseline && run.x > last->x),
            "runs out of reading order", run.text);
      Check(run.x >= margin - 1e-6 &&
                run.x + measure.Advance(run.text, FontRole::kBody) <= doc.size.width - margin + 1e-6,
            "a run outside the margins", run.text);
      Check(run.baseline + measure.Descent(FontRole::kBody) <= doc.size.height - margin + 1e-6,
            "a run below the bottom margin", run.text);
      last = &run;
      (answer ? key : body) += Shown(run.text, hyphens && !answer);
    }
  }
  Check(body == Shown(in.solution, hyphens), "the solution text is not laid out whole and in order", in.solution);
  const bool keyShown = s.answerKey && !Shown(in.original, false).empty();
  Check(keyShown == (doc.firstAnswerPage >= 0), "the answer key is missing or unasked", in.original);
  Check(key == (keyShown ? Shown(in.original, false) : Text()), "the answer key is not laid out whole and in order",
        in.original);
}

}  // namespace
}  // namespace tesmoran::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tesmoran::SyllabifierLoad load = tesmoran::LoadSyllabifier();
  if (!load.syllabifier) {
    std::fprintf(stderr, "%s\n", tesmoran::EncodeUtf8(load.error).c_str());
    std::exit(1);
  }
  tesmoran::fuzz::gEngine = std::move(load.syllabifier);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesmoran;
  fuzz::FuzzInput input(data, size);
  const SheetSettings settings = fuzz::Settings(input);
  SheetInput in;
  in.original = input.ShortText(40);
  in.solution = input.RestText();
  fuzz::CheckSheet(in, settings);
  return 0;
}
