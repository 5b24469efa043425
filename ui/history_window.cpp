#include "ui/history_window.h"

#include "engine/bmi_category.h"
#include "engine/composition.h"
#include "engine/fat_rating.h"
#include "engine/unit_factors.h"
#include "framework/application/application.h"
#include "framework/dialog/window_thread.h"
#include "framework/language/translation.h"
#include "framework/message/standard_error.h"
#include "framework/text/number_text.h"
#include "ui/result_explanations.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace fenwake {

namespace {

enum Button { exportButton = 1, importButton, deleteButton };
enum Column {
    momentColumn,
    waistColumn,
    weightColumn,
    heightColumn,
    fatColumn,
    fatRatingColumn,
    indexColumn,
    categoryColumn
};

constexpr const char* csvFilter = TRANSLATABLE("CSV files (*.csv)");

std::string shown(double figure) {
    return Translation::number(NumberText::twoDecimals(figure));
}

std::string lengthUnit(bool metric) {
    return metric ? translated("cm") : translated("in");
}

std::string massUnit(bool metric) {
    return metric ? translated("Kg") : translated("Lbs");
}

// A length or a mass of the entry in the units shown, converted with the program's own
// factors as the unit switch converts the fields.
double inUnits(double value, bool entryMetric, bool metric, bool isMass) {
    if (entryMetric == metric) {
        return value;
    }
    if (isMass) {
        return value * (metric ? kilogramsPerPound : poundsPerKilogram);
    }
    return value * (metric ? centimetresPerInch : inchesPerCentimetre);
}

// "1 entry", "3 entries".
std::string entriesText(std::size_t number) {
    return number == 1 ? translated("1 entry")
                       : Translation::fill(translated("%1 entries"), {std::to_string(number)});
}

// When the entries were made, as ISO 8601 text: the first few, and how many more.
std::string moments(const std::vector<HistoryEntry>& entries) {
    constexpr std::size_t mostNamed = 5;
    std::string text;
    for (std::size_t i = 0; i < entries.size() && i < mostNamed; ++i) {
        text += (i > 0 ? ", " : "") + IsoTime::format(entries[i].taken);
    }
    if (entries.size() > mostNamed) {
        text += Translation::fill(translated(" and %1 more"),
                                  {std::to_string(entries.size() - mostNamed)});
    }
    return text;
}

std::string when(const HistoryEntry& entry) {
    return Translation::dateTime(entry.taken.utcMilliseconds, entry.taken.utcOffsetMinutes);
}

std::string onDay(const HistoryEntry& entry) {
    return Translation::longDate(entry.taken.utcMilliseconds, entry.taken.utcOffsetMinutes);
}

} // namespace

// What the store's thread hands to the window's: the window, while it is there.
struct HistoryWindow::Shared {
    HistoryWindow* owner = nullptr;
};

HistoryWindow::HistoryWindow(std::string databasePath)
    : path(std::move(databasePath)), shared(std::make_shared<Shared>()) {
    shared->owner = this;
}

HistoryWindow::~HistoryWindow() {
    shared->owner = nullptr;
    window.close();
}

void HistoryWindow::setListener(Listener heard) {
    listener = std::move(heard);
}

// The store, made at the first use: what it says is taken to the window's thread, where it is
// heard while this object lives. At the end it finishes beside the settings, in their time.
void HistoryWindow::ensureStore() {
    if (store) {
        return;
    }
    const std::weak_ptr<Shared> weak = shared;
    const auto later = [weak](auto call) {
        WindowThread::post([weak, call = std::move(call)]() mutable {
            if (const std::shared_ptr<Shared> alive = weak.lock(); alive && alive->owner) {
                call(*alive->owner);
            }
        });
    };
    HistoryStore::Listener heard;
    heard.loaded = [later](std::vector<HistoryEntry> all) {
        later([all = std::move(all)](HistoryWindow& w) mutable { w.onLoaded(std::move(all)); });
    };
    heard.added = [later](std::uint64_t, const HistoryEntry& entry) {
        later([entry](HistoryWindow& w) { w.onAdded(entry); });
    };
    // The table shows a removal or a restoration as it is asked for; should the disk not take
    // it, the trouble says so. What another Fenwake did meanwhile the window then learns.
    heard.removed = [later](std::vector<std::int64_t>, std::size_t missing) {
        if (missing > 0) {
            later([missing](HistoryWindow& w) { w.onRemovedElsewhere(missing); });
        }
    };
    heard.restored = [later](std::vector<HistoryEntry> entries) {
        later([entries = std::move(entries)](HistoryWindow& w) { w.onRestored(entries); });
    };
    heard.gaveUp = [later](const HistoryStore::Change& change, TranslatableText why) {
        StandardError::say(Translation::fill(translated("a change of the history is given up: %1"),
                                             {Translation::inWords(why)}));
        later([kind = change.kind, entries = change.entries,
               why = std::move(why)](HistoryWindow& w) { w.onGaveUp(kind, entries, why); });
    };
    heard.imported = [later](HistoryStore::Imported imported) {
        later([imported = std::move(imported)](HistoryWindow& w) mutable {
            w.onImported(std::move(imported));
        });
    };
    heard.exported = [later](std::string file, std::size_t count, TranslatableText problem) {
        later([file = std::move(file), count, problem = std::move(problem)](HistoryWindow& w) {
            w.onExported(file, count, problem);
        });
    };
    heard.trouble = [later, troubled = false](TranslatableText trouble) mutable {
        if (!trouble.empty() && !troubled) {
            StandardError::say(Translation::fill(translated("history not kept yet: %1; it is "
                                                            "tried again on its own"),
                                                 {Translation::inWords(trouble)}));
        }
        troubled = !trouble.empty();
        later([trouble = std::move(trouble)](HistoryWindow& w) { w.onTrouble(trouble); });
    };
    store = std::make_shared<HistoryStore>(path, std::move(heard));
    if (Application* application = Application::current()) {
        application->finishAlongside([kept = store](std::chrono::milliseconds time) {
            const HistoryStore::Unmade unmade = kept->finish(time);
            if (!unmade.entries.empty()) {
                StandardError::say(Translation::fill(
                    translated("%1 of the history's entries were not kept (%2): %3"),
                    {std::to_string(unmade.entries.size()), moments(unmade.entries),
                     unmade.why.empty() ? translated("the disk took too long")
                                        : Translation::inWords(unmade.why)}));
            }
        });
    }
}

void HistoryWindow::add(const Measurements& measured) {
    ensureStore();
    HistoryEntry entry;
    entry.taken = IsoTime::now();
    entry.measurements = measured;
    store->add(nextToken++, entry);
}

void HistoryWindow::open(const Dialog& owner, bool metricUnits) {
    metric = metricUnits;
    const bool opening = !window.isOpen();
    window.open(owner, translated("Fenwake History"),
                {{exportButton, translated("Export…"),
                  translated("Writes the selected entries, or every entry when none is "
                             "selected, to a CSV file that spreadsheets and other trackers "
                             "read.")},
                 {importButton, translated("Import…"),
                  translated("Adds the entries of a CSV file that the history does not hold "
                             "yet, and says which rows it could not read.")},
                 {deleteButton, translated("Delete"),
                  translated("Removes the selected entries (the Delete key does too); Ctrl+Z "
                             "brings them back while this window is open.")}},
                {[this](int button) { pressed(button); },
                 [this](const std::vector<std::size_t>& rows) { removeRows(rows); },
                 [this] { undo(); }, [this] { removals.clear(); },
                 [this] {
                     if (store && loaded) {
                         store->refresh();
                     }
                 }});
    if (!opening) {
        return;
    }
    ensureStore();
    if (!loaded) {
        store->load();
    }
    showAll();
}

void HistoryWindow::setUnits(bool metricUnits) {
    if (metricUnits != metric) {
        metric = metricUnits;
        showAll();
    }
}

void HistoryWindow::showAll() {
    if (!window.isOpen()) {
        return;
    }
    const std::string length = lengthUnit(metric);
    const std::string mass = massUnit(metric);
    window.setColumns(
        {translated("Date and time"), Translation::fill(translated("Waist (%1)"), {length}),
         Translation::fill(translated("Weight (%1)"), {mass}),
         Translation::fill(translated("Height (%1)"), {length}), translated("Fat (%)"),
         translated("Fat rating"), translated("Body mass index"), translated("Category")},
        translated("Entries, newest first"));
    showRows();
}

void HistoryWindow::showRows() {
    window.setRows(
        entries.size(), [this](std::size_t row, int column) { return cell(row, column); },
        [this](std::size_t row) { return rowDescription(row); });
    showChart();
    showStatus();
    window.enableButton(deleteButton, !entries.empty());
    window.enableButton(exportButton, !entries.empty());
}

// The table shows the newest entry first.
const HistoryEntry& HistoryWindow::entryAt(std::size_t row) const {
    return entries[entries.size() - 1 - row];
}

std::string HistoryWindow::cell(std::size_t row, int column) const {
    const HistoryEntry& entry = entryAt(row);
    const Measurements& m = entry.measurements;
    const CompositionResult figures = computeComposition(m);
    switch (column) {
    case momentColumn:
        return when(entry);
    case waistColumn:
        return shown(inUnits(m.waist, m.metric, metric, false));
    case weightColumn:
        return shown(inUnits(m.weight, m.metric, metric, true));
    case heightColumn:
        return shown(inUnits(m.height, m.metric, metric, false));
    case fatColumn:
        return shown(figures.fatPercentage);
    case fatRatingColumn:
        return std::isfinite(figures.fatPercentage)
                   ? translated(fatRatingLabel(rateFatPercentage(figures.fatPercentage, m.female)))
                   : std::string();
    case indexColumn:
        return shown(figures.bodyMassIndex);
    case categoryColumn:
        return std::isfinite(figures.bodyMassIndex)
                   ? translated(bmiCategoryLabel(categoriseBodyMassIndex(figures.bodyMassIndex)))
                   : std::string();
    default:
        return {};
    }
}

// What a row adds to its cells: whose it is and by which method its fat was estimated.
std::string HistoryWindow::rowDescription(std::size_t row) const {
    const Measurements& m = entryAt(row).measurements;
    std::string text = m.female ? translated("A woman's entry") : translated("A man's entry");
    if (m.method != FatMethod::WaistAndWeight) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely on a literal + a string.
        text.append(", ").append(translated("the fat percentage")).append(" ");
        text.append(ResultExplanations::byMethod(m.method));
    }
    return text + '.';
}

void HistoryWindow::showChart() {
    ChartData chart;
    chart.name = translated("Fat percentage and weight over time");
    chart.first.name = translated("Fat percentage (%)");
    chart.second.name = Translation::fill(translated("Weight (%1)"), {massUnit(metric)});
    for (std::size_t row = 0; row < entries.size(); ++row) {
        const HistoryEntry& entry = entryAt(row);
        chart.times.push_back(entry.taken.utcMilliseconds);
        chart.first.values.push_back(computeComposition(entry.measurements).fatPercentage);
        chart.second.values.push_back(
            inUnits(entry.measurements.weight, entry.measurements.metric, metric, true));
    }
    if (!entries.empty()) {
        const bool female = entries.back().measurements.female;
        const auto thresholds = fatPercentageThresholds(female);
        double from = -std::numeric_limits<double>::max();
        for (int band = 0; band <= static_cast<int>(FatRating::VeryHigh); ++band) {
            const double to = band < 4 ? thresholds[static_cast<std::size_t>(band)]
                                       : std::numeric_limits<double>::max();
            chart.bands.push_back(
                {from, to, translated(fatRatingLabel(static_cast<FatRating>(band)))});
            from = to;
        }
    }
    if (entries.empty()) {
        chart.description = translated("No entries yet.");
    } else {
        const HistoryEntry& first = entries.front();
        const HistoryEntry& last = entries.back();
        const std::string mass = massUnit(metric);
        const auto fat = [](const HistoryEntry& e) {
            return shown(computeComposition(e.measurements).fatPercentage);
        };
        const auto weight = [this](const HistoryEntry& e) {
            return shown(inUnits(e.measurements.weight, e.measurements.metric, metric, true));
        };
        chart.description =
            entries.size() == 1
                ? Translation::fill(translated("Fat percentage %1 % and weight %2 %3 on %4."),
                                    {fat(first), weight(first), mass, onDay(first)})
                : Translation::fill(translated("Fat percentage from %1 % on %2 to %3 % on %4; "
                                               "weight from %5 %6 to %7 %6."),
                                    {fat(first), onDay(first), fat(last), onDay(last),
                                     weight(first), mass, weight(last)});
    }
    window.setChart(std::move(chart));
}

void HistoryWindow::showStatus() {
    if (!readTrouble.empty()) {
        window.setStatus(readTrouble);
    } else if (!loaded) {
        window.setStatus(translated("Reading the history…"));
    } else if (entries.empty()) {
        window.setStatus(translated("No entries yet: Add to History (Ctrl+D) in the main window "
                                    "keeps the entries and figures as they stand."));
    } else {
        window.setStatus(entriesText(entries.size()));
    }
}

void HistoryWindow::onLoaded(std::vector<HistoryEntry> all) {
    // Entries kept while it was read are in it already.
    entries = std::move(all);
    loaded = true;
    readTrouble.clear();
    showRows();
}

void HistoryWindow::onAdded(const HistoryEntry& entry) {
    if (loaded) {
        const auto place =
            std::upper_bound(entries.begin(), entries.end(), entry,
                             [](const HistoryEntry& a, const HistoryEntry& b) {
                                 return a.taken.utcMilliseconds < b.taken.utcMilliseconds;
                             });
        entries.insert(place, entry);
        if (window.isOpen()) {
            showRows();
        }
    }
    if (listener.kept) {
        listener.kept(entry);
    }
}

void HistoryWindow::onTrouble(const TranslatableText& trouble) {
    const std::string text =
        trouble.empty() ? std::string()
                        : Translation::fill(translated("The history is not being kept: %1. "
                                                       "What is not kept yet is tried again "
                                                       "on its own."),
                                            {Translation::inWords(trouble)});
    if (!loaded && window.isOpen()) {
        readTrouble = trouble.empty() ? std::string()
                                      : Translation::fill(translated("The history cannot be "
                                                                     "read: %1."),
                                                          {Translation::inWords(trouble)});
        showStatus();
    }
    if (text.empty()) {
        window.clearNotice("history");
    } else {
        window.showNotice("history", text, text);
    }
    if (listener.trouble) {
        listener.trouble(text);
    }
}

void HistoryWindow::pressed(int button) {
    switch (button) {
    case exportButton:
        exportEntries();
        return;
    case importButton:
        importEntries();
        return;
    case deleteButton:
        removeRows(window.selectedRows());
        return;
    default:
        return;
    }
}

// Removed from the table at once and from the database by the store; kept here for Ctrl+Z.
void HistoryWindow::removeRows(const std::vector<std::size_t>& rows) {
    if (rows.empty() || !loaded) {
        return;
    }
    std::vector<HistoryEntry> removed;
    std::vector<std::int64_t> ids;
    std::vector<bool> going(entries.size(), false);
    for (const std::size_t row : rows) {
        if (row < entries.size()) {
            removed.push_back(entryAt(row));
            ids.push_back(removed.back().id);
            going[entries.size() - 1 - row] = true;
        }
    }
    std::size_t index = 0;
    std::erase_if(entries, [&](const HistoryEntry&) { return going[index++]; });
    store->remove(ids);
    removals.push_back(removed);
    showRows();
    const std::string text =
        Translation::fill(translated("%1 removed from the history. Ctrl+Z brings it back."),
                          {entriesText(removed.size())});
    window.showNotice("removed", text, text, NoticeKind::Information);
    window.announce(text);
}

void HistoryWindow::undo() {
    if (removals.empty()) {
        return;
    }
    std::vector<HistoryEntry> back = std::move(removals.back());
    removals.pop_back();
    entries.insert(entries.end(), back.begin(), back.end());
    std::stable_sort(entries.begin(), entries.end(),
                     [](const HistoryEntry& a, const HistoryEntry& b) {
                         return a.taken.utcMilliseconds < b.taken.utcMilliseconds ||
                                (a.taken.utcMilliseconds == b.taken.utcMilliseconds && a.id < b.id);
                     });
    const std::string text =
        Translation::fill(translated("%1 back in the history."), {entriesText(back.size())});
    std::vector<std::int64_t> ids;
    for (const HistoryEntry& entry : back) {
        ids.push_back(entry.id);
    }
    restoring.push_back(std::move(ids));
    store->restore(std::move(back));
    showRows();
    window.clearNotice("removed");
    window.announce(text);
}

void HistoryWindow::exportEntries() {
    std::vector<HistoryEntry> chosen;
    for (const std::size_t row : window.selectedRows()) {
        chosen.push_back(entryAt(row));
    }
    if (chosen.empty()) {
        chosen = entries;
    } else {
        std::reverse(chosen.begin(), chosen.end()); // oldest first, as the history keeps them
    }
    const std::optional<std::string> file = window.chooseFileToSave(
        translated("Export the History"), "fenwake-history.csv", translated(csvFilter));
    if (file && store) {
        store->exportFile(*file, std::move(chosen));
    }
}

void HistoryWindow::importEntries() {
    const std::optional<std::string> file =
        window.chooseFileToOpen(translated("Import into the History"), translated(csvFilter));
    if (file && store) {
        store->importFile(*file);
    }
}

void HistoryWindow::onExported(const std::string& file, std::size_t exported,
                               const TranslatableText& problem) {
    const std::string text =
        problem.empty()
            ? Translation::fill(translated("%1 exported to %2."), {entriesText(exported), file})
            : Translation::fill(translated("Nothing was exported: %1."),
                                {Translation::inWords(problem)});
    window.showNotice("file", text, text,
                      problem.empty() ? NoticeKind::Information : NoticeKind::Warning);
    window.announce(text);
}

void HistoryWindow::onImported(HistoryStore::Imported imported) {
    std::string text;
    std::string detail;
    if (!imported.notImported.empty()) {
        text = Translation::fill(translated("Nothing was imported: %1. The history is as it "
                                            "was."),
                                 {Translation::inWords(imported.notImported)});
        detail = text;
    } else {
        text = Translation::fill(translated("%1 imported; %2 in the history already; %3 not read."),
                                 {entriesText(imported.added.size()),
                                  std::to_string(imported.keptAlready),
                                  std::to_string(imported.refused.count)});
        detail = text;
        for (const HistoryCsv::Refusal& refusal : imported.refused.described) {
            detail += '\n' + Translation::fill(
                                 translated("Line %1: %2."),
                                 {std::to_string(refusal.line), Translation::inWords(refusal.why)});
        }
        if (imported.refused.count > imported.refused.described.size()) {
            detail += '\n' + Translation::fill(translated("… and %1 more lines not read."),
                                               {std::to_string(imported.refused.count -
                                                               imported.refused.described.size())});
        }
        if (loaded) {
            entries.insert(entries.end(), imported.added.begin(), imported.added.end());
            std::stable_sort(entries.begin(), entries.end(),
                             [](const HistoryEntry& a, const HistoryEntry& b) {
                                 return a.taken.utcMilliseconds < b.taken.utcMilliseconds;
                             });
            showRows();
        }
    }
    window.showNotice("file", text, detail,
                      imported.notImported.empty() && imported.refused.count == 0
                          ? NoticeKind::Information
                          : NoticeKind::Warning);
    window.announce(text);
}

// Another Fenwake removed some of the rows this one still showed: the table is read again.
void HistoryWindow::onRemovedElsewhere(std::size_t missing) {
    const std::string text = Translation::fill(
        translated("%1 of them had been removed by another Fenwake already; the table shows the "
                   "history as it is now."),
        {entriesText(missing)});
    window.showNotice("elsewhere", text, text, NoticeKind::Information);
    store->load();
}

// Back under their own ids, or the ids they were kept under again meanwhile.
void HistoryWindow::onRestored(const std::vector<HistoryEntry>& back) {
    if (restoring.empty()) {
        return;
    }
    const std::vector<std::int64_t> asked = std::move(restoring.front());
    restoring.pop_front();
    std::unordered_map<std::int64_t, std::int64_t> moved;
    for (std::size_t i = 0; i < back.size() && i < asked.size(); ++i) {
        if (back[i].id != asked[i]) {
            moved.emplace(asked[i], back[i].id);
        }
    }
    for (HistoryEntry& entry : entries) {
        if (const auto found = moved.find(entry.id); found != moved.end()) {
            entry.id = found->second;
        }
    }
}

// A change that can never be made: said, in both windows, and the table shows the history as
// it is.
void HistoryWindow::onGaveUp(HistoryStore::Change::Kind kind,
                             const std::vector<HistoryEntry>& given, const TranslatableText& why) {
    using Kind = HistoryStore::Change::Kind;
    if (kind == Kind::Load || kind == Kind::Refresh) {
        // Nothing of the history can be read, and so nothing of it kept: both windows say so.
        const std::string text = Translation::fill(translated("The history cannot be kept: %1."),
                                                   {Translation::inWords(why)});
        readTrouble = Translation::fill(translated("The history cannot be read: %1."),
                                        {Translation::inWords(why)});
        showStatus();
        window.showNotice("history", text, text);
        if (listener.trouble) {
            listener.trouble(text);
        }
        return;
    }
    const std::string text =
        kind == Kind::Add
            ? Translation::fill(translated("Not kept in the history: %1 (%2)."),
                                {entriesText(given.size()), Translation::inWords(why)})
            : Translation::fill(translated("The history was not changed: %1."),
                                {Translation::inWords(why)});
    window.showNotice("history", text, text);
    window.announce(text);
    if (listener.notKept && kind == Kind::Add) {
        listener.notKept(text);
    }
    if (kind == Kind::Remove || kind == Kind::Restore) {
        store->load();
    }
}

} // namespace fenwake
