// Clear, Clr boxes and the options of the chart window.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "testing/chart_test.h"

namespace calorix {
namespace {

class ChartCommandsTest : public test::ChartTest {
  protected:
    void DrawSomething() {
        Box(kT).setText("500");
        Box(kP).setText("1");
        Chart().LocateButton().click();
        Box(kV).setText("0.3");
    }
};

TEST_F(ChartCommandsTest, ClearAsksFirstAndNoChangesNothing) {
    DrawSomething();
    const size_t drawn = Chart().DisplayList().size();
    const QString panel = Chart().Panel().Caption();
    messages_.QueueAnswer(MessageBoxes::kNo);
    Chart().ClearButton().click();
    ASSERT_EQ(messages_.Calls().size(), 1u);
    EXPECT_EQ(messages_.Calls()[0].prompt,
              "This will clear all lines and points constructed on the diagram.\r\r"
              "Do you want to continue?");
    EXPECT_EQ(messages_.Calls()[0].buttons, 4);
    EXPECT_EQ(messages_.Calls()[0].title, "");
    EXPECT_EQ(Chart().DisplayList().size(), drawn);
    EXPECT_EQ(Chart().Panel().Caption(), panel);
    EXPECT_EQ(Box(kV).text(), "0.3");
}

TEST_F(ChartCommandsTest, ClearRedrawsTheEmptyChart) {
    DrawSomething();
    messages_.QueueAnswer(MessageBoxes::kYes);
    Chart().ClearButton().click();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Box(i).text(), "") << i;
    EXPECT_EQ(Chart().Panel().Caption(), "Location:");
    EXPECT_EQ(Chart().ForeColor(), QColor(Qt::black));

    // The dome first, then the black frame and ticks, then the two isobars.
    const auto& list = Chart().DisplayList();
    const auto boxes = Drawn<BoxPrimitive>();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].color, QColor(Qt::black));
    int magenta = 0, black = 0, isobar = 0;
    for (const LinePrimitive& line : Drawn<LinePrimitive>()) {
        magenta += line.color == QBColor(5);
        black += line.color == QColor(Qt::black);
        isobar += line.color == QBColor(13);
    }
    EXPECT_EQ(magenta, 374 + 747);
    EXPECT_EQ(black, 1 + 2 * 12 + 2 * 10) << "the origin dot and 44 ticks";
    EXPECT_GT(isobar, 100);
    EXPECT_TRUE(std::holds_alternative<LinePrimitive>(list.front()));
    QStringList printed;
    for (const TextPrimitive& text : Drawn<TextPrimitive>())
        printed << text.text;
    EXPECT_EQ(printed,
              (QStringList{" 6", " 6", " 773.16", " 773.16", "P =  22 MPa", "P =  .00062 MPa"}));
    EXPECT_TRUE(Drawn<CirclePrimitive>().size() == 1u) << "only the critical point";
}

TEST_F(ChartCommandsTest, ClearWithoutLabelsRedrawsTheIsobarsUnlabelled) {
    Chart().findChild<QAction*>("mnuShowLabels")->trigger();
    messages_.QueueAnswer(MessageBoxes::kYes);
    Chart().ClearButton().click();
    QStringList printed;
    for (const TextPrimitive& text : Drawn<TextPrimitive>())
        printed << text.text;
    EXPECT_EQ(printed, (QStringList{" 6", " 6", " 773.16", " 773.16"}));
    EXPECT_FALSE(Chart().findChild<QAction*>("mnuShowLabels")->isChecked()) << "Clear keeps it";
}

TEST_F(ChartCommandsTest, ClrBoxesEmptiesTheBoxesOnly) {
    DrawSomething();
    const size_t drawn = Chart().DisplayList().size();
    const QString panel = Chart().Panel().Caption();
    Chart().ClearBoxesButton().click();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Box(i).text(), "") << i;
    EXPECT_EQ(Chart().DisplayList().size(), drawn);
    EXPECT_EQ(Chart().Panel().Caption(), panel);
}

TEST_F(ChartCommandsTest, ShowMarkersHalvesOnlyTheLaterMarkers) {
    Box(kT).setText("400");
    Box(kS).setText("7");
    Chart().DrawButton().click();
    QAction* markers = Chart().findChild<QAction*>("mnuShowMarkers");
    markers->trigger();
    EXPECT_FALSE(markers->isChecked());
    Box(kS).setText("8");
    Chart().DrawButton().click();
    const auto circles = Drawn<CirclePrimitive>();
    ASSERT_EQ(circles.size(), 5u);  // the critical point, then two markers of two circles
    EXPECT_EQ(circles[1].radius, 30);
    EXPECT_EQ(circles[3].radius, 15);
    markers->trigger();
    EXPECT_TRUE(markers->isChecked());
}

TEST_F(ChartCommandsTest, PlotAsksTheWindowsOwner) {
    int plots = 0;
    QObject::connect(&Chart(), &ChartWindow::PlotRequested, [&plots] { ++plots; });
    Chart().PlotButton().click();
    EXPECT_EQ(plots, 1);
}

TEST_F(ChartCommandsTest, MouseUpDoesNothing) {
    const size_t drawn = Chart().DisplayList().size();
    const QString panel = Chart().Panel().Caption();
    emit Chart().MouseUp(3000, 3000);
    EXPECT_EQ(Chart().DisplayList().size(), drawn);
    EXPECT_EQ(Chart().Panel().Caption(), panel);
}

// Another window takes the activation, then the chart window gets it back.
void Reactivate(QMdiArea& area) {
    QMdiSubWindow* chart = area.subWindowList().front();
    QMdiSubWindow* other = area.addSubWindow(new QWidget);
    other->setAttribute(Qt::WA_DeleteOnClose);
    other->show();
    area.setActiveSubWindow(other);
    area.setActiveSubWindow(chart);
    other->close();
    area.setActiveSubWindow(chart);
}

TEST_F(ChartCommandsTest, EveryActivationRedrawsTheDomeInMagentaOverNewLines) {
    // An isotherm across the dome: the next activation draws the dome over it.
    Box(kT).setText("400");
    Chart().LocateButton().click();
    const size_t before = Chart().DisplayList().size();
    Reactivate(*area_);
    int magenta = 0;
    for (const LinePrimitive& line : Drawn<LinePrimitive>(before))
        magenta += line.color == QBColor(5);
    EXPECT_EQ(magenta, 374 + 747);
    ASSERT_EQ(Drawn<CirclePrimitive>(before).size(), 1u);
    EXPECT_EQ(Drawn<CirclePrimitive>(before).front().color, QBColor(5));
    EXPECT_EQ(Chart().ForeColor(), QBColor(5));
}

// The drawing grows with what the user constructs, not with how often the
// window is activated: a dome drawn over the dome that ends the drawing adds
// nothing, and still leaves the fore colour magenta.
TEST_F(ChartCommandsTest, ActivationsWithNothingDrawnLeaveTheDrawingAsItWas) {
    Reactivate(*area_);
    const std::vector<Primitive> afterOne = Chart().DisplayList();
    for (int i = 0; i < 100; ++i) {
        Chart().SetForeColor(QBColor(12));
        Reactivate(*area_);
        EXPECT_EQ(Chart().ForeColor(), QBColor(5));
    }
    EXPECT_TRUE(Chart().DisplayList() == afterOne);

    // After a construction, one more dome; then again nothing more.
    Box(kS).setText("6");
    Chart().LocateButton().click();
    const size_t withLine = Chart().DisplayList().size();
    for (int i = 0; i < 10; ++i)
        Reactivate(*area_);
    EXPECT_EQ(Chart().DisplayList().size(), withLine + 1 + 374 + 1 + 747);
}

}  // namespace
}  // namespace calorix
