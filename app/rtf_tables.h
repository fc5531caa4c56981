#pragma once

// The font and colour tables of a rich-text file, read entry by entry into
// the document writer's tables.

#include <QFont>
#include <QString>

#include "app/rtf_control_words.h"

namespace calorix::rtf {

class DocumentWriter;
struct Token;

// Builds one font table entry and one colour table entry at a time from the
// words and characters the interpreter passes on, and defines each in the
// writer as it ends. Font names are kept to their first 256 characters.
//
// Example: StartFont(1), EntryWord(Word::kFamilyModern, its token),
// FontCharacter for each character of "Courier New" and EndFont() define
// font 1 as "Courier New", fixed pitch.
class TableReader {
  public:
    explicit TableReader(DocumentWriter& writer) : writer_(writer) {}

    // The font table: \fN starts entry N (ending the one before), the
    // characters of its name follow, and ';' or the table's closing brace
    // ends it. Characters outside an entry are dropped.
    void StartFont(int number);
    void FontCharacter(char16_t ch);
    void EndFont();

    // The colour table: each ';' ends an entry; an entry without components
    // is the default colour.
    void StartColors();
    void EndColor();

    // The default font (\deffN) and the words that describe the entry being
    // read: font family and pitch, red, green and blue (0 to 255); any other
    // word changes nothing.
    void EntryWord(Word word, const Token& token);

  private:
    // Font table entries: "\f1\fmodern\fprq1 Courier New;".
    struct FontBuilder {
        bool active = false;
        int number = 0;
        QString name;
        QFont::StyleHint hint = QFont::AnyStyle;
        bool fixedPitch = false;
    };

    // Colour table entries: "\red255\green0\blue0;".
    struct ColorBuilder {
        int red = 0;
        int green = 0;
        int blue = 0;
        bool any = false;
    };

    void SetColorComponent(int& component, const Token& token);

    DocumentWriter& writer_;
    FontBuilder font_;
    ColorBuilder color_;
};

}  // namespace calorix::rtf
