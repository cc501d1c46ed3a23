#pragma once

#include <QString>

class QCommandLineParser;

// Where this build talks to: compiled defaults, then the environment, then the
// command line. An empty URL means "not configured": nothing is sent there.
struct Deployment {
    QString authUrl;
    QString backendUrl;
    QString authClaim;
    QString analyticsUrl;
    QString analyticsToken;

    static Deployment& current();

    static void addOptions(QCommandLineParser& parser);
    // Environment variables first, then the options the parser has seen.
    void apply(const QCommandLineParser& parser);
};
