// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the fuzzer's bytes into the inputs of the program's functions:
// numbers, yes/no answers and texts.  Texts draw most characters from a
// short list of those that matter to the exercises (letters in both cases,
// umlauts, ß, delimiters, line breaks, characters outside code page 1252)
// and now and then any code point.  Running out of bytes gives zeros and
// empty texts, never an error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "platform/UiServices.h"
#include "text/Text.h"
#include "text/Utf8.h"

namespace tesmoran::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return pos_ >= size_; }

  std::uint8_t Byte() { return Empty() ? 0 : data_[pos_++]; }

  // A number from 0 to max.
  std::size_t Number(std::size_t max) {
    const std::size_t raw = (std::size_t{Byte()} << 8) | Byte();
    return max == 0 ? 0 : raw % (max + 1);
  }

  bool Flag() { return (Byte() & 1) != 0; }

  Char Character() {
    static constexpr TextView kCommon =
        U"aabbcdeinrstAABBEHSZäöüÄÖÜßÿŸµé  .,;:!?-'\"\r\n\t0129_€Œœ";
    const std::uint8_t b = Byte();
    if (b < 0xF0) return kCommon[b % kCommon.size()];
    Char c = (static_cast<Char>(b & 0x0F) << 16) | (static_cast<Char>(Byte()) << 8) | Byte();
    if (c > 0x10FFFF) c &= 0xFFFF;
    if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
    return c;
  }

  // A text of up to maxLength characters, its length taken from the input.
  Text ShortText(std::size_t maxLength) {
    Text text(Number(maxLength), U'\0');
    for (Char& c : text) c = Character();
    return text;
  }

  // Every character the rest of the input gives.
  Text RestText() {
    Text text;
    while (!Empty()) text.push_back(Character());
    return text;
  }

  // The bytes not read yet.
  std::string_view RestBytes() {
    const std::string_view rest(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
    pos_ = size_;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// The user-interface services answered from the input: Yes or No for a
// message box with two buttons, a short text (perhaps empty) for an input
// box; the clipboard is kept like a real one.
class FuzzUi : public UiServices {
 public:
  explicit FuzzUi(FuzzInput& input) : input_(input) {}

  int MessageBox(const Text&, int styleValue, const Text&) override {
    if (!IsYesNoStyle(styleValue)) return kAnswerOk;
    return input_.Flag() ? kAnswerYes : kAnswerNo;
  }
  Text InputBox(const Text&, const Text&, const Text&) override {
    if (!nextAnswer_.empty()) return std::exchange(nextAnswer_, Text());
    return input_.ShortText(6);
  }
  // The answer of the next input box, instead of one from the input.
  void AnswerNextInput(Text answer) { nextAnswer_ = std::move(answer); }
  Text ClipboardText() override { return clipboard_; }
  void SetClipboardText(const Text& text) override { clipboard_ = text; }

 private:
  FuzzInput& input_;
  Text clipboard_;
  Text nextAnswer_;
};

// Stops the run with a message that libFuzzer reports with the input.
[[noreturn]] inline void Fail(const char* what, TextView detail = TextView()) {
  std::fprintf(stderr, "invariant broken: %s [%s]\n", what, EncodeUtf8(detail).c_str());
  std::abort();
}

inline void Check(bool condition, const char* what, TextView detail = TextView()) {
  if (!condition) Fail(what, detail);
}

}  // namespace tesmoran::fuzz
