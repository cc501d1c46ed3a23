#pragma once

#include "MdmInterface.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QTimer>
#include <optional>

// Managed preferences from a read-only file the administrator installs (format in
// docs/managed-preferences.md). Each listed switch is enforced to its value, and the
// station's room is taken as given; the file is read again shortly after it or its
// directory changes.
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
    struct Answers {
        QHash<QString, bool> enforced; // switch key -> required value
        QString defaultClassroom;
    };
    // Nothing when the text is not understood.
    std::optional<Answers> parse(const QByteArray& text) const;
    void apply(const Answers& answers);

    const QString path;
    QFileSystemWatcher watcher;
    QTimer settle;
};
