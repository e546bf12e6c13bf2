#include "FilesTestSupport.h"

#include <atomic>
#include <chrono>

#include "text/Utf8.h"

namespace tesmoran::testing {
namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = fs::temp_directory_path() / ("tesmoran-files-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  fs::create_directories(path_);
  previousCwd_ = fs::current_path();
  fs::current_path(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::current_path(previousCwd_, ignored);
  fs::remove_all(path_, ignored);
}

fs::path ScratchDir::Write(const std::string& name, const std::string& bytes) const {
  const fs::path file = path_ / name;
  std::ofstream(file, std::ios::binary) << bytes;
  return file;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool RecordingPrinter::Begin(TextView fontName, int pointSize, Text&) {
  font.assign(fontName);
  size = pointSize;
  return true;
}

bool RecordingPrinter::PrintLine(TextView line, Text& reason) {
  if (failAtLine == static_cast<long>(lines.size())) {
    reason = U"Papierstau";
    return false;
  }
  lines.emplace_back(line);
  if (!file.empty()) std::ofstream(file, std::ios::binary | std::ios::app) << EncodeUtf8(line) << '\n';
  return true;
}

bool RecordingPrinter::EndDoc(Text&) {
  ended = true;
  return true;
}

namespace {

// Hands the calls on to a printer that the provider keeps.
struct ForwardingPrinter : Printer {
  explicit ForwardingPrinter(RecordingPrinter& target) : to(target) {}
  bool Begin(TextView fontName, int pointSize, Text& reason) override { return to.Begin(fontName, pointSize, reason); }
  bool PrintLine(TextView line, Text& reason) override { return to.PrintLine(line, reason); }
  bool EndDoc(Text& reason) override { return to.EndDoc(reason); }
  RecordingPrinter& to;
};

}  // namespace

std::unique_ptr<Printer> RecordingProvider::DefaultPrinter(Text& reason) {
  if (!hasPrinter) {
    reason = U"kein Gerät";
    return nullptr;
  }
  made.push_back(std::make_unique<RecordingPrinter>());
  made.back()->failAtLine = failAtLine;
  return std::make_unique<ForwardingPrinter>(*made.back());
}

std::unique_ptr<Printer> RecordingProvider::PdfPrinter(const fs::path& file, Text& reason) {
  auto printer = DefaultPrinter(reason);
  if (printer) made.back()->file = file;
  return printer;
}

}  // namespace tesmoran::testing
