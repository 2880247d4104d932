// Texts from the user quoted back in a message, an ERROR record or a usage error: safe on a
// terminal and in a message box, and short.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lirvo {

// Characters of a text that a message quotes.
inline constexpr size_t kQuotedCharacters = 40;

// Each control character (C0, DEL, C1) and each ill-formed UTF-8 sequence becomes '?', and
// beyond `most` characters the text is cut, between two characters, and ends with "…".
std::string quoted(std::string_view text, size_t most = kQuotedCharacters);

}  // namespace lirvo
