// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The character sets of the exercises.  Membership is an exact comparison of
// one character with the characters of a set: capital and small letters are
// different characters, «a» is not «ä».  Characters outside code page 1252
// belong to no set.
#include <array>
#include <cstdint>

#include "text/Text.h"

namespace tesmoran {

// Separate the words of the word exercises.  Line breaks, tab, hyphen,
// apostrophes, quotation marks and digits are never delimiters.
inline constexpr TextView WordDelimiters = U" .:!?,;";
// Moved in front of their word when the word order is reversed; no space.
inline constexpr TextView PunctuationMarks = U".,;:!?";
// End a sentence; no comma, no semicolon.
inline constexpr TextView SentenceEnds = U".:!?";
// The vowels, umlauts included.
inline constexpr TextView Vowels = U"AaEeIiOoUuÄäÖöÜü";
// The consonant letters in both forms, «Y»/«y» and «ß» included.
inline constexpr TextView Consonants = U"BbCcDdFfGgHhJjKkLlMmNnPpQqRrSsßTtVvWwXxYyZz";
// The order of the alphabet exercise: the capital before the small letter,
// the umlauts right after their base letter, «ß» right after «s».
inline constexpr TextView AlphabetOrder = U"AaÄäBbCcDdEeFfGgHhIiJjKkLlMmNnOoÖöPpQqRrSsßTtUuÜüVvWwXxYyZz";
// A letter's number is its position here (A = 1 ... Z = 26).
inline constexpr TextView LetterTable = U"ABCDEFGHIJKLMNOPQRSTUVWXYZ";

namespace detail {

enum CharClass : std::uint8_t {
  kWordDelimiter = 1,
  kPunctuationMark = 2,
  kSentenceEnd = 4,
  kVowel = 8,
  kConsonant = 16,
};

constexpr std::array<std::uint8_t, 256> BuildClassTable() {
  std::array<std::uint8_t, 256> table{};
  auto mark = [&table](TextView set, std::uint8_t flag) {
    for (Char c : set) table[c] |= flag;
  };
  mark(WordDelimiters, kWordDelimiter);
  mark(PunctuationMarks, kPunctuationMark);
  mark(SentenceEnds, kSentenceEnd);
  mark(Vowels, kVowel);
  mark(Consonants, kConsonant);
  return table;
}

inline constexpr std::array<std::uint8_t, 256> kClassTable = BuildClassTable();

constexpr bool HasClass(Char c, std::uint8_t flag) { return c < 256 && (kClassTable[c] & flag) != 0; }

}  // namespace detail

constexpr bool IsWordDelimiter(Char c) { return detail::HasClass(c, detail::kWordDelimiter); }
constexpr bool IsPunctuationMark(Char c) { return detail::HasClass(c, detail::kPunctuationMark); }
constexpr bool IsSentenceEnd(Char c) { return detail::HasClass(c, detail::kSentenceEnd); }
constexpr bool IsVowel(Char c) { return detail::HasClass(c, detail::kVowel); }
constexpr bool IsConsonant(Char c) { return detail::HasClass(c, detail::kConsonant); }

}  // namespace tesmoran
