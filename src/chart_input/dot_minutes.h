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
  int Minutes = 0;  // 0 to 59 when read strictly

  // Strict reading for data files: optional sign, digits, and optionally a
  // point followed by one or two digits of minutes below 60 ("5.3" is 5.30).
  static std::optional<DotMinutes> FromText(std::string_view text);
  // Lenient reading of a typed box, as every number is read from text; the
  // minutes are the first two places after the point and may exceed 59.
  static DotMinutes FromValue(double dotValue);

  // "5", "-5.30", "0", "12.45": the form written into boxes and files.
  std::string Text() const;
  // Decimal units: -5.30 gives -5.5.
  double Decimal() const;
  // Whole units plus minutes / 100, signed: -5.30 gives -5.3.
  double DotValue() const;
};

}  // namespace halcyra
