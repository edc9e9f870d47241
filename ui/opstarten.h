#pragma once
// What the program does when it starts, before its event loop: the application's name, Qt's own
// texts in Dutch, the program's and maker's values in the registry, a message when the settings
// file cannot be read, and the main window shown.
#include <memory>

class TfrmGedenkjes;

// Needs the QApplication. The main window is shown but not yet activated: its first activation
// (which reads the settings) follows when the event loop runs.
std::unique_ptr<TfrmGedenkjes> Opstarten();

// Loads Qt's Dutch translations once; the interface is Dutch whatever the user's locale.
// False when Qt's translation file is not installed (the standard dialogs then stay English).
bool QtTekstenNederlands();
