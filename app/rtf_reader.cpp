#include "app/rtf_reader.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/font_choice.h"
#include "app/regular_file.h"

namespace calorix {
namespace {

// Limits that keep hostile input from growing the reader's own state.
constexpr qsizetype kMaxGroupDepth = 256;  // nested groups with their own state
constexpr qsizetype kMaxFonts = 1024;      // font table entries
constexpr qsizetype kMaxColors = 1024;     // colour table entries
constexpr qsizetype kMaxFontNameLength = 256;
constexpr int kMaxParameterDigits = 10;
constexpr int kMaxHalfPoints = 3276;  // 1638 pt, the largest size word processors offer
constexpr int kMaxUnicodeSkip = 255;
// Longer paragraphs are broken: laying out one huge paragraph takes far more
// than linear time, and no readable text needs one.
constexpr qsizetype kMaxParagraphLength = 4096;
// Distinct (font, size) pairs; text asking for more takes the base font.
// Each pair costs the text layout a font of its own.
constexpr qsizetype kMaxFaces = 64;
// Qt's text layout stops terminating once a document grows past 2^23 pixels
// in height, so the text is cut short before it could: every character and
// every paragraph is counted as a whole line of its font size, two em high
// at 192 dots per inch, which no screen line exceeds.
constexpr double kMaxLayoutHeight = 8'000'000.0;            // pixels, below 2^23
constexpr double kLineHeightPerPoint = 2.0 * 192.0 / 72.0;  // pixels per point
constexpr double kMinLineHeight = 16.0;                     // pixels, for tiny fonts
constexpr std::size_t kMaxControlWordLength = 32;

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

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool HasRtfSignature(const QByteArray& data) {
    qsizetype i = 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' ||
                               data[i] == '\n' || data[i] == '\f' || data[i] == '\v')) {
        ++i;
    }
    return QByteArrayView(data).sliced(i).startsWith("{\\rtf");
}

// The control words the reader acts on.
enum class Word {
    kSkipDestination,
    kFontTable,
    kColorTable,
    kBin,
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

const std::unordered_map<std::string_view, WordInfo>& WordTable() {
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t = {
            {"fonttbl", {Word::kFontTable}},
            {"colortbl", {Word::kColorTable}},
            {"bin", {Word::kBin}},
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
            {"deff", {Word::kDefaultFont}},
            {"cf", {Word::kColor}},
            {"u", {Word::kUnicode}},
            {"uc", {Word::kUnicodeSkip}},
            {"ql", {Word::kAlignLeft}},
            {"qc", {Word::kAlignCenter}},
            {"qr", {Word::kAlignRight}},
            {"qj", {Word::kAlignJustify}},
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
        // Destinations whose content is not shown. The visible text of a
        // field (\fldrslt) and of list numbers (\pntext, \listtext) is kept.
        for (std::string_view name : {"info",
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
                                      "passwordhash"}) {
            t.emplace(name, WordInfo{Word::kSkipDestination});
        }
        return t;
    }();
    return table;
}

enum class Destination : std::uint8_t { kText, kFontTable, kColorTable, kSkip };

// Character formatting as the file states it; resolved against the tables
// and the base font only when text is inserted.
struct CharacterState {
    int font = -1;       // font table number, -1 for the document's default font
    int halfPoints = 0;  // font size in half-points, 0 for the base font's size
    int color = 0;       // colour table index, 0 for the default colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const CharacterState&) const = default;
};

// What a group saves on '{' and restores on '}'.
struct GroupState {
    CharacterState character;
    Qt::Alignment alignment = Qt::AlignLeft;
    int unicodeSkip = 1;  // bytes of fallback text after each \uN
    Destination destination = Destination::kText;
};

struct FontEntry {
    QString name;
    QFont::StyleHint hint = QFont::AnyStyle;
    bool fixedPitch = false;
    bool resolved = false;
    QStringList families;  // what text in this font asks for, once resolved
};

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

class RtfParser {
  public:
    RtfParser(const QByteArray& rtf, QTextDocument& document, const QFont& baseFont)
        : data_(rtf.constData()), size_(rtf.size()), cursor_(&document), baseFont_(baseFont) {
        baseFamilies_ = baseFont.families();
        if (baseFamilies_.isEmpty()) baseFamilies_ = QStringList{baseFont.family()};
        basePoints_ = baseFont.pointSizeF() > 0  ? baseFont.pointSizeF()
                      : baseFont.pixelSize() > 0 ? baseFont.pixelSize() * 0.75
                                                 : 12.0;
        basePoints_ = std::min(basePoints_, kMaxHalfPoints / 2.0);
        stack_.reserve(kMaxGroupDepth);
        stack_.push_back(GroupState{});
        // Start at the opening brace; blanks before it are not text.
        while (pos_ < size_ && data_[pos_] != '{')
            ++pos_;
    }

    void Run() {
        cursor_.beginEditBlock();
        while (pos_ < size_ && !full_) {
            const char c = data_[pos_++];
            switch (c) {
                case '{':
                    pendingSkip_ = 0;
                    OpenGroup();
                    break;
                case '}':
                    pendingSkip_ = 0;
                    CloseGroup();
                    break;
                case '\\':
                    ReadControl();
                    break;
                case '\r':
                case '\n':
                    break;
                default:
                    if (SkipFallback()) break;
                    TextByte(static_cast<unsigned char>(c), /*escaped=*/false);
                    break;
            }
        }
        // Groups left open at the end are closed here.
        if (stack_.size() > 1) {
            FinishParagraph();
        } else {
            FlushLoneSurrogate();
            FlushRun();
        }
        cursor_.endEditBlock();
    }

  private:
    GroupState& State() { return stack_.back(); }

    Destination CurrentDestination() const {
        return overflowDepth_ > 0 ? Destination::kSkip : stack_.back().destination;
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
        if (stack_.size() == 2) FinishParagraph();
        stack_.pop_back();
    }

    // After \uN the next `unicodeSkip` characters are the fallback text for
    // readers without Unicode: drop them. Braces end the fallback early.
    bool SkipFallback() {
        if (pendingSkip_ <= 0) return false;
        --pendingSkip_;
        return true;
    }

    void ReadControl() {
        if (pos_ >= size_) return;  // a lone backslash at the end
        if (!IsAsciiLetter(data_[pos_])) {
            ReadControlSymbol(data_[pos_++]);
            return;
        }
        std::array<char, kMaxControlWordLength> name{};
        std::size_t length = 0;
        bool tooLong = false;
        while (pos_ < size_ && IsAsciiLetter(data_[pos_])) {
            if (length < name.size()) {
                name[length++] = data_[pos_];
            } else {
                tooLong = true;
            }
            ++pos_;
        }
        bool hasParameter = false;
        bool negative = false;
        if (pos_ + 1 < size_ && data_[pos_] == '-' && IsAsciiDigit(data_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        // At most kMaxParameterDigits significant digits are read; longer
        // numbers saturate at the int range.
        std::int64_t magnitude = 0;
        int digits = 0;
        while (pos_ < size_ && IsAsciiDigit(data_[pos_])) {
            hasParameter = true;
            const int digit = data_[pos_++] - '0';
            if (magnitude == 0 && digit == 0) continue;  // leading zeros
            if (digits < kMaxParameterDigits) magnitude = magnitude * 10 + digit;
            ++digits;
        }
        constexpr std::int64_t kLimit = std::numeric_limits<int>::max();
        if (digits > kMaxParameterDigits || magnitude > kLimit) magnitude = kLimit;
        const int parameter = static_cast<int>(negative ? -magnitude : magnitude);
        if (pos_ < size_ && data_[pos_] == ' ') ++pos_;  // the delimiting space

        if (tooLong) {
            SkipFallback();
            return;
        }
        const auto& table = WordTable();
        const auto found = table.find(std::string_view(name.data(), length));
        if (found != table.end() && found->second.word == Word::kBin) {
            // Raw bytes follow; they are never text, whatever the destination.
            const qsizetype count = hasParameter && parameter > 0 ? parameter : 0;
            pos_ += std::min(count, size_ - pos_);
            SkipFallback();
            return;
        }
        if (SkipFallback()) return;
        if (found == table.end() || overflowDepth_ > 0) return;
        HandleWord(found->second, hasParameter, parameter);
    }

    void ReadControlSymbol(char symbol) {
        if (symbol == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && pos_ < size_ && HexValue(data_[pos_]) >= 0) {
                value = value * 16 + HexValue(data_[pos_]);
                ++digits;
                ++pos_;
            }
            if (SkipFallback()) return;
            if (digits == 2) TextByte(static_cast<unsigned char>(value), /*escaped=*/true);
            return;
        }
        if (SkipFallback()) return;
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

    void HandleWord(const WordInfo& info, bool hasParameter, int parameter) {
        GroupState& state = State();
        CharacterState& character = state.character;
        const bool on = !hasParameter || parameter != 0;
        const Destination destination = state.destination;
        switch (info.word) {
            case Word::kSkipDestination:
                state.destination = Destination::kSkip;
                break;
            case Word::kFontTable:
                if (destination == Destination::kText) state.destination = Destination::kFontTable;
                break;
            case Word::kColorTable:
                if (destination == Destination::kText) {
                    state.destination = Destination::kColorTable;
                    color_ = {};
                }
                break;
            case Word::kBin:
                break;  // handled while reading
            case Word::kPar:
                if (destination == Destination::kText) EndParagraph();
                break;
            case Word::kLine:
                TextChar(0x2028);
                break;
            case Word::kTab:
                TextChar(u'\t');
                break;
            case Word::kPard:
                state.alignment = Qt::AlignLeft;
                break;
            case Word::kPlain:
                character = CharacterState{};
                break;
            case Word::kBold:
                character.bold = on;
                break;
            case Word::kItalic:
                character.italic = on;
                break;
            case Word::kUnderline:
                character.underline = on;
                break;
            case Word::kUnderlineNone:
                character.underline = false;
                break;
            case Word::kFontSize:
                if (hasParameter && parameter > 0) {
                    character.halfPoints = std::min(parameter, kMaxHalfPoints);
                }
                break;
            case Word::kFont:
                if (!hasParameter || parameter < 0) break;
                if (destination == Destination::kFontTable) {
                    StartFont(parameter);
                } else {
                    character.font = parameter;
                }
                break;
            case Word::kDefaultFont:
                if (hasParameter) {
                    defaultFont_ = std::max(parameter, 0);
                    haveLastFormat_ = false;
                }
                break;
            case Word::kColor:
                character.color = hasParameter ? std::max(parameter, 0) : 0;
                break;
            case Word::kUnicode:
                if (hasParameter) {
                    const int code = parameter < 0 ? parameter + 65536 : parameter;
                    if (code >= 0 && code <= 0xFFFF) TextChar(static_cast<char16_t>(code));
                    pendingSkip_ = state.unicodeSkip;
                }
                break;
            case Word::kUnicodeSkip:
                if (hasParameter) state.unicodeSkip = std::clamp(parameter, 0, kMaxUnicodeSkip);
                break;
            case Word::kAlignLeft:
                state.alignment = Qt::AlignLeft;
                break;
            case Word::kAlignCenter:
                state.alignment = Qt::AlignHCenter;
                break;
            case Word::kAlignRight:
                state.alignment = Qt::AlignRight;
                break;
            case Word::kAlignJustify:
                state.alignment = Qt::AlignJustify;
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
                if (hasParameter && parameter == 1) font_.fixedPitch = true;
                break;
            case Word::kRed:
                SetColorComponent(color_.red, hasParameter, parameter);
                break;
            case Word::kGreen:
                SetColorComponent(color_.green, hasParameter, parameter);
                break;
            case Word::kBlue:
                SetColorComponent(color_.blue, hasParameter, parameter);
                break;
            case Word::kCharacter:
                TextChar(info.character);
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
                DocumentChar(ch);
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

    // Adds a character to the document text. Control characters are dropped,
    // surrogates are paired or replaced, and the code points the document
    // reserves for its own structure are replaced.
    void DocumentChar(char16_t ch) {
        if ((ch < 0x20 && ch != u'\t') || (ch >= 0x7F && ch < 0xA0)) return;
        if (QChar::isHighSurrogate(ch)) {
            FlushLoneSurrogate();
            highSurrogate_ = ch;
            return;
        }
        if (QChar::isLowSurrogate(ch)) {
            if (highSurrogate_ != 0) {
                AppendToRun(highSurrogate_);
                AppendToRun(ch);
                highSurrogate_ = 0;
            } else {
                AppendToRun(QChar::ReplacementCharacter);
            }
            return;
        }
        FlushLoneSurrogate();
        const bool reserved = (ch >= 0xFDD0 && ch <= 0xFDEF) || ch == 0xFFFE || ch == 0xFFFF ||
                              ch == QChar::ObjectReplacementCharacter ||
                              ch == QChar::ParagraphSeparator;
        AppendToRun(reserved ? char16_t{QChar::ReplacementCharacter} : ch);
    }

    void FlushLoneSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        AppendToRun(QChar::ReplacementCharacter);
    }

    // Text collects in a run of one character state and is inserted when
    // the state changes, a paragraph ends or the input ends.
    void AppendToRun(char16_t ch) {
        const CharacterState& current = State().character;
        if (!QChar::isLowSurrogate(ch)) {  // the pair's high half paid for it
            if (paragraphLength_ >= kMaxParagraphLength) {
                // Not EndParagraph: that would flush the very high surrogate
                // being appended here as a lone one.
                FlushRun();
                ApplyAlignment();
                StartParagraph();
            }
            if (!SpendLine(current)) return;
        }
        ++paragraphLength_;
        if (!run_.isEmpty() && !(runState_ == current)) FlushRun();
        if (run_.isEmpty()) runState_ = current;
        run_.append(QChar(ch));
    }

    void FlushRun() {
        if (run_.isEmpty()) return;
        cursor_.insertText(run_, CharFormat(runState_));
        run_.clear();
    }

    // Inserts the text of the current paragraph and gives it the paragraph
    // formatting in force.
    void FinishParagraph() {
        FlushLoneSurrogate();
        FlushRun();
        ApplyAlignment();
    }

    void EndParagraph() {
        FinishParagraph();
        StartParagraph();
    }

    void StartParagraph() {
        if (!SpendLine(State().character)) return;
        cursor_.insertBlock(cursor_.blockFormat(), CharFormat(State().character));
        paragraphLength_ = 0;
    }

    // Takes one line of text in `state` from the height budget; false, and
    // the end of reading, when the budget is spent.
    bool SpendLine(const CharacterState& state) {
        const double points = std::max(state.halfPoints / 2.0, basePoints_);
        heightLeft_ -= std::max(points * kLineHeightPerPoint, kMinLineHeight);
        if (heightLeft_ >= 0) return true;
        full_ = true;
        return false;
    }

    // Paragraph formatting in force at the end of a paragraph applies to it.
    void ApplyAlignment() {
        QTextBlockFormat format = cursor_.blockFormat();
        if (format.alignment() == State().alignment) return;
        format.setAlignment(State().alignment);
        cursor_.setBlockFormat(format);
    }

    QTextCharFormat CharFormat(const CharacterState& state) {
        if (haveLastFormat_ && state == lastState_) return lastFormat_;
        QTextCharFormat format;
        int fontNumber = state.font;
        FontEntry* font = FindFont(fontNumber);
        if (font == nullptr) {
            fontNumber = defaultFont_;
            font = FindFont(fontNumber);
        }
        int halfPoints = state.halfPoints;
        const FaceKey face{font != nullptr ? fontNumber : -1, halfPoints};
        if (std::find(faces_.begin(), faces_.end(), face) == faces_.end()) {
            if (static_cast<qsizetype>(faces_.size()) < kMaxFaces) {
                faces_.push_back(face);
            } else {
                font = nullptr;
                halfPoints = 0;
            }
        }
        if (font != nullptr) {
            format.setFontFamilies(Families(*font));
            format.setFontStyleHint(font->hint);
            format.setFontFixedPitch(font->fixedPitch);
        } else {
            format.setFontFamilies(baseFamilies_);
            format.setFontStyleHint(baseFont_.styleHint());
            format.setFontFixedPitch(baseFont_.fixedPitch());
        }
        const double points = halfPoints > 0 ? halfPoints / 2.0 : baseFont_.pointSizeF();
        if (points > 0) format.setFontPointSize(points);
        format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state.italic);
        format.setFontUnderline(state.underline);
        if (state.color > 0 && state.color < static_cast<int>(colors_.size()) &&
            colors_[static_cast<std::size_t>(state.color)].isValid()) {
            format.setForeground(colors_[static_cast<std::size_t>(state.color)]);
        }
        lastState_ = state;
        lastFormat_ = format;
        haveLastFormat_ = true;
        return format;
    }

    FontEntry* FindFont(int number) {
        if (number < 0) return nullptr;
        const auto found = fonts_.find(number);
        return found == fonts_.end() ? nullptr : &found.value();
    }

    // The families text in `font` asks for, chosen once per font.
    const QStringList& Families(FontEntry& font) {
        if (font.resolved) return font.families;
        font.resolved = true;
        font.families = ChooseFontFamilies(font.name, font.fixedPitch, baseFamilies_);
        return font.families;
    }

    // Font table entries: "\f1\fmodern\fprq1 Courier New;".
    struct FontBuilder {
        bool active = false;
        int number = 0;
        QString name;
        QFont::StyleHint hint = QFont::AnyStyle;
        bool fixedPitch = false;
    };

    void StartFont(int number) {
        CommitFont();
        font_ = FontBuilder{};
        font_.active = true;
        font_.number = number;
    }

    void CommitFont() {
        if (!font_.active) return;
        font_.active = false;
        if (!fonts_.contains(font_.number) && fonts_.size() >= kMaxFonts) return;
        FontEntry entry;
        entry.name = font_.name.trimmed();
        entry.hint = font_.hint;
        entry.fixedPitch = font_.fixedPitch || LooksFixedPitch(entry.name);
        if (entry.fixedPitch) entry.hint = QFont::TypeWriter;
        fonts_.insert(font_.number, entry);
        haveLastFormat_ = false;  // a redefined font changes formats already built
    }

    // Colour table entries: "\red255\green0\blue0;"; an entry without
    // components is the default colour.
    struct ColorBuilder {
        int red = 0;
        int green = 0;
        int blue = 0;
        bool any = false;
    };

    void SetColorComponent(int& component, bool hasParameter, int parameter) {
        if (!hasParameter) return;
        component = std::clamp(parameter, 0, 255);
        color_.any = true;
    }

    void CommitColor() {
        if (static_cast<qsizetype>(colors_.size()) < kMaxColors) {
            colors_.push_back(color_.any ? QColor(color_.red, color_.green, color_.blue)
                                         : QColor());
            haveLastFormat_ = false;
        }
        color_ = ColorBuilder{};
    }

    const char* data_;
    qsizetype size_;
    qsizetype pos_ = 0;
    QTextCursor cursor_;
    QFont baseFont_;
    QStringList baseFamilies_;

    std::vector<GroupState> stack_;
    qsizetype overflowDepth_ = 0;
    int pendingSkip_ = 0;
    char16_t highSurrogate_ = 0;

    QString run_;
    CharacterState runState_;
    qsizetype paragraphLength_ = 0;  // characters in the current paragraph
    double basePoints_ = 0;          // the base font's size for the height budget
    double heightLeft_ = kMaxLayoutHeight;
    bool full_ = false;  // the height budget is spent: reading has ended

    QHash<int, FontEntry> fonts_;
    int defaultFont_ = -1;
    FontBuilder font_;
    std::vector<QColor> colors_;
    ColorBuilder color_;

    using FaceKey = std::pair<int, int>;  // font number (-1 base), half-points (0 base)
    std::vector<FaceKey> faces_;

    bool haveLastFormat_ = false;
    CharacterState lastState_;
    QTextCharFormat lastFormat_;
};

}  // namespace

bool ReadRtf(const QByteArray& rtf, QTextDocument& document, const QFont& baseFont) {
    const bool undoRedo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    const bool isRtf = HasRtfSignature(rtf);
    if (isRtf) {
        document.setDefaultFont(baseFont);
        RtfParser(rtf, document, baseFont).Run();
    }
    document.setUndoRedoEnabled(undoRedo);
    return isRtf;
}

bool LoadRtfFile(const QString& path, QTextDocument& document, const QFont& baseFont) {
    const FileBytes file = ReadRegularFile(path, kMaxRtfFileBytes);
    if (file.problem != FileProblem::kNone || !HasRtfSignature(file.data)) return false;
    return ReadRtf(file.data, document, baseFont);
}

}  // namespace calorix
