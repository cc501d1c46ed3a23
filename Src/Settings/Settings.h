#pragma once

#include <QObject>
#include <QRect>
#include <QSettings>

class MdmInterface;
class SessionStatistics;

// The persistent keys, process-wide. The managed-preferences file names the
// three switches by the same keys.
namespace SettingsKey {
constexpr char createFirstTime[] = "createFirstTime";
constexpr char routeFirstTime[] = "routeFirstTime";
constexpr char savedUsername[] = "savedUsername";
constexpr char requirePasswordLogout[] = "requirePasswordLogout";
constexpr char frameForwarding[] = "frameForwarding";
constexpr char fullscreenPrimaryPosts[] = "fullscreenPrimaryPosts";
constexpr char windowGeometry[] = "windowGeometry";
constexpr char windowMaximized[] = "windowMaximized";
// Managed only: the room a station opens after sign-in.
constexpr char defaultClassroom[] = "defaultClassroom";
}

// The user's persistent preferences, written through on every change. A managed
// source may enforce the three behaviour switches: an enforced switch takes the
// administrator's value and refuses changes, which are never stored.
class Settings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isFirstCreate READ isFirstCreate WRITE setIsFirstCreate NOTIFY isFirstCreateChanged)
    Q_PROPERTY(bool isFirstRoute READ isFirstRoute WRITE setIsFirstRoute NOTIFY isFirstRouteChanged)
    Q_PROPERTY(QString savedUsername READ savedUsername WRITE setSavedUsername NOTIFY savedUsernameChanged)
    Q_PROPERTY(bool doesRequirePasswordLogout READ doesRequirePasswordLogout WRITE
            setDoesRequirePasswordLogout NOTIFY doesRequirePasswordLogoutChanged)
    Q_PROPERTY(bool enforcedDoesRequirePasswordLogout READ doesRequirePasswordLogoutEnforced NOTIFY
            enforcedDoesRequirePasswordLogoutChanged)
    Q_PROPERTY(bool doesFrameForwarding READ doesFrameForwarding WRITE setDoesFrameForwarding NOTIFY
            doesFrameForwardingChanged)
    Q_PROPERTY(bool enforcedDoesFrameForwarding READ doesFrameForwardingEnforced NOTIFY
            enforcedDoesFrameForwardingChanged)
    Q_PROPERTY(bool shouldFullscreenPrimaryPosts READ shouldFullscreenPrimaryPosts WRITE
            setShouldFullscreenPrimaryPosts NOTIFY shouldFullscreenPrimaryPostsChanged)
    Q_PROPERTY(bool enforcedShouldFullscreenPrimaryPosts READ shouldFullscreenPrimaryPostsEnforced NOTIFY
            enforcedShouldFullscreenPrimaryPostsChanged)
public:
    // The managed source is CreateMdmInterface's unless one is given; either way
    // this object owns it.
    explicit Settings(QObject* parent = nullptr, MdmInterface* managedSource = nullptr);

    Q_INVOKABLE bool isFirstCreate() const { return m_isFirstCreate; }
    Q_INVOKABLE void setIsFirstCreate(bool firstTime);
    Q_INVOKABLE bool isFirstRoute() const { return m_isFirstRoute; }
    Q_INVOKABLE void setIsFirstRoute(bool firstTime);
    QString savedUsername() const { return m_savedUsername; }
    void setSavedUsername(const QString& username);

    bool doesRequirePasswordLogout() const { return m_doesRequirePasswordLogout; }
    void setDoesRequirePasswordLogout(bool require);
    bool doesRequirePasswordLogoutEnforced() const;
    bool doesFrameForwarding() const { return m_doesFrameForwarding; }
    void setDoesFrameForwarding(bool forward);
    bool doesFrameForwardingEnforced() const;
    bool shouldFullscreenPrimaryPosts() const { return m_shouldFullscreenPrimaryPosts; }
    void setShouldFullscreenPrimaryPosts(bool fullscreen);
    bool shouldFullscreenPrimaryPostsEnforced() const;
    // The administrator's room for this station (an id or an exact name); empty when none.
    Q_INVOKABLE QString defaultClassroom() const;

    // Where the main window was last left (a null rect before the first start ends). Not a
    // preference, so never managed, logged or reported.
    QRect windowGeometry() const;
    bool isWindowMaximized() const;
    void setWindowPlacement(const QRect& geometry, bool maximized);

signals:
    void isFirstCreateChanged();
    void isFirstRouteChanged();
    void savedUsernameChanged();
    void doesRequirePasswordLogoutChanged();
    void enforcedDoesRequirePasswordLogoutChanged();
    void doesFrameForwardingChanged();
    void enforcedDoesFrameForwardingChanged();
    void shouldFullscreenPrimaryPostsChanged();
    void enforcedShouldFullscreenPrimaryPostsChanged();

private:
    struct Switch;
    static const Switch passwordLogoutSwitch;
    static const Switch frameForwardingSwitch;
    static const Switch fullscreenPrimarySwitch;

    template <typename T>
    void load(const char* key, T& value, void (Settings::*changed)());
    // Compare, log, report, store, tell: every change takes this road.
    template <typename T>
    void change(const char* key, T& value, const T& newValue, void (Settings::*changed)(),
        void (SessionStatistics::*report)(T) = nullptr);
    bool isEnforced(const Switch& s) const;
    void loadSwitch(const Switch& s);
    void changeSwitch(const Switch& s, bool newValue);
    void applyManagedSwitch(const Switch& s);

    QSettings store;
    bool m_isFirstCreate = true;
    bool m_isFirstRoute = true;
    QString m_savedUsername;
    bool m_doesRequirePasswordLogout = false;
    bool m_doesFrameForwarding = false;
    bool m_shouldFullscreenPrimaryPosts = true;
    MdmInterface* managedSource;
};
