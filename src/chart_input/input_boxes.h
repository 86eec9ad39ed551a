#pragma once
// The texts and choices of one input window (natal or transit), as the
// checks and the parse read them, and the messages the checks raise.
#include <optional>
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
  bool operator==(const InputBoxTexts&) const = default;
};

// The date and time boxes of a window; the hour may be written 0 to 23, as
// the hour box turns it into the 12-hour form itself.
struct MomentTexts {
  std::string Month, Day, Year, Hour, Minute;
  bool PM = false;
  bool operator==(const MomentTexts&) const = default;
};

// The zone and place boxes of a window.
struct PlaceTexts {
  std::string TZ, LongDeg, LongMin, LatDeg, LatMin;
  bool East = false;
  bool South = false;
};

// The boxes of a window in the order the checks read them.
enum class EntryBox { Month, Day, Year, Hour, Minute, Zone, LongDeg, LongMin, LatDeg, LatMin };

// A box of the natal (window 0) or the transit (window 1) input window.
struct BoxAtFault {
  int Window = 0;
  EntryBox Box = EntryBox::Month;
  bool operator==(const BoxAtFault&) const = default;
};

struct InputMessage {
  std::string Text, Title;
  bool operator==(const InputMessage&) const = default;
};

// Messages in the order raised; a message already waiting is not added again,
// so one round of checks shows each complaint once. The box of the first
// complaint is where the window puts the focus.
class InputMessages {
 public:
  void Add(const std::string& text, const std::string& title, BoxAtFault box);
  const std::vector<InputMessage>& List() const { return list_; }
  bool Empty() const { return list_.empty(); }
  const std::optional<BoxAtFault>& Focus() const { return focus_; }

 private:
  std::vector<InputMessage> list_;
  std::optional<BoxAtFault> focus_;
};

}  // namespace halcyra
