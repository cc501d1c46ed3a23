#include "SimulatorOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

namespace sim {

namespace {

constexpr int defaultPodCount = 4;
constexpr int maximumPodCount = 2000;

std::optional<QJsonDocument> readJson(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QString("cannot read %1").arg(path);
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QString("%1: %2").arg(path, parseError.errorString());
        return std::nullopt;
    }
    return document;
}

bool readNumber(const QJsonValue& value, int minimum, int maximum, int* result)
{
    const double number = value.toDouble(minimum - 1.0);
    if (number < minimum || number > maximum || number != static_cast<int>(number))
        return false;
    *result = static_cast<int>(number);
    return true;
}

bool readPods(SimulatorOptions& options, const QJsonValue& value, QString* error)
{
    int count = 0;
    if (readNumber(value, 1, maximumPodCount, &count)) {
        options.setPodCount(count);
        return true;
    }
    const QJsonArray identities = value.toArray();
    if (identities.isEmpty()) {
        *error = QString("\"pods\" must be a count from 1 to %1 or a list of pods").arg(maximumPodCount);
        return false;
    }
    options.pods.clear();
    for (const QJsonValue& identity : identities) {
        const auto pod = PodIdentity::defaultFor(options.pods.size()).changedBy(identity.toObject(), error);
        if (!pod)
            return false;
        options.pods.append(*pod);
    }
    return true;
}

bool readAccounts(SimulatorOptions& options, const QJsonArray& list, QString* error)
{
    options.accounts.clear();
    for (const QJsonValue& value : list) {
        const auto account = Account::fromJson(value.toObject(), error);
        if (!account)
            return false;
        options.accounts.append(*account);
    }
    return true;
}

bool readFault(SimulatorOptions& options, const QJsonObject& json, QString* error)
{
    const auto fault = Fault::fromJson(json, error);
    if (fault)
        options.faults.append(*fault);
    return fault.has_value();
}

bool readLibrary(
    SimulatorOptions& options, const QJsonValue& value, const QString& configPath, QString* error)
{
    if (value.isArray()) {
        options.library = value.toArray();
        return true;
    }
    const auto document = readJson(QFileInfo(configPath).dir().filePath(value.toString()), error);
    if (!document)
        return false;
    options.library = document->array();
    return true;
}

// "N:S:D": pod N, silent S seconds after start, for D seconds.
bool readPowerCycle(SimulatorOptions& options, const QString& text, QString* error)
{
    static const QRegularExpression form(R"(^(\d+):(\d+):(\d+)$)");
    const QRegularExpressionMatch match = form.match(text);
    const int pod = match.captured(1).toInt();
    if (!match.hasMatch() || pod >= options.pods.size()) {
        *error = QString("--power-cycle must be POD:AFTER_S:SILENT_S with POD below %1")
                     .arg(options.pods.size());
        return false;
    }
    options.powerCycles.append({ pod, match.captured(3).toInt() * 1000, match.captured(2).toInt() * 1000 });
    return true;
}

} // namespace

SimulatorOptions::SimulatorOptions()
{
    setPodCount(defaultPodCount);
}

std::optional<SimulatorOptions> SimulatorOptions::fromCommandLine(
    const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Plays the cloud service, the pods and the analytics endpoint on 127.0.0.1.\n"
        "Prints one JSON line with every URL and pod address, then runs until "
        "SIGINT or SIGTERM.");
    parser.addHelpOption();
    parser.addOptions({
        { "pods", "Number of pods.", "N" },
        { "latency-ms", "Delay every simulated answer by L milliseconds.", "L" },
        { "jitter-ms", "Delay every simulated answer by up to J more milliseconds, at random.", "J" },
        { "config", "JSON configuration file.", "FILE" },
        { "data-dir", "Keep rooms and messages in DIR across runs.", "DIR" },
        { "auth-claim", "Key of the token's authorization claim.", "KEY" },
        { "token-ttl", "Access tokens expire SECONDS after sign-in (default: a day).", "SECONDS" },
        { "cloud-port", "Port of the cloud server (default: a free one).", "PORT" },
        { "pod-base-port", "Port of the first pod; the others follow (default: free ones).", "PORT" },
        { "fault", "Inject a fault, given as JSON. Repeatable.", "JSON" },
        { "power-cycle",
            "Pod N falls silent S seconds after start for D seconds, then comes back "
            "as after a reboot. Repeatable.",
            "N:S:D" },
        { "list-accounts", "Print the accounts with their passwords and exit." },
        { "exit-with-parent", "Stop when the process that started the simulator ends." },
    });
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet("help"))
        parser.showHelp();

    SimulatorOptions options;
    if (parser.isSet("config") && !options.applyConfig(parser.value("config"), error))
        return std::nullopt;

    const auto numberOption = [&](const QString& name, int minimum, int maximum, int* result) {
        bool isNumber = false;
        const double value = parser.value(name).toDouble(&isNumber);
        if (!parser.isSet(name) || (isNumber && readNumber(value, minimum, maximum, result)))
            return true;
        *error = QString("--%1 must be a number from %2 to %3").arg(name).arg(minimum).arg(maximum);
        return false;
    };
    int podCount = options.pods.size();
    if (!numberOption("pods", 1, maximumPodCount, &podCount)
        || !numberOption("latency-ms", 0, 600000, &options.latencyMs)
        || !numberOption("jitter-ms", 0, 600000, &options.jitterMs)
        || !numberOption("cloud-port", 1, 65535, &options.cloudPort)
        || !numberOption("pod-base-port", 1, 65535, &options.podBasePort)
        || !numberOption(
            "token-ttl", 1, AccessTokens::defaultLifetimeSeconds * 365, &options.tokenTtlSeconds))
        return std::nullopt;
    options.setPodCount(podCount);

    for (const QString& fault : parser.values("fault")) {
        if (!readFault(options, QJsonDocument::fromJson(fault.toUtf8()).object(), error))
            return std::nullopt;
    }
    for (const QString& cycle : parser.values("power-cycle")) {
        if (!readPowerCycle(options, cycle, error))
            return std::nullopt;
    }
    if (parser.isSet("auth-claim"))
        options.authClaim = parser.value("auth-claim");
    if (parser.isSet("data-dir"))
        options.dataDirectory = parser.value("data-dir");
    options.listAccounts = parser.isSet("list-accounts");
    options.exitWithParent = parser.isSet("exit-with-parent");
    return options;
}

bool SimulatorOptions::applyConfig(const QString& path, QString* error)
{
    const auto document = readJson(path, error);
    if (!document)
        return false;
    const QJsonObject config = document->object();
    const auto number = [&](const QString& key, int maximum, int* result) {
        if (!config.contains(key) || readNumber(config.value(key), 0, maximum, result))
            return true;
        *error = QString("\"%1\" must be a number from 0 to %2").arg(key).arg(maximum);
        return false;
    };
    if (!number("latencyMs", 600000, &latencyMs) || !number("jitterMs", 600000, &jitterMs)
        || !number("cloudPort", 65535, &cloudPort) || !number("podBasePort", 65535, &podBasePort))
        return false;
    if (config.contains("pods") && !readPods(*this, config.value("pods"), error))
        return false;
    if (config.contains("accounts") && !readAccounts(*this, config.value("accounts").toArray(), error))
        return false;
    if (config.contains("library") && !readLibrary(*this, config.value("library"), path, error))
        return false;
    for (const QJsonValue& fault : config.value("faults").toArray()) {
        if (!readFault(*this, fault.toObject(), error))
            return false;
    }
    authClaim = config.value("authClaim").toString(authClaim);
    return true;
}

void SimulatorOptions::setPodCount(int count)
{
    while (pods.size() > count)
        pods.removeLast();
    while (pods.size() < count)
        pods.append(PodIdentity::defaultFor(pods.size()));
}

} // namespace sim
