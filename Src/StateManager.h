#pragma once

#include <QObject>

class QQmlApplicationEngine;

// Account state of the signed-in user, the unsaved-layout mark, and owner of the QML engine.
class StateManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isScreenkeyEnabled READ isScreenkeyEnabled NOTIFY isScreenkeyEnabledChanged)
    Q_PROPERTY(bool canUserEdit READ canUserEdit NOTIFY canUserEditChanged)
    Q_PROPERTY(bool isSaveRequired READ saveRequired NOTIFY saveRequiredChanged)
public:
    explicit StateManager(QObject* parent = nullptr);

    // Makes the session types and the model's object types known to QML.
    static void registerQmlTypes();
    void initialize();
    void shutdown();
    bool isInterfaceLoaded() const;

    bool isScreenkeyEnabled() const { return m_isScreenkeyEnabled; }
    bool canUserEdit() const { return m_canUserEdit; }
    QString userName() const { return m_userName; }

    Q_INVOKABLE bool saveRequired() const { return m_saveRequired; }
    Q_INVOKABLE void requireSave(bool require = true);
    Q_INVOKABLE void setCanUserEdit(bool newValue = false);
    Q_INVOKABLE void performLogin(const QString& user, const QString& password, bool shouldRememberUser);
    Q_INVOKABLE void performTestLogout(const QString& password);
    Q_INVOKABLE void performLogout();
    // Signs the same user in again after the service stopped accepting the token; held cloud
    // calls then go out again, and nothing else of the session changes.
    Q_INVOKABLE void performReSignIn(const QString& password);
    Q_INVOKABLE QString appVersion() const;
    // Why no sign-in can be sent (a service address refused or not set), or an empty text.
    Q_INVOKABLE QString serviceProblem() const;

    void parseAccessToken(const QString& user, const QString& accessToken);

signals:
    void loginSuccess(QString username);
    void loginFailure(QString reason);
    void loggedOut();
    // `networkProblem` is empty when the password was refused, else the text saying why it could not be
    // checked.
    void testLogoutFailure(QString networkProblem);
    void testLogoutSuccess();
    void isScreenkeyEnabledChanged();
    void canUserEditChanged();
    void reSignInSuccess();
    void reSignInFailure(QString reason);
    void saveRequiredChanged();

private slots:
    void exitHandler();

private:
    friend class Globals; // connects the quit handler
    void queryScreenkeyFeature();

    bool initialized = false;
    QQmlApplicationEngine* engine = nullptr;
    bool m_saveRequired = false;
    QString m_userName;
    bool m_isScreenkeyEnabled = false;
    bool m_canUserEdit = false;
};
