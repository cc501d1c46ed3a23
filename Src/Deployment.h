#pragma once

#include <QMap>
#include <QString>

class QCommandLineParser;

// Where this build talks to, and in which language: compiled defaults, then the environment,
// then the command line. An empty URL means "not configured": nothing is sent there.
struct Deployment {
    QString authUrl;
    QString backendUrl;
    QString authClaim;
    QString analyticsUrl;
    QString analyticsToken;
    // The interface's language ("de", "en"); empty for the system's.
    QString language;

    // Addresses refused as insecure, each left unset: the setting's line naming it and why,
    // by its environment variable.
    QMap<QString, QString> refusals;

    static Deployment& current();

    static void addOptions(QCommandLineParser& parser);
    // Environment variables first, then the options the parser has seen; then refuses
    // every address that would carry credentials in clear text.
    void apply(const QCommandLineParser& parser);

    // Why this address may not carry credentials, or an empty text when it may:
    // https anywhere, plain http to this machine only, never user information.
    static QString insecurity(const QString& url);
    // Whether the sign-in and the cloud calls have addresses that are not refused.
    bool isCloudSecure() const;
};
