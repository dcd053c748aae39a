#pragma once

#include <functional>

namespace scrivlette {

// Work that must not hold up the main thread (converting and writing a large
// entry, say), run in the order submitted on one thread of its own. Results
// go back through MainQueue.
void runInBackground(std::function<void()> work);

// Returns once everything submitted so far has run: before quitting, so no
// file is left half written, and in tests.
void finishBackgroundWork();

} // namespace scrivlette
