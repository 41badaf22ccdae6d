#include "core/CandidateList.h"

#include "core/NumberText.h"

#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <random>

namespace core {

namespace {

// The double whose text is exactly this text, if there is one.
std::optional<double> CanonicalNumber(const QString& text) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || FormatNumber(v) != text) return std::nullopt;
    return v;
}

} // namespace

QString ShownText(const QString& text) {
    qsizetype n = CandidateList::kShownLength;
    if (text.size() <= n) return text;
    if (text[n - 1].isHighSurrogate()) --n; // cut between characters
    return text.left(n) + QChar(0x2026);    // "…"
}

int CandidateList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(count());
}

QVariant CandidateList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    return ShownText(text(index.row()));
}

QString CandidateList::text(qsizetype i) const {
    return numeric_ ? FormatNumber(numbers_[size_t(i)]) : texts_[i];
}

QStringList CandidateList::texts() const {
    if (!numeric_) return texts_;
    QStringList out;
    out.reserve(count());
    for (double v : numbers_)
        out << FormatNumber(v);
    return out;
}

void CandidateList::clear() {
    beginResetModel();
    numeric_ = false;
    numbers_ = {};
    texts_.clear();
    endResetModel();
}

void CandidateList::setNumbers(std::vector<double> numbers) {
    beginResetModel();
    numeric_ = true;
    numbers_ = std::move(numbers);
    texts_.clear();
    endResetModel();
}

void CandidateList::setTexts(QStringList texts) {
    beginResetModel();
    numeric_ = false;
    numbers_ = {};
    texts_ = std::move(texts);
    endResetModel();
}

void CandidateList::toTexts() {
    texts_ = texts();
    numbers_ = {};
    numeric_ = false;
}

void CandidateList::append(const QString& text) {
    const int row = int(count());
    beginInsertRows({}, row, row);
    if (numeric_) {
        if (const auto v = CanonicalNumber(text)) {
            numbers_.push_back(*v);
            endInsertRows();
            return;
        }
        toTexts();
    }
    texts_.append(text);
    endInsertRows();
}

qsizetype CandidateList::indexOf(const QString& text) const {
    if (!numeric_) return texts_.indexOf(text);
    const auto v = CanonicalNumber(text);
    if (!v) return -1; // no entry's text can be a non-canonical number
    // Texts of 15 significant digits can only come from values this close.
    const double tolerance = std::abs(*v) * 1e-13;
    for (size_t i = 0; i < numbers_.size(); ++i)
        if (std::abs(numbers_[i] - *v) <= tolerance && FormatNumber(numbers_[i]) == text) return qsizetype(i);
    return -1;
}

void CandidateList::removeAt(qsizetype i) {
    beginRemoveRows({}, int(i), int(i));
    if (numeric_)
        numbers_.erase(numbers_.begin() + i);
    else
        texts_.removeAt(i);
    endRemoveRows();
}

bool CandidateList::removeFirst(const QString& text) {
    const qsizetype i = indexOf(text);
    if (i < 0) return false;
    removeAt(i);
    return true;
}

void CandidateList::removeAllOf(const QStringList& lines) {
    QSet<QString> blocked;
    for (const QString& l : lines)
        blocked.insert(l.toCaseFolded());
    if (blocked.isEmpty() || isEmpty()) return;
    beginResetModel();
    if (numeric_) toTexts();
    texts_.removeIf([&](const QString& t) { return blocked.contains(t.toCaseFolded()); });
    endResetModel();
}

void CandidateList::shuffle(QRandomGenerator& rng) {
    beginResetModel();
    if (numeric_)
        std::shuffle(numbers_.begin(), numbers_.end(), rng);
    else
        std::shuffle(texts_.begin(), texts_.end(), rng);
    endResetModel();
}

QString CandidateList::pick(QRandomGenerator& rng) const {
    std::uniform_int_distribution<qsizetype> index(0, count() - 1);
    return text(index(rng));
}

} // namespace core
