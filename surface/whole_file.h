#pragma once

#include <QString>
#include <functional>

class QSaveFile;

namespace calorix {

// Writes the file at `path` whole or not at all. `write` puts the bytes into
// a temporary file beside `path` and returns an empty text, or why it could
// not; the temporary file replaces `path` only once every byte is on disk.
// On any failure (a full disk, no permission, a missing folder) any old file
// of that name stays as it was and the reason is returned; empty on success.
QString WriteWholeFile(const QString& path, const std::function<QString(QSaveFile&)>& write);

// A `write` for WriteWholeFile that writes these bytes.
std::function<QString(QSaveFile&)> WriteBytes(const QByteArray& bytes);

}  // namespace calorix
