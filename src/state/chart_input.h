#pragma once
// Values parsed from the natal and the transit or second-person input windows,
// the moment a chart-wheel time step works on, and what the data-entry
// windows remember between uses.
#include <string>

#include "state/moment.h"
#include "state/place.h"

namespace halcyra {

// The years the input checks accept: the natal year from 100, the transit
// year from 1 (a year as dates are written: there is no year 0); both up to
// 2099.
inline constexpr int FirstNatalYear = 100;
inline constexpr int FirstTransitYear = 1;
inline constexpr int LastInputYear = 2099;

struct ChartInput {
  // natal: the date, 12-hour clock time, A.M./P.M. and zone as typed, and the place
  Moment Natal;
  Place NatalPlace;
  std::string NatalDateText;     // the three numbers joined by "/" in DateFormat order
  std::string NatalAmPmCaption;  // the natal A.M./P.M., or the stepped transit one
  // transit or second person
  Moment Transit;
  Place TransitPlace;
  std::string TransitDateText;
  int LastBirthdayYear = 0;

  // What the data-entry windows remember between uses.
  int RememberedNameIndex = -1;  // names-list row last used for a chart
  int GeoTarget = 0;             // window the cities list fills: 0 natal, 1 transit
  std::string SelectedFile;      // the file chooser's answer, "" when cancelled
};

// The moment and place a chart-wheel time step works on, copied from an
// input window once and then changed in place by the steps (date and clock
// time only).
struct StepRecord {
  Moment When;
  Place Where;
  // The wheel kind whose input window filled the record: 1 the natal
  // window (single wheels), 2 the transit window (dual wheels), 0 not yet.
  int FilledFor = 0;
};

}  // namespace halcyra
