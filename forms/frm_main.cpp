// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/frm_main.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "forms/frm_time_zone.h"
#include "forms/result_texts.h"
#include "ui/addresses.h"
#include "ui/link_label.h"
#include "ui/look.h"
#include "workflow/validation.h"

namespace velnora {

void FrmMain::Form_Load() {
    // Each list is filled at once: one insertion, not one for each entry.
    QStringList months;
    for (int month = 1; month <= kMonthsInList; ++month) months << MonthText(month);
    cboMonth_->addItems(months);
    auto fill = [](QComboBox* list, int first, int last) {
        QStringList numbers;
        for (int n = first; n <= last; ++n) numbers << QString::number(n);
        list->addItems(numbers);
    };
    fill(cboDate_, 1, kDaysInList);
    fill(cboYear_, kFirstYear, kLastYear);
    fill(cboHour_, 0, 23);
    fill(cboMinute_, 0, 59);
    fill(cboSecond_, 0, 59);
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHour_, cboMinute_, cboSecond_}) {
        list->setCurrentIndex(0);
    }
}

FormValues FrmMain::values() const {
    FormValues v;
    v.name = txtName_->text().toStdString();
    v.month = cboMonth_->currentIndex();
    v.day = cboDate_->currentIndex();
    v.year = cboYear_->currentIndex();
    v.hour = cboHour_->currentIndex();
    v.minute = cboMinute_->currentIndex();
    v.second = cboSecond_->currentIndex();
    v.latDegrees = txtLatD_->text().toStdString();
    v.latMinutes = txtLatM_->text().toStdString();
    v.south = optLat_[1]->isChecked();
    v.lonDegrees = txtLonD_->text().toStdString();
    v.lonMinutes = txtLonM_->text().toStdString();
    v.east = optLong_[0]->isChecked();
    v.zoneHour = txtZoneHour_->text().toStdString();
    v.zoneMinute = txtZoneMinute_->text().toStdString();
    v.city = txtMCity_->text().toStdString();
    v.state = txtMState_->text().toStdString();
    v.country = txtMCountry_->text().toStdString();
    return v;
}

std::optional<EvaluationResult> FrmMain::Proceed() {
    const Outcome outcome = Evaluate(values());
    if (const auto* failure = std::get_if<Failure>(&outcome)) {
        report(failure->message);
        return std::nullopt;
    }
    return std::get<Evaluation>(outcome).result;
}

void FrmMain::cmdRashi_Click() {
    if (const auto result = Proceed()) Q_EMIT evaluated(*result, values());
}

// The plan entries check the form as Proceed does and leave this window as it is.
std::optional<FormValues> FrmMain::PlanForm() {
    if (!Proceed()) return std::nullopt;
    return values();
}

void FrmMain::cmdBrowser_Click() {
    const FormValues form = values();
    if (const auto refusal = ValidateLookup(form)) {
        report(*refusal);
        return;
    }
    if (!lookup_) return;
    if (const std::unique_ptr<CoordinateLookup> lookup = lookup_()) {
        // The first of the month: the day typed may not exist (31 February).
        lookup->Lookup(QString::fromStdString(LookupSearchText(form)),
                       QString::fromLatin1(address::kProgramHomePage),
                       {QDate(kFirstYear + form.year, form.month + 1, 1), this});
    }
}

// The catalogue opens beside the link, below the zone frame, and keeps the rest
// of the program from input until it closes.
void FrmMain::lblTZHelp_Click() {
    FrmTimeZone* catalogue = catalogue_.make(this);
    catalogue->setWindowModality(Qt::ApplicationModal);
    connect(catalogue, &FrmTimeZone::zoneChosen, this, [this](const ZoneOffset& zone) {
        // The minutes as the catalogue keeps them, with the hour's sign: "-5", "-30".
        txtZoneHour_->setText(QString::number(zone.hours));
        txtZoneMinute_->setText(QString::number(zone.minutes));
    });
    const Twips twips = Twips::For(this);
    const QPoint origin = frameGeometry().topLeft();
    const int left = origin.x() + fraZone_->x() + lblTZHelp_->x() + lblTZHelp_->width();
    const int top = origin.y() + Frame2_->y() + Frame2_->height() + fraZone_->y() +
                    lblTZHelp_->y() + lblTZHelp_->height() + twips.px(600);
    catalogue->move(left, top);
    catalogue->show();
}

void FrmMain::report(const Message& message) {
    if (message.date) {
        ShowMessage(boxes_, this, message.id, SunTimeText(LocalDateTime::From(*message.date, {})));
    } else {
        ShowMessage(boxes_, this, message.id);
    }
    if (QWidget* target = field(message.focus)) target->setFocus(Qt::OtherFocusReason);
}

QWidget* FrmMain::field(Field which) const {
    switch (which) {
        case Field::None:
            return nullptr;
        case Field::txtName:
            return txtName_;
        case Field::txtLonD:
            return txtLonD_;
        case Field::txtLonM:
            return txtLonM_;
        case Field::txtLatD:
            return txtLatD_;
        case Field::txtLatM:
            return txtLatM_;
        case Field::txtZoneHour:
            return txtZoneHour_;
        case Field::txtZoneMinute:
            return txtZoneMinute_;
        case Field::txtMCity:
            return txtMCity_;
        case Field::txtMState:
            return txtMState_;
        case Field::txtMCountry:
            return txtMCountry_;
    }
    return nullptr;
}

}  // namespace velnora
