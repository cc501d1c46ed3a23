#include "Deployment.h"

#include <QCommandLineParser>
#include <QHostAddress>
#include <QUrl>

namespace {

struct Setting {
    const char* option;
    const char* environment;
    const char* description;
    QString Deployment::*field;
    bool isAddress;
};

const Setting settings[] = {
    { "auth-url", "TRELLION_AUTH_URL", "Authentication service base URL.", &Deployment::authUrl, true },
    { "backend-url", "TRELLION_BACKEND_URL", "Backend service base URL.", &Deployment::backendUrl, true },
    { "auth-claim", "TRELLION_AUTH_CLAIM", "Key of the access token's authorization claim.",
        &Deployment::authClaim, false },
    { "analytics-url", "TRELLION_ANALYTICS_URL", "Analytics track URL, ending in /track/?data=.",
        &Deployment::analyticsUrl, true },
    { "lang", "TRELLION_LANG",
        "Language of the interface, such as de or es; en for English. "
        "The system's language when unset.",
        &Deployment::language, false },
};

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

void Deployment::apply(const QCommandLineParser& parser)
{
    for (const Setting& setting : settings) {
        if (qEnvironmentVariableIsSet(setting.environment))
            this->*setting.field = qEnvironmentVariable(setting.environment);
        if (parser.isSet(setting.option))
            this->*setting.field = parser.value(setting.option);
        QString& value = this->*setting.field;
        const QString why = setting.isAddress ? insecurity(value) : QString();
        if (why.isEmpty())
            continue;
        // The value itself may hold a password: only its host is named.
        refusals.insert(setting.environment,
            QString("%1 (--%2) refused: %3 [%4]")
                .arg(setting.environment, setting.option, why, QUrl(value).host()));
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
