// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
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

MenuActions BuildMenuBar(QMainWindow* window, const MenuNames& names,
                         const std::function<void(Link)>& onLink) {
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    MenuActions actions{};

    QMenu* file = bar->addMenu(QCoreApplication::translate("velnora::Menus", "&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    actions.first = Entry(window, names.firstName, names.firstCaption);
    actions.exit = Entry(window, QStringLiteral("mnuExit"),
                         QCoreApplication::translate("velnora::Menus", "E&xit"));
    file->addAction(actions.first);
    file->addAction(actions.exit);

    QMenu* plan = bar->addMenu(QCoreApplication::translate("velnora::Menus", "P&lan"));
    // Alt+P stays with "&Proceed" of the input window.
    plan->setObjectName(QStringLiteral("mnuPlan"));
    actions.periods =
        Entry(window, QStringLiteral("mnuPeriods"),
              QCoreApplication::translate("velnora::Menus", "&Periods of the Day..."));
    actions.periods->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    actions.calendar = Entry(window, QStringLiteral("mnuCalendar"),
                             QCoreApplication::translate("velnora::Menus", "Add to &Calendar..."));
    plan->addAction(actions.periods);
    plan->addAction(actions.calendar);

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
    actions.about = Entry(window, QStringLiteral("mnuAbout"),
                          QCoreApplication::translate("velnora::Menus", "&About Software"));
    help->addAction(actions.about);

    bar->addAction(LinkEntry(window, QStringLiteral("mnuDonate"),
                             QCoreApplication::translate("velnora::Menus", "&Donate"),
                             Link::DonationPage, onLink));

    QAction* money = LinkEntry(window, QStringLiteral("mkmoney"),
                               QCoreApplication::translate("velnora::Menus", "Make Money &Online"),
                               Link::FullBrandPage, onLink);
    money->setEnabled(false);
    money->setVisible(false);
    bar->addAction(money);
    return actions;
}

}  // namespace velnora
