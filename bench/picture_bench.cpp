// Pictures of a full chart, offscreen: the chart window at 1280 x 800 with
// 100,000 display-list entries (families of constructions with their markers
// and labels) written as SVG, PNG at 2x and PDF, through the temporary file
// and rename of a real export; and the PNG's painting alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "app/frame_window.h"
#include "bench/bench_program.h"
#include "chart/chart_window.h"
#include "chart/export_commands.h"
#include "lines/single_property_lines.h"
#include "picture/chart_picture.h"

namespace calorix {
namespace {

using bench::TheProgram;

constexpr std::size_t kEntries = 100'000;

// Adds families of constructions, as the line-series dialog draws them,
// until the display list holds at least kEntries: isobars (their
// segments across the dome are horizontal), isochores and isenthalps
// (curves), each with its markers and label.
void FillChart(ChartWindow& chart) {
    CurrentPoint point;
    for (int i = 0; chart.DisplayList().size() < kEntries; ++i) {
        const double P = 0.001 * std::pow(22000.0, (i % 97) / 96.0);
        const double v = 0.002 * std::pow(500.0, (i % 89) / 88.0);
        const double h = 500 + 3500.0 * (i % 83) / 82.0;
        switch (i % 3) {
            case 0:
                chart.Replay(Isobar(P, "P", point));
                break;
            case 1:
                chart.Replay(Isochore(v, "v"));
                break;
            default:
                chart.Replay(Isenthalp(h, "h"));
                break;
        }
    }
}

// The chart window filled once with kEntries entries, and a folder for the
// pictures.
struct Filled {
    Filled() { FillChart(TheProgram().Chart()); }
    QTemporaryDir dir;
};

Filled& TheFilledChart() {
    static Filled* filled = new Filled;
    return *filled;
}

// The picture of the filled chart.
ChartPicture FilledPicture() {
    TheFilledChart();
    return TheProgram().Chart().Exports().Picture();
}

void Export(benchmark::State& state, PictureFormat format, int scale, const char* name) {
    const ChartPicture picture = FilledPicture();
    const QString path = TheFilledChart().dir.filePath(QLatin1String(name));
    for (auto _ : state) {
        if (!ExportPicture(picture, path, format, scale)) state.SkipWithError("not written");
    }
    state.counters["entries"] = double(TheProgram().Chart().DisplayList().size());
}

void BM_SvgOfAFullChart(benchmark::State& state) {
    Export(state, PictureFormat::kSvg, 1, "chart.svg");
}
BENCHMARK(BM_SvgOfAFullChart)->Unit(benchmark::kMillisecond);

void BM_PngAtTwiceTheWindowsPixels(benchmark::State& state) {
    Export(state, PictureFormat::kPng, 2, "chart.png");
}
BENCHMARK(BM_PngAtTwiceTheWindowsPixels)->Unit(benchmark::kMillisecond);

// A PNG's painting alone, and the whole PNG in memory, without the file.
void BM_ImageAtTwiceTheWindowsPixels(benchmark::State& state) {
    const ChartPicture picture = FilledPicture();
    for (auto _ : state)
        benchmark::DoNotOptimize(picture.Image(2).constBits());
}
BENCHMARK(BM_ImageAtTwiceTheWindowsPixels)->Unit(benchmark::kMillisecond);

void BM_PngInMemory(benchmark::State& state) {
    const ChartPicture picture = FilledPicture();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(picture.Write(buffer, PictureFormat::kPng, 2));
    }
}
BENCHMARK(BM_PngInMemory)->Unit(benchmark::kMillisecond);

void BM_PdfOfAFullChart(benchmark::State& state) {
    Export(state, PictureFormat::kPdf, 1, "chart.pdf");
}
BENCHMARK(BM_PdfOfAFullChart)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace calorix
