#pragma once
// The one way the core reaches the user: two status panels, a message box, the busy cursor,
// a repaint, and progress of long operations. The GUI implements it with Qt, the CLI writes to
// standard error, tests record the calls. Texts are Windows-1252.
#include <string>

namespace gdk {

class Gebruiker {
  public:
    virtual ~Gebruiker() = default;
    // The full panel text as it is shown (the two leading blanks included).
    virtual void ToonLinks(const std::string& tekst) = 0;
    virtual void ToonRechts(const std::string& tekst) = 0;
    // A modal message box with one OK button. An empty caption means the program's title.
    virtual void Melding(const std::string& tekst, const std::string& titel = {}) = 0;
    virtual void BezigCursor(bool aan) = 0;
    virtual void Herteken() = 0;
    // Long operations report `gedaan` of `totaal` (a few hundred calls at most); totaal 0 ends it.
    virtual void Voortgang(long gedaan, long totaal) = 0;
    // Left panel = window width - 150 pixels, right panel 150 (only a window has widths).
    virtual void StatusbalkIndelen() {}
};

// The sink in force; a silent one until a front end installs its own.
Gebruiker& UI();
void ZetUI(Gebruiker* ui); // nullptr: back to the silent sink

// Reports progress to UI() no more often than every 1/300 of the total.
class VoortgangMelder {
  public:
    explicit VoortgangMelder(long totaal);
    ~VoortgangMelder(); // reports the end
    void Stap(long gedaan);

  private:
    long totaal_, stap_, volgende_;
};

// Busy cursor on for a scope.
class BezigScope {
  public:
    BezigScope() { UI().BezigCursor(true); }
    ~BezigScope() { UI().BezigCursor(false); }
    BezigScope(const BezigScope&) = delete;
    BezigScope& operator=(const BezigScope&) = delete;
};

} // namespace gdk
