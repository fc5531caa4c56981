#pragma once

#include <string>
#include <variant>
#include <vector>

#include "cycle/rankine_texts.h"
#include "lines/box_values.h"

// The user's steps on the chart as plain data: each command that changed the
// chart, with everything it read, so that running the steps again on a fresh
// chart of the same size draws the same picture. No Qt here.
namespace calorix::journal {

// A press of Locate or Enter: the five box texts as they stood before Draw
// rewrote any unit suffix, and the options that Draw reads.
struct LocateCommand {
    BoxTexts boxes;
    bool showLabels = true;
    bool showMarkers = true;
    bool locateCrossings = false;
    bool operator==(const LocateCommand&) const = default;
};

// A click on the chart at entropy s in kJ/kg-K and temperature T in K; the
// marker's size follows Show markers.
struct ClickCommand {
    double s = 0;
    double T = 0;
    bool showMarkers = true;
    bool operator==(const ClickCommand&) const = default;
};

enum class SeriesMode { kIncrement, kCount };

// One OK of the line-series dialog: the property (PropertyIndex), the texts
// of its From, To, increment and number-of-points boxes and the way of
// stepping, however many lines it draws.
struct SeriesCommand {
    int property = kT;
    std::string from;
    std::string to;
    std::string increment;
    std::string count;
    SeriesMode mode = SeriesMode::kCount;
    bool showLabels = true;
    bool showMarkers = true;
    bool operator==(const SeriesCommand&) const = default;
};

// A Clear the user confirmed: the empty chart again, its reference isobars
// labelled while Show labels is checked.
struct ClearCommand {
    bool showLabels = true;
    bool operator==(const ClearCommand&) const = default;
};

// A choice of the property model the chart is drawn on ("classic", the
// chart's correlations, or "if97"): the whole chart, every step before it
// included, is drawn again under it.
struct ModelCommand {
    std::string model;
    bool operator==(const ModelCommand&) const = default;
};

// One OK of the Rankine cycle dialog: the texts of its boxes as typed,
// before any unit suffix was read. The cycle is computed under the model the
// chart is drawn on when the step runs, and drawn with its states numbered.
struct CycleCommand {
    RankineTexts texts;
    bool operator==(const CycleCommand&) const = default;
};

struct Step;

// An opened chart file: a fresh chart under the file's model, then the
// file's steps.
struct OpenCommand {
    std::string fileName;
    std::vector<Step> steps;
    std::string model = "classic";
    bool operator==(const OpenCommand& other) const;
};

struct Step {
    std::variant<LocateCommand, ClickCommand, SeriesCommand, ClearCommand, OpenCommand,
                 ModelCommand, CycleCommand>
        command;
    bool operator==(const Step&) const = default;
};

inline bool OpenCommand::operator==(const OpenCommand& other) const {
    return fileName == other.fileName && steps == other.steps && model == other.model;
}

// What a step does, for the Undo and Redo items: "isobar P = 1", "state
// T = 500, P = 1", "series of 21 isobars", "Clear", "click at T = 500.1 K",
// "IAPWS-IF97", "Rankine cycle 15 MPa" (the boiler pressure, a kPa suffix
// read).
std::string Describe(const Step& step);

// The steps that rebuild the same chart from a fresh one, without Open: an
// Open starts the chart afresh, so only its own steps and those after the
// last Open count. [locate, open {click}, clear] -> [click, clear].
std::vector<Step> FlatSteps(const std::vector<Step>& steps);

// The model the flat steps start under: that of the last Open, or
// startModel when there is none.
std::string FlatStartModel(const std::vector<Step>& steps, const std::string& startModel);

}  // namespace calorix::journal
