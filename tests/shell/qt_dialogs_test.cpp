// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs the windows open speak the windows' language: no English word
// in the days question, the save dialog, or the print and preview dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTimer>
#include <functional>
#ifdef VELNORA_HAVE_PRINT_DIALOGS
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#endif

#include "planning/listing.h"
#include "test_language.h"
#include "ui/calendar_dialogs.h"

namespace velnora {
namespace {

using testing::Language;

// Every text a dialog of Qt's own shows: its title, captions, buttons, column
// heads, tabs, the choice of each list, tool tips and tool bar entries.
QStringList VisibleTexts(QWidget* dialog) {
    QStringList texts{dialog->windowTitle()};
    QList<QWidget*> widgets = dialog->findChildren<QWidget*>();
    widgets.prepend(dialog);
    for (QWidget* w : widgets) {
        if (!w->isVisible()) continue;
        texts << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
        if (auto* combo = qobject_cast<QComboBox*>(w)) texts << combo->currentText();
        if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
        }
        auto* header = qobject_cast<QHeaderView*>(w);
        for (int i = 0; header && header->model() && i < header->count(); ++i) {
            if (!header->isSectionHidden(i))
                texts << header->model()->headerData(i, header->orientation()).toString();
        }
        for (const QAction* action : w->actions()) {
            if (action->isVisible()) texts << action->text() << action->toolTip();
        }
    }
    return texts;
}

// The English words among `texts`: words of two or more Latin letters, apart from
// the file's name and suffix, the folder's path and "PDF".
QStringList EnglishWords(const QStringList& texts) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList allowed = QDir::homePath().split(u'/', Qt::SkipEmptyParts);
    allowed << QStringLiteral("velnora") << QStringLiteral("ics") << QStringLiteral("PDF");
    QStringList found;
    for (const QString& text : texts) {
        for (auto it = word.globalMatch(text); it.hasNext();) {
            const QString w = it.next().captured();
            if (!allowed.contains(w, Qt::CaseInsensitive)) found << text;
        }
    }
    found.removeDuplicates();
    return found;
}

// Runs `open`, which shows a modal dialog, and returns the texts that dialog
// showed before it was cancelled.
QStringList TextsOfModal(const std::function<void()>& open) {
    QStringList texts;
    const QDeadlineTimer deadline(10000);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr && !deadline.hasExpired()) return;
        poll.stop();
        if (dialog == nullptr) return;
        texts = VisibleTexts(dialog);
        dialog->reject();
    });
    poll.start(10);
    open();
    EXPECT_FALSE(texts.isEmpty()) << "no dialog came up";
    return texts;
}

// Qt's own dialogs the windows open speak the language too: the days question
// and the save dialog of Add to Calendar (Qt's widget dialog, as where the
// desktop offers no dialog of its own), and the print and preview dialogs.
class QtDialogsTest : public ::testing::TestWithParam<const char*> {
protected:
    Language language_{QString::fromLatin1(GetParam())};
};

TEST_P(QtDialogsTest, ShowNoEnglishWord) {
    QtCalendarDialogs dialogs;
    EXPECT_EQ(EnglishWords(TextsOfModal([&] { dialogs.askDays(nullptr, kMaxListedDays); })),
              QStringList());
    EXPECT_EQ(EnglishWords(TextsOfModal([&] { dialogs.askFile(nullptr); })), QStringList());
#ifdef VELNORA_HAVE_PRINT_DIALOGS
    QPrinter printer;
    QPrintDialog print(&printer);
    print.show();
    EXPECT_EQ(EnglishWords(VisibleTexts(&print)), QStringList());
    for (QPushButton* button : print.findChildren<QPushButton*>()) {
        if (button->text().endsWith(QLatin1String(">>"))) button->click();  // the options
    }
    EXPECT_EQ(EnglishWords(VisibleTexts(&print)), QStringList());
    QPrintPreviewDialog preview(&printer);
    preview.show();
    EXPECT_EQ(EnglishWords(VisibleTexts(&preview)), QStringList());
#endif
}

INSTANTIATE_TEST_SUITE_P(Shipped, QtDialogsTest, ::testing::Values("hi", "gu", "mr"),
                         [](const ::testing::TestParamInfo<const char*>& language) {
                             return std::string(language.param);
                         });

}  // namespace
}  // namespace velnora
