#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace core {

// A named, stored number range.
struct NumberProject {
    static constexpr int kNameBytes = 20;
    static constexpr int kExcludeBytes = 500;

    QString Name;
    double Min = 0;
    double Max = 0;
    double Step = 0;
    QString Exclude;
};

// The text cut at a character boundary so that its GB18030 form fits the bytes.
QString FitBytes(const QString& text, int bytes);

// The number projects and their file "Setting.vq": a 16-bit little-endian
// count, then 544-byte records (name 20 bytes, min, max and step as
// little-endian doubles, excluded numbers 500 bytes; texts in GB18030, blank-padded).
class NumberProjects {
public:
    static constexpr const char* kFileName = "Setting.vq";
    static constexpr int kRecordBytes = NumberProject::kNameBytes + 3 * 8 + NumberProject::kExcludeBytes;

    qsizetype size() const { return items_.size(); }
    NumberProject& operator[](qsizetype i) { return items_[i]; }
    const NumberProject& operator[](qsizetype i) const { return items_[i]; }
    void append(const NumberProject& p) { items_.append(p); }
    void removeAt(qsizetype i) { items_.removeAt(i); }
    void clear() { items_.clear(); }

    // Index of the first project whose name, trailing blanks removed, equals the name exactly; or -1.
    qsizetype find(const QString& name) const;

    QByteArray toBytes() const;
    // Reads `count` records; bytes behind them are ignored. Nothing on error.
    static std::optional<NumberProjects> fromBytes(const QByteArray& bytes, QString* error);

private:
    QList<NumberProject> items_;
};

} // namespace core
