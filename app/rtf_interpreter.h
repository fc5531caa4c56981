#pragma once

// The middle stage of the tips reader: tokens read as RTF.

namespace calorix::rtf {

class DocumentWriter;
class Tokenizer;

// Reads every token of `tokens` as RTF into `writer`, until the input ends or
// the writer is full; groups left open at the end are closed there.
//
// Groups save and restore the character formatting, the paragraph alignment,
// the Unicode fallback count and the destination of their text. The font
// and colour tables are read into the writer's tables, destinations the
// reader does not show are skipped, and the fallback text after each \uN is
// dropped. Groups nested deeper than 256 show nothing and change nothing.
// State is kept only for those 256 levels and for one table entry at a time,
// and no token is read twice.
//
// Example: the tokens of "{\rtf1 a{\b b}\par c}" give the writer 'a' plain,
// 'b' bold, the end of a paragraph and 'c' plain.
void Interpret(Tokenizer& tokens, DocumentWriter& writer);

}  // namespace calorix::rtf
