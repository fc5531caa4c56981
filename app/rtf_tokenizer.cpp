#include "app/rtf_tokenizer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace calorix::rtf {
namespace {

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

}  // namespace

Tokenizer::Tokenizer(std::string_view rtf) : data_(rtf) {
    pos_ = std::min(data_.find('{'), data_.size());
}

bool Tokenizer::Next(Token& token) {
    while (pos_ < data_.size()) {
        const char c = data_[pos_++];
        token = Token{};
        switch (c) {
            case '{':
                token.kind = TokenKind::kGroupOpen;
                return true;
            case '}':
                token.kind = TokenKind::kGroupClose;
                return true;
            case '\\':
                if (ReadControl(token)) return true;
                break;
            case '\r':
            case '\n':
                break;
            default:
                token.kind = TokenKind::kText;
                token.byte = static_cast<unsigned char>(c);
                return true;
        }
    }
    return false;
}

// What follows a backslash; false for a lone backslash at the end.
bool Tokenizer::ReadControl(Token& token) {
    if (pos_ >= data_.size()) return false;
    if (IsAsciiLetter(data_[pos_])) {
        ReadControlWord(token);
    } else {
        ReadControlSymbol(token);
    }
    return true;
}

void Tokenizer::ReadControlSymbol(Token& token) {
    const char symbol = data_[pos_++];
    if (symbol == '\'' && ReadHexByte(token.byte)) {
        token.kind = TokenKind::kEscapedByte;
        return;
    }
    token.kind = TokenKind::kControlSymbol;
    token.symbol = symbol;
}

// Reads up to two hexadecimal digits; true when there were two.
bool Tokenizer::ReadHexByte(unsigned char& byte) {
    int value = 0;
    int digits = 0;
    while (digits < 2 && pos_ < data_.size() && HexValue(data_[pos_]) >= 0) {
        value = value * 16 + HexValue(data_[pos_]);
        ++digits;
        ++pos_;
    }
    byte = static_cast<unsigned char>(value);
    return digits == 2;
}

void Tokenizer::ReadControlWord(Token& token) {
    const std::size_t start = pos_;
    while (pos_ < data_.size() && IsAsciiLetter(data_[pos_]))
        ++pos_;
    const std::string_view word = data_.substr(start, pos_ - start);
    ReadParameter(token);
    if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;  // the delimiting space

    if (word == "bin") {
        // Raw bytes follow; they are never text, whatever the destination.
        // A count beyond the input ends it.
        const std::size_t count = token.hasParameter && token.parameter > 0
                                      ? static_cast<std::size_t>(token.parameter)
                                      : 0;
        pos_ += std::min(count, data_.size() - pos_);
        token.kind = TokenKind::kBinary;
        return;
    }
    token.kind = TokenKind::kControlWord;
    if (word.size() <= kMaxControlWordLength) token.word = word;
}

void Tokenizer::ReadParameter(Token& token) {
    bool negative = false;
    if (pos_ + 1 < data_.size() && data_[pos_] == '-' && IsAsciiDigit(data_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    // Leading zeros are no significant digits; the count stops just past the
    // limit, so that no run of digits can make it overflow.
    std::int64_t magnitude = 0;
    int digits = 0;
    while (pos_ < data_.size() && IsAsciiDigit(data_[pos_])) {
        token.hasParameter = true;
        const int digit = data_[pos_++] - '0';
        if (magnitude == 0 && digit == 0) continue;
        if (digits < kMaxParameterDigits) magnitude = magnitude * 10 + digit;
        if (digits <= kMaxParameterDigits) ++digits;
    }
    constexpr std::int64_t kLimit = std::numeric_limits<int>::max();
    if (digits > kMaxParameterDigits || magnitude > kLimit) magnitude = kLimit;
    token.parameter = static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace calorix::rtf
