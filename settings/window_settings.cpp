// The main window's components in visiting order, restored from and saved to heliodex.ini.
#include "window_settings.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

#include "settings/textfile.h"

namespace hx {

namespace {

std::vector<PersistentComponent*> InVisitingOrder(std::vector<PersistentComponent*> list) {
    static const std::unordered_map<QString, int> index = [] {
        std::unordered_map<QString, int> m;
        for (int i = 0; i < VisitingOrder().size(); ++i) m.emplace(VisitingOrder()[i], i);
        return m;
    }();
    const auto rank = [](const PersistentComponent* c) {
        const auto it = index.find(c->name());
        return it == index.end() ? INT_MAX : it->second;
    };
    std::erase(list, nullptr);
    std::stable_sort(list.begin(), list.end(), [&](auto* a, auto* b) { return rank(a) < rank(b); });
    return list;
}

}  // namespace

std::vector<std::unique_ptr<PersistentComponent>> MenuComponents(OptionsModel& model) {
    std::vector<std::unique_ptr<PersistentComponent>> out;
    for (const MenuItemDef& d : MenuItems())
        out.push_back(std::make_unique<MenuItemComponent>(model, QString::fromLatin1(d.name)));
    return out;
}

std::vector<FieldComponent> LocaleFields() {
    std::vector<FieldComponent> out;
    for (int i = 0; i < int(SiteField::Count); ++i) {
        const auto f = SiteField(i);
        out.emplace_back(StoredName(f), SiteFieldKind(f), SiteFieldDesignText(f));
    }
    return out;
}

ComponentKind SiteFieldKind(SiteField f) {
    switch (f) {
        case SiteField::North:
        case SiteField::West:
        case SiteField::DaylightTime:
            return ComponentKind::CheckBox;
        default:
            return ComponentKind::EditBox;
    }
}

QString SiteFieldDesignText(SiteField f) {
    switch (f) {
        case SiteField::LookUpQuery:
        case SiteField::AlternateQuery:
            return QStringLiteral("55413");
        case SiteField::ClockResolution:
            return QStringLiteral("10");
        default:
            return {};
    }
}

const QStringList& VisitingOrder() {
    static const QStringList order = [] {
        QStringList names;
        for (const FieldComponent& f : LocaleFields()) names << f.name();
        for (const MenuItemDef& d : MenuItems()) names << QString::fromLatin1(d.name);
        return names;
    }();
    return order;
}

QString WindowSection(ComponentKind kind) {
    switch (kind) {
        case ComponentKind::MenuItem:
            return StoredName(Section::Menu);
        case ComponentKind::EditBox:
        case ComponentKind::CheckBox:
            return StoredName(Section::Locale);
        case ComponentKind::Other:
            break;
    }
    return {};
}

void RestoreWindowComponents(const TExtIniF& store,
                             const std::vector<PersistentComponent*>& components) {
    const IniDocument doc = store.Document();
    for (PersistentComponent* c : InVisitingOrder(components)) {
        const QString section = WindowSection(c->kind());
        if (!section.isEmpty()) LoadComponent(doc, *c, section);
    }
}

void SaveWindowComponents(TExtIniF& store, const std::vector<PersistentComponent*>& components) {
    const auto ordered = InVisitingOrder(components);
    store.Modify([&](IniDocument& doc) {
        for (const PersistentComponent* c : ordered) {
            const QString section = WindowSection(c->kind());
            if (!section.isEmpty()) SaveComponent(doc, *c, section);
        }
    });
}

QString SettingsFilePath() {
    return files::ProgramFile(StoredName(StateFile::Settings));
}

}  // namespace hx
