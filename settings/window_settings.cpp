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
    using K = ComponentKind;
    return {
        {"Edit11", K::EditBox, "55413"}, {"Edit3", K::EditBox},          {"Edit2", K::EditBox},
        {"CheckBox1", K::CheckBox},      {"CheckBox2", K::CheckBox},     {"Edit5", K::EditBox},
        {"Edit4", K::EditBox},           {"Edit6", K::EditBox},          {"CheckBox3", K::CheckBox},
        {"Edit12", K::EditBox, "10"},    {"Edit7", K::EditBox},          {"Edit9", K::EditBox},
        {"Edit8", K::EditBox},           {"Edit10", K::EditBox, "55413"}};
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
            return QStringLiteral("Menu");
        case ComponentKind::EditBox:
        case ComponentKind::CheckBox:
            return QStringLiteral("Locale");
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
    return files::ProgramFile(QStringLiteral("heliodex.ini"));
}

}  // namespace hx
