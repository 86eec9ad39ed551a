#include "state/shared_tables.h"

namespace halcyra {

std::string_view PackedField(std::string_view packed, int width, int k) {
  if (width <= 0 || k < 1) return {};
  const size_t start = static_cast<size_t>(width) * static_cast<size_t>(k - 1);
  if (start >= packed.size()) return {};
  return packed.substr(start, static_cast<size_t>(width));
}

int WeekdayNumber(long julianDay) {
  const long d = (julianDay - static_cast<long>(WeekdayEpochJD)) % 7;
  return static_cast<int>(d < 0 ? d + 7 : d);
}

ScreenClass ChooseScreenClass(int widthPixels, int twipsPerPixelX) {
  if (widthPixels == 640) return {640, 480, 8490, 7200, 1.5};
  if (widthPixels == 800) {
    if (twipsPerPixelX == 12) return {800, 600, 8400, 7200, 1.2};
    return {800, 600, 10725, 8940, 1.5};
  }
  if (twipsPerPixelX == 15) return {1024, 768, 14050, 11505, 1.5};
  return {1024, 768, 10970, 9204, 1.2};
}

std::string InitialRetroFlags() { return std::string(NumPoints, ' '); }

std::string InitialHouseTags() {
  return std::string(130, ' ') + "---- --------- -----" + std::string((NumPoints - 15) * 10, ' ');
}

std::string HouseSystemFromOption(float option27) {
  static constexpr struct {
    float option;
    const char* code;
  } kSystems[] = {{2, "R"}, {3, "K"}, {4, "C"}, {5, "O"}, {6, "EA"}, {7, "EM"}, {8, "M"}, {9, "I"}};
  for (const auto& system : kSystems)
    if (option27 == system.option) return system.code;
  return "P";
}

}  // namespace halcyra
