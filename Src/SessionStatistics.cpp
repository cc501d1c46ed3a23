#include "SessionStatistics.h"

#include "ClassroomLayoutModel.h"
#include "Globals.h"
#include "Logger.h"
#include "MixpanelManager.h"
#include "PrivateFiles.h"
#include "RoutableBlock.h"
#include "Settings/Settings.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>

namespace {

// Far more than the events of any real session; a bigger file is damaged, and
// reading it whole could exhaust memory.
constexpr qint64 maxReadBytes = 8 * 1024 * 1024;

// Uploads need the process-wide uploader with an endpoint; unit tests have neither.
MixpanelManager* uploader()
{
    MixpanelManager* mixpanel = Globals::getInstance().mixpanelManager();
    return mixpanel && mixpanel->isConfigured() ? mixpanel : nullptr;
}

// The user switches events mention; the defaults stand in where there are no settings.
struct UserSwitches {
    bool passwordLogout = false;
    bool fullscreenPrimaryPosts = true;
};

UserSwitches userSwitches()
{
    const Settings* settings = Globals::getInstance().settings();
    if (!settings)
        return {};
    return { settings->doesRequirePasswordLogout(), settings->shouldFullscreenPrimaryPosts() };
}

QString blockLabel(const RoutableBlock* block)
{
    return block->isPrimaryBlock() ? QStringLiteral("Primary")
                                   : QString("TeamBlock[%1]").arg(block->blockIndex());
}

QJsonObject classroomKeys(const ClassroomLayoutModel* model)
{
    return { { "classroom name", SessionStatistics::anonymised(model->classroomName()) },
        { "number of pods", model->teamBlocks().size() + (model->hasPrimaryDisplay() ? 1 : 0) },
        { "audio enabled pods", model->countAudioSources() } };
}

QJsonObject routeKeys(const RoutableBlock* source, const RoutableBlock* sink)
{
    return { { "source", blockLabel(source) }, { "sink", blockLabel(sink) } };
}

} // namespace

SessionStatistics::SessionStatistics(QObject* parent)
    : QObject(parent)
{
    reportTimer.setInterval(reportIntervalMs);
    connect(&reportTimer, &QTimer::timeout, this, &SessionStatistics::periodicReport);
    reportTimer.start();
}

QString SessionStatistics::anonymised(const QString& name)
{
    return QUuid::createUuidV3(QUuid(), name.toUtf8()).toString();
}

// The sign-in passes the account name already anonymised; it is anonymised once more here.
void SessionStatistics::login(const QString& username)
{
    sendMixpanel();
    sessionUserId = QUuid::createUuidV3(QUuid(), username.toUtf8());
    const UserSwitches switches = userSwitches();
    record("application login",
        { { "username", sessionUserId.toString() },
            { "password on application exit setting", switches.passwordLogout },
            { "fullscreen shares from primary setting", switches.fullscreenPrimaryPosts } });
}

void SessionStatistics::logout()
{
    record("application logout");
    sendMixpanel();
}

void SessionStatistics::orbethClassrooms(bool success, int count)
{
    record(success ? "successful download from orbeth" : "failed download from orbeth!",
        { { "number of classrooms", count } });
}

void SessionStatistics::startRouting(ClassroomLayoutModel* model, int customMessages)
{
    QJsonObject keys = classroomKeys(model);
    keys["number of custom messages"] = customMessages;
    keys["password on classroom exit"] = model->isPasswordRequiredOnExit();
    keys["show routing banners"] = model->isShowRoutingBanners();
    record("start routing session", keys);
}

void SessionStatistics::stopRouting()
{
    record("stop routing session");
}
void SessionStatistics::startEditing(ClassroomLayoutModel* model)
{
    record("start editing session", classroomKeys(model));
}
void SessionStatistics::stopEditing(ClassroomLayoutModel* model)
{
    record("stop editing session", classroomKeys(model));
}

void SessionStatistics::connectPod(RoutableBlock* source, RoutableBlock* sink)
{
    QJsonObject keys = routeKeys(source, sink);
    keys["audio"] = sink->isAudioSource();
    const bool fullscreen = source->isPrimaryBlock() && userSwitches().fullscreenPrimaryPosts;
    keys["post type"] = fullscreen ? "fullscreen" : "normal";
    record("routing connect", keys);
}

void SessionStatistics::disconnectPod(RoutableBlock* source, RoutableBlock* sink)
{
    record("routing disconnect", routeKeys(source, sink));
}

void SessionStatistics::removeAllRoutes(bool includingPrimary)
{
    record("terminate all routing", { { "including from primary", includingPrimary } });
}

void SessionStatistics::primaryToAll()
{
    record("share primary to all");
}
void SessionStatistics::reset()
{
    record("user pressed reset");
}
void SessionStatistics::toggleBanners(bool show)
{
    record("toggle banners", { { "show", show } });
}
void SessionStatistics::eyesUpFront()
{
    record("show eyes up front");
}
void SessionStatistics::showCustom()
{
    record("show custom message");
}
void SessionStatistics::hideOverlay()
{
    record("hide overlay message");
}
void SessionStatistics::createCustom()
{
    record("created custom message");
}
void SessionStatistics::removeCustom()
{
    record("deleted custom message");
}

void SessionStatistics::passwordOnClassroomExit(bool enable)
{
    record("toggle password on classroom exit setting", { { "enable", enable } });
}

void SessionStatistics::showRoutingBanners(bool enable)
{
    record("toggle show routing banners setting", { { "enable", enable } });
}

void SessionStatistics::passwordOnApplicationExit(bool enable)
{
    record("toggle password on application exit setting", { { "enable", enable } });
}

void SessionStatistics::fullscreenSharesFromPrimary(bool enable)
{
    record("toggle fullscreen shares from primary setting", { { "enable", enable } });
}

void SessionStatistics::record(const QString& event, QJsonObject keys)
{
    keys["event"] = event;
    logEvent(keys);
}

bool SessionStatistics::logEvent(QJsonObject event)
{
    event["timestamp"] = QDateTime::currentDateTimeUtc().toString("yyyy-MM-ddThh:mm:ss");
    const QString path = logFilePath();
    // A fresh install has no data directory yet; its first events must not be lost.
    if (const QString problem = PrivateFiles::prepareFile(path); !problem.isEmpty())
        LOG_WARNING("events logging file not private: {}", problem);
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Text)) {
        LOG_ERROR("cannot open events logging file!");
        return false;
    }
    const QByteArray text = QJsonDocument(event).toJson();
    if (file.write(text) != text.size() || !file.flush()) {
        LOG_ERROR("cannot write events logging file!");
        return false;
    }
    return true;
}

void SessionStatistics::sendMixpanel()
{
    MixpanelManager* mixpanel = uploader();
    if (!mixpanel)
        return;
    QJsonArray events;
    if (readEvents(events))
        mixpanel->postEvent("Routing Log", sessionUserId, events);
}

QString SessionStatistics::logFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/mixpanel.json";
}

bool SessionStatistics::readEvents(QJsonArray& events)
{
    QFile file(logFilePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        LOG_ERROR("cannot read events logging file!");
        return false;
    }
    // Only lines that are exactly "{" and "}" bound an event; indented braces are
    // content. A piece that does not parse as an object is dropped.
    // One read of the capped prefix: a size-limited readLine per line would set up a buffer of the
    // whole limit for every line, which made a long file take seconds.
    const QByteArray content = file.read(maxReadBytes);
    QByteArray buffer;
    for (const QByteArray& line : content.split('\n')) {
        if (line == "{") {
            buffer = line;
        } else if (line == "}") {
            buffer += line;
            const QJsonDocument document = QJsonDocument::fromJson(buffer);
            if (document.isObject())
                events.append(document.object());
        } else {
            buffer += line;
        }
    }
    if (!file.atEnd())
        LOG_WARNING("events logging file larger than {} bytes; the rest is dropped", maxReadBytes);
    file.remove();
    return true;
}

void SessionStatistics::periodicReport()
{
    const QFileInfo events(logFilePath());
    if (!uploader() || !events.exists()
        || events.lastModified().secsTo(QDateTime::currentDateTime()) < staleAfterSeconds)
        return;
    LOG_INFO("event: periodic reporting of statistics!");
    sendMixpanel();
}
