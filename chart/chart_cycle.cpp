// The chart's power cycles: the Cycle menu, a cycle as one step of the
// journal, computed under the chart's property model and drawn along its
// processes' paths with its states marked and numbered in the order of the
// flow.
#include <QAction>
#include <QFontMetricsF>
#include <QMenu>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <variant>

#include "chart/chart_cycle.h"
#include "chart/chart_window.h"
#include "cycle/rankine_texts.h"
#include "readout/model_panel.h"
#include "surface/message_boxes.h"
#include "surface/qb_color.h"
#include "surface/twips.h"

namespace calorix {
namespace {

// A cycle computed, or the message that says why it cannot be and the box
// to blame.
struct Computed {
    std::shared_ptr<const DrawnCycle> cycle;
    QString message;
    CycleInput blamed = CycleInput::kBoilerPressure;
};

Computed Compute(const PropertyModel& model, const journal::CycleCommand& command) {
    const RankineInputsOrError inputs = ReadRankineTexts(command.texts);
    if (const auto* error = std::get_if<RankineTextError>(&inputs)) {
        return {nullptr, QString::fromStdString(RankineTextMessage(*error)), error->input};
    }
    RankineOrError answer = ComputeRankine(model, std::get<RankineInputs>(inputs));
    if (const auto* error = std::get_if<CycleError>(&answer)) {
        return {nullptr, QString::fromStdString(RankineCycleMessage(command.texts, *error)),
                error->input};
    }
    auto drawn = std::make_shared<DrawnCycle>(
        DrawnCycle{command, &model, std::move(std::get<RankineCycle>(answer))});
    return {std::move(drawn), QString(), CycleInput::kBoilerPressure};
}

// The part of the segment a-b inside the rectangle (Liang and Barsky's
// clipping); nothing when no part is.
std::optional<std::pair<QPointF, QPointF>> Clipped(QPointF a, QPointF b, const QRectF& inside) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    // Each edge: p t <= q keeps the point a + t (b - a) on its inner side.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - inside.left(), inside.right() - a.x(), a.y() - inside.top(),
                         inside.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return std::nullopt;
    }
    const auto at = [&](double t) { return t == 0 ? a : t == 1 ? b : a + t * (b - a); };
    return std::pair{at(t0), at(t1)};
}

void ClippedLine(DrawingSurface& surface, QPointF a, QPointF b, const QRectF& chart) {
    if (const auto part = Clipped(a, b, chart)) {
        surface.Line(float(part->first.x()), float(part->first.y()), float(part->second.x()),
                     float(part->second.y()));
    }
}

void SolidPolyline(DrawingSurface& surface, const std::vector<QPointF>& points,
                   const QRectF& chart) {
    for (std::size_t i = 1; i < points.size(); ++i)
        ClippedLine(surface, points[i - 1], points[i], chart);
}

// Dashes of kCycleDash twips and gaps of kCycleGap along the polyline, the
// pattern running on across its corners (a dash over a corner is drawn as
// two lines).
void DashedPolyline(DrawingSurface& surface, const std::vector<QPointF>& points,
                    const QRectF& chart) {
    constexpr double kPeriod = kCycleDash + kCycleGap;
    double phase = 0;  // how far into the current dash and gap
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPointF a = points[i - 1], b = points[i];
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        double at = 0;
        while (at < length) {
            const bool inDash = phase < kCycleDash;
            const double room = (inDash ? kCycleDash : kPeriod) - phase;
            const double step = std::min(room, length - at);
            if (inDash) {
                ClippedLine(surface, a + (at / length) * (b - a),
                            a + ((at + step) / length) * (b - a), chart);
            }
            at += step;
            phase += step;
            if (phase >= kPeriod) phase -= kPeriod;
        }
    }
}

// A segment of a drawn path, in twips.
using Segment = std::pair<QPointF, QPointF>;

// Where the numbers of the states go: beside each marker, at the first of
// six places around it (above right, above left, below right, below left,
// right, left), then the same twice and three times as far out, whose
// rectangle lies inside the chart, clear of every marker and of the numbers
// placed before, and crossed by none of the cycle's paths; failing that, the
// first such place that a path crosses; failing that, the first place.
// Sizes in twips.
std::vector<QPointF> LabelPlaces(const std::vector<QPointF>& markers,
                                 const std::vector<QSizeF>& sizes, const QRectF& chart,
                                 const std::vector<Segment>& paths) {
    std::vector<QRectF> taken;
    for (const QPointF& m : markers) {
        taken.emplace_back(m.x() - kCycleMarkerRadius, m.y() - kCycleMarkerRadius,
                           2 * kCycleMarkerRadius, 2 * kCycleMarkerRadius);
    }
    std::vector<QPointF> places;
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const QPointF m = markers[i];
        const double w = sizes[i].width(), h = sizes[i].height();
        std::vector<QPointF> candidates;
        for (int ring = 1; ring <= 3; ++ring) {
            const double d = ring * (kCycleMarkerRadius + kCycleLabelGap);
            candidates.insert(candidates.end(), {{m.x() + d, m.y() - d - h},
                                                 {m.x() - d - w, m.y() - d - h},
                                                 {m.x() + d, m.y() + d},
                                                 {m.x() - d - w, m.y() + d},
                                                 {m.x() + d, m.y() - h / 2},
                                                 {m.x() - d - w, m.y() - h / 2}});
        }
        const auto free = [&](const QPointF& corner, bool ofPaths) {
            const QRectF rect(corner, sizes[i]);
            if (!chart.contains(rect)) return false;
            for (const QRectF& t : taken) {
                if (t.intersects(rect)) return false;
            }
            if (!ofPaths) return true;
            return std::none_of(paths.begin(), paths.end(), [&](const Segment& segment) {
                return Clipped(segment.first, segment.second, rect).has_value();
            });
        };
        std::optional<QPointF> chosen;
        for (const bool ofPaths : {true, false}) {
            const auto found = std::find_if(candidates.begin(), candidates.end(),
                                            [&](const QPointF& c) { return free(c, ofPaths); });
            if (found != candidates.end()) {
                chosen = *found;
                break;
            }
        }
        places.push_back(chosen.value_or(candidates.front()));
        taken.emplace_back(places.back(), sizes[i]);
    }
    return places;
}

}  // namespace

void ChartWindow::CreateCycleMenu() {
    cycleMenu_ = new QMenu(QStringLiteral("&Cycle"), this);
    cycleMenu_->setObjectName(QStringLiteral("mnuCycle"));
    cycleMenu_->menuAction()->setObjectName(QStringLiteral("mnuCycle"));
    QAction* rankine = cycleMenu_->addAction(QStringLiteral("&Rankine cycle..."));
    rankine->setObjectName(QStringLiteral("mnuRankine"));
    rankine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    // The key works wherever the focus is in the window, the menu being on
    // the frame's bar.
    rankine->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(rankine);
    QAction* results = cycleMenu_->addAction(QStringLiteral("Re&sults"));
    results->setObjectName(QStringLiteral("mnuCycleResults"));
    connect(rankine, &QAction::triggered, this, &ChartWindow::CycleDialogRequested);
    connect(results, &QAction::triggered, this, &ChartWindow::CycleResultsRequested);
}

bool ChartWindow::DrawCycle(const journal::CycleCommand& cycle, CycleInput* blamed) {
    // A cycle is a user's command; none starts inside another or an Open.
    if (!AtUserLevel()) return false;
    Computed computed = Compute(*model_, cycle);
    if (!computed.cycle) {
        messages_.MsgBox(computed.message, MessageBoxes::kExclamation);
        if (blamed) *blamed = computed.blamed;
        return false;
    }
    RecordStep(journal::Step{cycle});
    ++stepDepth_;
    ShowCycle(std::move(computed.cycle));
    --stepDepth_;
    return true;
}

void ChartWindow::RunCycle(const journal::CycleCommand& cycle) {
    Computed computed = Compute(*model_, cycle);
    if (!computed.cycle) {
        // Under another model the same texts may give no cycle.
        messages_.MsgBox(computed.message, MessageBoxes::kExclamation);
        SetLastCycle(nullptr);
        return;
    }
    ShowCycle(std::move(computed.cycle));
}

void ChartWindow::ShowCycle(std::shared_ptr<const DrawnCycle> drawn) {
    const CommandScope command(*this);
    const RankineCycle& cycle = drawn->cycle;
    const PropertyModel& model = *drawn->model;
    const ChartFrame& f = chartFrame_;
    const QRectF chart(f.ChartLeft, f.Top(), f.ChartWidth, f.ChartHeight);
    SetForeColor(QBColor(kCycleColor));

    // The processes along their paths, the schematic ones dashed.
    const std::vector<ProcessPath> paths = CyclePaths(model, cycle);
    std::vector<Segment> segments;
    for (const ProcessPath& path : paths) {
        std::vector<QPointF> points;
        points.reserve(path.points.size());
        for (const PathPoint& p : path.points)
            points.push_back(Map(p.s, p.T));
        for (std::size_t i = 1; i < points.size(); ++i)
            segments.emplace_back(points[i - 1], points[i]);
        if (path.shape == PathShape::kSchematic) {
            DashedPolyline(*this, points, chart);
        } else {
            SolidPolyline(*this, points, chart);
        }
    }

    // Each state on the chart marked, and numbered beside its marker.
    std::vector<int> numbers;
    std::vector<QPointF> markers;
    std::vector<QSizeF> sizes;
    const QFontMetricsF metrics(font(), this);
    const double perPixel = TwipsPerPixel(*this);
    for (std::size_t i = 0; i < cycle.states.size(); ++i) {
        const State& state = cycle.states[i].state;
        const QPointF p = Map(state.s, state.T);
        if (!chart.contains(p)) continue;
        const QString number = QString::number(i + 1);
        numbers.push_back(int(i + 1));
        markers.push_back(p);
        sizes.emplace_back(metrics.horizontalAdvance(number) * perPixel,
                           metrics.height() * perPixel);
    }
    for (const QPointF& p : markers)
        Circle(float(p.x()), float(p.y()), float(kCycleMarkerRadius));
    const std::vector<QPointF> places = LabelPlaces(markers, sizes, chart, segments);
    for (std::size_t i = 0; i < places.size(); ++i) {
        SetCurrentPoint(places[i]);
        Print(QString::number(numbers[i]));
    }
    Refresh();

    // The states join the table of states, as their model gives them.
    for (const CycleState& state : cycle.states) {
        const StatePanel panel = DescribeModelState(model, PanelVariant::kLocate, state.state);
        if (panel.values) ListState(*panel.values);
    }
    SetLastCycle(std::move(drawn));
}

void ChartWindow::SetLastCycle(std::shared_ptr<const DrawnCycle> cycle) {
    if (cycle == lastCycle_) return;
    lastCycle_ = std::move(cycle);
    emit CycleChanged();
}

}  // namespace calorix
