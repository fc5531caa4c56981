#include "app/rtf_document_writer.h"

#include <QChar>
#include <QTextBlockFormat>
#include <QTextDocument>

#include <algorithm>
#include <cstddef>

#include "app/font_choice.h"

namespace calorix::rtf {
namespace {

// Limits that keep hostile input from growing the reader's own state.
constexpr qsizetype kMaxFonts = 1024;   // font table entries
constexpr qsizetype kMaxColors = 1024;  // colour table entries
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

}  // namespace

DocumentWriter::DocumentWriter(QTextDocument& document, const QFont& baseFont)
    : cursor_(&document), baseFont_(baseFont), heightLeft_(kMaxLayoutHeight) {
    baseFamilies_ = baseFont.families();
    if (baseFamilies_.isEmpty()) baseFamilies_ = QStringList{baseFont.family()};
    basePoints_ = baseFont.pointSizeF() > 0  ? baseFont.pointSizeF()
                  : baseFont.pixelSize() > 0 ? baseFont.pixelSize() * 0.75
                                             : 12.0;
    basePoints_ = std::min(basePoints_, kMaxHalfPoints / 2.0);
    cursor_.beginEditBlock();
}

DocumentWriter::~DocumentWriter() {
    cursor_.endEditBlock();
}

void DocumentWriter::DefineFont(int number, const FontEntry& font) {
    if (!fonts_.contains(number) && fonts_.size() >= kMaxFonts) return;
    Font stored;
    stored.entry = font;
    fonts_.insert(number, stored);
    haveLastFormat_ = false;  // a redefined font changes formats already built
}

void DocumentWriter::AddColor(const QColor& color) {
    if (static_cast<qsizetype>(colors_.size()) >= kMaxColors) return;
    colors_.push_back(color);
    haveLastFormat_ = false;
}

void DocumentWriter::SetDefaultFont(int number) {
    defaultFont_ = number;
    haveLastFormat_ = false;
}

void DocumentWriter::AddCharacter(char16_t ch, const TextStyle& style) {
    if ((ch < 0x20 && ch != u'\t') || (ch >= 0x7F && ch < 0xA0)) return;
    if (QChar::isHighSurrogate(ch)) {
        FlushLoneSurrogate(style);
        highSurrogate_ = ch;
        return;
    }
    if (QChar::isLowSurrogate(ch)) {
        if (highSurrogate_ != 0) {
            AppendToRun(highSurrogate_, style);
            AppendToRun(ch, style);
            highSurrogate_ = 0;
        } else {
            AppendToRun(QChar::ReplacementCharacter, style);
        }
        return;
    }
    FlushLoneSurrogate(style);
    const bool reserved = (ch >= 0xFDD0 && ch <= 0xFDEF) || ch == 0xFFFE || ch == 0xFFFF ||
                          ch == QChar::ObjectReplacementCharacter ||
                          ch == QChar::ParagraphSeparator;
    AppendToRun(reserved ? char16_t{QChar::ReplacementCharacter} : ch, style);
}

void DocumentWriter::EndParagraph(const TextStyle& style) {
    FinishParagraph(style);
    StartParagraph(style.character);
}

// Paragraph formatting in force at the end of a paragraph applies to it.
void DocumentWriter::FinishParagraph(const TextStyle& style) {
    FlushText(style);
    ApplyAlignment(style.alignment);
}

void DocumentWriter::FlushText(const TextStyle& style) {
    FlushLoneSurrogate(style);
    FlushRun();
}

void DocumentWriter::FlushLoneSurrogate(const TextStyle& style) {
    if (highSurrogate_ == 0) return;
    highSurrogate_ = 0;
    AppendToRun(QChar::ReplacementCharacter, style);
}

// Text collects in a run of one character state and is inserted when the
// state changes, a paragraph ends or the input ends.
void DocumentWriter::AppendToRun(char16_t ch, const TextStyle& style) {
    const CharacterState& current = style.character;
    if (!QChar::isLowSurrogate(ch)) {  // the pair's high half paid for it
        if (paragraphLength_ >= kMaxParagraphLength) {
            // Not EndParagraph: that would flush the very high surrogate
            // being appended here as a lone one.
            FlushRun();
            ApplyAlignment(style.alignment);
            StartParagraph(current);
        }
        if (!SpendLine(current)) return;
    }
    ++paragraphLength_;
    if (!run_.isEmpty() && !(runState_ == current)) FlushRun();
    if (run_.isEmpty()) runState_ = current;
    run_.append(QChar(ch));
}

void DocumentWriter::FlushRun() {
    if (run_.isEmpty()) return;
    cursor_.insertText(run_, CharFormat(runState_));
    run_.clear();
}

void DocumentWriter::StartParagraph(const CharacterState& state) {
    if (!SpendLine(state)) return;
    cursor_.insertBlock(cursor_.blockFormat(), CharFormat(state));
    paragraphLength_ = 0;
}

// Takes one line of text in `state` from the height budget; false, and the
// end of writing, when the budget is spent.
bool DocumentWriter::SpendLine(const CharacterState& state) {
    const double points = std::max(state.halfPoints / 2.0, basePoints_);
    heightLeft_ -= std::max(points * kLineHeightPerPoint, kMinLineHeight);
    if (heightLeft_ >= 0) return true;
    full_ = true;
    return false;
}

void DocumentWriter::ApplyAlignment(Qt::Alignment alignment) {
    QTextBlockFormat format = cursor_.blockFormat();
    if (format.alignment() == alignment) return;
    format.setAlignment(alignment);
    cursor_.setBlockFormat(format);
}

QTextCharFormat DocumentWriter::CharFormat(const CharacterState& state) {
    if (haveLastFormat_ && state == lastState_) return lastFormat_;
    QTextCharFormat format;
    int halfPoints = state.halfPoints;
    SetFontFormat(format, FaceFont(state, halfPoints));
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

// The font of text in `state`: its own, or else the default font; null for
// the base font. A (font, size) pair beyond the first kMaxFaces takes the
// base font at the base size, and `halfPoints` becomes 0.
DocumentWriter::Font* DocumentWriter::FaceFont(const CharacterState& state, int& halfPoints) {
    int fontNumber = state.font;
    Font* font = FindFont(fontNumber);
    if (font == nullptr) {
        fontNumber = defaultFont_;
        font = FindFont(fontNumber);
    }
    const FaceKey face{font != nullptr ? fontNumber : -1, halfPoints};
    if (std::find(faces_.begin(), faces_.end(), face) == faces_.end()) {
        if (static_cast<qsizetype>(faces_.size()) < kMaxFaces) {
            faces_.push_back(face);
        } else {
            font = nullptr;
            halfPoints = 0;
        }
    }
    return font;
}

void DocumentWriter::SetFontFormat(QTextCharFormat& format, Font* font) {
    if (font != nullptr) {
        format.setFontFamilies(Families(*font));
        format.setFontStyleHint(font->entry.hint);
        format.setFontFixedPitch(font->entry.fixedPitch);
    } else {
        format.setFontFamilies(baseFamilies_);
        format.setFontStyleHint(baseFont_.styleHint());
        format.setFontFixedPitch(baseFont_.fixedPitch());
    }
}

DocumentWriter::Font* DocumentWriter::FindFont(int number) {
    if (number < 0) return nullptr;
    const auto found = fonts_.find(number);
    return found == fonts_.end() ? nullptr : &found.value();
}

// The families text in `font` asks for, chosen once per font.
const QStringList& DocumentWriter::Families(Font& font) {
    if (font.resolved) return font.families;
    font.resolved = true;
    font.families = ChooseFontFamilies(font.entry.name, font.entry.fixedPitch, baseFamilies_);
    return font.families;
}

}  // namespace calorix::rtf
