#include "platform/office/MathReader.h"

#include "platform/office/OoxmlNames.h"

#include <QXmlStreamReader>

namespace platform {

namespace {

using namespace Qt::StringLiterals;
using Pieces = std::vector<MathPiece>;

constexpr int kMaxDepth = 64; // deeper structures are shown by a mark, not read

void append(Pieces& to, const Pieces& from) {
    to.insert(to.end(), from.begin(), from.end());
}

Pieces text(const QString& s) {
    return s.isEmpty() ? Pieces() : Pieces{MathPiece{s, {}}};
}

Pieces scripted(Pieces pieces, RunProperties::Script script) {
    for (MathPiece& p : pieces)
        p.properties.script = script;
    return pieces;
}

Pieces raised(const Pieces& p) {
    return scripted(p, RunProperties::Script::Super);
}

Pieces lowered(const Pieces& p) {
    return scripted(p, RunProperties::Script::Sub);
}

// One letter, a number, or a word needs no brackets around it in a fraction or a root.
bool isSimple(const Pieces& pieces) {
    for (const MathPiece& p : pieces) {
        if (p.lineBreak || p.properties.script != RunProperties::Script::Normal) return false;
        for (const QChar c : p.text) {
            if (!c.isLetterOrNumber() && c != u'.') return false;
        }
    }
    return true;
}

Pieces bracketed(const Pieces& pieces) {
    if (isSimple(pieces)) return pieces;
    Pieces out = text(u"("_s);
    append(out, pieces);
    append(out, text(u")"_s));
    return out;
}

Pieces joined(const std::vector<Pieces>& items, const QString& separator) {
    Pieces out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) append(out, text(separator));
        append(out, items[i]);
    }
    return out;
}

} // namespace

Pieces MathReader::Parts::first(const QString& name) const {
    const auto it = arguments.constFind(name);
    return it == arguments.cend() || it->empty() ? Pieces() : it->front();
}

QString MathReader::Parts::property(const QString& name, const QString& fallback) const {
    return properties.value(name, fallback);
}

std::vector<MathPiece> MathReader::read(QXmlStreamReader& xml) {
    MathReader reader(xml);
    return reader.content();
}

// Every child of the current element, one after the other.
Pieces MathReader::content() {
    Pieces out;
    while (xml_.readNextStartElement())
        append(out, element());
    return out;
}

Pieces MathReader::element() {
    const Tag tag = TagOf(xml_);
    if (tag.ns == Ns::M && tag.name == "r"_L1) return run();
    if (tag.ns == Ns::W && tag.name == "r"_L1) return run(); // a Word run inside an equation
    if (tag.ns != Ns::M || tag.name.endsWith("Pr"_L1)) {
        xml_.skipCurrentElement(); // properties, and markup of other vocabularies (bookmarks, revisions)
        return {};
    }
    if (depth_ >= kMaxDepth) {
        xml_.skipCurrentElement();
        return text(u"〔…〕"_s);
    }
    ++depth_;
    const QString name = tag.name.toString();
    static const QStringList plain = {u"oMath"_s, u"oMathPara"_s, u"e"_s,    u"box"_s, u"borderBox"_s,
                                      u"phant"_s, u"num"_s,       u"den"_s,  u"sub"_s, u"sup"_s,
                                      u"deg"_s,   u"lim"_s,       u"fName"_s};
    Pieces out = plain.contains(name) ? content() : structure(name, parts());
    --depth_;
    return out;
}

// The children of a structure: its properties and its arguments by name.
MathReader::Parts MathReader::parts() {
    Parts p;
    while (xml_.readNextStartElement()) {
        const Tag tag = TagOf(xml_);
        if (tag.ns == Ns::M && tag.name.endsWith("Pr"_L1)) {
            // An empty m:val (no delimiter) and a missing one (a switch set on) both read as "".
            while (xml_.readNextStartElement()) {
                p.properties.insert(xml_.name().toString(), Attribute(xml_.attributes(), Ns::M, "val"_L1).toString());
                xml_.skipCurrentElement();
            }
        } else {
            const QString name = tag.name.toString();
            p.ordered.push_back(element());
            p.arguments[name].push_back(p.ordered.back());
        }
    }
    return p;
}

// A run of an equation: letters italic unless the run is plain ("p") text.
Pieces MathReader::run() {
    RunProperties properties;
    QString style = u"i"_s;
    QString chars;
    while (xml_.readNextStartElement()) {
        const Tag tag = TagOf(xml_);
        if (tag.is(Ns::W, "rPr"_L1)) {
            properties = RunProperties::read(xml_);
        } else if (tag.is(Ns::M, "rPr"_L1)) {
            while (xml_.readNextStartElement()) {
                if (TagOf(xml_).is(Ns::M, "sty"_L1)) style = Attribute(xml_.attributes(), Ns::M, "val"_L1).toString();
                if (TagOf(xml_).is(Ns::M, "nor"_L1)) style = u"p"_s;
                xml_.skipCurrentElement();
            }
        } else if (tag.name == "t"_L1) {
            chars += xml_.readElementText();
        } else {
            xml_.skipCurrentElement();
        }
    }
    Pieces out;
    const bool italicLetters = style == "i"_L1 || style == "bi"_L1;
    properties.bold = properties.bold || style == "b"_L1 || style == "bi"_L1;
    for (const QChar c : chars) {
        RunProperties p = properties;
        p.italic = p.italic || (italicLetters && c.isLetter() && c.unicode() < 0x2E80); // not Chinese text
        if (!out.empty() && out.back().properties == p)
            out.back().text += c;
        else
            out.push_back(MathPiece{QString(c), p});
    }
    return out;
}

Pieces MathReader::structure(QStringView name, const Parts& p) const {
    const Pieces e = p.first(u"e"_s);
    Pieces out;
    // The base followed by one raised or lowered argument.
    struct BaseAndScript {
        QLatin1StringView name;
        QString argument;
        RunProperties::Script script;
    };
    static const BaseAndScript withScript[] = {{"sSup"_L1, u"sup"_s, RunProperties::Script::Super},
                                               {"sSub"_L1, u"sub"_s, RunProperties::Script::Sub},
                                               {"limUpp"_L1, u"lim"_s, RunProperties::Script::Super},
                                               {"limLow"_L1, u"lim"_s, RunProperties::Script::Sub}};
    for (const BaseAndScript& s : withScript) {
        if (name != s.name) continue;
        out = e;
        append(out, scripted(p.first(s.argument), s.script));
        return out;
    }
    if (name == "sSubSup"_L1) {
        out = e;
        append(out, lowered(p.first(u"sub"_s)));
        append(out, raised(p.first(u"sup"_s)));
    } else if (name == "sPre"_L1) {
        out = lowered(p.first(u"sub"_s));
        append(out, raised(p.first(u"sup"_s)));
        append(out, e);
    } else if (name == "f"_L1) {
        out = bracketed(p.first(u"num"_s));
        append(out, text(u"/"_s));
        append(out, bracketed(p.first(u"den"_s)));
    } else if (name == "rad"_L1) {
        const QString hide = p.property(u"degHide"_s, u"0"_s);
        if (hide == "0"_L1 || hide == "off"_L1 || hide == "false"_L1) out = raised(p.first(u"deg"_s));
        append(out, text(u"√"_s));
        append(out, bracketed(e));
    } else if (name == "nary"_L1) {
        out = text(p.property(u"chr"_s, u"∫"_s));
        append(out, lowered(p.first(u"sub"_s)));
        append(out, raised(p.first(u"sup"_s)));
        append(out, e);
    } else if (name == "d"_L1) {
        out = text(p.property(u"begChr"_s, u"("_s));
        append(out, joined(p.arguments.value(u"e"_s), p.property(u"sepChr"_s, u"|"_s)));
        append(out, text(p.property(u"endChr"_s, u")"_s)));
    } else if (name == "m"_L1) {
        out = joined(p.arguments.value(u"mr"_s), u"; "_s);
    } else if (name == "mr"_L1) {
        out = joined(p.arguments.value(u"e"_s), u" "_s);
    } else if (name == "eqArr"_L1) {
        for (const Pieces& row : p.arguments.value(u"e"_s)) {
            if (!out.empty()) out.push_back(MathPiece{QString(), {}, true});
            append(out, row);
        }
    } else if (name == "func"_L1) {
        out = p.first(u"fName"_s);
        if (!e.empty() && !e.front().text.startsWith(u'(')) append(out, text(u" "_s));
        append(out, e);
    } else if (name == "acc"_L1 || name == "bar"_L1 || name == "groupChr"_L1) {
        // A mark over the argument: a combining accent after its one character, or the mark after it.
        const QString mark = name == "acc"_L1   ? p.property(u"chr"_s, u"\u0302"_s)
                             : name == "bar"_L1 ? u"\u0305"_s
                                                : p.property(u"chr"_s, u"\u23DF"_s);
        out = e;
        const bool combining = mark.size() == 1 && mark[0].category() == QChar::Mark_NonSpacing;
        if (combining && !out.empty() && out.back().text.size() == 1)
            out.back().text += mark;
        else
            append(out, raised(text(mark)));
    } else {
        // A structure this reader does not know: its arguments in order, so that nothing is lost.
        for (const Pieces& a : p.ordered)
            append(out, a);
    }
    return out;
}

} // namespace platform
