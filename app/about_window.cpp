#include "app/about_window.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QSysInfo>

#include "surface/control_place.h"
#include "surface/twips.h"

namespace calorix {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, double pointSize,
                  bool boldItalic, QColor color, ControlPlace place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    // Times New Roman, or the installed serif with its metrics.
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(boldItalic);
    font.setItalic(boldItalic);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    SetPlace(*label, place);
    return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Calorix, the T-s chart of water and steam"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setFrameShape(QFrame::Box);
    SetPlace(*frame, {0, 0, 5595, 1890});

    auto* logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(48, 48));
    SetPlace(*logo, {240, 300, 960, 960});

    MakeLabel(frame, "Label1", QStringLiteral("Calorix"), 20.25, true, QColor(128, 64, 64),
              {1500, 180, 3795, 915})
        ->setAlignment(Qt::AlignCenter);
    MakeLabel(frame, "lblPlatform", QStringLiteral("for %1").arg(QSysInfo::prettyProductName()),
              11.25, true, QColor(192, 64, 0), {2070, 870, 3090, 270})
        ->setAlignment(Qt::AlignCenter);
    MakeLabel(frame, "Label2(0)",
              QStringLiteral("Temperature-entropy chart of water, version %1")
                  .arg(QApplication::applicationVersion()),
              9.75, false, Qt::blue, {240, 1260, 5115, 255});
    MakeLabel(frame, "Label2(1)",
              QStringLiteral("Closed-form steam correlations, states by interval halving"), 9.75,
              false, Qt::black, {240, 1500, 5115, 255});

    SetGeometryTwips(*this, 0, 0, 5595, 1890);
    setFixedSize(size());
    // Centred on the screen.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void AboutWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    // It can only lose the focus it once had.
    if (isActiveWindow()) {
        hadFocus_ = true;
    } else if (hadFocus_ && isVisible()) {
        close();
    }
}

}  // namespace calorix
