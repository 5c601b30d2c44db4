// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_fit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextLayout>
#include <QVariant>
#include <algorithm>
#include <cmath>

#include "ui/caption_frame.h"
#include "ui/link_label.h"
#include "ui/look.h"
#include "ui/wrapping_button.h"

namespace velnora {

// One line's height in `font`. Where the font lacks letters of the text, the
// fallback font that draws them may run taller: a text layout counts it.
int LineHeight(const QString& text, const QFont& font, const QFontMetrics& metrics) {
    const auto beyondLatin =
        std::find_if(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x250; });
    if (beyondLatin == text.end() || metrics.inFont(*beyondLatin)) return metrics.height();
    QTextLayout layout(text.left(text.indexOf(u'\n')), font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    const int height = line.isValid() ? static_cast<int>(std::ceil(line.height())) : 0;
    layout.endLayout();
    return std::max(height, metrics.height());
}

int TextHeight(const QString& text, const QFont& font) {
    return static_cast<int>(text.count(u'\n') + 1) * LineHeight(text, font, QFontMetrics(font));
}

QSize TextSize(const QString& text, const QFont& font, int wrapWidth) {
    const QFontMetrics metrics(font);
    const int lineHeight = LineHeight(text, font, metrics);
    if (wrapWidth < 0) {
        const QStringList lines = text.split(u'\n');
        int width = 0;
        for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
        return {width, static_cast<int>(lines.size()) * lineHeight};
    }
    QString laidOut = text;
    laidOut.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(laidOut, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal width = 0;
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrapWidth);
        width = std::max(width, line.naturalTextWidth());
        ++lines;
    }
    layout.endLayout();
    return {static_cast<int>(std::ceil(width)), lines * lineHeight};
}

QSize KeptTextSize(QWidget* control, const QString& text, const QFont& font) {
    static constexpr char kKept[] = "velnoraTextSize";
    const QVariantList kept = control->property(kKept).toList();
    if (kept.size() == 3 && kept[0].toString() == text && kept[1].value<QFont>() == font) {
        return kept[2].toSize();
    }
    const QSize size = TextSize(text, font);
    control->setProperty(kKept, QVariantList{text, font, size});
    return size;
}

namespace {

constexpr double kShrinkStep = 0.25;

// The part of `widget` that its parent shows.
QRect Shown(const QWidget* widget) {
    QRect place = widget->rect();
    if (const QWidget* parent = widget->parentWidget(); parent && !widget->isWindow()) {
        place &= parent->rect().translated(-widget->pos());
    }
    return place;
}

// `room` as far as the parent shows it, in the widget's coordinates.
QSize Visible(const QWidget* widget, const QRect& room) { return (room & Shown(widget)).size(); }

void Check(std::vector<Overflow>& found, QWidget* widget, const QString& text, QSize room,
           QSize needed) {
    if (text.isEmpty()) return;
    if (needed.width() > room.width() || needed.height() > room.height()) {
        found.push_back({widget, text, room, needed});
    }
}

void CheckLabel(std::vector<Overflow>& found, QLabel* label) {
    const QString text = label->text();
    const QRect room = label->contentsRect();
    const QSize visible = Visible(label, room);
    const QSize needed = label->wordWrap() ? TextSize(text, label->font(), room.width())
                                           : KeptTextSize(label, text, label->font());
    Check(found, label, text, visible, needed);
}

void CheckLink(std::vector<Overflow>& found, LinkLabel* link) {
    const QString text = CaptionText(link->text());
    const QRect room = link->rect().adjusted(1, 0, -1, 0);
    Check(found, link, text, Visible(link, room),
          TextSize(text, link->font(), link->wordWrap() ? room.width() : -1));
}

void CheckButton(std::vector<Overflow>& found, QAbstractButton* button) {
    const QString text = CaptionText(button->text());
    QStyleOptionButton option;
    option.initFrom(button);
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    const QRect room = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
    const bool wraps = qobject_cast<WrappingButton*>(button) != nullptr;
    Check(found, button, text, Visible(button, room),
          TextSize(text, button->font(), wraps ? room.width() : -1));
}

// Lists check their widest entry only. Entries of digits alone are told apart by
// their length, as the digits of the windows' fonts all have one width: a list
// of years is measured once, not once for each year.
void CheckEntries(std::vector<Overflow>& found, QWidget* list, const QStringList& entries,
                  QSize room) {
    const QFontMetrics metrics(list->font());
    const QString* widest = nullptr;
    int width = -1;
    const QString* longestNumber = nullptr;
    for (const QString& entry : entries) {
        const bool number =
            !entry.isEmpty() &&
            std::all_of(entry.begin(), entry.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (number) {
            if (!longestNumber || entry.size() > longestNumber->size()) longestNumber = &entry;
        } else if (const int w = metrics.horizontalAdvance(entry); w > width) {
            width = w;
            widest = &entry;
        }
    }
    if (longestNumber && metrics.horizontalAdvance(*longestNumber) > width) widest = longestNumber;
    if (widest) Check(found, list, *widest, room, TextSize(*widest, list->font()));
}

void CheckCombo(std::vector<Overflow>& found, QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, combo);
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
    CheckEntries(found, combo, entries, Visible(combo, room));
}

void CheckList(std::vector<Overflow>& found, QListWidget* list) {
    // An entry is drawn with a small margin on either side of its text; the room
    // is worked out from the list's own size, as its viewport is laid out only
    // when the list is first shown.
    const QStyle* style = list->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int bar = list->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                        ? 0
                        : style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const QRect room = list->contentsRect().adjusted(margin, 0, -margin - bar, 0);
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    CheckEntries(found, list, entries, Visible(list, room));
}

void CheckLineEdit(std::vector<Overflow>& found, QLineEdit* box) {
    const QRect room = box->contentsRect().adjusted(2, 0, -2, 0);  // the text margins
    Check(found, box, box->text(), Visible(box, room), TextSize(box->text(), box->font()));
}

void CheckFrame(std::vector<Overflow>& found, CaptionFrame* frame) {
    // The caption sits in the top border, 6 pixels in, with 2 pixels either side.
    const QRect room = frame->rect().adjusted(8, 0, -8, 0);
    const QSize needed = TextSize(frame->caption(), frame->font());
    Check(found, frame, frame->caption(), Visible(frame, room), {needed.width(), 0});
}

bool Shrink(QWidget* widget) {
    QFont font = widget->font();
    if (font.pointSizeF() - kShrinkStep < kSmallestPoints) return false;
    font.setPointSizeF(font.pointSizeF() - kShrinkStep);
    widget->setFont(font);
    return true;
}

// Wraps a one-line label or link that has the height for two lines.
bool Wrap(QWidget* widget, const Overflow& overflow) {
    const int line = TextSize(overflow.text, widget->font()).height();
    if (overflow.room.height() < 2 * line) return false;
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap()) {
        label->setWordWrap(true);
        return true;
    }
    if (auto* link = qobject_cast<LinkLabel*>(widget); link && !link->wordWrap()) {
        link->setWordWrap(true);
        return true;
    }
    return false;
}

void Fit(QWidget* widget) {
    for (std::vector<Overflow> found = Overflows(widget); !found.empty();
         found = Overflows(widget)) {
        if (!Wrap(widget, found.front()) && !Shrink(widget)) return;
    }
}

}  // namespace

std::vector<Overflow> Overflows(QWidget* widget) {
    std::vector<Overflow> found;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        CheckLabel(found, label);
    } else if (auto* link = qobject_cast<LinkLabel*>(widget)) {
        CheckLink(found, link);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        CheckButton(found, button);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        CheckCombo(found, combo);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        CheckList(found, list);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        CheckLineEdit(found, box);
    } else if (auto* frame = qobject_cast<CaptionFrame*>(widget)) {
        CheckFrame(found, frame);
    }
    return found;
}

void FitTexts(QWidget* window) {
    Fit(window);
    for (QWidget* child : window->findChildren<QWidget*>()) Fit(child);
}

}  // namespace velnora
