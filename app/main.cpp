// Calorix: the temperature-entropy chart of water and steam.
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "app/export_command.h"
#include "app/frame_window.h"
#include "surface/qt_message_boxes.h"

int main(int argc, char** argv) {
    // --help and --export run without a window.
    if (const std::optional<int> status = calorix::RunCommandLine(argc, argv)) return *status;
    QApplication app(argc, argv);
    // The user's choices are kept under Calorix/Calorix.
    if (QApplication::organizationName().isEmpty()) {
        QApplication::setOrganizationName(QStringLiteral("Calorix"));
    }
    QApplication::setApplicationName(QStringLiteral("Calorix"));
    QApplication::setApplicationVersion(QStringLiteral(CALORIX_VERSION));

    calorix::QtMessageBoxes messages;
    calorix::FrameWindow frame(messages);
    // Quit from either menu and closing the frame end the program at once.
    QObject::connect(&frame, &calorix::FrameWindow::EndRequested, &app,
                     [] { QCoreApplication::exit(0); });

    // The frame opens at three quarters of the screen, never smaller than
    // its design size.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        frame.resize(calorix::OpeningSize(frame));
        frame.move(screen->availableGeometry().center() - frame.rect().center());
    }
    frame.show();
    frame.OpenChartWindow();
    frame.SteamItem().setEnabled(true);
    // `calorix FILE.calorix` opens that chart once the chart window is up.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        QTimer::singleShot(0, &frame,
                           [&frame, path = arguments.last()] { frame.OpenChartFile(path); });
    }
    return QApplication::exec();
}
