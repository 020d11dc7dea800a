// A lookup page's pick list: the places a query matched when it named no single one. A place
// picked is kept, and the next search for its "City, Region, Country" answers with it alone.
#pragma once

#include <optional>
#include <vector>

#include "locale/place_search.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace hx::ui {

class PlaceChoices {
  public:
    PlaceChoices(QTreeWidget* list, QLabel* label) : list_(list), label_(label) {}

    // The first matches of search, the best one current: Enter takes it, the arrows move.
    void Show(const places::PlaceSearch& search);
    // Hidden, not cleared: the items may be in the middle of their own click.
    void Hide();
    // The place of a clicked or activated item, kept for the next Search and the list hidden;
    // none when the list is hidden already (a click and the activation it brings pick once).
    std::optional<places::Place> Pick(const QTreeWidgetItem* item);
    // The search of a built-in lookup: the picked place (used up) when the query is its name,
    // else the gazetteer's answer.
    places::PlaceSearch Search(const QString& query);

  private:
    QTreeWidget* list_;
    QLabel* label_;
    std::vector<places::Place> shown_;     // the places of the list's items, in their order
    std::optional<places::Place> picked_;  // picked, not yet looked up
};

}  // namespace hx::ui
