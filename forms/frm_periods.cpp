// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/frm_periods.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "forms/print_periods.h"
#include "forms/result_texts.h"
#include "planning/listing.h"
#include "print/pages.h"
#include "ui/look.h"
#include "ui/message_boxes.h"

namespace velnora {

namespace {

enum Column { PartColumn, StartColumn, EndColumn, NameColumn, VerdictColumn, ColumnCount };

// Hours and minutes of a wait, rounded down to the minute.
QString WaitText(std::int64_t seconds) {
    const std::int64_t minutes = std::max<std::int64_t>(seconds, 0) / 60;
    return FrmPeriods::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

// A date and a time to the second, also at midnight.
QString AtText(const LocalDateTime& t) {
    return SunTimeText(LocalDateTime::From(t.date(), {})) + u' ' + ClockText(t.time());
}

}  // namespace

FrmPeriods::FrmPeriods(const Clock& clock, PrintDialogs& print, MessageBoxes& boxes,
                       QWidget* parent)
    : QWidget(parent), clock_(clock), print_(print), boxes_(boxes) {
    setObjectName(QStringLiteral("frmPeriods"));
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Periods of the Day"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(Verdana(8.25));
    Paint(this, kFormBlue, Qt::black);
    setAutoFillBackground(true);

    lblDay_ = new QLabel(this);
    lblDay_->setObjectName(QStringLiteral("lblDay"));
    lblDay_->setFont(Verdana(11.25, true));
    SetTextColour(lblDay_, kYellow);
    lblPlace_ = new QLabel(this);
    lblPlace_->setObjectName(QStringLiteral("lblPlace"));
    lblPlace_->setFont(Verdana(8.25, true));
    SetTextColour(lblPlace_, kPaleYellow);

    tblPeriods_ = new QTableWidget(0, ColumnCount, this);
    tblPeriods_->setObjectName(QStringLiteral("tblPeriods"));
    tblPeriods_->setAccessibleName(tr("Periods of the day and the night"));
    tblPeriods_->setHorizontalHeaderLabels({
        //: Column of the periods' list: which of the day's or the night's eight periods
        tr("Period"),
        //: Column of the periods' list: the time a period starts
        tr("Start"),
        //: Column of the periods' list: the time a period ends
        tr("End"),
        //: Column of the periods' list: the Choghadiya name (Amrut, Shubh ...)
        tr("Choghadiya"),
        //: Column of the periods' list: favorable, intermediate or unfavorable
        tr("Verdict"),
    });
    tblPeriods_->verticalHeader()->hide();
    tblPeriods_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPeriods_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPeriods_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPeriods_->setTabKeyNavigation(false);
    tblPeriods_->setWordWrap(false);
    tblPeriods_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblPeriods_->horizontalHeader()->setStretchLastSection(true);
    tblPeriods_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    lblNext_ = new QLabel(this);
    lblNext_->setObjectName(QStringLiteral("lblNext"));
    lblNext_->setFont(Verdana(8.25, true));
    lblNext_->setWordWrap(true);
    SetTextColour(lblNext_, kYellow);

    auto button = [this](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        StyleButton(b, name, {}, Twips::For(this));
        b->setMinimumSize(0, 0);
        return b;
    };
    cmdPreviousDay_ = button(tr("Pre&vious Day"), "cmdPreviousDay");
    cmdNextDay_ = button(tr("&Next Day"), "cmdNextDay");
    //: moves the list to today's date
    cmdToday_ = button(tr("&Today"), "cmdToday");
    cmdPrint_ = button(tr("&Print..."), "cmdPrint");
    cmdSavePdf_ = button(tr("Save as P&DF..."), "cmdSavePdf");
    cmdClose_ = button(tr("&Close"), "cmdClose");
    auto* printKey = new QShortcut(QKeySequence::Print, this);
    connect(printKey, &QShortcut::activated, cmdPrint_, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
         {cmdPreviousDay_, cmdNextDay_, cmdToday_, cmdPrint_, cmdSavePdf_, cmdClose_}) {
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblDay_);
    layout->addWidget(lblPlace_);
    layout->addWidget(tblPeriods_, 1);
    layout->addWidget(lblNext_);
    layout->addLayout(buttons);

    connect(cmdPreviousDay_, &QPushButton::clicked, this, &FrmPeriods::cmdPreviousDay_Click);
    connect(cmdNextDay_, &QPushButton::clicked, this, &FrmPeriods::cmdNextDay_Click);
    connect(cmdToday_, &QPushButton::clicked, this, &FrmPeriods::cmdToday_Click);
    connect(cmdPrint_, &QPushButton::clicked, this, &FrmPeriods::cmdPrint_Click);
    connect(cmdSavePdf_, &QPushButton::clicked, this, &FrmPeriods::cmdSavePdf_Click);
    connect(cmdClose_, &QPushButton::clicked, this, &FrmPeriods::close);

    setTabOrder(tblPeriods_, cmdPreviousDay_);
    setTabOrder(cmdPreviousDay_, cmdNextDay_);
    setTabOrder(cmdNextDay_, cmdToday_);
    setTabOrder(cmdToday_, cmdPrint_);
    setTabOrder(cmdPrint_, cmdSavePdf_);
    setTabOrder(cmdSavePdf_, cmdClose_);
}

void FrmPeriods::showFor(const FormValues& form) {
    form_ = form;
    const Outcome outcome = Evaluate(form);
    const auto* work = std::get_if<Evaluation>(&outcome);
    QString place = QString::fromStdString(form.city).trimmed();
    if (work) {
        const QString at = CoordinateText(work->result.latitude) + QStringLiteral(", ") +
                           CoordinateText(work->result.longitude);
        place = place.isEmpty() ? at : tr("%1 (%2)").arg(place, at);
    }
    lblPlace_->setText(place);
    lblPlace_->setAccessibleName(place);
    // The date the evaluation took.
    render(work ? work->result.dateOfWork : DateOfWork(form), outcome);
    tblPeriods_->setFocus(Qt::OtherFocusReason);
}

void FrmPeriods::showDate(const Date& date) { render(date, Evaluate(OnDate(form_, date))); }

void FrmPeriods::render(const Date& date, const Outcome& outcome) {
    date_ = date;
    timeOfWorkRow_ = -1;
    const QDate shown(date.year, date.month, date.day);
    lblDay_->setText(tr("%1, %2").arg(QLocale().dayName(shown.dayOfWeek()), DateOfWorkText(date)));
    lblDay_->setAccessibleName(lblDay_->text());

    const Evaluation* work = std::get_if<Evaluation>(&outcome);
    if (work) zone_ = work->zone;

    tblPeriods_->setUpdatesEnabled(false);
    tblPeriods_->setRowCount(0);
    const Date before = AddDays(date, -1);
    if (work && work->span == SpanKind::NightBeforeSunrise && IsListedDate(before)) {
        const DayListing night = ListDay(form_, before);
        if (!night.failure && !night.skipped) addRows(night.night, work, true);
    }
    const DayListing listing = ListDay(form_, date);
    QString next;
    if (listing.failure) {
        next = MessageTr(listing.failure->id);
    } else {
        addRows({listing.day.begin(), listing.day.end()}, work, false);
        addRows(listing.night, work, false);
    }
    tblPeriods_->setUpdatesEnabled(true);
    if (timeOfWorkRow_ >= 0) {
        tblPeriods_->selectRow(timeOfWorkRow_);
        tblPeriods_->setCurrentCell(timeOfWorkRow_, PartColumn);
        tblPeriods_->scrollToItem(tblPeriods_->item(timeOfWorkRow_, PartColumn));
    } else {
        tblPeriods_->clearSelection();
    }

    if (work) {
        showNext(OnDate(form_, date), *work);
    } else {
        if (next.isEmpty()) next = MessageTr(std::get<Failure>(outcome).message.id);
        lblNext_->setText(next);
        lblNext_->setAccessibleName(next);
    }
    cmdPreviousDay_->setEnabled(IsListedDate(before));
    cmdNextDay_->setEnabled(IsListedDate(AddDays(date, 1)));
}

void FrmPeriods::addRows(const std::vector<Period>& periods, const Evaluation* work,
                         bool nightBefore) {
    for (const Period& p : periods) {
        const int row = tblPeriods_->rowCount();
        tblPeriods_->insertRow(row);
        const QString part = nightBefore ? tr("Night before %1").arg(p.number)
                             : p.night   ? tr("Night %1").arg(p.number)
                                         : tr("Day %1").arg(p.number);
        const QString start = ClockText(p.start.time());
        const QString end = ClockText(p.end.time());
        const QString name = PeriodText(p.name);
        const QString verdict = VerdictWordText(p.verdict);
        const bool holds = work && HoldsTimeOfWork(*work, p);
        QString spoken = tr("%1, %2 to %3, %4, %5").arg(part, start, end, name, verdict);
        if (holds) spoken = tr("%1, the time of work").arg(spoken);
        const QString texts[ColumnCount] = {part, start, end, name, verdict};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setData(Qt::AccessibleDescriptionRole, spoken);
            if (column == VerdictColumn) {
                item->setBackground(VerdictColour(p.verdict));
                item->setForeground(QColor(Qt::black));
            }
            if (holds) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            tblPeriods_->setItem(row, column, item);
        }
        if (holds) timeOfWorkRow_ = row;
    }
}

void FrmPeriods::showNext(const FormValues& dated, const Evaluation& work) {
    const std::optional<NextPeriod> found = FindNext(dated, {Verdict::Favorable, {}});
    QString text;
    if (!found) {
        text = tr("No favorable period comes in the next eight days.");
    } else if (found->holdsTimeOfWork) {
        text = tr("The time of work lies in a favorable period: %1, until %2, %3 left.")
                   .arg(PeriodText(found->period.name), AtText(found->period.end),
                        WaitText(found->remainingSeconds));
    } else {
        text = tr("Next favorable period: %1, %2 to %3, starts in %4.")
                   .arg(PeriodText(found->period.name), AtText(found->period.start),
                        ClockText(found->period.end.time()),
                        WaitText(found->period.start - work.WorkTime));
    }
    lblNext_->setText(text);
    lblNext_->setAccessibleName(text);
}

void FrmPeriods::cmdPreviousDay_Click() {
    const Date previous = AddDays(date_, -1);
    if (IsListedDate(previous)) showDate(previous);
}

void FrmPeriods::cmdNextDay_Click() {
    const Date next = AddDays(date_, 1);
    if (IsListedDate(next)) showDate(next);
}

// Today on the form's own clock: Greenwich time less the zone, which counts west
// of Greenwich as positive.
void FrmPeriods::cmdToday_Click() {
    const LocalDateTime local{clock_.now().time_since_epoch().count() - ZoneSeconds(zone_)};
    if (IsListedDate(local.date())) showDate(local.date());
}

void FrmPeriods::cmdPrint_Click() {
    PrintPeriods(this, form_, date_, PrintTarget::Printer, print_, boxes_);
}

void FrmPeriods::cmdSavePdf_Click() {
    PrintPeriods(this, form_, date_, PrintTarget::Pdf, print_, boxes_);
}

void FrmPeriods::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace velnora
