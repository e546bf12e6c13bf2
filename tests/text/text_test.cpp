// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "text/CaseMap.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

TEST(CaseMap, FollowsTheCodePagePairsAndUnicodeOutsideTheCodePage) {
  const struct {
    const char* name;
    Text text, upper, lower;
  } rows[] = {
      {"small letters of the code page", U"Straße àéîõüýþ šœžÿ", U"STRAßE ÀÉÎÕÜÝÞ ŠŒŽŸ", U"straße àéîõüýþ šœžÿ"},
      // × and ÷ are no letters; µ and ƒ have no capital in the code page.
      {"capitals and signs of the code page", U"×÷µƒ ÀÞŠŒŽŸ", U"×÷µƒ ÀÞŠŒŽŸ", U"×÷µƒ àþšœžÿ"},
      {"outside the code page", U"Ayşe Łukasz Ω 😀", U"AYŞE ŁUKASZ Ω 😀", U"ayşe łukasz ω 😀"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ToUpper(row.text), row.upper);
    EXPECT_EQ(ToLower(row.text), row.lower);
  }
}

// A system without the C library's Unicode locale, for as long as it lives.
class WithoutUnicodeLocale {
 public:
  WithoutUnicodeLocale() { UseCaseLocaleForTesting("xx_XX.kein-solches-Gebietsschema"); }
  ~WithoutUnicodeLocale() { UseCaseLocaleForTesting("C.UTF-8"); }
};

TEST(CaseMap, WithoutTheUnicodeLocaleMapsTheCodePagePairsAndLeavesOtherCharacters) {
  WithoutUnicodeLocale missing;
  EXPECT_EQ(ToUpper(U"straße àéîõüýþ šœžÿ ş ł ω ж"), U"STRAßE ÀÉÎÕÜÝÞ ŠŒŽŸ ş ł ω ж");
  EXPECT_EQ(ToLower(U"STRAßE ÀÉÎÕÜÝÞ ŠŒŽŸ Ş Ł Ω Ж"), U"straße àéîõüýþ šœžÿ Ş Ł Ω Ж");
}

// Whole texts take a faster way through the first 256 characters; every
// character must still come out as the single-character mapping gives it.
TEST(CaseMap, WholeTextsMapEveryCharacterAsSingleCharactersDo) {
  Text all;
  for (Char c = 0; c <= 0x10FFFF; ++c) all.push_back(c);
  const auto check = [&all] {
    const Text upper = ToUpper(all);
    const Text lower = ToLower(all);
    for (Char c = 0; c <= 0x10FFFF; ++c) {
      if (upper[c] != ToUpperChar(c) || lower[c] != ToLowerChar(c)) {
        ADD_FAILURE() << "character U+" << std::hex << static_cast<unsigned>(c);
        return;
      }
    }
  };
  {
    SCOPED_TRACE("with the Unicode locale");
    check();
  }
  {
    SCOPED_TRACE("without the Unicode locale");
    WithoutUnicodeLocale missing;
    check();
  }
}

TEST(Cp1252, RoundTripsEveryByteThatHasACharacter) {
  std::string all;  // every byte but the five undefined ones
  for (int b = 0; b < 256; ++b) {
    if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) all.push_back(static_cast<char>(b));
  }
  const auto text = DecodeCp1252(all);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ((*text)[0x80], U'€');
  EXPECT_EQ(EncodeCp1252(*text), all);
}

TEST(Cp1252, UndefinedBytesAndForeignCharactersAreErrors) {
  DecodeError error;
  EXPECT_FALSE(DecodeCp1252("ab\x81", &error).has_value());
  EXPECT_EQ(error.offset, 2u);
  EXPECT_FALSE(EncodeCp1252(U"Ayşe").has_value());
  EXPECT_EQ(EncodeCp1252(U"Grüße €"), std::string("Gr\xFC\xDF" "e \x80"));
}

TEST(Utf8, DecodesAndRejectsMalformedInput) {
  EXPECT_EQ(DecodeUtf8("Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80"), Text(U"Grüße 😀"));
  const std::pair<const char*, const char*> malformed[] = {
      {"lead byte at the end", "\xC3"}, {"overlong slash", "\xC0\xAF"}, {"surrogate half", "\xED\xA0\x80"},
      {"byte FF", "\xFF"},              {"stray continuation", "a\x80"},
  };
  for (const auto& [name, bytes] : malformed) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(DecodeUtf8(bytes).has_value());
  }
  EXPECT_EQ(EncodeUtf8(U"Grüße 😀"), "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace tesmoran
