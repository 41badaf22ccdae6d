#include "platform/richtext/RtfCodePages.h"

#include <QByteArrayList>
#include <QStringDecoder>

namespace platform::rtf {

int CodePageOfCharset(int charset) {
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

QString DecodeCodePage(const QByteArray& bytes, int codePage) {
    bool ascii = true;
    for (const char c : bytes)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return QString::fromLatin1(bytes);

    QByteArrayList names;
    switch (codePage) {
    case 936:
        names = {"GB18030"};
        break; // a superset of GBK and GB2312
    case 950:
        names = {"Big5"};
        break;
    case 932:
        names = {"Shift_JIS"};
        break;
    case 10000:
        names = {"macintosh"};
        break;
    case 65001:
        names = {"UTF-8"};
        break;
    default:
        names = {"windows-" + QByteArray::number(codePage), "CP" + QByteArray::number(codePage)};
        break;
    }
    for (const QByteArray& name : names) {
        QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
        if (decoder.isValid()) return decoder.decode(bytes);
    }
    return QString::fromLatin1(bytes);
}

} // namespace platform::rtf
