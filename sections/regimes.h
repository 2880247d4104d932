// How a section works under its action, named once: the key the headless calculator writes
// and the words the drawing shows.
#pragma once

#include <string_view>

#include "sections/section_analysis.h"

namespace lirvo {

// "cracked", "compressed", "tension", "unloaded": one word, for a STATE line.
std::string_view regimeKey(Regime regime);

// "sezione parzializzata", ...: as the drawing heads the section.
std::string_view regimeWords(Regime regime);

}  // namespace lirvo
