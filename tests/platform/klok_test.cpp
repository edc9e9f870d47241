#include "platform/klok.h"

#include <climits>
#include <cstdio>
#include <gtest/gtest.h>
#include <thread>

namespace gdk {
namespace {

TEST(Klok, TickCounterRunsForwardInMilliseconds) {
    const std::uint32_t a = Tik();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const std::uint32_t verschil = Tik() - a; // unsigned: right across a wrap too
    EXPECT_GE(verschil, 25u);
    EXPECT_LT(verschil, 5000u);
}

TEST(Klok, FixedTimeForTestsAndBack) {
    ZetVasteTijd(DatumTijd{2026, 12, 8, 9, 5, 3});
    const DatumTijd t = Nu();
    EXPECT_EQ(LangeTijd(t), "09:05:03");
    EXPECT_EQ(KorteDatum(t), "8-12-2026");
    EXPECT_EQ(DatumDDMMJJJJ(t), "08-12-2026");
    ZetVasteTijd(std::nullopt);
    const DatumTijd echt = Nu();
    EXPECT_GE(echt.jaar, 2024);
    EXPECT_GE(echt.maand, 1);
    EXPECT_LE(echt.maand, 12);
}

TEST(Klok, Formats) {
    EXPECT_EQ(LangeTijd(DatumTijd{2000, 1, 1, 23, 59, 59}), "23:59:59");
    EXPECT_EQ(LangeTijd(DatumTijd{2000, 1, 1, 0, 0, 0}), "00:00:00");
    EXPECT_EQ(KorteDatum(DatumTijd{1920, 3, 5}), "5-3-1920");
    EXPECT_EQ(KorteDatum(DatumTijd{987, 10, 31}), "31-10-0987");
    EXPECT_EQ(DatumDDMMJJJJ(DatumTijd{1920, 3, 5}), "05-03-1920");
    // Whatever a date holds, the texts are printf's.
    for (const int v : {0, 5, 99, 100, 12345, -1, -5, -123, INT_MIN, INT_MAX}) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", v, v, v);
        EXPECT_EQ(DatumDDMMJJJJ(DatumTijd{v, v, v}), buf) << v;
        std::snprintf(buf, sizeof buf, "%d-%d-%04d", v, v, v);
        EXPECT_EQ(KorteDatum(DatumTijd{v, v, v}), buf) << v;
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", v, v, v);
        EXPECT_EQ(LangeTijd(DatumTijd{2000, 1, 1, v, v, v}), buf) << v;
    }
}

struct Datum {
    const char* tekst;
    int dag, maand, jaar; // 0: no date
};

void Vergelijk(const Datum& g, const std::optional<DatumTijd>& d) {
    if (g.dag == 0) {
        EXPECT_FALSE(d.has_value()) << "'" << g.tekst << "'";
    } else {
        ASSERT_TRUE(d.has_value()) << "'" << g.tekst << "'";
        EXPECT_EQ(d->dag, g.dag) << g.tekst;
        EXPECT_EQ(d->maand, g.maand) << g.tekst;
        EXPECT_EQ(d->jaar, g.jaar) << g.tekst;
    }
}

TEST(Klok, TekstNaarDatum) {
    const Datum gevallen[] = {
        {"5-3-1920", 5, 3, 1920},
        {"05-03-1920", 5, 3, 1920},
        {"  1-1-2000\t", 1, 1, 2000},
        {"29-2-2000", 29, 2, 2000},
        {"29-2-1900", 0, 0, 0},
        {"29-2-2024", 29, 2, 2024},
        {"29-2-2023", 0, 0, 0},
        {"31-4-1990", 0, 0, 0},
        {"31-12-1999", 31, 12, 1999},
        {"1-1-5", 1, 1, 5},
        {"1-1-0020", 1, 1, 20},
        {"1-1-0", 0, 0, 0},
        {"1-1-12345", 0, 0, 0},
        {"0-1-2000", 0, 0, 0},
        {"1-13-2000", 0, 0, 0},
        {"1-0-2000", 0, 0, 0},
        {"1-1", 0, 0, 0},
        {"1-1-2000-", 0, 0, 0},
        {"1-1-2000-5", 0, 0, 0},
        {"-1-2000", 0, 0, 0},
        {"1--2000", 0, 0, 0},
        {"1-1-", 0, 0, 0},
        {"1 -1-2000", 0, 0, 0},
        {"+1-1-2000", 0, 0, 0},
        {"1.1.2000", 0, 0, 0},
        {"1 maart 1920", 0, 0, 0},
        {"", 0, 0, 0},
        {"   ", 0, 0, 0},
        {"99999999999-1-2000", 0, 0, 0},
        {"001-01-2000", 1, 1, 2000},
    };
    for (const auto& g : gevallen)
        Vergelijk(g, TekstNaarDatum(g.tekst));
}

// Year first only as four, two and two digits, and only a date the calendar has.
TEST(Klok, IsoDatum) {
    const Datum gevallen[] = {
        {"1889-08-11", 11, 8, 1889},
        {" 1889-08-11\t", 11, 8, 1889},
        {"2000-02-29", 29, 2, 2000},
        {"0012-03-05", 5, 3, 12},
        {"1900-02-29", 0, 0, 0},
        {"1889-02-30", 0, 0, 0},
        {"1889-13-01", 0, 0, 0},
        {"1889-00-10", 0, 0, 0},
        {"1889-01-00", 0, 0, 0},
        {"0000-01-01", 0, 0, 0},
        {"1889-8-11", 0, 0, 0},
        {"1889-08-1", 0, 0, 0},
        {"11-08-1889", 0, 0, 0},
        {"1889.08.11", 0, 0, 0},
        {"1889/08/11", 0, 0, 0},
        {"1889-08-11x", 0, 0, 0},
        {"+889-08-11", 0, 0, 0},
        {"1889-+8-11", 0, 0, 0},
        {"", 0, 0, 0},
    };
    for (const auto& g : gevallen)
        Vergelijk(g, IsoDatum(g.tekst));
}

} // namespace
} // namespace gdk
