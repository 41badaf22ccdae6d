#pragma once
#include <QWidget>

class QLabel;

namespace ui {

// A small topmost window that tells what a long operation is doing.
class Form状态提示 : public QWidget {
public:
    explicit Form状态提示(QWidget* parent = nullptr);
    // Shows the text at once, letting pending events run.
    void setText(const QString& text);
    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centre();
    QLabel* label_;
};

} // namespace ui
