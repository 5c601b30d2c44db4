// SPDX-License-Identifier: GPL-3.0-or-later
// frmTimeZone: the modal catalogue of named time zones. Loading fills the list
// from kTimeZones; a double-click reports the chosen zone through zoneChosen and
// closes; Quit, Enter and Escape close without a choice. Closing unloads the
// window, so each opening starts with the full list and no selection.
#pragma once

#include <QDialog>

#include "core/zone_offset.h"

class QListWidget;
class QPushButton;

namespace velnora {

class FrmTimeZone : public QDialog {
    Q_OBJECT
public:
    explicit FrmTimeZone(QWidget* parent = nullptr);

Q_SIGNALS:
    void zoneChosen(const velnora::ZoneOffset& zone);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lstTimeZone_DblClick();

    QListWidget* lstTimeZone_;
    QPushButton* cmdQuit_;
};

}  // namespace velnora
