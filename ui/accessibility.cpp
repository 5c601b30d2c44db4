// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace velnora {

namespace {

// Marks the list's current entry in its list of entries.
void MarkCurrent(QComboBox* list, QAbstractItemView* entries) {
    entries->setCurrentIndex(list->model()->index(list->currentIndex(), list->modelColumn()));
}

// The list's entries as a view with the current entry marked. The view is made
// on first use (the popup, a screen reader's first look), not with the list.
QAbstractItemView* Entries(QComboBox* list) {
    QAbstractItemView* entries = list->view();
    MarkCurrent(list, entries);
    return entries;
}

// A pick-only list whose name is its accessible name; its value is the current
// entry and its one child the list of entries, as the toolkit's own list has.
class NamedListAccessible : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(Entries(list())) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == Entries(list()) ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (Entries(list())->isVisible()) {
            list()->hidePopup();
        } else {
            list()->showPopup();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

// Asked for each class of the object from the most derived up, before the
// toolkit's own factory; nullptr leaves the class to the toolkit.
QAccessibleInterface* Roles(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QComboBox")) {
        auto* list = static_cast<QComboBox*>(widget);
        if (list->isEditable() || list->accessibleName().isEmpty()) return nullptr;
        return new NamedListAccessible(list);
    }
    if (className == QLatin1String("QFrame")) {
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    }
    if (className == QLatin1String("QWidget") && widget->isWindow()) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleRoles() { QAccessible::installFactory(Roles); }

void NameList(QComboBox* list, const QString& name) {
    list->setAccessibleName(name);
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list] {
        if (auto* entries = list->findChild<QAbstractItemView*>()) MarkCurrent(list, entries);
    });
}

}  // namespace velnora
