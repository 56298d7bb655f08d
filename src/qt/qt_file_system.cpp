// Reading and saving files with QFile and QSaveFile.
#include "qt_file_system.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vz {

namespace {

QString qPath(const std::string& path) {
    return QString::fromStdString(path);
}

bool writeAll(QIODevice& device, const std::string& data) {
    return device.write(data.data(), static_cast<qint64>(data.size())) ==
           static_cast<qint64>(data.size());
}

} // namespace

bool QtFileSystem::isFile(const std::string& path) const {
    return QFileInfo(qPath(path)).isFile();
}

std::optional<FileStamp> QtFileSystem::stamp(const std::string& path) const {
    const QFileInfo info(qPath(path));
    if (!info.isFile())
        return std::nullopt;
    return FileStamp{info.lastModified().toMSecsSinceEpoch(), info.size()};
}

std::optional<std::string> QtFileSystem::readFile(const std::string& path) const {
    QFile file(qPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.toStdString();
}

// QSaveFile gives the new file the old one's permissions; an owner-only file
// is narrowed before any byte is written.
bool QtFileSystem::writeFileAtomic(const std::string& path, const std::string& data,
                                   FileAccess access) {
    QSaveFile file(qPath(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (access == FileAccess::OwnerOnly &&
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        return false;
    }
    if (!writeAll(file, data)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace {

// A file descriptor opened for appending; every append is one write to the
// file, so nothing waits in a buffer. Before each append the name is looked
// up again: when it now leads elsewhere, or nowhere, the file of that name is
// opened (created) instead.
class PosixAppendingFile final : public AppendingFile {
public:
    explicit PosixAppendingFile(std::string path) : path_(std::move(path)) {}
    ~PosixAppendingFile() override { closeFile(); }

    bool append(const std::string& data) override {
        if (!stillNamed()) {
            closeFile();
            openFile();
        }
        return fd_ >= 0 && writeAll(data);
    }

private:
    bool stillNamed() const {
        struct stat named {};
        return fd_ >= 0 && ::stat(path_.c_str(), &named) == 0 && named.st_dev == device_ &&
               named.st_ino == inode_;
    }

    void openFile() {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
        struct stat opened {};
        if (fd_ >= 0 && ::fstat(fd_, &opened) == 0) {
            device_ = opened.st_dev;
            inode_ = opened.st_ino;
        }
    }

    void closeFile() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

    bool writeAll(const std::string& data) const {
        for (std::size_t done = 0; done < data.size();) {
            const ssize_t written = ::write(fd_, data.data() + done, data.size() - done);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            done += static_cast<std::size_t>(written);
        }
        return true;
    }

    std::string path_;
    int fd_ = -1;
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

} // namespace

std::unique_ptr<AppendingFile> QtFileSystem::openAppending(const std::string& path) {
    return std::make_unique<PosixAppendingFile>(path);
}

std::vector<std::string> QtFileSystem::listFiles(const std::string& folder,
                                                 const std::string& pattern) const {
    const QDir dir(folder.empty() ? QStringLiteral(".") : qPath(folder));
    const QStringList names = dir.entryList({qPath(pattern)}, QDir::Files, QDir::NoSort);
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names)
        result.push_back(name.toStdString());
    // Byte order of the UTF-8 names: QDir sorts by UTF-16 units, which puts
    // characters beyond U+FFFF before U+E000 to U+FFFF.
    std::sort(result.begin(), result.end());
    return result;
}

} // namespace vz
