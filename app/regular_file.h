#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace calorix {

// Why a file could not be read.
enum class FileProblem {
    kNone,
    kMissing,     // there is no file at the path
    kNotAFile,    // a directory, a named pipe, a device or a socket
    kUnreadable,  // it exists but cannot be opened or read
    kTooLarge,    // larger than the limit the caller gave
};

struct FileBytes {
    FileProblem problem = FileProblem::kNone;
    QByteArray data;  // the whole file when problem is kNone
    QString reason;   // the system's words for kUnreadable ("Permission denied")
};

// Reads a whole regular file of at most maxBytes bytes. It never blocks: the
// file is opened without waiting (a named pipe without a writer answers at
// once) and anything but a regular file is refused before a byte is read. A
// file that grows past the limit while it is read is refused too.
//
// Example: ReadRegularFile("/tmp/fifo", 100) gives kNotAFile at once, where
// opening it for reading in the usual way would wait for a writer forever.
FileBytes ReadRegularFile(const QString& path, qint64 maxBytes);

// The problem in plain words, ending with a full stop: "there is no such
// file.", "it is larger than 4 MiB." (the limit given in bytes, KiB or MiB).
QString DescribeFileProblem(const FileBytes& file, qint64 maxBytes);

}  // namespace calorix
