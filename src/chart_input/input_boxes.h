#pragma once
// The texts and choices of one input window (natal or transit), as the
// checks and the parse read them, and the messages the checks raise.
#include <string>
#include <vector>

namespace halcyra {

struct InputBoxTexts {
  std::string Month, Day, Year;
  std::string Hour, Minute;
  std::string TZ;                  // dot-minutes hours, west positive
  std::string LongDeg, LongMin;
  std::string LatDeg, LatMin;
  bool PM = false;
  bool East = false;
  bool South = false;
};

// The date and time boxes of a window; the hour may be written 0 to 23, as
// the hour box turns it into the 12-hour form itself.
struct MomentTexts {
  std::string Month, Day, Year, Hour, Minute;
  bool PM = false;
};

// The zone and place boxes of a window.
struct PlaceTexts {
  std::string TZ, LongDeg, LongMin, LatDeg, LatMin;
  bool East = false;
  bool South = false;
};

struct InputMessage {
  std::string Text, Title;
  bool operator==(const InputMessage&) const = default;
};

// Messages in the order raised; a message already waiting is not added again,
// so one round of checks shows each complaint once.
class InputMessages {
 public:
  void Add(const std::string& text, const std::string& title);
  const std::vector<InputMessage>& List() const { return list_; }
  bool Empty() const { return list_.empty(); }

 private:
  std::vector<InputMessage> list_;
};

}  // namespace halcyra
