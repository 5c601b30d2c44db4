// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <functional>
#include <utility>

namespace velnora {

namespace {

// An icon that asks for the real one the first time it is drawn or measured.
class IconOnFirstUse final : public QIconEngine {
public:
    explicit IconOnFirstUse(std::function<QIcon()> read) : read_(std::move(read)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("velnora.IconOnFirstUse"); }
    QIconEngine* clone() const override { return new IconOnFirstUse(*this); }

private:
    const QIcon& icon() {
        if (read_) {
            icon_ = read_();
            read_ = nullptr;
        }
        return icon_;
    }

    std::function<QIcon()> read_;
    QIcon icon_;
};

class ProgramStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which != SP_ToolBarHorizontalExtensionButton &&
            which != SP_ToolBarVerticalExtensionButton) {
            return QProxyStyle::standardIcon(which, option, widget);
        }
        // Read when the button is first shown, after the bar's option is gone: the
        // bars pass none, and these icons follow the application's direction.
        return QIcon(new IconOnFirstUse(
            [this, which] { return QProxyStyle::standardIcon(which, nullptr, nullptr); }));
    }
};

}  // namespace

void UseProgramStyle() { QApplication::setStyle(new ProgramStyle); }

}  // namespace velnora
