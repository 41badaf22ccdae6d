#include "platform/richtext/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace platform::rtf {
namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNewline(char c) {
    return c == '\r' || c == '\n';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

Token Tokenizer::next() {
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (IsNewline(c)) {
            ++pos_;
            continue;
        }
        if (c == '{' || c == '}') {
            ++pos_;
            return {c == '{' ? Token::Kind::GroupStart : Token::Kind::GroupEnd};
        }
        if (c == '\\') return controlWord();
        const qsizetype start = pos_;
        while (pos_ < data_.size() && data_[pos_] != '\\' && data_[pos_] != '{' && data_[pos_] != '}' &&
               !IsNewline(data_[pos_]))
            ++pos_;
        return {Token::Kind::Text, data_.mid(start, pos_ - start)};
    }
    return {};
}

Token Tokenizer::controlWord() {
    ++pos_; // the backslash
    if (pos_ >= data_.size()) return {};
    const char c = data_[pos_];
    if (c == '\'') return hexByte();
    if (!IsLetter(c)) {
        ++pos_;
        // A backslash before a line end is an old spelling of \par.
        if (IsNewline(c)) return {Token::Kind::ControlWord, "par"};
        return {Token::Kind::ControlSymbol, {}, static_cast<unsigned char>(c), true};
    }
    Token token{Token::Kind::ControlWord};
    const qsizetype start = pos_;
    while (pos_ < data_.size() && IsLetter(data_[pos_]))
        ++pos_;
    token.text = data_.mid(start, pos_ - start);

    const bool negative = pos_ + 1 < data_.size() && data_[pos_] == '-' && IsDigit(data_[pos_ + 1]);
    if (negative) ++pos_;
    qint64 value = 0;
    while (pos_ < data_.size() && IsDigit(data_[pos_])) {
        token.hasParam = true;
        // Clamp instead of overflowing on absurd parameters.
        value = std::min<qint64>(value * 10 + (data_[pos_] - '0'), std::numeric_limits<int>::max());
        ++pos_;
    }
    token.param = static_cast<int>(negative ? -value : value);
    if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;
    return token;
}

Token Tokenizer::hexByte() {
    ++pos_; // the quote
    const int high = pos_ < data_.size() ? HexValue(data_[pos_]) : -1;
    const int low = pos_ + 1 < data_.size() ? HexValue(data_[pos_ + 1]) : -1;
    if (high < 0 || low < 0) return {Token::Kind::ControlSymbol, {}, '\'', true}; // broken, ignored
    pos_ += 2;
    return {Token::Kind::HexByte, {}, high * 16 + low, true};
}

QByteArray Tokenizer::readBinary(qint64 count) {
    const qsizetype n = static_cast<qsizetype>(std::clamp<qint64>(count, 0, data_.size() - pos_));
    const QByteArray bytes = data_.mid(pos_, n);
    pos_ += n;
    return bytes;
}

} // namespace platform::rtf
