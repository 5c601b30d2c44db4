// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds its index, and the one it keeps open for the run.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <filesystem>
#include <system_error>

#include "places/places.h"

namespace velnora::places {

namespace {

constexpr char kIndexFileName[] = "gazetteer.idx";

}  // namespace

QStringList IndexLocations() {
    QStringList r;
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (!failed) {
        r << QDir::cleanPath(QString::fromStdString(program.parent_path().string()) +
                             QStringLiteral("/../share/velnora/") + QLatin1String(kIndexFileName));
    }
    const QString installed =
        QStringLiteral(VELNORA_DATADIR "/velnora/") + QLatin1String(kIndexFileName);
    if (!r.contains(installed)) r << installed;
    return r;
}

const Gazetteer* DefaultGazetteer(IndexProblem* problem) {
    struct Opened {
        std::unique_ptr<Gazetteer> gazetteer;
        IndexProblem problem;
    };
    static const Opened opened = [] {
        Opened o;
        for (const QString& path : IndexLocations()) {
            if (!QFile::exists(path)) continue;
            o.gazetteer = Gazetteer::Open(path, &o.problem);
            return o;
        }
        o.problem = {IndexProblem::Kind::NotInstalled, QString(), IndexLocations()};
        return o;
    }();
    if (opened.gazetteer) {
        // Replaced or rewritten since (an install while the program runs).
        IndexProblem why;
        if (!opened.gazetteer->Refresh(&why)) {
            if (problem) *problem = why;
            return nullptr;
        }
    }
    if (problem && !opened.gazetteer) *problem = opened.problem;
    return opened.gazetteer.get();
}

}  // namespace velnora::places
