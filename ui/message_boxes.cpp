// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message_boxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

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

void ShowMessage(MessageBoxes& boxes, QWidget* parent, MessageId id, const QString& argument) {
    boxes.show(parent, MessageTr(id).arg(argument), MessageIcon(id));
}

bool AskMessage(MessageBoxes& boxes, QWidget* parent, MessageId id) {
    return boxes.ask(parent, MessageTr(id), MessageIcon(id));
}

void QtMessageBoxes::show(QWidget* parent, const QString& text, Icon icon) {
    QMessageBox box(BoxIcon(icon), QStringLiteral("Velnora"), text, QMessageBox::Ok, parent);
    // Qt carries no translation of its buttons for every language the windows speak.
    box.button(QMessageBox::Ok)
        ->setText(QCoreApplication::translate("velnora::MessageBoxes", "OK"));
    box.exec();
}

bool QtMessageBoxes::ask(QWidget* parent, const QString& text, Icon icon) {
    QMessageBox box(BoxIcon(icon), QStringLiteral("Velnora"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("velnora::MessageBoxes", "&Yes"));
    box.button(QMessageBox::No)
        ->setText(QCoreApplication::translate("velnora::MessageBoxes", "&No"));
    return box.exec() == QMessageBox::Yes;
}

}  // namespace velnora
