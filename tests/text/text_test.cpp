#include <gtest/gtest.h>

#include "text/CaseMap.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

TEST(CaseMap, FollowsTheCodePagePairsAndUnicodeOutsideTheCodePage) {
  const struct {
    Text text, upper, lower;
  } cases[] = {
      {U"Straße àéîõüýþ šœžÿ", U"STRAßE ÀÉÎÕÜÝÞ ŠŒŽŸ", U"straße àéîõüýþ šœžÿ"},
      // × and ÷ are no letters; µ and ƒ have no capital in the code page.
      {U"×÷µƒ ÀÞŠŒŽŸ", U"×÷µƒ ÀÞŠŒŽŸ", U"×÷µƒ àþšœžÿ"},
      {U"Ayşe Łukasz Ω 😀", U"AYŞE ŁUKASZ Ω 😀", U"ayşe łukasz ω 😀"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUpper(c.text), c.upper);
    EXPECT_EQ(ToLower(c.text), c.lower);
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
  for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xFF", "a\x80"}) {
    EXPECT_FALSE(DecodeUtf8(bad).has_value()) << bad;
  }
  EXPECT_EQ(EncodeUtf8(U"Grüße 😀"), "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace tesmoran
