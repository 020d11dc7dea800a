// MainWindow's pick list of places, and the first start's site from the machine's time zone.
#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTimeZone>
#include <QTreeWidget>

#include "closed_browser.h"
#include "core/clock.h"
#include "locale/own_service.h"
#include "main_window.h"
#include "site_editor.h"

namespace hx::ui {

namespace {
constexpr size_t kMaxChoices = 12;
}  // namespace

void MainWindow::ShowPlaceChoices(LookupPage& page, const places::PlaceSearch& search) {
    std::vector<places::Place>& kept = &page == &lookUp_ ? weatherChoices_ : gazetteerChoices_;
    kept.assign(
        search.matches.begin(),
        search.matches.begin() + std::ptrdiff_t(std::min(kMaxChoices, search.matches.size())));
    page.choices->clear();
    const QLocale locale = QLocale::system();
    for (size_t i = 0; i < kept.size(); ++i) {
        const places::Place& p = kept[i];
        // The English name, with the name the query matched beside it when that was another.
        const QString name =
            p.matchedName.isEmpty() ? p.name : QStringLiteral("%1 (%2)").arg(p.name, p.matchedName);
        auto* item = new QTreeWidgetItem(
            {name, p.region, p.country, p.population ? locale.toString(p.population) : ""});
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, Qt::UserRole, int(i));
        page.choices->addTopLevelItem(item);
    }
    for (int column = 0; column < 4; ++column) page.choices->resizeColumnToContents(column);
    page.choicesLabel->show();
    page.choices->show();
    // Enter takes the best match; the arrows move to another.
    page.choices->setCurrentItem(page.choices->topLevelItem(0));
    page.choices->setFocus();
}

void MainWindow::HidePlaceChoices(LookupPage& page) {
    // Hidden, not cleared: the items may be in the middle of their own click.
    page.choicesLabel->hide();
    page.choices->hide();
}

void MainWindow::onPlaceChoiceClicked(bool weather, QTreeWidgetItem* item) {
    LookupPage& page = weather ? lookUp_ : alternate_;
    const std::vector<places::Place>& kept = weather ? weatherChoices_ : gazetteerChoices_;
    // A click and the activation it may bring pick once.
    if (page.choices->isHidden() || (weather ? weatherPending_ : gazetteerPending_)) return;
    const int i = item ? item->data(0, Qt::UserRole).toInt() : -1;
    if (i < 0 || size_t(i) >= kept.size()) return;
    const places::Place place = kept[size_t(i)];
    HidePlaceChoices(page);
    (weather ? weatherPick_ : gazetteerPick_) = place;
    page.query->setText(places::DisplayName(place));
    if (weather)
        onWeatherLookupClicked();
    else
        onGazetteerLookupClicked();
}

places::PlaceSearch MainWindow::OwnSearch(std::optional<places::Place>& pick,
                                          const QString& query) {
    std::optional<places::Place> picked;
    picked.swap(pick);
    if (picked && places::DisplayName(*picked) == query) return Picked(*picked);
    return places::FindPlace(query);
}

void MainWindow::OfferMachineZoneCity() {
    const QString zone = QString::fromUtf8(services_.machineZone ? services_.machineZone()
                                                                 : QTimeZone::systemTimeZoneId());
    // The gazetteer loads beside the window: the first report waits without a site.
    const auto found = [this, zone] {
        Guarded([&] { ShowMachineZoneCity(places::PlaceOfZone(zone)); });
        StartStartupJobs();
    };
    zoneCity_ = services_.whenCitiesLoaded ? services_.whenCitiesLoaded(jobsContext_, found)
                                           : places::WhenWorldCitiesLoaded(jobsContext_, found);
}

void MainWindow::ShowMachineZoneCity(const std::optional<places::Place>& place) {
    if (!place) return ShowNoCityGuess();
    const QString name = places::DisplayName(*place);
    lookUp_.query->setText(name);
    alternate_.query->setText(name);
    lookUp_.cityName->setText(name);
    site_->Take(PlaceSiteFields(*place, CurrentDateTime().date()), NowUtc());
    // Said, not asked: the report shows at once, and the user changes the site if it is wrong.
    ShowStatusMessage(QStringLiteral("The site is %1, the city of this computer's time zone; the "
                                     "Locale and Look up pages change it.")
                          .arg(name),
                      60000);
    ResumeAfterSiteFilled();
}

void MainWindow::ShowNoCityGuess() {
    if (observer().HasSite()) return;
    const QString hint = QStringLiteral(
        "Type the name of your city, such as \"Chicago\" or \"Paris, France\", and press Look up.");
    // The design's sample postal code would only be refused: the query starts empty.
    lookUp_.query->clear();
    lookUp_.query->setPlaceholderText(hint);
    lookUp_.browser->ShowText(hint);
    ShowPage(lookUp_.page);
    lookUp_.query->setFocus();
}

}  // namespace hx::ui
