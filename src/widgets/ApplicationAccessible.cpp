#include "widgets/ApplicationAccessible.h"

#include <QAccessibleObject>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include <algorithm>

namespace suite {

namespace {

// A menu opened from a menu bar or another menu is reached through that item.
bool reachedThroughItem(const QMenu& menu)
{
    const QObjectList owners = menu.menuAction()->associatedObjects();
    return std::any_of(owners.begin(), owners.end(), [](const QObject* owner) {
        return qobject_cast<const QMenuBar*>(owner) || qobject_cast<const QMenu*>(owner);
    });
}

// The application's top-level windows as Qt's own view lists them (pop-ups and the desktop
// left out), followed by the open menus nothing else leads to.
QObjectList topLevelObjects()
{
    QObjectList windows;
    QObjectList menus;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->type() == Qt::Desktop)
            continue;
        const QAccessibleInterface* root = window->accessibleRoot();
        if (!root || !root->object())
            continue;
        if (window->type() != Qt::Popup) {
            windows.append(root->object());
        } else if (const auto* menu = qobject_cast<const QMenu*>(root->object());
                   menu && menu->isVisible() && !reachedThroughItem(*menu)) {
            menus.append(root->object());
        }
    }
    return windows + menus;
}

class ApplicationAccessible final : public QAccessibleObject {
public:
    ApplicationAccessible()
        : QAccessibleObject(qApp)
    {
    }

    QWindow* window() const override { return nullptr; }
    int childCount() const override { return int(topLevelObjects().size()); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(topLevelObjects().indexOf(child->object())) : -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const QWindow* window = QGuiApplication::focusWindow();
        return window ? window->accessibleRoot() : nullptr;
    }
    QAccessibleInterface* parent() const override { return nullptr; }
    QAccessibleInterface* child(int index) const override
    {
        const QObjectList children = topLevelObjects();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QGuiApplication::applicationName();
        if (t == QAccessible::Description)
            return QGuiApplication::applicationFilePath();
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::Application; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* makeAccessible(const QString&, QObject* object)
{
    if (object && object == qApp)
        return new ApplicationAccessible;
    return nullptr;
}

} // namespace

void installApplicationAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(makeAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace suite
