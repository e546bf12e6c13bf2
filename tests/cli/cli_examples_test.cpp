// The worked examples of every exercise, run through tesmoran-cli with the
// text on standard input, byte for byte.
#include <gtest/gtest.h>

#include "CliRunner.h"

namespace tesmoran {
namespace {

struct Example {
  std::string command;   // exercise and options, separated by spaces
  std::string input;     // standard input
  std::string expected;  // standard output without its final newline
};

std::vector<std::string> Words(const std::string& command) {
  std::vector<std::string> words;
  std::istringstream in(command);
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

void PrintTo(const Example& e, std::ostream* os) { *os << e.command << " on \"" << e.input << "\""; }

class CliExample : public ::testing::TestWithParam<Example> {};

TEST_P(CliExample, PrintsTheExpectedSolutionText) {
  const Example& e = GetParam();
  const testing::CliResult result = testing::RunCliWith(Words(e.command), e.input);
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, e.expected + "\n");
  EXPECT_EQ(result.err, "");
}

const std::string kDog = "Der Hund bellt. Die Katze miaut.";
const std::string kRain = "Es regnet.\r\nWir bleiben da.";

const std::vector<Example> kExamples = {
    {"grossletter", kDog, "DER HUND BELLT. DIE KATZE MIAUT."},
    {"kleinletter", kDog, "der hund bellt. die katze miaut."},
    {"rueckwaertstext", kDog, ".tuaim eztaK eiD .tlleb dnuH reD"},
    {"umkehrtext", kDog, ". miaut Katze Die. bellt Hund Der"},
    {"umkehrwort", kDog, "reD dnuH tlleb. eiD eztaK tuaim."},
    {"umkehrsatz", kDog, ". bellt Hund Der. miaut Katze Die "},
    {"rueckwaertssatz", kDog, ".tlleb dnuH reD.tuaim eztaK eiD "},
    {"bandwurmtext", kDog, "DerHundbellt.DieKatzemiaut."}, {"Großletter", "Straße über Äpfel", "STRAßE ÜBER ÄPFEL"},
    {"grossletter", "Der Hund.\r\nDie Katze.", "DER HUND.DIE KATZE."}, {"kleinletter", "a\tÄ ß", "aä ß"},
    {"umkehrwort", "Hund", "dnuH"}, {"umkehrwort", "Hund, Katze", "dnuH, eztaK"},
    {"umkehrtext", "Der Hund bellt.", ". bellt Hund Der"}, {"umkehrtext", "Der Hund bellt", " bellt Hund Der"},
    {"umkehrtext", "Was?!", "! Was?"}, {"umkehrtext", "z.B.", ". z.B"},
    {"umkehrsatz", "Der Hund bellt", " bellt Hund Der"}, {"rueckwaertssatz", "Was?! Nein.", "?saW.nieN !"},
    {"bandwurmtext", "a  b", "a b"}, {"bandwurmtext", "a b ", "ab"},
    {"lueckentext --answer no", "Tom hat Hunger.", "______ hat ____________."},
    {"lueckentext --answer yes", "Tom hat Hunger.", "Tom ______ Hunger."},
    {"lueckentext", "Tom hat Hunger.", "Tom ______ Hunger."},
    {"lueckentext --answer no", "Ja, nein. So", "____, nein.______"},
    {"lueckentext --answer yes", "Ja, nein. So", "Ja,__________. So"},
    {"lueckentext --answer yes", " Tom hat", " ______ hat"}, {"lueckentext --answer no", " Tom hat", " Tom ______"},
    {"lueckentext --answer yes", "Was?! Ja.", "Was?__ Ja."},
    {"lueckentext --answer yes", "Ja.\r\nSo", "Ja.________"}, {"lueckentext --answer no", "Ja.\r\nSo", "____.So"},
    {"wortrahmen", kRain, "Es r____t.___r b_____n da."},
    {"luecken-woerter --answer no", "Oma isst Eis.", "_m_ _s_t _i_."},
    {"luecken-woerter --answer yes", "Oma isst Eis.", "O_a i_s_ E_s."},
    {"wortrahmen", "Oma isst Eis.", "O_a i__t E_s."},
    {"luecken-woerter --answer no", "Oma isst Eis", "_m_ _s_t _i_"}, {"wortrahmen", "Sonne", "S___e"},
    {"wortrahmen", "Ja, so.", "Ja, so."}, {"buchstaben --letters e", "Der Esel geht.", "D_r Es_l g_ht."},
    {"buchstaben --letters eE", "Der Esel geht.", "D_r _s_l g_ht."},
    {"luecken-woerter --words --answer no", "Sonne\r\n\r\n", "_o_n_\n"},
    {"luecken-woerter --words --answer yes", "Sonne\n\n", "S_n_e\n"},
    {"wortrahmen --words", "Sonne\n\n", "S___e\n"},
    {"nur-erstletter", "Der Hund bellt.", "D____ H______ b________."},
    {"ohne-erstletter --answer no", "Der Hund bellt.", "_er _und _ellt."},
    {"ohne-erstletter --answer yes", "Der Hund bellt.", "(Dd)er (Hh)und (Bb)ellt."},
    {"nur-erstletter", "Straße, 3 Äpfel", "S__________, 3 Ä________"},
    {"ohne-erstletter", "Straße, 3 Äpfel", "(Ss)traße, (33) (Ää)pfel"},
    {"nur-erstletter", "Ja,nein", "J__,________"}, {"ohne-erstletter --answer no", "Ja,nein", "_a,nein"},
    {"ohne-erstletter --answer yes", " ja", "(  )(Jj)a"},
    {"nur-erstletter", kRain, "E__ r__________.______ b____________ d__."},
    {"ohne-erstletter --answer no", kRain, "_s _egnet.ir _leiben _a."},
    {"nur-erstletter --words", "Sonne\n\nX\n", "S____\n\nX"},
    {"ohne-erstletter --words --answer no", "Sonne\n\n", "_onne\n_"},
    {"ohne-erstletter --words --answer yes", "Sonne\n\n", "(Ss)onne\n()"},
    {"selbstlaute", "Der Hund bellt.", "_e_ _u__ _e___."}, {"mitlaute", "Der Hund bellt.", "D_r H_nd b_llt."},
    {"mitsel-woerter", "Der Hund bellt.", "MSM MSMM MSMMM."}, {"selbstlaute", "Straße, 3 Äpfel", "___a_e,  Ä__e_"},
    {"mitlaute", "Straße, 3 Äpfel", "Str_ß_,  _pf_l"}, {"mitsel-woerter", "Straße, 3 Äpfel", "MMMSMS, M SMMSM"},
    {"selbstlaute", "Öl-Fass: 3 Äpfel?", "Ö__a__:  Ä__e_?"}, {"mitlaute", "Öl-Fass: 3 Äpfel?", "_lF_ss:  _pf_l?"},
    {"selbstlaute", "Handy", "_a___"}, {"mitlaute", "Handy", "H_ndy"}, {"mitsel-woerter", "Handy", "MSMMM"},
    {"selbstlaute", "Café", "_a_"}, {"mitlaute", "Café", "C_f"}, {"mitsel-woerter", "Café", "MSMM"},
    {"selbstlaute", "Es.\r\nWir", "E_._i_"}, {"mitsel-woerter", kRain, "SM MSMMSM.MMMSM MMSSMSM MS."},
    {"mitsel-woerter --words", "\n", ""}, {"abc-woerter", "Der Hund bellt.", "Der dHnu bellt."},
    {"abc-nr-woerter", "Der Hund bellt.", "4+5+18 8+21+14+4 2+5+12+12+20."},
    {"abc-woerter", "Der Hund bellt", "Der dHnu bellt"},
    {"abc-nr-woerter", "Der Hund bellt", "4+5+18 8+21+14+4 2+5+12+12+20"},
    {"abc-nr-woerter", "Ja, nein.", "10+1, 14+5+9+14."}, {"abc-woerter", "Ja, nein.", "aJ, einn."},
    {"abc-woerter", ", ja", ", aj"}, {"abc-woerter", "Öl-Fass: 3 Äpfel?", "aFlÖss:  Äeflp?"},
    {"abc-nr-woerter", "Öl-Fass: 3 Äpfel?", "15+12+0+6+1+19+19: 0 1+16+6+5+12?"},
    {"abc-nr-woerter", "a.\r\nb", "1.0+0+2"}, {"abc-woerter", "a.\r\nba", "a.ab"},
    {"abc-woerter", "Bäume Straße", "äBemu aerSßt"}, {"abc-nr-woerter", "Bär Café", "2+1+18 3+1+6+0"},
    {"purzel-woerter", "a. b", "a. b"}, {"abc-woerter --words", "Straße\n123\n", "aerSßt\n"},
    {"abc-nr-woerter --words", "Straße\n\n", "19+20+18+1+19+5\n"},
};

INSTANTIATE_TEST_SUITE_P(EveryExercise, CliExample, ::testing::ValuesIn(kExamples));

}  // namespace
}  // namespace tesmoran
