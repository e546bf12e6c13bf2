// SPDX-License-Identifier: GPL-3.0-or-later
// Saving where renaming a new file over the old one is not possible or not
// right: long names, folders that may not be written to, hard links,
// symbolic links and links to nothing; the file's permissions; and the
// advice when no printer is set up.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "FilesTestSupport.h"

namespace tesmoran {
namespace {

namespace fs = std::filesystem;
using testing::ExpectBox;

// Saving with a look at what the folder holds afterwards.
class SafeSavingTest : public testing::SolutionTextTest {
 protected:
  std::size_t EntriesIn(const fs::path& folder) const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
  }
};

TEST_F(SafeSavingTest, NameOf250BytesSaves) {
  const std::string name = std::string(246, 'a') + ".txt";
  SaveAs(U"Lösung", Text(name.begin(), name.end()));
  EXPECT_EQ(ui.Shown().size(), 2u) << "no error box";
  EXPECT_EQ(dir.Read(name), "L\xF6sung\r\n");
  EXPECT_EQ(EntriesIn(dir.path), 1u);
}

ino_t InodeOf(const fs::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 ? info.st_ino : 0;
}

// The old file stays whole until the new one is complete: a program that
// has it open (or a crash halfway) never meets a half-written file.
TEST_F(SafeSavingTest, FileWithOneNameIsReplacedWholeNotWrittenOver) {
  dir.Write("blatt.txt", "alter Inhalt\r\n");
  std::ifstream reader(dir.path / "blatt.txt", std::ios::binary);
  SaveAs(U"neu", U"blatt.txt");
  EXPECT_EQ(dir.Read("blatt.txt"), "neu\r\n");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "alter Inhalt\r\n") << "written over in place";
  EXPECT_EQ(EntriesIn(dir.path), 1u) << "no temporary file left";
}

TEST_F(SafeSavingTest, FileWithSeveralHardLinksStaysOneFile) {
  dir.Write("blatt.txt", "alter, längerer Inhalt\r\n");
  fs::create_hard_link(dir.path / "blatt.txt", dir.path / "zweiter-name.txt");
  SaveAs(U"neu", U"blatt.txt");
  EXPECT_EQ(dir.Read("zweiter-name.txt"), "neu\r\n");
  EXPECT_EQ(fs::hard_link_count(dir.path / "blatt.txt"), 2u);
  EXPECT_EQ(EntriesIn(dir.path), 2u) << "no temporary file left";
}

TEST_F(SafeSavingTest, FailedPdfOverAHardLinkedFileLeavesItAsItWas) {
  dir.Write("blatt.pdf", "alte Seiten");
  fs::create_hard_link(dir.path / "blatt.pdf", dir.path / "kopie.pdf");
  printers.failAtLine = 1;
  SaveAs(U"eins\r\nzwei", U"blatt.pdf", true);
  EXPECT_NE(ui.Shown().at(2).prompt.find(U"Papierstau"), Text::npos);
  EXPECT_EQ(dir.Read("kopie.pdf"), "alte Seiten");
  EXPECT_EQ(InodeOf(dir.path / "blatt.pdf"), InodeOf(dir.path / "kopie.pdf"));
}

TEST_F(SafeSavingTest, SymbolicLinkIsFollowedToTheFileItNames) {
  fs::create_directory(dir.path / "ordner");
  dir.Write("ordner/blatt.txt", "alter Inhalt\r\n");
  fs::create_symlink("ordner/blatt.txt", dir.path / "verweis.txt");
  SaveAs(U"Lösung", U"verweis.txt");
  EXPECT_EQ(ui.Shown().size(), 2u) << "no error box";
  EXPECT_TRUE(fs::is_symlink(dir.path / "verweis.txt"));
  EXPECT_EQ(dir.Read("ordner/blatt.txt"), "L\xF6sung\r\n");
  EXPECT_EQ(EntriesIn(dir.path / "ordner"), 1u) << "no temporary file left beside the file";
}

TEST_F(SafeSavingTest, ExistingFileKeepsItsPermissions) {
  const struct {
    const char* name;
    unsigned mode;
  } rows[] = {
      {"owner only", 0600}, {"group may read", 0640}, {"others may read, group not", 0604}, {"executable", 0755}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    dir.Write("blatt.txt", "alt\r\n");
    fs::permissions(dir.path / "blatt.txt", static_cast<fs::perms>(row.mode));
    SaveAs(U"neu", U"blatt.txt");
    EXPECT_EQ(dir.Read("blatt.txt"), "neu\r\n");
    EXPECT_EQ(fs::status(dir.path / "blatt.txt").permissions() & fs::perms::mask, static_cast<fs::perms>(row.mode));
  }
}

// Makes the folder one that may not be written to, for as long as it lives,
// acting as nobody when run as root; the file stays writable for everyone.
class LockedFolder {
 public:
  LockedFolder(const fs::path& folder, const fs::path& file) : folder_(folder) {
    fs::permissions(file, static_cast<fs::perms>(0666));
    fs::permissions(folder, static_cast<fs::perms>(0555));
    fs::permissions(folder.parent_path(), fs::perms::others_exec, fs::perm_options::add);
    nobody_ = std::make_unique<testing::AsNobody>();
  }
  ~LockedFolder() {
    nobody_.reset();
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
  }
  // False when the folder could not be made unwritable for this process.
  bool Locked() const { return nobody_->Active(); }

 private:
  fs::path folder_;
  std::unique_ptr<testing::AsNobody> nobody_;
};

TEST_F(SafeSavingTest, WritableFileInALockedFolderIsOverwrittenInPlace) {
  const fs::path folder = dir.path / "gesperrt";
  fs::create_directory(folder);
  dir.Write("gesperrt/blatt.txt", "alter, längerer Inhalt\r\n");
  const ino_t before = InodeOf(folder / "blatt.txt");
  {
    LockedFolder lock(folder, folder / "blatt.txt");
    ASSERT_TRUE(lock.Locked());
    SaveAs(U"Lösung", U"gesperrt/blatt.txt");
  }
  EXPECT_EQ(ui.Shown().size(), 2u) << "no error box";
  EXPECT_EQ(dir.Read("gesperrt/blatt.txt"), "L\xF6sung\r\n");
  EXPECT_EQ(InodeOf(folder / "blatt.txt"), before);
  EXPECT_EQ(EntriesIn(folder), 1u);
}

// A system without any printer.
struct NoPrinters : PrinterProvider {
  std::unique_ptr<Printer> DefaultPrinter(Text& reason) override {
    reason = U"Kein Standarddrucker.";
    return nullptr;
  }
  std::unique_ptr<Printer> PdfPrinter(const fs::path&, Text&) override { return nullptr; }
};

TEST(PrintSolutionText, WithoutAPrinterPointsToSavingAsPdf) {
  testing::ScriptedUi ui;
  NoPrinters none;
  ui.AnswerMessage(kAnswerYes).AnswerMessage();
  PrintSolutionText(U"Lösung", ui, none);
  ExpectBox(ui, 1,
            U"Es ist kein Drucker eingerichtet. Das Arbeitsblatt lässt sich aber als PDF-Datei speichern: "
            U"beim Speichern einen Namen angeben, der auf .pdf endet.\r\nKein Standarddrucker.",
            U"Tesmoran drucken", style::kOkStop);
}

}  // namespace
}  // namespace tesmoran
