#pragma once

namespace scrivlette {

// Registers the compiled-in resources (":/icons/...", ":/Help.rtf"). Resources
// in a static library stay out of the program unless something asks for
// them; this is that request. Safe to call more than once.
void initResources();

} // namespace scrivlette
