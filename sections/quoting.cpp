#include "sections/quoting.h"

namespace lirvo {
namespace {

struct Utf8Char {
    size_t bytes;  // of a valid character, or of an ill-formed sequence (at least 1)
    bool valid;
    char32_t code;
};

// The UTF-8 character at the start of a non-empty text. An ill-formed sequence spans its
// longest start that some valid character shares (a truncated character is one sequence, a
// stray byte another), as Unicode counts them for substitution. Overlong forms, surrogates
// and code points beyond U+10FFFF are ill-formed.
Utf8Char firstChar(std::string_view s) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {1, true, lead};
    size_t following = 0;
    char32_t code = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        following = 1, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        following = 2, code = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;   // overlong below
        if (lead == 0xED) high = 0x9F;  // surrogates above
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        following = 3, code = lead & 0x07;
        if (lead == 0xF0) low = 0x90;   // overlong below
        if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF above
    } else {
        return {1, false, 0};
    }
    for (size_t k = 1; k <= following; ++k) {
        if (k >= s.size() || byte(k) < low || byte(k) > high) return {k, false, 0};
        code = (code << 6) | (byte(k) & 0x3F);
        low = 0x80, high = 0xBF;
    }
    return {following + 1, true, code};
}

}  // namespace

std::string quoted(std::string_view text, size_t most) {
    std::string out;
    for (size_t characters = 0; !text.empty(); ++characters) {
        if (characters == most) return out + "…";
        const Utf8Char c = firstChar(text);
        if (!c.valid || c.code < 0x20 || (c.code >= 0x7F && c.code <= 0x9F))
            out += '?';
        else
            out.append(text.substr(0, c.bytes));
        text.remove_prefix(c.bytes);
    }
    return out;
}

}  // namespace lirvo
