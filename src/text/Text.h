// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's text type: one element per character (a Unicode code point).
// Every text that the exercises see is made of such characters; line breaks
// are the two characters CR (13) and LF (10).
#include <string>
#include <string_view>

namespace tesmoran {

using Char = char32_t;
using Text = std::u32string;
using TextView = std::u32string_view;

inline constexpr Char kCR = 13;
inline constexpr Char kLF = 10;
inline constexpr Char kSpace = U' ';
inline constexpr TextView kCrLf = U"\r\n";

// True for the characters with the codes 0 to 31 (tab, CR, LF, ...).
constexpr bool IsControlChar(Char c) { return c < 32; }

}  // namespace tesmoran
