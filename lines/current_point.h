#pragma once

namespace calorix {

// The current point: the state last located by a two-box Draw, clicked or
// pointed at (an isobar also stores its saturation temperature in PointT).
// The Locate command reads it right after pressing Draw.
struct CurrentPoint {
    double PointT = 0;  // K
    double PointS = 0;  // kJ/kg-K
};

}  // namespace calorix
