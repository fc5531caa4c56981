// The frame window and the opening of the chart window, through real widgets.
#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <functional>
#include <utility>

#include "icon/program_icon.h"
#include "series/series_dialog.h"
#include "steam/saturated_properties.h"
#include "testing/test_frame.h"

namespace calorix {
namespace {

using test::FrameTest;

QStringList MenuBarNames(FrameWindow& frame) {
    QStringList names;
    for (const QAction* action : frame.menuBar()->actions())
        names << action->objectName();
    return names;
}

TEST_F(FrameTest, TheChartWindowsMenusStandInPlaceOfTheFramesWhileItIsOpen) {
    EXPECT_EQ(frame_->objectName(), "MDIForm1");
    EXPECT_EQ(frame_->windowTitle(), "Calorix");
    EXPECT_EQ(Chart().objectName(), "Form1");
    EXPECT_EQ(Chart().windowTitle(), "Steam");
    EXPECT_EQ(MenuBarNames(*frame_), (QStringList{"mnuChartFile", "mnuEdit", "mnuOptions",
                                                  "mnuCycle", "mnuForm1Tips", "mnuAbout"}));

    Chart().findChild<QAction*>("mnuClose")->trigger();
    QApplication::processEvents();  // the closed window is deleted later
    EXPECT_EQ(frame_->Chart(), nullptr);
    EXPECT_EQ(MenuBarNames(*frame_), (QStringList{"mnuFile", "mnuInfo"}));

    frame_->findChild<QAction*>("mnuSteam")->trigger();
    ASSERT_NE(frame_->Chart(), nullptr);
    EXPECT_EQ(MenuBarNames(*frame_), (QStringList{"mnuChartFile", "mnuEdit", "mnuOptions",
                                                  "mnuCycle", "mnuForm1Tips", "mnuAbout"}));
}

TEST_F(FrameTest, TheFrameCarriesTheProgramsIcon) {
    const QIcon icon = frame_->windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes().size(), int(kProgramIconSizes.size()));
    EXPECT_EQ(icon.availableSizes(), ProgramIcon().availableSizes());
    const QImage small(QStringLiteral(":/calorix/icon/calorix-16.png"));
    ASSERT_FALSE(small.isNull());
    EXPECT_EQ(icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32),
              small.convertToFormat(QImage::Format_ARGB32));
}

// Every route that closes the chart window ends as its Close item does: the
// frame's menus are back, the window is gone and Steam opens a fresh one.
TEST_F(FrameTest, EveryRouteOfClosingTheChartWindowEndsAsCloseDoes) {
    const std::pair<const char*, std::function<void()>> routes[] = {
        {"Close item", [this] { Chart().findChild<QAction*>("mnuClose")->trigger(); }},
        {"sub-window close()", [this] { frame_->Area().subWindowList().front()->close(); }},
        {"chart window close()", [this] { Chart().close(); }},
        {"window manager",
         [this] {
             QCloseEvent event;
             QApplication::sendEvent(frame_->Area().subWindowList().front(), &event);
         }},
        {"Ctrl+F4",
         [this] {
             Box(kT).setFocus();
             QTest::keyClick(&Box(kT), Qt::Key_F4, Qt::ControlModifier);
         }},
        {"closeActiveSubWindow", [this] { frame_->Area().closeActiveSubWindow(); }},
    };
    for (const auto& [route, close] : routes) {
        ASSERT_NE(frame_->Chart(), nullptr) << route;
        QPointer<ChartWindow> chart = frame_->Chart();
        close();
        EXPECT_EQ(frame_->Chart(), nullptr) << route;
        EXPECT_EQ(MenuBarNames(*frame_), (QStringList{"mnuFile", "mnuInfo"})) << route;
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(chart.isNull()) << route << ": the closed window is still alive";
        EXPECT_TRUE(frame_->Area().subWindowList().isEmpty()) << route;

        frame_->findChild<QAction*>("mnuSteam")->trigger();
        EXPECT_EQ(MenuBarNames(*frame_), (QStringList{"mnuChartFile", "mnuEdit", "mnuOptions",
                                                      "mnuCycle", "mnuForm1Tips", "mnuAbout"}))
            << route;
    }
}

TEST_F(FrameTest, MenusCarryTheirCaptions) {
    const QMenu* file = frame_->findChild<QMenu*>("mnuFile");
    ASSERT_NE(file, nullptr);
    QStringList captions;
    for (const QAction* item : file->actions())
        captions << item->text();
    EXPECT_EQ(captions, (QStringList{"1. Steam", "2. Air", "3. R-12", "4. R-22", "", "&Quit"}));
    for (const char* name : {"mnuAir", "mnuR12", "mnuR22"}) {
        EXPECT_FALSE(frame_->findChild<QAction*>(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(frame_->findChild<QAction*>("mnuSteam")->isEnabled());
    const QMenu* options = Chart().findChild<QMenu*>("mnuOptions");
    captions.clear();
    for (const QAction* item : options->actions())
        captions << item->text();
    EXPECT_EQ(captions,
              (QStringList{"Show labels", "Show markers", "Locate crossings", "Fit chart to window",
                           "Property model", "", "Close", "&Quit"}));
    EXPECT_TRUE(Chart().findChild<QAction*>("mnuShowLabels")->isChecked());
    EXPECT_TRUE(Chart().findChild<QAction*>("mnuShowMarkers")->isChecked());
}

// The chart window's readout shows in the frame's status bar and fits its
// 1500-twip panels.
TEST_F(FrameTest, TheReadoutShowsInTheStatusBarAndFitsItsPanels) {
    const ChartPoint wet = frame_->Frame().Map(4.1235, 400.125);
    emit Chart().MouseMove(float(wet.x), float(wet.y));
    const QString expected[] = {"T =  400.12 K", "s =  4.123 kJ/kg-K", "x =  ."};
    for (int i = 1; i <= 3; ++i) {
        const QLabel* panel =
            frame_->statusBar()->findChild<QLabel*>(QStringLiteral("Panel%1").arg(i));
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(panel->text().startsWith(expected[i - 1])) << panel->text().toStdString();
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()),
                  panel->contentsRect().width())
            << panel->text().toStdString();
    }
}

TEST_F(FrameTest, TheBoxesTipsGiveTheirUnits) {
    const char* const tips[] = {"Temperature in K", "Pressure in MPa", "Sp. volume in m^3/kg",
                                "Enthalpy in kJ/kg", "Entropy in kJ/kg-K"};
    for (int i = 0; i < kPropertyCount; ++i)
        EXPECT_EQ(Box(i).toolTip(), tips[i]);
}

TEST_F(FrameTest, TheChartFrameFollowsTheClientArea) {
    EXPECT_EQ(frame_->ClientScaleWidth(), 11175);
    EXPECT_EQ(frame_->ClientScaleHeight(), 5880);
    const ChartFrame& f = frame_->Frame();
    EXPECT_DOUBLE_EQ(f.ChartLeft, 558.75);
    EXPECT_DOUBLE_EQ(f.ChartWidth, 8381.25);
    EXPECT_DOUBLE_EQ(f.ChartBottom, 5292);
    EXPECT_DOUBLE_EQ(f.ChartHeight, 4704);
    const ChartPoint p = f.Map(6, 773.16);
    EXPECT_DOUBLE_EQ(p.x, 4749.375);
    EXPECT_DOUBLE_EQ(p.y, 2940);
}

TEST_F(FrameTest, ThePanelAndItsControlsAreLaidOutFromTheFramesWidth) {
    EXPECT_DOUBLE_EQ(PlaceOf(Chart().PanelBox()).width, 1341);
    EXPECT_DOUBLE_EQ(PlaceOf(Chart().DrawButton()).left, -1467);
    EXPECT_DOUBLE_EQ(PlaceOf(Chart().LocateButton()).left, 243);
    EXPECT_DOUBLE_EQ(PlaceOf(Chart().ClearButton()).left, 243);
    EXPECT_DOUBLE_EQ(PlaceOf(Chart().PlotButton()).left, 243);
    EXPECT_DOUBLE_EQ(PlaceOf(Chart().ClearBoxesButton()).top, -500);
    for (int i = 0; i < 5; ++i) {
        const ControlPlace box = PlaceOf(Box(i));
        EXPECT_DOUBLE_EQ(box.left, 258);
        const auto* label = Chart().findChild<QWidget*>(QStringLiteral("Label1(%1)").arg(i));
        EXPECT_DOUBLE_EQ(PlaceOf(*label).left, 58);
        EXPECT_DOUBLE_EQ(PlaceOf(*label).top, box.top + 75);
    }
    // The panel stands along the right edge; Draw and Clr boxes lie out of sight.
    EXPECT_EQ(Chart().PanelBox().geometry().right(), Chart().width() - 1);
    EXPECT_FALSE(Chart().PanelBox().rect().intersects(Chart().DrawButton().geometry()));
    EXPECT_FALSE(Chart().PanelBox().rect().intersects(Chart().ClearBoxesButton().geometry()));
    EXPECT_TRUE(Chart().LocateButton().isDefault());
}

TEST_F(FrameTest, ThePropertyPanelReachesTheSidePanelsCornerWhateverItsCaption) {
    CaptionLabel& panel = Chart().Panel();
    const QWidget& side = Chart().PanelBox();
    const auto reachesCorner = [&] {
        EXPECT_EQ(panel.geometry().right(), side.width() - 1);
        EXPECT_EQ(panel.geometry().bottom(), side.height() - 1);
    };
    reachesCorner();
    panel.SetCaption(QStringLiteral("Location:\rT= 500\rP= .9999\r\rv= .2212\rh= 2897.46"));
    reachesCorner();
    EXPECT_EQ(panel.text(), "Location:\nT= 500\nP= .9999\n\nv= .2212\nh= 2897.46");
    // The place stays as designed, and the panel follows the side panel.
    EXPECT_DOUBLE_EQ(PlaceOf(panel).height, 210);
    const QSize before = side.size();
    frame_->resize(frame_->width() + 160, frame_->height() - 90);
    QCoreApplication::processEvents();
    ASSERT_NE(side.size(), before);
    reachesCorner();
}

TEST_F(FrameTest, TheAxisLabelsShowTheChartsEndValuesUncut) {
    auto label = [this](int i) {
        return Chart().findChild<CaptionLabel*>(QStringLiteral("Label2(%1)").arg(i));
    };
    EXPECT_EQ(label(1)->Caption(), "Entropy, kJ/kg-K");
    EXPECT_EQ(label(2)->Caption(), " 1273.16");
    EXPECT_EQ(label(3)->Caption(), " 12");
    EXPECT_EQ(label(4)->Caption(), " 0");
    EXPECT_EQ(label(5)->Caption(), " 273.16");
    const ChartFrame& f = frame_->Frame();
    EXPECT_DOUBLE_EQ(PlaceOf(*label(1)).top, f.ChartBottom + 100);
    EXPECT_DOUBLE_EQ(PlaceOf(*label(1)).left, f.ChartLeft + f.ChartWidth / 2 - 1200);
    EXPECT_DOUBLE_EQ(PlaceOf(*label(2)).top, f.Top() - 350);
    EXPECT_DOUBLE_EQ(PlaceOf(*label(3)).left, f.Right());
    EXPECT_DOUBLE_EQ(PlaceOf(*label(5)).left, f.ChartLeft - 540 - 50);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_GE(label(i)->width(), label(i)->sizeHint().width())
            << label(i)->Caption().toStdString();
    }
}

TEST_F(FrameTest, OpeningDrawsTheFrameTicksAndTickValues) {
    const ChartFrame& f = frame_->Frame();
    const auto boxes = Drawn<BoxPrimitive>();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].x1, float(f.ChartLeft));
    EXPECT_EQ(boxes[0].y1, float(f.ChartBottom));
    EXPECT_EQ(boxes[0].x2, float(f.Right()));
    EXPECT_EQ(boxes[0].y2, float(f.Top()));

    int top = 0, bottom = 0, left = 0, right = 0, middle = 0;
    for (const LinePrimitive& line : Drawn<LinePrimitive>()) {
        const float length = std::max(std::abs(line.x2 - line.x1), std::abs(line.y2 - line.y1));
        if (length != 75 && length != 150) continue;
        middle += length == 150;
        if (line.x1 == line.x2 && line.y1 == float(f.Top())) ++top;
        if (line.x1 == line.x2 && line.y1 == float(f.ChartBottom)) ++bottom;
        if (line.y1 == line.y2 && line.x1 == float(f.ChartLeft)) ++left;
        if (line.y1 == line.y2 && line.x1 == float(f.Right())) ++right;
    }
    EXPECT_EQ(top, 12);
    EXPECT_EQ(bottom, 12);
    EXPECT_EQ(left, 10);
    EXPECT_EQ(right, 10);
    EXPECT_EQ(middle, 4);

    QStringList printed;
    for (const TextPrimitive& text : Drawn<TextPrimitive>())
        printed << text.text;
    EXPECT_EQ(printed.count(" 6"), 2);
    EXPECT_EQ(printed.count(" 773.16"), 2);
    // 6 under the top tick: printed where the middle tick ends.
    const auto texts = Drawn<TextPrimitive>();
    const auto six = std::find_if(texts.begin(), texts.end(),
                                  [](const TextPrimitive& t) { return t.text == " 6"; });
    EXPECT_EQ(six->x, float(f.ChartLeft + 6 * f.ChartWidth / 12));
    EXPECT_EQ(six->y, float(f.Top() + 150));
}

TEST_F(FrameTest, OpeningDrawsTheDomeInMagentaWithItsCriticalPoint) {
    int magentaSegments = 0;
    for (const LinePrimitive& line : Drawn<LinePrimitive>()) {
        magentaSegments += line.color == QBColor(5) && (line.x1 != line.x2 || line.y1 != line.y2);
    }
    EXPECT_EQ(magentaSegments, 374 + 747);
    const auto circles = Drawn<CirclePrimitive>();
    ASSERT_EQ(circles.size(), 1u);
    const ChartPoint critical = frame_->Frame().Map(SatLiquidEntropy(647.3), 647.3);
    EXPECT_EQ(circles[0].x, float(critical.x));
    EXPECT_EQ(circles[0].y, float(critical.y));
    EXPECT_EQ(circles[0].radius, 30);
    EXPECT_EQ(circles[0].color, QBColor(5));
    EXPECT_EQ(Chart().ForeColor(), QBColor(5)) << "the dome leaves magenta";
}

TEST_F(FrameTest, OpeningDrawsBothReferenceIsobarsAndEmptiesThePressureBox) {
    QStringList labels;
    for (const TextPrimitive& text : Drawn<TextPrimitive>()) {
        if (text.color == QBColor(13)) labels << text.text;
    }
    EXPECT_EQ(labels, (QStringList{"P =  22 MPa", "P =  .00062 MPa"}));
    EXPECT_EQ(Box(kP).text(), "");
    const LineControl* line1 = Chart().findChild<LineControl*>("Line1");
    const LineControl* line2 = Chart().findChild<LineControl*>("Line2");
    const ChartFrame& f = frame_->Frame();
    EXPECT_TRUE(line1->Visible());
    EXPECT_EQ(line1->X1(), float(f.ChartLeft));
    EXPECT_EQ(line1->Y1(), float(f.Top()));
    EXPECT_EQ(line1->Y2(), float(f.ChartBottom));
    EXPECT_TRUE(line2->Visible());
    EXPECT_EQ(line2->Y1(), float(f.ChartBottom));
    EXPECT_EQ(line2->X2(), float(f.Right()));
}

TEST_F(FrameTest, ResizingTheFrameChangesNothingOnTheChartAndSizesTheStatusBar) {
    const auto listBefore = Chart().DisplayList().size();
    const double leftBefore = frame_->Frame().ChartLeft;
    frame_->resize(frame_->width() + 200, frame_->height() + 100);
    EXPECT_EQ(Chart().DisplayList().size(), listBefore);
    EXPECT_EQ(frame_->Frame().ChartLeft, leftBefore);
    const double twipsPerPixel = TwipsPerPixel(*frame_);
    EXPECT_EQ(frame_->statusBar()->objectName(), "StatusBar1");
    EXPECT_EQ(frame_->statusBar()->height(), TwipsToPixels(350, twipsPerPixel));
    // The three panels of the readout keep their width; a fourth names the model.
    const auto panels = frame_->statusBar()->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 4);
    for (const char* name : {"Panel1", "Panel2", "Panel3"}) {
        const QLabel* panel = frame_->statusBar()->findChild<QLabel*>(name);
        ASSERT_NE(panel, nullptr) << name;
        EXPECT_EQ(panel->width(), TwipsToPixels(1500, twipsPerPixel));
    }
}

// The status bar names the property model at all times, and follows the
// choice, Undo and Redo.
TEST_F(FrameTest, TheStatusBarNamesThePropertyModel) {
    const QLabel* model = frame_->statusBar()->findChild<QLabel*>("Panel4");
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(model->isVisible());
    EXPECT_EQ(model->text(), "Chart correlations");
    Chart().findChild<QAction*>("mnuModelIF97")->trigger();
    EXPECT_EQ(model->text(), "IAPWS-IF97");
    Chart().Undo();
    EXPECT_EQ(model->text(), "Chart correlations");
    Chart().Redo();
    EXPECT_EQ(model->text(), "IAPWS-IF97");
}

TEST_F(FrameTest, SteamAfterCloseOpensAFreshChartLaidOutForTheNewSize) {
    Type(kT, "300");
    Chart().findChild<QAction*>("mnuShowLabels")->trigger();
    Chart().findChild<QAction*>("mnuClose")->trigger();
    QApplication::processEvents();
    ASSERT_EQ(frame_->Chart(), nullptr);
    test::SetClientArea(*frame_, 15000, 7500);
    frame_->findChild<QAction*>("mnuSteam")->trigger();
    ASSERT_NE(frame_->Chart(), nullptr);
    EXPECT_DOUBLE_EQ(frame_->Frame().ChartWidth, 15000 * 0.75);
    EXPECT_DOUBLE_EQ(frame_->Frame().ChartHeight, 7500 * 0.8);
    EXPECT_EQ(Box(kT).text(), "");
    EXPECT_TRUE(Chart().findChild<QAction*>("mnuShowLabels")->isChecked());
    EXPECT_TRUE(Chart().findChild<QAction*>("mnuShowMarkers")->isChecked());
    EXPECT_EQ(Drawn<BoxPrimitive>().size(), 1u);
}

TEST_F(FrameTest, TheChartFrameOutlivesAClosedChartWindow) {
    const ChartFrame before = frame_->Frame();
    Chart().findChild<QAction*>("mnuClose")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(frame_->Frame().ChartLeft, before.ChartLeft);
    EXPECT_EQ(frame_->Frame().ChartHeight, before.ChartHeight);
}

TEST_F(FrameTest, EnterAndEscReachTheHiddenButtons) {
    Type(kT, "300");
    const size_t before = Chart().DisplayList().size();
    PressEnter(kT);
    // Enter pressed Locate, which pressed Draw: the isotherm in light red.
    const auto lines = Drawn<LinePrimitive>(before);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].color, QBColor(12));
    Type(kH, "2000");
    QTest::keyClick(&Box(kH), Qt::Key_Escape);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Box(i).text(), "") << i;
}

TEST_F(FrameTest, QuitFromEitherMenuAndClosingTheFrameEndTheProgram) {
    int ends = 0;
    QObject::connect(frame_.get(), &FrameWindow::EndRequested, [&ends] { ++ends; });
    Chart().findChild<QAction*>("mnuQuitt")->trigger();
    EXPECT_EQ(ends, 1);
    frame_->findChild<QAction*>("mnuQuit")->trigger();
    EXPECT_EQ(ends, 2);
    frame_->close();
    EXPECT_EQ(ends, 3);
}

TEST_F(FrameTest, PlotOpensTheSeriesDialogModalOverTheFrame) {
    Chart().PlotButton().click();
    SeriesDialog* dialog = frame_->Series();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), "Form3");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    // OK plots the default series of isotherms through the chart's boxes.
    const size_t before = Chart().DisplayList().size();
    dialog->OkButton().click();
    int labels = 0;
    for (const TextPrimitive& text : Drawn<TextPrimitive>(before))
        labels += text.color == QBColor(12);
    EXPECT_EQ(labels, 10);
    EXPECT_EQ(Box(kT).text(), "1273");
}

QWidget* OpenAboutWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "frmSplash" && window->isVisible()) return window;
    }
    return nullptr;
}

TEST_F(FrameTest, AboutFromTheChartIsModelessAndClosesWhenItLosesTheFocus) {
    Chart().findChild<QAction*>("mnuAbout")->trigger();
    QPointer<QWidget> about = OpenAboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(about->findChild<QLabel*>("Label1")->text(), "Calorix");
    about->activateWindow();
    QApplication::processEvents();
    frame_->activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(about.isNull() || !about->isVisible());
}

TEST_F(FrameTest, AboutFromTheFrameIsModal) {
    Chart().findChild<QAction*>("mnuClose")->trigger();
    QString modal;
    QTimer::singleShot(0, [&modal] {
        QWidget* window = QApplication::activeModalWidget();
        if (window) {
            modal = window->objectName();
            window->close();
        }
    });
    frame_->findChild<QMenu*>("mnuInfo")->findChild<QAction*>("mnuAbout")->trigger();
    EXPECT_EQ(modal, "frmSplash");
}

}  // namespace
}  // namespace calorix
