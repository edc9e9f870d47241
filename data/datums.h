#pragma once
// Dates as the collection writes them: English month words and GEDCOM-style qualifiers made
// Dutch, and numeric dates laid out as the date setting asks.
#include "platform/klok.h"

#include <cstdint>
#include <optional>
#include <string>

namespace gdk {

// English month names and abbreviations, ABT/CAL/EST/BEF/AFT/BET (with or without a dot), double
// blanks and dots replaced, in that order, ignoring case.
std::string DatumNaarNederlands(const std::string& datum);
// A date of three numeric parts, day first, or a calendar date written yyyy-mm-dd, in the form
// `instelling` asks (the setting adDatumAanpassen): 1 dd-mm-jjjj, 2 d-m-j; any other setting, or
// any other date, stays as written.
std::string DatumNormaliseren(const std::string& datum, std::int32_t instelling);
// The calendar date a date field names, as the pages show one: a date written yyyy-mm-dd, or
// day, month and year after the Dutch translation (5.3.1920, 05-03-1920); none for anything else.
std::optional<DatumTijd> KalenderDatum(const std::string& datum);

} // namespace gdk
