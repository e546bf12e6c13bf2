// The worked examples of every exercise, run through tesmoran-cli with the
// text on standard input, byte for byte.
#include <gtest/gtest.h>

#include "CliRunner.h"

namespace tesmoran {
namespace {

using testing::RunCliWith;

struct Example {
  std::vector<std::string> args;  // exercise and options
  std::string input;              // standard input
  std::string expected;           // standard output without its final newline
};

void PrintTo(const Example& e, std::ostream* os) {
  *os << e.args.front() << " on \"" << e.input << "\"";
}

class CliExample : public ::testing::TestWithParam<Example> {};

TEST_P(CliExample, PrintsTheExpectedSolutionText) {
  const Example& e = GetParam();
  testing::CliResult result = RunCliWith(e.args, e.input);
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, e.expected + "\n");
  EXPECT_EQ(result.err, "");
}

const std::string kDog = "Der Hund bellt. Die Katze miaut.";
const std::string kRain = "Es regnet.\r\nWir bleiben da.";

INSTANTIATE_TEST_SUITE_P(
    CaseAndReversal, CliExample,
    ::testing::Values(
        Example{{"grossletter"}, kDog, "DER HUND BELLT. DIE KATZE MIAUT."},
        Example{{"kleinletter"}, kDog, "der hund bellt. die katze miaut."},
        Example{{"rueckwaertstext"}, kDog, ".tuaim eztaK eiD .tlleb dnuH reD"},
        Example{{"umkehrtext"}, kDog, ". miaut Katze Die. bellt Hund Der"},
        Example{{"umkehrwort"}, kDog, "reD dnuH tlleb. eiD eztaK tuaim."},
        Example{{"umkehrsatz"}, kDog, ". bellt Hund Der. miaut Katze Die "},
        Example{{"rueckwaertssatz"}, kDog, ".tlleb dnuH reD.tuaim eztaK eiD "},
        Example{{"bandwurmtext"}, kDog, "DerHundbellt.DieKatzemiaut."},
        Example{{"Großletter"}, "Straße über Äpfel", "STRAßE ÜBER ÄPFEL"},
        Example{{"grossletter"}, "Der Hund.\r\nDie Katze.", "DER HUND.DIE KATZE."},
        Example{{"kleinletter"}, "a\tÄ ß", "aä ß"},
        Example{{"umkehrwort"}, "Hund", "dnuH"},
        Example{{"umkehrwort"}, "Hund, Katze", "dnuH, eztaK"},
        Example{{"umkehrtext"}, "Der Hund bellt.", ". bellt Hund Der"},
        Example{{"umkehrtext"}, "Der Hund bellt", " bellt Hund Der"},
        Example{{"umkehrtext"}, "Was?!", "! Was?"},
        Example{{"umkehrtext"}, "z.B.", ". z.B"},
        Example{{"umkehrsatz"}, "Der Hund bellt", " bellt Hund Der"},
        Example{{"rueckwaertssatz"}, "Was?! Nein.", "?saW.nieN !"},
        Example{{"bandwurmtext"}, "a  b", "a b"},
        Example{{"bandwurmtext"}, "a b ", "ab"}));

INSTANTIATE_TEST_SUITE_P(
    Gaps, CliExample,
    ::testing::Values(
        Example{{"lueckentext", "--answer", "no"}, "Tom hat Hunger.", "______ hat ____________."},
        Example{{"lueckentext", "--answer", "yes"}, "Tom hat Hunger.", "Tom ______ Hunger."},
        Example{{"lueckentext"}, "Tom hat Hunger.", "Tom ______ Hunger."},
        Example{{"lueckentext", "--answer", "no"}, "Ja, nein. So", "____, nein.______"},
        Example{{"lueckentext", "--answer", "yes"}, "Ja, nein. So", "Ja,__________. So"},
        Example{{"lueckentext", "--answer", "yes"}, " Tom hat", " ______ hat"},
        Example{{"lueckentext", "--answer", "no"}, " Tom hat", " Tom ______"},
        Example{{"lueckentext", "--answer", "yes"}, "Was?! Ja.", "Was?__ Ja."},
        Example{{"lueckentext", "--answer", "yes"}, "Ja.\r\nSo", "Ja.________"},
        Example{{"lueckentext", "--answer", "no"}, "Ja.\r\nSo", "____.So"},
        Example{{"wortrahmen"}, kRain, "Es r____t.___r b_____n da."},
        Example{{"luecken-woerter", "--answer", "no"}, "Oma isst Eis.", "_m_ _s_t _i_."},
        Example{{"luecken-woerter", "--answer", "yes"}, "Oma isst Eis.", "O_a i_s_ E_s."},
        Example{{"wortrahmen"}, "Oma isst Eis.", "O_a i__t E_s."},
        Example{{"luecken-woerter", "--answer", "no"}, "Oma isst Eis", "_m_ _s_t _i_"},
        Example{{"wortrahmen"}, "Sonne", "S___e"},
        Example{{"wortrahmen"}, "Ja, so.", "Ja, so."},
        Example{{"buchstaben", "--letters", "e"}, "Der Esel geht.", "D_r Es_l g_ht."},
        Example{{"buchstaben", "--letters", "eE"}, "Der Esel geht.", "D_r _s_l g_ht."},
        Example{{"luecken-woerter", "--words", "--answer", "no"}, "Sonne\r\n\r\n", "_o_n_\n"},
        Example{{"luecken-woerter", "--words", "--answer", "yes"}, "Sonne\n\n", "S_n_e\n"},
        Example{{"wortrahmen", "--words"}, "Sonne\n\n", "S___e\n"}));

INSTANTIATE_TEST_SUITE_P(
    FirstLetters, CliExample,
    ::testing::Values(
        Example{{"nur-erstletter"}, "Der Hund bellt.", "D____ H______ b________."},
        Example{{"ohne-erstletter", "--answer", "no"}, "Der Hund bellt.", "_er _und _ellt."},
        Example{{"ohne-erstletter", "--answer", "yes"}, "Der Hund bellt.", "(Dd)er (Hh)und (Bb)ellt."},
        Example{{"nur-erstletter"}, "Straße, 3 Äpfel", "S__________, 3 Ä________"},
        Example{{"ohne-erstletter"}, "Straße, 3 Äpfel", "(Ss)traße, (33) (Ää)pfel"},
        Example{{"nur-erstletter"}, "Ja,nein", "J__,________"},
        Example{{"ohne-erstletter", "--answer", "no"}, "Ja,nein", "_a,nein"},
        Example{{"ohne-erstletter", "--answer", "yes"}, " ja", "(  )(Jj)a"},
        Example{{"nur-erstletter"}, kRain, "E__ r__________.______ b____________ d__."},
        Example{{"ohne-erstletter", "--answer", "no"}, kRain, "_s _egnet.ir _leiben _a."},
        Example{{"nur-erstletter", "--words"}, "Sonne\n\nX\n", "S____\n\nX"},
        Example{{"ohne-erstletter", "--words", "--answer", "no"}, "Sonne\n\n", "_onne\n_"},
        Example{{"ohne-erstletter", "--words", "--answer", "yes"}, "Sonne\n\n", "(Ss)onne\n()"}));

INSTANTIATE_TEST_SUITE_P(
    VowelsAndConsonants, CliExample,
    ::testing::Values(
        Example{{"selbstlaute"}, "Der Hund bellt.", "_e_ _u__ _e___."},
        Example{{"mitlaute"}, "Der Hund bellt.", "D_r H_nd b_llt."},
        Example{{"mitsel-woerter"}, "Der Hund bellt.", "MSM MSMM MSMMM."},
        Example{{"selbstlaute"}, "Straße, 3 Äpfel", "___a_e,  Ä__e_"},
        Example{{"mitlaute"}, "Straße, 3 Äpfel", "Str_ß_,  _pf_l"},
        Example{{"mitsel-woerter"}, "Straße, 3 Äpfel", "MMMSMS, M SMMSM"},
        Example{{"selbstlaute"}, "Öl-Fass: 3 Äpfel?", "Ö__a__:  Ä__e_?"},
        Example{{"mitlaute"}, "Öl-Fass: 3 Äpfel?", "_lF_ss:  _pf_l?"},
        Example{{"selbstlaute"}, "Handy", "_a___"},
        Example{{"mitlaute"}, "Handy", "H_ndy"},
        Example{{"mitsel-woerter"}, "Handy", "MSMMM"},
        Example{{"selbstlaute"}, "Café", "_a_"},
        Example{{"mitlaute"}, "Café", "C_f"},
        Example{{"mitsel-woerter"}, "Café", "MSMM"},
        Example{{"selbstlaute"}, "Es.\r\nWir", "E_._i_"},
        Example{{"mitsel-woerter"}, kRain, "SM MSMMSM.MMMSM MMSSMSM MS."},
        Example{{"mitsel-woerter", "--words"}, "\n", ""}));

INSTANTIATE_TEST_SUITE_P(
    ShuffleAndAlphabet, CliExample,
    ::testing::Values(
        Example{{"abc-woerter"}, "Der Hund bellt.", "Der dHnu bellt."},
        Example{{"abc-nr-woerter"}, "Der Hund bellt.", "4+5+18 8+21+14+4 2+5+12+12+20."},
        Example{{"abc-woerter"}, "Der Hund bellt", "Der dHnu bellt"},
        Example{{"abc-nr-woerter"}, "Der Hund bellt", "4+5+18 8+21+14+4 2+5+12+12+20"},
        Example{{"abc-nr-woerter"}, "Ja, nein.", "10+1, 14+5+9+14."},
        Example{{"abc-woerter"}, "Ja, nein.", "aJ, einn."},
        Example{{"abc-woerter"}, ", ja", ", aj"},
        Example{{"abc-woerter"}, "Öl-Fass: 3 Äpfel?", "aFlÖss:  Äeflp?"},
        Example{{"abc-nr-woerter"}, "Öl-Fass: 3 Äpfel?", "15+12+0+6+1+19+19: 0 1+16+6+5+12?"},
        Example{{"abc-nr-woerter"}, "a.\r\nb", "1.0+0+2"},
        Example{{"abc-woerter"}, "a.\r\nba", "a.ab"},
        Example{{"abc-woerter"}, "Bäume Straße", "äBemu aerSßt"},
        Example{{"abc-nr-woerter"}, "Bär Café", "2+1+18 3+1+6+0"},
        Example{{"purzel-woerter"}, "a. b", "a. b"},
        Example{{"abc-woerter", "--words"}, "Straße\n123\n", "aerSßt\n"},
        Example{{"abc-nr-woerter", "--words"}, "Straße\n\n", "19+20+18+1+19+5\n"}));

}  // namespace
}  // namespace tesmoran
