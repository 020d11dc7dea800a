// TForm2: the "Thelemic Date Look up" window, a thin shell over the reverse lookup.
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

class TForm2 : public QDialog {
    Q_OBJECT

  public:
    using SearchFn = std::function<lookup::Result(const lookup::Query&, const lookup::SiteClock&)>;

    explicit TForm2(QWidget* parent = nullptr);

    // The site whose TimeZone the next "Find" uses; the main window sets it before showing.
    void setObserver(const Observer& observer) { observer_ = observer; }
    const Observer& observer() const { return observer_; }
    // Test seam: replaces the search (the ephemeris scan by default).
    void setSearch(SearchFn search) { search_ = std::move(search); }

  public slots:
    void Button2Click();  // "Find"
    void Button1Click();  // "Close"

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    lookup::Query CurrentQuery() const;

    Observer observer_;
    SearchFn search_;

    QWidget* Panel3;
    QComboBox* ComboBox3;
    QComboBox* ComboBox4;
    QLabel* Label6;
    QLabel* Label4;
    QComboBox* ComboBox1;
    QLineEdit* Edit5;
    QLabel* Label5;
    QComboBox* ComboBox2;
    QLineEdit* Edit6;
    QPushButton* Button2;
    QPushButton* Button1;
    QPlainTextEdit* Memo1;
};

}  // namespace hx::ui
