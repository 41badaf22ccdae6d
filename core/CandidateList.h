#pragma once
#include <QAbstractListModel>
#include <QStringList>

#include <vector>

class QRandomGenerator;

namespace core {

// The start of a long candidate, as lists and displays show it: no screen shows more.
QString ShownText(const QString& text);

// The candidates of the next draw, in draw order. A number range is held as
// doubles and turned into text only when shown, so ten million entries fit.
class CandidateList : public QAbstractListModel {
public:
    // Characters of a candidate a list shows; a longer one ends in an ellipsis there.
    static constexpr qsizetype kShownLength = 200;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    qsizetype count() const { return numeric_ ? qsizetype(numbers_.size()) : texts_.size(); }
    bool isEmpty() const { return count() == 0; }
    QString text(qsizetype i) const;
    QStringList texts() const;

    void clear();
    void setNumbers(std::vector<double> numbers);
    void setTexts(QStringList texts);
    void append(const QString& text);

    // Index of the first entry equal to the text, or -1.
    qsizetype indexOf(const QString& text) const;
    void removeAt(qsizetype i);
    // Removes the first equal entry only; false when there is none.
    bool removeFirst(const QString& text);
    // Removes every entry equal to one of the lines, case ignored.
    void removeAllOf(const QStringList& lines);

    // A uniform random order.
    void shuffle(QRandomGenerator& rng);
    // A uniformly chosen entry; the list must not be empty.
    QString pick(QRandomGenerator& rng) const;

private:
    void toTexts();

    bool numeric_ = false;
    std::vector<double> numbers_;
    QStringList texts_;
};

} // namespace core
