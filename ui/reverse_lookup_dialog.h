// ReverseLookupDialog: the "Thelemic Date Look up" window, a thin shell over the reverse lookup.
#pragma once

#include <functional>

#include <QDialog>

#include "core/observer.h"
#include "lookup/reverse_lookup.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace hx::ui {

class ReverseLookupDialog : public QDialog {
    Q_OBJECT

  public:
    using SearchFn = std::function<lookup::Result(const lookup::Query&, const lookup::SiteClock&)>;

    explicit ReverseLookupDialog(QWidget* parent = nullptr);

    // The site whose TimeZone the next "Find" uses; the main window sets it before showing.
    void setObserver(const Observer& observer) { observer_ = observer; }
    const Observer& observer() const { return observer_; }
    // Test seam: replaces the search (the ephemeris scan by default).
    void setSearch(SearchFn search) { search_ = std::move(search); }

  public slots:
    void onFindClicked();   // "Find"
    void onCloseClicked();  // "Close"

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    lookup::Query CurrentQuery() const;

    Observer observer_;
    SearchFn search_;

    QWidget* queryPanel;
    QLabel* docosadeLabel;
    QComboBox* docosadeBox;
    QLabel* yearLabel;
    QComboBox* yearBox;
    QLabel* degreesLabel;
    QLabel* solarLabel;
    QComboBox* solarSignBox;
    QLineEdit* solarDegreeEdit;
    QLabel* solarDegreeLabel;
    QLabel* lunarLabel;
    QComboBox* lunarSignBox;
    QLineEdit* lunarDegreeEdit;
    QLabel* lunarDegreeLabel;
    QPushButton* findButton;
    QPushButton* closeButton;
    QPlainTextEdit* results;
};

}  // namespace hx::ui
