#pragma once
// The values read from the input windows made into the chart input, and the
// moment a chart-wheel time step works on.
#include <string>

#include "chart_input/input_checks.h"
#include "state/app_state.h"

namespace halcyra {

// The three numbers without leading zeros, joined by "/" in the order of
// DateFormat (0 month/day/year, 1 day/month/year, 2 year/month/day).
std::string DateTextInOrder(int month, int day, int year, int dateFormat);

// The year of the last birthday on or before the transit date.
int LastBirthdayYear(int natalMonth, int natalDay, int transitMonth, int transitDay, int transitYear);

// The natal part of state.input from the natal window's moment and place.
void ParseNatalInput(AppState& state, const Moment& moment, const Place& place);

// The transit or second-person part of state.input; LastBirthdayYear reads
// the natal month and day, so the natal input is parsed first.
void ParseTransitInput(AppState& state, const Moment& moment, const Place& place);

// Checks that no box is blank and that the window of the wheel (the transit
// window for a dual wheel, else the natal one) holds values it accepts, and
// copies that window's moment and place into state.step, noting the kind of
// wheel it was filled for, and sets ChartReady to 1. On a failed check
// ChartReady becomes 0 and the step record is left alone; returns whether
// the record was filled.
bool ReadChartInputFields(AppState& state, const InputReadings& input, InputMessages& messages);

}  // namespace halcyra
