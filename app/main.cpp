// SPDX-License-Identifier: GPL-3.0-or-later
// Velnora on the desktop: the windows and the shell with their real
// collaborators. The shell's start-up decides whether the event loop runs at all;
// afterwards EndProgram is the only way out, so closing the last window does not
// end the program by itself. The windows speak the user's language when the
// program ships it, English otherwise.
#include <QApplication>

#include "forms/gazetteer_clock.h"
#include "forms/gazetteer_lookup.h"
#include "forms/windows.h"
#include "print/print_dialogs.h"
#include "shell/metadata.h"
#include "shell/services.h"
#include "shell/shell.h"
#include "shell/update_reminder.h"
#include "ui/accessibility.h"
#include "ui/calendar_dialogs.h"
#include "ui/language.h"
#include "ui/program_style.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velnora::InstallAccessibleRoles();
    velnora::UseProgramStyle();
    velnora::SetApplicationMetadata();
    // The user's language, before the first window is made.
    velnora::Translation translation;
    translation.install(velnora::ChosenLanguage(velnora::ProcessEnvironment()));
    QApplication::setQuitOnLastWindowClosed(false);

    velnora::QtMessageBoxes boxes;
    velnora::DesktopLinkOpener links;
    velnora::LoadOrder loaded;
    velnora::SystemClock clock;
    velnora::QtCalendarDialogs calendarDialogs;
    velnora::QtPrintDialogs printDialogs;
    velnora::LookupRequests lookupRequests;
    velnora::Windows windows(
        boxes, velnora::GazetteerLookup::Factory(links, loaded, lookupRequests),
        {clock, calendarDialogs, printDialogs, velnora::GazetteerClockChooser()});
    // The lookup's "Periods of the Day Here" opens the one periods window.
    QObject::connect(&lookupRequests, &velnora::LookupRequests::periodsHereRequested, &windows,
                     &velnora::Windows::showPeriodsHere);
    velnora::ClockSeededRandom random;
    velnora::ExecDialogRunner dialogs;
    velnora::EventLoopProcessEnd processEnd;
    velnora::Shell shell(
        windows, {boxes, links, clock, random, velnora::SettingsPath(), dialogs, processEnd, loaded,
                  velnora::InstanceLock::DefaultPath(), velnora::InstanceLock::FallbackPath()});
    if (!shell.start()) return 0;
    return app.exec();
}
