// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllables/HyphenPatterns.h"

#include <hyphen.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>
#include <vector>

#include "syllables/SyllableWords.h"
#include "text/Utf8.h"

#ifndef TESMORAN_HYPHEN_PATTERNS_BUILD
#define TESMORAN_HYPHEN_PATTERNS_BUILD ""
#endif
#ifndef TESMORAN_HYPHEN_PATTERNS_INSTALLED
#define TESMORAN_HYPHEN_PATTERNS_INSTALLED "/usr/share/tesmoran/hyph_de_DE.dic"
#endif

// GCC announces AddressSanitizer with __SANITIZE_ADDRESS__, clang through
// __has_feature.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESMORAN_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TESMORAN_ADDRESS_SANITIZER 1
#endif

#ifdef TESMORAN_ADDRESS_SANITIZER
// libhyphen keeps a few small strings of the German pattern file when it
// frees the patterns (under 1 KiB, once per file); that is the library's, and
// the leak checker is told so.
extern "C" const char* __lsan_default_suppressions() { return "leak:libhyphen.so\n"; }
#endif

namespace tesmoran {
namespace {

constexpr TextView kPackageHint = U" Bitte installieren Sie das Paket tesmoran neu.";

Text PathText(const std::string& path) {
  if (auto decoded = DecodeUtf8(path)) return *decoded;
  return Text(path.begin(), path.end());
}

Text MissingFileMessage(const std::string& path) {
  return U"Silbentrennung nicht möglich: Die Datei mit den deutschen Trennmustern „" + PathText(path) + U"“ fehlt." +
         Text(kPackageHint);
}

Text UnreadableFileMessage(const std::string& path) {
  return U"Silbentrennung nicht möglich: Die Datei „" + PathText(path) + U"“ enthält keine lesbaren Trennmuster." +
         Text(kPackageHint);
}

// The first line of a pattern file names its character set; only the two
// that words can be converted into are taken.
enum class Charset { kMissing, kUnknown, kLatin1, kUtf8 };

Charset ReadCharset(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return Charset::kMissing;
  char line[64] = {};
  const bool read = std::fgets(line, sizeof line, f) != nullptr;
  std::fclose(f);
  if (!read) return Charset::kUnknown;
  std::string name(line);
  while (!name.empty() && (name.back() == '\n' || name.back() == '\r' || name.back() == ' ')) name.pop_back();
  if (name == "ISO8859-1" || name == "ISO-8859-1") return Charset::kLatin1;
  if (name == "UTF-8") return Charset::kUtf8;
  return Charset::kUnknown;
}

}  // namespace

struct HyphenPatterns::Dict {
  HyphenDict* hyphen;
};

std::string DefaultHyphenPatternPath() {
  // A program run from its build folder takes the dictionary built there; an
  // installed one the dictionary beside it (bin/../share/tesmoran), which
  // holds for every install prefix, else the one of the configured prefix.
  static const std::string path = [] {
    std::vector<std::string> candidates;
    if (const std::string built = TESMORAN_HYPHEN_PATTERNS_BUILD; !built.empty()) candidates.push_back(built);
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
      candidates.push_back((self.parent_path().parent_path() / "share/tesmoran" /
                            std::filesystem::path(TESMORAN_HYPHEN_PATTERNS_INSTALLED).filename())
                               .string());
    }
    for (const std::string& candidate : candidates) {
      if (std::filesystem::is_regular_file(candidate, error)) return candidate;
    }
    return std::string(TESMORAN_HYPHEN_PATTERNS_INSTALLED);
  }();
  return path;
}

HyphenPatterns::Load HyphenPatterns::Open(const std::string& requested) {
  const std::string path = requested.empty() ? DefaultHyphenPatternPath() : requested;
  static std::mutex mutex;
  static std::map<std::string, std::shared_ptr<const HyphenPatterns>> loaded;
  std::lock_guard<std::mutex> lock(mutex);
  if (auto it = loaded.find(path); it != loaded.end()) return {it->second, {}};

  const Charset charset = ReadCharset(path);
  if (charset == Charset::kMissing) return {nullptr, MissingFileMessage(path)};
  if (charset == Charset::kUnknown) return {nullptr, UnreadableFileMessage(path)};
  HyphenDict* hyphen = hnj_hyphen_load(path.c_str());
  if (hyphen == nullptr) return {nullptr, UnreadableFileMessage(path)};
  std::shared_ptr<const HyphenPatterns> patterns(new HyphenPatterns(new Dict{hyphen}, charset == Charset::kUtf8));
  loaded.emplace(path, patterns);
  return {patterns, {}};
}

HyphenPatterns::HyphenPatterns(Dict* dict, bool utf8) : dict_(dict), utf8_(utf8) {}

HyphenPatterns::~HyphenPatterns() {
  hnj_hyphen_free(dict_->hyphen);
  delete dict_;
}

std::vector<std::size_t> HyphenPatterns::Breaks(TextView lowerWord, const HyphenLimits& limits) const {
  if (lowerWord.size() < 2 || !IsLatin1(lowerWord)) return {};
  // The word in the file's character set.
  const std::string bytes = utf8_ ? EncodeUtf8(lowerWord) : std::string(lowerWord.begin(), lowerWord.end());
  std::vector<char> hyphens(bytes.size() + 5, '0');
  char** rep = nullptr;
  int* pos = nullptr;
  int* cut = nullptr;
  hnj_hyphen_hyphenate3(dict_->hyphen, bytes.data(), static_cast<int>(bytes.size()), hyphens.data(), nullptr, &rep,
                        &pos, &cut, limits.left, limits.right, limits.compoundLeft, limits.compoundRight);
  // The library answers with one mark per character, in both character sets.
  std::vector<std::size_t> breaks;
  for (std::size_t i = 0; i + 1 < lowerWord.size(); ++i) {
    // A break that would change the spelling (the old Schiff-fahrt kind) is
    // not taken: syllables never add or drop letters.
    const bool respelled = rep != nullptr && rep[i] != nullptr;
    if ((hyphens[i] & 1) && !respelled) breaks.push_back(i + 1);
  }
  if (rep != nullptr) {
    for (std::size_t b = 0; b < bytes.size(); ++b) std::free(rep[b]);  // sized by bytes
    std::free(rep);
  }
  std::free(pos);
  std::free(cut);
  return breaks;
}

}  // namespace tesmoran
