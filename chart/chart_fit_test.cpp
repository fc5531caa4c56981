// Options > Fit chart to window: off by default, so that a resize changes
// nothing on the chart; while on, the chart is laid out for the new size as
// a fresh opening lays it out and its steps are drawn again.
#include <QAction>
#include <QSettings>

#include "journal/journal.h"
#include "testing/chart_test.h"

namespace calorix {
namespace {

class ChartFitTest : public test::ChartTest {
  protected:
    QAction& Fit() { return *Chart().findChild<QAction*>(QStringLiteral("mnuFitToWindow")); }

    void Work() {
        Type(kP, "1");
        PressEnter(kP);
        Type(kT, "500");
        PressEnter(kT);
        QTest::mouseClick(&Chart(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 120));
        Chart().PlotSeries({kS, "2", "8", "", "3", journal::SeriesMode::kCount, true, true});
        Type(kT, "600");
        Type(kP, "5");
        PressEnter(kP);
    }
    void ResizeArea(QSize size) {
        area_->resize(size);
        QApplication::processEvents();
    }

    // The chart as a fresh opening in an area of this one's size draws it,
    // with this chart's steps.
    void ExpectLikeAFreshOpening() {
        ScriptedMessageBoxes messages;
        ChartArea other(messages);
        other.resize(area_->size());
        other.OpenChartWindow();
        ASSERT_TRUE(other.Chart()->OpenSteps("fresh", Chart().Journal().DoneSteps()));
        const ChartFrame& a = area_->Frame();
        const ChartFrame& b = other.Frame();
        EXPECT_EQ(a.ChartLeft, b.ChartLeft);
        EXPECT_EQ(a.ChartBottom, b.ChartBottom);
        EXPECT_EQ(a.ChartWidth, b.ChartWidth);
        EXPECT_EQ(a.ChartHeight, b.ChartHeight);
        EXPECT_TRUE(Chart().DisplayList() == other.Chart()->DisplayList());
        EXPECT_EQ(Chart().Panel().Caption(), other.Chart()->Panel().Caption());
        for (int i = 0; i < 6; ++i) {
            const QString name = QStringLiteral("Label2(%1)").arg(i);
            const auto* mine = Chart().findChild<CaptionLabel*>(name);
            const auto* theirs = other.Chart()->findChild<CaptionLabel*>(name);
            ASSERT_TRUE(mine && theirs);
            EXPECT_EQ(mine->pos(), theirs->pos()) << name.toStdString();
            EXPECT_EQ(mine->Caption(), theirs->Caption());
        }
    }
};

TEST_F(ChartFitTest, OffByDefaultSoThatAResizeChangesNothing) {
    EXPECT_EQ(Fit().text(), "Fit chart to window");
    EXPECT_TRUE(Fit().isCheckable());
    EXPECT_FALSE(Fit().isChecked());
    Work();
    const std::vector<Primitive> drawn = Chart().DisplayList();
    const ChartFrame frame = area_->Frame();
    ResizeArea(area_->size() + QSize(200, 100));
    EXPECT_FALSE(area_->FitPending());
    EXPECT_TRUE(Chart().DisplayList() == drawn);
    EXPECT_EQ(area_->Frame().ChartWidth, frame.ChartWidth);
}

TEST_F(ChartFitTest, CheckingItAfterAResizeFitsAtOnce) {
    Work();
    ResizeArea(QSize(900, 520));
    Fit().trigger();
    EXPECT_TRUE(Fit().isChecked());
    EXPECT_TRUE(QSettings(QStringLiteral("Calorix"), QStringLiteral("Calorix"))
                    .value("Options/FitToWindow")
                    .toBool())
        << "kept between runs";
    ExpectLikeAFreshOpening();
}

TEST_F(ChartFitTest, WhileCheckedEveryResizeLaysTheChartOutAfreshOnceTheSizeStandsStill) {
    Fit().trigger();
    Work();
    for (const QSize size : {QSize(640, 420), QSize(1200, 700), QSize(801, 433)}) {
        ResizeArea(size);
        EXPECT_TRUE(area_->FitPending()) << "the rebuild waits for the size to stand still";
        area_->FitChartToArea();  // what the pending timer runs
        EXPECT_FALSE(area_->FitPending());
        ExpectLikeAFreshOpening();
    }
    // Undo still cuts back to the state before the last step, at the new size.
    const size_t steps = Chart().Journal().DoneCount();
    Chart().findChild<QAction*>(QStringLiteral("mnuUndo"))->trigger();
    EXPECT_EQ(Chart().Journal().DoneCount(), steps - 1);
    ExpectLikeAFreshOpening();
    Chart().findChild<QAction*>(QStringLiteral("mnuRedo"))->trigger();
    ExpectLikeAFreshOpening();
}

TEST_F(ChartFitTest, AResizeWhileAnOpenRunsWaitsForItsEnd) {
    Fit().trigger();
    const std::vector<journal::Step> steps(
        3, journal::Step{journal::LocateCommand{{"", "1", "", "", ""}}});
    bool resized = false;
    ASSERT_TRUE(Chart().OpenSteps("f.calorix", steps, [&](std::size_t done, std::size_t) {
        if (done == 1 && !resized) {
            resized = true;
            ResizeArea(QSize(700, 450));
            area_->FitChartToArea();
            EXPECT_TRUE(area_->FitPending()) << "not in the middle of the Open";
        }
        return true;
    }));
    EXPECT_TRUE(resized);
    EXPECT_EQ(Chart().Journal().DoneCount(), 1u);
    area_->FitChartToArea();
    ExpectLikeAFreshOpening();
}

TEST_F(ChartFitTest, TheChoiceIsKeptForTheNextChartWindow) {
    Fit().trigger();
    Chart().findChild<QAction*>(QStringLiteral("mnuClose"))->trigger();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    area_->OpenChartWindow();
    ASSERT_NE(area_->Chart(), nullptr);
    EXPECT_TRUE(Fit().isChecked());
}

}  // namespace
}  // namespace calorix
