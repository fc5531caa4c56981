// calorix-steam cycle: one line of JSON that a JSON reader reads and whose
// numbers read back to the core's own doubles, one line on standard error
// with status 1 for a cycle that cannot exist, and status 2 for what cannot
// be read.
#include "tools/cycle_command.h"

#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "cycle/rankine.h"
#include "tools/steam_command.h"

namespace calorix {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunCycle(std::vector<std::string> args) {
    args.insert(args.begin(), "cycle");
    std::ostringstream out, err;
    const int status = RunSteamCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// A JSON value, read by a strict reader of RFC 8259's grammar.
struct Value;
using Array = std::vector<Value>;
using Object = std::map<std::string, Value>;
struct Value {
    std::variant<std::nullptr_t, bool, double, std::string, std::shared_ptr<Array>,
                 std::shared_ptr<Object>>
        data;
    bool IsNull() const { return std::holds_alternative<std::nullptr_t>(data); }
    double Number() const { return std::get<double>(data); }
    const std::string& Text() const { return std::get<std::string>(data); }
    bool Flag() const { return std::get<bool>(data); }
    const Array& Items() const { return *std::get<std::shared_ptr<Array>>(data); }
    const Value& operator[](const std::string& key) const {
        return std::get<std::shared_ptr<Object>>(data)->at(key);
    }
    std::size_t Keys() const { return std::get<std::shared_ptr<Object>>(data)->size(); }
};

class Reader {
  public:
    explicit Reader(const std::string& text) : text_(text) {}

    // The whole text as one value; throws on anything else.
    Value Document() {
        Value value = Read();
        Skip();
        if (at_ != text_.size()) throw std::runtime_error("text after the value");
        return value;
    }

  private:
    void Skip() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }
    bool Take(char c) {
        Skip();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    void Expect(char c) {
        if (!Take(c)) throw std::runtime_error(std::string("expected ") + c);
    }
    bool Word(const char* word) {
        const std::string w(word);
        if (text_.compare(at_, w.size(), w) != 0) return false;
        at_ += w.size();
        return true;
    }
    std::string String() {
        Expect('"');
        std::string text;
        while (at_ < text_.size() && text_[at_] != '"') {
            char c = text_[at_++];
            if (static_cast<unsigned char>(c) < 0x20) throw std::runtime_error("control character");
            if (c == '\\') {
                c = text_.at(at_++);
                if (c == 'u') {
                    text += static_cast<char>(std::stoi(text_.substr(at_, 4), nullptr, 16));
                    at_ += 4;
                    continue;
                }
                if (c == 'n') c = '\n';
                if (c == 't') c = '\t';
            }
            text += c;
        }
        Expect('"');
        return text;
    }
    Value Read() {
        Skip();
        if (at_ >= text_.size()) throw std::runtime_error("no value");
        const char c = text_[at_];
        if (c == '{') {
            ++at_;
            auto object = std::make_shared<Object>();
            if (!Take('}')) {
                do {
                    Skip();
                    const std::string key = String();
                    Expect(':');
                    if (!object->emplace(key, Read()).second) {
                        throw std::runtime_error("key twice: " + key);
                    }
                } while (Take(','));
                Expect('}');
            }
            return {object};
        }
        if (c == '[') {
            ++at_;
            auto array = std::make_shared<Array>();
            if (!Take(']')) {
                do {
                    array->push_back(Read());
                } while (Take(','));
                Expect(']');
            }
            return {array};
        }
        if (c == '"') return {String()};
        if (Word("null")) return {nullptr};
        if (Word("true")) return {true};
        if (Word("false")) return {false};
        // A number as JSON writes it: no '+', no leading zeros, no "inf".
        std::size_t end = at_;
        if (text_[end] == '-') ++end;
        if (end >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[end]))) {
            throw std::runtime_error("not a value");
        }
        if (text_[end] == '0' && end + 1 < text_.size() &&
            std::isdigit(static_cast<unsigned char>(text_[end + 1]))) {
            throw std::runtime_error("leading zero");
        }
        double number = 0;
        const auto [ptr, ec] =
            std::from_chars(text_.data() + at_, text_.data() + text_.size(), number);
        if (ec != std::errc()) throw std::runtime_error("bad number");
        at_ = ptr - text_.data();
        return {number};
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

Value Parsed(const std::string& line) {
    EXPECT_EQ(line.find('\n'), line.size() - 1) << "one line";
    try {
        return Reader(line).Document();
    } catch (const std::exception& e) {
        ADD_FAILURE() << e.what() << ": " << line;
        return {nullptr};
    }
}

std::optional<double> Nullable(const Value& value) {
    if (value.IsNull()) return std::nullopt;
    return value.Number();
}

// Every field of the JSON is the core's cycle, number for number.
void ExpectSameCycle(const Value& json, const RankineCycle& cycle) {
    const Array& states = json["states"].Items();
    ASSERT_EQ(states.size(), cycle.states.size());
    for (std::size_t i = 0; i < states.size(); ++i) {
        const State& s = cycle.states[i].state;
        EXPECT_EQ(states[i].Keys(), 8u);
        EXPECT_EQ(states[i]["T"].Number(), s.T);
        EXPECT_EQ(states[i]["P"].Number(), s.P);
        EXPECT_EQ(states[i]["v"].Number(), s.v);
        EXPECT_EQ(states[i]["h"].Number(), s.h);
        EXPECT_EQ(states[i]["s"].Number(), s.s);
        EXPECT_EQ(Nullable(states[i]["x"]), s.x);
        EXPECT_EQ(states[i]["region"].Text(), PhaseName(s.phase));
        EXPECT_EQ(states[i]["approximate"].Flag(), cycle.states[i].approximate);
    }
    const Array& processes = json["processes"].Items();
    ASSERT_EQ(processes.size(), cycle.processes.size());
    for (std::size_t i = 0; i < processes.size(); ++i) {
        const CycleProcess& p = cycle.processes[i];
        EXPECT_EQ(processes[i]["from"].Number(), p.from);
        EXPECT_EQ(processes[i]["to"].Number(), p.to);
        EXPECT_EQ(processes[i]["kind"].Text(), ProcessKindName(p.process.kind));
        EXPECT_EQ(processes[i]["q"].Number(), p.process.q);
        EXPECT_EQ(processes[i]["w"].Number(), p.process.w);
        EXPECT_EQ(processes[i]["dh"].Number(), p.process.dh);
        EXPECT_EQ(processes[i]["ds"].Number(), p.process.ds);
        EXPECT_EQ(processes[i]["fraction"].Number(), p.fraction);
    }
    EXPECT_EQ(json["net_work"].Number(), cycle.netWork);
    EXPECT_EQ(json["heat_in"].Number(), cycle.heatIn);
    EXPECT_EQ(json["heat_out"].Number(), cycle.heatOut);
    EXPECT_EQ(json["turbine_work"].Number(), cycle.turbineWork);
    EXPECT_EQ(json["pump_work"].Number(), cycle.pumpWork);
    EXPECT_EQ(json["thermal_efficiency"].Number(), cycle.thermalEfficiency);
    EXPECT_EQ(json["back_work_ratio"].Number(), cycle.backWorkRatio);
    const Array& fractions = json["extraction_fractions"].Items();
    const Array& pressures = json["extraction_pressures"].Items();
    ASSERT_EQ(fractions.size(), cycle.extractionFractions.size());
    ASSERT_EQ(pressures.size(), cycle.extractionPressures.size());
    for (std::size_t i = 0; i < fractions.size(); ++i) {
        EXPECT_EQ(fractions[i].Number(), cycle.extractionFractions[i]);
        EXPECT_EQ(pressures[i].Number(), cycle.extractionPressures[i]);
    }
    EXPECT_EQ(Nullable(json["mass_flow"]), cycle.massFlow);
    EXPECT_EQ(Nullable(json["heat_in_rate"]), cycle.heatInRate);
    EXPECT_EQ(Nullable(json["heat_out_rate"]), cycle.heatOutRate);
    EXPECT_EQ(json["carnot_efficiency"].Number(), cycle.carnotEfficiency);
    EXPECT_EQ(json["lowest_temperature"].Number(), cycle.lowestTemperature);
    EXPECT_EQ(json["highest_temperature"].Number(), cycle.highestTemperature);
    if (cycle.note.empty()) {
        EXPECT_TRUE(json["note"].IsNull());
    } else {
        EXPECT_EQ(json["note"].Text(), cycle.note);
    }
    EXPECT_EQ(json.Keys(), 19u);
}

TEST(CycleCommand, PrintsTheCoresCycleAsOneLineOfJson) {
    const Outcome outcome = RunCycle({"--model",
                                      "if97",
                                      "--boiler-pressure",
                                      "15",
                                      "--turbine-inlet-temperature",
                                      "873.15",
                                      "--condenser-pressure",
                                      "0.01",
                                      "--reheat-pressure",
                                      "4",
                                      "--reheat-temperature",
                                      "873.15",
                                      "--heater-pressure",
                                      "0.5",
                                      "--heater-pressure",
                                      "4",
                                      "--turbine-efficiency",
                                      "0.9",
                                      "--pump-efficiency",
                                      "0.8",
                                      "--net-power",
                                      "250"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    const Value json = Parsed(outcome.out);
    EXPECT_EQ(json["model"].Text(), "if97");

    RankineInputs inputs;
    inputs.boilerPressure = 15;
    inputs.turbineInletTemperature = 873.15;
    inputs.condenserPressure = 0.01;
    inputs.reheat = Reheat{4, 873.15};
    inputs.heaterPressures = {0.5, 4};
    inputs.turbineEfficiency = 0.9;
    inputs.pumpEfficiency = 0.8;
    inputs.netPower = 250;
    const RankineCycle cycle = std::get<RankineCycle>(ComputeRankine(If97Model(), inputs));
    ExpectSameCycle(json, cycle);
    EXPECT_EQ(json["processes"].Items()[0]["kind"].Text(), "pump");
    EXPECT_EQ(json["extraction_fractions"].Items().size(), 2u);
}

TEST(CycleCommand, TheCorrelationsSayHowTheirPumpsWereComputed) {
    const Outcome outcome =
        RunCycle({"--model", "classic", "--boiler-pressure", "8", "--condenser-pressure", "8k"});
    EXPECT_EQ(outcome.status, 2);  // no unit suffixes on the command line
    const Outcome classic =
        RunCycle({"--condenser-pressure", "0.008", "--boiler-pressure", "8", "--model", "classic"});
    ASSERT_EQ(classic.status, 0) << classic.err;
    const Value json = Parsed(classic.out);
    RankineInputs inputs;
    inputs.boilerPressure = 8;
    inputs.condenserPressure = 0.008;
    ExpectSameCycle(json, std::get<RankineCycle>(ComputeRankine(ClassicModel(), inputs)));
    EXPECT_EQ(json["model"].Text(), "classic");
    EXPECT_TRUE(json["states"].Items()[1]["approximate"].Flag());
    EXPECT_NE(json["note"].Text().find("incompressible-liquid approximation"), std::string::npos);
    EXPECT_TRUE(json["mass_flow"].IsNull());
    EXPECT_TRUE(json["states"].Items()[2]["x"].Number() == 1);
}

TEST(CycleCommand, ACycleThatCannotExistIsOneLineAndStatusOne) {
    struct Case {
        std::vector<std::string> extra;
        const char* named;  // the option and its value
        const char* why;
    };
    const Case cases[] = {
        {{"--condenser-pressure", "20"}, "--condenser-pressure 20", "below the boiler pressure"},
        {{"--condenser-pressure", "-0.01"}, "--condenser-pressure -0.01", "above zero"},
        {{"--heater-pressure", "1", "--heater-pressure", "16"},
         "--heater-pressure 16",
         "between the condenser and the boiler"},
        {{"--heater-pressure", "1", "--heater-pressure", "1"},
         "--heater-pressure 1",
         "another heater"},
        {{"--turbine-efficiency", "1.5"}, "--turbine-efficiency 1.5", "at most 1"},
        {{"--pump-efficiency", "0"}, "--pump-efficiency 0", "above 0"},
        {{"--turbine-inlet-temperature", "500"},
         "--turbine-inlet-temperature 500",
         "above the saturation temperature"},
        {{"--reheat-pressure", "20", "--reheat-temperature", "800"},
         "--reheat-pressure 20",
         "between the condenser and the boiler"},
        {{"--net-power", "-100"}, "--net-power -100", "above zero"},
        {{"--turbine-inlet-temperature", "3000"},
         "--turbine-inlet-temperature 3000",
         "outside the model"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--model", "if97", "--boiler-pressure", "15"};
        bool condenser = false;
        for (const std::string& arg : c.extra)
            condenser = condenser || arg == "--condenser-pressure";
        if (!condenser) args.insert(args.end(), {"--condenser-pressure", "0.01"});
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const Outcome outcome = RunCycle(args);
        EXPECT_EQ(outcome.status, 1) << c.named << ": " << outcome.err;
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
        EXPECT_EQ(outcome.err.rfind("calorix-steam: cycle (if97): ", 0), 0u) << outcome.err;
        EXPECT_NE(outcome.err.find(std::string(c.named) + ": "), std::string::npos) << outcome.err;
        EXPECT_NE(outcome.err.find(c.why), std::string::npos) << outcome.err;
    }
    // Eleven heaters: the eleventh is named.
    std::vector<std::string> args = {
        "--model", "if97", "--boiler-pressure", "15", "--condenser-pressure", "0.01"};
    for (int i = 1; i <= 11; ++i)
        args.insert(args.end(), {"--heater-pressure", std::to_string(i)});
    const Outcome eleven = RunCycle(args);
    EXPECT_EQ(eleven.status, 1);
    EXPECT_NE(eleven.err.find("--heater-pressure 11: "), std::string::npos) << eleven.err;
}

TEST(CycleCommand, MalformedArgumentsAreStatusTwo) {
    const std::vector<std::string> sound = {
        "--model", "if97", "--boiler-pressure", "8", "--condenser-pressure", "0.008"};
    const auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = sound;
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    };
    ASSERT_EQ(RunCycle(sound).status, 0);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"--boiler-pressure", "8", "--condenser-pressure", "0.008"},
             {"--model", "iapws", "--boiler-pressure", "8", "--condenser-pressure", "0.008"},
             {"--model", "if97", "--condenser-pressure", "0.008"},
             {"--model", "if97", "--boiler-pressure", "8"},
             with({"--net-power"}),
             with({"--bogus", "1"}),
             with({"0.5"}),
             with({"--turbine-efficiency", "high"}),
             with({"--turbine-efficiency", "nan"}),
             with({"--net-power", "inf"}),
             with({"--heater-pressure", ""}),
             with({"--boiler-pressure", "9"}),
             with({"--model", "classic"}),
             with({"--reheat-pressure", "1"}),
             with({"--reheat-temperature", "700"}),
         }) {
        const Outcome outcome = RunCycle(args);
        EXPECT_EQ(outcome.status, 2) << outcome.err;
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
        EXPECT_EQ(outcome.err.rfind("calorix-steam: cycle: ", 0), 0u) << outcome.err;
    }
    std::ostringstream help, err;
    EXPECT_EQ(RunSteamCommand({"--help"}, help, err), 0);
    EXPECT_NE(help.str().find("cycle --model classic|if97 --boiler-pressure P"), std::string::npos)
        << help.str();
    EXPECT_NE(help.str().find("[--heater-pressure P]..."), std::string::npos);
}

}  // namespace
}  // namespace calorix
