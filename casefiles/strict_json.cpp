#include "casefiles/strict_json.h"

#include <QString>
#include <set>
#include <vector>

namespace lirvo::casefiles {
namespace {

unsigned hex4(std::string_view s) {
    unsigned v = 0;
    for (char c : s.substr(0, 4))
        v = v * 16 + (c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    return v;
}

constexpr std::string_view kRawByteOrderMark = "\xEF\xBB\xBF";

// The string whose opening quote is at json[at]: decoded into text, at moved past its
// closing quote; the fault of its raw bytes, if any.
JsonFault::Kind readString(std::string_view json, size_t& at, std::string& text) {
    text.clear();
    JsonFault::Kind fault = JsonFault::kNone;
    for (++at; at < json.size() && json[at] != '"'; ++at) {
        const unsigned char c = static_cast<unsigned char>(json[at]);
        if (c < 0x20 && fault == JsonFault::kNone) fault = JsonFault::kControl;
        if (json.substr(at, 3) == kRawByteOrderMark && fault == JsonFault::kNone)
            fault = JsonFault::kByteOrderMark;
        if (c != '\\') {
            text += static_cast<char>(c);
            continue;
        }
        const char escaped = json[++at];
        if (escaped != 'u') {
            static constexpr std::string_view kFrom = "bfnrt", kTo = "\b\f\n\r\t";
            const size_t k = kFrom.find(escaped);
            text += k == std::string_view::npos ? escaped : kTo[k];
            continue;
        }
        char32_t code = hex4(json.substr(at + 1, 4));
        at += 4;
        if (code >= 0xD800 && code < 0xDC00 && json.substr(at + 1, 2) == "\\u") {
            const char32_t low = hex4(json.substr(at + 3, 4));
            if (low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                at += 6;
            }
        }
        if (code == 0xFEFF && fault == JsonFault::kNone) fault = JsonFault::kByteOrderMark;
        text += QString::fromUcs4(&code, 1).toStdString();
    }
    ++at;
    return fault;
}

}  // namespace

JsonFault strictJsonFault(std::string_view json) {
    std::vector<std::set<std::string>> keys;  // of each object open, innermost last
    std::vector<char> open;                   // '{' or '[' of each container open
    bool keyNext = false;
    std::string key, text;
    for (size_t at = 0; at < json.size();) {
        const char c = json[at];
        if (c != '"') {
            if (c == '{') keys.emplace_back();
            if (c == '{' || c == '[') open.push_back(c);
            if (c == '}') keys.pop_back();
            if (c == '}' || c == ']') open.pop_back();
            if (c == '{' || c == ',' || c == '[' || c == ']' || c == '}' || c == ':')
                keyNext = (c == '{' || c == ',') && open.back() == '{';
            ++at;
            continue;
        }
        const JsonFault::Kind fault = readString(json, at, text);
        if (keyNext) {
            key = text;
            if (fault != JsonFault::kNone) return {fault, key};
            if (!keys.back().insert(key).second) return {JsonFault::kDuplicateKey, key};
            keyNext = false;
        } else if (fault != JsonFault::kNone) {
            return {fault, key};
        }
    }
    return {};
}

}  // namespace lirvo::casefiles
