#include "app/start_up.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "app/export_command.h"
#include "app/frame_window.h"

namespace calorix {

void StartFrame(FrameWindow& frame, const QStringList& arguments) {
    if (const QScreen* screen = QApplication::primaryScreen()) {
        frame.resize(OpeningSize(frame));
        frame.move(screen->availableGeometry().center() - frame.rect().center());
    }
    frame.show();
    frame.OpenChartWindow();
    frame.SteamItem().setEnabled(true);
    if (arguments.size() > 1) {
        QTimer::singleShot(0, &frame,
                           [&frame, path = arguments.last()] { frame.OpenChartFile(path); });
    }
}

}  // namespace calorix
