// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/RecoveryFormat.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "text/Utf8.h"

namespace tesmoran {
namespace {

constexpr std::string_view kMagic = "tesmoran-recovery";

std::string Number(std::size_t n) { return std::to_string(n); }

void PutText(std::string& out, TextView text) {
  const std::string bytes = EncodeUtf8(text);
  out += bytes;
  out += '\n';
}

// Reads the format front to back; the first fault stops it and is kept.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool Failed() const { return !why_.empty(); }
  const Text& Why() const { return why_; }
  std::size_t Position() const { return pos_; }
  bool AtEnd() const { return pos_ == bytes_.size(); }

  void Fail(Text why) {
    if (why_.empty()) why_ = std::move(why);
  }

  // The next line without its LF; a missing LF is a fault.
  std::string_view Line() {
    if (Failed()) return {};
    const std::size_t end = bytes_.find('\n', pos_);
    if (end == std::string_view::npos) {
      Fail(U"Die Datei ist unvollständig.");
      return {};
    }
    const std::string_view line = bytes_.substr(pos_, end - pos_);
    pos_ = end + 1;
    return line;
  }

  // A line "<tag> <n1> <n2> ..." with exactly `count` plain decimal numbers.
  std::vector<std::size_t> Tagged(std::string_view tag, std::size_t count) {
    std::string_view line = Line();
    std::vector<std::size_t> numbers;
    if (Failed()) return numbers;
    if (!line.starts_with(tag) || line.size() == tag.size()) return Broken(), numbers;
    line.remove_prefix(tag.size());
    while (!line.empty()) {
      if (line.front() != ' ') return Broken(), numbers;
      line.remove_prefix(1);
      std::size_t digits = 0, value = 0;
      while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
        if (digits == 10) return Broken(), numbers;  // no count of this file reaches ten digits
        value = value * 10 + static_cast<std::size_t>(line[digits] - '0');
        ++digits;
      }
      if (digits == 0 || (digits > 1 && line[0] == '0')) return Broken(), numbers;
      numbers.push_back(value);
      line.remove_prefix(digits);
    }
    if (numbers.size() != count) Broken();
    return numbers;
  }

  std::size_t Tagged(std::string_view tag) {
    const std::vector<std::size_t> numbers = Tagged(tag, 1);
    return Failed() ? 0 : numbers[0];
  }

  // `length` bytes of UTF-8 text followed by LF.
  Text TextOf(std::size_t length) {
    if (Failed()) return Text();
    if (length >= bytes_.size() - pos_) {
      Fail(U"Die Datei ist unvollständig.");
      return Text();
    }
    if (bytes_[pos_ + length] != '\n') {
      Broken();
      return Text();
    }
    std::optional<Text> text = DecodeUtf8(bytes_.substr(pos_, length));
    pos_ += length + 1;
    if (!text) {
      Fail(U"Die Datei enthält ungültige Zeichen.");
      return Text();
    }
    return *text;
  }

 private:
  void Broken() { Fail(U"Der Aufbau der Datei stimmt nicht."); }

  std::string_view bytes_;
  std::size_t pos_ = 0;
  Text why_;
};

std::string Hex8(unsigned value) {
  char buffer[9];
  std::snprintf(buffer, sizeof buffer, "%08x", value);
  return buffer;
}

}  // namespace

unsigned Crc32(std::string_view bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char byte : bytes) crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::string WriteRecovery(const Worksheet& ws) {
  std::string out;
  out += std::string(kMagic) + " " + Number(kRecoveryFormatVersion) + "\n";
  const Text& original = ws.Text1.text;
  out += "original " + Number(EncodeUtf8(original).size()) + " " + Number(ws.Text1.selStart) + " " +
         Number(ws.Text1.selLength) + "\n";
  PutText(out, original);
  out += "solution " + Number(EncodeUtf8(ws.Text2).size()) + "\n";
  PutText(out, ws.Text2);
  out += "mode " + Number(ws.Liste3 == kModeExtend ? kModeExtend : kModeReplace) + "\n";
  out += "words " + Number(ws.Liste2.Count()) + "\n";
  for (const WordEntry& entry : ws.Liste2.Entries()) {
    out += (entry.selected ? "1 " : "0 ") + Number(EncodeUtf8(entry.text).size()) + "\n";
    PutText(out, entry.text);
  }
  out += "backup " + Number(ws.Liste4.size()) + "\n";
  for (const Text& entry : ws.Liste4) {
    out += Number(EncodeUtf8(entry).size()) + "\n";
    PutText(out, entry);
  }
  out += "crc32 " + Hex8(Crc32(out)) + "\n";
  return out;
}

std::optional<Worksheet> ReadRecovery(std::string_view bytes, Text* why) {
  Reader in(bytes);
  Worksheet ws;
  const auto refuse = [&in, why](Text reason) -> std::optional<Worksheet> {
    in.Fail(std::move(reason));
    if (why) *why = in.Why();
    return std::nullopt;
  };

  if (!bytes.starts_with(kMagic)) return refuse(U"Die Datei ist keine Wiederherstellungsdatei.");
  const std::string_view head = in.Line();
  if (head != std::string(kMagic) + " " + Number(kRecoveryFormatVersion)) {
    return refuse(U"Die Datei stammt aus einer anderen Programmversion.");
  }

  const std::vector<std::size_t> original = in.Tagged("original", 3);
  if (!in.Failed()) {
    ws.Text1.text = in.TextOf(original[0]);
    ws.Text1.selStart = original[1];
    ws.Text1.selLength = original[2];
    if (!in.Failed() && (original[1] > ws.Text1.text.size() || original[2] > ws.Text1.text.size() - original[1])) {
      in.Fail(U"Der markierte Teil liegt außerhalb des Textes.");
    }
  }
  ws.Text2 = in.TextOf(in.Tagged("solution"));
  const std::size_t mode = in.Tagged("mode");
  if (!in.Failed() && mode != kModeReplace && mode != kModeExtend) in.Fail(U"Der Arbeitsmodus ist unbekannt.");
  ws.Liste3 = static_cast<int>(mode);

  const std::size_t words = in.Tagged("words");
  if (!in.Failed() && words > WordList::kMaxEntries) in.Fail(U"Die Wörterliste ist zu lang.");
  std::vector<Text> texts;
  std::vector<bool> selected;
  for (std::size_t i = 0; i < words && !in.Failed(); ++i) {
    const std::string_view line = in.Line();
    if (!line.starts_with("0 ") && !line.starts_with("1 ")) {
      in.Fail(U"Der Aufbau der Datei stimmt nicht.");
      break;
    }
    selected.push_back(line[0] == '1');
    // The rest of the line is the length; read it with the same strictness.
    const std::string rest = "n" + std::string(line.substr(1)) + "\n";
    Reader length(rest);
    const std::size_t n = length.Tagged("n");
    if (length.Failed()) in.Fail(length.Why());
    texts.push_back(in.TextOf(n));
  }
  const std::size_t backups = in.Tagged("backup");
  if (!in.Failed() && backups > WordList::kMaxEntries) in.Fail(U"Die Sicherung der Wörterliste ist zu lang.");
  for (std::size_t i = 0; i < backups && !in.Failed(); ++i) {
    const std::string rest = "n " + std::string(in.Line()) + "\n";
    Reader length(rest);
    const std::size_t n = length.Tagged("n");
    if (length.Failed()) in.Fail(length.Why());
    ws.Liste4.push_back(in.TextOf(n));
  }
  if (in.Failed()) return refuse(in.Why());

  const std::size_t checked = in.Position();
  const std::string_view sum = in.Line();
  if (in.Failed() || sum != "crc32 " + Hex8(Crc32(bytes.substr(0, checked)))) {
    return refuse(U"Die Prüfsumme stimmt nicht.");
  }
  if (!in.AtEnd()) return refuse(U"Hinter dem Ende der Daten steht noch etwas.");

  ws.Liste2.Assign(texts);
  for (std::size_t i = 0; i < selected.size(); ++i) ws.Liste2.SetSelected(i, selected[i]);
  return ws;
}

}  // namespace tesmoran
