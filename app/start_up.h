#pragma once

#include <QStringList>

namespace calorix {

class FrameWindow;

// What the program does once its frame window exists: the frame opens at
// three quarters of the screen, centred, with the chart window up and Steam
// enabled. A chart file named on the command line (the last argument after
// the program's name; Qt has taken its own options out) opens once the chart
// is up, when the event loop runs.
void StartFrame(FrameWindow& frame, const QStringList& arguments);

}  // namespace calorix
