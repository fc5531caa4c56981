#include "model/state_region.h"

#include "steam/saturated_properties.h"
#include "steam/water_constants.h"

namespace calorix {

int StateRegion(double s, double T) {
    const double sf = SatLiquidEntropy(T);
    const double sg = SatVaporEntropy(T);
    if (T < kCriticalTemperature && sf < s && s < sg) return kWetMixture;
    if ((s < sf && T < kCriticalTemperature) ||
        (T > kCriticalTemperature && s < kCriticalEntropy)) {
        return kLiquid;
    }
    if (s > sg || T > kCriticalTemperature) return kSuperheated;
    return kNoRegion;
}

}  // namespace calorix
