#include "app/rtf_control_words.h"

#include <unordered_map>

namespace calorix::rtf {
namespace {

struct NamedWord {
    std::string_view name;
    WordInfo info;
};

// Words that format text, break it or stand for a character.
constexpr NamedWord kTextWords[] = {
    {"par", {Word::kPar}},
    {"sect", {Word::kPar}},
    {"page", {Word::kPar}},
    {"row", {Word::kPar}},
    {"line", {Word::kLine}},
    {"tab", {Word::kTab}},
    {"cell", {Word::kTab}},
    {"pard", {Word::kPard}},
    {"plain", {Word::kPlain}},
    {"b", {Word::kBold}},
    {"i", {Word::kItalic}},
    {"ul", {Word::kUnderline}},
    {"uld", {Word::kUnderline}},
    {"uldash", {Word::kUnderline}},
    {"uldb", {Word::kUnderline}},
    {"ulth", {Word::kUnderline}},
    {"ulw", {Word::kUnderline}},
    {"ulwave", {Word::kUnderline}},
    {"ulnone", {Word::kUnderlineNone}},
    {"fs", {Word::kFontSize}},
    {"f", {Word::kFont}},
    {"cf", {Word::kColor}},
    {"u", {Word::kUnicode}},
    {"uc", {Word::kUnicodeSkip}},
    {"ql", {Word::kAlignLeft}},
    {"qc", {Word::kAlignCenter}},
    {"qr", {Word::kAlignRight}},
    {"qj", {Word::kAlignJustify}},
    {"emdash", {Word::kCharacter, 0x2014}},
    {"endash", {Word::kCharacter, 0x2013}},
    {"bullet", {Word::kCharacter, 0x2022}},
    {"lquote", {Word::kCharacter, 0x2018}},
    {"rquote", {Word::kCharacter, 0x2019}},
    {"ldblquote", {Word::kCharacter, 0x201C}},
    {"rdblquote", {Word::kCharacter, 0x201D}},
    {"emspace", {Word::kCharacter, 0x2003}},
    {"enspace", {Word::kCharacter, 0x2002}},
    {"qmspace", {Word::kCharacter, 0x2005}},
    {"zwj", {Word::kCharacter, 0x200D}},
    {"zwnj", {Word::kCharacter, 0x200C}},
};

// Words of the font and colour tables.
constexpr NamedWord kTableWords[] = {
    {"fonttbl", {Word::kFontTable}},
    {"colortbl", {Word::kColorTable}},
    {"deff", {Word::kDefaultFont}},
    {"fnil", {Word::kFamilyNil}},
    {"ftech", {Word::kFamilyNil}},
    {"fbidi", {Word::kFamilyNil}},
    {"froman", {Word::kFamilyRoman}},
    {"fswiss", {Word::kFamilySwiss}},
    {"fmodern", {Word::kFamilyModern}},
    {"fscript", {Word::kFamilyScript}},
    {"fdecor", {Word::kFamilyDecor}},
    {"fprq", {Word::kPitch}},
    {"red", {Word::kRed}},
    {"green", {Word::kGreen}},
    {"blue", {Word::kBlue}},
};

// Destinations whose content is not shown. The visible text of a field
// (\fldrslt) and of list numbers (\pntext, \listtext) is kept.
constexpr std::string_view kSkippedDestinations[] = {"info",
                                                     "pict",
                                                     "stylesheet",
                                                     "header",
                                                     "headerl",
                                                     "headerr",
                                                     "headerf",
                                                     "footer",
                                                     "footerl",
                                                     "footerr",
                                                     "footerf",
                                                     "object",
                                                     "objdata",
                                                     "fldinst",
                                                     "themedata",
                                                     "datastore",
                                                     "xmlnstbl",
                                                     "listtable",
                                                     "listoverridetable",
                                                     "rsidtbl",
                                                     "generator",
                                                     "filetbl",
                                                     "revtbl",
                                                     "pn",
                                                     "footnote",
                                                     "annotation",
                                                     "atnid",
                                                     "atnauthor",
                                                     "bkmkstart",
                                                     "bkmkend",
                                                     "userprops",
                                                     "docvar",
                                                     "ftnsep",
                                                     "ftnsepc",
                                                     "ftncn",
                                                     "aftnsep",
                                                     "aftnsepc",
                                                     "aftncn",
                                                     "xe",
                                                     "tc",
                                                     "nonshppict",
                                                     "shp",
                                                     "shpinst",
                                                     "sp",
                                                     "sn",
                                                     "sv",
                                                     "template",
                                                     "private",
                                                     "comment",
                                                     "title",
                                                     "subject",
                                                     "author",
                                                     "operator",
                                                     "keywords",
                                                     "doccomm",
                                                     "company",
                                                     "creatim",
                                                     "revtim",
                                                     "printim",
                                                     "buptim",
                                                     "falt",
                                                     "panose",
                                                     "fname",
                                                     "fontemb",
                                                     "fontfile",
                                                     "latentstyles",
                                                     "colorschememapping",
                                                     "expandedcolortbl",
                                                     "mmathPr",
                                                     "pgdsctbl",
                                                     "picprop",
                                                     "blipuid",
                                                     "passwordhash"};

}  // namespace

const WordInfo* FindWord(std::string_view name) {
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t;
        for (const NamedWord& word : kTextWords)
            t.emplace(word.name, word.info);
        for (const NamedWord& word : kTableWords)
            t.emplace(word.name, word.info);
        for (std::string_view name : kSkippedDestinations)
            t.emplace(name, WordInfo{Word::kSkipDestination});
        return t;
    }();
    const auto found = table.find(name);
    return found == table.end() ? nullptr : &found->second;
}

}  // namespace calorix::rtf
