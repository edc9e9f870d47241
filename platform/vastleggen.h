#pragma once
// Small files beside a site that must survive a crash whole: read at once, replaced at once.
// Paths are paths on disk (UTF-8), as the operating system takes them.
#include <string>
#include <string_view>

namespace gdk::fs {

// The whole file into `inhoud`; false (errno set, ENOENT when there is none) when it cannot be read.
bool LeesHeel(const std::string& opSchijf, std::string& inhoud);

// Replaces the file with `bytes` so that after a crash or power loss it holds the old bytes or
// the new, never a mix: "<pad>.nieuw" written and synced, renamed over the file, the folder
// synced. False (errno set) when any step fails; the file is then as it was.
bool VervangHeel(const std::string& opSchijf, std::string_view bytes);

// Makes the folder's entries (a file made, renamed or removed in it) last through power loss.
bool SynchroniseerMap(const std::string& opSchijf);

// The folder part of a path on disk ("/" for a path right below the root, "." without a '/').
std::string OuderVan(const std::string& opSchijf);

} // namespace gdk::fs
