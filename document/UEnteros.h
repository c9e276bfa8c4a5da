#pragma once

#include <QString>

// Reads a whole number written as an optional sign followed by decimal digits, within the
// range of an int; blanks or any other character make it no number. Every place that asks
// "is this text a whole number" (stored flags, durations, years, typed hours) reads it here,
// so they all agree.
bool TextToInt(const QString& text, int& value);

// The number in the text, or fallback when the text is no whole number.
int TextToIntDef(const QString& text, int fallback);

// The longest duration a project can have, in years: the budget has three.
constexpr int kMaxDurationYears = 3;

// A stored duration used as a count of years: the number when it lies between 1 and
// kMaxDurationYears, else 1, as for a text that is no whole number. A number read from a file
// thus never drives a loop far beyond the years a project has.
int DurationYears(const QString& text);
