// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/CaseMap.h"

#include <array>
#include <clocale>
#include <cwctype>
#include <locale.h>

#include "text/Cp1252.h"

namespace tesmoran {
namespace {

// Unicode simple case mapping for characters outside code page 1252, taken
// from the C library's UTF-8 character classes; null when the system lacks
// that locale, and then those characters keep their case.
locale_t& CaseLocale() {
  static locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return locale;
}

locale_t UnicodeLocale() { return CaseLocale(); }

constexpr bool IsLatin1Capital(Char c) { return c >= 0xC0 && c <= 0xDE && c != 0xD7; }
constexpr bool IsLatin1Small(Char c) { return c >= 0xE0 && c <= 0xFE && c != 0xF7; }

// The case of the first 256 characters, looked up while whole texts are
// mapped: the same as ToUpperChar/ToLowerChar give them (the control
// characters 128-159 have no case in any locale).
using Latin1Table = std::array<Char, 256>;
constexpr Latin1Table kLatin1Upper = [] {
  Latin1Table table{};
  for (Char c = 0; c < 256; ++c) {
    table[c] = (c >= U'a' && c <= U'z') || IsLatin1Small(c) ? c - 32 : c == 0xFF ? 0x0178 : c;
  }
  return table;
}();
constexpr Latin1Table kLatin1Lower = [] {
  Latin1Table table{};
  for (Char c = 0; c < 256; ++c) table[c] = (c >= U'A' && c <= U'Z') || IsLatin1Capital(c) ? c + 32 : c;
  return table;
}();

}  // namespace

Char ToUpperChar(Char c) {
  if (c >= U'a' && c <= U'z') return c - 32;
  if (IsLatin1Small(c)) return c - 32;
  switch (c) {
    case 0x0161: return 0x0160;  // š
    case 0x0153: return 0x0152;  // œ
    case 0x017E: return 0x017D;  // ž
    case 0x00FF: return 0x0178;  // ÿ
    default: break;
  }
  if (IsCp1252(c)) return c;  // ß, µ, ƒ, digits, punctuation
  locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(nullptr)) return c;
  return static_cast<Char>(towupper_l(static_cast<wint_t>(c), locale));
}

Char ToLowerChar(Char c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (IsLatin1Capital(c)) return c + 32;
  switch (c) {
    case 0x0160: return 0x0161;  // Š
    case 0x0152: return 0x0153;  // Œ
    case 0x017D: return 0x017E;  // Ž
    case 0x0178: return 0x00FF;  // Ÿ
    default: break;
  }
  if (IsCp1252(c)) return c;
  locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(nullptr)) return c;
  return static_cast<Char>(towlower_l(static_cast<wint_t>(c), locale));
}

void UseCaseLocaleForTesting(const char* name) {
  locale_t& locale = CaseLocale();
  if (locale != static_cast<locale_t>(nullptr)) freelocale(locale);
  locale = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr));
}

Text ToUpper(TextView text) {
  Text out(text);
  for (Char& c : out) c = c < kLatin1Upper.size() ? kLatin1Upper[c] : ToUpperChar(c);
  return out;
}

Text ToLower(TextView text) {
  Text out(text);
  for (Char& c : out) c = c < kLatin1Lower.size() ? kLatin1Lower[c] : ToLowerChar(c);
  return out;
}

}  // namespace tesmoran
