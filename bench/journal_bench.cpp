// The user's work as data, offscreen: Undo of one step with a thousand in
// the journal, the rebuild of the drawing for a new layout, and the Open of a
// chart file of ten thousand steps. Each figure includes the repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "app/chart_file.h"
#include "app/chart_files.h"
#include "app/frame_window.h"
#include "bench/bench_program.h"
#include "chart/chart_window.h"
#include "journal/journal.h"

namespace calorix {
namespace {

using bench::Program;
using bench::TheProgram;

// A chart window opened afresh, with no steps.
ChartWindow& FreshChart() {
    FrameWindow& frame = *TheProgram().frame;
    frame.Area().CloseChartWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frame.OpenChartWindow();
    QApplication::processEvents();
    return TheProgram().Chart();
}

// A located state (T, P) of the superheated region, a different one for each i.
journal::Step State(int i) {
    const std::string T = std::to_string(450 + (i * 37) % 700);
    const std::string P = std::to_string(0.01 + 0.1 * (i % 50));
    return journal::Step{journal::LocateCommand{{T, P, "", "", ""}, true, true, false}};
}

// Steps of many kinds: states, clicks, and now and then a line.
std::vector<journal::Step> Mixed(int count) {
    std::vector<journal::Step> steps;
    for (int i = 0; i < count; ++i) {
        if (i % 10 == 9) {
            const std::string v = std::to_string(0.01 + 0.3 * (i % 17));
            steps.push_back(journal::Step{journal::LocateCommand{{"", "", v, "", ""}}});
        } else if (i % 3 == 1) {
            steps.push_back(
                journal::Step{journal::ClickCommand{1 + (i % 100) * 0.1, 300.0 + i % 900}});
        } else {
            steps.push_back(State(i));
        }
    }
    return steps;
}

void BM_UndoWithAThousandSteps(benchmark::State& state) {
    ChartWindow& chart = FreshChart();
    // A thousand steps of their own, each as the user takes it.
    for (const journal::Step& step : Mixed(1000)) {
        if (const auto* locate = std::get_if<journal::LocateCommand>(&step.command)) {
            for (int i = 0; i < kPropertyCount; ++i)
                chart.InputBox(i).setText(QString::fromStdString(locate->boxes[size_t(i)]));
            chart.LocateButton().click();
        } else {
            const auto& click = std::get<journal::ClickCommand>(step.command);
            const ChartPoint p = TheProgram().frame->Frame().Map(click.s, click.T);
            emit chart.MouseDown(float(p.x), float(p.y));
        }
    }
    for (auto _ : state) {
        chart.Undo();
        chart.repaint();
        state.PauseTiming();
        chart.Redo();
        chart.repaint();
        state.ResumeTiming();
    }
    state.counters["steps"] = double(chart.Journal().DoneCount());
    state.counters["entries"] = double(chart.DisplayList().size());
}
BENCHMARK(BM_UndoWithAThousandSteps)->Unit(benchmark::kMillisecond);

// The 19 isochores of the series dialog's defaults and 100 located states,
// drawn again as a resize with Fit chart to window draws them.
// Under IAPWS-IF97 (argument 1) this is what a choice of model costs.
void BM_RebuildSeriesAndAHundredStates(benchmark::State& state) {
    ChartWindow& chart = FreshChart();
    std::vector<journal::Step> steps = {journal::Step{journal::SeriesCommand{
        kV, "0.005", "200", "10", "19", journal::SeriesMode::kCount, true, true}}};
    for (int i = 0; i < 100; ++i)
        steps.push_back(State(i));
    const char* model = state.range(0) == 1 ? "if97" : "classic";
    state.SetLabel(model);
    chart.OpenSteps("rebuild", steps, {}, model);
    for (auto _ : state) {
        chart.Rebuild();
        chart.repaint();
    }
    state.counters["entries"] = double(chart.DisplayList().size());
}
BENCHMARK(BM_RebuildSeriesAndAHundredStates)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_OpenTenThousandSteps(benchmark::State& state) {
    Program& program = TheProgram();
    FreshChart();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ten-thousand.calorix"));
    WriteChartFile(path, Mixed(10000));
    for (auto _ : state) {
        program.frame->OpenChartFile(path);
        program.Chart().repaint();
    }
    state.counters["entries"] = double(program.Chart().DisplayList().size());
}
BENCHMARK(BM_OpenTenThousandSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace calorix
