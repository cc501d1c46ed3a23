#pragma once

#include "MdmInterface.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QTimer>
#include <optional>

// Managed preferences from a read-only file the administrator installs (format in
// docs/managed-preferences.md). Each listed switch is enforced to its value; the
// file is read again shortly after it or its directory changes.
class LinuxMdmInterface : public MdmInterface {
    Q_OBJECT
public:
    // TRELLION_MANAGED_PREFS when set, else the system-wide file.
    static QString configuredPath();

    LinuxMdmInterface(const QString& path, QObject* parent);

private:
    struct Switch;
    static const Switch switches[];

    void reload();
    void watch();
    // The file's text; nothing when it cannot be read or is not a regular file.
    std::optional<QByteArray> read() const;
    // Switch key -> required value; nothing when the text is not understood.
    std::optional<QHash<QString, bool>> parse(const QByteArray& text) const;
    void apply(const QHash<QString, bool>& enforced);

    const QString path;
    QFileSystemWatcher watcher;
    QTimer settle;
};
