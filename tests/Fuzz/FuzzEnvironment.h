#pragma once

#include <QByteArray>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <string>

// Each fuzzer process gets its own home in /tmp: the app's data file, settings and
// managed preferences land there, never in the user's, and go away at a normal exit.
inline QByteArray makePrivateHome()
{
    static std::string home;
    char pattern[] = "/tmp/trellion-fuzz-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        std::abort();
    }
    home = pattern;
    const QByteArray root = QByteArray::fromStdString(home);
    setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
    setenv("XDG_CACHE_HOME", (root + "/cache").constData(), 1);
    setenv("TRELLION_MANAGED_PREFS", (root + "/managed.conf").constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::atexit([] { QDir(QString::fromStdString(home)).removeRecursively(); });
    return root;
}

// Qt takes the options it knows out of argv; libFuzzer's own argv must stay whole.
inline char** qtArguments(char* program)
{
    static char* arguments[] = { program, nullptr };
    return arguments;
}
