// A lookup page's pick list of places.
#include "place_choices.h"

#include <algorithm>

#include <QLabel>
#include <QLocale>
#include <QTreeWidget>

#include "locale/own_service.h"

namespace hx::ui {

namespace {
constexpr size_t kMaxChoices = 12;
}  // namespace

void PlaceChoices::Show(const places::PlaceSearch& search) {
    shown_.assign(
        search.matches.begin(),
        search.matches.begin() + std::ptrdiff_t(std::min(kMaxChoices, search.matches.size())));
    list_->clear();
    const QLocale locale = QLocale::system();
    for (size_t i = 0; i < shown_.size(); ++i) {
        const places::Place& p = shown_[i];
        // The English name, with the name the query matched beside it when that was another.
        const QString name =
            p.matchedName.isEmpty() ? p.name : QStringLiteral("%1 (%2)").arg(p.name, p.matchedName);
        auto* item = new QTreeWidgetItem(
            {name, p.region, p.country, p.population ? locale.toString(p.population) : ""});
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, Qt::UserRole, int(i));
        list_->addTopLevelItem(item);
    }
    for (int column = 0; column < 4; ++column) list_->resizeColumnToContents(column);
    label_->show();
    list_->show();
    list_->setCurrentItem(list_->topLevelItem(0));
    list_->setFocus();
}

void PlaceChoices::Hide() {
    label_->hide();
    list_->hide();
}

std::optional<places::Place> PlaceChoices::Pick(const QTreeWidgetItem* item) {
    if (list_->isHidden()) return std::nullopt;
    const int i = item ? item->data(0, Qt::UserRole).toInt() : -1;
    if (i < 0 || size_t(i) >= shown_.size()) return std::nullopt;
    picked_ = shown_[size_t(i)];
    Hide();
    return picked_;
}

places::PlaceSearch PlaceChoices::Search(const QString& query) {
    std::optional<places::Place> picked;
    picked.swap(picked_);
    if (picked && places::DisplayName(*picked) == query) return Picked(*picked);
    return places::FindPlace(query);
}

}  // namespace hx::ui
