#include "app/rtf_tables.h"

#include <QChar>
#include <QColor>
#include <QLatin1String>
#include <QStringList>

#include <algorithm>

#include "app/rtf_document_writer.h"
#include "app/rtf_tokenizer.h"

namespace calorix::rtf {
namespace {

// Limits that keep hostile input from growing the reader's own state.
constexpr qsizetype kMaxFontNameLength = 256;

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

}  // namespace

void TableReader::StartFont(int number) {
    EndFont();
    font_ = FontBuilder{};
    font_.active = true;
    font_.number = number;
}

void TableReader::FontCharacter(char16_t ch) {
    if (font_.active && font_.name.size() < kMaxFontNameLength && ch >= 0x20 &&
        !QChar::isSurrogate(ch)) {
        font_.name.append(QChar(ch));
    }
}

void TableReader::EndFont() {
    if (!font_.active) return;
    font_.active = false;
    FontEntry entry;
    entry.name = font_.name.trimmed();
    entry.hint = font_.hint;
    entry.fixedPitch = font_.fixedPitch || LooksFixedPitch(entry.name);
    if (entry.fixedPitch) entry.hint = QFont::TypeWriter;
    writer_.DefineFont(font_.number, entry);
}

void TableReader::StartColors() {
    color_ = {};
}

void TableReader::EndColor() {
    writer_.AddColor(color_.any ? QColor(color_.red, color_.green, color_.blue) : QColor());
    color_ = ColorBuilder{};
}

void TableReader::EntryWord(Word word, const Token& token) {
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

void TableReader::SetColorComponent(int& component, const Token& token) {
    if (!token.hasParameter) return;
    component = std::clamp(token.parameter, 0, 255);
    color_.any = true;
}

}  // namespace calorix::rtf
