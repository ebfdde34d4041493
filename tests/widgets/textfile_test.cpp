#include "widgets/textfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/fullstorage.h"
#include "tests/support/specialfiles.h"
#include "widgets/fileerror.h"

namespace fs = std::filesystem;

namespace {

class TextFile : public ::testing::Test {
 protected:
  QTemporaryDir Dir;
  std::string Path(const std::string& Name) const {
    return (fs::path(Dir.path().toStdString()) / Name).string();
  }
  void WriteRaw(const std::string& Name, const std::string& Bytes) const {
    std::ofstream(Path(Name), std::ios::binary) << Bytes;
  }
  std::string ReadRaw(const std::string& Name) const {
    std::ifstream In(Path(Name), std::ios::binary);
    return {std::istreambuf_iterator<char>(In), {}};
  }
};

}  // namespace

TEST(LineBreaks, EveryBreakBecomesCrLf) {
  EXPECT_EQ(NormaliseLineBreaks("one\ntwo\nthree"), "one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(NormaliseLineBreaks("a\rb\r\nc\n"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(NormaliseLineBreaks("a\r\r\nb"), "a\r\n\r\nb\r\n");
  EXPECT_EQ(NormaliseLineBreaks("\n\n"), "\r\n\r\n");
  EXPECT_EQ(NormaliseLineBreaks(""), "");
  EXPECT_EQ(NormaliseLineBreaks("x\r\n"), "x\r\n");
}

TEST(LineBreaks, NulEndsTheText) {
  EXPECT_EQ(NormaliseLineBreaks(std::string("abc\0def", 7)), "abc\r\n");
  EXPECT_EQ(NormaliseLineBreaks(std::string("abc\n\0def", 8)), "abc\r\n");
  EXPECT_EQ(NormaliseLineBreaks(std::string("\0abc", 4)), "");
}

TEST_F(TextFile, LoadNormalisesAndKeepsHighBytes) {
  WriteRaw("a.txt", "one\ntwo\nthree");
  EXPECT_EQ(LoadTextFile(Path("a.txt")), "one\r\ntwo\r\nthree\r\n");
  WriteRaw("b.txt", std::string("caf\xe9\0tail", 9));
  EXPECT_EQ(LoadTextFile(Path("b.txt")), "caf\xe9\r\n");
  WriteRaw("empty.txt", "");
  EXPECT_EQ(LoadTextFile(Path("empty.txt")), "");
}

TEST_F(TextFile, LoadErrorsNameTheFile) {
  const std::string Missing = Path("missing.jsb");
  try {
    LoadTextFile(Missing);
    FAIL() << "no error raised";
  } catch (const EFileError& E) {
    EXPECT_EQ(E.Kind(), EFileError::TKind::Open);
    EXPECT_EQ(std::string(E.what()), "Cannot open file " + Missing);
  }
  EXPECT_THROW(LoadTextFile(Dir.path().toStdString()), EFileError);
}

TEST_F(TextFile, SaveWritesExactBytes) {
  const std::string Bytes("a\rb\nc\r\n\xff\0z", 10);
  SaveTextFile(Path("out.jsb"), Bytes);
  EXPECT_EQ(ReadRaw("out.jsb"), Bytes);
  SaveTextFile(Path("out.jsb"), "short");
  EXPECT_EQ(ReadRaw("out.jsb"), "short");
  SaveTextFile(Path("out.jsb"), "");
  EXPECT_EQ(ReadRaw("out.jsb"), "");
}

// Pieces land in order; a writer given up before Commit leaves the old file
// and no temporary beside it.
TEST_F(TextFile, WriterInPiecesCommitsOrLeavesTheOldFile) {
  {
    TTextFileWriter Writer(Path("out.jsb"));
    for (const char* Piece : {"<JSB>", "", "\r\n", "</JSB>"})
      Writer.Write(Piece);
    Writer.Commit();
  }
  EXPECT_EQ(ReadRaw("out.jsb"), "<JSB>\r\n</JSB>");
  {
    TTextFileWriter Writer(Path("out.jsb"));
    Writer.Write("half");
  }
  EXPECT_EQ(ReadRaw("out.jsb"), "<JSB>\r\n</JSB>");
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("")), fs::directory_iterator()), 1);
}

TEST_F(TextFile, FailedSaveLeavesTheOldFileAlone) {
  WriteRaw("keep.jsb", "precious");
  const std::string Sub = Path("locked");
  fs::create_directory(Sub);
  // A directory in the way cannot be replaced, and nothing is left behind.
  EXPECT_THROW(SaveTextFile(Sub, "x"), EFileError);
  EXPECT_TRUE(fs::is_directory(Sub));
  const std::string Nowhere = Path("no/such/dir/f.jsb");
  try {
    SaveTextFile(Nowhere, "x");
    FAIL() << "no error raised";
  } catch (const EFileError& E) {
    EXPECT_EQ(E.Kind(), EFileError::TKind::Create);
    EXPECT_EQ(std::string(E.what()), "Cannot create file " + Nowhere);
  }
  size_t Entries = 0;
  for ([[maybe_unused]] auto& E : fs::directory_iterator(Dir.path().toStdString()))
    ++Entries;
  EXPECT_EQ(Entries, 2u);  // keep.jsb and locked/
}

TEST_F(TextFile, SaveIntoALockedFolderFailsAndKeepsTheFile) {
  if (geteuid() == 0) GTEST_SKIP() << "runs only as an ordinary user: root writes anywhere";
  const std::string Sub = Path("locked");
  fs::create_directory(Sub);
  WriteRaw("locked/keep.jsb", "precious");
  chmod(Sub.c_str(), 0555);
  try {
    SaveTextFile(Sub + "/keep.jsb", "new text");
    ADD_FAILURE() << "no error raised";
  } catch (const EFileError& E) {
    EXPECT_EQ(std::string(E.what()), "Cannot create file " + Sub + "/keep.jsb");
  }
  chmod(Sub.c_str(), 0755);
  EXPECT_EQ(ReadRaw("locked/keep.jsb"), "precious");
  EXPECT_EQ(std::distance(fs::directory_iterator(Sub), fs::directory_iterator()), 1);
}

// A disk that fills up refuses the last bytes only when the buffer is
// flushed; the old file must survive that, with nothing left beside it.
TEST_F(TextFile, SaveOntoAFullDiskKeepsTheOldFile) {
  const std::string Big(200000, 'x');
  const auto Check = [&](const std::string& Folder, const char* Reason) {
    const std::string Target = Folder + "/keep.jsb";
    std::ofstream(Target, std::ios::binary) << "precious";
    try {
      SaveTextFile(Target, Big);
      ADD_FAILURE() << "no error raised";
    } catch (const EFileError& E) {
      EXPECT_EQ(E.Kind(), EFileError::TKind::Write);
      EXPECT_EQ(std::string(E.what()), "Stream write error\n" + Target + ": " + Reason);
    }
    std::ifstream In(Target, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(In), {}), "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder), fs::directory_iterator()), 1);
  };
  {
    TWriteLimit Limit(4096);
    Check(Dir.path().toStdString(), "File too large");
  }
  fs::create_directory(Path("small"));
  TSmallDisk Disk(Path("small"));
  if (!Disk.Mounted())
    GTEST_SKIP() << "the full disk runs only as root with the right to mount: no small file "
                    "system could be mounted here";
  Check(Path("small"), "No space left on device");
}

TEST_F(TextFile, ReadErrorAfterOpeningIsNotAnOpenError) {
  if (!fs::exists("/proc/self/mem"))
    GTEST_SKIP() << "needs /proc mounted: no file here fails while being read";
  try {
    LoadTextFile("/proc/self/mem");
    FAIL() << "no error raised";
  } catch (const EFileError& E) {
    EXPECT_EQ(E.Kind(), EFileError::TKind::Read);
    EXPECT_EQ(std::string(E.what()).rfind("Stream read error\n/proc/self/mem: ", 0), 0u);
  }
}

TEST_F(TextFile, ReadOnlyTargetIsNotReplaced) {
  if (geteuid() == 0) GTEST_SKIP() << "runs only as an ordinary user: root writes read-only files";
  WriteRaw("ro.jsb", "old");
  chmod(Path("ro.jsb").c_str(), 0444);
  EXPECT_THROW(SaveTextFile(Path("ro.jsb"), "new"), EFileError);
  chmod(Path("ro.jsb").c_str(), 0644);
  EXPECT_EQ(ReadRaw("ro.jsb"), "old");
}

TEST_F(TextFile, SaveThroughSymlinkKeepsTheLink) {
  WriteRaw("real.jsb", "old");
  fs::create_symlink(Path("real.jsb"), Path("link.jsb"));
  SaveTextFile(Path("link.jsb"), "new");
  EXPECT_TRUE(fs::is_symlink(Path("link.jsb")));
  EXPECT_EQ(ReadRaw("real.jsb"), "new");
}

// A save replaces the file but keeps its permission bits, read-only and
// set-group bits included, and its owner and group where the process may.
TEST_F(TextFile, SaveKeepsPermissionsAndOwner) {
  for (const mode_t Mode : {0640, 0604, 0400, 02755, 0666}) {
    if (Mode == 0400 && geteuid() != 0) continue;  // refused: see ReadOnlyTargetIsNotReplaced
    WriteRaw("p.jsb", "old");
    ASSERT_EQ(chmod(Path("p.jsb").c_str(), Mode), 0);
    SaveTextFile(Path("p.jsb"), "new");
    struct stat Info {};
    ASSERT_EQ(stat(Path("p.jsb").c_str(), &Info), 0);
    EXPECT_EQ(Info.st_mode & 07777, Mode) << std::oct << Mode;
    EXPECT_EQ(ReadRaw("p.jsb"), "new");
    chmod(Path("p.jsb").c_str(), 0644);
  }
  if (geteuid() != 0) GTEST_SKIP() << "the owner's part runs only as root";
  const uid_t Owner = 65534;
  const gid_t Group = 65534;
  if (chown(Path("p.jsb").c_str(), Owner, Group) != 0)  // a root inside a user namespace
    GTEST_SKIP() << "the owner's part needs a root that may give files away: " << strerror(errno);
  SaveTextFile(Path("p.jsb"), "newer");
  struct stat Info {};
  ASSERT_EQ(stat(Path("p.jsb").c_str(), &Info), 0);
  EXPECT_EQ(Info.st_uid, Owner);
  EXPECT_EQ(Info.st_gid, Group);
}

// A save never replaces what is not a regular file: the FIFO and the socket
// stay as they were, and the error names the file as any failed create does.
TEST_F(TextFile, OnlyRegularFilesAreWritten) {
  std::vector<std::string> Specials = MakeSpecialFiles(Dir.path().toStdString());
  Specials.pop_back();  // a device is never put at risk, even by a faulty writer
  for (const std::string& Special : Specials) {
    try {
      SaveTextFile(Special, "x");
      ADD_FAILURE() << Special << " was written";
    } catch (const EFileError& E) {
      EXPECT_EQ(std::string(E.what()), "Cannot create file " + Special);
    }
    EXPECT_FALSE(fs::is_regular_file(Special)) << Special;
  }
}

// Opening a FIFO would wait for a writer and a device may never end: anything
// but a regular file is refused at once. The alarm turns a wait into a crash.
TEST_F(TextFile, OnlyRegularFilesAreRead) {
  alarm(20);
  for (const std::string& Special : MakeSpecialFiles(Dir.path().toStdString())) {
    try {
      LoadTextFile(Special);
      ADD_FAILURE() << Special << " was read";
    } catch (const EFileError& E) {
      EXPECT_EQ(std::string(E.what()), "Cannot open file " + Special);
    }
  }
  alarm(0);
  // A regular file that reports no size up front is still read whole.
  if (!fs::exists("/proc/self/status"))
    GTEST_SKIP() << "the unsized file's part needs /proc mounted";
  EXPECT_NE(LoadTextFile("/proc/self/status").find("Pid:"), std::string::npos);
}
