#pragma once
// Clock and locale formats. "Now" comes from one place that tests can set.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gdk {

struct DatumTijd {
    int jaar = 0, maand = 0, dag = 0;
    int uur = 0, minuut = 0, seconde = 0;
};

// Monotonic millisecond tick counter (wraps like a 32-bit Windows tick count).
std::uint32_t Tik();
// The current local date and time, or the fixed value set for tests.
DatumTijd Nu();
void ZetVasteTijd(std::optional<DatumTijd> vast);
// Long time format: HH:MM:SS, 24 hours.
std::string LangeTijd(const DatumTijd& t);
// Short date format: d-M-yyyy (8-12-2026).
std::string KorteDatum(const DatumTijd& t);
// "dd-mm-yyyy" with leading zeros.
std::string DatumDDMMJJJJ(const DatumTijd& t);
// Calendar-date conversion: after blanks around it are removed, exactly three numeric parts
// joined by '-': day, month, year (1 to 4 digits, as written); the date must exist.
std::optional<DatumTijd> TekstNaarDatum(const std::string& tekst);
// The date written yyyy-mm-dd (after blanks around it are removed, exactly four, two and two
// digits) when it exists in the calendar: the form most other programs write.
std::optional<DatumTijd> IsoDatum(std::string_view tekst);

} // namespace gdk
