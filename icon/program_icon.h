#pragma once

#include <QIcon>
#include <array>

namespace calorix {

// The sides in pixels of the PNG pictures of the program's icon: the sizes of
// the hicolor icon theme that desktops ask for most.
inline constexpr std::array<int, 6> kProgramIconSizes = {16, 32, 48, 64, 128, 256};

// The program's icon, a T-s dome crossed by an isobar: one picture for each
// of kProgramIconSizes, built into the program. The two smallest are drawn on
// a grid of 16 pixels of their own, without the axes and the located state
// that would blur at that size.
QIcon ProgramIcon();

}  // namespace calorix
