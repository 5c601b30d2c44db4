// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/lookup_window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/link_opener.h"

namespace velnora {

namespace {


QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QString Quoted(const QString& text) { return u'\u201C' + text + u'\u201D'; }

}  // namespace

LookupWindow::LookupWindow(LinkOpener& links, QDate year, QWidget* parent)
    : QWidget(parent, Qt::Window), links_(links), year_(year) {
    setObjectName(QStringLiteral("frmLookup"));
    setWindowTitle(QStringLiteral("Find Latitude & Longitude"));

    lblSearch_ = new QLabel(this);
    lblSearch_->setObjectName(QStringLiteral("lblSearch"));
    lblSearch_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblSearch_->setWordWrap(true);

    lblNoMatch_ = new QLabel(this);
    lblNoMatch_->setObjectName(QStringLiteral("lblNoMatch"));
    lblNoMatch_->setWordWrap(true);
    lblNoMatch_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblNoMatch_->hide();

    lstPlaces_ = new QTableWidget(0, kColumns, this);
    lstPlaces_->setObjectName(QStringLiteral("lstPlaces"));
    lstPlaces_->setAccessibleName(QStringLiteral("Places found"));
    lstPlaces_->setHorizontalHeaderLabels({QStringLiteral("City"), QStringLiteral("State"),
                                           QStringLiteral("Country"), QStringLiteral("Latitude"),
                                           QStringLiteral("Longitude"), QStringLiteral("Time Zone"),
                                           QStringLiteral("Zone Offset"),
                                           QStringLiteral("Daylight Saving Offset")});
    lstPlaces_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstPlaces_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstPlaces_->setSelectionBehavior(QAbstractItemView::SelectItems);
    lstPlaces_->setWordWrap(false);
    lstPlaces_->verticalHeader()->setVisible(false);
    lstPlaces_->horizontalHeader()->setStretchLastSection(true);
    lstPlaces_->setContextMenuPolicy(Qt::ActionsContextMenu);

    mnuCopy_ = new QAction(QStringLiteral("&Copy"), lstPlaces_);
    mnuCopy_->setObjectName(QStringLiteral("mnuCopy"));
    mnuCopy_->setShortcut(QKeySequence::Copy);
    mnuCopy_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    lstPlaces_->addAction(mnuCopy_);
    connect(mnuCopy_, &QAction::triggered, this, &LookupWindow::CopySelection);

    cmdSearchWeb_ = new QPushButton(QStringLiteral("Search the &Web"), this);
    cmdSearchWeb_->setObjectName(QStringLiteral("cmdSearchWeb"));
    cmdSearchWeb_->setAccessibleName(QStringLiteral("Search the Web"));
    connect(cmdSearchWeb_, &QPushButton::clicked, this, &LookupWindow::cmdSearchWeb_Click);

    cmdClose_ = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setAccessibleName(QStringLiteral("Close"));
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSearchWeb_);
    buttons->addStretch();
    buttons->addWidget(cmdClose_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSearch_);
    layout->addWidget(lblNoMatch_, 1, Qt::AlignTop);
    layout->addWidget(lstPlaces_, 1);
    layout->addLayout(buttons);
    resize(960, 420);
}

void LookupWindow::StartSearch(const QString& searchText) {
    searchText_ = searchText;
    lblSearch_->setText(QStringLiteral("Places matching %1:")
                            .arg(Quoted(places::StripCoordinateSuffix(searchText).trimmed())));
    lstPlaces_->clearContents();
    lstPlaces_->setRowCount(0);
}

void LookupWindow::ShowMatches(const QString& searchText, const QList<places::Place>& found) {
    StartSearch(searchText);
    const int rows = static_cast<int>(std::min<qsizetype>(found.size(), kMostPlaces));
    lstPlaces_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const places::Place& p = found[row];
        lstPlaces_->setItem(row, kCity, Cell(p.city));
        lstPlaces_->setItem(row, kState, Cell(p.state));
        lstPlaces_->setItem(row, kCountry, Cell(p.country));
        lstPlaces_->setItem(row, kLatitude,
                            Cell(places::FormatDegreesMinutes(places::ToDegreesMinutes(p.latitude, true))));
        lstPlaces_->setItem(row, kLongitude,
                            Cell(places::FormatDegreesMinutes(places::ToDegreesMinutes(p.longitude, false))));
        lstPlaces_->setItem(row, kZone, Cell(p.timeZoneId));
        const auto zone = places::ZoneTextsFor(p.timeZoneId, year_);
        lstPlaces_->setItem(row, kOffset, Cell(zone ? places::OffsetText(zone->standard) : QString()));
        lstPlaces_->setItem(row, kDaylight, Cell(zone && zone->daylight
                                                     ? places::OffsetText(*zone->daylight)
                                                     : QStringLiteral("none")));
    }
    lstPlaces_->resizeColumnsToContents();
    lstPlaces_->setVisible(rows > 0);
    lblSearch_->setVisible(rows > 0);
    lblNoMatch_->setVisible(rows == 0);
    if (rows == 0) {
        lblNoMatch_->setText(QStringLiteral("No place in the offline list matches %1. "
                                            "Search the Web to find its latitude and longitude.")
                                 .arg(Quoted(places::StripCoordinateSuffix(searchText).trimmed())));
        cmdSearchWeb_->setDefault(true);
        cmdSearchWeb_->setFocus();
    } else {
        lstPlaces_->setCurrentCell(0, kCity);
        lstPlaces_->setFocus();
    }
}

void LookupWindow::ShowFailure(const QString& searchText, const QString& reason) {
    StartSearch(searchText);
    lstPlaces_->hide();
    lblSearch_->hide();
    lblNoMatch_->setText(reason + QStringLiteral(" Search the Web to find the latitude and longitude."));
    lblNoMatch_->show();
    cmdSearchWeb_->setDefault(true);
    cmdSearchWeb_->setFocus();
}

void LookupWindow::cmdSearchWeb_Click() { links_.open(WebSearchAddress(searchText_)); }

void LookupWindow::CopySelection() {
    QModelIndexList cells = lstPlaces_->selectionModel()->selectedIndexes();
    if (cells.isEmpty()) return;
    std::sort(cells.begin(), cells.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    QString text;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) text += cells[i].row() != cells[i - 1].row() ? u'\n' : u'\t';
        text += cells[i].data().toString();
    }
    QGuiApplication::clipboard()->setText(text);
}

}  // namespace velnora
