#pragma once
#include <QByteArray>

namespace platform::rtf {

struct Token {
    enum class Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };
    Kind kind = Kind::End;
    QByteArray text = {}; // control word name or run of plain text bytes
    int param = 0;        // word parameter, symbol character or byte value
    bool hasParam = false;
};

// Splits an RTF byte stream into tokens. Never reads past the end, whatever the input.
class Tokenizer {
public:
    explicit Tokenizer(const QByteArray& data) : data_(data) {}
    Token next();
    // The raw bytes following \binN; fewer when the stream ends first.
    QByteArray readBinary(qint64 count);

private:
    Token controlWord();
    Token hexByte();
    const QByteArray& data_;
    qsizetype pos_ = 0;
};

} // namespace platform::rtf
