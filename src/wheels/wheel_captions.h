#pragma once
// The caption blocks beside the wheel: the seven lines of the single or
// outer ring's chart at the top left, and on a dual wheel the block headed
// "INNER CHART is:" near the bottom left. A full-page print adds the lines
// of PERSONAL.NAM, right-aligned at the top right.
#include <optional>
#include <string>
#include <vector>

#include "state/wheel_sets.h"
#include "wheels/surface_twins.h"
#include "wheels/wheel_items.h"

namespace halcyra {

inline constexpr const char* InnerChartHeading = "INNER CHART is:";

// `footerLines`: the lines of PERSONAL.NAM; none when it is missing or
// unreadable (the footer is then left out without a word).
std::vector<TextItem> WheelCaptions(const CaptionBlock& chartTitle, const CaptionBlock& chartTitle2, int wheelKind,
                                    const WheelArea& area, const SurfaceTwin& twin, const TextMetrics& metrics,
                                    const std::optional<std::vector<std::string>>& footerLines = std::nullopt);

}  // namespace halcyra
