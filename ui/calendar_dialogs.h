// SPDX-License-Identifier: GPL-3.0-or-later
// The two questions "Add to Calendar..." asks before it writes: how many days,
// and into which file. Behind a seam like the message boxes, so that tests
// answer them without a modal dialog.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace velnora {

inline constexpr int kCalendarDefaultDays = 30;
inline constexpr int kCalendarMaxDays = 366;

class CalendarDialogs {
public:
    virtual ~CalendarDialogs() = default;
    // A number of days from 1 to kCalendarMaxDays; empty when the user cancels.
    virtual std::optional<int> askDays(QWidget* parent) = 0;
    // Whether to leave out the periods that carry an almanac mark (Rahu Kaal,
    // Kaal Vela ...); empty when the user cancels.
    virtual std::optional<bool> askLeaveOutMarked(QWidget* parent) = 0;
    // The path of the calendar file to write; empty when the user cancels.
    virtual QString askFile(QWidget* parent) = 0;
};

// The real thing: QInputDialog and a QFileDialog that saves with the .ics suffix.
class QtCalendarDialogs final : public CalendarDialogs {
public:
    std::optional<int> askDays(QWidget* parent) override;
    std::optional<bool> askLeaveOutMarked(QWidget* parent) override;
    QString askFile(QWidget* parent) override;
};

}  // namespace velnora
