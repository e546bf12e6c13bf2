#include <gtest/gtest.h>

#include "files/TextFileDecoding.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

struct DecodeCase {
  const char* name;
  std::string bytes;
  bool cutShort;
  std::optional<Text> text;
};

class DecodeTextFileTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTextFileTest, ReadsTheRightCharacters) {
  const auto text = DecodeTextFile(GetParam().bytes, GetParam().cutShort);
  ASSERT_EQ(text.has_value(), GetParam().text.has_value());
  if (text) {
    EXPECT_EQ(EncodeUtf8(*text), EncodeUtf8(*GetParam().text));
  }
}

const Text kGerman = U"Größere Äpfel für Übermütige";

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTextFileTest,
    ::testing::Values(
        DecodeCase{"PlainAscii", "Der Hund.\r\n", false, U"Der Hund.\r\n"},
        DecodeCase{"CodePage1252", "Gr\xF6\xDF" "ere \xC4pfel f\xFCr \xDC" "berm\xFCtige", false, kGerman},
        DecodeCase{"Utf8WithUmlauts", EncodeUtf8(kGerman), false, kGerman},
        DecodeCase{"Utf8ByteOrderMarkDropped", "\xEF\xBB\xBF" + EncodeUtf8(kGerman), false, kGerman},
        DecodeCase{"EuroSignOfCodePage", "5 \x80", false, U"5 €"},
        DecodeCase{"ByteOrderMarkThenInvalidUtf8", "\xEF\xBB\xBF\xF6", false, std::nullopt},
        DecodeCase{"NulByte", std::string("ab\0cd", 5), false, std::nullopt},
        DecodeCase{"ControlByte", "ab\x01", false, std::nullopt},
        DecodeCase{"UnassignedCodePageByte", "ab\x81", false, std::nullopt},
        DecodeCase{"TabFormFeedAllowed", "a\tb\x0C", false, U"a\tb\f"},
        DecodeCase{"EndOfFileMarkAtEndDropped", "Ende\r\n\x1A", false, U"Ende\r\n"},
        DecodeCase{"EndOfFileMarkInsideIsBinary", "\x89PNG\r\n\x1A\n\x01", false, std::nullopt},
        DecodeCase{"Utf8CutAtTheEnd", "Stra\xC3\x9F" "e \xC3", true, U"Straße "},
        DecodeCase{"CutShortStillCodePage", "Stra\xDF" "e", true, U"Straße"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tesmoran
