#include "data/datums.h"

#include <gtest/gtest.h>

namespace gdk {
namespace {

struct Geval {
    const char* in;
    const char* uit;
};

TEST(DatumNaarNederlands, ReplacementsInOrderIgnoringCase) {
    const Geval gevallen[] = {
        {"12 March 1920", "12 maart 1920"},
        {"12 MARCH 1920", "12 maart 1920"},
        {"12 MAR 1920", "12 mrt 1920"},
        {"1 OCT 1900", "1 okt 1900"},
        {"1 october 1900", "1 oktober 1900"},
        {"3 May 1950", "3 mei 1950"},
        {"ABT 1920", "ca 1920"},
        {"abt. 1920", "ca 1920"},
        {"BEF 1900", "voor 1900"},
        {"AFT. 1900", "na 1900"},
        {"BET 1900 AND 1910", "tussen 1900 AND 1910"},
        {"EST 1850", "ca 1850"},
        {"CAL 1850", "ca 1850"},
        {"5.3.1920", "5-3-1920"},
        {"1  2    3", "1 2  3"}, // two blanks become one in a single pass
        {"", ""},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(DatumNaarNederlands(g.in), g.uit) << g.in;
}

TEST(DatumNormaliseren, NumericDatesFollowTheSetting) {
    struct {
        std::int32_t instelling;
        const char* in;
        const char* uit;
    } const gevallen[] = {
        {1, "5.3.1920", "05-03-1920"},
        {2, "5.3.1920", "5-3-1920"},
        {1, "1-2-1900", "01-02-1900"},
        {1, "01-02-1900", "01-02-1900"},
        {2, "01-02-1900", "1-2-1900"},
        {1, " 1 - 2 - 1900 ", "01-02-1900"},
        {1, "1-2-19", "01-02-0019"},
        {1, "12 March 1920", "12 March 1920"}, // the text as it came in, not the translated one
        {1, "ABT 1920", "ABT 1920"},
        {1, "12 MAR 1920", "12 MAR 1920"},
        {1, "1920", "1920"},
        {1, "", ""},
        {1, "1-2", "1-2"},
        {1, "a-2-1900", "a-2-1900"},
        {1, "1-2-1900-5", "1-2-1900-5"},
        {1, "1-2-", "1-2-"},
        {0, "5.3.1920", "5.3.1920"},
        {-1, "5.3.1920", "5.3.1920"}, // nothing stored: dates as in the file
        {3, "5.3.1920", "5.3.1920"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(DatumNormaliseren(g.in, g.instelling), g.uit) << g.instelling << " " << g.in;
}

// The pages' reading of a stored date: year first only as yyyy-mm-dd, day first after the
// Dutch translation; 1889.08.11 is neither, as before.
TEST(KalenderDatum, YearFirstOnlyInItsOwnForm) {
    const struct {
        const char* in;
        const char* uit; // dd-mm-yyyy, or empty: no calendar date
    } gevallen[] = {
        {"1889-08-11", "11-08-1889"},
        {"5.3.1920", "05-03-1920"},
        {"11-08-1889", "11-08-1889"},
        {"1889.08.11", ""},
        {"1889-8-11", ""},
        {"1889-02-30", ""},
        {"ABT 1920", ""},
    };
    for (const auto& g : gevallen) {
        const auto d = KalenderDatum(g.in);
        EXPECT_EQ(d ? DatumDDMMJJJJ(*d) : "", g.uit) << g.in;
    }
}

// ---------------------------------------------------------------- names and file-name codes

} // namespace
} // namespace gdk
