// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/CliTextIo.h"

#include <algorithm>
#include <cstdio>
#include <istream>
#include <ostream>

#include "app/cli/CliOptions.h"
#include "files/LimitedRead.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::size_t kReadBlock = std::size_t{1} << 16;
constexpr std::size_t kWriteBlockChars = std::size_t{1} << 14;

std::string EncodingName(CliEncoding encoding) { return encoding == CliEncoding::kUtf8 ? "UTF-8" : "Codepage 1252"; }

std::string Hex(unsigned value, int digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
  return buffer;
}

void ReportUndecodable(std::string_view bytes, DecodeError error, CliEncoding encoding, std::size_t offsetShift,
                       std::string_view what, const CliContext& context) {
  const auto byte = static_cast<unsigned char>(bytes[error.offset]);
  std::string message = std::string(what) + " ist kein gültiges " + EncodingName(encoding) + " (Byte 0x" +
                        Hex(byte, 2) + " an Stelle " + std::to_string(error.offset + offsetShift) + ")";
  if (encoding == CliEncoding::kUtf8) message += "; vielleicht mit --encoding cp1252";
  context.Error(message + "; nichts geschrieben");
}

// The text has room for `spare` more characters (see ReadCliText).
std::optional<Text> Decode(std::string_view bytes, CliEncoding encoding, std::size_t offsetShift, std::string_view what,
                           const CliContext& context, std::size_t spare = 0) {
  DecodeError error;
  std::optional<Text> text =
      encoding == CliEncoding::kUtf8 ? DecodeUtf8(bytes, &error, spare) : DecodeCp1252(bytes, &error, spare);
  if (!text) ReportUndecodable(bytes, error, encoding, offsetShift, what, context);
  return text;
}

void ReportTooLarge(const CliContext& context) {
  context.Error("die Eingabe ist größer als " + EncodeUtf8(SizeInWords(context.readLimit)) + "; nichts geschrieben");
}

// The number of bytes left in a stream that can tell it; nullopt when it
// cannot, or tells none (some files only show their bytes when read).
std::optional<std::size_t> StreamLength(std::streambuf& buffer) {
  const std::streampos here = buffer.pubseekoff(0, std::ios::cur, std::ios::in);
  if (here == std::streampos(-1)) return std::nullopt;
  const std::streampos end = buffer.pubseekoff(0, std::ios::end, std::ios::in);
  buffer.pubseekpos(here, std::ios::in);
  if (end == std::streampos(-1) || end <= here) return std::nullopt;
  return static_cast<std::size_t>(end - here);
}

// Standard input of a known length, read a block at a time and decoded
// block by block into a text with room for that many characters (and one
// more, see ReadCliText): the bytes and the characters of a long input are
// never held at once.  The messages are those of reading all bytes first.
std::optional<Text> ReadAndDecodeStream(std::streambuf& buffer, std::size_t length, CliEncoding encoding,
                                        const CliContext& context) {
  const bool utf8 = encoding == CliEncoding::kUtf8;
  Text text(length + 1, Char{0});
  std::size_t count = 0;    // characters decoded
  std::size_t offset = 0;   // where the first byte of pending lies in the input
  std::size_t total = 0;    // bytes read
  bool bomChecked = !utf8;  // whether a byte order mark at the start was looked for
  std::string pending;      // bytes read and not decoded yet
  // Decodes pending but its last `keep` bytes; false after a message.
  const auto decode = [&](std::size_t keep) {
    std::string_view part = std::string_view(pending).substr(0, pending.size() - keep);
    std::size_t skipped = 0;
    if (!bomChecked) {
      bomChecked = true;
      if (part.starts_with(kUtf8Bom)) skipped = kUtf8Bom.size();
    }
    part.remove_prefix(skipped);
    if (text.size() < count + part.size()) text.resize(count + part.size() + 1);  // the input grew meanwhile
    DecodeError error;
    std::optional<std::size_t> decoded;
    if (utf8) {
      decoded = DecodeUtf8Into(part, text.data() + count, &error);
    } else if (const std::optional<Text> characters = DecodeCp1252(part, &error)) {
      std::copy(characters->begin(), characters->end(), text.begin() + static_cast<std::ptrdiff_t>(count));
      decoded = characters->size();
    }
    if (!decoded) {
      ReportUndecodable(part, error, encoding, offset + skipped, "die Eingabe", context);
      return false;
    }
    count += *decoded;
    offset += pending.size() - keep;
    pending.erase(0, pending.size() - keep);
    return true;
  };
  char block[kReadBlock];
  for (;;) {
    const std::streamsize got = buffer.sgetn(block, sizeof block);
    if (got <= 0) break;
    total += static_cast<std::size_t>(got);
    if (total > context.readLimit) {
      ReportTooLarge(context);
      return std::nullopt;
    }
    pending.append(block, static_cast<std::size_t>(got));
    if (!bomChecked && pending.size() < kUtf8Bom.size()) continue;
    // A character cut by the end of the block is decoded with the next one.
    if (!decode(utf8 ? IncompleteUtf8Tail(pending) : 0)) return std::nullopt;
  }
  if ((!pending.empty() || !bomChecked) && !decode(0)) return std::nullopt;
  text.resize(count);
  return text;
}

}  // namespace

CliEncoding EncodingOf(const ParsedOptions& options) {
  const std::optional<std::string> name = options.Value("--encoding");
  return name && (*name == "cp1252" || *name == "CP1252" || *name == "windows-1252") ? CliEncoding::kCp1252
                                                                                     : CliEncoding::kUtf8;
}

std::optional<std::string> ReadAllBytes(std::istream& in, std::size_t limit) {
  std::string bytes;
  std::streambuf* buffer = in.rdbuf();
  if (buffer == nullptr) return bytes;
  const std::streampos here = buffer->pubseekoff(0, std::ios::cur, std::ios::in);
  if (here != std::streampos(-1)) {
    const std::streampos end = buffer->pubseekoff(0, std::ios::end, std::ios::in);
    if (end != std::streampos(-1) && end > here) {
      if (static_cast<std::size_t>(end - here) > limit) return std::nullopt;
      bytes.reserve(static_cast<std::size_t>(end - here));
    }
    buffer->pubseekpos(here, std::ios::in);
  }
  char block[kReadBlock];
  for (;;) {
    const std::streamsize got = buffer->sgetn(block, sizeof block);
    if (got <= 0) break;
    if (bytes.size() + static_cast<std::size_t>(got) > limit) return std::nullopt;
    bytes.append(block, static_cast<std::size_t>(got));
  }
  return bytes;
}

std::optional<Text> DecodeCliBytes(std::string_view bytes, CliEncoding encoding, std::string_view what,
                                   const CliContext& context, std::size_t offsetShift) {
  return Decode(bytes, encoding, offsetShift, what, context);
}

bool CheckCliBytes(std::string_view bytes, CliEncoding encoding, std::size_t offsetShift, std::string_view what,
                   const CliContext& context) {
  if (encoding == CliEncoding::kUtf8) {
    DecodeError error;
    if (IsValidUtf8(bytes, &error)) return true;
    ReportUndecodable(bytes, error, encoding, offsetShift, what, context);
    return false;
  }
  // One byte is one character: the bytes are decoded a block at a time.
  for (std::size_t start = 0; start < bytes.size(); start += kReadBlock) {
    if (!Decode(bytes.substr(start, kReadBlock), encoding, offsetShift + start, what, context)) return false;
  }
  return true;
}

std::optional<CliBytes> ReadCliBytes(const ParsedOptions& options, CliEncoding encoding, const CliContext& context) {
  CliBytes text;
  if (std::optional<std::string> given = options.Value("--text")) {
    text.bytes = std::move(*given);
    text.what = "--text";
  } else {
    std::optional<std::string> read = ReadAllBytes(context.in, context.readLimit);
    if (!read) {
      ReportTooLarge(context);
      return std::nullopt;
    }
    text.bytes = std::move(*read);
    text.what = "die Eingabe";
  }
  if (encoding == CliEncoding::kUtf8 && text.bytes.starts_with(kUtf8Bom)) text.start = kUtf8Bom.size();
  return text;
}

std::optional<Text> ReadCliText(const ParsedOptions& options, CliEncoding encoding, const CliContext& context) {
  std::streambuf* buffer = context.in.rdbuf();
  if (!options.Has("--text") && buffer != nullptr) {
    if (const std::optional<std::size_t> length = StreamLength(*buffer)) {
      if (*length > context.readLimit) {
        ReportTooLarge(context);
        return std::nullopt;
      }
      return ReadAndDecodeStream(*buffer, *length, encoding, context);
    }
  }
  const std::optional<CliBytes> text = ReadCliBytes(options, encoding, context);
  if (!text) return std::nullopt;
  // Room for one more character: "Umkehrtext" puts a space in front of the
  // text in the text's own storage, which a full one would have to leave.
  return Decode(text->View(), encoding, text->start, text->what, context, 1);
}

std::optional<std::string> ReadNamedFile(const std::string& path, std::string_view what, const CliContext& context) {
  LimitedRead read = ReadRegularFile(path, context.readLimit);
  if (read.ok()) return std::move(read.bytes);
  ReportReadFailure(path, what, read.failure, context);
  return std::nullopt;
}

void ReportReadFailure(const std::string& path, std::string_view what, ReadFailure failure, const CliContext& context) {
  // A folder is named alone ("„Texte“ ist ein Ordner"), a file with what it is for.
  const bool folder = failure == ReadFailure::kFolder;
  const std::string name = folder ? Quoted(path) : std::string(what) + " " + Quoted(path);
  context.Error(name + " " + EncodeUtf8(ReadFailurePredicate(failure, context.readLimit)) + "; nichts geschrieben" +
                (folder ? "." : ""));
}

bool WriteCliText(TextView text, CliEncoding encoding, std::ostream& to, const CliContext& context, bool newline) {
  if (encoding == CliEncoding::kCp1252) {
    const auto missing = std::find_if(text.begin(), text.end(), [](Char c) { return !IsCp1252(c); });
    if (missing != text.end()) {
      context.Error("das Ergebnis enthält ein Zeichen, das Codepage 1252 nicht kennt (U+" +
                    Hex(static_cast<unsigned>(*missing), 4) + " an Stelle " + std::to_string(missing - text.begin()) +
                    "); nichts geschrieben");
      return false;
    }
  }
  std::string block;
  for (std::size_t start = 0; start < text.size(); start += kWriteBlockChars) {
    const TextView part = text.substr(start, kWriteBlockChars);
    block.clear();
    if (encoding == CliEncoding::kUtf8) {
      AppendUtf8(part, block);
    } else {
      block = *EncodeCp1252(part);
    }
    to.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
  if (newline) to.put('\n');
  return true;
}

}  // namespace tesmoran
