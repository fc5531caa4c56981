#pragma once

// The control words the tips reader knows: what each stands for, found by
// its name.

#include <string_view>

namespace calorix::rtf {

// The control words the reader acts on.
enum class Word {
    kSkipDestination,
    kFontTable,
    kColorTable,
    kPar,
    kLine,
    kTab,
    kPard,
    kPlain,
    kBold,
    kItalic,
    kUnderline,
    kUnderlineNone,
    kFontSize,
    kFont,
    kDefaultFont,
    kColor,
    kUnicode,
    kUnicodeSkip,
    kAlignLeft,
    kAlignCenter,
    kAlignRight,
    kAlignJustify,
    kFamilyNil,
    kFamilyRoman,
    kFamilySwiss,
    kFamilyModern,
    kFamilyScript,
    kFamilyDecor,
    kPitch,
    kRed,
    kGreen,
    kBlue,
    kCharacter,  // a word that stands for one character, e.g. \emdash
};

struct WordInfo {
    Word word;
    char16_t character = 0;  // for Word::kCharacter
};

// What a control word names, or null for a word the reader ignores (and
// for the empty word of a run of letters too long to name one).
// "b" -> kBold; "emdash" -> kCharacter with U+2014; "pict" ->
// kSkipDestination; "rtf" -> null.
const WordInfo* FindWord(std::string_view name);

}  // namespace calorix::rtf
