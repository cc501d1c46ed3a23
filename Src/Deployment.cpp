#include "Deployment.h"

#include <QCommandLineParser>

namespace {

struct Setting {
    const char* option;
    const char* environment;
    const char* description;
    QString Deployment::*field;
};

const Setting settings[] = {
    { "auth-url", "TRELLION_AUTH_URL", "Authentication service base URL.", &Deployment::authUrl },
    { "backend-url", "TRELLION_BACKEND_URL", "Backend service base URL.", &Deployment::backendUrl },
    { "auth-claim", "TRELLION_AUTH_CLAIM", "Key of the access token's authorization claim.",
        &Deployment::authClaim },
    { "analytics-url", "TRELLION_ANALYTICS_URL", "Analytics track URL, ending in /track/?data=.",
        &Deployment::analyticsUrl },
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
    }
}
