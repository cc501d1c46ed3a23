#include "LinuxMdmInterface.h"

#include "Logger.h"
#include "PropertyHelpers.h"
#include "Settings.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>

namespace {

// Three short lines need far less; anything bigger is not ours.
constexpr qint64 maxFileSize = 64 * 1024;
// An edit arrives as a burst of events (truncate, write, rename); reading once it
// has settled spares the switches a flicker through a half-written file.
constexpr int settleMs = 100;

} // namespace

struct LinuxMdmInterface::Switch {
    const char* key;
    bool MdmInterface::*enforced;
    bool MdmInterface::*required;
    void (MdmInterface::*changed)();
};

// The file names its switches by their settings keys.
const LinuxMdmInterface::Switch LinuxMdmInterface::switches[] = {
    { SettingsKey::requirePasswordLogout, &LinuxMdmInterface::enforcedPasswordForLogout,
        &LinuxMdmInterface::requiresPasswordForLogout, &MdmInterface::PasswordForLogoutChanged },
    { SettingsKey::frameForwarding, &LinuxMdmInterface::enforcedFrameForwarding,
        &LinuxMdmInterface::requiresFrameForwarding, &MdmInterface::FrameForwardingChanged },
    { SettingsKey::fullscreenPrimaryPosts, &LinuxMdmInterface::enforcedFullscreenOnPrimary,
        &LinuxMdmInterface::requiresFullscreenOnPrimary, &MdmInterface::FullscreenOnPrimaryChanged },
};

QString LinuxMdmInterface::configuredPath()
{
    return qEnvironmentVariable("TRELLION_MANAGED_PREFS", "/etc/xdg/Norvane/Trellion-managed.conf");
}

LinuxMdmInterface::LinuxMdmInterface(const QString& path, QObject* parent)
    : MdmInterface(parent)
    , path(QFileInfo(path).absoluteFilePath())
{
    settle.setSingleShot(true);
    settle.setInterval(settleMs);
    connect(&settle, &QTimer::timeout, this, &LinuxMdmInterface::reload);
    connect(&watcher, &QFileSystemWatcher::fileChanged, &settle, qOverload<>(&QTimer::start));
    connect(&watcher, &QFileSystemWatcher::directoryChanged, &settle, qOverload<>(&QTimer::start));
    reload();
}

void LinuxMdmInterface::reload()
{
    watch();
    if (!QFileInfo::exists(path)) {
        apply({});
        return;
    }
    if (const auto text = read()) {
        if (const auto enforced = parse(*text))
            apply(*enforced);
    }
}

// Opened without blocking and read only as a regular file: a FIFO or a device at the
// path must not hold the start. The check is on the opened file, so a swap in between
// cannot slip past it.
std::optional<QByteArray> LinuxMdmInterface::read() const
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        LOG_WARNING("Managed preferences [{}] unreadable ({}); keeping the current answers", path,
            QString::fromLocal8Bit(std::strerror(errno)));
        return std::nullopt;
    }
    QFile file;
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat status;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        LOG_WARNING("Managed preferences [{}] not a regular file; keeping the current answers", path);
        return std::nullopt;
    }
    const QByteArray text = file.read(maxFileSize + 1);
    if (text.size() > maxFileSize) {
        LOG_WARNING(
            "Managed preferences [{}] larger than {} bytes; keeping the current answers", path, maxFileSize);
        return std::nullopt;
    }
    return text;
}

// A replaced or removed file drops out of the watch list, and a missing directory
// may appear later: watch what exists now, the directory's parent standing in for it.
void LinuxMdmInterface::watch()
{
    const QString directory = QFileInfo(path).absolutePath();
    const QStringList wanted { path,
        QFileInfo::exists(directory) ? directory : QFileInfo(directory).absolutePath() };
    const QStringList watched = watcher.files() + watcher.directories();
    for (const QString& candidate : wanted) {
        if (QFileInfo::exists(candidate) && !watched.contains(candidate))
            watcher.addPath(candidate);
    }
}

std::optional<LinuxMdmInterface::Answers> LinuxMdmInterface::parse(const QByteArray& text) const
{
    const auto isSwitch = [](const QString& key) {
        return std::any_of(
            std::begin(switches), std::end(switches), [&](const Switch& s) { return key == s.key; });
    };
    Answers answers;
    bool hasDefaultClassroom = false;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#') || line.startsWith(';'))
            continue;
        const int equals = line.indexOf('=');
        const QString key = QString::fromUtf8(line.left(equals).trimmed());
        // A room's name keeps its letter case.
        if (equals >= 0 && key == SettingsKey::defaultClassroom
            && !std::exchange(hasDefaultClassroom, true)) {
            answers.defaultClassroom = QString::fromUtf8(line.mid(equals + 1).trimmed());
            continue;
        }
        const QByteArray value = line.mid(equals + 1).trimmed().toLower();
        if (equals < 0 || !isSwitch(key) || answers.enforced.contains(key)
            || (value != "true" && value != "false")) {
            LOG_WARNING(
                "Managed preferences [{}] line {} not understood; keeping the current answers", path, i + 1);
            return std::nullopt;
        }
        answers.enforced.insert(key, value == "true");
    }
    return answers;
}

void LinuxMdmInterface::apply(const Answers& answers)
{
    if (assignIfChanged(defaultClassroom, answers.defaultClassroom))
        LOG_INFO("Managed preferences: {}=[{}]", SettingsKey::defaultClassroom, defaultClassroom);
    const QHash<QString, bool>& enforced = answers.enforced;
    // Every flag is set before any signal, so a handler sees the whole new state.
    QList<void (MdmInterface::*)()> changed;
    for (const Switch& s : switches) {
        const bool isEnforced = enforced.contains(s.key);
        const bool required = enforced.value(s.key, false);
        // `|`, not `||`: both flags must be assigned.
        if (!(assignIfChanged(this->*s.enforced, isEnforced) | assignIfChanged(this->*s.required, required)))
            continue;
        LOG_INFO("Managed preferences: {} enforced=[{}] required=[{}]", s.key, isEnforced, required);
        changed << s.changed;
    }
    for (const auto signal : changed)
        emit(this->*signal)();
}
