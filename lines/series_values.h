#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/property_index.h"
#include "model/property_model.h"

// The values of a line series: From, From + step, From + 2 step, ... while
// the running value has not passed To. No Qt here.
namespace calorix {

// What the series dialog offers for one property: the option's caption,
// which names the range of the property's box, and the defaults a click on
// it writes into From, To and Increment.
struct SeriesOption {
    const char* caption;
    const char* from;
    const char* to;
    const char* increment;
};

// The options in PropertyIndex order under a property model: the captions
// name the model's ranges of the boxes (ModelRanges, lines/validate_inputs.h);
// the defaults are the same under every model, within every model's ranges.
// Under the chart's correlations "Pressure [0.00062 to 22]"; under
// IAPWS-IF97 "Pressure [0.000001 to 100]".
const std::array<SeriesOption, kPropertyCount>& SeriesOptions(const PropertyModel& model);

// Most lines one series may draw. Each line is a full Draw of the chart, so
// a series beyond this would keep the program busy for minutes.
inline constexpr int kMaxSeriesLines = 1000;

// The step of a series. By increment it is the increment itself; by number
// of points it is (to - from) / count, the count being the number of steps
// between From and To. A count of 0 gives no step.
// 274, 1273, by count 9 -> 111; by increment 100 -> 100; by count 0 -> none.
std::optional<double> SeriesStep(double from, double to, double increment, double count,
                                 bool byCount);

enum class SeriesOutcome {
    kValues,   // the values to draw (possibly none)
    kNoStep,   // no step, a zero step or one that is not a number
    kTooMany,  // more than maxLines values
};

struct SeriesValues {
    SeriesOutcome outcome = SeriesOutcome::kValues;
    std::vector<double> values;
};

// The running value v starts at from and grows by step after each pass,
// accumulated in double precision; a pass runs while v <= to for a step of
// 0 or more, while v >= to for a negative one. A step whose sign does not
// lead from From to To gives no values. More than maxLines values, or
// (To - From) / step of maxLines or more, give kTooMany and no values. A
// running value that no longer changes (a step lost against a huge value)
// ends the series.
// 0, 12, 1 -> 0, 1, ..., 12 (13 values); 5, 1, 1 -> none; 1, 5, -1 -> none;
// 0, 1, 0 -> kNoStep; 0, 1e6, 1 -> kTooMany; 1e300, 1e300, 1 -> 1e300.
SeriesValues Series(double from, double to, std::optional<double> step,
                    int maxLines = kMaxSeriesLines);

}  // namespace calorix
