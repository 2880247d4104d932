// The RTF reader on the constructs of the help text, on what other RTF writers put around
// them, and on damaged input.
#include "ui/rtf_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#ifndef LIRVO_ASSETS_DIR
#define LIRVO_ASSETS_DIR "assets"
#endif

namespace lirvo::rtf {
namespace {

// Paragraphs joined by '\n', formatting dropped.
std::string plainText(const std::vector<Paragraph>& paragraphs) {
    std::string text;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) text += '\n';
        for (const Run& run : paragraphs[i].runs)
            text += run.text;
    }
    return text;
}

std::string textOf(std::string_view rtf) {
    return plainText(parseRtf(rtf));
}

// The runs of the first paragraph as "text/flags" joined by '|': b, i, u, and the size in
// half-points when it is not 24. "a/|b/b" is a plain "a" followed by a bold "b".
std::string runsOf(std::string_view rtf) {
    const std::vector<Paragraph> paragraphs = parseRtf(rtf);
    std::string out;
    for (const Run& run : paragraphs.at(0).runs) {
        if (!out.empty()) out += '|';
        out += run.text + '/' + (run.bold ? "b" : "") + (run.italic ? "i" : "") +
               (run.underline ? "u" : "") +
               (run.halfPoints != 24 ? std::to_string(run.halfPoints) : "");
    }
    return out;
}

bool isValidUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t extra = c < 0x80             ? 0
                             : (c & 0xE0) == 0xC0 ? 1
                             : (c & 0xF0) == 0xE0 ? 2
                             : (c & 0xF8) == 0xF0 ? 3
                                                  : 4;
        if (extra > 3 || i + extra >= s.size() + (extra == 0)) return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

TEST(RtfDocument, TextThatIsNotRtfOrNoFileGivesNoParagraphs) {
    EXPECT_TRUE(parseRtf("").empty());
    EXPECT_TRUE(parseRtf("plain text").empty());
    EXPECT_TRUE(parseRtf("{\\rtx1 a}").empty());
    EXPECT_TRUE(parseRtf(" {\\rtf1 a}").empty());
    EXPECT_TRUE(readRtfFile("/nonexistent/dir/lirvo.rtf").empty());
    EXPECT_TRUE(readRtfFile(std::filesystem::temp_directory_path().string()).empty());
}

TEST(RtfParagraphs, ParAndLineEndAParagraphPardDoesNot) {
    EXPECT_EQ(textOf("{\\rtf1 a\\par b\\line c\\pard d}"), "a\nb\ncd");
    // A final \par adds no empty paragraph; two in a row leave an empty one.
    const auto paragraphs = parseRtf("{\\rtf1 a\\par\\par b\\par}");
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_TRUE(paragraphs[1].runs.empty());
}

TEST(RtfControlWords, DelimiterParameterAndClamping) {
    // One blank after a word is its delimiter, a second one is text; a word ends at the first
    // non-letter and the digits after it are its parameter.
    EXPECT_EQ(runsOf("{\\rtf1 \\b  x}"), " x/b");
    EXPECT_EQ(runsOf("{\\rtf1 a\\b1x\\b0;y}"), "a/|x/b|;y/");
    // A minus not followed by a digit is text; unknown words vanish with their parameter.
    EXPECT_EQ(textOf("{\\rtf1 \\foo-x \\bar-12 y}"), "-x y");
    EXPECT_EQ(runsOf("{\\rtf1 \\fs40 a\\fs b}"), "a/40|b/");
    EXPECT_EQ(runsOf("{\\rtf1 \\fs99999999999999999999999 a\\fs-99999999999999999999 b}"),
              "a/3276|b/1");
}

TEST(RtfFormatting, GroupsRestoreTheFormattingOfTheirParent) {
    EXPECT_EQ(runsOf("{\\rtf1 a{\\b b{\\i\\fs30 c}d}e}"), "a/|b/b|c/bi30|d/b|e/");
}

TEST(RtfFormatting, SwitchesPlainAndUnderlineForms) {
    EXPECT_EQ(
        runsOf("{\\rtf1 \\b\\i\\ul\\fs40 a\\plain b\\ul c\\ulnone d\\ul e\\ul0 f\\i g\\i0 h}"),
        "a/biu40|b/|c/u|d/|e/u|f/|g/i|h/");
}

TEST(RtfFormatting, EqualRunsMergeAndEmptyRunsVanish) {
    EXPECT_EQ(runsOf("{\\rtf1 \\b \\b0 a{\\b0 b}\\i0 c\\b x\\b0\\b y{\\i}}"), "abc/|xy/b");
}

TEST(RtfCharacters, HexEscapesAreCodePage1252) {
    EXPECT_EQ(textOf("{\\rtf1 \\'e0\\'E8\\'e9\\'ec\\'f2\\'f9\\'c8}"), "àèéìòùÈ");
    EXPECT_EQ(textOf("{\\rtf1 \\'80\\'92\\'93\\'94\\'96\\'97\\'ab}"), "€’“”–—«");
    // A byte the code page leaves undefined, and a raw byte of the code page.
    EXPECT_EQ(textOf("{\\rtf1 \\'81|\xE0}"), "\uFFFD|à");
}

TEST(RtfCharacters, UnicodeEscapesSkipTheirReplacement) {
    EXPECT_EQ(textOf("{\\rtf1 \\u963?c}"), "σc");
    // Negative values count from 65536; a surrogate pair is one character.
    EXPECT_EQ(textOf("{\\rtf1 \\u-1280? \\u-10179?\\u-8704?}"), "\uFB00 \U0001F600");
    // \ucN sets the count, a hex escape counts as one, a brace ends the skipping.
    EXPECT_EQ(textOf("{\\rtf1 \\uc2\\u963 xyz\\uc0\\u963 a\\uc1\\u233\\'e9b{\\uc3\\u963 a}c}"),
              "σzσaébσc");
    // The count belongs to the group.
    EXPECT_EQ(textOf("{\\rtf1 {\\uc0 }\\u963 ab}"), "σb");
}

TEST(RtfCharacters, SymbolsEscapesAndLineBreaksOfTheFile) {
    EXPECT_EQ(textOf("{\\rtf1 \\\\\\{\\}}"), "\\{}");
    EXPECT_EQ(textOf("{\\rtf1 a\\~b\\-c\\_d\\tab e}"), "a\u00A0bc\u2011d\te");
    EXPECT_EQ(textOf("{\\rtf1 a\r\nb\n\\b\r\nc}"), "abc");
}

TEST(RtfDestinations, SkippedDestinationsShowNothingAndLeakNoFormatting) {
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss Arial;}}"
                     "{\\colortbl;\\red0\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
                     "{\\info{\\title T}{\\author A}}{\\header H}{\\footer F}"
                     "{\\*\\generator G;}{\\*\\unknown {nested} x}"
                     "{\\pict\\bin5 {}}}ab"  // five bytes of picture data, braces among them
                     "}text}"),
              "text");
    EXPECT_EQ(runsOf("{\\rtf1 {\\*\\x \\b}{\\fonttbl\\i}a}"), "a/");
}

TEST(RtfRobustness, UnbalancedAndTruncatedInputKeepsWhatWasRead) {
    EXPECT_EQ(textOf("{\\rtf1 a{\\b b"), "ab");
    EXPECT_EQ(textOf("{\\rtf1 a}b}"), "a");  // the document's group has ended
    for (const char* cut :
         {"{\\rtf1 a\\", "{\\rtf1 a\\'", "{\\rtf1 a\\'e", "{\\rtf1 a\\u", "{\\rtf1 a\\u-",
          "{\\rtf1 a\\u963", "{\\rtf1 a\\bin99999999999999", "{\\rtf1 a\\u-10179?"})
        EXPECT_EQ(textOf(cut).substr(0, 1), "a") << cut;
}

TEST(RtfRobustness, DeepNestingIsCappedAndTheDocumentGoesOn) {
    const int depth = 200000;
    const std::string deep =
        "{\\rtf1 " + std::string(depth, '{') + "x" + std::string(depth, '}') + "y{{{\\b z}}}}";
    EXPECT_EQ(runsOf(deep), "y/|z/b");
    EXPECT_EQ(textOf("{\\rtf1 " + std::string(500, '{') + "x" + std::string(500, '}') + "}"), "x");
}

TEST(RtfRobustness, RandomInputGivesWellFormedRuns) {
    const std::string alphabet = "{}\\\\\\'*abilnpru0189- ?\r\n\xE0\x81";
    std::mt19937 random(12345);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 300);
    for (int i = 0; i < 3000; ++i) {
        std::string input = "{\\rtf1 ";
        for (int n = length(random); n > 0; --n)
            input += alphabet[pick(random)];
        for (const Paragraph& p : parseRtf(input)) {
            for (size_t r = 0; r < p.runs.size(); ++r) {
                const rtf::Run& run = p.runs[r];
                ASSERT_FALSE(run.text.empty()) << input;
                ASSERT_TRUE(isValidUtf8(run.text)) << input;
                ASSERT_TRUE(run.halfPoints >= 1 && run.halfPoints <= 3276) << input;
                if (r == 0) continue;
                const rtf::Run& prev = p.runs[r - 1];
                ASSERT_FALSE(prev.bold == run.bold && prev.italic == run.italic &&
                             prev.underline == run.underline && prev.halfPoints == run.halfPoints)
                    << input;
            }
        }
    }
}

// The help text that ships beside the program.
TEST(HelpFile, HasItsTitleBoldTextAndAccentedLetters) {
    const auto paragraphs = readRtfFile(std::string(LIRVO_ASSETS_DIR) + "/lirvo.rtf");
    ASSERT_FALSE(paragraphs.empty()) << "not found under " << LIRVO_ASSETS_DIR;
    const rtf::Run& title = paragraphs.front().runs.at(0);
    EXPECT_NE(title.text.find("Calcolo di sezioni in cemento armato"), std::string::npos);
    EXPECT_TRUE(title.bold);
    EXPECT_GT(title.halfPoints, 24);

    // Bold words inside running text, not only bold headings.
    bool boldInText = false;
    for (const Paragraph& p : paragraphs) {
        bool bold = false, plain = false;
        for (const rtf::Run& run : p.runs)
            (run.bold ? bold : plain) = true;
        boldInText = boldInText || (bold && plain);
    }
    EXPECT_TRUE(boldInText);

    const std::string text = plainText(paragraphs);
    EXPECT_TRUE(isValidUtf8(text));
    for (const char* expected :
         {"à", "è", "σc", "«E l a b o r a»", "Esegui l'Esempio", "NON HA SENSO IL PROGETTO",
          "DATI ASSURDI perchè W> 2.8", "CALCOLO IMPOSSIBILE CON QUESTI DATI",
          "MOMENTO FLETTENTE NEGATIVO: CAPOVOLGERE LA SEZIONE",
          "DATO AMBIGUO: M = 680.000 (SCRIVERE 680000 O 680)", "Salvare le modifiche a",
          "σc,adm = 60 + (Rck − 150)/4", "lirvo-calc --batch"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_EQ(text.find("Arial"), std::string::npos);  // the font table is not text
    EXPECT_EQ(text.find('\\'), std::string::npos);     // no control word leaked
}

}  // namespace
}  // namespace lirvo::rtf
