#include "windows/history.h"

#include "engine/composition.h"
#include "engine/fat_method.h"
#include "engine/ratings.h"
#include "engine/trend.h"
#include "engine/units.h"
#include "framework/application/application.h"
#include "framework/dialog/dialog_widgets.h"
#include "framework/dialog/side_window.h"
#include "framework/events/window_mailbox.h"
#include "framework/language/translation.h"
#include "framework/message/standard_error.h"
#include "framework/text/number_text.h"
#include "history/iso_time.h"
#include "windows/history_window.h"
#include "windows/import_window.h"

#include <QPointer>

#include <algorithm>
#include <cmath>
#include <deque>
#include <filesystem>
#include <limits>
#include <optional>
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

// Each line not read, and why: "Line 3: Waist “92,1” is not a number."; then how many more.
std::vector<std::string> refusedLines(const HistoryCsv::Refusals& refused) {
    std::vector<std::string> lines;
    for (const HistoryCsv::Refusal& refusal : refused.described) {
        lines.push_back(
            Translation::fill(translated("Line %1: %2."),
                              {std::to_string(refusal.line), Translation::inWords(refusal.why)}));
    }
    if (refused.count > refused.described.size()) {
        lines.push_back(
            Translation::fill(translated("… and %1 more lines not read."),
                              {std::to_string(refused.count - refused.described.size())}));
    }
    return lines;
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

std::string onDay(const HistoryEntry& entry) {
    return Translation::longDate(entry.taken.utcMilliseconds, entry.taken.utcOffsetMinutes);
}

double fatOf(const HistoryEntry& entry) {
    return computeComposition(entry.measurements).fatPercentage;
}

double weightIn(const HistoryEntry& entry, bool metric) {
    return massIn(entry.measurements.weight, entry.measurements.metric, metric);
}

// The trends of the figures, and each entry's day's trend, for the history as it is now.
struct Trends {
    std::vector<Trend::Point> weight;
    std::vector<Trend::Point> fat;
    std::vector<double> weightOfEntry; // NaN where the entry's day has none
    std::vector<double> fatOfEntry;
    std::optional<Trend::Rate> weightRate;
    std::optional<Trend::Rate> fatRate;
    std::optional<Trend::Rate> fatMassRate;
    std::optional<Trend::Rate> leanMassRate;
};

// Each entry's day's trend: a day covers the entries after the one before's last, to its own.
std::vector<double> trendOfEachEntry(const std::vector<Trend::Day>& days,
                                     const std::vector<Trend::Point>& points, std::size_t entries) {
    std::vector<double> trends(entries, std::numeric_limits<double>::quiet_NaN());
    std::size_t from = 0;
    for (std::size_t day = 0; day < days.size(); ++day) {
        for (std::size_t index = from; index <= days[day].lastEntry && index < entries; ++index) {
            trends[index] = points[day].trend;
        }
        from = days[day].lastEntry + 1;
    }
    return trends;
}

Trends trendsOf(const std::vector<HistoryEntry>& entries, bool metric) {
    Trends trends;
    const auto of = [&](Figure figure, std::vector<Trend::Point>* keep,
                        std::vector<double>* perEntry) {
        const std::vector<Trend::Day> days = Trend::dailyMeans(entries, figure, metric);
        std::vector<Trend::Point> points = Trend::smoothed(days, figure);
        const std::optional<Trend::Rate> rate = Trend::rateOf(points);
        if (perEntry != nullptr) {
            *perEntry = trendOfEachEntry(days, points, entries.size());
        }
        if (keep != nullptr) {
            *keep = std::move(points);
        }
        return rate;
    };
    trends.weightRate = of(Figure::Weight, &trends.weight, &trends.weightOfEntry);
    trends.fatRate = of(Figure::FatPercentage, &trends.fat, &trends.fatOfEntry);
    trends.fatMassRate = of(Figure::FatMass, nullptr, nullptr);
    trends.leanMassRate = of(Figure::LeanMass, nullptr, nullptr);
    return trends;
}

std::string shownOrNone(double figure) {
    return std::isfinite(figure) ? shown(figure) : std::string();
}

// A rate in words: rising or falling, as a magnitude with the interval's magnitudes; steady
// when the interval holds zero, with its ends as they are.
std::string rateWords(const std::string& figure, const Trend::Rate& rate, const std::string& unit) {
    const double low = rate.lowPerWeek();
    const double high = rate.highPerWeek();
    if (low <= 0.0 && high >= 0.0) {
        return Translation::fill(
            translated("%1 steady %2 %3 a week (%4 to %5)"),
            {figure, shown(std::abs(rate.perWeek())), unit, shown(low), shown(high)});
    }
    const bool rising = rate.perWeek() > 0;
    return Translation::fill(translated(rising ? "%1 rising %2 %3 a week (%4 to %5)"
                                               : "%1 falling %2 %3 a week (%4 to %5)"),
                             {figure, shown(std::abs(rate.perWeek())), unit,
                              shown(std::min(std::abs(low), std::abs(high))),
                              shown(std::max(std::abs(low), std::abs(high)))});
}

std::string dayText(std::int64_t day) {
    return Translation::longDate(day * 86'400'000, 0);
}

// When a goal may be reached, in words.
std::string goalWords(const std::string& goal, const std::vector<Trend::Point>& points,
                      const std::optional<Trend::Rate>& rate, double value) {
    if (points.empty()) {
        return {};
    }
    if (!rate) {
        return Translation::fill(translated("Goal %1: its date is said once the rate is known."),
                                 {goal});
    }
    const Trend::GoalDates dates = Trend::goalDates(value, points, *rate);
    switch (dates.kind) {
    case Trend::GoalDates::Kind::Reached:
        return Translation::fill(translated("Goal %1: reached."), {goal});
    case Trend::GoalDates::Kind::NotOnCourse:
        return Translation::fill(translated("Goal %1: not on course at the present rate."), {goal});
    case Trend::GoalDates::Kind::Between:
        break;
    }
    return Translation::fill(translated("Goal %1: at this rate between %2 and %3."),
                             {goal, dayText(dates.earliest), dayText(dates.latest)});
}

} // namespace

// The history's parts on the windows' thread: its writer (made at the first use), the entries
// as a table, and the window while it is open.
struct History::Parts final : HistoryWindow::Keeper {
    explicit Parts(MethodWords words, std::string databasePath)
        : methods(std::move(words)), path(std::move(databasePath)),
          model(nullptr, tableColumns(),
                [this](const HistoryEntry& entry) { return describe(entry); }) {}

    std::vector<EntryTableModel::Column> tableColumns();
    bool sharesItsMinute(std::size_t index) const;
    void refigure();
    std::string summary() const;

    void remove(std::vector<HistoryEntry> entries) override;
    void restore(std::vector<HistoryEntry> entries) override;
    void exportTo(std::string file, std::vector<HistoryEntry> entries) override;
    void importFrom(std::string file) override;
    void saveImage(std::string file, std::string png) override;
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
    void onPreviewed(const HistoryStore::Preview& preview);
    void onImported(const HistoryStore::Imported& imported);
    std::string previewSummary(const HistoryStore::Preview& preview) const;
    void onExported(const std::string& file, std::size_t exported, const TranslatableText& problem);
    void onSavedImage(const std::string& file, const TranslatableText& problem);
    void onTrouble(const TranslatableText& trouble);
    void onGaveUp(HistoryStore::Change::Kind kind, const std::vector<HistoryEntry>& given,
                  const TranslatableText& why);
    void noticeInWindow(std::string_view matter, const std::string& text,
                        NoticeKind kind = NoticeKind::Warning);

    const MethodWords methods;
    const std::string path;
    WindowMailbox mailbox; // before the store: gone after it, whose news it takes
    std::shared_ptr<HistoryStore> store;
    EntryTableModel model;
    QPointer<HistoryWindow> window;
    Listener listener;
    Trends trends; // of the entries as the model holds them, in its units
    Goal goal;
    std::function<Measurements()> currentEntry;
    bool loaded = false;
    std::string readTrouble; // why the history could not be read, while it cannot
    std::deque<std::vector<std::int64_t>> restoring; // the ids asked back, oldest first
    std::uint64_t nextToken = 1;
};

// The table's columns: the moment (with its seconds where two entries share a minute), the
// method, the entries in the units shown with the trends of their days beside the weight and
// the fat, the figures and ratings.
std::vector<EntryTableModel::Column> History::Parts::tableColumns() {
    using Column = EntryTableModel::Column;
    const auto length = [](double Measurements::*member) {
        return [member](const HistoryEntry& entry, std::size_t, bool metric) {
            return shown(lengthIn(entry.measurements.*member, entry.measurements.metric, metric));
        };
    };
    const auto lengthHeading = [](const char* pattern) {
        return [pattern](bool metric) {
            return Translation::fill(translated(pattern), {lengthUnit(metric)});
        };
    };
    const auto massHeading = [](const char* pattern) {
        return [pattern](bool metric) {
            return Translation::fill(translated(pattern), {massUnit(metric)});
        };
    };
    const auto spokenLength = [](bool metric) {
        return metric ? translated("cm") : translated("inches");
    };
    const auto spokenMass = [](bool metric) {
        return metric ? translated("kilograms") : translated("pounds");
    };
    const auto percent = [](bool) {
        return translated("%");
    };
    const Qt::Alignment left = Qt::AlignLeft;
    const Qt::Alignment right = Qt::AlignRight;
    // The widest usual texts: a date late in a month, the longest method's name, a figure of four
    // digits and two decimals, the longest rating's.
    const auto dateSample = [](bool) {
        return Translation::dateTime(1798675199000, 0, true); // 31 December 2026, 23:59:59
    };
    const auto methodSample = [this](bool) {
        std::string widest;
        for (const FatMethod method : fatMethods) {
            const std::string name = methods.name ? methods.name(method) : std::string();
            widest = name.size() > widest.size() ? name : widest;
        }
        return widest;
    };
    const auto longest = [](auto labelOf, int count) {
        return [labelOf, count](bool) {
            std::string widest;
            for (int value = 0; value < count; ++value) {
                const std::string label = translated(labelOf(value));
                widest = label.size() > widest.size() ? label : widest;
            }
            return widest;
        };
    };
    const auto figureSample = [](bool) {
        return std::string("-0000.00");
    };
    return {
        Column{[](bool) { return translated("Date and time"); },
               [this](const HistoryEntry& entry, std::size_t index, bool) {
                   return Translation::dateTime(entry.taken.utcMilliseconds,
                                                entry.taken.utcOffsetMinutes,
                                                sharesItsMinute(index));
               },
               left, nullptr, dateSample},
        Column{[](bool) { return translated("Method"); },
               [this](const HistoryEntry& entry, std::size_t, bool) {
                   return methods.name ? methods.name(entry.measurements.method) : std::string();
               },
               left, nullptr, methodSample},
        Column{lengthHeading(TRANSLATABLE("Waist (%1)")), length(&Measurements::waist), right,
               spokenLength, figureSample},
        Column{massHeading(TRANSLATABLE("Weight (%1)")),
               [](const HistoryEntry& entry, std::size_t, bool metric) {
                   return shown(weightIn(entry, metric));
               },
               right, spokenMass, figureSample},
        Column{massHeading(TRANSLATABLE("Weight trend (%1)")),
               [this](const HistoryEntry&, std::size_t index, bool) {
                   return index < trends.weightOfEntry.size()
                              ? shownOrNone(trends.weightOfEntry[index])
                              : std::string();
               },
               right, spokenMass, figureSample},
        Column{lengthHeading(TRANSLATABLE("Height (%1)")), length(&Measurements::height), right,
               spokenLength, figureSample},
        Column{[](bool) { return translated("Fat (%)"); },
               [](const HistoryEntry& entry, std::size_t, bool) { return shown(fatOf(entry)); },
               right, percent, figureSample},
        Column{[](bool) { return translated("Fat trend (%)"); },
               [this](const HistoryEntry&, std::size_t index, bool) {
                   return index < trends.fatOfEntry.size() ? shownOrNone(trends.fatOfEntry[index])
                                                           : std::string();
               },
               right, percent, figureSample},
        Column{[](bool) { return translated("Fat rating"); },
               [](const HistoryEntry& entry, std::size_t, bool) {
                   const std::optional<FatRating> rating =
                       fatRatingOf(fatOf(entry), entry.measurements.female);
                   return rating ? translated(fatRatingLabel(*rating)) : std::string();
               },
               left, nullptr,
               longest([](int band) { return fatRatingLabel(static_cast<FatRating>(band)); }, 5)},
        Column{[](bool) { return translated("Body mass index"); },
               [](const HistoryEntry& entry, std::size_t, bool) {
                   return shown(computeComposition(entry.measurements).bodyMassIndex);
               },
               right, nullptr, figureSample},
        Column{
            [](bool) { return translated("Category"); },
            [](const HistoryEntry& entry, std::size_t, bool) {
                const std::optional<BmiCategory> category =
                    bmiCategoryOf(computeComposition(entry.measurements).bodyMassIndex);
                return category ? translated(bmiCategoryLabel(*category)) : std::string();
            },
            left, nullptr,
            longest(
                [](int category) { return bmiCategoryLabel(static_cast<BmiCategory>(category)); },
                4)},
    };
}

// Two entries within one minute of the wall clock read apart by their seconds.
bool History::Parts::sharesItsMinute(std::size_t index) const {
    const std::vector<HistoryEntry>& all = model.entries();
    const auto minute = [&](std::size_t at) {
        return all[at].taken.wallClockMilliseconds() / 60'000;
    };
    return (index > 0 && minute(index - 1) == minute(index)) ||
           (index + 1 < all.size() && minute(index + 1) == minute(index));
}

History::History(MethodWords methodWords, std::string path)
    : parts(std::make_unique<Parts>(std::move(methodWords), std::move(path))) {}

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
        Application* application = Application::current();
        SideWindow::place(*parts->window, *ownerWindow,
                          application != nullptr ? &application->state() : nullptr, "History");
        parts->window->setReadout([this](int moment) { return parts->readout(moment); });
        parts->ensureStore();
        if (!parts->loaded) {
            parts->store->load();
        }
        parts->refigure();
    }
    parts->window->show();
    parts->window->raise();
    parts->window->activateWindow();
}

void History::setUnits(bool metric) {
    if (metric != parts->model.metric()) {
        parts->model.setMetric(metric);
        parts->refigure();
    }
}

void History::setCurrentEntry(std::function<Measurements()> current) {
    parts->currentEntry = std::move(current);
}

void History::setGoal(const Goal& goal) {
    if (goal != parts->goal) {
        parts->goal = goal;
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
    heard.removed = [later](const std::vector<std::int64_t>&, std::size_t missing) {
        if (missing > 0) {
            later([missing](Parts& p) { p.onRemovedElsewhere(missing); });
        }
    };
    heard.restored = [later](std::vector<HistoryEntry> entries) {
        later([entries = std::move(entries)](Parts& p) { p.onRestored(entries); });
    };
    heard.previewed = [later](HistoryStore::Preview preview) {
        later([preview = std::move(preview)](Parts& p) { p.onPreviewed(preview); });
    };
    heard.imported = [later](HistoryStore::Imported imported) {
        later([imported = std::move(imported)](Parts& p) { p.onImported(imported); });
    };
    heard.exported = [later](std::string file, std::size_t count, TranslatableText problem) {
        later([file = std::move(file), count, problem = std::move(problem)](Parts& p) {
            p.onExported(file, count, problem);
        });
    };
    heard.savedImage = [later](std::string file, TranslatableText problem) {
        later([file = std::move(file), problem = std::move(problem)](Parts& p) {
            p.onSavedImage(file, problem);
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
    refigure();
}

void History::Parts::restore(std::vector<HistoryEntry> entries) {
    std::vector<std::int64_t> ids;
    ids.reserve(entries.size());
    for (const HistoryEntry& entry : entries) {
        ids.push_back(entry.id);
    }
    restoring.push_back(std::move(ids));
    const std::string text = Translation::fill(translated("%1 back in the history."),
                                               {HistoryWindow::entriesText(entries.size())});
    store->restore(std::move(entries));
    refigure();
    if (window) {
        window->clearNotice("removed");
        window->announce(text);
    }
}

void History::Parts::exportTo(std::string file, std::vector<HistoryEntry> entries) {
    store->exportFile(std::move(file), std::move(entries));
}

void History::Parts::saveImage(std::string file, std::string png) {
    store->saveImage(std::move(file), std::move(png));
}

// The file is read and looked at first; nothing is written before the person confirms.
void History::Parts::importFrom(std::string file) {
    const Measurements entry = currentEntry ? currentEntry() : Measurements{};
    store->previewImport(std::move(file),
                         {entry.metric, entry.female, entry.waist, entry.weight, entry.height});
}

void History::Parts::onPreviewed(const HistoryStore::Preview& preview) {
    const HistoryCsv::Reading& reading = *preview.reading;
    if (!reading.notEntries.empty()) {
        HistoryStore::Imported nothing;
        nothing.notImported = reading.notEntries;
        onImported(nothing);
        return;
    }
    if (!window) {
        return;
    }
    const Measurements entry = currentEntry ? currentEntry() : Measurements{};
    ImportWindow::Facts facts{previewSummary(preview),
                              refusedLines(reading.refused),
                              reading.lacking,
                              {entry.metric, entry.female, entry.waist, entry.weight, entry.height},
                              !reading.entries.empty()};
    auto* look = new ImportWindow(
        *window, facts, [this, reading = preview.reading](const HistoryCsv::Given& given) {
            store->importReading(reading, given);
        });
    look->open();
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
    if (m.method != FatMethod::WaistAndWeight && methods.byMethod) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely on a literal + a string.
        text.append(", ").append(translated("the fat percentage")).append(" ");
        text.append(methods.byMethod(m.method));
    }
    return text + '.';
}

// The trends follow every change of the entries or their units.
void History::Parts::refigure() {
    trends = trendsOf(model.entries(), model.metric());
    model.refigure();
    showAll();
}

void History::Parts::showAll() {
    if (!window) {
        return;
    }
    window->setChart(chartData());
    window->setSummary(summary());
    showStatus();
    window->enableChanges(!model.entries().empty());
}

// The rate in words, of the weight and of its fat and lean parts, and when each goal may be
// reached; before there are days enough, that the trend is still being found.
std::string History::Parts::summary() const {
    if (model.entries().empty()) {
        return {};
    }
    const std::string mass = massUnit(model.metric());
    std::string text;
    if (!trends.weightRate) {
        text = translated("Still collecting the early trend: a rate needs entries on 7 days over "
                          "at least 14 of the last 28.");
    } else if (trends.fatMassRate && trends.leanMassRate) {
        text = Translation::fill(translated("%1 over the last 28 days; of it %2, %3."),
                                 {rateWords(translated("Weight"), *trends.weightRate, mass),
                                  rateWords(translated("fat"), *trends.fatMassRate, mass),
                                  rateWords(translated("lean"), *trends.leanMassRate, mass)});
    } else {
        text = Translation::fill(translated("%1 over the last 28 days."),
                                 {rateWords(translated("Weight"), *trends.weightRate, mass)});
    }
    if (goal.weight) {
        text += ' ' + goalWords(shown(*goal.weight) + ' ' + mass, trends.weight, trends.weightRate,
                                *goal.weight);
    }
    if (goal.fat) {
        text += ' ' + goalWords(shown(*goal.fat) + " %", trends.fat, trends.fatRate, *goal.fat);
    }
    return text;
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
        window->setStatus(HistoryWindow::entriesText(model.entries().size()));
    }
}

// A trend as the chart's strong line: a point at each day's noon, starting afresh where it does.
ChartData::Line lineOf(const std::string& name, const std::vector<Trend::Point>& points) {
    ChartData::Line line{name, {}, {}, {}};
    for (std::size_t i = 0; i < points.size(); ++i) {
        line.times.push_back(points[i].day * 86'400'000 + 43'200'000);
        line.values.push_back(points[i].trend);
        if (points[i].afresh && i > 0) {
            line.breaks.push_back(i);
        }
    }
    return line;
}

// The weight above and the fat percentage below, over its bands for the sex of the latest
// entry: the entries as points, the trends as lines, the goals as levels across.
ChartData History::Parts::chartData() const {
    const std::vector<HistoryEntry>& entries = model.entries();
    const bool metric = model.metric();
    const std::string mass = massUnit(metric);
    ChartData chart;
    chart.name = translated("Fat percentage and weight over time");
    ChartData::Panel weight{
        Translation::fill(translated("Weight (%1)"), {mass}), 1, {}, {}, {}, {}};
    ChartData::Panel fat{translated("Fat percentage (%)"), 1, {}, {}, {}, {}};
    for (const HistoryEntry& entry : entries) {
        chart.moments.push_back(entry.taken.wallClockMilliseconds());
        fat.points.push_back(fatOf(entry));
        weight.points.push_back(weightIn(entry, metric));
    }
    weight.lines.push_back(lineOf(translated("Weight trend"), trends.weight));
    fat.lines.push_back(lineOf(translated("Fat trend"), trends.fat));
    if (goal.weight) {
        weight.levels.push_back(
            {*goal.weight,
             Translation::fill(translated("Goal %1"), {shown(*goal.weight) + ' ' + mass})});
    }
    if (goal.fat) {
        fat.levels.push_back(
            {*goal.fat, Translation::fill(translated("Goal %1"), {shown(*goal.fat) + " %"})});
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
    if (const std::string said = summary(); !said.empty()) {
        chart.description += ' ' + said;
    }
    return chart;
}

// The line under the chart for a moment: its date and time, its weight and fat with their
// trends, and its method, as a screen reader hears the table's cells.
std::string History::Parts::readout(int moment) const {
    const auto index = static_cast<std::size_t>(moment);
    if (index >= model.entries().size()) {
        return {};
    }
    enum { date, method, waist, weight, weightTrend, height, fat, fatTrend, rating };
    const int row = model.rowOfIndex(index);
    return model.data(model.index(row, date), Qt::DisplayRole).toString().toStdString() + ": " +
           model.spokenCells(row, {weight, weightTrend, fat, fatTrend, rating, method});
}

void History::Parts::onLoaded(std::vector<HistoryEntry> all) {
    // Entries kept while it was read are in it already.
    model.reset(std::move(all));
    loaded = true;
    readTrouble.clear();
    refigure();
}

void History::Parts::onAdded(const HistoryEntry& entry) {
    if (loaded) {
        model.add(entry);
        refigure();
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
        {HistoryWindow::entriesText(missing)});
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

// What a file holds, in sentences: how many entries from when to when, in which units, how many
// the history holds already, what it lacks, what was taken at noon or not taken at all, and how
// many lines were not read.
std::string History::Parts::previewSummary(const HistoryStore::Preview& preview) const {
    const HistoryCsv::Reading& reading = *preview.reading;
    const std::string file = std::filesystem::path(preview.path).filename().string();
    std::vector<std::string> said;
    if (reading.entries.empty()) {
        said.push_back(
            Translation::fill(translated("%1 holds no entry that could be read."), {file}));
    } else {
        const auto [first, last] = std::ranges::minmax_element(
            reading.entries, {}, [](const HistoryEntry& e) { return e.taken.utcMilliseconds; });
        said.push_back(Translation::fill(
            translated("%1 holds %2, from %3 to %4."),
            {file, HistoryWindow::entriesText(reading.entries.size()),
             Translation::longDate(first->taken.utcMilliseconds, first->taken.utcOffsetMinutes),
             Translation::longDate(last->taken.utcMilliseconds, last->taken.utcOffsetMinutes)}));
    }
    const auto metricOnes = static_cast<std::size_t>(std::ranges::count_if(
        reading.entries, [](const HistoryEntry& e) { return e.measurements.metric; }));
    if (reading.lacking.units) {
        said.push_back(translated("It does not say its units: choose them below."));
    } else if (metricOnes == reading.entries.size() && metricOnes > 0) {
        said.push_back(translated("Its measurements are in centimetres and kilograms."));
    } else if (metricOnes == 0 && !reading.entries.empty()) {
        said.push_back(translated("Its measurements are in inches and pounds."));
    } else if (!reading.entries.empty()) {
        said.push_back(translated("Some of its entries are metric and some imperial; each keeps "
                                  "its own units."));
    }
    if (preview.keptAlready > 0) {
        said.push_back(Translation::fill(translated("%1 of them are in the history already and "
                                                    "are not added again."),
                                         {std::to_string(preview.keptAlready)}));
    }
    std::vector<std::string> lacked;
    for (const auto& [lacks, word] :
         {std::pair{reading.lacking.waist, TRANSLATABLE("the waist")},
          std::pair{reading.lacking.weight, TRANSLATABLE("the weight")},
          std::pair{reading.lacking.height, TRANSLATABLE("the height")},
          std::pair{reading.lacking.female,
                    TRANSLATABLE("whose they are, a woman's or a man's")}}) {
        if (lacks) {
            lacked.push_back(translated(word));
        }
    }
    if (!lacked.empty()) {
        std::string list;
        for (std::size_t i = 0; i < lacked.size(); ++i) {
            list.append(i == 0                   ? std::string()
                        : i + 1 == lacked.size() ? translated(" and ")
                                                 : ", ")
                .append(lacked[i]);
        }
        said.push_back(Translation::fill(translated("It does not give %1 for every entry: give "
                                                    "it below, for each entry without it."),
                                         {list}));
    }
    if (reading.dateAlone > 0) {
        said.push_back(Translation::fill(translated("%1 give a date without a time: each is taken "
                                                    "at noon."),
                                         {HistoryWindow::entriesText(reading.dateAlone)}));
    }
    if (!reading.othersFigures.empty()) {
        std::string names;
        for (const std::string& heading : reading.othersFigures) {
            names.append(names.empty() ? "" : ", ")
                .append("\u201C")
                .append(heading)
                .append("\u201D");
        }
        said.push_back(Translation::fill(translated("Its columns %1 hold figures the program that "
                                                    "wrote it computed; they are not taken, as "
                                                    "Fenwake computes its own from the "
                                                    "measurements."),
                                         {names}));
    }
    if (reading.refused.count == 0) {
        said.push_back(translated("Every line was read."));
    } else if (reading.refused.count == 1) {
        said.push_back(translated("1 line was not read; it is listed below with the reason."));
    } else {
        said.push_back(Translation::fill(translated("%1 lines were not read; they are listed "
                                                    "below with the reason."),
                                         {std::to_string(reading.refused.count)}));
    }
    std::string text;
    for (const std::string& sentence : said) {
        text.append(text.empty() ? "" : " ").append(sentence);
    }
    return text;
}

void History::Parts::onImported(const HistoryStore::Imported& imported) {
    std::string text;
    std::string detail;
    if (!imported.notImported.empty()) {
        text = Translation::fill(translated("Nothing was imported: %1. The history is as it "
                                            "was."),
                                 {Translation::inWords(imported.notImported)});
        detail = text;
    } else {
        text = Translation::fill(translated("%1 imported; %2 in the history already; %3 not read."),
                                 {HistoryWindow::entriesText(imported.added.size()),
                                  std::to_string(imported.keptAlready),
                                  std::to_string(imported.refused.count)});
        detail = text;
        for (const std::string& line : refusedLines(imported.refused)) {
            detail += '\n' + line;
        }
        if (loaded) {
            model.addAll(imported.added);
            refigure();
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
    const std::string text = problem.empty()
                                 ? Translation::fill(translated("%1 exported to %2."),
                                                     {HistoryWindow::entriesText(exported), file})
                                 : Translation::fill(translated("Nothing was exported: %1."),
                                                     {Translation::inWords(problem)});
    noticeInWindow("file", text, problem.empty() ? NoticeKind::Information : NoticeKind::Warning);
}

void History::Parts::onSavedImage(const std::string& file, const TranslatableText& problem) {
    const std::string text =
        problem.empty() ? Translation::fill(translated("The chart was exported to %1."), {file})
                        : Translation::fill(translated("The chart was not exported: %1."),
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
        kind == Kind::Add ? Translation::fill(translated("Not kept in the history: %1 (%2)."),
                                              {HistoryWindow::entriesText(given.size()),
                                               Translation::inWords(why)})
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
