#pragma once
// Publishing: the remote copy of a site folder made equal to it with rclone, driven by what the
// update knows it changed. A remote that cannot compare times or checksums (WebDAV without a
// vendor, FTP) would miss a file that changed but kept its size; so what the update wrote is
// sent whatever the remote holds, and files the update did not touch are not looked at at all.
// Nothing local is changed. rclone's progress shows in the status bar; a failure gives one
// message saying what went wrong and what to do.
#include <cstdint>
#include <string>
#include <vector>

namespace gdk {

// What to send of a site folder: paths relative to it, '/' between folders, the bytes of the
// names on disk (UTF-8).
struct SiteWijzigingen {
    std::vector<std::string> geschreven; // files written: new, or with other bytes than before
    std::vector<std::string> verwijderd; // files removed (folders left empty go with them)
    bool eerste = false;                 // the remote has not got this site yet: nothing is deleted
};

// What rclone reported sending, from its own statistics.
struct Verzonden {
    std::int64_t bestanden = 0;
    std::int64_t bytes = 0;
    std::int64_t verwijderd = 0;
};

// Can the site go to `doel` ("naam:map" as `rclone config` knows "naam")? False after one
// message when `doel` is blank or has no remote name, rclone is not installed, its settings
// cannot be read, the remote is not configured or cannot be reached. Nothing is sent.
bool KanPubliceren(const std::string& doel);

// Makes the rclone remote `doel` hold the site folder `siteMap` (Windows-1252 path) after
// KanPubliceren: the written files are sent, the removed ones and the folders left empty deleted
// there. A first publish (the files of the site's list) deletes nothing: a target chosen by
// mistake (a whole web space) keeps what it held. False after one message when the folder is
// missing or sending or deleting fails; the counts so far are in `verzonden`.
bool Verzend(const std::string& siteMap, const std::string& doel, const SiteWijzigingen& wijzigingen,
             Verzonden* verzonden = nullptr);

// KanPubliceren, then Verzend.
bool Publiceren(const std::string& siteMap, const std::string& doel, const SiteWijzigingen& wijzigingen,
                Verzonden* verzonden = nullptr);

} // namespace gdk
