#pragma once

// The last stage of the tips reader: text and its formatting, as the file
// states them, into a QTextDocument.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>
#include <Qt>

#include <utility>
#include <vector>

class QTextDocument;

namespace calorix::rtf {

// 1638 pt in half-points, the largest font size word processors offer and
// the largest the document takes.
inline constexpr int kMaxHalfPoints = 3276;

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

// The formatting in force where a character is written: its own, and the
// alignment of its paragraph.
struct TextStyle {
    CharacterState character;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// One entry of the document's font table.
struct FontEntry {
    QString name;
    QFont::StyleHint hint = QFont::AnyStyle;
    bool fixedPitch = false;
};

// Writes text into a QTextDocument in runs of one character format, breaks
// paragraphs and gives them their alignment, and keeps the font and colour
// tables that character formats are resolved against.
//
// What it writes stays displayable: paragraphs are broken after
// kMaxParagraphLength characters, text asking for more than kMaxFaces
// distinct (font, size) pairs takes the base font, and once the document
// could grow too tall for Qt's text layout the writer is full and takes
// nothing more. The document's edits, from construction to destruction, form
// one edit block.
//
// Example: AddCharacter('a', bold), AddCharacter('b', bold), AddCharacter
// ('c', plain), EndParagraph(plain) gives one paragraph "abc" of two runs,
// "ab" in bold and "c", and an empty paragraph after it.
class DocumentWriter {
  public:
    // The base font gives the family and size of text for which the file
    // names none.
    DocumentWriter(QTextDocument& document, const QFont& baseFont);
    ~DocumentWriter();
    DocumentWriter(const DocumentWriter&) = delete;
    DocumentWriter& operator=(const DocumentWriter&) = delete;

    // Defines or redefines font `number` of the font table.
    void DefineFont(int number, const FontEntry& font);
    // Appends an entry to the colour table; an invalid colour stands for the
    // default colour.
    void AddColor(const QColor& color);
    // The font of text that names none, or names one the table lacks.
    void SetDefaultFont(int number);

    // Adds a character of text. Control characters are dropped, surrogates
    // are paired or replaced, and the code points the document reserves for
    // its own structure are replaced.
    void AddCharacter(char16_t ch, const TextStyle& style);
    // Ends the current paragraph and starts the next one.
    void EndParagraph(const TextStyle& style);
    // Writes the text of the current paragraph and gives it the alignment
    // of `style`, without starting another.
    void FinishParagraph(const TextStyle& style);
    // Writes the text of the current paragraph, leaving its format as it is.
    void FlushText(const TextStyle& style);

    // True once the height budget is spent: nothing more is written.
    bool Full() const { return full_; }

  private:
    struct Font {
        FontEntry entry;
        bool resolved = false;
        QStringList families;  // what text in this font asks for, once resolved
    };
    using FaceKey = std::pair<int, int>;  // font number (-1 base), half-points (0 base)

    void FlushLoneSurrogate(const TextStyle& style);
    void AppendToRun(char16_t ch, const TextStyle& style);
    void FlushRun();
    void StartParagraph(const CharacterState& state);
    bool SpendLine(const CharacterState& state);
    void ApplyAlignment(Qt::Alignment alignment);
    QTextCharFormat CharFormat(const CharacterState& state);
    Font* FaceFont(const CharacterState& state, int& halfPoints);
    void SetFontFormat(QTextCharFormat& format, Font* font);
    Font* FindFont(int number);
    const QStringList& Families(Font& font);

    QTextCursor cursor_;
    QFont baseFont_;
    QStringList baseFamilies_;
    double basePoints_ = 0;  // the base font's size for the height budget

    QHash<int, Font> fonts_;
    int defaultFont_ = -1;
    std::vector<QColor> colors_;

    char16_t highSurrogate_ = 0;
    QString run_;
    CharacterState runState_;
    qsizetype paragraphLength_ = 0;  // characters in the current paragraph
    double heightLeft_;
    bool full_ = false;  // the height budget is spent: writing has ended

    std::vector<FaceKey> faces_;

    bool haveLastFormat_ = false;
    CharacterState lastState_;
    QTextCharFormat lastFormat_;
};

}  // namespace calorix::rtf
