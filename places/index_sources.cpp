// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/index_sources.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cstdio>

namespace velnora::places::build {

namespace {

void SplitTabs(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return;
        start = tab + 1;
    }
}

}  // namespace

bool ReadDivisionNames(const char* path, DivisionNames& names) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return false;
    }
    const QJsonArray list = QJsonDocument::fromJson(file.readAll()).array();
    for (const QJsonValue v : list) {
        names.insert(v[QLatin1String("code")].toString(), v[QLatin1String("name")].toString());
    }
    return true;
}

bool ReadTable(const char* path, const std::function<void(const QStringList&)>& row) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return false;
    }
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        row(line.split(u'\t'));
    }
    return true;
}

bool ReadMissingNames(const char* path, DivisionNames& names) {
    return ReadTable(path, [&](const QStringList& f) {
        if (f.size() == 2 && !names.contains(f[0])) names.insert(f[0], f[1]);
    });
}

bool DumpReader::Next(DumpRow& row) {
    while (std::getline(file_, line_)) {
        SplitTabs(line_, fields_);
        const auto& f = fields_;
        if (f.size() < 18 || f[1].empty()) continue;
        row = {f[1], f[2], f[3], f[4], f[5], f[7], f[8], f[10], f[11], f[14], f[17]};
        return true;
    }
    return false;
}

}  // namespace velnora::places::build
