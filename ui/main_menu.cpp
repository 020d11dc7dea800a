// Building the menus from the model table.
#include "main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace hx::ui {

namespace {
bool CanCarryMark(const MenuItemDef& d) {
    using C = MenuCommand;
    return d.radio || d.checked || d.command == C::DisplayOption || d.command == C::MoonPicture ||
           d.command == C::Clock || d.command == C::Refresh || d.command == C::InternetSwitch;
}
}  // namespace

MenuActions BuildMenus(QMenuBar* bar, QObject* owner,
                       const std::function<void(const QString&)>& onClick) {
    MenuActions m;
    m.trayMenu = new QMenu;
    m.trayMenu->setParent(qobject_cast<QWidget*>(owner), Qt::Popup);
    m.trayMenu->setObjectName(kTrayMenu);
    QSet<QString> parents;
    for (const MenuItemDef& d : MenuItems()) parents.insert(QString::fromLatin1(d.parent));

    QHash<QString, QMenu*> submenus;
    QHash<QString, QActionGroup*> groups;  // by parent and group number
    for (const MenuItemDef& d : MenuItems()) {
        const QString name = QString::fromLatin1(d.name);
        const QString parent = QString::fromLatin1(d.parent);
        const QString caption = QString::fromLatin1(d.caption);
        QAction* a = nullptr;
        if (parents.contains(name)) {
            QMenu* sub = nullptr;
            if (parent.isEmpty())
                sub = bar->addMenu(caption);
            else
                sub = submenus.value(parent)->addMenu(caption);
            submenus.insert(name, sub);
            a = sub->menuAction();
        } else {
            QMenu* into = parent == QLatin1String(kTrayMenu) ? m.trayMenu : submenus.value(parent);
            if (into)
                a = into->addAction(caption);
            else
                a = bar->addAction(caption);
            QObject::connect(a, &QAction::triggered, owner, [onClick, name] { onClick(name); });
        }
        a->setObjectName(name);
        m.byName.insert(name, a);
        // A radio group is an exclusive action group, which menus draw with radio marks; it
        // may be left with none checked, as a restored settings file can leave it.
        if (d.radio) {
            const QString key = parent + u'/' + QString::number(d.group);
            QActionGroup*& group = groups[key];
            if (!group) {
                group = new QActionGroup(owner);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            group->addAction(a);
        }
    }
    if (QMenu* edit = submenus.value(StoredName(Option::EditMenu))) {
        m.editDateToClipboard = edit->addAction(QStringLiteral("Date to Clipboard"));
        m.editDateToClipboard->setObjectName(QStringLiteral("DatetoClipboard2"));
        QObject::connect(m.editDateToClipboard, &QAction::triggered, owner,
                         [onClick] { onClick(StoredName(Option::DateToClipboard)); });
    }
    if (QMenu* options = submenus.value(StoredName(Option::OptionsMenu))) {
        m.startWithDesktop = options->addAction(QStringLiteral("Start with the Desktop"));
        m.startWithDesktop->setObjectName(QStringLiteral("StartwiththeDesktop1"));
        m.startWithDesktop->setCheckable(true);
    }
    return m;
}

void SyncChecks(const MenuActions& menus, const OptionsModel& options) {
    for (const MenuItemDef& d : MenuItems()) {
        QAction* a = menus.byName.value(QString::fromLatin1(d.name));
        if (!a || a->menu()) continue;
        const bool on = options.Checked(QString::fromLatin1(d.name));
        a->setCheckable(on || CanCarryMark(d));
        a->setChecked(on);
    }
}

}  // namespace hx::ui
