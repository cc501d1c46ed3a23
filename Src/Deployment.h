#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// Where this build talks to, and in which language: compiled defaults, then the administrator's
// file, then the environment, then the command line. An empty URL means "not configured": nothing
// is sent there.
struct Deployment {
    QString authUrl;
    QString backendUrl;
    QString authClaim;
    QString analyticsUrl;
    QString analyticsToken;
    // The interface's language ("de", "en"); empty for the system's.
    QString language;

    // Addresses refused as insecure, each left unset, and an administrator's file that could not
    // be read: the line naming it and why, by its environment variable or the file's path.
    QMap<QString, QString> refusals;
    // One line per value saying where it came from; an address shows only its host.
    QStringList origins;

    static Deployment& current();

    static void addOptions(QCommandLineParser& parser);
    // The administrator's file: Norvane/Trellion.conf in the first folder of XDG_CONFIG_DIRS
    // (/etc/xdg when unset) that holds one; empty when none does.
    static QString administratorFile();
    // The file's [Deployment] group, then environment variables, then the options the parser has
    // seen; then refuses every address that would carry credentials in clear text.
    void apply(const QCommandLineParser& parser, const QString& file = administratorFile());

    // Why this address may not carry credentials, or an empty text when it may:
    // https anywhere, plain http to this machine only, never user information.
    static QString insecurity(const QString& url);
    // Whether the sign-in and the cloud calls have addresses that are not refused.
    bool isCloudSecure() const;
    // The cloud addresses the sign-in needs and lacks, each named with the ways to give it; a
    // refused one counts as given.
    QStringList missing() const;
};
