#include "app/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace calorix {
namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

FileBytes Unreadable(int error) {
    return {FileProblem::kUnreadable, {}, QString::fromLocal8Bit(std::strerror(error))};
}

QString SizeText(qint64 bytes) {
    constexpr qint64 kKiB = 1024;
    if (bytes % (kKiB * kKiB) == 0) return QStringLiteral("%1 MiB").arg(bytes / (kKiB * kKiB));
    if (bytes % kKiB == 0) return QStringLiteral("%1 KiB").arg(bytes / kKiB);
    return QStringLiteral("%1 bytes").arg(bytes);
}

}  // namespace

FileBytes ReadRegularFile(const QString& path, qint64 maxBytes) {
    if (path.isEmpty()) return {FileProblem::kMissing, {}, {}};
    const QByteArray name = QFile::encodeName(path);
    const FileDescriptor file(
        ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) return {FileProblem::kMissing, {}, {}};
        return Unreadable(error);
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return Unreadable(errno);
    if (!S_ISREG(status.st_mode)) return {FileProblem::kNotAFile, {}, {}};
    if (status.st_size > maxBytes) return {FileProblem::kTooLarge, {}, {}};

    // One byte past the limit tells a file that grew while it was read.
    FileBytes result;
    result.data.resize(qsizetype(maxBytes) + 1);
    qsizetype filled = 0;
    while (filled < result.data.size()) {
        const ssize_t got =
            ::read(file.get(), result.data.data() + filled, size_t(result.data.size() - filled));
        if (got < 0) {
            if (errno == EINTR) continue;
            return Unreadable(errno);
        }
        if (got == 0) break;
        filled += got;
    }
    if (filled > maxBytes) return {FileProblem::kTooLarge, {}, {}};
    result.data.truncate(filled);
    return result;
}

QString DescribeFileProblem(const FileBytes& file, qint64 maxBytes) {
    switch (file.problem) {
        case FileProblem::kNone:
            return QString();
        case FileProblem::kMissing:
            return QStringLiteral("there is no such file.");
        case FileProblem::kNotAFile:
            return QStringLiteral("it is not a regular file.");
        case FileProblem::kUnreadable:
            return file.reason.isEmpty()
                       ? QStringLiteral("it cannot be read.")
                       : QStringLiteral("it cannot be read (%1).").arg(file.reason);
        case FileProblem::kTooLarge:
            return QStringLiteral("it is larger than %1.").arg(SizeText(maxBytes));
    }
    return QString();
}

}  // namespace calorix
