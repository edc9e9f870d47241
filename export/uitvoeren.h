#pragma once
// The frame of the export, update and publish commands, shared by the window's menu and the
// command line: progress texts, export time, busy cursor, the export session with the layout's
// driver, the end of the kept site (what to remove, the list), then the elapsed time, the counts
// or the failure message; for a publish, rclone after the update.
namespace gdk {

class UitvoerSessie;

// The site types, 1 to SiteTypen: the menus, the command line and the publish record follow it.
inline constexpr int SiteTypen = 4;

// The layout's writer for the session's type; false for any other type, and false after its one
// message when a page or folder of the site could not be made. May throw IOFout and
// fs::SchrijfWeigering.
bool UitvoerenLayout(UitvoerSessie& sessie);

// Runs the export of a site type into a folder that does not exist yet. False, after one
// message, when no output folder is set or the collection name cannot be a folder name; when the
// disk or the output folder refuses a write (the export stops there, what was written stays);
// when the driver returned false (the message "Er is een onverklaarbare fout ontstaan bij de
// uitvoer."); and for any other type. An IOFout from the driver passes through, with the cursor
// restored.
bool UitvoerenCommando(int type);

// Brings the site of a type to what a fresh export writes now (platform/site.h): exported as
// UitvoerenCommando does when its folder does not exist, updated in place when it holds the
// program's site, refused with a message when it is anything else. The status bar shows the
// files written, removed and left as they were; files not the program's are named in one message.
bool BijwerkenCommando(int type);

// Checks PubliceerDoel and rclone, updates the site as BijwerkenCommando does, then makes the
// remote equal to it with rclone (export/publiceren.h). False after one message when any of it
// fails; a target that got another site type of the collection is refused.
bool PublicerenCommando(int type);

inline constexpr const char* UitvoerFoutMelding = "Er is een onverklaarbare fout ontstaan bij de uitvoer.";

} // namespace gdk
