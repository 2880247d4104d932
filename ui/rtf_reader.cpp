#include "ui/rtf_reader.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <sstream>

#include "sections/characters.h"

namespace lirvo::rtf {
namespace {

constexpr std::string_view kSignature = "{\\rtf";

// Groups nested deeper than this are dropped with all they hold.
constexpr std::size_t kMaxDepth = 1000;
// Numeric parameters are clamped to this magnitude while they are read.
constexpr long kMaxParameter = 1'000'000'000;
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276;  // 1638 points
constexpr int kMaxUnicodeSkip = 16;

constexpr char32_t kReplacementChar = 0xFFFD;

// Windows code page 1252 from 0x80 to 0x9F; 0 where the code page has no character. The
// other bytes are the Unicode code points of the same value.
constexpr std::array<char16_t, 32> kCp1252From80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

// Destinations whose text is not part of the document body.
constexpr std::string_view kSkippedDestinations[] = {
    "annotation", "atnauthor",  "atnid",        "author",
    "bkmkend",    "bkmkstart",  "buptim",       "colortbl",
    "comment",    "company",    "creatim",      "datastore",
    "docvar",     "doccomm",    "falt",         "fldinst",
    "filetbl",    "fonttbl",    "footer",       "footerf",
    "footerl",    "footerr",    "footnote",     "generator",
    "header",     "headerf",    "headerl",      "headerr",
    "info",       "keywords",   "latentstyles", "listoverridetable",
    "listtable",  "nonshppict", "object",       "objdata",
    "operator",   "pict",       "pn",           "printim",
    "revtbl",     "revtim",     "rsidtbl",      "rxe",
    "shp",        "shpinst",    "stylesheet",   "subject",
    "tc",         "template",   "themedata",    "title",
    "txe",        "xe",
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacementChar;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// What a group saves and restores.
struct State {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = kDefaultHalfPoints;
    int unicodeSkip = 1;  // replacement characters after \uN
    bool skip = false;    // inside a destination that is not shown
};

class Parser {
  public:
    explicit Parser(std::string_view in) : in_(in) {}

    std::vector<Paragraph> parse() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            switch (c) {
                case '{':
                    pendingSkip_ = 0;
                    openGroup();
                    break;
                case '}':
                    pendingSkip_ = 0;
                    if (!closeGroup()) return finish();  // the document's own group ended
                    break;
                case '\\':
                    control();
                    break;
                case '\r':
                case '\n':
                    break;  // line breaks of the file are not text
                default:
                    if (swallowReplacement() || skipping()) break;
                    byte(static_cast<unsigned char>(c));
            }
        }
        return finish();  // truncated: keep what was read
    }

  private:
    bool skipping() const { return dropped_ > 0 || state_.skip; }

    bool swallowReplacement() {
        if (pendingSkip_ == 0) return false;
        --pendingSkip_;
        return true;
    }

    void openGroup() {
        if (dropped_ > 0 || stack_.size() >= kMaxDepth) {
            ++dropped_;
            return;
        }
        stack_.push_back(state_);
    }

    // False when the outermost group closes, which ends the document.
    bool closeGroup() {
        if (dropped_ > 0) {
            --dropped_;
            return true;
        }
        if (stack_.empty()) return false;
        state_ = stack_.back();
        stack_.pop_back();
        return !stack_.empty();
    }

    // After a backslash: a control word with its parameter, a hex escape or a control symbol.
    void control() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (!isAsciiLetter(c)) {
            ++pos_;
            if (c == '\'')
                hexEscape();
            else
                controlSymbol(c);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < in_.size() && isAsciiLetter(in_[pos_]))
            ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);

        bool hasParameter = false;
        long parameter = 0;
        bool negative = false;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isAsciiDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && isAsciiDigit(in_[pos_])) {
            hasParameter = true;
            parameter = std::min(kMaxParameter, parameter * 10 + (in_[pos_] - '0'));
            ++pos_;
        }
        if (negative) parameter = -parameter;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word

        controlWord(word, hasParameter, parameter);
    }

    void hexEscape() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < in_.size() && hexDigitValue(in_[pos_]) >= 0) {
            value = value * 16 + hexDigitValue(in_[pos_]);
            ++pos_;
            ++digits;
        }
        if (swallowReplacement() || skipping() || digits < 2) return;
        byte(static_cast<unsigned char>(value));
    }

    void controlSymbol(char c) {
        if (c == '*') {  // an optional destination: skipped with its whole group
            state_.skip = true;
            return;
        }
        if (swallowReplacement() || skipping()) return;
        switch (c) {
            case '\\':
            case '{':
            case '}':
                append(std::string_view(&c, 1));
                break;
            case '~':
                codePoint(0x00A0);  // no-break space
                break;
            case '_':
                codePoint(0x2011);  // no-break hyphen
                break;
            case '\r':
            case '\n':
                endParagraph();  // a backslash before a line break of the file is \par
                break;
            default:
                break;  // \- (optional hyphen) and the rest show nothing
        }
    }

    void controlWord(std::string_view word, bool hasParameter, long parameter) {
        if (word == "bin") {  // binary data of the given length follows
            if (hasParameter && parameter > 0)
                pos_ +=
                    std::min<std::size_t>(static_cast<std::size_t>(parameter), in_.size() - pos_);
            return;
        }
        if (swallowReplacement()) return;
        if (std::ranges::find(kSkippedDestinations, word) != std::end(kSkippedDestinations)) {
            state_.skip = true;
            return;
        }
        if (skipping()) return;

        const bool on = !hasParameter || parameter != 0;
        if (word == "par" || word == "line" || word == "page" || word == "sect" || word == "row") {
            endParagraph();
        } else if (word == "plain") {
            state_.bold = state_.italic = state_.underline = false;
            state_.halfPoints = kDefaultHalfPoints;
        } else if (word == "b") {
            state_.bold = on;
        } else if (word == "i") {
            state_.italic = on;
        } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
                   word == "uldash" || word == "ulth" || word == "ulwave") {
            state_.underline = on;
        } else if (word == "ulnone") {
            state_.underline = false;
        } else if (word == "fs") {
            state_.halfPoints =
                hasParameter ? static_cast<int>(std::clamp(parameter, 1L, long{kMaxHalfPoints}))
                             : kDefaultHalfPoints;
        } else if (word == "uc") {
            state_.unicodeSkip =
                hasParameter ? static_cast<int>(std::clamp(parameter, 0L, long{kMaxUnicodeSkip}))
                             : 1;
        } else if (word == "u") {
            if (!hasParameter) return;
            utf16Unit(parameter < 0 ? parameter + 65536 : parameter);
            pendingSkip_ = state_.unicodeSkip;
        } else if (word == "tab" || word == "cell") {
            append("\t");
        } else if (word == "emdash") {
            codePoint(0x2014);
        } else if (word == "endash") {
            codePoint(0x2013);
        } else if (word == "bullet") {
            codePoint(0x2022);
        } else if (word == "lquote") {
            codePoint(0x2018);
        } else if (word == "rquote") {
            codePoint(0x2019);
        } else if (word == "ldblquote") {
            codePoint(0x201C);
        } else if (word == "rdblquote") {
            codePoint(0x201D);
        } else if (word == "emspace") {
            codePoint(0x2003);
        } else if (word == "enspace") {
            codePoint(0x2002);
        }
    }

    // A byte of text, raw or from \'hh, in code page 1252.
    void byte(unsigned char b) {
        if (b == '\t') {
            append("\t");
        } else if (b < 0x20 || b == 0x7F) {
            return;  // control characters are not text
        } else if (b >= 0x80 && b <= 0x9F) {
            const char16_t cp = kCp1252From80[b - 0x80];
            codePoint(cp != 0 ? cp : kReplacementChar);
        } else {
            codePoint(b);
        }
    }

    // One UTF-16 code unit of \uN: a surrogate pair is joined into one character, a lone
    // surrogate shows as the replacement character.
    void utf16Unit(long unit) {
        if (unit < 0 || unit > 0xFFFF) {
            codePoint(kReplacementChar);
        } else if (unit >= 0xD800 && unit <= 0xDBFF) {
            flushSurrogate();
            highSurrogate_ = static_cast<char32_t>(unit);
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (highSurrogate_ == 0) return codePoint(kReplacementChar);
            const char32_t cp =
                0x10000 + ((highSurrogate_ - 0xD800) << 10) + static_cast<char32_t>(unit - 0xDC00);
            highSurrogate_ = 0;
            codePoint(cp);
        } else {
            codePoint(static_cast<char32_t>(unit));
        }
    }

    void flushSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        codePoint(kReplacementChar);
    }

    void codePoint(char32_t cp) {
        std::string utf8;
        appendUtf8(utf8, cp);
        append(utf8);
    }

    // Text in the current formatting, merged into the last run when that has the same.
    void append(std::string_view text) {
        flushSurrogate();
        auto& runs = paragraph_.runs;
        if (!runs.empty()) {
            Run& last = runs.back();
            if (last.bold == state_.bold && last.italic == state_.italic &&
                last.underline == state_.underline && last.halfPoints == state_.halfPoints) {
                last.text += text;
                return;
            }
        }
        runs.push_back(Run{std::string(text), state_.bold, state_.italic, state_.underline,
                           state_.halfPoints});
    }

    void endParagraph() {
        flushSurrogate();
        paragraphs_.push_back(std::move(paragraph_));
        paragraph_ = Paragraph{};
    }

    // A last paragraph without \par counts when it holds text.
    std::vector<Paragraph> finish() {
        flushSurrogate();
        if (!paragraph_.runs.empty()) paragraphs_.push_back(std::move(paragraph_));
        return std::move(paragraphs_);
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    State state_;
    std::vector<State> stack_;    // states saved by the open groups
    std::size_t dropped_ = 0;     // open groups beyond kMaxDepth
    int pendingSkip_ = 0;         // replacement characters still to skip after \uN
    char32_t highSurrogate_ = 0;  // first half of a pair from \uN, waiting for the second
    Paragraph paragraph_;
    std::vector<Paragraph> paragraphs_;
};

}  // namespace

std::vector<Paragraph> parseRtf(std::string_view rtf) {
    if (!rtf.starts_with(kSignature)) return {};
    return Parser(rtf).parse();
}

std::vector<Paragraph> readRtfFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) return {};
    return parseRtf(content.str());
}

}  // namespace lirvo::rtf
