// SPDX-License-Identifier: MIT
#include "remote/PanelKeyAccessible.h"

#include "remote/CBitmapButton.h"
#include "remote/CHoldButton.h"
#include "remote/CToggleButton.h"
#include "remote/RemoteControlTable.h"

#include <QAccessibleWidget>

namespace {
// QAccessibleWidget is its own action interface.
class PanelKeyInterface : public QAccessibleWidget
{
public:
    explicit PanelKeyInterface(QWidget *key)
        : QAccessibleWidget(key, roleOf(key))
    {}

    // A latching key is read as a check box, or as a radio button in a group where one is always
    // chosen (rotation, resolution or RGB input); the others are buttons.
    static QAccessible::Role roleOf(const QWidget *key)
    {
        const auto *toggle = qobject_cast<const CToggleButton *>(key);
        if (!toggle)
            return QAccessible::Button;
        const int id = toggle->controlId();
        return RemoteControl::RotationGroup.contains(id) || RemoteControl::SourceGroup.contains(id)
                   ? QAccessible::RadioButton
                   : QAccessible::CheckBox;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const auto *toggle = qobject_cast<const CToggleButton *>(widget())) {
            state.checkable = true;
            state.checked = toggle->isOn();
            state.pressed = toggle->pressed() != 0;
        } else if (const auto *hold = qobject_cast<const CHoldButton *>(widget())) {
            state.pressed = hold->pressed() == 1;
        } else if (const auto *push = qobject_cast<const CBitmapButton *>(widget())) {
            state.pressed = push->isDown();
        }
        return state;
    }

    // A held key has no one-shot action: its motion needs a press and a release, which its
    // keyboard key gives.
    QStringList actionNames() const override
    {
        if (qobject_cast<const CToggleButton *>(widget()))
            return {toggleAction()};
        if (qobject_cast<const CBitmapButton *>(widget()))
            return {pressAction()};
        return {};
    }

    void doAction(const QString &name) override
    {
        if (!widget()->isEnabled())
            return;
        if (auto *toggle = qobject_cast<CToggleButton *>(widget());
            toggle && name == toggleAction())
            toggle->clickByKey();
        else if (auto *push = qobject_cast<CBitmapButton *>(widget());
                 push && name == pressAction())
            push->click();
    }

    QStringList keyBindingsForAction(const QString &) const override
    {
        return {widget()->accessibleDescription()};
    }
};

QAccessibleInterface *panelKeyFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("CToggleButton") || className == QLatin1String("CHoldButton") ||
        className == QLatin1String("CBitmapButton"))
        return new PanelKeyInterface(static_cast<QWidget *>(object));
    return nullptr;
}
} // namespace

void installPanelKeyAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(panelKeyFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void announceKeyState(QWidget *key)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(key, changed);
    QAccessible::updateAccessibility(&event);
}
