// Program files by name whatever the letter case; text files in and out.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <tuple>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/program_files.h"
#include "platform/run_and_wait.h"
#include "platform/text_files.h"
#include "support/file_faults.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

void Touch(const std::string& path, const std::string& bytes = "") { std::ofstream(path, std::ios::binary) << bytes; }

TEST(ProgramFiles, NamesMatchWhateverTheirLetterCase) {
  const std::string dir = testing::ScratchDir("program-files");
  for (const char* name : {"SolarArc.ORB", "NAT2TRAN.orb", "Lilith.dat"}) Touch(dir + "/" + name);
  fs::create_directories(dir + "/Reports");
  const struct { const char* asked; const char* found; } cases[] = {
      {"SOLARARC.ORB", "SolarArc.ORB"}, {"solararc.orb", "SolarArc.ORB"}, {"NAT2TRAN.ORB", "NAT2TRAN.orb"},
      {"\\LILITH.DAT", "Lilith.dat"},       // a leading backslash as the program writes it
      {"REPORTS\\LASTPAGE.TXT", "Reports/LASTPAGE.TXT"},  // folder matched, new file kept
      {"MISSING.ORB", "MISSING.ORB"},       // nothing matches: the name as asked
  };
  for (const auto& c : cases)
    EXPECT_EQ(ProgramFile(dir, c.asked), dir + "/" + c.found) << "asked " << c.asked;
  EXPECT_FALSE(FileExists(dir + "/Reports"));           // a folder is not a file
  EXPECT_FALSE(FileExists(dir + "/no-such-folder/x"));  // no error, just false
}

TEST(TextFiles, ReadsCrLfLfAndBareCrWritesCrLf) {
  const std::string dir = testing::ScratchDir("text-files");
  // Files saved by old Macintosh editors end their lines with CR alone.
  Touch(dir + "/mixed.txt", "one\r\ntwo\n\r\nthree\rfour\r\rlast \xE9");
  const std::vector<std::string> expected = {"one", "two", "", "three", "four", "", "last \xE9"};  // Latin-1 kept as bytes
  EXPECT_EQ(ReadTextLines(dir + "/mixed.txt"), expected);
  EXPECT_FALSE(ReadTextLines(dir + "/absent.txt"));

  ASSERT_TRUE(WriteTextLines(dir + "/out.txt", {"a", "", "b\xE9"}));
  EXPECT_EQ(*ReadWholeFile(dir + "/out.txt"), "a\r\n\r\nb\xE9\r\n");
}

// Only plain files are read, a link to one included: anything else is
// refused at once, without waiting on a pipe or reading a device forever,
// with the reason, and a file only as large as the reader allows.
TEST(TextFiles, OnlyPlainFilesOfABoundedSizeAreRead) {
  const std::string dir = testing::ScratchDir("text-files-plain");
  Touch(dir + "/plain.txt", "ten bytes\n");
  fs::create_symlink(dir + "/plain.txt", dir + "/link");
  fs::create_symlink(dir + "/gone.txt", dir + "/dangling");
  fs::create_directory(dir + "/folder");
  ASSERT_EQ(mkfifo((dir + "/pipe").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir + "/zero");
  fs::create_symlink(dir + "/loop", dir + "/loop");
  Touch(dir + "/locked.txt", "x");
  fs::permissions(dir + "/locked.txt", fs::perms::none);
  std::ofstream(dir + "/huge.bin").close();
  fs::resize_file(dir + "/huge.bin", MaxReadBytes + 1);  // sparse: no disk, and never read
  using Kind = FileRefusal::Kind;
  const struct {
    const char* file;
    size_t maxBytes;
    std::optional<Kind> kind;  // nullopt: read
    const char* reason;
  } rows[] = {
      {"plain.txt", 10, std::nullopt, ""},
      {"link", 10, std::nullopt, "a link to a plain file"},
      {"plain.txt", 9, Kind::TooLarge, "too large (over 9 bytes)"},
      {"/proc/self/status", 10, Kind::TooLarge, "too large (over 10 bytes)"},  // its size reads 0
      {"/proc/self/status", MaxReadBytes, std::nullopt, ""},
      {"huge.bin", MaxReadBytes, Kind::TooLarge, "too large (over 1024 MB)"},
      {"gone.txt", MaxReadBytes, Kind::Missing, "No such file or directory"},
      {"dangling", MaxReadBytes, Kind::Missing, "No such file or directory"},
      {"folder", MaxReadBytes, Kind::NotAFile, "not a file but a folder"},
      {"pipe", MaxReadBytes, Kind::NotAFile, "not a file but a named pipe"},
      {"zero", MaxReadBytes, Kind::NotAFile, "not a file but a device"},
      {"loop", MaxReadBytes, Kind::Unreadable, "Too many levels of symbolic links"},
      {"locked.txt", MaxReadBytes, Kind::Unreadable, "Permission denied"},
  };
  for (const auto& row : rows) {
    if (std::string(row.file) == "locked.txt" && ::geteuid() == 0) continue;  // the superuser reads every file
    const std::string path = row.file[0] == '/' ? row.file : dir + "/" + row.file;
    FileRefusal refusal;
    const auto bytes = ReadWholeFileUpTo(path, row.maxBytes, &refusal);
    EXPECT_EQ(bytes.has_value(), !row.kind) << row.file;
    if (!row.kind) continue;
    EXPECT_EQ(refusal.kind, *row.kind) << row.file;
    EXPECT_EQ(refusal.reason, row.reason) << row.file;
    if (row.maxBytes == MaxReadBytes) {
      EXPECT_EQ(WhyNotReadable(path).value_or(FileRefusal{}).reason, row.reason);
    }
  }
  EXPECT_EQ(ReadWholeFile(dir + "/link"), "ten bytes\n");
  EXPECT_EQ(WhyNotReadable(dir + "/link"), std::nullopt);
}

TEST(TextFiles, LineSpansCutAtEveryKindOfLineEnd) {
  using Spans = std::vector<std::pair<size_t, size_t>>;
  const struct { std::string_view text; Spans spans; const char* what; } cases[] = {
      {std::string_view(), {{0, 0}}, "no text, not even a place in memory: one empty line"},
      {"", {{0, 0}}, "an empty text"},
      {"ab", {{0, 2}}, "a line without an end"},
      {"ab\r\n", {{0, 2}, {4, 0}}, "CR LF, then the empty part after it"},
      {"a\nb\rc\r\nd", {{0, 1}, {2, 1}, {4, 1}, {7, 1}}, "LF, CR alone and CR LF"},
      {"\n\r\r\n", {{0, 0}, {1, 0}, {2, 0}, {4, 0}}, "line ends only"},
  };
  for (const auto& c : cases) EXPECT_EQ(LineSpans(c.text), c.spans) << c.what;
}

TEST(TextFiles, AFailedWriteReportsFailureAndKeepsTheOldFile) {
  const std::string dir = testing::ScratchDir("text-files-fail");
  EXPECT_FALSE(WriteTextLines(dir + "/no-such-folder/out.txt", {"x"}));
  EXPECT_FALSE(fs::exists(dir + "/no-such-folder"));
  // A folder in the file's place cannot be replaced by a file.
  fs::create_directories(dir + "/taken");
  EXPECT_FALSE(WriteTextLines(dir + "/taken", {"x"}));
  EXPECT_TRUE(fs::is_directory(dir + "/taken"));
  if (::geteuid() == 0) return;  // root writes into read-only folders
  Touch(dir + "/keep.txt", "old\r\n");
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  const bool written = WriteTextLines(dir + "/keep.txt", {"new"});
  fs::permissions(dir, fs::perms::owner_all);
  EXPECT_FALSE(written);
  EXPECT_EQ(*ReadWholeFile(dir + "/keep.txt"), "old\r\n");
}

std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::ranges::sort(names);
  return names;
}

// A write that fails says why and changes nothing: the older file keeps its
// bytes and no temporary file stays beside it. Text smaller than Qt's write
// buffer (16 KB) would reach the disk only as the file is put in place.
TEST(TextFiles, AWriteThatFailsSaysWhyAndLeavesTheOlderFile) {
  const std::string dir = testing::ScratchDir("text-files-why");
  const std::string older = "older\r\n";
  enum class Fault { None, SizeLimit, ReadOnly };
  const struct {
    const char* what;
    std::string file;
    size_t bytes;
    Fault fault;
    const char* reason;  // nullptr: written
  } rows[] = {
      {"exactly the 4 KB limit", "out.txt", 4096, Fault::SizeLimit, nullptr},
      {"one byte over the 4 KB limit", "out.txt", 4097, Fault::SizeLimit, "File too large"},
      {"10 KB, within Qt's buffer", "out.txt", 10000, Fault::SizeLimit, "File too large"},
      {"100 KB, past Qt's buffer", "out.txt", 100000, Fault::SizeLimit, "File too large"},
      {"a read-only folder", "out.txt", 10, Fault::ReadOnly, "Permission denied"},
      {"no such folder", "none/out.txt", 10, Fault::None, "No such file or directory"},
      {"a named pipe under the name, which stays", "pipe", 10, Fault::None, "not a file but a named pipe"},
      // as a link to a device would be: were it replaced, the superuser's would be gone
      {"a link to that pipe", "pipe-link", 10, Fault::None, "not a file but a named pipe"},
  };
  ASSERT_EQ(mkfifo((dir + "/pipe").c_str(), 0600), 0);
  fs::create_symlink(dir + "/pipe", dir + "/pipe-link");
  for (const auto& row : rows) {
    Touch(dir + "/out.txt", older);
    const std::string bytes(row.bytes, 'x');
    // as text: lines of 10 bytes with their CR LF, a few more bytes in all
    const std::vector<std::string> lines(row.bytes / 10 + 1, std::string(8, 'x'));
    const std::vector<std::string> before = Listing(dir);
    std::optional<std::string> reason, linesReason;
    {
      std::optional<testing::ScopedFileSizeLimit> limit;
      std::optional<testing::ScopedReadOnlyFolder> readOnly;
      if (row.fault == Fault::SizeLimit) limit.emplace(4096);
      if (row.fault == Fault::ReadOnly) readOnly.emplace(dir);
      reason = WriteWholeFileOrReason(dir + "/" + row.file, bytes);
      if (reason) linesReason = WriteTextLinesOrReason(dir + "/" + row.file, lines);
    }
    EXPECT_EQ(reason.value_or("written"), row.reason ? row.reason : "written") << row.what;
    EXPECT_EQ(Listing(dir), before) << row.what << ": nothing half-written";
    if (!row.reason) {
      EXPECT_TRUE(ReadWholeFile(dir + "/out.txt") == bytes) << row.what << ": not written whole";
      continue;
    }
    EXPECT_EQ(linesReason, reason) << row.what << ": as text";
    EXPECT_TRUE(ReadWholeFile(dir + "/out.txt") == older) << row.what << ": the older file changed";
  }
  EXPECT_TRUE(fs::is_fifo(dir + "/pipe")) << "the pipe was replaced";
}

TEST(RunAndWait, WaitsForTheProgramToEnd) {
  const std::string dir = testing::ScratchDir("run-and-wait-占星");  // the command line in UTF-8, as paths are
  // The marker exists only if the call returned after the program finished;
  // each argument reaches the program whole, whatever blanks, quotes and
  // shell signs it holds.
  const std::vector<std::string> arguments = {"a b", "\"", "\" x", "x\"", "say \"hi\" twice", "$HOME `x` 'q'"};
  std::string line = "/bin/sh -c " + CommandLineArgument("sleep 0.2; printf '%s\\n' \"$@\" > \"$0\"") + " " +
                     CommandLineArgument(dir + "/a marker");
  std::string expected;
  for (const std::string& argument : arguments) {
    line += " " + CommandLineArgument(argument);
    expected += argument + "\n";
  }
  EXPECT_TRUE(RunAndWait(line));
  EXPECT_EQ(ReadWholeFile(dir + "/a marker"), expected);
  EXPECT_FALSE(RunAndWait(dir + "/no-such-program --flag"));
  EXPECT_FALSE(RunAndWait(""));
}

// The converter's run: in the folder given, whatever letters its name
// holds, its output kept for the caller up to the bound, however much it
// writes.
TEST(RunAndWait, KeepsWhatTheProgramWritesAndRunsInTheFolderGiven) {
  for (const char* name : {"run-in-folder", "Zoë-Åsa", "占星术图片"}) {
    const std::string dir = testing::ScratchDir(name);
    const ProgramRun run = RunAndWaitWithArguments("sh", {"-c", "pwd; echo 'to error' >&2; exit 3"}, dir);
    EXPECT_EQ(std::tie(run.started, run.exitCode, run.output), std::tuple(true, 3, dir + "\nto error\n"));
  }
  EXPECT_FALSE(RunAndWaitWithArguments("no-such-program-on-the-path", {}).started);
  // with SIGXFSZ at its default, as from a shell, though ours ignores it
  const auto ours = std::signal(SIGXFSZ, SIG_IGN);
  const ProgramRun limited = RunAndWaitWithArguments("sh", {"-c", "ulimit -f 0; head -c 1 /dev/zero > over; echo $?"},
                                                     testing::ScratchDir("run-limited"));
  std::signal(SIGXFSZ, ours);
  EXPECT_TRUE(limited.output.ends_with(std::to_string(128 + SIGXFSZ) + "\n")) << limited.output;
  for (const size_t bytes : {ProgramOutputKept, ProgramOutputKept + 1}) {
    const std::string written = "head -c " + std::to_string(bytes) + " /dev/zero | tr '\\0' x";
    EXPECT_EQ(RunAndWaitWithArguments("sh", {"-c", written}).output, std::string(ProgramOutputKept, 'x')) << bytes;
  }
}

}  // namespace
}  // namespace halcyra
