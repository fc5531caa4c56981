#pragma once

// The first stage of the tips reader: rich-text bytes into tokens.

#include <cstddef>
#include <string_view>

namespace calorix::rtf {

// Limits that keep hostile input from growing the reader's own state.
inline constexpr int kMaxParameterDigits = 10;
inline constexpr std::size_t kMaxControlWordLength = 32;

enum class TokenKind {
    kGroupOpen,      // '{'
    kGroupClose,     // '}'
    kControlWord,    // a backslash, letters and an optional number: "\b", "\fs20", "\u-3913"
    kControlSymbol,  // a backslash and one character that is not a letter: "\~", "\{", "\*"
    kEscapedByte,    // "\'e9": a byte given by two hexadecimal digits
    kText,           // a byte of text as it stands in the file
    kBinary,         // "\bin4" and the raw bytes it announces, all passed over
};

struct Token {
    TokenKind kind = TokenKind::kText;
    // kControlWord: the letters of the word; empty for a run of more than
    // kMaxControlWordLength letters, which names no word.
    std::string_view word;
    // kControlWord and kBinary: the number after the letters, if any. At most
    // kMaxParameterDigits significant digits are read; longer numbers
    // saturate at the int range ("\fs99999999999" gives 2147483647).
    bool hasParameter = false;
    int parameter = 0;
    // kControlSymbol: the character after the backslash. An escape "\'"
    // without its two hexadecimal digits is the symbol '\'' (the digits it
    // has are passed over).
    char symbol = 0;
    unsigned char byte = 0;  // kText and kEscapedByte
};

// Splits rich text into tokens, one at a time, from its first '{' on: blanks
// before it are not text. Line ends in the file give no token, nor does a
// lone backslash at the very end.
//
// Every token moves forward through the input and the tokenizer keeps no more
// than its position, so reading any input takes time linear in its length
// and constant memory. The input must outlive the tokens' words.
//
// Example: "{\rtf1\b0 x\'e9}" gives '{', word "rtf" with 1, word "b" with 0
// (its delimiting space is part of it), text 'x', escaped byte 0xE9, '}'.
class Tokenizer {
  public:
    explicit Tokenizer(std::string_view rtf);

    // Reads the next token into `token`; false at the end of the input.
    bool Next(Token& token);

  private:
    bool ReadControl(Token& token);
    void ReadControlSymbol(Token& token);
    bool ReadHexByte(unsigned char& byte);
    void ReadControlWord(Token& token);
    void ReadParameter(Token& token);

    std::string_view data_;
    std::size_t pos_ = 0;
};

}  // namespace calorix::rtf
