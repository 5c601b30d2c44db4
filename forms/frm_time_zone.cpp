// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/frm_time_zone.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "forms/time_zones.h"
#include "ui/look.h"
#include "ui/text_fit.h"

namespace velnora {

FrmTimeZone::FrmTimeZone(QWidget* parent)
    : QDialog(parent), lstTimeZone_(new QListWidget(this)), cmdQuit_(new QPushButton(this)) {
    setObjectName(QStringLiteral("frmTimeZone"));
    setWindowTitle(QStringLiteral("Velnora v1.05"));
    const Twips twips = Twips::For(this);
    setFixedSize(twips.px(4950), twips.px(3480));

    const QFont bold = Verdana(8.25, true);
    lstTimeZone_->setObjectName(QStringLiteral("lstTimeZone"));
    lstTimeZone_->setAccessibleName(tr("Time Zones"));
    lstTimeZone_->setFont(bold);
    lstTimeZone_->setSelectionMode(QAbstractItemView::SingleSelection);
    twips.place(lstTimeZone_, 0, 0, 4935, 3150);
    for (const TimeZoneEntry& zone : kTimeZones) {
        lstTimeZone_->addItem(tr(zone.text.data()));
    }
    lstTimeZone_->viewport()->installEventFilter(this);
    lstTimeZone_->installEventFilter(this);

    cmdQuit_->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit_->setText(tr("&Quit"));
    cmdQuit_->setAccessibleName(CaptionText(cmdQuit_->text()));
    cmdQuit_->setFont(bold);
    cmdQuit_->setDefault(true);
    twips.place(cmdQuit_, 0, 3480 - 345, 4935, 345);
    connect(cmdQuit_, &QPushButton::clicked, this, &FrmTimeZone::reject);
    FitTexts(this);
}

// The list reports a double-click anywhere in it, on an entry or not; the first
// click of the pair has already made the selection. Enter and Escape stay with
// Quit, so a keyboard user chooses the entry under the cursor with Space.
bool FrmTimeZone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstTimeZone_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        lstTimeZone_DblClick();
        return true;
    }
    if (watched == lstTimeZone_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && lstTimeZone_->currentItem()) {
        lstTimeZone_->currentItem()->setSelected(true);
        lstTimeZone_DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmTimeZone::lstTimeZone_DblClick() {
    const QList<QListWidgetItem*> selected = lstTimeZone_->selectedItems();
    const int position = selected.isEmpty() ? -1 : lstTimeZone_->row(selected.first());
    if (position >= 0 && position < static_cast<int>(kTimeZones.size())) {
        Q_EMIT zoneChosen(kTimeZones[static_cast<std::size_t>(position)].zone);
    }
    accept();
}

}  // namespace velnora
