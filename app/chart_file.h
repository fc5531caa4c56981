#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

#include "journal/journal_step.h"

// The chart file (.calorix): the user's steps as UTF-8 JSON,
// {"format": "calorix-chart", "version": 1, "model": "if97", "steps": [...]},
// each step an object with its "command" ("locate", "click", "series",
// "clear", "model" or "cycle") and what the command read. "model" is the property
// model the steps start under, "classic" (the chart's correlations) when
// absent.
namespace calorix {

// The largest file and the most steps a chart file may hold.
inline constexpr long long kMaxChartFileBytes = 64LL * 1024 * 1024;
inline constexpr std::size_t kMaxChartFileSteps = 1'000'000;

// The file's text for steps without Open (journal::FlatSteps) that start
// under the model named.
QByteArray ChartFileText(const std::vector<journal::Step>& steps,
                         const std::string& model = "classic");

// What a chart file holds: its steps, or the first problem found ("not a
// Calorix chart", "version 2 is newer than this program", "step 12: unknown
// command \"erase\""). Nothing is half read: with a problem there are no
// steps.
struct ChartFileContents {
    std::vector<journal::Step> steps;
    std::string model = "classic";
    QString problem;
    bool Sound() const { return problem.isEmpty(); }
};
ChartFileContents ParseChartFile(const QByteArray& text);
// Reads and parses the file at `path`; a file over kMaxChartFileBytes is not
// read at all.
ChartFileContents ReadChartFile(const QString& path);

// Writes the file through a temporary file renamed over the old one, so that
// a failed write leaves the old file as it was. Returns why it failed, or
// nothing.
QString WriteChartFile(const QString& path, const std::vector<journal::Step>& steps,
                       const std::string& model = "classic");

}  // namespace calorix
