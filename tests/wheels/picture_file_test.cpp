// The picture file of Save picture: named after the charts of the last
// paint, always inside the program folder whatever the names hold.
#include <gtest/gtest.h>

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
      {{1, "bell\x07 del\x7F c1\x85\x9F nbsp\xA0 \xE9t\xE9", "", "", false},
       "/prog/bell- del- c1-- nbsp\xA0 \xE9t\xE9"},
  };
  for (const Row& row : rows) EXPECT_EQ(PictureBasePath("/prog", row.names), row.base) << row.names.title1;
}

}  // namespace
}  // namespace halcyra
