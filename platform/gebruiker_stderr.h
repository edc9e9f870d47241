#pragma once
// The CLI's sink: "links: ", "rechts: " and "melding: " lines on standard error in UTF-8;
// a line break inside a message continues on a new line without prefix. Progress is drawn
// only when standard error is a terminal, so scripted output stays exactly those lines.
#include "platform/gebruiker.h"

namespace gdk {

class StderrGebruiker : public Gebruiker {
  public:
    StderrGebruiker();
    void ToonLinks(const std::string& t) override;
    void ToonRechts(const std::string& t) override;
    void Melding(const std::string& t, const std::string& titel) override;
    void BezigCursor(bool) override {}
    void Herteken() override {}
    void Voortgang(long gedaan, long totaal) override;

  private:
    bool terminal_;
    bool voortgangZichtbaar_ = false;
};

} // namespace gdk
