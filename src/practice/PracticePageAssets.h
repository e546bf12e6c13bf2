// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files the practice page is made of, built into the program: the page,
// its style and its script from practice/page/, and the subset of the
// reading font as WOFF2.  Defined in a file that the build generates.
#include <string_view>

namespace tesmoran {

std::string_view PracticePageHtml();
std::string_view PracticePageCss();
std::string_view PracticePageScript();
std::string_view PracticePageFontWoff2();
// The SHA-256 of the script element's content (the script between two line
// breaks), in hexadecimal.
std::string_view PracticePageScriptSha256Hex();

}  // namespace tesmoran
