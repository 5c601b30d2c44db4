// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/caption_frame.h"
#include "ui/link_label.h"
#include "ui/text_fit.h"

namespace velnora {

Twips Twips::For(const QWidget* widget) { return Twips(widget->logicalDpiX()); }

int Twips::px(int twips) const { return static_cast<int>(std::lround(twips * scale_)); }

QRect Twips::rect(int left, int top, int width, int height) const {
    return {px(left), px(top), px(width), px(height)};
}

void Twips::place(QWidget* widget, int left, int top, int width, int height) const {
    widget->setGeometry(rect(left, top, width, height));
}

void Twips::fixSize(QWidget* window, int width, int height) const {
    window->setFixedSize(px(width), px(height));
}

namespace {

// Whether the family is installed. QFontDatabase::hasFamily would also run the
// family through the system's substitution rules first, at the cost of a font
// match for each family asked about.
bool Installed(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// The fonts Debian has for an Indian script the windows are translated into;
// decided once per script. A window in Hindi or Gujarati draws its text in its
// script's font. Lohit Devanagari has Latin letters too; Lohit Gujarati has only
// the digits and signs, so its windows draw Latin letters (an access key's "(P)")
// in the family that follows it. Elsewhere the family alone is asked for, and the
// system's fallback draws any letter it lacks, as before.
QStringList ScriptFamilies(QLocale::Script script) {
    const bool gujarati = script == QLocale::GujaratiScript;
    for (const char* name : {gujarati ? "Lohit Gujarati" : "Lohit Devanagari",
                             gujarati ? "Noto Sans Gujarati" : "Noto Sans Devanagari"}) {
        const QString family = QString::fromLatin1(name);
        if (Installed(family)) return {family};
    }
    return {};
}

QFont Font(const QString& family, double points, bool bold) {
    QFont font(family);
    const QLocale::Script script = QLocale().script();
    if (script == QLocale::DevanagariScript || script == QLocale::GujaratiScript) {
        static const QStringList devanagari = ScriptFamilies(QLocale::DevanagariScript);
        static const QStringList gujarati = ScriptFamilies(QLocale::GujaratiScript);
        font.setFamilies((script == QLocale::GujaratiScript ? gujarati : devanagari) +
                         QStringList(family));
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Decided once per family: asking for a missing family makes every font match
// search the fallbacks again.
QString FamilyOrFallback(const QString& family) {
    return Installed(family) ? family : QStringLiteral("DejaVu Sans");
}

}  // namespace

QFont Verdana(double points, bool bold) {
    static const QString family = FamilyOrFallback(QStringLiteral("Verdana"));
    return Font(family, points, bold);
}

QFont MsSansSerif(double points, bool bold) {
    static const QString family = FamilyOrFallback(QStringLiteral("MS Sans Serif"));
    return Font(family, points, bold);
}

void UseFont(QWidget* widget, const QFont& font) {
    if (widget->font() != font) widget->setFont(font);
}

// The application's font alone, through QGuiApplication: QApplication's would
// also drop the fonts the desktop gives menus and message boxes, and tell every
// widget.
DefaultFontWhileBuilding::DefaultFontWhileBuilding(const QFont& font)
    : saved_(QGuiApplication::font()) {
    QGuiApplication::setFont(font);
}

DefaultFontWhileBuilding::~DefaultFontWhileBuilding() { QGuiApplication::setFont(saved_); }

void StyleButton(QPushButton* button, const char* name, const QRect& twips, const Twips& scale) {
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(CaptionText(button->text()));
    UseFont(button, Verdana(8.25, true));
    button->setAutoDefault(true);
    Paint(button, kFormBlue, Qt::black);
    scale.place(button, twips.x(), twips.y(), twips.width(), twips.height());
}

void Paint(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

LinkLabel* AddLink(QWidget* parent, const char* name, const QString& caption, const QFont& font,
                   const QColor& colour, const QRect& twips, const Twips& scale) {
    auto* link = new LinkLabel(caption, parent);
    link->setObjectName(QString::fromLatin1(name));
    UseFont(link, font);
    SetTextColour(link, colour);
    // As tall as its text, like a one-line label.
    QRect place = scale.rect(twips.x(), twips.y(), twips.width(), twips.height());
    place.setHeight(std::max(place.height(), TextHeight(CaptionText(caption), font)));
    link->setGeometry(place);
    return link;
}

QString CaptionText(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    return text;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 const QColor& colour, const QRect& twips, const Twips& scale, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(wrap);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    UseFont(label, font);
    SetTextColour(label, colour);
    // A one-line caption keeps its whole text even where the fallback font (or the
    // font of a translation's script) runs wider or taller than the one the layout
    // was drawn for.
    QRect place = scale.rect(twips.x(), twips.y(), twips.width(), twips.height());
    if (!wrap) {
        const QSize needed = KeptTextSize(label, text, label->font());
        place.setWidth(std::max(place.width(), needed.width() + 2));
        place.setHeight(std::max(place.height(), needed.height()));
    }
    label->setGeometry(place);
    return label;
}

QFrame* AddFrame(QWidget* parent, const QString& name, const QColor& background, const QRect& twips,
                 const Twips& scale) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Paint(frame, background, Qt::black);
    frame->setGeometry(scale.rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return frame;
}

CaptionFrame* AddCaptionedFrame(QWidget* parent, const QString& name, const QString& caption,
                                const QFont& font, const QColor& background,
                                const QColor& captionColour, const QRect& twips,
                                const Twips& scale) {
    auto* frame = new CaptionFrame(name, caption, background, captionColour, parent);
    UseFont(frame, font);
    frame->setGeometry(scale.rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return frame;
}

void PlaceBeside(QWidget* window, const QWidget* anchor) {
    const QWidget* other = anchor->window();
    const QScreen* screen = other->screen();
    if (!screen) return;
    if (window->layout()) window->layout()->activate();
    const QRect room = screen->availableGeometry();
    const QRect beside = other->frameGeometry();
    const QSize size = window->frameGeometry().size();
    const int right = beside.right() + 1, left = beside.left() - size.width();
    int x = right;
    if (right + size.width() - 1 > room.right()) {
        x = left >= room.left() || room.right() - beside.right() < beside.left() - room.left()
                ? left
                : right;
    }
    x = std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - size.width()));
    const int y = std::clamp(beside.top(), room.top(),
                             std::max(room.top(), room.bottom() + 1 - size.height()));
    window->move(x, y);
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    if (window->layout()) window->layout()->activate();
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace velnora
