#include "import/status.h"

#include "import/woordlijsten.h"
#include "platform/gebruiker_opname.h"

#include <gtest/gtest.h>

namespace gdk {
namespace {

TEST(Statusbalk, EmptyTextsShowTheOutputTextsAfterTwoBlanksAndRepaint) {
    for (auto& t : UitvoerTekst)
        t.clear();
    OpnameGebruiker ui;
    StatusLinks("");
    StatusRechts("");
    // Before the word lists are loaded the panels show the two blanks alone.
    EXPECT_EQ(ui.links, std::vector<std::string>{"  "});
    EXPECT_EQ(ui.rechts, std::vector<std::string>{"  "});

    StandaardUitvoerTekst();
    StatusLinks("");
    StatusRechts("");
    StatusLinks("gelezen");
    StatusRechts("00:00:01:35");
    EXPECT_EQ(ui.links, (std::vector<std::string>{"  ", "  berichten", "  gelezen"}));
    EXPECT_EQ(ui.rechts, (std::vector<std::string>{"  ", "  gezinsblad", "  00:00:01:35"}));
    EXPECT_EQ(ui.hertekend, 6);
}

// ---------------------------------------------------------------- numbers and durations

} // namespace
} // namespace gdk
