#include "model/property_model.h"

#include <array>

namespace calorix {
namespace {

constexpr std::array<std::string_view, 6> kPropertyNames = {"T", "P", "v", "h", "s", "x"};

}  // namespace

std::string_view PropertyName(Property property) {
    return kPropertyNames[static_cast<std::size_t>(property)];
}

std::optional<Property> PropertyNamed(std::string_view name) {
    for (std::size_t i = 0; i < kPropertyNames.size(); ++i) {
        if (kPropertyNames[i] == name) return static_cast<Property>(i);
    }
    return std::nullopt;
}

std::string_view PhaseName(Phase phase) {
    switch (phase) {
        case Phase::kLiquid:
            return "liquid";
        case Phase::kWet:
            return "wet";
        case Phase::kSteam:
            return "steam";
        case Phase::kSupercritical:
            return "supercritical";
        case Phase::kHighTemperatureSteam:
            return "high-temperature steam";
    }
    return "steam";
}

StateOrWhy PropertyModel::StateFrom(Property first, double firstValue, Property second,
                                    double secondValue) const {
    if (first == second) {
        return NoState{NoStateReason::kSamePropertyTwice, "the same property twice"};
    }
    if (second < first) return StateOfPair(second, secondValue, first, firstValue);
    return StateOfPair(first, firstValue, second, secondValue);
}

const PropertyModel* ModelNamed(std::string_view name) {
    if (name == ClassicModel().Name()) return &ClassicModel();
    if (name == If97Model().Name()) return &If97Model();
    return nullptr;
}

std::string_view ModelCaption(std::string_view name) {
    return name == "if97" ? "IAPWS-IF97" : "Chart correlations";
}

}  // namespace calorix
