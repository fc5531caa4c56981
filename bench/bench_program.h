#pragma once

// The program that the benchmarks of the windows run in: the application
// and a frame window of 1280 by 800 pixels with its chart window open,
// offscreen, shown and exposed so that a repaint paints. Messages are
// collected unseen.

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <memory>
#include <optional>

#include "app/frame_window.h"
#include "chart/chart_window.h"
#include "surface/collected_message_boxes.h"

namespace calorix::bench {

struct Program {
    CollectedMessageBoxes messages;
    std::optional<int> seriesProperty;  // for a line-series dialog
    std::unique_ptr<QApplication> app;
    std::unique_ptr<FrameWindow> frame;

    ChartWindow& Chart() { return *frame->Chart(); }
};

// Made at the first call and kept to the end of the process: a QApplication
// must not be destroyed among the static objects after main has returned.
inline Program& TheProgram() {
    static Program* program = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "calorix_bench";
        static char* argv[] = {name, nullptr};
        auto* made = new Program;
        made->app = std::make_unique<QApplication>(argc, argv);
        // The benchmarks choose options (the property model) as a user
        // does: never in the user's own settings, and always from a first run.
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Calorix"), QStringLiteral("Calorix")).clear();
        made->frame = std::make_unique<FrameWindow>(made->messages);
        made->frame->resize(1280, 800);
        made->frame->show();
        made->frame->OpenChartWindow();
        QApplication::processEvents();
        return made;
    }();
    return *program;
}

}  // namespace calorix::bench
