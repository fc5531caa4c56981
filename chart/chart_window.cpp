#include "chart/chart_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>

#include "chart/export_commands.h"
#include "model/chart_range.h"
#include "numeric/number_text.h"
#include "surface/message_boxes.h"
#include "surface/twips.h"

namespace calorix {
namespace {

constexpr double kBoxWidth = 825, kBoxHeight = 345;
constexpr double kBoxTops[kPropertyCount] = {240, 750, 1290, 1800, 2310};
const char* const kBoxTips[kPropertyCount] = {"Temperature in K", "Pressure in MPa",
                                              "Sp. volume in m^3/kg", "Enthalpy in kJ/kg",
                                              "Entropy in kJ/kg-K"};
const char* const kBoxLetters[kPropertyCount] = {"T", "P", "v", "h", "s"};
constexpr double kButtonWidth = 855, kButtonHeight = 375;

// A chart value as the axis labels show it: " 1273.16".
QString NumberCaption(double value) {
    return QString::fromStdString(NumberText(value));
}

// The user's choices kept between runs.
constexpr auto kLocateCrossingsKey = "Options/LocateCrossings";

}  // namespace

ChartWindow::ChartWindow(ChartFrame& chartFrame, calorix::CurrentPoint& currentPoint,
                         MessageBoxes& messages, QWidget* parent)
    : DrawingSurface(parent),
      chartFrame_(chartFrame),
      currentPoint_(currentPoint),
      replayMessages_(messages),
      messages_(replayMessages_) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Steam"));
    // A condensed face keeps every caption inside its design width.
    setFont(SmallDialogFont());
    SetGeometryTwips(*this, 0, 0, 11310, 6210);
    CreateControls();
    CreateMenus();
    CreateFileAndEditMenus();
    CreateModelMenu();
    CreateCycleMenu();
    // Export, print, copy and the table of states join the File and Edit menus.
    exports_ = new ExportCommands(*this, messages_, *fileMenu_, *editMenu_);
    CreateKeys();
}

void ChartWindow::CreateControls() {
    CreateSidePanel();
    CreatePropertyBoxes();
    CreateButtons();
    CreateLocationPanel();
    OrderTabs();
    CreateAxisLabels();
    CreateCrossHair();
    ConnectControls();
    DockSidePanel();
}

void ChartWindow::CreateSidePanel() {
    sidePanel_ = new SidePanel(QStringLiteral("Picture1"), this);
    sidePanel_->setFrameShape(QFrame::Panel);
    sidePanel_->setFrameShadow(QFrame::Sunken);
    sidePanel_->setAutoFillBackground(true);
    sidePanel_->setBackgroundRole(QPalette::Button);
    // A move over the side panel hides the cross-hair.
    connect(sidePanel_, &SidePanel::MouseMoved, this, [this] {
        crossHairVertical_->SetVisible(false);
        crossHairHorizontal_->SetVisible(false);
    });
    SetPlace(*sidePanel_, {0, 0, 750, 6210});
}

void ChartWindow::CreatePropertyBoxes() {
    for (int i = 0; i < kPropertyCount; ++i) {
        boxes_[size_t(i)] = new PropertyBox(IndexedName("Text1", i), sidePanel_);
        boxes_[size_t(i)]->setToolTip(QString::fromLatin1(kBoxTips[i]));
        SetPlace(*boxes_[size_t(i)], {390, kBoxTops[i], kBoxWidth, kBoxHeight});
        boxLabels_[size_t(i)] = new CaptionLabel(IndexedName("Label1", i),
                                                 QString::fromLatin1(kBoxLetters[i]), sidePanel_);
        SetPlace(*boxLabels_[size_t(i)], {20, kBoxTops[i], 180, 255});
    }
}

void ChartWindow::CreateButtons() {
    // Enter presses a button only while it has the focus; otherwise Locate.
    auto button = [this](const char* name, const char* caption, ControlPlace place) {
        QPushButton* b =
            MakeButton(QString::fromLatin1(name), QString::fromLatin1(caption), place, sidePanel_);
        b->setAutoDefault(false);
        return b;
    };
    drawButton_ = button("Command1", "Draw", {30, 2820, kButtonWidth, kButtonHeight});
    locateButton_ = button("Command3", "Locate", {30, 2820, kButtonWidth, kButtonHeight});
    clearButton_ = button("Command2", "Clear", {30, 3275, kButtonWidth, kButtonHeight});
    plotButton_ = button("Command4", "Plot...", {30, 3690, kButtonWidth, kButtonHeight});
    clearBoxesButton_ = button("Command5", "Clr boxes", {0, -500, kButtonWidth, kButtonHeight});
    locateButton_->setDefault(true);
}

void ChartWindow::CreateLocationPanel() {
    panel_ = new CaptionLabel(QStringLiteral("Label3"), QStringLiteral("Location:"), sidePanel_);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSizeF(8.25);
    panel_->setFont(fixed);
    panel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetPlace(*panel_, {45, 4080, 945, 210});
    panel_->ReachParentCorner();
}

void ChartWindow::OrderTabs() {
    // Tab order: the five boxes, then Draw, Locate, Clear, Plot..., Clr boxes.
    QWidget* order[] = {boxes_[0],   boxes_[1],     boxes_[2],    boxes_[3],   boxes_[4],
                        drawButton_, locateButton_, clearButton_, plotButton_, clearBoxesButton_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void ChartWindow::CreateAxisLabels() {
    // The axis titles and end values lie on the drawing, over the chart.
    const ControlPlace axisPlaces[6] = {{90, 1470, 165, 2370}, {2940, 4470, 1200, 195},
                                        {60, 540, 540, 195},   {6210, 4200, 540, 195},
                                        {390, 4350, 540, 195}, {60, 3960, 540, 195}};
    const char* const axisCaptions[6] = {
        "T e m p e r a t u r e ", "Entropy, kJ/kg-K", "    ", "SMax", "SMin", ""};
    for (int i = 0; i < 6; ++i) {
        auto* label = new CaptionLabel(IndexedName("Label2", i), QString(), this);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        SetPlace(*label, axisPlaces[i]);
        if (i == 0) {
            // Narrow and tall: the title wraps at every blank, one letter a line.
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
        label->SetCaption(QString::fromLatin1(axisCaptions[i]));
        axisLabels_[size_t(i)] = label;
    }
}

void ChartWindow::CreateCrossHair() {
    crossHairVertical_ = AddLineControl(QStringLiteral("Line1"), QColor(192, 192, 192));
    crossHairHorizontal_ = AddLineControl(QStringLiteral("Line2"), QColor(192, 192, 192));
}

void ChartWindow::ConnectControls() {
    connect(drawButton_, &QPushButton::clicked, this, &ChartWindow::OnDrawClicked);
    connect(clearButton_, &QPushButton::clicked, this, &ChartWindow::OnClearClicked);
    connect(locateButton_, &QPushButton::clicked, this, &ChartWindow::OnLocateClicked);
    connect(clearBoxesButton_, &QPushButton::clicked, this, &ChartWindow::OnClearBoxesClicked);
    connect(this, &DrawingSurface::MouseMove, this, &ChartWindow::OnMouseMoved);
    connect(this, &DrawingSurface::MouseDown, this, &ChartWindow::OnChartClicked);
    connect(plotButton_, &QPushButton::clicked, this, &ChartWindow::PlotRequested);
}

void ChartWindow::CreateMenus() {
    optionsMenu_ = new QMenu(QStringLiteral("&Options"), this);
    optionsMenu_->setObjectName(QStringLiteral("mnuOptions"));
    optionsMenu_->menuAction()->setObjectName(QStringLiteral("mnuOptions"));
    showLabels_ = optionsMenu_->addAction(QStringLiteral("Show labels"));
    showLabels_->setObjectName(QStringLiteral("mnuShowLabels"));
    showLabels_->setCheckable(true);
    showLabels_->setChecked(true);
    showMarkers_ = optionsMenu_->addAction(QStringLiteral("Show markers"));
    showMarkers_->setObjectName(QStringLiteral("mnuShowMarkers"));
    showMarkers_->setCheckable(true);
    showMarkers_->setChecked(true);
    locateCrossings_ = optionsMenu_->addAction(QStringLiteral("Locate crossings"));
    locateCrossings_->setObjectName(QStringLiteral("mnuLocateCrossings"));
    locateCrossings_->setCheckable(true);
    {
        const QSettings settings(QStringLiteral("Calorix"), QStringLiteral("Calorix"));
        locateCrossings_->setChecked(settings.value(kLocateCrossingsKey, false).toBool());
    }
    connect(locateCrossings_, &QAction::toggled, this, [](bool checked) {
        QSettings(QStringLiteral("Calorix"), QStringLiteral("Calorix"))
            .setValue(kLocateCrossingsKey, checked);
    });
    optionsMenu_->addSeparator()->setObjectName(QStringLiteral("mnuline1"));
    QAction* close = optionsMenu_->addAction(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("mnuClose"));
    // The usual key for closing a document window; it works wherever the
    // focus is in the window, the menu being on the frame's bar.
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(close);
    QAction* quit = optionsMenu_->addAction(QStringLiteral("&Quit"));
    quit->setObjectName(QStringLiteral("mnuQuitt"));
    help_ = new QAction(QStringLiteral("&Help"), this);
    help_->setObjectName(QStringLiteral("mnuForm1Tips"));
    about_ = new QAction(QStringLiteral("&About"), this);
    about_->setObjectName(QStringLiteral("mnuAbout"));

    connect(close, &QAction::triggered, this, &ChartWindow::CloseRequested);
    connect(quit, &QAction::triggered, this, &ChartWindow::QuitRequested);
    connect(help_, &QAction::triggered, this, &ChartWindow::HelpRequested);
    connect(about_, &QAction::triggered, this, &ChartWindow::AboutRequested);
}

void ChartWindow::CreateKeys() {
    // Enter presses Locate, the default button, and Esc presses Clr boxes,
    // the cancel button, from anywhere in the window, although neither needs
    // to be in sight. Enter on a focused button presses that button.
    auto* enter = new QShortcut(QKeySequence(Qt::Key_Return), this);
    auto* keypadEnter = new QShortcut(QKeySequence(Qt::Key_Enter), this);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    for (QShortcut* shortcut : {enter, keypadEnter, escape}) {
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    }
    auto pressDefault = [this] {
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (focused && isAncestorOf(focused)) {
            focused->click();
        } else {
            locateButton_->click();
        }
    };
    connect(enter, &QShortcut::activated, this, pressDefault);
    connect(keypadEnter, &QShortcut::activated, this, pressDefault);
    connect(escape, &QShortcut::activated, clearBoxesButton_, &QPushButton::click);
}

QList<QAction*> ChartWindow::MenuBarActions() const {
    return {fileMenu_->menuAction(),
            editMenu_->menuAction(),
            optionsMenu_->menuAction(),
            cycleMenu_->menuAction(),
            help_,
            about_};
}

double ChartWindow::MarkerRadius() const {
    return ShowMarkers() ? 30 : 15;
}

bool ChartWindow::ShowMarkers() const {
    return stepOptions_ ? stepOptions_->showMarkers : showMarkers_->isChecked();
}

bool ChartWindow::ShowLabels() const {
    return stepOptions_ ? stepOptions_->showLabels : showLabels_->isChecked();
}

bool ChartWindow::LocatesCrossings() const {
    return stepOptions_ ? stepOptions_->locateCrossings : locateCrossings_->isChecked();
}

BoxTexts ChartWindow::BoxTextsNow() const {
    BoxTexts texts;
    for (int i = 0; i < kPropertyCount; ++i)
        texts[size_t(i)] = InputBox(i).text().toStdString();
    return texts;
}

void ChartWindow::DockSidePanel() {
    // The panel keeps its width and stands along the whole right edge.
    const ControlPlace place = PlaceOf(*sidePanel_);
    SetPlace(*sidePanel_, {ScaleWidth(*this) - place.width, 0, place.width, ScaleHeight(*this)});
}

void ChartWindow::closeEvent(QCloseEvent* event) {
    DrawingSurface::closeEvent(event);
    if (event->isAccepted()) emit Closed();
}

void ChartWindow::resizeEvent(QResizeEvent* event) {
    DrawingSurface::resizeEvent(event);
    if (sidePanel_) DockSidePanel();
}

void ChartWindow::LayOut(double frameScaleWidth, double frameScaleHeight) {
    const double frameWidth = frameScaleWidth;
    (void)frameScaleHeight;
    // The side panel: 0.12 of the frame's width.
    SetWidth(*sidePanel_, frameWidth * 0.075 * 1.6);
    DockSidePanel();
    const double panelWidth = PlaceOf(*sidePanel_).width;

    // The boxes centred in the panel, their letters 200 left and 75 lower.
    for (int i = 0; i < kPropertyCount; ++i) {
        PropertyBox& box = *boxes_[size_t(i)];
        SetLeft(box, (panelWidth - PlaceOf(box).width) / 2);
        SetLeft(*boxLabels_[size_t(i)], PlaceOf(box).left - 200);
        SetTop(*boxLabels_[size_t(i)], PlaceOf(box).top + 75);
    }

    // Draw stands two button widths left of the centred place, outside the
    // panel while it is narrow: the program presses it, the user presses
    // Locate. Clr boxes stays above the panel, reached by Esc.
    const double drawWidth = PlaceOf(*drawButton_).width;
    SetLeft(*drawButton_, (panelWidth - drawWidth) / 2 - 2 * drawWidth);
    SetLeft(*clearButton_, (panelWidth - PlaceOf(*clearButton_).width) / 2);
    SetLeft(*plotButton_, PlaceOf(*clearButton_).left);
    SetLeft(*locateButton_, (panelWidth - PlaceOf(*locateButton_).width) / 2);

    // Axis titles and end values.
    const ChartFrame& f = chartFrame_;
    CaptionLabel& entropyTitle = *axisLabels_[1];
    SetTop(entropyTitle, f.ChartBottom + 100);
    SetLeft(entropyTitle, f.ChartLeft + f.ChartWidth / 2 - PlaceOf(entropyTitle).width);
    CaptionLabel& temperatureTitle = *axisLabels_[0];
    SetTop(temperatureTitle,
           f.ChartBottom - f.ChartHeight / 2 - 0.5 * PlaceOf(temperatureTitle).height);
    CaptionLabel& topLeft = *axisLabels_[2];
    SetTop(topLeft, f.ChartBottom - f.ChartHeight - 350);
    topLeft.SetCaption(NumberCaption(kChartMaxTemperature));
    CaptionLabel& entropyEnd = *axisLabels_[3];
    SetLeft(entropyEnd, f.ChartLeft + f.ChartWidth);
    SetTop(entropyEnd, PlaceOf(entropyTitle).top);
    entropyEnd.SetCaption(NumberCaption(kChartMaxEntropy));
    CaptionLabel& entropyStart = *axisLabels_[4];
    SetLeft(entropyStart, f.ChartLeft);
    SetTop(entropyStart, PlaceOf(entropyTitle).top);
    entropyStart.SetCaption(NumberCaption(kChartMinEntropy));
    CaptionLabel& bottomLeft = *axisLabels_[5];
    SetLeft(bottomLeft, f.ChartLeft - PlaceOf(bottomLeft).width - 50);
    SetTop(bottomLeft, f.ChartBottom);
    bottomLeft.SetCaption(NumberCaption(kChartMinTemperature));
}

void ChartWindow::PlaceCrossHairAlongEdges() {
    const ChartFrame& f = chartFrame_;
    crossHairVertical_->SetLine(float(f.ChartLeft), float(f.Top()), float(f.ChartLeft),
                                float(f.ChartBottom));
    crossHairHorizontal_->SetLine(float(f.ChartLeft), float(f.ChartBottom), float(f.Right()),
                                  float(f.ChartBottom));
    crossHairVertical_->SetVisible(true);
    crossHairHorizontal_->SetVisible(true);
}

}  // namespace calorix
