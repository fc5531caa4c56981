#include "app/rtf_interpreter.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "app/rtf_control_words.h"
#include "app/rtf_document_writer.h"
#include "app/rtf_tables.h"
#include "app/rtf_tokenizer.h"

namespace calorix::rtf {
namespace {

// Limits that keep hostile input from growing the reader's own state.
constexpr qsizetype kMaxGroupDepth = 256;  // nested groups with their own state
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

enum class Destination : std::uint8_t { kText, kFontTable, kColorTable, kSkip };

// What a group saves on '{' and restores on '}'.
struct GroupState {
    TextStyle style;
    int unicodeSkip = 1;  // bytes of fallback text after each \uN
    Destination destination = Destination::kText;
};

// The states of the open groups: the document's own state outside every
// group, then one saved state for each group up to kMaxGroupDepth. Groups
// nested deeper are read but show nothing and change nothing; only their
// depth is counted.
class GroupStack {
  public:
    GroupStack() {
        stack_.reserve(kMaxGroupDepth);
        stack_.push_back(GroupState{});
    }

    // The state of the innermost group with a state of its own.
    GroupState& State() { return stack_.back(); }
    // Where text goes: nowhere inside the groups beyond the limit.
    Destination CurrentDestination() const {
        return overflowDepth_ > 0 ? Destination::kSkip : stack_.back().destination;
    }
    // Whether the innermost open group lies beyond the limit.
    bool BeyondLimit() const { return overflowDepth_ > 0; }
    // The open groups with a state of their own; 1 inside the document's
    // outermost group.
    std::size_t Depth() const { return stack_.size() - 1; }

    // '{': a group that starts with its parent's state.
    void Open() {
        if (overflowDepth_ > 0 || static_cast<qsizetype>(stack_.size()) >= kMaxGroupDepth) {
            ++overflowDepth_;
            return;
        }
        stack_.push_back(stack_.back());
    }
    // '}' of a group beyond the limit: counted off, true; false otherwise.
    bool CloseBeyondLimit() {
        if (overflowDepth_ == 0) return false;
        --overflowDepth_;
        return true;
    }
    // '}' of the innermost group with a state of its own (Depth() > 0): the
    // state of its parent is restored.
    void Close() { stack_.pop_back(); }

  private:
    std::vector<GroupState> stack_;
    qsizetype overflowDepth_ = 0;
};

// Words that set the character formatting of a group, \f aside; false for
// any other word. Sizes in half-points, up to kMaxHalfPoints.
bool CharacterWord(Word word, const Token& token, CharacterState& character) {
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
        case Word::kColor:
            character.color = token.hasParameter ? std::max(token.parameter, 0) : 0;
            return true;
        default:
            return false;
    }
}

// Words that set the alignment or the Unicode fallback count (in bytes, up
// to kMaxUnicodeSkip) of a group; false for any other word.
bool ParagraphWord(Word word, const Token& token, GroupState& state) {
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

// Reads the tokens into the writer: the groups' states on a GroupStack, the
// words that format text through CharacterWord and ParagraphWord, the
// entries of the font and colour tables through a TableReader; text, breaks
// and destinations here.
class Interpreter {
  public:
    explicit Interpreter(DocumentWriter& writer) : writer_(writer), tables_(writer) {}

    void Run(Tokenizer& tokens) {
        Token token;
        while (!writer_.Full() && tokens.Next(token))
            Handle(token);
        // Groups left open at the end are closed here.
        if (groups_.Depth() > 0) {
            writer_.FinishParagraph(State().style);
        } else {
            writer_.FlushText(State().style);
        }
    }

  private:
    GroupState& State() { return groups_.State(); }

    Destination CurrentDestination() const { return groups_.CurrentDestination(); }

    void Handle(const Token& token) {
        switch (token.kind) {
            case TokenKind::kGroupOpen:
                pendingSkip_ = 0;
                groups_.Open();
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

    void CloseGroup() {
        if (groups_.CloseBeyondLimit()) return;
        if (groups_.Depth() == 0) return;  // a closing brace without its opening one
        if (State().destination == Destination::kFontTable) tables_.EndFont();
        // The document's paragraph formatting at its closing brace applies
        // to its last paragraph.
        if (groups_.Depth() == 1) writer_.FinishParagraph(State().style);
        groups_.Close();
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
        if (groups_.BeyondLimit()) return;
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
        if (groups_.BeyondLimit()) return;
        const WordInfo* info = FindWord(token.word);
        if (info == nullptr) return;
        if (CharacterWord(info->word, token, State().style.character) ||
            FontWord(info->word, token) || ParagraphWord(info->word, token, State()) ||
            TextWord(*info, token) || DestinationWord(info->word)) {
            return;
        }
        tables_.EntryWord(info->word, token);
    }

    // \fN: the font of the group's text, or in the font table the start of
    // entry N; false for any other word.
    bool FontWord(Word word, const Token& token) {
        if (word != Word::kFont) return false;
        if (!token.hasParameter || token.parameter < 0) return true;
        if (State().destination == Destination::kFontTable) {
            tables_.StartFont(token.parameter);
        } else {
            State().style.character.font = token.parameter;
        }
        return true;
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
                    tables_.StartColors();
                }
                return true;
            default:
                return false;
        }
    }

    // A byte of text, from the file or from an escape (\'hh, \{, \\): in the
    // tables an unescaped ';' ends an entry.
    void TextByte(unsigned char byte, bool escaped) {
        switch (CurrentDestination()) {
            case Destination::kFontTable:
                if (!escaped && byte == ';') {
                    tables_.EndFont();
                    return;
                }
                break;
            case Destination::kColorTable:
                if (!escaped && byte == ';') tables_.EndColor();
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
                tables_.FontCharacter(ch);
                break;
            case Destination::kColorTable:
            case Destination::kSkip:
                break;
        }
    }

    void EndParagraph() { writer_.EndParagraph(State().style); }

    DocumentWriter& writer_;
    GroupStack groups_;
    TableReader tables_;
    int pendingSkip_ = 0;
};

}  // namespace

void Interpret(Tokenizer& tokens, DocumentWriter& writer) {
    Interpreter(writer).Run(tokens);
}

}  // namespace calorix::rtf
