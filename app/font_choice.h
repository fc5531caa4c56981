#pragma once

#include <QStringList>

class QString;

namespace calorix {

// The families that text in a font of a document's font table asks for.
//
// An empty name takes the base families. A proportional font keeps its name
// whether or not it is installed: the font system substitutes a face of the
// same kind. A fixed-pitch font keeps its name when it is installed, or when
// the font system stands a fixed-pitch face in for that very name (fontconfig
// puts Liberation Mono in place of Courier New, with the same metrics);
// otherwise it gives way to the system's fixed-pitch font, so that columns of
// a table written in it stay aligned.
//
// Example: ("Qzxv No Such Typeface", fixed pitch) -> {"DejaVu Sans Mono"} or
// whatever the system's fixed font is; ("Courier New", fixed pitch) ->
// {"Courier New"} where Liberation Mono is installed.
QStringList ChooseFontFamilies(const QString& name, bool fixedPitch,
                               const QStringList& baseFamilies);

}  // namespace calorix
