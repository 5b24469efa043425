#include "windows/history.h"

#include "engine/composition.h"
#include "engine/ratings.h"
#include "engine/units.h"
#include "framework/application/application.h"
#include "framework/dialog/dialog_widgets.h"
#include "framework/events/window_mailbox.h"
#include "framework/language/translation.h"
#include "framework/message/standard_error.h"
#include "framework/text/number_text.h"
#include "history/iso_time.h"
#include "windows/history_window.h"

#include <QPointer>

#include <cmath>
#include <deque>
#include <limits>
#include <unordered_map>

namespace fenwake {

namespace {

std::string shown(double figure) {
    return Translation::number(NumberText::twoDecimals(figure));
}

std::string lengthUnit(bool metric) {
    return metric ? translated("cm") : translated("in");
}

std::string massUnit(bool metric) {
    return metric ? translated("Kg") : translated("Lbs");
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

double fatOf(const HistoryEntry& entry) {
    return computeComposition(entry.measurements).fatPercentage;
}

double weightIn(const HistoryEntry& entry, bool metric) {
    return massIn(entry.measurements.weight, entry.measurements.metric, metric);
}

// The table's columns: the moment, the entries in the units shown, the figures and ratings.
std::vector<EntryTableModel::Column> tableColumns() {
    using Column = EntryTableModel::Column;
    const auto length = [](double Measurements::*member) {
        return [member](const HistoryEntry& entry, bool metric) {
            return shown(lengthIn(entry.measurements.*member, entry.measurements.metric, metric));
        };
    };
    const auto lengthHeading = [](const char* pattern) {
        return [pattern](bool metric) {
            return Translation::fill(translated(pattern), {lengthUnit(metric)});
        };
    };
    const auto spokenLength = [](bool metric) {
        return metric ? translated("cm") : translated("inches");
    };
    const Qt::Alignment left = Qt::AlignLeft;
    const Qt::Alignment right = Qt::AlignRight;
    return {
        Column{[](bool) { return translated("Date and time"); },
               [](const HistoryEntry& entry, bool) { return when(entry); }, left, nullptr},
        Column{lengthHeading(TRANSLATABLE("Waist (%1)")), length(&Measurements::waist), right,
               spokenLength},
        Column{
            [](bool metric) {
                return Translation::fill(translated("Weight (%1)"), {massUnit(metric)});
            },
            [](const HistoryEntry& entry, bool metric) { return shown(weightIn(entry, metric)); },
            right,
            [](bool metric) {
                return metric ? translated("kilograms") : translated("pounds");
            }},
        Column{lengthHeading(TRANSLATABLE("Height (%1)")), length(&Measurements::height), right,
               spokenLength},
        Column{[](bool) { return translated("Fat (%)"); },
               [](const HistoryEntry& entry, bool) { return shown(fatOf(entry)); }, right,
               [](bool) {
                   return translated("%");
               }},
        Column{[](bool) { return translated("Fat rating"); },
               [](const HistoryEntry& entry, bool) {
                   const std::optional<FatRating> rating =
                       fatRatingOf(fatOf(entry), entry.measurements.female);
                   return rating ? translated(fatRatingLabel(*rating)) : std::string();
               },
               left, nullptr},
        Column{[](bool) { return translated("Body mass index"); },
               [](const HistoryEntry& entry, bool) {
                   return shown(computeComposition(entry.measurements).bodyMassIndex);
               },
               right, nullptr},
        Column{[](bool) { return translated("Category"); },
               [](const HistoryEntry& entry, bool) {
                   const std::optional<BmiCategory> category =
                       bmiCategoryOf(computeComposition(entry.measurements).bodyMassIndex);
                   return category ? translated(bmiCategoryLabel(*category)) : std::string();
               },
               left, nullptr},
    };
}

} // namespace

// The history's parts on the windows' thread: its writer (made at the first use), the entries
// as a table, and the window while it is open.
struct History::Parts : HistoryWindow::Keeper {
    explicit Parts(MethodWords words, std::string databasePath)
        : byMethod(std::move(words)), path(std::move(databasePath)),
          model(nullptr, tableColumns(),
                [this](const HistoryEntry& entry) { return describe(entry); }) {}

    void remove(std::vector<HistoryEntry> entries) override;
    void restore(std::vector<HistoryEntry> entries) override;
    void exportTo(std::string file, std::vector<HistoryEntry> entries) override;
    void importFrom(std::string file) override;
    void refresh() override;

    void ensureStore();
    HistoryStore::Listener storeListener();
    std::string describe(const HistoryEntry& entry) const;
    void showAll();
    void showStatus();
    ChartData chartData() const;
    std::string readout(int moment) const;

    void onLoaded(std::vector<HistoryEntry> all);
    void onAdded(const HistoryEntry& entry);
    void onRemovedElsewhere(std::size_t missing);
    void onRestored(const std::vector<HistoryEntry>& back);
    void onImported(HistoryStore::Imported imported);
    void onExported(const std::string& file, std::size_t exported, const TranslatableText& problem);
    void onTrouble(const TranslatableText& trouble);
    void onGaveUp(HistoryStore::Change::Kind kind, const std::vector<HistoryEntry>& given,
                  const TranslatableText& why);
    void noticeInWindow(std::string_view matter, const std::string& text,
                        NoticeKind kind = NoticeKind::Warning);

    const MethodWords byMethod;
    const std::string path;
    WindowMailbox mailbox; // before the store: gone after it, whose news it takes
    std::shared_ptr<HistoryStore> store;
    EntryTableModel model;
    QPointer<HistoryWindow> window;
    Listener listener;
    bool loaded = false;
    std::string readTrouble; // why the history could not be read, while it cannot
    std::deque<std::vector<std::int64_t>> restoring; // the ids asked back, oldest first
    std::uint64_t nextToken = 1;
};

History::History(MethodWords byMethod, std::string path)
    : parts(std::make_unique<Parts>(std::move(byMethod), std::move(path))) {}

History::~History() {
    if (parts->window) {
        delete parts->window.data();
    }
}

void History::setListener(Listener heard) {
    parts->listener = std::move(heard);
}

void History::add(const Measurements& measured) {
    parts->ensureStore();
    HistoryEntry entry;
    entry.taken = IsoTime::now();
    entry.measurements = measured;
    parts->store->add(parts->nextToken++, entry);
}

void History::openWindow(const Dialog& owner, bool metric) {
    QWidget* ownerWindow = DialogWidgets::window(owner);
    if (ownerWindow == nullptr) {
        return;
    }
    parts->model.setMetric(metric);
    if (!parts->window) {
        parts->window = new HistoryWindow(*ownerWindow, parts->model, *parts);
        parts->window->setReadout([this](int moment) { return parts->readout(moment); });
        parts->ensureStore();
        if (!parts->loaded) {
            parts->store->load();
        }
        parts->showAll();
    }
    parts->window->show();
    parts->window->raise();
    parts->window->activateWindow();
}

void History::setUnits(bool metric) {
    if (metric != parts->model.metric()) {
        parts->model.setMetric(metric);
        parts->showAll();
    }
}

// The writer, made at the first use: what it says is taken to the windows' thread. At the end
// it finishes beside the settings, in their time, and says what it did not keep.
void History::Parts::ensureStore() {
    if (store) {
        return;
    }
    store = std::make_shared<HistoryStore>(path, storeListener());
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

HistoryStore::Listener History::Parts::storeListener() {
    const WindowMailbox::Address here = mailbox.address();
    const auto later = [here, this](auto call) {
        here.post([this, call = std::move(call)]() mutable { call(*this); });
    };
    HistoryStore::Listener heard;
    heard.loaded = [later](std::vector<HistoryEntry> all) {
        later([all = std::move(all)](Parts& p) mutable { p.onLoaded(std::move(all)); });
    };
    heard.added = [later](std::uint64_t, const HistoryEntry& entry) {
        later([entry](Parts& p) { p.onAdded(entry); });
    };
    // The table shows a removal or a restoration as it is asked for; should the disk not take
    // it, the trouble says so. What another Fenwake did meanwhile the window then learns.
    heard.removed = [later](std::vector<std::int64_t>, std::size_t missing) {
        if (missing > 0) {
            later([missing](Parts& p) { p.onRemovedElsewhere(missing); });
        }
    };
    heard.restored = [later](std::vector<HistoryEntry> entries) {
        later([entries = std::move(entries)](Parts& p) { p.onRestored(entries); });
    };
    heard.imported = [later](HistoryStore::Imported imported) {
        later([imported = std::move(imported)](Parts& p) mutable {
            p.onImported(std::move(imported));
        });
    };
    heard.exported = [later](std::string file, std::size_t count, TranslatableText problem) {
        later([file = std::move(file), count, problem = std::move(problem)](Parts& p) {
            p.onExported(file, count, problem);
        });
    };
    heard.trouble = [later, troubled = false](TranslatableText trouble) mutable {
        if (!trouble.empty() && !troubled) {
            StandardError::say(Translation::fill(translated("history not kept yet: %1; it is "
                                                            "tried again on its own"),
                                                 {Translation::inWords(trouble)}));
        }
        troubled = !trouble.empty();
        later([trouble = std::move(trouble)](Parts& p) { p.onTrouble(trouble); });
    };
    heard.gaveUp = [later](const HistoryStore::Change& change, TranslatableText why) {
        StandardError::say(Translation::fill(translated("a change of the history is given up: %1"),
                                             {Translation::inWords(why)}));
        later([kind = change.kind, entries = change.entries, why = std::move(why)](Parts& p) {
            p.onGaveUp(kind, entries, why);
        });
    };
    return heard;
}

void History::Parts::remove(std::vector<HistoryEntry> entries) {
    std::vector<std::int64_t> ids;
    ids.reserve(entries.size());
    for (const HistoryEntry& entry : entries) {
        ids.push_back(entry.id);
    }
    store->remove(std::move(ids));
    showAll();
}

void History::Parts::restore(std::vector<HistoryEntry> entries) {
    std::vector<std::int64_t> ids;
    for (const HistoryEntry& entry : entries) {
        ids.push_back(entry.id);
    }
    restoring.push_back(std::move(ids));
    const std::string text =
        Translation::fill(translated("%1 back in the history."), {entriesText(entries.size())});
    store->restore(std::move(entries));
    showAll();
    if (window) {
        window->clearNotice("removed");
        window->announce(text);
    }
}

void History::Parts::exportTo(std::string file, std::vector<HistoryEntry> entries) {
    store->exportFile(std::move(file), std::move(entries));
}

void History::Parts::importFrom(std::string file) {
    store->importFile(std::move(file));
}

void History::Parts::refresh() {
    if (store && loaded) {
        store->refresh();
    }
}

// What a row adds to its cells: whose it is and by which method its fat was estimated.
std::string History::Parts::describe(const HistoryEntry& entry) const {
    const Measurements& m = entry.measurements;
    std::string text = m.female ? translated("A woman's entry") : translated("A man's entry");
    if (m.method != FatMethod::WaistAndWeight && byMethod) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely on a literal + a string.
        text.append(", ").append(translated("the fat percentage")).append(" ");
        text.append(byMethod(m.method));
    }
    return text + '.';
}

void History::Parts::showAll() {
    if (!window) {
        return;
    }
    window->setChart(chartData());
    showStatus();
    window->enableChanges(!model.entries().empty());
}

void History::Parts::showStatus() {
    if (!window) {
        return;
    }
    if (!readTrouble.empty()) {
        window->setStatus(readTrouble);
    } else if (!loaded) {
        window->setStatus(translated("Reading the history…"));
    } else if (model.entries().empty()) {
        window->setStatus(translated("No entries yet: Add to History (Ctrl+D) in the main window "
                                     "keeps the entries and figures as they stand."));
    } else {
        window->setStatus(entriesText(model.entries().size()));
    }
}

// The fat percentage over its bands for the sex of the latest entry, and the weight.
ChartData History::Parts::chartData() const {
    const std::vector<HistoryEntry>& entries = model.entries();
    const bool metric = model.metric();
    ChartData chart;
    chart.name = translated("Fat percentage and weight over time");
    ChartData::Panel fat{translated("Fat percentage (%)"), 1, {}, {}, {}, {}};
    ChartData::Panel weight{
        Translation::fill(translated("Weight (%1)"), {massUnit(metric)}), 1, {}, {}, {}, {}};
    for (const HistoryEntry& entry : entries) {
        chart.moments.push_back(entry.taken.wallClockMilliseconds());
        fat.points.push_back(fatOf(entry));
        weight.points.push_back(weightIn(entry, metric));
    }
    if (!entries.empty()) {
        const auto thresholds = fatPercentageThresholds(entries.back().measurements.female);
        double from = -std::numeric_limits<double>::max();
        for (int band = 0; band <= static_cast<int>(FatRating::VeryHigh); ++band) {
            const double to = band < 4 ? thresholds[static_cast<std::size_t>(band)]
                                       : std::numeric_limits<double>::max();
            fat.bands.push_back(
                {from, to, translated(fatRatingLabel(static_cast<FatRating>(band)))});
            from = to;
        }
    }
    chart.panels = {std::move(weight), std::move(fat)};
    if (entries.empty()) {
        chart.description = translated("No entries yet.");
        return chart;
    }
    const HistoryEntry& first = entries.front();
    const HistoryEntry& last = entries.back();
    const std::string mass = massUnit(metric);
    chart.description =
        entries.size() == 1
            ? Translation::fill(
                  translated("Fat percentage %1 % and weight %2 %3 on %4."),
                  {shown(fatOf(first)), shown(weightIn(first, metric)), mass, onDay(first)})
            : Translation::fill(translated("Fat percentage from %1 % on %2 to %3 % on %4; "
                                           "weight from %5 %6 to %7 %6."),
                                {shown(fatOf(first)), onDay(first), shown(fatOf(last)), onDay(last),
                                 shown(weightIn(first, metric)), mass,
                                 shown(weightIn(last, metric))});
    return chart;
}

// The line under the chart for a moment: its date and time, and the row as read aloud.
std::string History::Parts::readout(int moment) const {
    const auto index = static_cast<std::size_t>(moment);
    if (index >= model.entries().size()) {
        return {};
    }
    return model.spokenRow(model.rowOfIndex(index));
}

void History::Parts::onLoaded(std::vector<HistoryEntry> all) {
    // Entries kept while it was read are in it already.
    model.reset(std::move(all));
    loaded = true;
    readTrouble.clear();
    showAll();
}

void History::Parts::onAdded(const HistoryEntry& entry) {
    if (loaded) {
        model.add(entry);
        showAll();
    }
    if (listener.kept) {
        listener.kept(entry);
    }
}

// Another Fenwake removed some of the rows this one still showed: the table is read again.
void History::Parts::onRemovedElsewhere(std::size_t missing) {
    const std::string text = Translation::fill(
        translated("%1 of them had been removed by another Fenwake already; the table shows the "
                   "history as it is now."),
        {entriesText(missing)});
    noticeInWindow("elsewhere", text, NoticeKind::Information);
    store->load();
}

// Back under their own ids, or the ids they were kept under again meanwhile.
void History::Parts::onRestored(const std::vector<HistoryEntry>& back) {
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
    if (!moved.empty()) {
        model.renumber(moved);
    }
}

void History::Parts::onImported(HistoryStore::Imported imported) {
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
            model.addAll(imported.added);
            showAll();
        }
    }
    if (window) {
        window->showNotice("file", text, detail,
                           imported.notImported.empty() && imported.refused.count == 0
                               ? NoticeKind::Information
                               : NoticeKind::Warning);
        window->announce(text);
    }
}

void History::Parts::onExported(const std::string& file, std::size_t exported,
                                const TranslatableText& problem) {
    const std::string text =
        problem.empty()
            ? Translation::fill(translated("%1 exported to %2."), {entriesText(exported), file})
            : Translation::fill(translated("Nothing was exported: %1."),
                                {Translation::inWords(problem)});
    noticeInWindow("file", text, problem.empty() ? NoticeKind::Information : NoticeKind::Warning);
}

void History::Parts::onTrouble(const TranslatableText& trouble) {
    const std::string text =
        trouble.empty() ? std::string()
                        : Translation::fill(translated("The history is not being kept: %1. "
                                                       "What is not kept yet is tried again "
                                                       "on its own."),
                                            {Translation::inWords(trouble)});
    if (!loaded) {
        readTrouble = trouble.empty() ? std::string()
                                      : Translation::fill(translated("The history cannot be "
                                                                     "read: %1."),
                                                          {Translation::inWords(trouble)});
        showStatus();
    }
    if (window) {
        if (text.empty()) {
            window->clearNotice("history");
        } else {
            window->showNotice("history", text, text);
        }
    }
    if (listener.trouble) {
        listener.trouble(text);
    }
}

// A change that can never be made: said, in both windows, and the table shows the history as
// it is.
void History::Parts::onGaveUp(HistoryStore::Change::Kind kind,
                              const std::vector<HistoryEntry>& given, const TranslatableText& why) {
    using Kind = HistoryStore::Change::Kind;
    if (kind == Kind::Load || kind == Kind::Refresh) {
        // Nothing of the history can be read, and so nothing of it kept: both windows say so.
        const std::string text = Translation::fill(translated("The history cannot be kept: %1."),
                                                   {Translation::inWords(why)});
        readTrouble = Translation::fill(translated("The history cannot be read: %1."),
                                        {Translation::inWords(why)});
        showStatus();
        noticeInWindow("history", text);
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
    noticeInWindow("history", text);
    if (listener.notKept && kind == Kind::Add) {
        listener.notKept(text);
    }
    if (kind == Kind::Remove || kind == Kind::Restore) {
        store->load();
    }
}

void History::Parts::noticeInWindow(std::string_view matter, const std::string& text,
                                    NoticeKind kind) {
    if (window) {
        window->showNotice(matter, text, text, kind);
        window->announce(text);
    }
}

} // namespace fenwake
