#include "platform/richtext/Rtf.h"
#include "platform/richtext/RtfCharProps.h"
#include "platform/richtext/RtfCodePages.h"
#include "platform/richtext/RtfPicture.h"
#include "platform/richtext/RtfTokenizer.h"

#include <QColor>
#include <QHash>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <utility>
#include <vector>

namespace platform {
namespace {

using rtf::Token;

enum class Destination { Text, Skip, FontTable, ColorTable, Picture, Object };

struct State {
    rtf::CharProps chars;
    Qt::Alignment alignment = Qt::AlignLeft;
    Destination destination = Destination::Text;
    int fallbackChars = 1;  // \ucN
    bool ignorable = false; // a \* was seen
    bool ownsPicture = false;
};

struct Font {
    QString name;
    int codePage = 0; // 0: the document's
};

// Deeper groups are counted but share their parent's state, so hostile nesting costs no memory.
constexpr std::size_t kMaxDepth = 256;
constexpr int kMaxHalfPoints = 3276; // 1638 points, the largest size Word allows

bool IsSkippedDestination(const QByteArray& word) {
    static const QSet<QByteArray> words = [] {
        const QByteArray all =
            "aftnsep aftnsepc annotation atnauthor atnid bkmkend bkmkstart blipuid colorschememapping comment "
            "datastore docvar filetbl fldinst footer footerf footerl footerr footnote ftnsep ftnsepc generator header "
            "headerf headerl headerr info latentstyles listoverridetable listtable mmathPr nonshppict pgdsctbl picprop "
            "private revtbl rsidtbl stylesheet tc template themedata txe userprops xe xmlnstbl";
        const QByteArrayList list = all.split(' ');
        return QSet<QByteArray>(list.begin(), list.end());
    }();
    return words.contains(word);
}

QChar SymbolWord(const QByteArray& word) {
    static const QHash<QByteArray, QChar> symbols = {
        {"line", QChar::LineSeparator}, {"tab", u'\t'},           {"emdash", u'\u2014'},   {"endash", u'\u2013'},
        {"emspace", u'\u2003'},         {"enspace", u'\u2002'},   {"bullet", u'\u2022'},   {"lquote", u'\u2018'},
        {"rquote", u'\u2019'},          {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}};
    return symbols.value(word);
}

bool IsOn(const Token& t) {
    return !t.hasParam || t.param != 0;
}

class Reader {
public:
    Reader(const QByteArray& rtf, QTextDocument* doc) : tokens_(rtf), doc_(doc), cursor_(doc) {}
    void run();

private:
    State& state() { return stack_.back(); }
    void groupStart();
    bool groupEnd();
    void controlWord(const Token& t);
    bool destinationWord(const QByteArray& word);
    void pictureWord(const Token& t);
    void colourWord(const Token& t);
    bool fontTableWord(const Token& t);
    bool documentWord(const Token& t);
    bool charWord(const Token& t);
    bool paragraphWord(const Token& t);
    void controlSymbol(char c);
    void text(QByteArray bytes);
    void append(const QString& s);
    void flushBytes();
    void flushText();
    void endParagraph();
    void openPendingParagraph();
    void applyBlockFormat();
    void finishPicture();
    void commitFont();
    QTextCharFormat charFormat(const rtf::CharProps& props) const;

    rtf::Tokenizer tokens_;
    QTextDocument* doc_;
    QTextCursor cursor_;
    std::vector<State> stack_{State{}};
    int overflowDepth_ = 0;
    int skip_ = 0; // \u fallback characters still to drop
    int docCodePage_ = 1252;

    QHash<int, Font> fonts_;
    int fontIndex_ = -1; // the entry the font table is defining
    Font font_;

    QList<QColor> colours_;
    int rgb_[3] = {-1, -1, -1};

    rtf::Picture picture_;
    int imageSerial_ = 0;

    QByteArray bytes_; // code page bytes not yet decoded
    QString text_;     // decoded text not yet inserted, all in textProps_
    rtf::CharProps textProps_;
    bool pendingParagraph_ = false; // a \par not yet turned into a new block
};

void Reader::run() {
    cursor_.beginEditBlock();
    for (Token t = tokens_.next(); t.kind != Token::Kind::End; t = tokens_.next()) {
        if (t.kind != Token::Kind::Text && t.kind != Token::Kind::HexByte) flushBytes();
        if (t.kind == Token::Kind::GroupStart || t.kind == Token::Kind::GroupEnd) {
            skip_ = 0;
            if (t.kind == Token::Kind::GroupStart) {
                groupStart();
            } else if (!groupEnd()) {
                break;
            }
            continue;
        }
        if (skip_ > 0 && t.kind != Token::Kind::Text) {
            --skip_;
            if (t.kind == Token::Kind::ControlWord && t.text == "bin") tokens_.readBinary(t.param);
            continue;
        }
        switch (t.kind) {
        case Token::Kind::ControlWord:
            controlWord(t);
            break;
        case Token::Kind::ControlSymbol:
            controlSymbol(static_cast<char>(t.param));
            break;
        case Token::Kind::HexByte:
            text(QByteArray(1, static_cast<char>(t.param)));
            break;
        default:
            text(t.text);
            break;
        }
    }
    flushBytes();
    flushText();
    if (!pendingParagraph_) applyBlockFormat();
    cursor_.endEditBlock();
}

void Reader::groupStart() {
    if (stack_.size() >= kMaxDepth) {
        ++overflowDepth_;
        return;
    }
    State inner = state();
    inner.ignorable = false;
    inner.ownsPicture = false;
    stack_.push_back(inner);
}

// False once the outermost group has closed.
bool Reader::groupEnd() {
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return true;
    }
    if (state().destination == Destination::FontTable) commitFont();
    if (state().ownsPicture) finishPicture();
    if (stack_.size() > 1) stack_.pop_back();
    return stack_.size() > 1;
}

void Reader::controlWord(const Token& t) {
    if (t.text == "bin") {
        const QByteArray data = tokens_.readBinary(t.param);
        if (state().destination == Destination::Picture) picture_.binary += data;
        return;
    }
    State& s = state();
    if (s.destination == Destination::Skip) return;
    if (s.destination == Destination::Object) {
        if (t.text == "result") s.destination = Destination::Text;
        return;
    }
    const bool ignorable = std::exchange(s.ignorable, false);
    if (destinationWord(t.text)) return;
    if (ignorable) {
        s.destination = Destination::Skip;
        return;
    }
    switch (s.destination) {
    case Destination::Picture:
        pictureWord(t);
        return;
    case Destination::ColorTable:
        colourWord(t);
        return;
    case Destination::FontTable:
        if (fontTableWord(t)) return;
        break;
    default:
        break;
    }
    if (documentWord(t) || charWord(t) || paragraphWord(t)) return;
    if (const QChar c = SymbolWord(t.text); !c.isNull()) append(c);
}

bool Reader::destinationWord(const QByteArray& word) {
    State& s = state();
    if (word == "fonttbl") {
        s.destination = Destination::FontTable;
    } else if (word == "colortbl") {
        s.destination = Destination::ColorTable;
        colours_.clear();
    } else if (word == "pict") {
        s.destination = s.destination == Destination::Text ? Destination::Picture : Destination::Skip;
        s.ownsPicture = s.destination == Destination::Picture;
        picture_ = {};
    } else if (word == "object") {
        s.destination = Destination::Object;
    } else if (IsSkippedDestination(word)) {
        s.destination = Destination::Skip;
    } else {
        // Word wraps its PNG pictures in {\*\shppict ...}; that one is read.
        return word == "shppict";
    }
    return true;
}

void Reader::pictureWord(const Token& t) {
    if (t.text == "pngblip" || t.text == "jpegblip")
        picture_.decodable = true;
    else if (t.text == "picwgoal")
        picture_.goalWidth = t.param;
    else if (t.text == "pichgoal")
        picture_.goalHeight = t.param;
    else if (t.text == "picscalex")
        picture_.scaleX = t.param;
    else if (t.text == "picscaley")
        picture_.scaleY = t.param;
}

void Reader::colourWord(const Token& t) {
    static const QByteArray components[] = {"red", "green", "blue"};
    for (int i = 0; i < 3; ++i) {
        if (t.text == components[i]) rgb_[i] = std::clamp(t.param, 0, 255);
    }
}

bool Reader::fontTableWord(const Token& t) {
    if (t.text == "f") {
        commitFont();
        fontIndex_ = t.param;
        font_ = {};
    } else if (t.text == "fcharset") {
        font_.codePage = rtf::CodePageOfCharset(t.param);
    } else if (t.text == "cpg") {
        font_.codePage = t.param;
    } else {
        return false;
    }
    return true;
}

bool Reader::documentWord(const Token& t) {
    if (t.text == "ansi")
        docCodePage_ = 1252;
    else if (t.text == "mac")
        docCodePage_ = 10000;
    else if (t.text == "pc")
        docCodePage_ = 437;
    else if (t.text == "pca")
        docCodePage_ = 850;
    else if (t.text == "ansicpg" && t.param > 0)
        docCodePage_ = t.param;
    else if (t.text == "uc")
        state().fallbackChars = std::max(0, t.param);
    else if (t.text == "u" && t.hasParam) {
        const int code = t.param < 0 ? t.param + 65536 : t.param;
        if (code >= 0 && code <= 0xFFFF) append(QChar(code));
        skip_ = state().fallbackChars;
    } else {
        return false;
    }
    return true;
}

bool Reader::charWord(const Token& t) {
    rtf::CharProps& c = state().chars;
    const QByteArray& w = t.text;
    if (w == "plain")
        c = {};
    else if (w == "b")
        c.bold = IsOn(t);
    else if (w == "i")
        c.italic = IsOn(t);
    else if (w == "ulnone")
        c.underline = false;
    else if (w.startsWith("ul") && w != "ulc")
        c.underline = IsOn(t); // every underline style
    else if (w == "strike" || w == "striked")
        c.strike = IsOn(t);
    else if (w == "super" || w == "up")
        c.script = IsOn(t) ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignNormal;
    else if (w == "sub" || w == "dn")
        c.script = IsOn(t) ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal;
    else if (w == "nosupersub")
        c.script = QTextCharFormat::AlignNormal;
    else if (w == "fs")
        c.halfPoints = std::clamp(t.param, 0, kMaxHalfPoints);
    else if (w == "f")
        c.font = t.param;
    else if (w == "cf")
        c.foreground = t.param;
    else if (w == "highlight" || w == "cb")
        c.background = t.param;
    else
        return false;
    return true;
}

bool Reader::paragraphWord(const Token& t) {
    Qt::Alignment& a = state().alignment;
    if (t.text == "pard" || t.text == "ql")
        a = Qt::AlignLeft;
    else if (t.text == "qc")
        a = Qt::AlignHCenter;
    else if (t.text == "qr")
        a = Qt::AlignRight;
    else if (t.text == "qj")
        a = Qt::AlignJustify;
    else if (t.text == "par" && state().destination == Destination::Text)
        endParagraph();
    else
        return false;
    return true;
}

void Reader::controlSymbol(char c) {
    switch (c) {
    case '\\':
    case '{':
    case '}':
        append(QChar::fromLatin1(c));
        break;
    case '~':
        append(QChar(QChar::Nbsp));
        break;
    case '-':
        append(QChar(QChar::SoftHyphen));
        break;
    case '_':
        append(QChar(0x2011));
        break;
    case '*':
        state().ignorable = true;
        break;
    default:
        break;
    }
}

// Plain bytes, and the byte of a \'hh, in the current destination.
void Reader::text(QByteArray bytes) {
    if (skip_ > 0) {
        const qsizetype dropped = std::min<qsizetype>(skip_, bytes.size());
        bytes.remove(0, dropped);
        skip_ -= static_cast<int>(dropped);
    }
    switch (state().destination) {
    case Destination::Text:
        bytes_ += bytes;
        break;
    case Destination::Picture:
        picture_.hex += bytes;
        break;
    case Destination::FontTable:
        for (const char c : bytes) {
            if (c != ';') {
                bytes_ += c;
                continue;
            }
            flushBytes();
            commitFont();
        }
        break;
    case Destination::ColorTable:
        for (const char c : bytes) {
            if (c != ';') continue;
            colours_.append(rgb_[0] < 0 && rgb_[1] < 0 && rgb_[2] < 0
                                ? QColor()
                                : QColor(std::max(rgb_[0], 0), std::max(rgb_[1], 0), std::max(rgb_[2], 0)));
            std::fill(std::begin(rgb_), std::end(rgb_), -1);
        }
        break;
    default:
        break;
    }
}

void Reader::append(const QString& s) {
    State& st = state();
    if (st.destination == Destination::FontTable) {
        font_.name += s;
        return;
    }
    if (st.destination != Destination::Text) return;
    if (pendingParagraph_) openPendingParagraph();
    if (textProps_ != st.chars) flushText();
    textProps_ = st.chars;
    text_ += s;
}

void Reader::flushBytes() {
    if (bytes_.isEmpty()) return;
    const bool inFontTable = state().destination == Destination::FontTable;
    const int fontCodePage = inFontTable ? font_.codePage : fonts_.value(state().chars.font).codePage;
    // A charset of its own wins over \ansicpg.
    const int codePage = fontCodePage > 0 ? fontCodePage : docCodePage_;
    append(rtf::DecodeCodePage(std::exchange(bytes_, {}), codePage));
}

void Reader::flushText() {
    if (text_.isEmpty()) return;
    cursor_.insertText(text_, charFormat(textProps_));
    text_.clear();
}

void Reader::endParagraph() {
    if (pendingParagraph_) openPendingParagraph();
    flushText();
    applyBlockFormat();
    // The block opens only when more content follows: a closing \par adds no empty paragraph.
    pendingParagraph_ = true;
}

void Reader::openPendingParagraph() {
    flushText();
    cursor_.insertBlock();
    pendingParagraph_ = false;
}

void Reader::applyBlockFormat() {
    QTextBlockFormat format;
    format.setAlignment(state().alignment);
    cursor_.mergeBlockFormat(format);
}

void Reader::finishPicture() {
    const QImage image = rtf::DecodePicture(picture_);
    if (image.isNull()) return;
    if (pendingParagraph_) openPendingParagraph();
    flushText();
    const QUrl url(QStringLiteral("rtf-image:%1").arg(++imageSerial_));
    doc_->addResource(QTextDocument::ImageResource, url, image);
    QTextImageFormat format;
    format.setName(url.toString());
    if (const QSizeF size = rtf::PictureDisplaySize(picture_, image.size()); !size.isEmpty()) {
        format.setWidth(size.width());
        format.setHeight(size.height());
    }
    cursor_.insertImage(format);
}

void Reader::commitFont() {
    if (fontIndex_ >= 0 && !font_.name.trimmed().isEmpty()) {
        font_.name = font_.name.trimmed();
        fonts_.insert(fontIndex_, font_);
    }
    font_.name.clear();
}

QTextCharFormat Reader::charFormat(const rtf::CharProps& props) const {
    QTextCharFormat format;
    if (props.bold) format.setFontWeight(QFont::Bold);
    if (props.italic) format.setFontItalic(true);
    if (props.underline) format.setFontUnderline(true);
    if (props.strike) format.setFontStrikeOut(true);
    if (props.script != QTextCharFormat::AlignNormal)
        format.setVerticalAlignment(QTextCharFormat::VerticalAlignment(props.script));
    if (props.halfPoints > 0) format.setFontPointSize(props.halfPoints / 2.0);
    if (const auto font = fonts_.constFind(props.font); font != fonts_.cend()) format.setFontFamilies({font->name});
    // Index 0 is the automatic colour even when a writer gave it components.
    if (const QColor c = colours_.value(props.foreground); props.foreground > 0 && c.isValid()) format.setForeground(c);
    if (const QColor c = colours_.value(props.background); props.background > 0 && c.isValid()) format.setBackground(c);
    return format;
}

} // namespace

bool ReadRtf(const QByteArray& rtf, QTextDocument* doc, QString* error) {
    const auto fail = [error](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    if (!doc) return fail(QStringLiteral("No document to read into"));
    if (!rtf.startsWith("{\\rtf")) return fail(QStringLiteral("Not RTF: the data does not start with {\\rtf"));
    // Loading is not an edit the user could undo.
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    Reader(rtf, doc).run();
    doc->setUndoRedoEnabled(undo);
    if (error) error->clear();
    return true;
}

} // namespace platform
