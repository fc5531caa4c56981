#pragma once

// A reader of the rich text that the tips file is written in (the subset of
// RTF 1.x that word processors and WordPad write for formatted text) into a
// QTextDocument, for showing read-only.
//
// It understands groups, the font and colour tables, bold, italic, underline,
// font size, font and colour changes, paragraphs and their alignment, line
// breaks, tabs, the special characters (dashes, quotes, bullets, hyphens,
// non-breaking space), Windows-1252 hex escapes and Unicode escapes. Pictures,
// objects, style sheets, headers, footers, document information, field
// instructions and every other destination it does not know are skipped;
// the visible text of a field is kept.
//
// The reader takes any bytes: a truncated file, unbalanced braces, huge
// numbers, deep nesting or binary junk give a document (possibly empty), never
// a crash, a hang or unbounded memory. It runs in time linear in the input and
// does not recurse. What it reads must also lay out in reasonable time, so:
// groups nested deeper than 256 show nothing; paragraphs are broken after 4096
// characters; text asking for more than 64 distinct (font, size) pairs takes
// the base font; and the document is cut short before it could grow too tall
// for Qt's text layout (about 150,000 lines of 10-point text).

#include <QtGlobal>

class QByteArray;
class QFont;
class QString;
class QTextDocument;

namespace calorix {

// Files larger than this many bytes are refused by LoadRtfFile unread.
inline constexpr qint64 kMaxRtfFileBytes = 4 * 1024 * 1024;

// Replaces the content of `document` with the rich text `rtf`. The base font
// gives the family and size of text for which the file names none. Returns
// false, leaving the document empty, when `rtf` is not rich text at all: it
// must begin with "{\rtf" after optional white space.
//
// Example: "{\rtf1{\fonttbl{\f0\fmodern Courier New;}}\f0\fs20 Hot {\b steam}\par
// 300 K}" gives two paragraphs, "Hot steam" and "300 K", in Courier New 10 pt,
// of which only "steam" is bold; "Hot ", "300 K" take no bold from the group.
bool ReadRtf(const QByteArray& rtf, QTextDocument& document, const QFont& baseFont);

// Reads the rich-text file at `path` into `document` as ReadRtf does. Returns
// false, leaving the document as it was, when the file is missing, unreadable,
// larger than kMaxRtfFileBytes or not rich text.
//
// Example: LoadRtfFile(dir + "/tips.rtf", doc, QFont("Courier New", 9)) is
// true and fills `doc` when the tips file is there, and false with `doc`
// untouched when it is not.
bool LoadRtfFile(const QString& path, QTextDocument& document, const QFont& baseFont);

}  // namespace calorix
