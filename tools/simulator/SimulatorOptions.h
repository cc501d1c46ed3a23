#pragma once

#include "AccessTokens.h"
#include "Account.h"
#include "Fault.h"
#include "PodIdentity.h"

#include <QJsonArray>

namespace sim {

// How one simulator run is set up: defaults, then the configuration file, then the command line.
//
// Configuration file (JSON, every key optional):
//   {"pods": 4 or [pod identity, ...], "latencyMs": 0, "jitterMs": 0, "cloudPort": 0, "podBasePort": 0,
//    "authClaim": "https://.../authorization", "accounts": [account, ...],
//    "library": [room, ...] or "rooms.json" (relative to the file), "faults": [fault, ...]}
// Rooms name the simulator's pods as "{pod:N}".
struct SimulatorOptions {
    // A pod that falls silent `afterMs` after start for `silentMs`, and comes back as after a reboot.
    struct PowerCycle {
        int pod = 0;
        int silentMs = 0;
        int afterMs = 0;
    };

    static inline const QString defaultAuthClaim
        = QStringLiteral("https://trellion.norvane.example/authorization");

    QList<PodIdentity> pods;
    int latencyMs = 0;
    int jitterMs = 0;
    int cloudPort = 0;
    int podBasePort = 0;
    QString authClaim = defaultAuthClaim;
    int tokenTtlSeconds = AccessTokens::defaultLifetimeSeconds;
    QString dataDirectory;
    QList<Account> accounts = Account::defaults();
    QJsonArray library;
    QList<Fault> faults;
    QList<PowerCycle> powerCycles;
    bool listAccounts = false;
    bool exitWithParent = false;

    SimulatorOptions();

    // Exits the process for --help.
    static std::optional<SimulatorOptions> fromCommandLine(const QStringList& arguments, QString* error);
    bool applyConfig(const QString& path, QString* error);
    void setPodCount(int count);
};

} // namespace sim
