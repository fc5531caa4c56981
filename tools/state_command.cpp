#include "tools/state_command.h"

#include <optional>
#include <string_view>
#include <utility>

#include "model/property_model.h"
#include "tools/number_arguments.h"

namespace calorix {
namespace {

// One NAME=VALUE argument.
struct Given {
    Property property;
    double value;
    std::string text;  // as typed, for the messages
};

Given ReadGiven(const std::string& arg) {
    const std::size_t equals = arg.find('=');
    if (equals == std::string::npos) throw UsageError("not NAME=VALUE: '" + arg + "'");
    const std::optional<Property> property = PropertyNamed(std::string_view(arg).substr(0, equals));
    if (!property) {
        throw UsageError("no property named '" + arg.substr(0, equals) + "' (T, P, v, h, s or x)");
    }
    return {*property, StrictNumber(arg.substr(equals + 1)), arg};
}

std::string StateJson(const PropertyModel& model, const State& state) {
    std::string json = "{\"model\":\"" + std::string(model.Name()) + "\",\"region\":\"" +
                       std::string(PhaseName(state.phase)) + "\"";
    const std::pair<const char*, std::string> fields[] = {
        {"T", Json(state.T)}, {"P", Json(state.P)}, {"v", Json(state.v)},   {"h", Json(state.h)},
        {"s", Json(state.s)}, {"u", Json(state.u)}, {"cp", Json(state.cp)}, {"cv", Json(state.cv)},
        {"w", Json(state.w)}, {"x", Json(state.x)}};
    for (const auto& [name, text] : fields)
        json += std::string(",\"") + name + "\":" + text;
    return json + "}";
}

}  // namespace

int RunStateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const PropertyModel* model = &ClassicModel();
    std::vector<Given> given;
    try {
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i] == "--model") {
                if (i + 1 == args.size()) throw UsageError("--model takes classic or if97");
                model = ModelNamed(args[++i]);
                if (!model) throw UsageError("no model named '" + args[i] + "' (classic or if97)");
                continue;
            }
            given.push_back(ReadGiven(args[i]));
        }
        if (given.size() != 2) throw UsageError(std::string("takes ") + kStateUsage);
        if (given[0].property == given[1].property) {
            throw UsageError("the same property twice: " + given[0].text + " " + given[1].text);
        }
    } catch (const UsageError& error) {
        err << "calorix-steam: state: " << error.what() << '\n';
        return 2;
    }
    const StateOrWhy answer =
        model->StateFrom(given[0].property, given[0].value, given[1].property, given[1].value);
    if (const NoState* none = std::get_if<NoState>(&answer)) {
        err << "calorix-steam: state " << given[0].text << ' ' << given[1].text << " ("
            << model->Name() << "): no state: " << none->why << '\n';
        return 1;
    }
    out << StateJson(*model, std::get<State>(answer)) << '\n';
    return 0;
}

}  // namespace calorix
