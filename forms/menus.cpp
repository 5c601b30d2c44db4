// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menus.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace velnora {

namespace {

QAction* Entry(QMainWindow* window, const QString& name, const QString& caption) {
    auto* action = new QAction(caption, window);
    action->setObjectName(name);
    return action;
}

QAction* LinkEntry(QMainWindow* window, const QString& name, const QString& caption, Link link,
                   const std::function<void(Link)>& onLink) {
    QAction* action = Entry(window, name, caption);
    QObject::connect(action, &QAction::triggered, window, [onLink, link] { onLink(link); });
    return action;
}

}  // namespace

QAction* MenuWindow::buildMenuBar(const MenuNames& names, const PlanForm& planForm) {
    QMainWindow* window = this;
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    const auto onLink = [this](Link link) { Q_EMIT linkRequested(link); };

    QMenu* file = bar->addMenu(QCoreApplication::translate("velnora::Menus", "&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* first = Entry(window, names.firstName, names.firstCaption);
    QAction* exit = Entry(window, QStringLiteral("mnuExit"),
                          QCoreApplication::translate("velnora::Menus", "E&xit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    file->addAction(first);
    file->addAction(exit);

    QMenu* plan = bar->addMenu(QCoreApplication::translate("velnora::Menus", "P&lan"));
    // Alt+P stays with "&Proceed" of the input window.
    plan->setObjectName(QStringLiteral("mnuPlan"));
    QAction* periods =
        Entry(window, QStringLiteral("mnuPeriods"),
              QCoreApplication::translate("velnora::Menus", "&Periods of the Day..."));
    periods->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(periods, &QAction::triggered, this, [this, planForm] {
        if (const auto form = planForm()) Q_EMIT periodsRequested(*form, this);
    });
    QAction* calendar = Entry(window, QStringLiteral("mnuCalendar"),
                              QCoreApplication::translate("velnora::Menus", "Add to &Calendar..."));
    connect(calendar, &QAction::triggered, this, [this, planForm] {
        if (const auto form = planForm()) Q_EMIT calendarRequested(*form, this);
    });
    plan->addAction(periods);
    plan->addAction(calendar);

    QMenu* help = bar->addMenu(QCoreApplication::translate("velnora::Menus", "&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(LinkEntry(window, QStringLiteral("mnuOnline"),
                              QCoreApplication::translate("velnora::Menus", "&Online Help"),
                              Link::OnlineHelp, onLink));
    help->addAction(LinkEntry(window, QStringLiteral("mnuVisit"),
                              QCoreApplication::translate("velnora::Menus", "&Visit Us Online"),
                              Link::ForumHome, onLink));
    help->addSeparator()->setObjectName(names.separator1);
    help->addAction(LinkEntry(window, QStringLiteral("mnuUpdate"), names.updateCaption,
                              Link::DownloadPage, onLink));
    help->addSeparator()->setObjectName(names.separator2);
    QAction* about = Entry(window, QStringLiteral("mnuAbout"),
                           QCoreApplication::translate("velnora::Menus", "&About Software"));
    connect(about, &QAction::triggered, this, [this] { Q_EMIT aboutRequested(this); });
    help->addAction(about);

    bar->addAction(LinkEntry(window, QStringLiteral("mnuDonate"),
                             QCoreApplication::translate("velnora::Menus", "&Donate"),
                             Link::DonationPage, onLink));

    QAction* money = LinkEntry(window, QStringLiteral("mkmoney"),
                               QCoreApplication::translate("velnora::Menus", "Make Money &Online"),
                               Link::FullBrandPage, onLink);
    money->setEnabled(false);
    money->setVisible(false);
    bar->addAction(money);
    return first;
}

void MenuWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT unloading();
}

}  // namespace velnora
