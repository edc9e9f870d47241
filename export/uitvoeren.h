#pragma once
// The frame of the four export commands, shared by the window's menu and the command line:
// progress texts, export time, busy cursor, the export session with the layout's driver, then the
// elapsed time or the general failure message.
namespace gdk {

class UitvoerSessie;

// The layout's writer for the session's type (1, 2, 3 or 4); false for any other type, and false
// after its one message when a page or folder of the site could not be made. May throw IOFout and
// fs::SchrijfWeigering.
bool UitvoerenLayout(UitvoerSessie& sessie);

// Runs the export of site type 1, 2, 3 or 4. False, after one message, when no output folder is set
// or the collection name cannot be a folder name; when the disk or the output folder refuses a
// write (the export stops there, what was written stays); when the driver returned false (the
// message "Er is een onverklaarbare fout ontstaan bij de uitvoer."); and for any other type.
// An IOFout from the driver passes through, with the cursor restored.
bool UitvoerenCommando(int type);

inline constexpr const char* UitvoerFoutMelding = "Er is een onverklaarbare fout ontstaan bij de uitvoer.";

} // namespace gdk
