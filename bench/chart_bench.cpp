// The chart window at work, offscreen, under each property model (an
// argument: 0 the chart's correlations, 1 IAPWS-IF97): each single-property
// Draw with all its refreshes, the same constructions computed by the core
// alone, one mouse move with its status-bar readout, a click with its panel
// and the default series of isochores; and a Rankine cycle computed and
// drawn. A Draw and a click are timed until they return, and again with the
// paint the event loop then makes of them (the drawing copied to the screen,
// the panel's text laid out and painted).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <string>

#include "app/frame_window.h"
#include "bench/bench_program.h"
#include "chart/chart_window.h"
#include "cycles/cycle_windows.h"
#include "cycles/rankine_dialog.h"
#include "lines/model_lines.h"
#include "lines/single_property_lines.h"
#include "series/series_dialog.h"

namespace calorix {
namespace {

using bench::Program;
using bench::TheProgram;

const char* const kValues[kPropertyCount] = {"500", "1", "0.5", "3000", "7"};
const char* const kNames[kPropertyCount] = {"Isotherm", "Isobar", "Isochore", "Isenthalp",
                                            "Isentrope"};

const char* const kModels[2] = {"classic", "if97"};
// The last argument of a command's benchmark: 0 until the command returns,
// 1 with the paint that the event loop then makes of what it drew.
const char* const kPaint[2] = {"", ", painted"};

// The program's chart under the model of the benchmark's argument.
ChartWindow& ChartUnder(benchmark::State& state, int argument) {
    ChartWindow& chart = TheProgram().Chart();
    const char* model = kModels[state.range(argument)];
    if (chart.Model().Name() != model) chart.ChooseModel(model);
    return chart;
}

void BM_DrawThroughWindow(benchmark::State& state) {
    ChartWindow& chart = ChartUnder(state, 1);
    const int box = int(state.range(0));
    state.SetLabel(std::string(kNames[box]) + " " + kModels[state.range(1)] +
                   kPaint[state.range(2)]);
    for (auto _ : state) {
        state.PauseTiming();
        chart.Cls();
        chart.ClearBoxesButton().click();
        chart.InputBox(box).setText(QString::fromLatin1(kValues[box]));
        QApplication::processEvents();  // the erased chart painted, untimed
        state.ResumeTiming();
        chart.DrawButton().click();
        if (state.range(2) == 1) QApplication::processEvents();  // and its paint
    }
}
BENCHMARK(BM_DrawThroughWindow)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_ConstructionInCore(benchmark::State& state) {
    const int box = int(state.range(0));
    state.SetLabel(std::string(kNames[box]) + " " + kModels[state.range(1)]);
    const double value = std::stod(kValues[box]);
    const std::string text = kValues[box];
    CurrentPoint point;
    if (state.range(1) == 1) {
        const PropertyModel& model = If97Model();
        for (auto _ : state) {
            switch (box) {
                case kT:
                    benchmark::DoNotOptimize(ModelIsotherm(model, value, text));
                    break;
                case kP:
                    benchmark::DoNotOptimize(ModelIsobar(model, value, text, point));
                    break;
                case kV:
                    benchmark::DoNotOptimize(ModelIsochore(model, value, text));
                    break;
                case kH:
                    benchmark::DoNotOptimize(ModelIsenthalp(model, value, text));
                    break;
                default:
                    benchmark::DoNotOptimize(ModelIsentrope(model, value, text));
                    break;
            }
        }
        return;
    }
    for (auto _ : state) {
        switch (box) {
            case kT:
                benchmark::DoNotOptimize(Isotherm(value, text));
                break;
            case kP:
                benchmark::DoNotOptimize(Isobar(value, text, point));
                break;
            case kV:
                benchmark::DoNotOptimize(Isochore(value, text));
                break;
            case kH:
                benchmark::DoNotOptimize(Isenthalp(value, text));
                break;
            default:
                benchmark::DoNotOptimize(Isentrope(value, text));
                break;
        }
    }
}
BENCHMARK(BM_ConstructionInCore)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_MouseMove(benchmark::State& state) {
    ChartWindow& chart = ChartUnder(state, 0);
    state.SetLabel(kModels[state.range(0)]);
    float x = 2000, y = 3000;
    for (auto _ : state) {
        x = x > 9000 ? 1000 : x + 7.5f;
        y = y > 5200 ? 700 : y + 3.5f;
        emit chart.MouseMove(x, y);
    }
}
BENCHMARK(BM_MouseMove)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// A click on the chart, with its marker and panel; each is taken back
// (untimed) so that the drawing does not grow.
void BM_Click(benchmark::State& state) {
    ChartWindow& chart = ChartUnder(state, 0);
    state.SetLabel(std::string(kModels[state.range(0)]) + kPaint[state.range(1)]);
    float x = 2000, y = 3000;
    for (auto _ : state) {
        x = x > 9000 ? 1000 : x + 75.f;
        y = y > 5200 ? 700 : y + 35.f;
        emit chart.MouseDown(x, y);
        if (state.range(1) == 1) QApplication::processEvents();  // and its paint
        state.PauseTiming();
        chart.Undo();
        QApplication::processEvents();  // the undone chart painted, untimed
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Click)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

// The longest default series: 19 isochores by the series dialog's OK.
void BM_SeriesOfIsochores(benchmark::State& state) {
    Program& program = TheProgram();
    ChartWindow& chart = ChartUnder(state, 0);
    state.SetLabel(kModels[state.range(0)]);
    for (auto _ : state) {
        state.PauseTiming();
        chart.Cls();
        auto* dialog =
            new SeriesDialog(*program.frame, chart, program.messages, program.seriesProperty);
        dialog->PropertyOption(kV).click();
        state.ResumeTiming();
        dialog->OkButton().click();
        state.PauseTiming();
        delete dialog;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SeriesOfIsochores)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// The reheat cycle with two open feedwater heaters (15 MPa and 873.15 K,
// reheat at 4 MPa to 873.15 K, heaters at 4 and 0.5 MPa, turbines of 90 %
// and pumps of 80 %, to 10 kPa, 250 MW) under IAPWS-IF97: one OK of the
// Rankine cycle dialog, which computes the cycle, draws its paths, markers
// and numbers with their refresh, lists its states and shows its results;
// each is taken back (untimed) before the next.
void BM_RankineCycleThroughDialog(benchmark::State& state) {
    Program& program = TheProgram();
    ChartWindow& chart = program.Chart();
    // Under IAPWS-IF97 without touching the user's kept choice of model.
    chart.OpenSteps("bench", {}, {}, "if97");
    program.frame->Cycles().OpenDialog(chart);
    RankineDialog& dialog = *program.frame->Cycles().Dialog();
    dialog.SetTexts({"15", "873.15", "10k", "4", "873.15", "4, 0.5", "0.9", "0.8", "250"});
    std::size_t drawn = 0;
    for (auto _ : state) {
        const std::size_t before = chart.DisplayList().size();
        dialog.OkButton().click();
        state.PauseTiming();
        drawn = chart.DisplayList().size() - before;
        if (drawn == 0) state.SkipWithError("no cycle drawn");
        chart.Undo();
        state.ResumeTiming();
    }
    state.counters["entries"] = double(drawn);
    state.SetLabel("IF97, reheat and two heaters");
}
BENCHMARK(BM_RankineCycleThroughDialog)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace calorix
