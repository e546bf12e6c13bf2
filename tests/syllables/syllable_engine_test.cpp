// SPDX-License-Identifier: GPL-3.0-or-later
// The syllable engine on the installed German patterns: whole texts, the two
// kinds of syllable, the user's exceptions and loading the pattern file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "syllables/HyphenPatterns.h"
#include "syllables/HyphenateText.h"
#include "syllables/PatternSyllabifier.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {
namespace fs = std::filesystem;

std::shared_ptr<const HyphenPatterns> Patterns() {
  HyphenPatterns::Load load = HyphenPatterns::Open();
  if (load.patterns == nullptr) throw std::runtime_error(EncodeUtf8(load.error));
  return load.patterns;
}

struct TextCase {
  const char* name;
  Text text;
  Text expected;
};

TEST(PatternSyllabifier, ReadingSyllablesOfWholeTexts) {
  const TextCase cases[] = {
      {"sentence", U"Oma liest am Abend.", U"O-ma liest am A-bend."},
      {"capitals", U"OMA ÜBT DIE ÜBUNG", U"O-MA ÜBT DIE Ü-BUNG"},
      {"punctuation around words", U"„Igel!“, (Eule)?", U"„I-gel!“, (Eu-le)?"},
      {"hyphen already in the text", U"E-Mail-Adresse", U"E-Mail-A-dres-se"},
      {"digits and sharp s", U"3 Straßen, 12Füße", U"3 Stra-ßen, 12Fü-ße"},
      {"line breaks", U"Oma\r\nOpa\tUhu", U"O-ma\r\nO-pa\tU-hu"},
      {"word outside ISO-8859-1 stays whole", U"Łódź Kaffee", U"Łódź Kaf-fee"},
      {"capital sharp s", U"STRAẞE", U"STRA-ẞE"},
      {"apostrophe", U"geht's, Opa", U"geht's, O-pa"},
      {"empty text", U"", U""},
  };
  const PatternSyllabifier engine(Patterns());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EncodeUtf8(HyphenateText(c.text, engine)), EncodeUtf8(c.expected));
  }
}

TEST(PatternSyllabifier, LineBreakSyllablesLeaveNoSingleLetterAtAnEdge) {
  const TextCase cases[] = {
      {"Oma", U"Oma", U"Oma"},           {"Abend", U"Abend", U"Abend"},
      {"Igel", U"Igel", U"Igel"},        {"Elefant", U"Elefant", U"Ele-fant"},
      {"Mutter", U"Mutter", U"Mut-ter"}, {"Haustür", U"Haustür", U"Haus-tür"},
  };
  const PatternSyllabifier engine(Patterns());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(HyphenateText(c.text, engine, SyllableKind::kLineBreak), c.expected);
  }
}

TEST(PatternSyllabifier, RemembersEachWordForEachKindApart) {
  const PatternSyllabifier engine(Patterns());
  EXPECT_EQ(HyphenateText(U"Abend", engine), U"A-bend");
  EXPECT_EQ(HyphenateText(U"abend", engine, SyllableKind::kLineBreak), U"abend");
  EXPECT_EQ(HyphenateText(U"ABEND", engine), U"A-BEND");
}

TEST(PatternSyllabifier, AnOverlongWordStaysWhole) {
  const PatternSyllabifier engine(Patterns());
  Text word;
  while (word.size() <= PatternSyllabifier::kMaxWordLength) word += U"mama";
  EXPECT_TRUE(engine.Breaks(word, SyllableKind::kReading).empty());
  EXPECT_FALSE(engine.Breaks(word.substr(0, PatternSyllabifier::kMaxWordLength), SyllableKind::kReading).empty());
}

TEST(PatternSyllabifier, AnExceptionHoldsInEveryCaseFormAndBothKinds) {
  const PatternSyllabifier engine(Patterns(), SyllableExceptions::Parse(U"Üb-ung\nOma\nŁó-dź"));
  EXPECT_EQ(HyphenateText(U"Übung, übung, ÜBUNG.", engine), U"Üb-ung, üb-ung, ÜB-UNG.");
  EXPECT_EQ(HyphenateText(U"Übung", engine, SyllableKind::kLineBreak), U"Üb-ung");
  EXPECT_EQ(HyphenateText(U"Oma Opa", engine), U"Oma O-pa");
  EXPECT_EQ(HyphenateText(U"Łódź", engine), U"Łó-dź");
}

// A scratch pattern file that is removed again.
struct PatternFile {
  explicit PatternFile(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  ~PatternFile() {
    std::error_code ignored;
    fs::remove(path, ignored);
  }
  std::string path = (fs::temp_directory_path() /
                      ("tesmoran-patterns-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".dic"))
                         .string();
  static inline int counter = 0;
};

TEST(HyphenPatterns, AMissingFileNamesThePackageInGerman) {
  const SyllabifierLoad load = LoadSyllabifier("/nonexistent/hyph_de_DE.dic");
  EXPECT_EQ(load.syllabifier, nullptr);
  EXPECT_EQ(load.error,
            U"Silbentrennung nicht möglich: Die Datei mit den deutschen Trennmustern „/nonexistent/hyph_de_DE.dic“ "
            U"fehlt. Bitte installieren Sie das Paket tesmoran neu.");
}

TEST(HyphenPatterns, AFileWithAnUnknownCharacterSetIsRefused) {
  const PatternFile file("KOI8-R\n1a1\n");
  const HyphenPatterns::Load load = HyphenPatterns::Open(file.path);
  EXPECT_EQ(load.patterns, nullptr);
  EXPECT_EQ(load.error, U"Silbentrennung nicht möglich: Die Datei „" + DecodeUtf8(file.path).value() +
                            U"“ enthält keine lesbaren Trennmuster. Bitte installieren Sie das Paket tesmoran neu.");
}

TEST(HyphenPatterns, WordsAreConvertedIntoTheFilesCharacterSet) {
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"ISO-8859-1",
       "ISO8859-1\n1\xE4"
       "1\n"},
      {"UTF-8",
       "UTF-8\n1\xC3\xA4"
       "1\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const PatternFile file(c.bytes);
    const HyphenPatterns::Load load = HyphenPatterns::Open(file.path);
    ASSERT_NE(load.patterns, nullptr);
    EXPECT_EQ(load.patterns->Breaks(U"bäbäb", {1, 1, 1, 1}), std::vector<std::size_t>({1, 2, 3, 4}));
    EXPECT_TRUE(load.patterns->Breaks(U"bżb", {1, 1, 1, 1}).empty());
  }
}

TEST(HyphenPatterns, TheFileIsReadOnceAndShared) {
  const HyphenPatterns::Load first = HyphenPatterns::Open();
  const HyphenPatterns::Load again = HyphenPatterns::Open(DefaultHyphenPatternPath());
  ASSERT_NE(first.patterns, nullptr);
  EXPECT_EQ(first.patterns, again.patterns);
}

}  // namespace
}  // namespace tesmoran
