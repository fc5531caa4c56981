#include "app/rtf_interpreter.h"

#include <QChar>
#include <QColor>
#include <QFont>
#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/rtf_document_writer.h"
#include "app/rtf_tokenizer.h"

namespace calorix::rtf {
namespace {

// Limits that keep hostile input from growing the reader's own state.
constexpr qsizetype kMaxGroupDepth = 256;  // nested groups with their own state
constexpr qsizetype kMaxFontNameLength = 256;
constexpr int kMaxUnicodeSkip = 255;

// Windows-1252 characters 0x80..0x9F; 0 marks the five unassigned codes.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// One byte of the Windows-1252 code page as UTF-16; 0 for an unassigned code.
char16_t DecodeWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kWindows1252High[byte - 0x80];
    return byte;
}

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

// The word a control word names; null for a word the reader ignores.
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

// Names of common fixed-pitch families, for font tables that do not mark
// their pitch: "Courier New", "Consolas", "Lucida Console", "DejaVu Sans
// Mono" are; "Monotype Corsiva" is not.
bool LooksFixedPitch(const QString& name) {
    for (const char* part : {"courier", "consolas", "console", "fixedsys"}) {
        if (name.contains(QLatin1String(part), Qt::CaseInsensitive)) return true;
    }
    const QStringList words = name.toLower().split(u' ', Qt::SkipEmptyParts);
    for (const char* word : {"mono", "monospace", "monospaced", "fixed", "terminal"}) {
        if (words.contains(QLatin1String(word))) return true;
    }
    return false;
}

enum class Destination : std::uint8_t { kText, kFontTable, kColorTable, kSkip };

// What a group saves on '{' and restores on '}'.
struct GroupState {
    TextStyle style;
    int unicodeSkip = 1;  // bytes of fallback text after each \uN
    Destination destination = Destination::kText;
};

// Font table entries: "\f1\fmodern\fprq1 Courier New;".
struct FontBuilder {
    bool active = false;
    int number = 0;
    QString name;
    QFont::StyleHint hint = QFont::AnyStyle;
    bool fixedPitch = false;
};

// Colour table entries: "\red255\green0\blue0;"; an entry without
// components is the default colour.
struct ColorBuilder {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool any = false;
};

class Interpreter {
  public:
    explicit Interpreter(DocumentWriter& writer) : writer_(writer) {
        stack_.reserve(kMaxGroupDepth);
        stack_.push_back(GroupState{});
    }

    void Run(Tokenizer& tokens) {
        Token token;
        while (!writer_.Full() && tokens.Next(token))
            Handle(token);
        // Groups left open at the end are closed here.
        if (stack_.size() > 1) {
            writer_.FinishParagraph(State().style);
        } else {
            writer_.FlushText(State().style);
        }
    }

  private:
    GroupState& State() { return stack_.back(); }

    Destination CurrentDestination() const {
        return overflowDepth_ > 0 ? Destination::kSkip : stack_.back().destination;
    }

    void Handle(const Token& token) {
        switch (token.kind) {
            case TokenKind::kGroupOpen:
                pendingSkip_ = 0;
                OpenGroup();
                break;
            case TokenKind::kGroupClose:
                pendingSkip_ = 0;
                CloseGroup();
                break;
            case TokenKind::kText:
                if (!SkipFallback()) TextByte(token.byte, /*escaped=*/false);
                break;
            case TokenKind::kEscapedByte:
                if (!SkipFallback()) TextByte(token.byte, /*escaped=*/true);
                break;
            case TokenKind::kControlSymbol:
                if (!SkipFallback()) ControlSymbol(token.symbol);
                break;
            case TokenKind::kControlWord:
                if (!SkipFallback()) ControlWord(token);
                break;
            case TokenKind::kBinary:
                SkipFallback();
                break;
        }
    }

    // Groups nested deeper than kMaxGroupDepth are read but show nothing and
    // change nothing; only their depth is counted.
    void OpenGroup() {
        if (overflowDepth_ > 0 || static_cast<qsizetype>(stack_.size()) >= kMaxGroupDepth) {
            ++overflowDepth_;
            return;
        }
        stack_.push_back(stack_.back());
    }

    void CloseGroup() {
        if (overflowDepth_ > 0) {
            --overflowDepth_;
            return;
        }
        if (stack_.size() <= 1) return;  // a closing brace without its opening one
        if (State().destination == Destination::kFontTable) CommitFont();
        // The document's paragraph formatting at its closing brace applies
        // to its last paragraph.
        if (stack_.size() == 2) writer_.FinishParagraph(State().style);
        stack_.pop_back();
    }

    // After \uN the next `unicodeSkip` characters are the fallback text for
    // readers without Unicode: drop them. Escapes, control symbols and
    // control words count as one character each; braces end the fallback
    // early.
    bool SkipFallback() {
        if (pendingSkip_ <= 0) return false;
        --pendingSkip_;
        return true;
    }

    void ControlSymbol(char symbol) {
        if (overflowDepth_ > 0) return;
        switch (symbol) {
            case '\\':
            case '{':
            case '}':
                TextByte(static_cast<unsigned char>(symbol), /*escaped=*/true);
                break;
            case '~':
                TextChar(0x00A0);  // non-breaking space
                break;
            case '-':
                TextChar(0x00AD);  // optional hyphen
                break;
            case '_':
                TextChar(0x2011);  // non-breaking hyphen
                break;
            case '*':
                State().destination = Destination::kSkip;
                break;
            case '\r':
            case '\n':
                if (CurrentDestination() == Destination::kText) EndParagraph();
                break;
            default:
                break;
        }
    }

    void ControlWord(const Token& token) {
        if (overflowDepth_ > 0) return;
        const WordInfo* info = FindWord(token.word);
        if (info == nullptr) return;
        if (CharacterWord(info->word, token) || ParagraphWord(info->word, token) ||
            TextWord(*info, token) || DestinationWord(info->word)) {
            return;
        }
        TableEntryWord(info->word, token);
    }

    // Words that set the character formatting of the group; false for any
    // other word.
    bool CharacterWord(Word word, const Token& token) {
        CharacterState& character = State().style.character;
        const bool on = !token.hasParameter || token.parameter != 0;
        switch (word) {
            case Word::kPlain:
                character = CharacterState{};
                return true;
            case Word::kBold:
                character.bold = on;
                return true;
            case Word::kItalic:
                character.italic = on;
                return true;
            case Word::kUnderline:
                character.underline = on;
                return true;
            case Word::kUnderlineNone:
                character.underline = false;
                return true;
            case Word::kFontSize:
                if (token.hasParameter && token.parameter > 0) {
                    character.halfPoints = std::min(token.parameter, kMaxHalfPoints);
                }
                return true;
            case Word::kFont:
                if (!token.hasParameter || token.parameter < 0) return true;
                if (State().destination == Destination::kFontTable) {
                    StartFont(token.parameter);
                } else {
                    character.font = token.parameter;
                }
                return true;
            case Word::kColor:
                character.color = token.hasParameter ? std::max(token.parameter, 0) : 0;
                return true;
            default:
                return false;
        }
    }

    // Words that set the alignment or the Unicode fallback count of the
    // group; false for any other word.
    bool ParagraphWord(Word word, const Token& token) {
        GroupState& state = State();
        switch (word) {
            case Word::kPard:
            case Word::kAlignLeft:
                state.style.alignment = Qt::AlignLeft;
                return true;
            case Word::kAlignCenter:
                state.style.alignment = Qt::AlignHCenter;
                return true;
            case Word::kAlignRight:
                state.style.alignment = Qt::AlignRight;
                return true;
            case Word::kAlignJustify:
                state.style.alignment = Qt::AlignJustify;
                return true;
            case Word::kUnicodeSkip:
                if (token.hasParameter) {
                    state.unicodeSkip = std::clamp(token.parameter, 0, kMaxUnicodeSkip);
                }
                return true;
            default:
                return false;
        }
    }

    // Words that stand for text: breaks, tabs, special characters and
    // Unicode escapes; false for any other word.
    bool TextWord(const WordInfo& info, const Token& token) {
        switch (info.word) {
            case Word::kPar:
                if (State().destination == Destination::kText) EndParagraph();
                return true;
            case Word::kLine:
                TextChar(0x2028);
                return true;
            case Word::kTab:
                TextChar(u'\t');
                return true;
            case Word::kCharacter:
                TextChar(info.character);
                return true;
            case Word::kUnicode:
                if (token.hasParameter) {
                    const int code =
                        token.parameter < 0 ? token.parameter + 65536 : token.parameter;
                    if (code >= 0 && code <= 0xFFFF) TextChar(static_cast<char16_t>(code));
                    pendingSkip_ = State().unicodeSkip;
                }
                return true;
            default:
                return false;
        }
    }

    // Words that start a destination; false for any other word.
    bool DestinationWord(Word word) {
        GroupState& state = State();
        switch (word) {
            case Word::kSkipDestination:
                state.destination = Destination::kSkip;
                return true;
            case Word::kFontTable:
                if (state.destination == Destination::kText) {
                    state.destination = Destination::kFontTable;
                }
                return true;
            case Word::kColorTable:
                if (state.destination == Destination::kText) {
                    state.destination = Destination::kColorTable;
                    color_ = {};
                }
                return true;
            default:
                return false;
        }
    }

    // The default font and the words that describe a font or colour table
    // entry.
    void TableEntryWord(Word word, const Token& token) {
        switch (word) {
            case Word::kDefaultFont:
                if (token.hasParameter) writer_.SetDefaultFont(std::max(token.parameter, 0));
                break;
            case Word::kFamilyNil:
                font_.hint = QFont::AnyStyle;
                break;
            case Word::kFamilyRoman:
                font_.hint = QFont::Serif;
                break;
            case Word::kFamilySwiss:
                font_.hint = QFont::SansSerif;
                break;
            case Word::kFamilyModern:
                font_.hint = QFont::TypeWriter;
                font_.fixedPitch = true;
                break;
            case Word::kFamilyScript:
                font_.hint = QFont::Cursive;
                break;
            case Word::kFamilyDecor:
                font_.hint = QFont::Decorative;
                break;
            case Word::kPitch:
                if (token.hasParameter && token.parameter == 1) font_.fixedPitch = true;
                break;
            case Word::kRed:
                SetColorComponent(color_.red, token);
                break;
            case Word::kGreen:
                SetColorComponent(color_.green, token);
                break;
            case Word::kBlue:
                SetColorComponent(color_.blue, token);
                break;
            default:
                break;
        }
    }

    // A byte of text, from the file or from an escape (\'hh, \{, \\): in the
    // tables an unescaped ';' ends an entry.
    void TextByte(unsigned char byte, bool escaped) {
        switch (CurrentDestination()) {
            case Destination::kFontTable:
                if (!escaped && byte == ';') {
                    CommitFont();
                    return;
                }
                break;
            case Destination::kColorTable:
                if (!escaped && byte == ';') CommitColor();
                return;
            case Destination::kText:
                break;
            case Destination::kSkip:
                return;
        }
        const char16_t ch = DecodeWindows1252(byte);
        if (ch != 0) TextChar(ch);
    }

    // A character in the current destination.
    void TextChar(char16_t ch) {
        switch (CurrentDestination()) {
            case Destination::kText:
                writer_.AddCharacter(ch, State().style);
                break;
            case Destination::kFontTable:
                if (font_.active && font_.name.size() < kMaxFontNameLength && ch >= 0x20 &&
                    !QChar::isSurrogate(ch)) {
                    font_.name.append(QChar(ch));
                }
                break;
            case Destination::kColorTable:
            case Destination::kSkip:
                break;
        }
    }

    void EndParagraph() { writer_.EndParagraph(State().style); }

    void StartFont(int number) {
        CommitFont();
        font_ = FontBuilder{};
        font_.active = true;
        font_.number = number;
    }

    void CommitFont() {
        if (!font_.active) return;
        font_.active = false;
        FontEntry entry;
        entry.name = font_.name.trimmed();
        entry.hint = font_.hint;
        entry.fixedPitch = font_.fixedPitch || LooksFixedPitch(entry.name);
        if (entry.fixedPitch) entry.hint = QFont::TypeWriter;
        writer_.DefineFont(font_.number, entry);
    }

    void SetColorComponent(int& component, const Token& token) {
        if (!token.hasParameter) return;
        component = std::clamp(token.parameter, 0, 255);
        color_.any = true;
    }

    void CommitColor() {
        writer_.AddColor(color_.any ? QColor(color_.red, color_.green, color_.blue) : QColor());
        color_ = ColorBuilder{};
    }

    DocumentWriter& writer_;
    std::vector<GroupState> stack_;
    qsizetype overflowDepth_ = 0;
    int pendingSkip_ = 0;
    FontBuilder font_;
    ColorBuilder color_;
};

}  // namespace

void Interpret(Tokenizer& tokens, DocumentWriter& writer) {
    Interpreter(writer).Run(tokens);
}

}  // namespace calorix::rtf
