#pragma once
// The frame of the three export commands, shared by the window's menu and the command line:
// progress texts, export time, busy cursor, the layout's driver, then the elapsed time or the
// general failure message.
namespace gdk {

// Runs the export of site type 1, 2 or 3. False when the driver returned false (after the message
// "Er is een onverklaarbare fout ontstaan bij de uitvoer.") or for any other type. An IOFout from
// the driver passes through, with the cursor restored.
bool UitvoerenCommando(int type);

inline constexpr const char* UitvoerFoutMelding = "Er is een onverklaarbare fout ontstaan bij de uitvoer.";

} // namespace gdk
