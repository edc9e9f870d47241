#pragma once
// Work over many items in a few parts at once, one per core: for passes over the whole
// collection whose items do not depend on each other (sort keys, list lines, search words).
// The call returns when every part has ended, so the store and everything else stays the
// calling thread's, untouched by others between calls. Each part writes only its own results.
#include <cstddef>
#include <functional>

namespace gdk {

// Has every thread take its memory from the program's one heap. By default the C library gives
// every thread a heap of its own and keeps what was freed there: after the window's lists of
// 200000 lines were sorted, some 30 MB stayed with threads that had ended. Called before a
// thread is started; InDelen calls it itself.
void EenHeap();

// How many parts InDelen makes of `n` items: one per core, at most 4, none under `minimum` items.
std::size_t AantalDelen(std::size_t n, std::size_t minimum);

// Runs werk(deel, begin, eind) for each of the AantalDelen(n, minimum) parts of [0, n): part
// `deel` holds the items from `begin` to before `eind`, the parts follow one another, and part 0
// runs on the calling thread. An exception that a part throws is thrown again here, once every
// part has ended.
void InDelen(std::size_t n, std::size_t minimum,
             const std::function<void(std::size_t deel, std::size_t begin, std::size_t eind)>& werk);

} // namespace gdk
