// The picture file of Save picture: named after the charts of the last
// paint, always inside the program folder whatever the names hold; the
// program's own files that an ended run left, told from the user's files
// and from those of another copy at work; the converter's account of a
// failure.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

#include "support/allocation_faults.h"
#include "support/test_support.h"
#include "wheels/picture_file.h"

namespace halcyra {
namespace {

TEST(PictureFile, NamesFromTheCaptions) {
  struct Row {
    PictureNames names;
    const char* base;
  };
  const Row rows[] = {
      {{1, "Apollo 11 launch - natal", "", "", false}, "/prog/Apollo 11 launch - natal"},
      {{2, "Transits", "Apollo 11 launch - natal", "16 Jul 1969", false},
       "/prog/Transits and Apollo 11 launch - natal on 16 Jul 1969"},
      {{2, "Eve - natal", "Adam - natal", "1 Jan 1900", true}, "/prog/Eve - natal and Adam - natal"},
      // separators and ".." never leave the folder
      {{1, "Q: 1/2 house?", "", "", false}, "/prog/Q: 1-2 house?"},
      {{1, "../../etc/passwd", "", "", false}, "/prog/_-_-etc-passwd"},
      {{1, "a\\b...c", "", "", false}, "/prog/a-b_.c"},
      {{2, "Transits", "x/..", "1/2/1969", false}, "/prog/Transits and x-_ on 1-2-1969"},
      // control characters, NUL included, would cut the name short or hide in it
      {{1, std::string("Q\0tab\there\r\n", 12), "", "", false}, "/prog/Q-tab-here--"},
      // the Latin-1 titles in UTF-8, as the folder's name is
      {{1, "bell\x07 del\x7F c1\x85\x9F nbsp\xA0 \xE9t\xE9", "", "", false},
       "/prog/bell- del- c1-- nbsp\xC2\xA0 \xC3\xA9t\xC3\xA9"},
  };
  for (const Row& row : rows) EXPECT_EQ(PictureBasePath("/prog", row.names), row.base) << row.names.title1;
}

// ".picture-", six ASCII letters, ".bmp" or ".gif": the names QTemporaryFile
// makes of the templates, and only these, once unchanged for LeftOverAge;
// before that another copy of the program may still be converting.
TEST(PictureFile, OnlyTheConvertersOwnNamesAreItsLeftOvers) {
  const std::pair<const char*, bool> rows[] = {
      {".picture-AbCdEf.gif", true},
      {".picture-ZZZZZZ.gif", true},
      {".picture-azAZqQ.bmp", true},
      {"picture-ABCDEF.gif", false},       // not hidden: the user's
      {".picture-ABC.gif", false},         // three letters
      {".picture-ABCDE.gif", false},       // one letter short
      {".picture-ABCDEFG.gif", false},     // one letter over
      {".picture-ABCDEF.gif.bak", false},  // a copy kept
      {".picture-ABCDEF.GIF", false},
      {".picture-ABCDEF.BMP", false},
      {".Picture-ABCDEF.gif", false},
      {".picture_ABCDEF.gif", false},
      {".picture-ABCDE1.gif", false},      // a digit
      {".picture-ABC-EF.gif", false},
      {".picture-ABCDE\xE9.gif", false},   // a Latin-1 letter
      {".picture-ABCDEF.gifx", false},
      {"x.gif", false},
      {"", false},
  };
  for (const auto& [name, ours] : rows) {
    EXPECT_EQ(IsConvertedLeftOver(name, LeftOverAge), ours) << name;
    EXPECT_FALSE(IsConvertedLeftOver(name, LeftOverAge - std::chrono::seconds(1))) << name;
  }
}

TEST(PictureFile, LeftOversGoAndEverythingElseStays) {
  namespace fs = std::filesystem;
  const std::string dir = testing::ScratchDir("picture-left-overs");
  const auto old = fs::file_time_type::clock::now() - LeftOverAge - std::chrono::minutes(1);
  for (const char* name : {".picture-AbCdEf.gif", ".picture-QWERTY.bmp", ".picture-Recent.gif", "picture-ABCDEF.gif",
                           ".picture-ABC.gif", ".picture-ABCDEF.gif.bak", "x.gif", "kept.txt"}) {
    std::ofstream(dir + "/" + name) << name;
    if (name != std::string(".picture-Recent.gif")) fs::last_write_time(dir + "/" + name, old);
  }
  fs::create_directory(dir + "/.picture-FOLDER.gif");                       // a folder of that name
  fs::create_symlink(dir + "/kept.txt", dir + "/.picture-LINKED.gif");       // a link of that name
  fs::last_write_time(dir + "/.picture-FOLDER.gif", old);
  RemoveConvertedLeftOvers(dir);
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
  EXPECT_EQ(names, (std::set<std::string>{".picture-Recent.gif", "picture-ABCDEF.gif", ".picture-ABC.gif",
                                          ".picture-ABCDEF.gif.bak", "x.gif", "kept.txt", ".picture-FOLDER.gif",
                                          ".picture-LINKED.gif"}));
  RemoveConvertedLeftOvers(dir + "/no such folder");  // nothing to do, no error
  // Without memory it is left for the next time: start-up runs it on a
  // thread, which an exception would end the program from.
  int refused = 0;
  EXPECT_NO_THROW(refused = [&dir] {
    const testing::FailingAllocations noMemory({.bytes = 0, .on = testing::AllocationFaults::On::ThisThread});
    RemoveConvertedLeftOvers(dir);
    return noMemory.Refused();
  }());
  EXPECT_GT(refused, 0);
}

// The converter's first lines, as the warning quotes them.
TEST(PictureFile, TheWarningQuotesTheConvertersFirstLines) {
  const std::string wide(ConverterLineWidth, 'w');
  const std::pair<std::string, std::string> rows[] = {
      {" \t\n\r\n", ""},
      // trimmed; LF, CR LF and CR end lines; blank ones passed over; four at most
      {"  a \r\n\r\n\tb\rc\n\nd\ne\n", "a\r\nb\r\nc\r\nd"},
      {wide + "\n" + wide + "x", wide + "\r\n" + wide + "..."},
      {"image `BM\x1E\x85V'", "image `BM??V'"},  // the bitmap's bytes read as a name
  };
  for (const auto& [output, quoted] : rows) EXPECT_EQ(ConverterLines(output), quoted) << output;
  EXPECT_EQ(ConverterFailedText("/p/Q?", true, false, "no images\n"),
            "The picture converter could not make /p/Q?.gif.\r\n\r\nno images\r\n\r\n"
            "The picture is kept as /p/Q?.bmp.");
}

}  // namespace
}  // namespace halcyra
