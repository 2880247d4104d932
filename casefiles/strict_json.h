// What the case-file reader refuses beyond Qt's JSON parser, which takes a text with raw
// control characters or a byte-order mark inside a string, and a key twice in one object
// (the last one wins), none of which a case file saved by lirvo holds.
#pragma once

#include <string>
#include <string_view>

namespace lirvo::casefiles {

struct JsonFault {
    enum Kind {
        kNone,
        kControl,        // a raw control character inside a string (escaped ones are fine)
        kByteOrderMark,  // U+FEFF inside a string, raw or escaped
        kDuplicateKey,   // a key twice in one object
    } kind = kNone;
    std::string key;  // the key whose text is at fault, or the key repeated (UTF-8)
};

// The first fault of a text that Qt's parser has read as JSON.
JsonFault strictJsonFault(std::string_view json);

}  // namespace lirvo::casefiles
