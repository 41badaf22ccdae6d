#include "print/TemplateDocument.h"

#include "print/SimpleResultDocument.h"
#include "print/TemplateReader.h"

#include <QFile>

namespace print {

namespace {

using Paragraph = ResultDocument::Paragraph;
using platform::DocxRun;

// Replaces the placeholders in the paragraph's text. Each character remembers the run it came from; a
// replacement takes the run where its placeholder begins, so the placeholder's own look stays.
void Replace(Paragraph& p, const QHash<QString, QString>& values) {
    QString text;
    std::vector<size_t> owner;
    for (size_t r = 0; r < p.runs.size(); ++r) {
        text += p.runs[r].text;
        owner.insert(owner.end(), size_t(p.runs[r].text.size()), r);
    }
    bool changed = false;
    for (auto it = values.begin(); it != values.end(); ++it) {
        for (qsizetype at = text.indexOf(it.key()); at >= 0; at = text.indexOf(it.key(), at + it.value().size())) {
            const size_t run = owner[size_t(at)];
            text.replace(at, it.key().size(), it.value());
            owner.erase(owner.begin() + at, owner.begin() + at + it.key().size());
            owner.insert(owner.begin() + at, size_t(it.value().size()), run);
            changed = true;
        }
    }
    if (!changed) return;
    if (owner.empty()) { // nothing left but the look of the first run
        p.runs.resize(1);
        p.runs[0].text.clear();
        return;
    }
    platform::DocxParagraph runs;
    for (size_t i = 0; i < owner.size(); ++i) {
        if (i == 0 || owner[i] != owner[i - 1]) {
            runs.push_back(p.runs[owner[i]]);
            runs.back().text.clear();
        }
        runs.back().text += text[qsizetype(i)];
    }
    p.runs = std::move(runs);
}

QString TextOf(const Paragraph& p) {
    QString text;
    for (const DocxRun& run : p.runs)
        text += run.text;
    return text;
}

} // namespace

ResultDocument::Table TemplateDocument::resultTable(const ResultTable& table, bool greyFirstRow) {
    constexpr double kPointSize = 12;
    const auto row = [](const QStringList& texts, bool bold) {
        std::vector<ResultDocument::Cell> cells;
        for (const QString& text : texts)
            cells.push_back({Paragraph{{DocxRun{.text = text, .bold = bold, .pointSize = kPointSize}},
                                       platform::DocxAlignment::Default,
                                       kPointSize}});
        return cells;
    };
    ResultDocument::Table out{.rows = {}, .greyFirstRow = greyFirstRow, .repeatFirstRow = true};
    out.rows.push_back(row(table.header, true));
    for (const QStringList& texts : table.rows)
        out.rows.push_back(row(texts, false));
    return out;
}

QString TemplateDocument::path(const QString& appFolder) {
    const QString file = appFolder + QLatin1String(kFileName);
    if (!QFile::exists(file)) QFile::copy(appFolder + QString::fromUtf8(kShippedFile), file);
    return QFile::exists(file) ? file : QString();
}

std::optional<ResultDocument> TemplateDocument::build(const QString& templatePath,
                                                      const QHash<QString, QString>& values,
                                                      const ResultDocument::Table& resultTable, QString* error) {
    const auto body = ReadTemplateBody(templatePath, error);
    if (!body) return std::nullopt;
    QHash<QString, QString> all = values;
    const QString table = QString::fromLatin1(kResultTable);
    all.insert(table, {});

    ResultDocument doc;
    // Tells whether the paragraph held the table's placeholder, which is taken out.
    const auto fill = [&](Paragraph& p) {
        const bool holds = TextOf(p).contains(table);
        Replace(p, all);
        return holds;
    };
    for (ResultDocument::Block block : *body) {
        if (auto* p = std::get_if<Paragraph>(&block)) {
            const bool holds = fill(*p);
            if (!holds || !TextOf(*p).trimmed().isEmpty()) doc.addBlock(*p);
            if (holds) doc.addBlock(resultTable);
            continue;
        }
        bool holds = false;
        for (auto& row : std::get<ResultDocument::Table>(block).rows)
            for (auto& cell : row)
                for (Paragraph& p : cell)
                    holds = fill(p) || holds;
        doc.addBlock(std::move(block));
        if (holds) doc.addBlock(resultTable);
    }
    SetPageHeaderAndFooter(doc);
    return doc;
}

} // namespace print
