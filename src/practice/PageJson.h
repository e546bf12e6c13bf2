// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces of the practice page's data: text as JSON strings that may sit
// inside an HTML script element, Base64, and the answers in a form that
// cannot be read in the page's source.
#include <cstdint>
#include <string>
#include <string_view>

#include "text/Text.h"

namespace tesmoran {

// Appends text as a JSON string in UTF-8.  Besides the quotation mark, the
// backslash and the control characters, <, >, &, U+2028 and U+2029 are
// written as \u escapes, so that no text can end the script element or the
// script around it.
void AppendJsonString(TextView text, std::string& out);

// The text with &, <, > and the quotation marks as character references.
std::string HtmlEscaped(TextView text);

std::string Base64(std::string_view bytes);

// A key for the hidden answers, taken from the text so that the same text
// gives the same page.
std::uint32_t AnswerKey(TextView text);

// The UTF-8 bytes of the text, each XOR-ed with the next byte of an
// xorshift32 stream that starts from the key, then Base64.  The page's
// script undoes it with the same stream.
std::string HiddenText(TextView text, std::uint32_t key);

}  // namespace tesmoran
