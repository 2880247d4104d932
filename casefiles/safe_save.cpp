#include "casefiles/safe_save.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <string>

namespace lirvo::casefiles {
namespace {

QByteArray systemName(const QString& path) {
    return QFile::encodeName(path);
}

// ".NAME." and ".tmp" around the number of the saving process.
QString temporaryName(const QString& name, qint64 pid) {
    return "." + name + "." + QString::number(pid) + ".tmp";
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* at = bytes.constData();
    for (qsizetype left = bytes.size(); left > 0;) {
        const ssize_t n = ::write(fd, at, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
        left -= n;
    }
    return ::fsync(fd) == 0;  // on disk before it takes the old file's place
}

// The unnamed file written whole, then linked under `temporary`; false with nothing left.
bool writeUnnamed(const QString& folder, const QString& temporary, const QByteArray& bytes,
                  const struct stat* old) {
#ifdef O_TMPFILE
    const int fd = ::open(systemName(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    const bool linked = (!old || ::fchmod(fd, old->st_mode & 07777) == 0) && writeAll(fd, bytes) &&
                        ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD,
                                 systemName(temporary).constData(), AT_SYMLINK_FOLLOW) == 0;
    ::close(fd);
    return linked;
#else
    return false;
#endif
}

// A named file written whole; false with nothing left.
bool writeNamed(const QString& temporary, const QByteArray& bytes, const struct stat* old) {
    const QByteArray name = systemName(temporary);
    const int fd = ::open(name.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const bool written = (!old || ::fchmod(fd, old->st_mode & 07777) == 0) && writeAll(fd, bytes);
    if (::close(fd) == 0 && written) return true;
    ::unlink(name.constData());
    return false;
}

}  // namespace

void removeStaleTemporaries(const QString& path) {
    const QFileInfo given(path);
    const QFileInfo target(given.exists() ? given.canonicalFilePath() : path);  // as saved
    const QString prefix = "." + target.fileName() + ".", suffix = ".tmp";
    QDir folder = target.absoluteDir();
    // Compared by hand: a file's name may hold the wildcards of a name filter.
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!name.startsWith(prefix) || !name.endsWith(suffix)) continue;
        bool isNumber = false;
        const qint64 pid = name.mid(prefix.size(), name.size() - prefix.size() - suffix.size())
                               .toLongLong(&isNumber);
        // A process that is gone left it; one that lives (perhaps another with the same
        // number) may be saving now.
        if (isNumber && pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            folder.remove(name);
    }
}

bool saveReplacing(const QString& path, const QByteArray& bytes) {
    const QFileInfo link(path);
    const QString target = link.exists()      ? link.canonicalFilePath()
                           : link.isSymLink() ? link.symLinkTarget()  // to a file not made yet
                                              : path;
    struct stat old;
    const bool exists = ::stat(systemName(target).constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return false;
    removeStaleTemporaries(target);
    const QFileInfo info(target);
    const QString temporary =
        info.absoluteDir().filePath(temporaryName(info.fileName(), ::getpid()));
    ::unlink(systemName(temporary).constData());  // of a killed process that had our number
    const struct stat* keep = exists ? &old : nullptr;
    if (!writeUnnamed(info.absolutePath(), temporary, bytes, keep) &&
        !writeNamed(temporary, bytes, keep))
        return false;
    if (::rename(systemName(temporary).constData(), systemName(target).constData()) == 0)
        return true;
    ::unlink(systemName(temporary).constData());
    return false;
}

}  // namespace lirvo::casefiles
