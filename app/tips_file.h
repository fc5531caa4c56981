#pragma once

#include <QString>
#include <QStringList>

namespace calorix {

// The places where the program looks for its tips file, tips.rtf, in order:
// next to the program (the build folder, or a copy put there by hand), then
// ../share/calorix/ relative to it (the program installed as PREFIX/bin/calorix
// with its data in PREFIX/share/calorix/), then calorix/ in each of the
// standard data folders (QStandardPaths::GenericDataLocation: ~/.local/share,
// then those of XDG_DATA_DIRS, /usr/local/share and /usr/share by default).
// programDir: the folder of the running program, without a trailing "/".
QStringList TipsFilePlaces(const QString& programDir);

// The first of those places where a file of that name exists, even one that
// cannot be read: the Tips window then names the file that is wrong instead
// of passing over it. When there is none, the place next to the program,
// which the Tips window names as missing.
QString FindTipsFile(const QString& programDir);

}  // namespace calorix
