// direxist and fileexist against a scratch folder of every kind of entry.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "gauger_api.h"

namespace {

namespace fs = std::filesystem;

class GaugerFiles : public GaugerTest {
 protected:
  void SetUp() override {
    GaugerTest::SetUp();
    std::string name = (fs::path(testing::TempDir()) / "gauger-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    root_ = name;
  }
  void TearDown() override {
    std::error_code ignored;
    if (!root_.empty()) fs::remove_all(root_, ignored);
  }

  std::string path(const std::string& relative) const { return (root_ / relative).string(); }
  void make_folder(const std::string& relative) const { fs::create_directories(root_ / relative); }
  void make_file(const std::string& relative) const { std::ofstream(root_ / relative) << "x"; }
  void make_fifo(const std::string& relative) const {
    ASSERT_EQ(mkfifo(path(relative).c_str(), 0600), 0);
  }
  void make_link(const std::string& target, const std::string& relative) const {
    fs::create_symlink(target, root_ / relative);
  }
  int direxist(const std::string& relative) const { return api().direxist(path(relative).c_str()); }
  int fileexist(const std::string& relative) const {
    return api().fileexist(path(relative).c_str());
  }

 private:
  fs::path root_;
};

TEST_F(GaugerFiles, DirexistFindsFilesAndFoldersAlike) {
  make_folder("folder");
  make_file("file.txt");
  make_fifo("pipe");
  EXPECT_EQ(direxist("folder"), 1);
  EXPECT_EQ(direxist("file.txt"), 1);
  EXPECT_EQ(direxist("pipe"), 1);
  EXPECT_EQ(direxist("folder/"), 1);
  EXPECT_EQ(api().direxist("/dev/null"), 1);
  EXPECT_EQ(direxist("missing"), 0);
  EXPECT_EQ(direxist("file.txt/inside"), 0);
  EXPECT_EQ(api().direxist(""), 0);
}

TEST_F(GaugerFiles, DirexistRefusesWildcards) {
  make_file("file.txt");
  make_file("odd?name");
  make_file("star*name");
  EXPECT_EQ(direxist("*.txt"), 0);
  EXPECT_EQ(direxist("fil?.txt"), 0);
  EXPECT_EQ(direxist("odd?name"), 0);  // even where such a name exists
  EXPECT_EQ(direxist("star*name"), 0);
}

TEST_F(GaugerFiles, DirexistFollowsLinks) {
  make_file("file.txt");
  make_link("file.txt", "to-file");
  make_link("gone", "dangling");
  EXPECT_EQ(direxist("to-file"), 1);
  EXPECT_EQ(direxist("dangling"), 0);
}

TEST_F(GaugerFiles, FileexistAcceptsPlainReadOnlyAndHiddenEntries) {
  make_file("plain.txt");
  make_file("locked.txt");
  fs::permissions(path("locked.txt"), fs::perms::owner_read | fs::perms::group_read);
  make_file(".hidden-file");
  make_folder(".hidden-folder");
  make_fifo(".hidden-pipe");
  EXPECT_EQ(fileexist("plain.txt"), 1);
  EXPECT_EQ(fileexist("locked.txt"), 1);
  EXPECT_EQ(fileexist(".hidden-file"), 1);
  EXPECT_EQ(fileexist(".hidden-folder"), 1);
  EXPECT_EQ(fileexist(".hidden-pipe"), 1);
}

TEST_F(GaugerFiles, FileexistRejectsFoldersAndSystemFiles) {
  make_folder("folder");
  make_fifo("pipe");
  EXPECT_EQ(fileexist("folder"), 0);
  EXPECT_EQ(fileexist("pipe"), 0);
  EXPECT_EQ(api().fileexist("/dev/null"), 0);
  EXPECT_EQ(fileexist("missing"), 0);
  EXPECT_EQ(fileexist("missing-folder/file.txt"), 0);
  EXPECT_EQ(fileexist("folder/"), 0);  // an empty pattern matches nothing
}

TEST_F(GaugerFiles, FileexistSeesTheFolderAndItsParentAsFolders) {
  make_folder("folder/empty");
  EXPECT_EQ(fileexist("folder/."), 0);
  EXPECT_EQ(fileexist("folder/.."), 0);
  EXPECT_EQ(fileexist("folder/empty/*"), 0);
  EXPECT_EQ(fileexist("folder/empty/.*"), 0);
}

TEST_F(GaugerFiles, FileexistTakesLinksAsTheirTargets) {
  make_file("file.txt");
  make_folder("folder");
  make_fifo("pipe");
  make_link("file.txt", "to-file");
  make_link("folder", "to-folder");
  make_link("pipe", "to-pipe");
  make_link("gone", "dangling");
  EXPECT_EQ(fileexist("to-file"), 1);
  EXPECT_EQ(fileexist("to-folder"), 0);
  EXPECT_EQ(fileexist("to-pipe"), 0);
  EXPECT_EQ(fileexist("dangling"), 0);
}

TEST_F(GaugerFiles, FileexistMatchesWildcardsInTheLastPart) {
  make_folder("data");
  for (const char* name : {"data/a1", "data/a2", "data/a3", "data/a4"})
    make_folder(name);
  make_fifo("data/a5");
  make_file("data/a6.txt");
  EXPECT_EQ(fileexist("data/*.txt"), 1);
  EXPECT_EQ(fileexist("data/a?.txt"), 1);
  EXPECT_EQ(fileexist("data/a*"), 1);  // passes over the folders and the FIFO
  EXPECT_EQ(fileexist("data/*.doc"), 0);
  EXPECT_EQ(fileexist("data/a?"), 0);  // only folders and a FIFO match
  EXPECT_EQ(fileexist("data/?.txt"), 0);
  EXPECT_EQ(fileexist("data/A6.TXT"), 0);
  EXPECT_EQ(fileexist("*/a6.txt"), 0);  // no wildcards before the last part
}

TEST_F(GaugerFiles, FileexistSearchesTheCurrentFolderForABareName) {
  make_file("here.txt");
  const fs::path previous = fs::current_path();
  fs::current_path(path(""));
  const int bare = api().fileexist("here.txt");
  const int pattern = api().fileexist("*.txt");
  const int miss = api().fileexist("*.doc");
  fs::current_path(previous);
  EXPECT_EQ(bare, 1);
  EXPECT_EQ(pattern, 1);
  EXPECT_EQ(miss, 0);
}

}  // namespace
