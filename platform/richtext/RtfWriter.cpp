#include "platform/richtext/Rtf.h"
#include "platform/richtext/RtfCharProps.h"
#include "platform/richtext/RtfPicture.h"

#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace platform {
namespace {

QString FamilyOf(const QTextCharFormat& format) {
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    return families.isEmpty() ? format.property(QTextFormat::FontFamily).toString() : families.first();
}

// The colour a brush property paints with; invalid when the property is not set.
QColor ColourOf(const QTextCharFormat& format, QTextFormat::Property property) {
    const QBrush brush = format.brushProperty(property);
    return format.hasProperty(property) && brush.style() != Qt::NoBrush ? brush.color() : QColor();
}

QImage ImageOf(const QVariant& resource) {
    switch (resource.typeId()) {
    case QMetaType::QImage:
        return resource.value<QImage>();
    case QMetaType::QPixmap:
        return resource.value<QPixmap>().toImage();
    case QMetaType::QByteArray:
        return QImage::fromData(resource.toByteArray());
    default:
        return {};
    }
}

const char* AlignmentWord(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter) return "qc";
    if (alignment & Qt::AlignJustify) return "qj";
    if (alignment & Qt::AlignRight) return "qr";
    return nullptr;
}

class Writer {
public:
    explicit Writer(const QTextDocument& doc) : doc_(doc) {}
    QByteArray run();

private:
    void collectTables();
    void addColour(const QColor& colour);
    rtf::CharProps propsOf(const QTextCharFormat& format) const;
    void writeHeader();
    void writeBlock(const QTextBlock& block, bool first);
    void writeProps(const rtf::CharProps& next);
    void writeFlag(bool next, bool current, const char* on, const char* off);
    void writeText(const QString& text);
    void writeImage(const QTextImageFormat& format);
    void word(const char* name, int param = -1);
    void literal(const QByteArray& text);
    void plain(char c);

    const QTextDocument& doc_;
    QStringList fonts_;
    QList<QRgb> colours_;
    QByteArray out_;
    bool delimit_ = false; // plain text after a control word needs a space first
    rtf::CharProps props_;
    Qt::Alignment alignment_;
};

QByteArray Writer::run() {
    collectTables();
    writeHeader();
    bool first = true;
    for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next()) {
        writeBlock(block, first);
        first = false;
    }
    out_ += "}";
    return out_;
}

void Writer::collectTables() {
    // The document's own font is entry 0, the \deff font.
    fonts_ = {doc_.defaultFont().family()};
    for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) continue;
            if (const QString family = FamilyOf(format); !family.isEmpty() && !fonts_.contains(family))
                fonts_.append(family);
            addColour(ColourOf(format, QTextFormat::ForegroundBrush));
            addColour(ColourOf(format, QTextFormat::BackgroundBrush));
        }
    }
}

void Writer::addColour(const QColor& colour) {
    if (colour.isValid() && !colours_.contains(colour.rgb())) colours_.append(colour.rgb());
}

rtf::CharProps Writer::propsOf(const QTextCharFormat& format) const {
    rtf::CharProps props;
    props.bold = format.fontWeight() >= QFont::DemiBold;
    props.italic = format.fontItalic();
    props.underline = format.fontUnderline();
    props.strike = format.fontStrikeOut();
    if (const auto v = format.verticalAlignment();
        v == QTextCharFormat::AlignSuperScript || v == QTextCharFormat::AlignSubScript)
        props.script = v;
    if (format.hasProperty(QTextFormat::FontPointSize)) props.halfPoints = qRound(format.fontPointSize() * 2);
    if (const QString family = FamilyOf(format); !family.isEmpty()) props.font = fonts_.indexOf(family);
    // Colour table entry 0 is the automatic colour, so used colours count from 1.
    if (const QColor c = ColourOf(format, QTextFormat::ForegroundBrush); c.isValid())
        props.foreground = colours_.indexOf(c.rgb()) + 1;
    if (const QColor c = ColourOf(format, QTextFormat::BackgroundBrush); c.isValid())
        props.background = colours_.indexOf(c.rgb()) + 1;
    return props;
}

void Writer::writeHeader() {
    out_ = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl";
    for (int i = 0; i < fonts_.size(); ++i) {
        // \fcharset134 on every font, matching \ansicpg936.
        out_ += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset134";
        delimit_ = true;
        writeText(QString(fonts_[i]).remove(u';')); // a ';' would end the name early
        out_ += ";}";
    }
    out_ += "}";
    if (!colours_.isEmpty()) {
        out_ += "{\\colortbl ;";
        for (const QRgb c : colours_) {
            out_ += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue" +
                    QByteArray::number(qBlue(c)) + ";";
        }
        out_ += "}";
    }
    literal("\r\n"); // a line end delimits a control word like a space
    word("viewkind", 4);
    word("uc", 1);
}

void Writer::writeBlock(const QTextBlock& block, bool first) {
    const Qt::Alignment alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
    if (first || alignment != alignment_) {
        word("pard");
        if (const char* w = AlignmentWord(alignment)) word(w);
        alignment_ = alignment;
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            for (qsizetype i = 0; i < fragment.length(); ++i)
                writeImage(format.toImageFormat());
            continue;
        }
        writeProps(propsOf(format));
        writeText(fragment.text());
    }
    word("par");
    literal("\r\n");
}

void Writer::writeProps(const rtf::CharProps& next) {
    // Font and size cannot be unset one by one; \plain resets everything.
    if ((props_.font >= 0 && next.font < 0) || (props_.halfPoints > 0 && next.halfPoints == 0)) {
        word("plain");
        props_ = {};
    }
    if (next.font != props_.font) word("f", next.font);
    if (next.halfPoints != props_.halfPoints) word("fs", next.halfPoints);
    writeFlag(next.bold, props_.bold, "b", "b0");
    writeFlag(next.italic, props_.italic, "i", "i0");
    writeFlag(next.underline, props_.underline, "ul", "ulnone");
    writeFlag(next.strike, props_.strike, "strike", "strike0");
    if (next.script != props_.script)
        word(next.script == QTextCharFormat::AlignSuperScript ? "super"
             : next.script == QTextCharFormat::AlignSubScript ? "sub"
                                                               : "nosupersub");
    if (next.foreground != props_.foreground) word("cf", next.foreground);
    if (next.background != props_.background) word("highlight", next.background);
    props_ = next;
}

void Writer::writeFlag(bool next, bool current, const char* on, const char* off) {
    if (next != current) word(next ? on : off);
}

void Writer::writeText(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}')
            literal(QByteArray("\\") + char(u));
        else if (u == u'\t')
            word("tab");
        else if (u == QChar::LineSeparator)
            word("line");
        else if (u == QChar::Nbsp)
            literal("\\~");
        else if (u == QChar::SoftHyphen)
            literal("\\-");
        else if (u == 0x2011)
            literal("\\_");
        else if (u >= 0x20 && u < 0x7F)
            plain(char(u));
        else if (u >= 0x80)
            literal("\\u" + QByteArray::number(static_cast<qint16>(u)) + "?");
        // Other control characters carry nothing to show.
    }
}

void Writer::writeImage(const QTextImageFormat& format) {
    const QImage image = ImageOf(doc_.resource(QTextDocument::ImageResource, QUrl(format.name())));
    if (image.isNull()) return;
    literal(rtf::EncodePicture(image, format.width(), format.height()));
}

void Writer::word(const char* name, int param) {
    out_ += '\\';
    out_ += name;
    if (param >= 0) out_ += QByteArray::number(param);
    delimit_ = true;
}

void Writer::literal(const QByteArray& text) {
    out_ += text;
    delimit_ = false;
}

void Writer::plain(char c) {
    if (std::exchange(delimit_, false)) out_ += ' ';
    out_ += c;
}

} // namespace

QByteArray WriteRtf(const QTextDocument& doc) {
    return Writer(doc).run();
}

} // namespace platform
