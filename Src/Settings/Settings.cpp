#include "Settings.h"

#include "Globals.h"
#include "Logger.h"
#include "MdmInterface.h"
#include "PrivateFiles.h"
#include "PropertyHelpers.h"
#include "SessionStatistics.h"

namespace {

// Created after the settings, and absent in unit tests.
SessionStatistics* sessionStatistics()
{
    return Globals::getInstance().sessionStatistics();
}

} // namespace

// One of the three switches a managed source may enforce.
struct Settings::Switch {
    const char* key;
    bool Settings::*value;
    bool (MdmInterface::*isEnforced)() const;
    bool (MdmInterface::*required)() const;
    void (MdmInterface::*sourceChanged)();
    void (Settings::*changed)();
    void (Settings::*enforcedChanged)();
    void (SessionStatistics::*report)(bool);
};

const Settings::Switch Settings::passwordLogoutSwitch { SettingsKey::requirePasswordLogout,
    &Settings::m_doesRequirePasswordLogout, &MdmInterface::GetEnforcedPasswordForLogout,
    &MdmInterface::GetRequiresPasswordForLogout, &MdmInterface::PasswordForLogoutChanged,
    &Settings::doesRequirePasswordLogoutChanged, &Settings::enforcedDoesRequirePasswordLogoutChanged,
    &SessionStatistics::passwordOnApplicationExit };

const Settings::Switch Settings::frameForwardingSwitch { SettingsKey::frameForwarding,
    &Settings::m_doesFrameForwarding, &MdmInterface::GetEnforcedFrameForwarding,
    &MdmInterface::GetRequiresFrameForwarding, &MdmInterface::FrameForwardingChanged,
    &Settings::doesFrameForwardingChanged, &Settings::enforcedDoesFrameForwardingChanged, nullptr };

const Settings::Switch Settings::fullscreenPrimarySwitch { SettingsKey::fullscreenPrimaryPosts,
    &Settings::m_shouldFullscreenPrimaryPosts, &MdmInterface::GetEnforcedFullscreenOnPrimary,
    &MdmInterface::GetRequiresFullscreenOnPrimary, &MdmInterface::FullscreenOnPrimaryChanged,
    &Settings::shouldFullscreenPrimaryPostsChanged, &Settings::enforcedShouldFullscreenPrimaryPostsChanged,
    &SessionStatistics::fullscreenSharesFromPrimary };

Settings::Settings(QObject* parent, MdmInterface* managedSource)
    : QObject(parent)
    , managedSource(managedSource ? managedSource : CreateMdmInterface(this))
{
    this->managedSource->setParent(this);
    // Made private before the store first writes: its atomic save keeps the mode of the file it replaces.
    if (const QString problem = PrivateFiles::prepareFile(store.fileName()); !problem.isEmpty())
        LOG_WARNING("Settings file not private: {}", problem);
    load(SettingsKey::createFirstTime, m_isFirstCreate, &Settings::isFirstCreateChanged);
    load(SettingsKey::routeFirstTime, m_isFirstRoute, &Settings::isFirstRouteChanged);
    load(SettingsKey::savedUsername, m_savedUsername, &Settings::savedUsernameChanged);
    for (const Switch* s : { &passwordLogoutSwitch, &frameForwardingSwitch, &fullscreenPrimarySwitch })
        loadSwitch(*s);
}

void Settings::setIsFirstCreate(bool firstTime)
{
    change(SettingsKey::createFirstTime, m_isFirstCreate, firstTime, &Settings::isFirstCreateChanged);
}

void Settings::setIsFirstRoute(bool firstTime)
{
    change(SettingsKey::routeFirstTime, m_isFirstRoute, firstTime, &Settings::isFirstRouteChanged);
}

void Settings::setSavedUsername(const QString& username)
{
    change(SettingsKey::savedUsername, m_savedUsername, username, &Settings::savedUsernameChanged);
}

void Settings::setDoesRequirePasswordLogout(bool require)
{
    changeSwitch(passwordLogoutSwitch, require);
}
bool Settings::doesRequirePasswordLogoutEnforced() const
{
    return isEnforced(passwordLogoutSwitch);
}

void Settings::setDoesFrameForwarding(bool forward)
{
    changeSwitch(frameForwardingSwitch, forward);
}
bool Settings::doesFrameForwardingEnforced() const
{
    return isEnforced(frameForwardingSwitch);
}

void Settings::setShouldFullscreenPrimaryPosts(bool fullscreen)
{
    changeSwitch(fullscreenPrimarySwitch, fullscreen);
}
bool Settings::shouldFullscreenPrimaryPostsEnforced() const
{
    return isEnforced(fullscreenPrimarySwitch);
}

QString Settings::defaultClassroom() const
{
    return managedSource->GetDefaultClassroom();
}

QRect Settings::windowGeometry() const
{
    return store.value(SettingsKey::windowGeometry).toRect();
}

bool Settings::isWindowMaximized() const
{
    return store.value(SettingsKey::windowMaximized, false).toBool();
}

void Settings::setWindowPlacement(const QRect& geometry, bool maximized)
{
    store.setValue(SettingsKey::windowGeometry, geometry);
    store.setValue(SettingsKey::windowMaximized, maximized);
}

template <typename T>
void Settings::load(const char* key, T& value, void (Settings::*changed)())
{
    value = store.value(key, value).template value<T>();
    emit(this->*changed)();
    LOG_INFO("Startup: {}=[{}]", key, value);
}

template <typename T>
void Settings::change(const char* key, T& value, const T& newValue, void (Settings::*changed)(),
    void (SessionStatistics::*report)(T))
{
    const T oldValue = value;
    if (!assignIfChanged(value, newValue))
        return;
    LOG_INFO("Changing {}: old=[{}] new=[{}]", key, oldValue, newValue);
    SessionStatistics* statistics = sessionStatistics();
    if (statistics && report)
        (statistics->*report)(newValue);
    store.setValue(key, newValue);
    emit(this->*changed)();
}

bool Settings::isEnforced(const Switch& s) const
{
    return (managedSource->*s.isEnforced)();
}

// A managed value is never stored: once the administrator lets go of the switch,
// the user's own value applies again from the next start.
void Settings::loadSwitch(const Switch& s)
{
    const bool enforced = isEnforced(s);
    this->*s.value = enforced ? (managedSource->*s.required)() : store.value(s.key, this->*s.value).toBool();
    emit(this->*s.changed)();
    connect(managedSource, s.sourceChanged, managedSource, [this, &s] { applyManagedSwitch(s); });
    LOG_INFO("Startup: {}=[{}] enforced=[{}]", s.key, this->*s.value, enforced);
}

void Settings::changeSwitch(const Switch& s, bool newValue)
{
    if (this->*s.value == newValue)
        return;
    if (isEnforced(s)) {
        LOG_ERROR("Can't change {}; enforced by MDM", s.key);
        return;
    }
    change(s.key, this->*s.value, newValue, s.changed, s.report);
}

void Settings::applyManagedSwitch(const Switch& s)
{
    this->*s.value = (managedSource->*s.required)();
    emit(this->*s.changed)();
    emit(this->*s.enforcedChanged)();
}
