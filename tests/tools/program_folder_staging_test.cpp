// The build's staging of appdata/ into the program folder, run as the build
// runs it (cmake/stage_program_folder.cmake) on scratch folders: the user's
// files survive every build, and the list that tells them from the shipped
// tables covers every shipped file.
#include <gtest/gtest.h>

#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "tools/tools_test_support.h"

namespace halcyra::testing {
namespace {

namespace fs = std::filesystem;

const std::string kScript = HALCYRA_SOURCE_DIR "/cmake/stage_program_folder.cmake";
const std::string kManifest = HALCYRA_SOURCE_DIR "/cmake/program_folder_files.txt";

// Name to class ("keep" or "refresh"); a name listed twice is reported.
std::map<std::string, std::string> ReadManifest(std::vector<std::string>& duplicates) {
  std::map<std::string, std::string> classes;
  std::ifstream file(kManifest);
  for (std::string line; std::getline(file, line);) {
    std::istringstream fields(line);
    std::string kind, name;
    if (!(fields >> kind) || kind[0] == '#') continue;
    fields >> name;
    if (!classes.emplace(name, kind).second) duplicates.push_back(name);
  }
  return classes;
}

// The files of appdata/ the build stages (the repository's dot files aside).
std::vector<std::string> ShippedNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(SourceAppData()))
    if (!entry.path().filename().string().starts_with(".")) names.push_back(entry.path().filename().string());
  std::ranges::sort(names);
  return names;
}

// What the staging prints, errors and warnings included.
std::string Stage(const std::string& programDir) {
  return CommandOutput(HALCYRA_CMAKE_COMMAND,
                       {"-DAPPDATA=" + SourceAppData(), "-DPROGRAM_DIR=" + programDir, "-P", kScript});
}

// The program folder finds files whatever their letter case.
std::string Lower(std::string name) {
  std::ranges::transform(name, name.begin(), ::tolower);
  return name;
}

std::string Content(const std::string& path) { return ReadWholeFile(path).value_or("<missing>"); }

// Every file below the folder, as paths relative to it.
std::set<std::string> FolderFiles(const std::string& dir) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    if (!entry.is_directory()) files.insert(fs::relative(entry.path(), dir).string());
  return files;
}

TEST(ProgramFolderStaging, EveryShippedFileIsClassifiedOnce) {
  std::vector<std::string> duplicates;
  const auto classes = ReadManifest(duplicates);
  EXPECT_EQ(duplicates, std::vector<std::string>{}) << kManifest;
  std::set<std::string> folded;
  for (const std::string& name : ShippedNames()) {
    EXPECT_TRUE(fs::is_regular_file(SourceAppData() + "/" + name)) << name << ": the staging copies files only";
    const auto found = classes.find(name);
    EXPECT_TRUE(found != classes.end() && (found->second == "keep" || found->second == "refresh"))
        << "appdata/" << name << " needs a line \"keep\" or \"refresh\" in " << kManifest;
    EXPECT_TRUE(folded.insert(Lower(name)).second) << name << " differs from another shipped file only in letter case";
  }
  for (const auto& [name, kind] : classes)
    EXPECT_TRUE(fs::exists(SourceAppData() + "/" + name)) << kManifest << " lists " << name << ", not in appdata/";
}

// Files the program writes, or the user edits through the program, by name
// or pattern (letter case aside). Saved data files take any name the user
// types; the staging refreshes a table only under its shipped name, so a
// "Sun.txt" saved beside SUN.TXT is left alone (tested below).
TEST(ProgramFolderStaging, NoFileTheProgramWritesIsRefreshed) {
  const struct {
    const char* pattern;
    const char* writer;
  } written[] = {
      {"*.FIL", "Save Natal Data; the names list's editor"},
      {"*.LL", "the cities list's editor"},
      {"*.ORB", "the wheel's orb editor, on the orb file in use; DIURNAL.ORB from the minute listing's options"},
      {"OPTIONS.OPT", "the options editor, and its Restore Default Settings"},
      {"OPTIONS.MAS", "the options editor's factory copy, the user's to adapt"},
      {"TZ.DAT", "the zone list, extended by hand"},
      {"Orvane.INI", "exit"},
      {"PERSONAL.NAM", "the user, for the printed wheel"},
      {"PRNTFILE.XXX", "the Data window's Print commands"},
      {"REPORTS", "every report page (REPORTS/LASTPAGE.TXT)"},
      {"*.bmp", "Save picture"},
      {"*.gif", "Save picture"},
      {"*.pdf", "printing to a file"},
  };
  std::vector<std::string> duplicates;
  for (const auto& [name, kind] : ReadManifest(duplicates)) {
    if (kind != "refresh") continue;
    for (const auto& w : written)
      EXPECT_NE(fnmatch(w.pattern, name.c_str(), FNM_CASEFOLD), 0)
          << name << " is refreshed by every build, but " << w.writer << " writes " << w.pattern;
  }
}

// A fresh clone's build stages into a folder that does not exist yet; a
// later build keeps what the user changed, adds what is missing and
// refreshes only read-only tables that differ.
TEST(ProgramFolderStaging, ABuildKeepsTheUsersFiles) {
  const std::string dir = ScratchDir("staging") + "/program";
  const std::string first = Stage(dir);
  EXPECT_EQ(first.find("Warning"), std::string::npos) << first;
  EXPECT_EQ(first.find("exit"), std::string::npos) << first;
  std::set<std::string> expectedFiles;
  for (const std::string& name : ShippedNames()) {
    EXPECT_EQ(Content(dir + "/" + name), Content(SourceAppData() + "/" + name)) << name;
    expectedFiles.insert(name);
  }
  EXPECT_EQ(FolderFiles(dir), expectedFiles) << "only the shipped files, no temporary ones";

  enum Action { Edit, Delete, RenameToLowerCase, Create };
  const std::string userText = "written by the user\r\n";
  const struct {
    std::string name;
    Action action;
    bool userKept;  // else the shipped file is there after the build
    const char* why;
  } rows[] = {
      {"NAMES.FIL", Edit, true, "a chart saved with Save Natal Data"},
      {"NATAL.ORB", Edit, true, "orbs changed in the wheel's orb editor"},
      {"Progress.orb", Edit, true, "an orb file in mixed letter case"},
      {"OPTIONS.OPT", Edit, true, "options changed in the options editor"},
      {"GA_MA.LL", Edit, true, "a city added in the cities list's editor"},
      {"TZ.DAT", RenameToLowerCase, true, "tz.dat is the program's TZ.DAT: no second copy is added"},
      {"WHEELS.HLP", RenameToLowerCase, true, "a table under the user's spelling is not refreshed"},
      {"OPTIONS.MAS", Delete, false, "a missing file is added"},
      {"STARS.TXT", Edit, false, "a read-only table that differs is refreshed"},
      {"Orvane.INI", Create, true, "written at exit, never shipped"},
      {"REPORTS/LASTPAGE.TXT", Create, true, "the last report page"},
      {"Apollo 11 launch.gif", Create, true, "a saved picture"},
      {"Sun.txt", Create, true, "a data file saved beside SUN.TXT"},
  };
  for (const auto& row : rows) {
    const std::string path = dir + "/" + row.name;
    const std::string lower = Lower(row.name);
    switch (row.action) {
      case Edit: std::ofstream(path, std::ios::binary | std::ios::app) << userText; break;
      case Delete: fs::remove(path); break;
      case RenameToLowerCase:
        fs::rename(path, dir + "/" + lower);
        std::ofstream(dir + "/" + lower, std::ios::binary) << userText;
        expectedFiles.erase(row.name);
        expectedFiles.insert(lower);
        break;
      case Create:
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << userText;
        expectedFiles.insert(row.name);
        break;
    }
  }

  const std::string second = Stage(dir);
  EXPECT_EQ(second.find("Warning"), std::string::npos) << second;
  for (const auto& row : rows) {
    const std::string found = row.action == RenameToLowerCase ? Lower(row.name) : row.name;
    const std::string shipped = Content(SourceAppData() + "/" + row.name);
    const std::string user = row.action == Edit ? shipped + userText : userText;
    EXPECT_EQ(Content(dir + "/" + found), row.userKept ? user : shipped) << row.name << ": " << row.why;
  }
  EXPECT_EQ(FolderFiles(dir), expectedFiles) << "nothing added beside the user's spellings, no temporary files";
}

}  // namespace
}  // namespace halcyra::testing
