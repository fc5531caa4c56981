// The drawing surface with a full chart's worth of drawing (100,000 lines,
// circles and texts on about 1200 x 700 pixels): repainting after being
// uncovered must cost no more than copying a pixmap, and adding one line must
// not touch the rest of the drawing.
//
// Run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <memory>
#include <random>

#include "surface/drawing_surface.h"
#include "surface/qb_color.h"
#include "surface/twips.h"

namespace {

using calorix::DrawingSurface;
using calorix::QBColor;

constexpr int kWidth = 1200;
constexpr int kHeight = 700;
constexpr int kPrimitives = 100'000;

// The application lives as long as the process; it is never destroyed, so no
// widget outlives it.
QApplication& Application() {
    static int argc = 1;
    static char name[] = "surface_bench";
    static char* argv[] = {name, nullptr};
    static auto* application = new QApplication(argc, argv);
    return *application;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// Polylines of short segments, as the constructions draw them, with marker
// circles and labels among them.
void FillWithChart(DrawingSurface& surface) {
    std::mt19937 random(1273);
    const float perPixel = static_cast<float>(calorix::TwipsPerPixel(surface));
    const float width = kWidth * perPixel;
    const float height = kHeight * perPixel;
    std::uniform_real_distribution<float> anyX(0, width);
    std::uniform_real_distribution<float> anyY(0, height);
    std::uniform_real_distribution<float> step(-20 * perPixel, 20 * perPixel);
    std::uniform_int_distribution<int> kind(0, 99);
    std::uniform_int_distribution<int> colour(0, 14);
    for (int i = 0; i < kPrimitives; ++i) {
        const int k = kind(random);
        if (k < 2) {
            surface.SetForeColor(QBColor(colour(random)));
            surface.Line(anyX(random), anyY(random), anyX(random), anyY(random));
        } else if (k < 85) {
            const QPointF from = surface.CurrentPoint();
            surface.LineTo(std::clamp(static_cast<float>(from.x()) + step(random), 0.0f, width),
                           std::clamp(static_cast<float>(from.y()) + step(random), 0.0f, height));
        } else if (k < 97) {
            surface.Circle(anyX(random), anyY(random), k % 2 == 0 ? 30.0f : 15.0f);
        } else {
            surface.Print(" 773.16");
        }
    }
}

std::unique_ptr<DrawingSurface> ShownSurface() {
    Application();
    auto surface = std::make_unique<DrawingSurface>();
    surface->resize(kWidth, kHeight);
    surface->show();
    QCoreApplication::processEvents();
    return surface;
}

// (a) The window uncovered: the whole surface repainted from the cache.
void BM_RepaintUncovered(benchmark::State& state) {
    const auto surface = ShownSurface();
    FillWithChart(*surface);
    surface->repaint();  // the first render
    PaintCounter paints(*surface);
    for (auto _ : state)
        surface->repaint();
    if (paints.count != static_cast<int>(state.iterations())) {
        state.SkipWithError("repaint() did not paint the surface");
    }
    state.counters["primitives"] = static_cast<double>(surface->DisplayList().size());
}
BENCHMARK(BM_RepaintUncovered)->Unit(benchmark::kMicrosecond);

// (b) For comparison: one pixmap of the surface's size drawn onto another.
void BM_DrawPixmapSameSize(benchmark::State& state) {
    Application();
    const qreal ratio = qApp->devicePixelRatio();
    const QSize size(static_cast<int>(kWidth * ratio), static_cast<int>(kHeight * ratio));
    QPixmap source(size);
    source.setDevicePixelRatio(ratio);
    source.fill(Qt::white);
    QPixmap target(size);
    target.setDevicePixelRatio(ratio);
    target.fill(Qt::black);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawPixmap(0, 0, source);
    }
    benchmark::DoNotOptimize(target.cacheKey());
}
BENCHMARK(BM_DrawPixmapSameSize)->Unit(benchmark::kMicrosecond);

// (c) One more line on the full surface, shown at once.
void BM_AppendLineAndRefresh(benchmark::State& state) {
    const auto surface = ShownSurface();
    FillWithChart(*surface);
    surface->repaint();
    PaintCounter paints(*surface);
    float x = 0;
    for (auto _ : state) {
        x = x < kWidth * 15.0f ? x + 15.0f : 0.0f;
        surface->Line(x, 3000.0f, x + 60.0f, 3060.0f);
        surface->Refresh();
    }
    if (paints.count != static_cast<int>(state.iterations())) {
        state.SkipWithError("Refresh() did not paint the surface");
    }
}
BENCHMARK(BM_AppendLineAndRefresh)->Unit(benchmark::kMicrosecond);

// (d) The first render of the whole display list into a new cache.
void BM_FirstRender(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto surface = ShownSurface();
        FillWithChart(*surface);
        state.ResumeTiming();
        surface->repaint();
        state.PauseTiming();
        surface.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstRender)->Unit(benchmark::kMillisecond);

// Drawing 100,000 primitives onto a visible surface, each asking for a repaint
// of its own rectangle (no painting happens until the event loop runs).
void BM_Append100kVisible(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto surface = ShownSurface();
        state.ResumeTiming();
        FillWithChart(*surface);
        state.PauseTiming();
        surface.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Append100kVisible)->Unit(benchmark::kMillisecond);

}  // namespace
