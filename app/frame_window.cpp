#include "app/frame_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <QCoreApplication>

#include "app/about_window.h"
#include "app/chart_files.h"
#include "app/tips_file.h"
#include "app/tips_window.h"
#include "chart/chart_window.h"
#include "cycles/cycle_windows.h"
#include "icon/program_icon.h"
#include "series/series_dialog.h"
#include "surface/control_place.h"
#include "surface/twips.h"

namespace calorix {
namespace {

constexpr double kStatusBarHeight = 350;  // twips
constexpr double kStatusPanelWidth = 1500;

}  // namespace

QString FrameWindow::DefaultTipsPath() {
    return FindTipsFile(QCoreApplication::applicationDirPath());
}

FrameWindow::FrameWindow(MessageBoxes& messages, QString tipsPath, QWidget* parent)
    : QMainWindow(parent), messages_(messages), tipsPath_(std::move(tipsPath)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Calorix"));
    setWindowIcon(ProgramIcon());
    area_ = new ChartArea(messages_, this);
    setCentralWidget(area_);
    chartFiles_ = new ChartFiles(*this, messages_, this);
    cycleWindows_ = new CycleWindows(*this, messages_, this);
    CreateMenus();
    CreateStatusBar();
    connect(area_, &ChartArea::ChartOpened, this, &FrameWindow::OnChartOpened);
    connect(area_, &ChartArea::ChartClosed, this, [this] {
        ShowMenusOf(nullptr);
        modelPanel_->clear();
    });
    // Plot... opens the line-series dialog, modal over the frame.
    connect(this, &FrameWindow::PlotRequested, this, [this] {
        if (ChartWindow* chart = Chart()) {
            SeriesDialog::Open(seriesDialog_, *this, *chart, messages_, seriesProperty_);
        }
    });
    SetGeometryTwips(*this, 0, 0, 11175, 6225 + 700);
}

FrameWindow::~FrameWindow() {
    // Nothing may reach the half-destroyed frame, and the series dialog, which
    // has no owner after its first OK, goes before the values it refers to.
    disconnect(area_, nullptr, this, nullptr);
    if (ChartWindow* chart = Chart()) chart->disconnect(this);
    delete seriesDialog_.data();
}

SeriesDialog* FrameWindow::Series() const {
    return seriesDialog_;
}

TipsWindow& FrameWindow::Tips() {
    if (!tips_) tips_ = std::make_unique<TipsWindow>(tipsPath_);
    return *tips_;
}

void FrameWindow::CreateMenus() {
    fileMenu_ = new QMenu(QStringLiteral("&File"), this);
    fileMenu_->setObjectName(QStringLiteral("mnuFile"));
    fileMenu_->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    steamItem_ = fileMenu_->addAction(QStringLiteral("1. Steam"));
    steamItem_->setObjectName(QStringLiteral("mnuSteam"));
    // Water is the only fluid: the others stay disabled for the whole run.
    const std::pair<const char*, const char*> others[] = {
        {"mnuAir", "2. Air"}, {"mnuR12", "3. R-12"}, {"mnuR22", "4. R-22"}};
    for (const auto& [name, caption] : others) {
        QAction* item = fileMenu_->addAction(QString::fromLatin1(caption));
        item->setObjectName(QString::fromLatin1(name));
        item->setEnabled(false);
    }
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("mnuline2"));
    QAction* quit = fileMenu_->addAction(QStringLiteral("&Quit"));
    quit->setObjectName(QStringLiteral("mnuQuit"));

    infoMenu_ = new QMenu(QStringLiteral("&Info"), this);
    infoMenu_->setObjectName(QStringLiteral("mnuInfo"));
    infoMenu_->menuAction()->setObjectName(QStringLiteral("mnuInfo"));
    QAction* about = infoMenu_->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QAction* tips = infoMenu_->addAction(QStringLiteral("&Tips..."));
    tips->setObjectName(QStringLiteral("mnuTips"));

    connect(steamItem_, &QAction::triggered, this, &FrameWindow::OpenChartWindow);
    connect(quit, &QAction::triggered, this, &FrameWindow::EndRequested);
    connect(about, &QAction::triggered, this, [this] { ShowAbout(true); });
    connect(tips, &QAction::triggered, this, [this] { Tips().ShowFromTipsMenu(); });
    ShowMenusOf(nullptr);
}

void FrameWindow::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    // The panels are 1500 twips wide: the readout needs the small condensed
    // face of the chart window to fit ("s =  4.866 kJ/kg-K").
    bar->setFont(SmallDialogFont());
    bar->setSizeGripEnabled(false);
    for (size_t i = 0; i < statusPanels_.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel);
        statusPanels_[i] = panel;
    }
    // The property model of the chart, at the right end at all times.
    modelPanel_ = new QLabel(bar);
    modelPanel_->setObjectName(QStringLiteral("Panel4"));
    modelPanel_->setFrameShape(QFrame::StyledPanel);
    modelPanel_->setFrameShadow(QFrame::Sunken);
    modelPanel_->setToolTip(QStringLiteral("The property model the chart is drawn on"));
    bar->addPermanentWidget(modelPanel_);
    SizeStatusBar();
}

void FrameWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    SizeStatusBar();
}

void FrameWindow::SizeStatusBar() {
    // The status bar keeps its height and its three panels their width.
    const double twipsPerPixel = TwipsPerPixel(*this);
    statusBar()->setFixedHeight(TwipsToPixels(kStatusBarHeight, twipsPerPixel));
    for (QLabel* panel : statusPanels_) {
        panel->setFixedWidth(TwipsToPixels(kStatusPanelWidth, twipsPerPixel));
    }
}

void FrameWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit EndRequested();
}

double FrameWindow::ClientScaleWidth() const {
    return area_->ScaleWidth();
}
double FrameWindow::ClientScaleHeight() const {
    return area_->ScaleHeight();
}

void FrameWindow::ShowMenusOf(ChartWindow* chart) {
    QMenuBar* bar = menuBar();
    bar->clear();
    if (chart) {
        for (QAction* action : chart->MenuBarActions())
            bar->addAction(action);
    } else {
        bar->addMenu(fileMenu_);
        bar->addMenu(infoMenu_);
    }
}

void FrameWindow::OpenChartWindow() {
    area_->OpenChartWindow();
}

void FrameWindow::OnChartOpened(ChartWindow* chart) {
    connect(chart, &ChartWindow::QuitRequested, this, &FrameWindow::EndRequested);
    connect(chart, &ChartWindow::AboutRequested, this, [this] { ShowAbout(false); });
    connect(chart, &ChartWindow::HelpRequested, this, [this] { Tips().ShowFromHelpMenu(); });
    connect(chart, &ChartWindow::PlotRequested, this, &FrameWindow::PlotRequested);
    connect(chart, &ChartWindow::ReadoutChanged, this,
            [this](const QString& t, const QString& s, const QString& x) {
                statusPanels_[0]->setText(t);
                statusPanels_[1]->setText(s);
                statusPanels_[2]->setText(x);
            });
    connect(chart, &ChartWindow::ModelChanged, modelPanel_, &QLabel::setText);
    modelPanel_->setText(QString::fromUtf8(ModelCaption(chart->Model().Name())));
    chartFiles_->Attach(*chart);
    cycleWindows_->Attach(*chart);
    ShowMenusOf(chart);
}

bool FrameWindow::OpenChartFile(const QString& path) {
    ChartWindow* chart = Chart();
    return chart && chartFiles_->Open(*chart, path);
}

void FrameWindow::ShowAbout(bool modal) {
    if (modal) {
        AboutWindow about(this);
        about.setAttribute(Qt::WA_DeleteOnClose, false);
        about.exec();
    } else {
        (new AboutWindow(nullptr))->show();
    }
}

}  // namespace calorix
