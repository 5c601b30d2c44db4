// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain: the input window. Loading fills the date and time lists and starts
// every field empty. Typed characters pass the keystroke filters; "TZ Help"
// opens the catalogue, which writes the zone fields; "&Proceed" reads the form
// into FormValues, evaluates it and either reports the first failure (message
// box, then focus) or hands the sixteen result texts on through `evaluated`.
// The "&Plan" entries make the same check and then ask for the periods window or
// a calendar file of the form's values.
// Closing the window unloads it and discards its values.
#pragma once

#include <optional>

#include "forms/coordinate_lookup.h"
#include "forms/frm_time_zone.h"
#include "forms/menus.h"
#include "ui/message_boxes.h"
#include "ui/window_slot.h"
#include "workflow/evaluation.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace velnora {

class LinkLabel;

class FrmMain : public MenuWindow {
    Q_OBJECT
public:
    FrmMain(MessageBoxes& boxes, CoordinateLookupFactory lookup, QWidget* parent = nullptr);

    // The form's values as the workflow reads them.
    FormValues values() const;

Q_SIGNALS:
    void evaluated(const velnora::EvaluationResult& result, const velnora::FormValues& form);

private:
    void buildInputFrame(QWidget* frame);
    void Form_Load();
    // The one check of "&Proceed": the result, or the first failure reported.
    std::optional<EvaluationResult> Proceed();
    void cmdRashi_Click();
    // The values of the "&Plan" entries: those that pass Proceed's check.
    std::optional<FormValues> PlanForm();
    void cmdBrowser_Click();
    void lblTZHelp_Click();
    void report(const Message& message);
    QWidget* field(Field which) const;

    MessageBoxes& boxes_;
    CoordinateLookupFactory lookup_;
    WindowSlot<FrmTimeZone> catalogue_;

    QWidget* Frame2_ = nullptr;
    QWidget* fraZone_ = nullptr;
    LinkLabel* lblTZHelp_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHour_ = nullptr;
    QComboBox* cboMinute_ = nullptr;
    QComboBox* cboSecond_ = nullptr;
    QLineEdit* txtZoneHour_ = nullptr;
    QLineEdit* txtZoneMinute_ = nullptr;
    QLineEdit* txtLatD_ = nullptr;
    QLineEdit* txtLatM_ = nullptr;
    QRadioButton* optLat_[2] = {};
    QLineEdit* txtLonD_ = nullptr;
    QLineEdit* txtLonM_ = nullptr;
    QRadioButton* optLong_[2] = {};
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
};

}  // namespace velnora
