// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/frm_periods.h"

#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "forms/periods_tables.h"
#include "forms/print_periods.h"
#include "forms/result_texts.h"
#include "planning/listing.h"
#include "print/pages.h"
#include "ui/look.h"
#include "ui/message_boxes.h"

namespace velnora {

namespace {

// Hours and minutes of a wait, rounded down to the minute; as almanacs write it,
// without "0 h" under an hour and without "0 min" on the whole hour.
QString WaitText(std::int64_t seconds) {
    const auto minutes = static_cast<int>(std::max<std::int64_t>(seconds, 0) / 60);
    if (minutes < 60) return FrmPeriods::tr("%n min", "a wait under an hour", minutes);
    if (minutes % 60 == 0) return FrmPeriods::tr("%n h", "a wait of whole hours", minutes / 60);
    return FrmPeriods::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

// A date and a time to the second, also at midnight.
QString AtText(const LocalDateTime& t) {
    return SunTimeText(LocalDateTime::From(t.date(), {})) + u' ' + ClockText(t.time());
}

// A failure in words, with the date it names ("... Here On %1 ...").
QString FailureText(const Message& message) {
    const QString text = MessageTr(message.id);
    return message.date ? text.arg(SunTimeText(LocalDateTime::From(*message.date, {}))) : text;
}

// "UTC−05:00" for the zone hours 5, minutes 0 (hours west of Greenwich positive).
QString UtcText(const ZoneOffset& zone) {
    const std::int64_t east = -ZoneSeconds(zone);
    const std::int64_t minutes = std::abs(east) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(east < 0 ? QChar(0x2212) : QChar(u'+'))
        .arg(minutes / 60, 2, 10, QChar(u'0'))
        .arg(minutes % 60, 2, 10, QChar(u'0'));
}

}  // namespace

FrmPeriods::FrmPeriods(const Clock& clock, PrintDialogs& print, MessageBoxes& boxes,
                       QWidget* parent)
    : QWidget(parent), clock_(clock), print_(print), boxes_(boxes) {
    setObjectName(QStringLiteral("frmPeriods"));
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Periods of the Day"));
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
    lblClock_ = new QLabel(this);
    lblClock_->setObjectName(QStringLiteral("lblClock"));
    lblClock_->setWordWrap(true);
    SetTextColour(lblClock_, kPaleYellow);
    lblClock_->hide();

    tabAlmanac_ = new QTabWidget(this);
    tabAlmanac_->setObjectName(QStringLiteral("tabAlmanac"));
    tabAlmanac_->setAccessibleName(tr("Choghadiya and Hora"));
    tblPeriods_ = NewPeriodsTable(tabAlmanac_);
    tblHoras_ = NewHorasTable(tabAlmanac_);
    FixColumnWidths(tblPeriods_, tblHoras_);
    //: Tab of the periods window: the eight periods of the day and of the night
    tabAlmanac_->addTab(tblPeriods_, tr("Cho&ghadiya"));
    //: Tab of the periods window: the 24 planetary hours
    tabAlmanac_->addTab(tblHoras_, tr("&Hora"));

    lblAbhijit_ = new QLabel(this);
    lblAbhijit_->setObjectName(QStringLiteral("lblAbhijit"));
    lblAbhijit_->setFont(Verdana(8.25, true));
    lblAbhijit_->setWordWrap(true);
    SetTextColour(lblAbhijit_, kPaleYellow);

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
    layout->addWidget(lblClock_);
    layout->addWidget(tabAlmanac_, 1);
    layout->addWidget(lblAbhijit_);
    layout->addWidget(lblNext_);
    layout->addLayout(buttons);

    connect(cmdPreviousDay_, &QPushButton::clicked, this, &FrmPeriods::cmdPreviousDay_Click);
    connect(cmdNextDay_, &QPushButton::clicked, this, &FrmPeriods::cmdNextDay_Click);
    connect(cmdToday_, &QPushButton::clicked, this, &FrmPeriods::cmdToday_Click);
    connect(cmdPrint_, &QPushButton::clicked, this, &FrmPeriods::cmdPrint_Click);
    connect(cmdSavePdf_, &QPushButton::clicked, this, &FrmPeriods::cmdSavePdf_Click);
    connect(cmdClose_, &QPushButton::clicked, this, &FrmPeriods::close);

    // The tabs, then the list of the tab shown, then the buttons.
    setTabOrder(tblPeriods_, tblHoras_);
    setTabOrder(tblHoras_, cmdPreviousDay_);
    setTabOrder(cmdPreviousDay_, cmdNextDay_);
    setTabOrder(cmdNextDay_, cmdToday_);
    setTabOrder(cmdToday_, cmdPrint_);
    setTabOrder(cmdPrint_, cmdSavePdf_);
    setTabOrder(cmdSavePdf_, cmdClose_);
}

void FrmPeriods::showFor(const FormValues& form, const std::optional<PlanClock>& clock) {
    const auto read = ReadForm(form);
    if (const auto* refused = std::get_if<Failure>(&read)) {
        // Proceed's checks come first; what is left says why nothing is listed.
        lblNext_->setText(MessageTr(refused->message.id));
        lblNext_->setAccessibleName(lblNext_->text());
        return;
    }
    const EvaluationInput& input = std::get<EvaluationInput>(read);
    showPlan({input, clock ? clock->zoneFor : ZoneForDate{}},
             QString::fromStdString(form.city).trimmed(), clock);
}

void FrmPeriods::showClock(const std::optional<PlanClock>& clock, const Date& dateOfWork) {
    QString text;
    if (clock && clock->followed == ClockFollowed::PlaceClocks) {
        text = tr("Times as %1's clocks show them (%2), daylight saving included")
                   .arg(clock->city, clock->zoneId);
    } else if (clock) {
        QString why;
        switch (clock->followed) {
            case ClockFollowed::PlaceClocks:
            case ClockFollowed::NoPlace:
                why = tr("the list of places has no place of this name");
                break;
            case ClockFollowed::SeveralPlaces:
                why = tr("several places have this name");
                break;
            case ClockFollowed::NotHere:
                why = tr("no place of this name lies at these coordinates");
                break;
            case ClockFollowed::OtherOffset:
                why = tr("%1's clocks show another offset at the time of work").arg(clock->city);
                break;
            case ClockFollowed::ZoneUnknown:
                why = tr("this computer does not know the clocks of %1").arg(clock->zoneId);
                break;
        }
        text = tr("Times in the zone you typed, %1, on every date: %2")
                   .arg(UtcText(clock->typed), why);
        if (clock->followed == ClockFollowed::OtherOffset && clock->shown) {
            // The result window's answer is then off by the difference: said first.
            const QString date =
                QLocale().toString(QDate(dateOfWork.year, dateOfWork.month, dateOfWork.day),
                                   //: Qt's date format of a date within a sentence: 11 March 2024
                                   tr("d MMMM yyyy"));
            text = tr("On %1 %2's clocks show %3; the result was computed with the zone you "
                      "typed, %4")
                       .arg(date, clock->city, UtcText(*clock->shown), UtcText(clock->typed)) +
                   u'\n' + text;
        }
    }
    lblClock_->setText(text);
    lblClock_->setAccessibleName(text);
    lblClock_->setVisible(!text.isEmpty());
}

ClockTime FrmPeriods::shown(const LocalDateTime& time, const ZoneOffset& zone) const {
    return OnWall(wall_, time, zone).time();
}

QString FrmPeriods::shownAt(const LocalDateTime& time, const ZoneOffset& zone) const {
    return AtText(OnWall(wall_, time, zone));
}

void FrmPeriods::showPlan(const Plan& plan, const QString& city,
                          const std::optional<PlanClock>& clock) {
    wall_ = clock ? clock->wall : WallReading{};
    showClock(clock, plan.at.date);
    plan_ = plan;
    const Outcome outcome = EvaluateWork(plan);
    const auto* work = std::get_if<Evaluation>(&outcome);
    QString place = city;
    if (work) {
        const QString at = CoordinateText(work->result.latitude) + QStringLiteral(", ") +
                           CoordinateText(work->result.longitude);
        place = place.isEmpty() ? at : tr("%1 (%2)").arg(place, at);
    }
    lblPlace_->setText(place);
    lblPlace_->setAccessibleName(place);
    render(plan.at.date, outcome);
    // Tall enough for every row from the first day's period to the last night's,
    // like the printed table (a window's first size would cut it at two thirds of
    // the screen), but within the screen with room for the title bar.
    QSize wanted = isVisible() ? size().expandedTo(sizeHint()) : sizeHint();
    if (const QScreen* shown = screen()) {
        wanted = wanted.boundedTo(shown->availableGeometry().size() * 9 / 10);
    }
    resize(wanted);
    tblPeriods_->setFocus(Qt::OtherFocusReason);
}

void FrmPeriods::showDate(const Date& date) { render(date, EvaluateWork(plan_.On(date))); }

void FrmPeriods::render(const Date& date, const Outcome& outcome) {
    date_ = date;
    timeOfWorkRow_ = -1;
    timeOfWorkHora_ = -1;
    const QDate shown(date.year, date.month, date.day);
    lblDay_->setText(tr("%1, %2").arg(QLocale().dayName(shown.dayOfWeek()), DateOfWorkText(date)));
    lblDay_->setAccessibleName(lblDay_->text());

    const Evaluation* work = std::get_if<Evaluation>(&outcome);
    if (work) zone_ = work->zone();

    tblPeriods_->setUpdatesEnabled(false);
    const Plan dated = plan_.On(date);
    const DayTable table = TableOfDay(dated, work);
    QString next;
    if (table.failure) next = FailureText(*table.failure);
    timeOfWorkRow_ = FillPeriods(tblPeriods_, table, work, wall_);
    showAlmanac(table, date, work);
    tblPeriods_->setUpdatesEnabled(true);
    SelectRow(tblPeriods_, timeOfWorkRow_);

    if (work) {
        showNext(dated, *work);
    } else {
        if (next.isEmpty()) next = FailureText(std::get<Failure>(outcome).message);
        lblNext_->setText(next);
        lblNext_->setAccessibleName(next);
    }
    cmdPreviousDay_->setEnabled(IsListedDate(AddDays(date, -1)));
    cmdNextDay_->setEnabled(IsListedDate(AddDays(date, 1)));
}

void FrmPeriods::showAlmanac(const DayTable& almanac, const Date& date, const Evaluation* work) {
    QString abhijit;
    if (almanac.abhijit) {
        abhijit = tr("Abhijit Muhurat: %1 to %2")
                      .arg(ClockText(shown(almanac.abhijit->start, almanac.horasZone)),
                           ClockText(shown(almanac.abhijit->end, almanac.horasZone)));
    } else if (!HasAbhijit(WeekdayOf(date))) {
        abhijit = tr("No Abhijit Muhurat on Wednesday");
    }
    lblAbhijit_->setText(abhijit);
    lblAbhijit_->setAccessibleName(abhijit);
    lblAbhijit_->setVisible(!abhijit.isEmpty());

    tblHoras_->setUpdatesEnabled(false);
    timeOfWorkHora_ = FillHoras(tblHoras_, almanac, work, wall_);
    tblHoras_->setUpdatesEnabled(true);
    SelectRow(tblHoras_, timeOfWorkHora_);
}

void FrmPeriods::showNext(const Plan& dated, const Evaluation& work) {
    const std::optional<NextPeriod> found = FindNext(dated, {Verdict::Favorable, {}});
    QString text;
    if (!found) {
        text = tr("No favorable period comes in the next eight days.");
    } else if (found->holdsTimeOfWork) {
        text = tr("The time of work lies in a favorable period: %1, until %2, %3 left.")
                   .arg(PeriodText(found->period.name), shownAt(found->period.end, found->zone),
                        WaitText(found->remainingSeconds));
    } else {
        text = tr("Next favorable period: %1, %2 to %3, starts in %4.")
                   .arg(PeriodText(found->period.name), shownAt(found->period.start, found->zone),
                        ClockText(shown(found->period.end, found->zone)),
                        WaitText(found->period.start - work.WorkTime));
    }
    // The almanac's marks spoil a period whatever its name: then the next favorable
    // period that carries none is named too.
    if (found && !found->marks.Empty()) {
        text += u' ' + tr("It falls in %1.").arg(MarksText(found->marks));
        PeriodWanted clear{Verdict::Favorable, {}};
        clear.clear = true;
        if (const auto unmarked = FindNext(dated, clear)) {
            text += u' ' + tr("Next favorable period without a mark: %1, %2 to %3, starts in %4.")
                               .arg(PeriodText(unmarked->period.name),
                                    shownAt(unmarked->period.start, unmarked->zone),
                                    ClockText(shown(unmarked->period.end, unmarked->zone)),
                                    WaitText(unmarked->period.start - work.WorkTime));
        } else {
            text += u' ' + tr("No favorable period without a mark comes in the next eight days.");
        }
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

// Today on the clock the window follows.
void FrmPeriods::cmdToday_Click() {
    const LocalDateTime now = NowIn(clock_, zone_);
    const Date today = OnWall(wall_, now, zone_).date();
    if (IsListedDate(today)) showDate(today);
}

void FrmPeriods::cmdPrint_Click() {
    PrintPeriods(this, plan_, date_, wall_, PrintTarget::Printer, print_, boxes_);
}

void FrmPeriods::cmdSavePdf_Click() {
    PrintPeriods(this, plan_, date_, wall_, PrintTarget::Pdf, print_, boxes_);
}

void FrmPeriods::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace velnora
