#pragma once
// Turning the texts of the input windows into the chart input and into the
// moment a chart-wheel time step works on.
#include <string>

#include "chart_input/input_boxes.h"
#include "state/app_state.h"

namespace halcyra {

// The three numbers without leading zeros, joined by "/" in the order of
// DateFormat (0 month/day/year, 1 day/month/year, 2 year/month/day).
std::string DateTextInOrder(int month, int day, int year, int dateFormat);

// The year of the last birthday on or before the transit date.
int LastBirthdayYear(int natalMonth, int natalDay, int transitMonth, int transitDay, int transitYear);

// Fills the natal part of state.input from the natal window's texts.
void ParseNatalInput(AppState& state, const InputBoxTexts& natal);

// Fills the transit or second-person part of state.input; LastBirthdayYear
// reads the natal month and day, so the natal input is parsed first.
void ParseTransitInput(AppState& state, const InputBoxTexts& transit);

// Checks that no box is blank and copies the transit window's fields (dual
// wheel) or the natal window's fields (any other wheel) into state.step,
// noting the kind of wheel it was filled for, and sets ChartReady to 1. On a failed check ChartReady becomes 0 and the
// step record is left alone; returns whether the record was filled.
bool ReadChartInputFields(AppState& state, const InputBoxTexts& natal, const InputBoxTexts& transit,
                          InputMessages& messages);

}  // namespace halcyra
