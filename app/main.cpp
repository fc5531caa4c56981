// Calorix: the temperature-entropy chart of water and steam.
#include <QApplication>

#include "app/export_command.h"
#include "app/frame_window.h"
#include "app/start_up.h"
#include "icon/program_icon.h"
#include "surface/qt_message_boxes.h"

int main(int argc, char** argv) {
    // --help, --version and --export run without a window.
    if (const std::optional<int> status = calorix::RunCommandLine(argc, argv)) return *status;
    QApplication app(argc, argv);
    // The user's choices are kept under Calorix/Calorix.
    if (QApplication::organizationName().isEmpty()) {
        QApplication::setOrganizationName(QStringLiteral("Calorix"));
    }
    QApplication::setApplicationName(QStringLiteral("Calorix"));
    QApplication::setApplicationVersion(QStringLiteral(CALORIX_VERSION));
    // Every window carries the program's icon; on Wayland the desktop finds
    // it, and the menu entry's name, through calorix.desktop.
    QApplication::setWindowIcon(calorix::ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("calorix"));

    calorix::QtMessageBoxes messages;
    calorix::FrameWindow frame(messages);
    // Quit from either menu and closing the frame end the program at once.
    QObject::connect(&frame, &calorix::FrameWindow::EndRequested, &app,
                     [] { QCoreApplication::exit(0); });

    calorix::StartFrame(frame, QApplication::arguments());
    return QApplication::exec();
}
