// SPDX-License-Identifier: GPL-3.0-or-later
// Names that are no plain file to write or to read: pipes, devices,
// folders, files the user may not write, links; the limit on what is read;
// and the permissions of private files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "FilesTestSupport.h"
#include "files/AtomicFile.h"
#include "files/LimitedRead.h"
#include "files/PrivateFolder.h"
#include "files/SyllableExceptionsFile.h"

namespace tesmoran {
namespace {

namespace fs = std::filesystem;

fs::perms ModeOf(const fs::path& path) { return fs::status(path).permissions() & fs::perms::mask; }

constexpr fs::perms kOwnerOnlyFile = fs::perms::owner_read | fs::perms::owner_write;

// A copy of /dev/null (character device 1:3); false when this process may
// not make device nodes.
bool MakeNullDevice(const fs::path& at) { return ::mknod(at.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0; }

struct WriteTargetCase {
  const char* name;
  std::function<bool(const fs::path&)> make;  // false: cannot be made here
  Text reason;
  fs::file_type afterwards;
};

TEST(AtomicWrite, RefusesEverythingButARegularFileAndLeavesItAsItWas) {
  testing::ScratchDir dir;
  const WriteTargetCase cases[] = {
      {"pipe", [](const fs::path& p) { return ::mkfifo(p.c_str(), 0644) == 0; },
       U"Unter diesem Namen gibt es keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder einen Socket.",
       fs::file_type::fifo},
      {"device node like /dev/null", MakeNullDevice,
       U"Unter diesem Namen gibt es keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder einen Socket.",
       fs::file_type::character},
      {"link to a pipe",
       [&dir](const fs::path& p) {
         fs::create_symlink(dir.path / "rohr", p);
         return ::mkfifo((dir.path / "rohr").c_str(), 0644) == 0;
       },
       U"Unter diesem Namen gibt es keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder einen Socket.",
       fs::file_type::fifo},
      {"folder", [](const fs::path& p) { return fs::create_directory(p); },
       U"Unter diesem Namen gibt es ein Verzeichnis.", fs::file_type::directory},
      {"link to nothing",
       [](const fs::path& p) {
         fs::create_symlink("fehlt.pdf", p);
         return true;
       },
       U"Der Name ist eine Verknüpfung auf eine Datei, die es nicht gibt.", fs::file_type::not_found},
  };
  for (const WriteTargetCase& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path target = dir.path / "ziel.pdf";
    fs::remove_all(dir.path / "rohr");
    fs::remove_all(target);
    if (!c.make(target)) {
      // Only root may make a device node.
      if (::geteuid() == 0) ADD_FAILURE() << "could not make the " << c.name;
      continue;
    }
    const WriteResult result = WriteFileAtomically(target, "%PDF-neu");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, c.reason);
    EXPECT_EQ(fs::status(target).type(), c.afterwards);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), fs::exists(dir.path / "rohr") ? 2 : 1)
        << "no temporary file left";
  }
}

TEST(AtomicWrite, ReadOnlyFileIsRefusedAndUntouched) {
  testing::ScratchDir dir;
  fs::permissions(dir.path, fs::perms::others_all, fs::perm_options::add);
  dir.Write("alt.pdf", "alte Seiten");
  fs::permissions(dir.path / "alt.pdf", static_cast<fs::perms>(0444));
  WriteResult result;
  {
    testing::AsNobody nobody;
    ASSERT_TRUE(nobody.Active()) << "runs only as a user without root's rights";
    result = WriteFileAtomically(dir.path / "alt.pdf", "neue Seiten");
  }
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.reason, U"Keine Berechtigung zum Schreiben.");
  EXPECT_EQ(dir.Read("alt.pdf"), "alte Seiten");
  EXPECT_EQ(ModeOf(dir.path / "alt.pdf"), static_cast<fs::perms>(0444));
}

class PrivateFileTest : public ::testing::Test {
 protected:
  void SetUp() override { previousMask_ = ::umask(022); }
  void TearDown() override { ::umask(previousMask_); }

  testing::ScratchDir dir;

 private:
  mode_t previousMask_ = 0;
};

TEST_F(PrivateFileTest, NewFileIsTheUsersAloneFromItsFirstByte) {
  fs::perms whileEmpty{};
  const WriteResult result = ReplaceFileAtomically(
      dir.path / "sitzung-0.tesmoran",
      [&whileEmpty](const fs::path& temp) {
        whileEmpty = ModeOf(temp);
        return WriteFileAtomically(temp, "Text1");
      },
      FilePrivacy::kPrivate);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(whileEmpty, kOwnerOnlyFile);
  EXPECT_EQ(ModeOf(dir.path / "sitzung-0.tesmoran"), kOwnerOnlyFile);
}

TEST_F(PrivateFileTest, OlderFileOpenToOthersBecomesTheUsersAlone) {
  for (const char* name : {"renamed over", "overwritten in place (several hard links)"}) {
    SCOPED_TRACE(name);
    dir.Write("sitzung-0.tesmoran", "alt");
    fs::permissions(dir.path / "sitzung-0.tesmoran", static_cast<fs::perms>(0644));
    fs::remove(dir.path / "zweiter-name");
    if (std::string(name).starts_with("overwritten"))
      fs::create_hard_link(dir.path / "sitzung-0.tesmoran", dir.path / "zweiter-name");
    ASSERT_TRUE(WriteFileAtomically(dir.path / "sitzung-0.tesmoran", "neu", FilePrivacy::kPrivate).ok);
    EXPECT_EQ(dir.Read("sitzung-0.tesmoran"), "neu");
    EXPECT_EQ(ModeOf(dir.path / "sitzung-0.tesmoran"), kOwnerOnlyFile);
  }
}

TEST_F(PrivateFileTest, ContentOnItsWayThroughTheTemporaryFolderIsTheUsersAlone) {
  dir.Write("blatt.txt", "alt");
  fs::create_hard_link(dir.path / "blatt.txt", dir.path / "zweiter-name.txt");
  fs::perms staged{};
  fs::path stagedAt;
  const WriteResult result = ReplaceFileAtomically(dir.path / "blatt.txt", [&](const fs::path& temp) {
    stagedAt = temp;
    staged = ModeOf(temp);
    return WriteFileAtomically(temp, "neu");
  });
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(stagedAt.parent_path(), fs::temp_directory_path());
  EXPECT_EQ(staged, kOwnerOnlyFile);
  EXPECT_EQ(ModeOf(dir.path / "blatt.txt"), static_cast<fs::perms>(0644)) << "kept as it was";
}

TEST_F(PrivateFileTest, PrivateFolderIsTheUsersAloneAlsoWhenItWasWider) {
  const fs::path made = dir.path / "neu" / "Tesmoran";
  ASSERT_TRUE(MakePrivateFolder(made));
  EXPECT_EQ(ModeOf(made), fs::perms::owner_all);
  const fs::path older = dir.path / "alt";
  fs::create_directory(older);
  fs::permissions(older, static_cast<fs::perms>(0755));
  ASSERT_TRUE(MakePrivateFolder(older));
  EXPECT_EQ(ModeOf(older), fs::perms::owner_all);
  dir.Write("datei", "");
  EXPECT_FALSE(MakePrivateFolder(dir.path / "datei")) << "a file is no folder";
}

struct ReadCase {
  const char* name;
  std::function<fs::path(testing::ScratchDir&)> make;
  ReadFailure failure;
};

TEST(LimitedRead, ReadsOnlyRegularFilesUpToTheLimit) {
  constexpr std::size_t kLimit = 16;
  const ReadCase cases[] = {
      {"file at the limit",
       [](testing::ScratchDir& d) {
         d.Write("genau.txt", std::string(kLimit, 'a'));
         return d.path / "genau.txt";
       },
       ReadFailure::kNone},
      {"file one byte over the limit",
       [](testing::ScratchDir& d) {
         d.Write("gross.txt", std::string(kLimit + 1, 'a'));
         return d.path / "gross.txt";
       },
       ReadFailure::kTooLarge},
      {"endless device", [](testing::ScratchDir&) { return fs::path("/dev/zero"); }, ReadFailure::kNotRegular},
      {"pipe nobody writes to",
       [](testing::ScratchDir& d) {
         ::mkfifo((d.path / "rohr").c_str(), 0600);
         return d.path / "rohr";
       },
       ReadFailure::kNotRegular},
      {"folder", [](testing::ScratchDir& d) { return d.path; }, ReadFailure::kFolder},
      {"nothing of that name", [](testing::ScratchDir& d) { return d.path / "fehlt.txt"; }, ReadFailure::kMissing},
      {"link to a file",
       [](testing::ScratchDir& d) {
         d.Write("ziel.txt", "Oma");
         fs::create_symlink("ziel.txt", d.path / "verweis.txt");
         return d.path / "verweis.txt";
       },
       ReadFailure::kNone},
      {"link to nothing",
       [](testing::ScratchDir& d) {
         fs::create_symlink("fehlt.txt", d.path / "leer.txt");
         return d.path / "leer.txt";
       },
       ReadFailure::kMissing},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::ScratchDir dir;
    const LimitedRead read = ReadRegularFile(c.make(dir), kLimit);
    EXPECT_EQ(read.failure, c.failure);
    if (read.ok()) {
      EXPECT_FALSE(read.bytes.empty());
    } else {
      EXPECT_TRUE(read.bytes.empty());
    }
  }
}

TEST(LimitedRead, FailuresReadAsGermanSentenceEnds) {
  EXPECT_EQ(ReadFailurePredicate(ReadFailure::kTooLarge), U"ist größer als 64 MiB");
  EXPECT_EQ(ReadFailurePredicate(ReadFailure::kTooLarge, 100), U"ist größer als 100 Bytes");
  EXPECT_EQ(ReadFailurePredicate(ReadFailure::kFolder), U"ist ein Ordner");
}

TEST(SyllableExceptionsFile, LoadsTheListAndTellsWhyNot) {
  testing::ScratchDir dir;
  dir.Write("ausnahmen.txt", "\xEF\xBB\xBF# Bemerkung\nÜ-bung\nkaputt--\n");
  const ExceptionsFileLoad good = LoadSyllableExceptionsFile(dir.path / "ausnahmen.txt");
  ASSERT_TRUE(good.usable());
  EXPECT_EQ(good.exceptions.size(), 1u);
  EXPECT_EQ(good.exceptions.MalformedLines(), std::vector<std::size_t>{3});

  dir.Write("latin1.txt", "\xDC-bung\n");
  const ExceptionsFileLoad latin1 = LoadSyllableExceptionsFile(dir.path / "latin1.txt");
  EXPECT_TRUE(latin1.notUtf8);
  EXPECT_EQ(latin1.exceptions.size(), 0u);
}

}  // namespace
}  // namespace tesmoran
