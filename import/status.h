#pragma once
// The two panels of the status bar as every operation reports in them: two blanks and the text,
// or the idle output texts when the text is empty; then a repaint, since long operations block
// the window.
#include <string>

namespace gdk {

void StatusbalkIndelen();
void StatusLinks(const std::string& tekst);
// The text last given to StatusLinks, so that a step can add to what the one before it said.
const std::string& StatusLinksTekst();
void StatusRechts(const std::string& tekst);

} // namespace gdk
