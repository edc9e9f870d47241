#pragma once
// A user-interface sink that records every call, for tests. Installs itself while alive.
#include "platform/gebruiker.h"

#include <string>
#include <utility>
#include <vector>

namespace gdk {

class OpnameGebruiker : public Gebruiker {
  public:
    OpnameGebruiker() { ZetUI(this); }
    ~OpnameGebruiker() override { ZetUI(nullptr); }
    void ToonLinks(const std::string& t) override { links.push_back(t); }
    void ToonRechts(const std::string& t) override { rechts.push_back(t); }
    void Melding(const std::string& t, const std::string& titel) override {
        meldingen.emplace_back(t, titel);
    }
    void BezigCursor(bool aan) override { bezig.push_back(aan); }
    void Herteken() override { ++hertekend; }
    void Voortgang(long gedaan, long totaal) override { voortgang.emplace_back(gedaan, totaal); }

    std::vector<std::string> links, rechts;
    std::vector<std::pair<std::string, std::string>> meldingen; // text, caption
    std::vector<bool> bezig;
    std::vector<std::pair<long, long>> voortgang;
    int hertekend = 0;
};

} // namespace gdk
