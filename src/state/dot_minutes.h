#pragma once
// Zones and coordinates as the user types them: whole units plus minutes
// divided by 100 ("5.30" is five hours thirty minutes).
#include <optional>
#include <string>
#include <string_view>

namespace halcyra {

struct DotMinutes {
  bool Negative = false;
  int Whole = 0;
  int Minutes = 0;  // 0 to 99: a typed box may hold minutes of 60 and more

  // Strict reading for data files: optional sign, digits, and optionally a
  // point followed by one or two digits of minutes ("5.3" is 5.30). Minutes
  // of 60 to 99 are read as the zone box reads them (5.75 is 6.25 hours), so
  // everything the input checks accept and the names file keeps reads back.
  static std::optional<DotMinutes> FromText(std::string_view text);
  // Lenient reading of a typed box, as every number is read from text; the
  // minutes are the first two places after the point and may exceed 59.
  static DotMinutes FromValue(double dotValue);

  // "5", "-5.30", "0", "12.45": the form written into boxes and files.
  std::string Text() const;
  // Decimal units: -5.30 gives -5.5.
  double Decimal() const;

  bool operator==(const DotMinutes&) const = default;
};

}  // namespace halcyra
