// The report's files on Wine's real file system: a new file is written
// beside the target and renamed over it; a file that cannot be replaced stays
// as it was, the error comes from the failing call, and no spare file is
// left in the folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/os/win/win_ports_win.h"

namespace vrex {
namespace {

class ReportFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    os::win::InstallWin32Ports();
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    folder = std::string(temp) + "vrex_report_files";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& name : Listing()) {
      SetFileAttributesA((folder + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA((folder + "\\" + name).c_str());
    }
  }

  std::vector<std::string> Listing() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      std::string name = found.cFileName;
      if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }

  std::string Content(const std::string& path) {
    auto lines = os::FilesPort().ReadLines(path);
    std::string joined;
    if (lines)
      for (const auto& line : *lines) joined += line + "|";
    return joined;
  }

  std::string folder;
};

TEST_F(ReportFiles, ReplacesOnlyWhatItMayAndLeavesNoSpareFile) {
  const std::string target = folder + "\\report.txt";
  EXPECT_EQ(os::FilesPort().ReplaceWithLines(target, {"one", "two"}), 0u);
  EXPECT_EQ(Content(target), "one|two|");
  EXPECT_EQ(os::FilesPort().ReplaceWithLines(target, {"three"}), 0u);  // an existing file is replaced
  EXPECT_EQ(Content(target), "three|");
  EXPECT_EQ(Listing(), std::vector<std::string>{"report.txt"});

  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(os::FilesPort().ReplaceWithLines(target, {"four"}), static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(Content(target), "three|");
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);

  // The system's error for a missing folder (Wine: the folder name is not valid).
  EXPECT_NE(os::FilesPort().ReplaceWithLines(folder + "\\missing\\report.txt", {"x"}), 0u);
  EXPECT_EQ(os::FilesPort().ReplaceWithLines(folder, {"x"}), static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(Listing(), std::vector<std::string>{"report.txt"});
}

}  // namespace
}  // namespace vrex
