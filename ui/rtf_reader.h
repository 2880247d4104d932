// A small reader of Rich Text Format, enough for the program's help text: paragraphs of text
// runs with bold, italic, underline and font size. Standard C++ only, no toolkit.
//
// What is understood:
//   - groups { } save and restore the character formatting;
//   - \par starts a new paragraph; \line, \page, \sect and \row do the same (a run never holds
//     a line break); \pard and \plain (which resets the character formatting) start none;
//   - \b \i \ul with an optional 0 to switch off, \ulnone, \fsN (half-points), \ucN;
//   - \tab and \cell give a tab character; \emdash \endash \bullet \lquote \rquote
//     \ldblquote \rdblquote \emspace \enspace give their characters;
//   - \'hh and raw bytes of 0x80 and above are Windows code page 1252; \uN is a UTF-16 unit
//     (negative values count from 65536, surrogate pairs are joined) followed by \ucN
//     replacement characters that are skipped (1 unless \uc says otherwise);
//   - \\ \{ \} give the character; \~ a no-break space, \_ a no-break hyphen, \- nothing;
//   - groups opened with \* and the destinations of fonts, colours, styles, document
//     information, pictures, headers, footers, notes and objects are skipped with all they
//     hold; \binN skips N bytes of binary data.
// Raw CR and LF are ignored. Any other control word is ignored.
//
// The reader never fails: unbalanced braces, a truncated text, numeric parameters of any size
// (clamped) and deep nesting (groups below 1000 levels are dropped) give what could be read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lirvo::rtf {

// Text in UTF-8; font size in half-points (\fsN), 24 (12 points) by default.
struct Run {
    std::string text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
};

// Adjacent runs of equal formatting are merged; no run is empty. An empty paragraph (two
// \par in a row) has no runs.
struct Paragraph {
    std::vector<Run> runs;
};

// Empty when the text is not an RTF document (does not start with "{\rtf").
std::vector<Paragraph> parseRtf(std::string_view rtf);

// Reads the file; empty when it is missing or unreadable.
std::vector<Paragraph> readRtfFile(const std::string& path);

}  // namespace lirvo::rtf
