// One log entry under a flood: opening the file for every entry against
// keeping it open, and the date and time stamp each entry carries.
#include "qt_file_system.h"
#include "qt_locale_format.h"
#include "text/log_file.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <string>

namespace {

const std::string Entry = vz::LogEntry("07.12.2026", "05:58:07",
                                       "\x03"
                                       "04someone\x03: a fairly ordinary line of chat");

// Runs in a scratch folder, so the files it writes go away.
struct ScratchFolder {
    ScratchFolder() { QDir::setCurrent(folder.path()); }
    ~ScratchFolder() { QDir::setCurrent(previous); }
    QString previous = QDir::currentPath();
    QTemporaryDir folder;
};

void BM_LogOpenedForEachEntry(benchmark::State& state) {
    ScratchFolder scratch;
    vz::QtFileSystem files;
    for (auto _ : state)
        files.openAppending("#flood.txt")->append(Entry);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogOpenedForEachEntry);

void BM_LogKeptOpen(benchmark::State& state) {
    ScratchFolder scratch;
    vz::QtFileSystem files;
    const auto log = files.openAppending("#flood.txt");
    for (auto _ : state)
        log->append(Entry);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogKeptOpen);

void BM_LogStamp(benchmark::State& state) {
    const vz::QtLocaleFormat locale;
    for (auto _ : state)
        benchmark::DoNotOptimize(locale.shortDate() + locale.timeOfDay());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogStamp);

} // namespace

BENCHMARK_MAIN();
