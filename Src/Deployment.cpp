#include "Deployment.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QSettings>
#include <QUrl>

namespace {

struct Setting {
    const char* key; // in the administrator's file
    const char* option;
    const char* environment;
    const char* description;
    QString Deployment::*field;
    bool isAddress;
    bool isNeededToSignIn;
};

const Setting settings[] = {
    { "authUrl", "auth-url", "TRELLION_AUTH_URL", "Authentication service base URL.", &Deployment::authUrl,
        true, true },
    { "backendUrl", "backend-url", "TRELLION_BACKEND_URL", "Backend service base URL.",
        &Deployment::backendUrl, true, true },
    { "authClaim", "auth-claim", "TRELLION_AUTH_CLAIM", "Key of the access token's authorization claim.",
        &Deployment::authClaim, false, false },
    { "analyticsUrl", "analytics-url", "TRELLION_ANALYTICS_URL",
        "Analytics track URL, ending in /track/?data=.", &Deployment::analyticsUrl, true, false },
    { "language", "lang", "TRELLION_LANG",
        "Language of the interface, such as de or es; en for English. "
        "The system's language when unset.",
        &Deployment::language, false, false },
};

constexpr char fileGroup[] = "Deployment";
constexpr char fileName[] = "Norvane/Trellion.conf";

// INI reads a value with a comma as a list; an address may hold one.
QString textOf(const QVariant& value)
{
    return value.type() == QVariant::StringList ? value.toStringList().join(',') : value.toString();
}

} // namespace

Deployment& Deployment::current()
{
    static Deployment deployment { TRELLION_DEFAULT_AUTH_URL, TRELLION_DEFAULT_BACKEND_URL,
        TRELLION_DEFAULT_AUTH_CLAIM, TRELLION_DEFAULT_ANALYTICS_URL, TRELLION_DEFAULT_ANALYTICS_TOKEN };
    return deployment;
}

void Deployment::addOptions(QCommandLineParser& parser)
{
    for (const Setting& setting : settings)
        parser.addOption({ setting.option,
            QString("%1 Overrides %2.").arg(setting.description, setting.environment), "value" });
}

QString Deployment::administratorFile()
{
    QString folders = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (folders.isEmpty())
        folders = "/etc/xdg";
    for (const QString& folder : folders.split(':', Qt::SkipEmptyParts)) {
        // A relative entry would make the file depend on where the app was started.
        const QString path = QDir(folder).filePath(fileName);
        if (QDir::isAbsolutePath(folder) && QFileInfo(path).isFile())
            return path;
    }
    return {};
}

void Deployment::apply(const QCommandLineParser& parser, const QString& file)
{
    QSettings administrator(file, QSettings::IniFormat);
    administrator.beginGroup(fileGroup);
    if (!file.isEmpty() && administrator.status() != QSettings::NoError)
        refusals.insert(file,
            QString("Deployment file [%1] not read: %2")
                .arg(file,
                    administrator.status() == QSettings::AccessError ? "it cannot be opened"
                                                                     : "it is not in INI form"));

    for (const Setting& setting : settings) {
        QString& value = this->*setting.field;
        QString source = value.isEmpty() ? QString() : "the build";
        if (!file.isEmpty() && administrator.contains(setting.key)) {
            value = textOf(administrator.value(setting.key));
            source = file;
        }
        if (qEnvironmentVariableIsSet(setting.environment)) {
            value = qEnvironmentVariable(setting.environment);
            source = QString("the environment (%1)").arg(setting.environment);
        }
        if (parser.isSet(setting.option)) {
            value = parser.value(setting.option);
            source = QString("the command line (--%1)").arg(setting.option);
        }
        // The value itself may hold a password: an address is named by its host alone.
        const QString shown = setting.isAddress ? QUrl(value).host() : value;
        if (value.isEmpty())
            origins << QString("Deployment: %1 not set").arg(setting.key);
        else
            origins << QString("Deployment: %1 [%2] from %3").arg(setting.key, shown, source);

        const QString why = setting.isAddress ? insecurity(value) : QString();
        if (why.isEmpty())
            continue;
        refusals.insert(setting.environment,
            QString("%1 (--%2) refused: %3 [%4]").arg(setting.environment, setting.option, why, shown));
        value.clear();
    }
}

QString Deployment::insecurity(const QString& url)
{
    if (url.isEmpty())
        return {};
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty())
        return "not a valid address";
    if (!parsed.userInfo().isEmpty())
        return "an address must not hold a user name or password";
    const QString scheme = parsed.scheme().toLower();
    if (scheme == "https")
        return {};
    if (scheme != "http")
        return "only https is accepted";
    const QString host = parsed.host().toLower();
    if (host == "localhost" || QHostAddress(host).isLoopback())
        return {};
    return "plain http is accepted only to this machine";
}

bool Deployment::isCloudSecure() const
{
    return !refusals.contains("TRELLION_AUTH_URL") && !refusals.contains("TRELLION_BACKEND_URL");
}

QStringList Deployment::missing() const
{
    QStringList lines;
    for (const Setting& setting : settings) {
        if (setting.isNeededToSignIn && (this->*setting.field).isEmpty()
            && !refusals.contains(setting.environment))
            lines << QString(
                "%1 is not set: give it as %1 in the [%2] group of /etc/xdg/%3, as %4 or as --%5")
                         .arg(setting.key, fileGroup, fileName, setting.environment, setting.option);
    }
    return lines;
}
