#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <QUuid>

class ClassroomLayoutModel;
class RoutableBlock;

// The usage event log: every event the system records is built here, appended at
// once to the events file, and uploaded in one batch at sign-in, at sign-out and
// when the file has gone stale. People and classrooms appear only as name-based UUIDs.
class SessionStatistics : public QObject {
    Q_OBJECT
public:
    static constexpr int reportIntervalMs = 3600000;
    static constexpr qint64 staleAfterSeconds = 2808000; // 32.5 days

    explicit SessionStatistics(QObject* parent = nullptr);

    // The braced version 3 UUID of `name` over the null namespace.
    static QString anonymised(const QString& name);

    void login(const QString& username);
    void logout();
    void orbethClassrooms(bool success, int count);
    void startRouting(ClassroomLayoutModel* model, int customMessages);
    void stopRouting();
    void startEditing(ClassroomLayoutModel* model);
    void stopEditing(ClassroomLayoutModel* model);
    void connectPod(RoutableBlock* source, RoutableBlock* sink);
    void disconnectPod(RoutableBlock* source, RoutableBlock* sink);
    void removeAllRoutes(bool includingPrimary);
    void primaryToAll();
    void reset();
    void toggleBanners(bool show);
    void eyesUpFront();
    void showCustom();
    void hideOverlay();
    void createCustom();
    void removeCustom();
    void passwordOnClassroomExit(bool enable);
    void showRoutingBanners(bool enable);
    void passwordOnApplicationExit(bool enable);
    void fullscreenSharesFromPrimary(bool enable);

    // Stamps the event and appends it to the events file; false when it was not written.
    bool logEvent(QJsonObject event);
    // Hands every stored event to the uploader and deletes the file; without a
    // configured uploader the file stays for a build that has one.
    void sendMixpanel();
    static QString logFilePath();
    // Appends every complete stored event, then deletes the file; false when it could not be opened.
    static bool readEvents(QJsonArray& events);

public slots:
    void periodicReport();

private:
    void record(const QString& event, QJsonObject keys = {});

    QUuid sessionUserId;
    QTimer reportTimer;
};
