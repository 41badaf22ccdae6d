#include "ui/Form状态提示.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace ui {

Form状态提示::Form状态提示(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form状态提示"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // One frame around the whole pop-up, none around its label.
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#Form状态提示 { background: #ffffe1; border: 1px solid #808080; }"));
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label状态"));
    label_->setMinimumWidth(360);
    layout->addWidget(label_);
    if (parent) parent->installEventFilter(this);
}

void Form状态提示::setText(const QString& text) {
    label_->setText(text);
    if (!isVisible()) {
        adjustSize();
        centre();
        show();
    }
    QCoreApplication::processEvents();
}

void Form状态提示::centre() {
    // Over the window it reports for, or over the screen while that window is hidden.
    const QWidget* owner = parentWidget();
    const QRect over = owner && owner->isVisible() ? owner->frameGeometry() : screen()->availableGeometry();
    move(over.center() - rect().center());
}

bool Form状态提示::eventFilter(QObject* watched, QEvent* event) {
    // The window may be placed anew while a long operation runs; the pop-up goes with it.
    if (watched == parentWidget() && isVisible() && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        centre();
    return QWidget::eventFilter(watched, event);
}

QString Form状态提示::text() const {
    return label_->text();
}

} // namespace ui
