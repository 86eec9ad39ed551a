#pragma once
// The exchange with an outside atlas program: ATLAS.EXE in the folder the
// user names is run and waited for; it leaves PCATPATH.TXT in its own folder,
// naming the folder of its answer TSRTEMP.TXT (see docs/atlas-exchange.md).
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chart_input/input_boxes.h"

namespace halcyra {

struct AtlasAnswer {
  PlaceTexts Place;      // longitude and latitude always; the zone only when HasZone
  bool HasZone = false;
};

// Reads the answer file's lines; on a line it cannot read, badLine is set to
// its number (1-based) and nullopt returned; nullopt with badLine 0 means
// the latitude or the longitude is missing.
std::optional<AtlasAnswer> ParseAtlasAnswer(const std::vector<std::string>& lines, int& badLine);

struct AtlasResult {
  std::optional<AtlasAnswer> Answer;
  std::string Message;  // why there is no answer
  // The folder holds ATLAS.EXE: a folder worth keeping, whatever the run gave.
  bool FolderHoldsAtlas = false;
};

// Starts a command line and waits for it; false when it could not start.
using ProgramRunner = std::function<bool(const std::string& commandLine)>;

inline constexpr const char* NoAtlasFolderText =
    "No atlas folder is set. Please name the folder that holds ATLAS.EXE.";

// Runs the whole exchange. An answer file older than the run is refused, so a
// cancelled atlas never hands back the place of an earlier search.
AtlasResult RunAtlasExchange(const std::string& atlasDir, const ProgramRunner& run);

}  // namespace halcyra
