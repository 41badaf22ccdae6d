#include "ui/Form1.h"

#include "core/NumberText.h"
#include "core/StoredColor.h"
#include "core/TextFiles.h"

#include <QLabel>
#include <QTimer>

#include <optional>

namespace ui {

namespace {

const QString kColourFile = QStringLiteral("TXTColorSet.dat");
const QString kFontFile = QStringLiteral("FontSet.dat");
constexpr quint32 kDefaultRolling = 16777215; // white
constexpr quint32 kDefaultFlash = 255;        // red

void Paint(QLabel* label, quint32 colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, core::FromStoredColor(colour));
    label->setPalette(p);
}

QString Flag(bool on) {
    return on ? QStringLiteral("-1") : QStringLiteral("0");
}

// The design font of the display; the families after the first stand in where it is missing.
QFont DefaultDisplayFont() {
    QFont f;
    f.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setPointSizeF(80);
    return f;
}

} // namespace

void Form1::SaveTextColors() {
    core::WriteTextFile(QString::number(state_.RollingColor) + QStringLiteral("\r\n") +
                            QString::number(state_.FlashColor),
                        state_.AppFolder + kColourFile);
}

void Form1::LoadTextColors() {
    const QStringList lines = core::ReadTextFile(state_.AppFolder + kColourFile).split(QStringLiteral("\r\n"));
    // A number that is no colour (below 0, above white) counts as a failed file.
    auto colour = [&](int line) {
        const double v = lines.size() >= 2 ? core::LeadingNumber(lines[line]) : -1;
        return v >= 0 && v <= 0xFFFFFF ? std::optional<quint32>(quint32(v)) : std::nullopt;
    };
    const std::optional<quint32> rolling = colour(0), flash = colour(1);
    if (rolling && flash) {
        state_.RollingColor = *rolling;
        state_.FlashColor = *flash;
    } else {
        state_.RollingColor = kDefaultRolling;
        state_.FlashColor = kDefaultFlash;
        SaveTextColors();
    }
    Paint(Label结果, state_.RollingColor);
    Paint(Label结果2, state_.FlashColor);
}

void Form1::Timer闪_Timer() {
    flashShowsRolling_ = !flashShowsRolling_;
    Paint(Label结果2, flashShowsRolling_ ? state_.RollingColor : state_.FlashColor);
}

void Form1::menu_恢复默认文字颜色_Click() {
    state_.RollingColor = kDefaultRolling;
    state_.FlashColor = kDefaultFlash;
    SaveTextColors();
    LoadTextColors();
}

void Form1::menu_设置滚动时颜色_Click() {
    if (const auto c = dialogs_.color(core::FromStoredColor(state_.RollingColor))) {
        state_.RollingColor = core::ToStoredColor(*c);
        SaveTextColors();
        LoadTextColors();
    }
}

void Form1::menu_设置闪烁颜色_Click() {
    if (const auto c = dialogs_.color(core::FromStoredColor(state_.FlashColor))) {
        state_.FlashColor = core::ToStoredColor(*c);
        SaveTextColors();
        LoadTextColors();
    }
}

void Form1::setDisplayFont(const QFont& font) {
    Label结果->setFont(font);
    Label结果2->setFont(font);
}

void Form1::SaveDisplayFont() {
    const QFont f = Label结果->font();
    const QStringList lines = {Flag(f.bold()),      Flag(f.italic()),   f.family(), core::FormatNumber(f.pointSizeF()),
                               Flag(f.strikeOut()), Flag(f.underline())};
    core::WriteTextFile(lines.join(QStringLiteral("\r\n")), state_.AppFolder + kFontFile);
}

void Form1::LoadDisplayFont() {
    const QString text = core::ReadTextFile(state_.AppFolder + kFontFile);
    if (text.isEmpty()) return;
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    // Applied line by line: a short file keeps what it did not reach.
    QFont f = Label结果->font();
    auto flag = [&](int i) { return core::LeadingNumber(lines[i]) != 0; };
    for (int i = 0; i < lines.size() && i < 6; ++i) {
        switch (i) {
        case 0:
            f.setBold(flag(i));
            break;
        case 1:
            f.setItalic(flag(i));
            break;
        case 2:
            f.setFamilies(
                {lines[i].isEmpty() ? QStringLiteral("宋体") : lines[i], QStringLiteral("WenQuanYi Micro Hei")});
            break;
        case 3: {
            const double size = core::LeadingNumber(lines[i]);
            f.setPointSizeF(size > 2160 || size < 1 ? 80 : size);
            break;
        }
        case 4:
            f.setStrikeOut(flag(i));
            break;
        default:
            f.setUnderline(flag(i));
            break;
        }
        setDisplayFont(f);
    }
}

void Form1::applyDefaultDisplayFont() {
    setDisplayFont(DefaultDisplayFont());
}

void Form1::menu恢复默认字体_Click() {
    applyDefaultDisplayFont();
    SaveDisplayFont();
}

void Form1::menu_设置显示字体_Click() {
    if (const auto f = dialogs_.font(Label结果->font())) {
        setDisplayFont(*f);
        SaveDisplayFont();
    }
}

void Form1::menu字号增减_Click(int index) {
    const double size = Label结果->font().pointSizeF() + (index == 0 ? 5 : -5);
    if (!(size > 4 && size < 351)) return;
    QFont f = Label结果->font();
    f.setPointSizeF(size);
    setDisplayFont(f);
    SaveDisplayFont();
}

void Form1::menu_文字对齐_sub_Click(int index) {
    const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    Label结果->setAlignment(horizontal[index] | Qt::AlignVCenter);
    Label结果2->setAlignment(Label结果->alignment());
}

} // namespace ui
