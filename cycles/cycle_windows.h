#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace calorix {

class ChartWindow;
class CycleResults;
class MessageBoxes;
class RankineDialog;

// The windows of a chart's power cycles, opened for the chart window's
// Cycle menu: the Rankine cycle dialog (Cycle > Rankine cycle...) and the
// cycle's results (Cycle > Results, and after each OK of the dialog that
// drew a cycle). One of each at a time: asking again brings it to the
// front. The frame window owns one and attaches each chart window it opens.
class CycleWindows : public QObject {
    Q_OBJECT

  public:
    // frame: the window the dialog is placed over and stands above.
    CycleWindows(QWidget& frame, MessageBoxes& messages, QObject* parent = nullptr);

    // The chart's Cycle menu opens this object's windows.
    void Attach(ChartWindow& chart);

    void OpenDialog(ChartWindow& chart);
    void OpenResults(ChartWindow& chart);

    // The open windows, or nothing.
    RankineDialog* Dialog() const;
    CycleResults* Results() const;

  private:
    QWidget& frame_;
    MessageBoxes& messages_;
    QPointer<RankineDialog> dialog_;
    QPointer<CycleResults> results_;
};

}  // namespace calorix
