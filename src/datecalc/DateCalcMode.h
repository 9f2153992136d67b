#pragma once

// What the date calculator computes: nothing until a mode button is pressed,
// then either a date from a date and an interval, or the interval between two
// dates.
enum class DateCalcMode { None, Date, Interval };
