// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message_boxes.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace velnora {

namespace {

QMessageBox::Icon BoxIcon(Icon icon) {
    return icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

}  // namespace

QString MessageTr(MessageId id) {
    return QCoreApplication::translate("Messages", MessageText(id).data());
}

void ShowMessage(MessageBoxes& boxes, QWidget* parent, MessageId id) {
    boxes.show(parent, MessageTr(id), MessageIcon(id));
}

bool AskMessage(MessageBoxes& boxes, QWidget* parent, MessageId id) {
    return boxes.ask(parent, MessageTr(id), MessageIcon(id));
}

void QtMessageBoxes::show(QWidget* parent, const QString& text, Icon icon) {
    QMessageBox box(BoxIcon(icon), QStringLiteral("Velnora"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtMessageBoxes::ask(QWidget* parent, const QString& text, Icon icon) {
    QMessageBox box(BoxIcon(icon), QStringLiteral("Velnora"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace velnora
