// The history's benchmark, offscreen (or on the X server in DISPLAY with QT_QPA_PLATFORM=xcb),
// on a data folder of its own, with a history of so many entries (a day each):
//   build/bench/history_bench [entries] [rounds]
//
// The History window's first frame: from the command until the window shows every row and its
// chart, the history read from disk on the store's thread; a repaint of the chart (its image
// kept) and a redraw (its image made again, as on a resize); export and import of every entry;
// and the window's thread for Add to History, beside a key typed into a field in the same run.
// Run with QT_SCALE_FACTOR=2 for a screen of twice the density.
#include "engine/trend.h"
#include "framework/application/application.h"
#include "framework/dialog/dialog_widgets.h"
#include "framework/storage/atomic_file.h"
#include "history/history_csv.h"
#include "history/history_database.h"
#include "history/history_store.h"
#include "res/program_resources.h"
#include "res/resource_ids.h"
#include "ui/main_dialog.h"
#include "windows/time_chart.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using fenwake::HistoryEntry;

class BenchApplication : public fenwake::Application {};

// Keeps the compiler from dropping what is computed only to be timed.
template <typename Value>
void benchmark_keep(const Value& value) {
    asm volatile("" : : "g"(&value) : "memory");
}

double milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

void report(const char* what, std::vector<double> values, const char* unit = "ms") {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    std::printf("%-46s median %9.3f %s   min %9.3f   max %9.3f   (%zu)\n", what, median, unit,
                values.front(), values.back(), n);
}

std::vector<HistoryEntry> daysOf(int count) {
    std::vector<HistoryEntry> entries;
    for (int day = 0; day < count; ++day) {
        HistoryEntry entry;
        entry.taken = {1456790400000 + std::int64_t{day} * 86'400'000 / (count > 3650 ? 10 : 1),
                       60};
        entry.measurements = {80.0 + (day % 97) * 0.05,
                              70.0 + (day % 31) * 0.1,
                              170.0,
                              day % 2 == 0,
                              true,
                              0.0,
                              0.0,
                              fenwake::FatMethod::WaistAndWeight};
        entries.push_back(entry);
    }
    return entries;
}

void keep(const std::string& path, std::vector<HistoryEntry> entries) {
    fenwake::HistoryDatabase database(path);
    std::vector<bool> fresh;
    if (const fenwake::Problem problem = database.add(entries, fresh); !problem.empty()) {
        std::fprintf(stderr, "cannot keep the entries: %s\n", problem.text.id.c_str());
        std::exit(1);
    }
}

std::vector<HistoryEntry> kept(const std::string& path) {
    fenwake::HistoryDatabase database(path);
    std::vector<HistoryEntry> entries;
    database.read(entries);
    return entries;
}

QAction* command(const fenwake::Dialog& dialog, const char* text) {
    for (QAction* item : fenwake::DialogWidgets::window(dialog)->findChildren<QAction*>()) {
        if (item->text().remove('&').startsWith(QLatin1String(text))) {
            return item;
        }
    }
    std::fprintf(stderr, "no command %s\n", text);
    std::exit(1);
}

struct Frame {
    double milliseconds;
    QDialog* window;
};

// From History… until every row is in the table and the window is painted. The history holds
// at least the entries made for the run; earlier rounds' Add to History make it hold more.
Frame firstFrame(const fenwake::MainDialog& dialog, int entries) {
    const Clock::time_point start = Clock::now();
    command(dialog, "History")->trigger();
    auto* window = fenwake::DialogWidgets::window(dialog)->findChild<QDialog*>("history-window");
    auto* table = window->findChild<QTableView*>("table");
    while (table->model()->rowCount() < entries) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    window->repaint();
    return {milliseconds(Clock::now() - start), window};
}

void timeTheWindow(BenchApplication& application, int entries, int rounds) {
    std::vector<double> first;
    std::vector<double> repaint;
    std::vector<double> redraw;
    std::vector<double> add;
    std::vector<double> key;
    std::vector<double> spans;
    std::vector<double> reopened;
    for (int round = 0; round < rounds; ++round) {
        fenwake::MainDialog dialog;
        dialog.create();
        application.setMainWindow(&dialog);
        const Frame frame = firstFrame(dialog, entries);
        first.push_back(frame.milliseconds);
        auto* chart = frame.window->findChild<fenwake::TimeChart*>("chart");
        for (int i = 0; i < 20; ++i) {
            Clock::time_point start = Clock::now();
            chart->repaint();
            repaint.push_back(milliseconds(Clock::now() - start));
            chart->resize(chart->width() + (i % 2 == 0 ? 1 : -1), chart->height());
            start = Clock::now();
            chart->repaint();
            redraw.push_back(milliseconds(Clock::now() - start));
        }
        // Each span shown, as its button shows it: the chart drawn again for it.
        for (const auto span :
             {fenwake::TimeChart::Span::FourWeeks, fenwake::TimeChart::Span::ThreeMonths,
              fenwake::TimeChart::Span::Year, fenwake::TimeChart::Span::All}) {
            const Clock::time_point start = Clock::now();
            chart->setSpan(span);
            chart->repaint();
            spans.push_back(milliseconds(Clock::now() - start));
        }
        frame.window->close();
        QApplication::processEvents();
        // Opened again, the history read already.
        const Frame again = firstFrame(dialog, entries);
        reopened.push_back(again.milliseconds);
        again.window->close();
        for (const auto& [id, text] :
             {std::pair{fenwake::IDC_WAIST, "80"}, std::pair{fenwake::IDC_WEIGHT, "70"},
              std::pair{fenwake::IDC_HEIGHT, "170"}}) {
            auto* field = qobject_cast<QLineEdit*>(fenwake::DialogWidgets::control(dialog, id));
            field->selectAll();
            QTest::keyClicks(field, text);
        }
        auto* weight =
            qobject_cast<QLineEdit*>(fenwake::DialogWidgets::control(dialog, fenwake::IDC_WEIGHT));
        weight->setFocus();
        QAction* addToHistory = command(dialog, "Add to History");
        for (int i = 0; i < 20; ++i) {
            Clock::time_point start = Clock::now();
            addToHistory->trigger();
            add.push_back(milliseconds(Clock::now() - start));
            start = Clock::now();
            QTest::keyClick(weight, i % 2 == 0 ? Qt::Key_1 : Qt::Key_Backspace);
            key.push_back(milliseconds(Clock::now() - start));
            QTest::qWait(2); // one entry a millisecond at most: the same moment is one entry
        }
        application.setMainWindow(nullptr);
    }
    report("History window, first frame", first);
    report("History window, opened again", reopened);
    report("chart, a span chosen and drawn", spans);
    report("chart repaint, its image kept", repaint);
    report("chart redraw, its image made again", redraw);
    report("window's thread, Add to History", add);
    report("window's thread, a key in the weight (beside)", key);
}

// The trends of the four figures, their rates: what the window computes at each change.
void timeTheReading(const std::string& path, int rounds) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const Clock::time_point start = Clock::now();
        benchmark_keep(kept(path));
        times.push_back(milliseconds(Clock::now() - start));
    }
    report("the history read from its file", times);
}

void timeTheTrends(int entries, int rounds) {
    const std::vector<HistoryEntry> all = daysOf(entries);
    std::vector<double> times;
    for (int round = 0; round < rounds * 4; ++round) {
        const Clock::time_point start = Clock::now();
        for (const auto figure : {fenwake::Figure::Weight, fenwake::Figure::FatPercentage,
                                  fenwake::Figure::FatMass, fenwake::Figure::LeanMass}) {
            const auto points =
                fenwake::Trend::smoothed(fenwake::Trend::dailyMeans(all, figure, true), figure);
            benchmark_keep(fenwake::Trend::rateOf(points));
        }
        times.push_back(milliseconds(Clock::now() - start));
    }
    report("trends and rates of four figures", times);
}

void timeTheFiles(const std::string& folder, int entries, int rounds) {
    const std::vector<HistoryEntry> all = daysOf(entries);
    std::vector<double> exported;
    std::vector<double> imported;
    const std::string file = folder + "/export.csv";
    for (int round = 0; round < rounds; ++round) {
        Clock::time_point start = Clock::now();
        const fenwake::TranslatableText written =
            fenwake::AtomicFile(file).replace(fenwake::HistoryCsv::write(all));
        exported.push_back(milliseconds(Clock::now() - start));
        const std::string empty = folder + "/import-" + std::to_string(round) + ".sqlite";
        start = Clock::now();
        fenwake::HistoryCsv::Reading reading = fenwake::HistoryCsv::readFile(file);
        keep(empty, std::move(reading.entries));
        imported.push_back(milliseconds(Clock::now() - start));
        if (!written.empty()) {
            std::fprintf(stderr, "export failed\n");
            std::exit(1);
        }
    }
    std::printf("CSV of %d entries: %.1f MB\n", entries,
                static_cast<double>(std::filesystem::file_size(file)) / 1e6);
    report("export, every entry to a CSV file", exported);
    report("import into an empty history", imported);
}

} // namespace

int main(int argc, char** argv) {
    const int entries = argc > 1 ? std::atoi(argv[1]) : 3650;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config"));
    qputenv("XDG_STATE_HOME", QFile::encodeName(home.path() + "/state"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qt(argc, argv);
    BenchApplication application;
    fenwake::registerProgramResources();
    application.setRegistryKey("Kestrova");

    const std::string path = fenwake::HistoryStore::defaultPath();
    keep(path, daysOf(entries));
    std::printf("%d entries, %d rounds, scale %s\n", entries, rounds,
                qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")
                    ? "1"
                    : qgetenv("QT_SCALE_FACTOR").constData());
    timeTheReading(path, rounds);
    timeTheTrends(entries, rounds);
    timeTheWindow(application, entries, rounds);
    application.finishWriting(); // as the program ends: what is pending is written, or said
    std::printf("the history holds %zu entries after the rounds' Add to History\n",
                kept(path).size());
    timeTheFiles(home.path().toStdString(), entries, rounds);
    return 0;
}
