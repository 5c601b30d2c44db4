// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/lookup_window.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "forms/place_texts.h"
#include "places/zone_clock.h"
#include "ui/link_opener.h"

namespace velnora {

namespace {

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// A wrapped label whose text can be selected and copied.
QLabel* Note(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

LookupWindow::LookupWindow(LinkOpener& links, QDate year, QWidget* parent)
    : QWidget(parent, Qt::Window), links_(links), year_(year) {
    setObjectName(QStringLiteral("frmLookup"));
    setWindowTitle(tr("Find Latitude & Longitude"));

    lblSearch_ = Note("lblSearch", QString(), this);
    lblNoMatch_ = Note("lblNoMatch", QString(), this);
    lblNoMatch_->hide();

    lblConvention_ = Note("lblConvention",
                          tr("Zone offsets are given as the main form takes them, the time to add "
                             "to the local clock to get Greenwich time: hours -5, minutes 30: "
                             "5 h 30 min ahead of Greenwich; hours 5, minutes 0: 5 h behind it. "
                             "The sign of the whole zone comes from the hours. "
                             "Enter or a double-click copies a place's values."),
                          this);
    lblCopied_ = Note("lblCopied", QString(), this);
    lblCopied_->hide();
    lblCredit_ = Note("lblCredit",
                      tr("Places from GeoNames (geonames.org), licensed under Creative Commons "
                         "Attribution 4.0 (CC BY 4.0)."),
                      this);

    lstPlaces_ = new QTableWidget(0, kColumns, this);
    lstPlaces_->setObjectName(QStringLiteral("lstPlaces"));
    lstPlaces_->setAccessibleName(tr("Places found"));
    lstPlaces_->setHorizontalHeaderLabels(
        {tr("City"), tr("State"), tr("Country"), tr("Latitude"), tr("Longitude"), tr("Time Zone"),
         tr("Zone Offset"), tr("Daylight Saving Offset"), tr("Daylight Saving Time")});
    lstPlaces_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstPlaces_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstPlaces_->setSelectionBehavior(QAbstractItemView::SelectItems);
    lstPlaces_->setWordWrap(false);
    lstPlaces_->setTabKeyNavigation(false);  // Tab goes on to the buttons
    lstPlaces_->verticalHeader()->setVisible(false);
    lstPlaces_->horizontalHeader()->setStretchLastSection(true);
    lstPlaces_->setContextMenuPolicy(Qt::ActionsContextMenu);

    mnuCopy_ = new QAction(tr("&Copy"), lstPlaces_);
    mnuCopy_->setObjectName(QStringLiteral("mnuCopy"));
    mnuCopy_->setShortcut(QKeySequence::Copy);
    mnuCopy_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    lstPlaces_->addAction(mnuCopy_);
    connect(mnuCopy_, &QAction::triggered, this, &LookupWindow::CopySelection);
    // Enter and a double-click.
    connect(lstPlaces_, &QTableWidget::activated, this,
            [this](const QModelIndex& at) { CopyRow(at.row()); });

    cmdPeriodsHere_ = new QPushButton(tr("Periods of the Day &Here"), this);
    cmdPeriodsHere_->setObjectName(QStringLiteral("cmdPeriodsHere"));
    cmdPeriodsHere_->setAccessibleName(tr("Periods of the Day Here"));
    cmdPeriodsHere_->setEnabled(false);
    connect(cmdPeriodsHere_, &QPushButton::clicked, this, [this] {
        const int row = lstPlaces_->currentRow();
        if (row >= 0 && row < shown_.size()) Q_EMIT periodsHereRequested(shown_[row]);
    });
    connect(lstPlaces_, &QTableWidget::currentCellChanged, this,
            [this](int row) { ChosenRowChanged(row); });

    cmdSearchWeb_ = new QPushButton(tr("Search the &Web"), this);
    cmdSearchWeb_->setObjectName(QStringLiteral("cmdSearchWeb"));
    cmdSearchWeb_->setAccessibleName(tr("Search the Web"));
    connect(cmdSearchWeb_, &QPushButton::clicked, this, &LookupWindow::cmdSearchWeb_Click);

    cmdClose_ = new QPushButton(tr("&Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setAccessibleName(tr("Close"));
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPeriodsHere_);
    buttons->addWidget(cmdSearchWeb_);
    buttons->addStretch();
    buttons->addWidget(cmdClose_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSearch_);
    layout->addWidget(lblNoMatch_, 1, Qt::AlignTop);
    layout->addWidget(lstPlaces_, 1);
    layout->addWidget(lblConvention_);
    layout->addWidget(lblCopied_);
    layout->addWidget(lblCredit_);
    layout->addLayout(buttons);
    resize(960, 420);
}

void LookupWindow::StartSearch(const QString& searchText) {
    searchText_ = searchText;
    // Nothing found yet: the heading names what is being looked for.
    lblSearch_->setText(MatchesHeading(places::StripCoordinateSuffix(searchText).trimmed(),
                                       places::SearchResult{}));
    lstPlaces_->clearContents();
    lstPlaces_->setRowCount(0);
    shown_.clear();
    ChosenRowChanged(-1);
    lblCopied_->hide();
}

void LookupWindow::ShowMatches(const QString& searchText, const places::SearchResult& found) {
    StartSearch(searchText);
    const QString typed = places::StripCoordinateSuffix(searchText).trimmed();
    lblSearch_->setText(MatchesHeading(typed, found));
    shown_ = found.places.first(std::min<qsizetype>(found.places.size(), kMostPlaces));
    const int rows = static_cast<int>(shown_.size());
    lstPlaces_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const places::Place& p = shown_[row];
        lstPlaces_->setItem(row, kCity, Cell(PlaceName(p)));
        lstPlaces_->setItem(row, kState, Cell(p.state));
        lstPlaces_->setItem(row, kCountry, Cell(p.country));
        lstPlaces_->setItem(row, kLatitude, Cell(DegreesMinutesText(p.latitude, true)));
        lstPlaces_->setItem(row, kLongitude, Cell(DegreesMinutesText(p.longitude, false)));
        lstPlaces_->setItem(row, kZone, Cell(p.timeZoneId));
        const auto zone = places::ZoneYearOf(p.timeZoneId, year_);
        lstPlaces_->setItem(row, kOffset, Cell(zone ? TypedOffset(zone->standard) : QString()));
        lstPlaces_->setItem(
            row, kDaylight,
            Cell(zone && zone->daylight ? TypedOffset(*zone->daylight) : tr("none")));
        lstPlaces_->setItem(row, kDaylightPeriod,
                            Cell(zone ? DaylightPeriodText(*zone) : tr("none")));
    }
    lstPlaces_->resizeColumnsToContents();
    // As wide as the columns need to show whole, and no wider; at most three
    // quarters of the screen, so that the main form stays in sight.
    const int columns = lstPlaces_->horizontalHeader()->length() +
                        lstPlaces_->verticalHeader()->width() + 2 * lstPlaces_->frameWidth() +
                        lstPlaces_->verticalScrollBar()->sizeHint().width();
    const int spare =
        width() - lstPlaces_->viewport()->width() -
        (lstPlaces_->verticalScrollBar()->isVisible() ? lstPlaces_->verticalScrollBar()->width()
                                                      : 0);
    if (const QScreen* s = screen(); s && rows > 0) {
        const int most = s->availableGeometry().width() * 3 / 4;
        resize(std::clamp(columns + spare, minimumSizeHint().width(), std::max(most, 1)), height());
    }
    lstPlaces_->setVisible(rows > 0);
    lblSearch_->setVisible(rows > 0);
    lblNoMatch_->setVisible(rows == 0);
    if (rows == 0) {
        lblNoMatch_->setText(tr("No place in the offline list matches %1. "
                                "Search the Web to find its latitude and longitude.")
                                 .arg(Quoted(typed)));
        cmdSearchWeb_->setDefault(true);
        cmdSearchWeb_->setFocus();
    } else {
        lstPlaces_->setCurrentCell(0, kCity);
        lstPlaces_->setFocus();
    }
}

void LookupWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void LookupWindow::ShowFailure(const QString& searchText, const QString& reason) {
    StartSearch(searchText);
    lstPlaces_->setRowCount(0);
    lstPlaces_->hide();
    lblSearch_->hide();
    lblNoMatch_->setText(reason + tr(" Search the Web to find the latitude and longitude."));
    lblNoMatch_->show();
    cmdSearchWeb_->setDefault(true);
    cmdSearchWeb_->setFocus();
}

QString LookupWindow::ProblemText(const places::IndexProblem& problem) {
    const QString path = QDir::toNativeSeparators(problem.path);
    switch (problem.kind) {
        case places::IndexProblem::Kind::NotInstalled:
            return tr("The list of places is not installed (looked for %1).")
                .arg(problem.lookedFor.join(QStringLiteral(", ")));
        case places::IndexProblem::Kind::Unreadable:
            return tr("The list of places %1 cannot be read.").arg(path);
        case places::IndexProblem::Kind::Damaged:
            break;
    }
    return path.isEmpty() ? tr("The list of places is damaged.")
                          : tr("The list of places %1 is damaged.").arg(path);
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

void LookupWindow::ChosenRowChanged(int row) {
    cmdPeriodsHere_->setEnabled(row >= 0 && row < shown_.size() &&
                                places::ZoneClock(shown_[row].timeZoneId.toStdString()).known());
}

void LookupWindow::CopyRow(int row) {
    if (row < 0 || row >= shown_.size()) return;
    const places::Place& p = shown_[row];
    const QString text = FormTexts(p, places::ZoneYearOf(p.timeZoneId, year_));
    QGuiApplication::clipboard()->setText(text);
    lblCopied_->setText(tr("Copied to the clipboard: %1").arg(text));
    lblCopied_->show();
}

}  // namespace velnora
