#include "surface/whole_file.h"

#include <QSaveFile>

namespace calorix {
namespace {

// A write that stops short, the disk full, may leave the file's error unset.
QString WriteFailure(const QSaveFile& file) {
    return file.error() != QFileDevice::NoError ? file.errorString()
                                                : QStringLiteral("not every byte could be written");
}

}  // namespace

QString WriteWholeFile(const QString& path, const std::function<QString(QSaveFile&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    QString why = write(file);
    // commit() closes the file without noticing that its last buffered bytes
    // failed to reach the disk, so the buffer is flushed and checked first.
    if (why.isEmpty() && (file.error() != QFileDevice::NoError || !file.flush())) {
        why = WriteFailure(file);
    }
    if (!why.isEmpty()) {
        file.cancelWriting();
        return why;
    }
    if (!file.commit()) return WriteFailure(file);
    return QString();
}

std::function<QString(QSaveFile&)> WriteBytes(const QByteArray& bytes) {
    return [bytes](QSaveFile& file) {
        return file.write(bytes) == bytes.size() ? QString() : WriteFailure(file);
    };
}

}  // namespace calorix
