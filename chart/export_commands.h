#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include "picture/chart_picture.h"
#include "picture/export_dialogs.h"

class QAction;
class QMenu;
class QPrinter;

namespace calorix {

class CaptionLabel;
class ChartWindow;
class MessageBoxes;
class StatesModel;
class StatesTable;

// The part of the chart window that a picture shows: the whole drawing but
// the side panel docked on its right edge.
QRect PictureArea(const ChartWindow& chart);

// The chart window's commands that take the chart and its states away: in
// its "&File" menu Export picture... and Print..., in its "&Edit" menu Copy
// picture, Copy properties and States, and the table of listed states. The
// property panel becomes selectable, with Copy properties in its context
// menu and on Ctrl+C. Messages go through the chart window's message boxes,
// file and print dialogs through ExportDialogs.
class ExportCommands : public QObject {
    Q_OBJECT

  public:
    // Adds its items at the end of the window's File and Edit menus.
    ExportCommands(ChartWindow& chart, MessageBoxes& messages, QMenu& fileMenu, QMenu& editMenu);

    // The dialogs to ask with from now on (the Qt dialogs until then).
    void SetDialogs(ExportDialogs& dialogs);

    ChartPicture Picture() const;
    StatesModel& States() const { return *states_; }
    // The table window, once States has shown it.
    StatesTable* Table() const;

    void OnExportPictureClicked();
    void OnPrintClicked();
    void OnCopyPictureClicked();
    void OnCopyPropertiesClicked();
    void OnStatesClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAction* AddAction(QMenu* menu, const char* name, const char* caption, QKeySequence key);

    ChartWindow& chart_;
    MessageBoxes& messages_;
    CaptionLabel* panel_ = nullptr;  // the property panel, Label3
    QtExportDialogs qtDialogs_;
    ExportDialogs* dialogs_ = &qtDialogs_;
    StatesModel* states_ = nullptr;
    QPointer<StatesTable> table_;
};

}  // namespace calorix
