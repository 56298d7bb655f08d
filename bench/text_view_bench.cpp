// Appending coloured lines to a visible Qt text view, as a busy channel
// does: lines arrive in batches (one socket read each) and the view lays
// them out when the event loop turns.
#include "qt_text_view.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int LinesPerRun = 100000;
constexpr int LinesPerRead = 50;

std::vector<vz::TextRun> colouredLine(int n) {
    static const std::uint32_t colours[] = {0x00007F, 0x007F00, 0xFF0000, 0x7F007F, 0x5C5C5C};
    return {vz::TextRun{" ", {}}, vz::TextRun{"nick" + std::to_string(n % 37), {0, true, false}},
            vz::TextRun{":", {0, false, true}},
            vz::TextRun{" \tsome channel traffic, line " + std::to_string(n),
                        {colours[n % 5], false, false}}};
}

// `layOutEachRead`: every read is laid out at once, as when lines come
// slowly enough for the view to keep up; otherwise the view's own pacing.
void appendLines(benchmark::State& state, int lineLimit, bool layOutEachRead) {
    std::vector<std::vector<vz::TextRun>> lines;
    for (int n = 0; n < LinesPerRun; ++n)
        lines.push_back(colouredLine(n));
    for (auto _ : state) {
        state.PauseTiming();
        QWidget host;
        host.resize(800, 600);
        auto view = std::make_unique<vz::QtTextView>(&host);
        view->place(vz::TwipRect{0, 0, 12000, 9000});
        view->setLineLimit(lineLimit);
        host.show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (int n = 0; n < LinesPerRun; ++n) {
            view->appendLine(lines[n]);
            if (n % LinesPerRead != LinesPerRead - 1)
                continue;
            if (layOutEachRead)
                view->flush();
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * LinesPerRun);
}

void BM_AppendUnbounded(benchmark::State& state) {
    appendLines(state, 0, false);
}
void BM_AppendWithScrollback(benchmark::State& state) {
    appendLines(state, 5000, false);
}
void BM_AppendWithScrollbackEachReadShown(benchmark::State& state) {
    appendLines(state, 5000, true);
}

BENCHMARK(BM_AppendUnbounded)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AppendWithScrollback)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AppendWithScrollbackEachReadShown)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
