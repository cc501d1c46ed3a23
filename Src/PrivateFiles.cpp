#include "PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t folderMode = 0700;
constexpr mode_t fileMode = 0600;

// Called right after the failed call, while errno still tells why.
QString failure(const QString& what)
{
    return QString("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

namespace PrivateFiles {

// The mode given to mkdir and open passes through the umask; chmod's does not.
QString makeFolder(const QString& path)
{
    const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    // Only the levels made here are restricted besides the folder itself: an existing
    // parent such as ~/.local/share belongs to others too.
    QStringList missing;
    for (QString level = folder; !QFileInfo::exists(level); level = QFileInfo(level).absolutePath())
        missing.prepend(level);
    for (const QString& level : qAsConst(missing)) {
        const QByteArray name = QFile::encodeName(level);
        if ((::mkdir(name.constData(), folderMode) != 0 && errno != EEXIST)
            || ::chmod(name.constData(), folderMode) != 0)
            return failure("cannot create " + level);
    }
    if (!QFileInfo(folder).isDir())
        return folder + " is not a folder";
    if (::chmod(QFile::encodeName(folder).constData(), folderMode) != 0)
        return failure("cannot restrict " + folder);
    return {};
}

QString prepareFile(const QString& path)
{
    if (const QString problem = makeFolder(QFileInfo(path).absolutePath()); !problem.isEmpty())
        return problem;
    const int descriptor
        = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, fileMode);
    if (descriptor < 0)
        return failure("cannot create " + path);
    const QString problem = restrict(descriptor);
    ::close(descriptor);
    return problem.isEmpty() ? problem : path + ": " + problem;
}

QString restrict(int descriptor)
{
    return ::fchmod(descriptor, fileMode) == 0 ? QString() : failure("cannot restrict");
}

} // namespace PrivateFiles
