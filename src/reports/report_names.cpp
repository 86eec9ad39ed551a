#include "reports/report_names.h"

#include "state/points.h"
#include "state/shared_tables.h"

namespace halcyra {

namespace {

std::string Field(std::string_view packed, int width, int index) {
  std::string text(PackedField(packed, width, index));
  text.resize(static_cast<std::size_t>(width), ' ');
  return text;
}

}  // namespace

std::string SignAbbrev(int sign) { return Field(SignAbbrevs, 3, sign); }
std::string HouseLabel(int cuspEntry) { return Field(HouseLabels, 4, cuspEntry); }
std::string PointName10(int point) { return Field(PointNames10, 10, point); }
std::string AspectName12(int code) { return Field(AspectNames12, 12, code); }

int AngleOfAspect(int code) {
  return (code >= 0 && code < static_cast<int>(AspectAngle.size())) ? AspectAngle[code] : 0;
}

std::vector<int> ListingOrder(int lastPoint) {
  std::vector<int> order;
  if (lastPoint >= Sun) order.push_back(Sun);
  if (lastPoint >= Moon) order.push_back(Moon);
  for (int p = Mercury; p <= lastPoint; ++p)
    if (p != Moon) order.push_back(p);
  return order;
}

}  // namespace halcyra
