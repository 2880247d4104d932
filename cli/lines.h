// Lines of lirvo-calc that give quantities, TAB-separated after the line's prefix and its tag
// ("STATE", "ULS", "DOMAIN"); numbers with 17 significant digits, so that they read back as
// the same doubles.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace lirvo::cli {

class Lines {
  public:
    Lines(std::string_view tag, std::string_view prefix, std::string& buffer)
        : tag_(tag), prefix_(prefix), buffer_(buffer) {}
    // A line of the tag alone, then its values.
    Lines& begin() {
        buffer_.append(prefix_).append(tag_);
        return *this;
    }
    // A line of the tag and a quantity's name.
    Lines& key(std::string_view name) { return begin().text(name); }
    Lines& text(std::string_view value) {
        buffer_.append("\t").append(value);
        return *this;
    }
    // As printf's %.17g writes it (to_chars with a precision is defined so), without its cost.
    Lines& number(double value) {
        char digits[32];
        const char* end =
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 17)
                .ptr;
        return text(std::string_view(digits, end - digits));
    }
    void end() { buffer_ += '\n'; }

  private:
    std::string_view tag_, prefix_;
    std::string& buffer_;
};

}  // namespace lirvo::cli
