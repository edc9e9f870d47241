#pragma once
// Dates as the collection writes them: English month words and GEDCOM-style qualifiers made
// Dutch, and numeric dates laid out as the date setting asks.
#include <cstdint>
#include <string>

namespace gdk {

// English month names and abbreviations, ABT/CAL/EST/BEF/AFT/BET (with or without a dot), double
// blanks and dots replaced, in that order, ignoring case.
std::string DatumNaarNederlands(const std::string& datum);
// A date of three numeric parts in the form `instelling` asks (the setting adDatumAanpassen):
// 1 dd-mm-jjjj, 2 d-m-j; any other setting, or any other date, stays as written.
std::string DatumNormaliseren(const std::string& datum, std::int32_t instelling);

} // namespace gdk
