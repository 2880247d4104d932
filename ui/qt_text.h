// Texts are UTF-8 in standard strings below the toolkit (sections/ knows no Qt) and QString
// above it: this is the one conversion. Header only and Qt Core only, so that the case files,
// which use no widgets, share it.
#pragma once

#include <QString>
#include <string_view>

namespace lirvo {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace lirvo
