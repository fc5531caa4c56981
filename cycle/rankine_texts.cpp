#include "cycle/rankine_texts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "lines/box_values.h"
#include "numeric/box_value.h"

namespace calorix {
namespace {

constexpr std::array<std::string_view, 9> kCaptions = {"Boiler pressure (MPa)",
                                                       "Turbine inlet temperature (K)",
                                                       "Condenser pressure (MPa)",
                                                       "Reheat pressure (MPa)",
                                                       "Reheat temperature (K)",
                                                       "Heater pressures (MPa)",
                                                       "Turbine efficiency",
                                                       "Pump efficiency",
                                                       "Net power (MW)"};

// The box of each input, in the order of CycleInput.
constexpr std::array<std::string RankineTexts::*, 9> kTextFields = {
    &RankineTexts::boilerPressure,    &RankineTexts::turbineInletTemperature,
    &RankineTexts::condenserPressure, &RankineTexts::reheatPressure,
    &RankineTexts::reheatTemperature, &RankineTexts::heaterPressures,
    &RankineTexts::turbineEfficiency, &RankineTexts::pumpEfficiency,
    &RankineTexts::netPower};

enum class Suffix { kNone, kKiloPascal, kCelsius };

// A text without the blanks around it: "  1 " -> "1".
std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// How a text reads as a number.
enum class NumberReading { kNumber, kNotANumber, kOutOfRange };

// The whole text as a finite decimal number, one leading "+" allowed:
// "1.5" -> 1.5, ".5" -> 0.5, "2e3" -> 2000; "1,5", "1x", "inf", "+-1", "" are
// no numbers, and "1e400" lies out of the range of a double.
NumberReading ReadWholeNumber(std::string_view text, double& value) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return NumberReading::kNotANumber;
    }
    if (text.empty()) return NumberReading::kNotANumber;
    // from_chars reads "inf" and "nan" too; the program's boxes never do.
    const char first = text.front() == '-' && text.size() > 1 ? text[1] : text.front();
    if (!(first == '.' || (first >= '0' && first <= '9'))) return NumberReading::kNotANumber;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size()) return NumberReading::kNotANumber;
    if (ec == std::errc::result_out_of_range) return NumberReading::kOutOfRange;
    if (ec != std::errc() || !std::isfinite(value)) return NumberReading::kNotANumber;
    return NumberReading::kNumber;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// One entry read with its unit suffix, or why it cannot be.
struct Reading {
    std::optional<double> value;
    std::string why;
};

Reading ReadEntry(std::string_view entry, Suffix suffix) {
    const std::string_view text = Trimmed(entry);
    std::string_view number = text;
    const char last = text.empty() ? '\0' : text.back();
    const bool kilo = suffix == Suffix::kKiloPascal && (last == 'k' || last == 'K');
    const bool celsius = suffix == Suffix::kCelsius && (last == 'c' || last == 'C');
    if (kilo || celsius) number.remove_suffix(1);
    double value = 0;
    switch (ReadWholeNumber(number, value)) {
        case NumberReading::kNotANumber:
            return {std::nullopt, Quoted(text) + " is not a number"};
        case NumberReading::kOutOfRange:
            return {std::nullopt, Quoted(text) + " lies outside the range of numbers"};
        case NumberReading::kNumber:
            break;
    }
    // The suffix rewritten exactly as the chart's temperature and pressure
    // boxes rewrite it, so that both read the same value.
    if (kilo) return {BoxValue(RewriteKiloPascal(text)), {}};
    if (celsius) return {BoxValue(RewriteCelsius(text)), {}};
    return {value, {}};
}

Suffix SuffixOf(CycleInput input) {
    switch (input) {
        case CycleInput::kBoilerPressure:
        case CycleInput::kCondenserPressure:
        case CycleInput::kReheatPressure:
        case CycleInput::kHeaterPressure:
            return Suffix::kKiloPascal;
        case CycleInput::kTurbineInletTemperature:
        case CycleInput::kReheatTemperature:
            return Suffix::kCelsius;
        default:
            return Suffix::kNone;
    }
}

bool Empty(std::string_view text) {
    return Trimmed(text).empty();
}

// Reads the boxes in the order of CycleInput, stopping at the first that
// cannot be read.
class TextReader {
  public:
    explicit TextReader(const RankineTexts& texts) : texts_(texts) {}

    // A box that may be empty; nothing when it is.
    std::optional<double> Optional(CycleInput input) {
        const std::string& text = TextOf(texts_, input);
        if (error_ || Empty(text)) return std::nullopt;
        Reading reading = ReadEntry(text, SuffixOf(input));
        if (!reading.value) error_ = RankineTextError{input, std::move(reading.why)};
        return reading.value;
    }
    // A box the cycle cannot do without.
    double Required(CycleInput input, const char* needs) {
        if (!error_ && Empty(TextOf(texts_, input))) {
            error_ =
                RankineTextError{input, std::string("the box is empty; a cycle needs ") + needs};
        }
        return Optional(input).value_or(0);
    }
    std::vector<double> Heaters() {
        std::vector<double> pressures;
        for (const std::string& entry : HeaterPressureTexts(texts_.heaterPressures)) {
            if (error_) break;
            Reading reading = ReadEntry(entry, Suffix::kKiloPascal);
            if (!reading.value) {
                error_ = RankineTextError{CycleInput::kHeaterPressure, std::move(reading.why)};
            } else {
                pressures.push_back(*reading.value);
            }
        }
        return pressures;
    }
    void Fail(CycleInput input, std::string why) {
        if (!error_) error_ = RankineTextError{input, std::move(why)};
    }

    const std::optional<RankineTextError>& Error() const { return error_; }

  private:
    const RankineTexts& texts_;
    std::optional<RankineTextError> error_;
};

}  // namespace

const std::string& TextOf(const RankineTexts& texts, CycleInput input) {
    return texts.*kTextFields[static_cast<std::size_t>(input)];
}

std::string& TextOf(RankineTexts& texts, CycleInput input) {
    return texts.*kTextFields[static_cast<std::size_t>(input)];
}

std::vector<std::string> HeaterPressureTexts(std::string_view text) {
    std::vector<std::string> entries;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(" ,", at);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(text.find_first_of(" ,", start), text.size());
        entries.emplace_back(text.substr(start, end - start));
        at = end;
    }
    return entries;
}

RankineInputsOrError ReadRankineTexts(const RankineTexts& texts) {
    using enum CycleInput;
    TextReader read(texts);
    RankineInputs inputs;
    inputs.boilerPressure = read.Required(kBoilerPressure, "a boiler pressure");
    inputs.turbineInletTemperature = read.Optional(kTurbineInletTemperature);
    inputs.condenserPressure = read.Required(kCondenserPressure, "a condenser pressure");
    const std::optional<double> reheatPressure = read.Optional(kReheatPressure);
    const std::optional<double> reheatTemperature = read.Optional(kReheatTemperature);
    if (reheatPressure && !reheatTemperature) {
        read.Fail(kReheatTemperature, "the box is empty; a reheat pressure needs its temperature");
    } else if (reheatTemperature && !reheatPressure) {
        read.Fail(kReheatPressure, "the box is empty; a reheat temperature needs its pressure");
    } else if (reheatPressure) {
        inputs.reheat = Reheat{*reheatPressure, *reheatTemperature};
    }
    inputs.heaterPressures = read.Heaters();
    inputs.turbineEfficiency = read.Optional(kTurbineEfficiency).value_or(1);
    inputs.pumpEfficiency = read.Optional(kPumpEfficiency).value_or(1);
    inputs.netPower = read.Optional(kNetPower);
    if (read.Error()) return *read.Error();
    return inputs;
}

std::string_view RankineBoxCaption(CycleInput input) {
    return kCaptions[static_cast<std::size_t>(input)];
}

std::string RankineTextMessage(const RankineTextError& error) {
    return std::string(RankineBoxCaption(error.input)) + ": " + error.why + ".";
}

std::string RankineCycleMessage(const RankineTexts& texts, const CycleError& error) {
    std::string subject;
    if (error.input == CycleInput::kHeaterPressure) {
        const std::vector<std::string> entries = HeaterPressureTexts(texts.heaterPressures);
        if (error.heater && *error.heater < entries.size()) subject = entries[*error.heater];
    } else {
        subject = Trimmed(TextOf(texts, error.input));
    }
    if (subject.empty()) {
        const bool efficiency = error.input == CycleInput::kTurbineEfficiency ||
                                error.input == CycleInput::kPumpEfficiency;
        subject = efficiency ? "the default 1" : "(empty)";
    }
    return std::string(RankineBoxCaption(error.input)) + ": " + subject + " " + error.why + ".";
}

}  // namespace calorix
