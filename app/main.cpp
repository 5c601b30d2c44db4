// SPDX-License-Identifier: GPL-3.0-or-later
// Velnora on the desktop: the input and result windows with their real
// collaborators. Closing a window ends the program.
#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "forms/frm_main.h"
#include "forms/sun_time_format.h"
#include "forms/gazetteer_lookup.h"
#include "forms/windows.h"

namespace {

QUrl Address(velnora::Link link) {
    using velnora::Link;
    switch (link) {
        case Link::ForumHome:
            return QUrl(QStringLiteral("https://velnora.example/forum/"));
        case Link::SoftwareCatalogue:
            return QUrl(QStringLiteral("https://velnora.example/software/"));
        case Link::OnlineHelp:
            return QUrl(QStringLiteral("https://velnora.example/help/"));
        case Link::DownloadPage:
            return QUrl(QStringLiteral("https://velnora.example/download/"));
        case Link::DonationPage:
            return QUrl(QStringLiteral("https://velnora.example/donate/"));
        case Link::CoBrandPage:
            return QUrl(QStringLiteral("https://velnora.example/cobrand/"));
        case Link::FullBrandPage:
            return QUrl(QStringLiteral("https://velnora.example/fullbrand/"));
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    velnora::QtMessageBoxes boxes;
    velnora::Windows windows(
        boxes, &velnora::GazetteerLookup::Make,
        velnora::LocaleDateTimeFormatter(QLocale::system()));
    QObject::connect(&windows, &velnora::Windows::linkRequested, &app,
                     [](velnora::Link link) { QDesktopServices::openUrl(Address(link)); });
    // Back unloads the result window on its way to the input window, so wait until
    // the handler is done before deciding that nothing is left on screen.
    QObject::connect(
        &windows, &velnora::Windows::unloaded, &app,
        [&windows] {
            if (!windows.display() && !(windows.main() && windows.main()->isVisible())) {
                QApplication::quit();
            }
        },
        Qt::QueuedConnection);
    windows.showMain();
    return app.exec();
}
