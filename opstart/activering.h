#pragma once
// The activation steps both front ends run (the window each time it becomes active):
// status bar reset, program folder, word lists, export time, presets, settings, extra settings.
// The window adds its own steps (view font, go-to fields, letter tab) around this call.

namespace gdk {

void Activering();

} // namespace gdk
