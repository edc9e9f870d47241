#pragma once
// An export of one layout as the export frame runs it (a session of its own, ended with its list
// written), without the frame's status texts, busy cursor and failure message.
namespace gdk::test {

bool Exporteer(int type);

} // namespace gdk::test
