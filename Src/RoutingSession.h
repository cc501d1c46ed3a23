#pragma once

#include "HttpResponse.h"
#include "KeyboardRouting.h" // complete, so QML can read the keyboard property
#include "OverlayMessageManager.h" // complete, so QML can read the manager property
#include "RoutingRules.h"

#include <QObject>
#include <QPointer>

class ClassroomLayoutModel;
class PodHealthMonitor;
class RoutableBlock;
class RouteLine;

// Routing over one classroom: opens every pod, makes and removes routes on the
// user's commands, sends overlays and banners, and checks screen keys.
class RoutingSession : public QObject {
    Q_OBJECT
    Q_PROPERTY(ClassroomLayoutModel* layout READ currentLayout CONSTANT)
    Q_PROPERTY(OverlayMessageManager* overlayMessageManager READ overlayMessageManager CONSTANT)
    Q_PROPERTY(QList<QObject*> routingLines READ routingLinesModel NOTIFY routingLinesChanged)
    Q_PROPERTY(KeyboardRouting* keyboard READ keyboard CONSTANT)
public:
    explicit RoutingSession(QObject* parent = nullptr);

    ClassroomLayoutModel* currentLayout() const;
    OverlayMessageManager* overlayMessageManager() const { return m_overlayMessageManager; }
    QList<QObject*> routingLinesModel() const;
    KeyboardRouting* keyboard() const { return m_keyboard; }

    Q_INVOKABLE void startSession(const QString& newClassroomId, bool resetBanners, bool fromReset);
    Q_INVOKABLE void endSession();
    Q_INVOKABLE bool isSessionActive() const;
    Q_INVOKABLE void addRouteLine(int sinkIndex, int sourceIndex);
    // Says why a dropped route was not made, when the plan knows.
    Q_INVOKABLE void explainRefusedRoute(int sinkIndex, int sourceIndex);
    // A route from `sourceIndex` may start there; says so in the log when it may not.
    Q_INVOKABLE bool mayRouteFrom(int sourceIndex) const;
    // A route from `sourceIndex` let go over `hit` (a block index or RoutingRules::NoBlock).
    Q_INVOKABLE void releaseRoute(int hit, int sourceIndex);
    // The pointer held still on `hit` after pressing on `sourceIndex`.
    Q_INVOKABLE void holdBlock(int hit, int sourceIndex);
    // Carries out what a hold, or the key standing for one, means for block `blockIndex`.
    void perform(RoutingRules::HoldAction action, int blockIndex);
    Q_INVOKABLE void removeRouteLine(int sourceIndex, int sinkIndex, const QString& lineIndex);
    Q_INVOKABLE void routeBlockToAll(int sourceIndex);
    Q_INVOKABLE void routePrimaryToAll();
    Q_INVOKABLE void removeAllRoutes(bool alsoPrimary, bool fromReset);
    Q_INVOKABLE void removeAllRoutesFromBlock(int blockIndex);
    Q_INVOKABLE void reset();
    Q_INVOKABLE void showOverlay(const QString& overlayMessage, bool fromReset);
    Q_INVOKABLE void resetOverlay();
    Q_INVOKABLE void toggleRoutingBanners();
    Q_INVOKABLE bool isShowRoutingBanners() const;
    Q_INVOKABLE bool isPasswordRequiredOnExit() const;
    Q_INVOKABLE void verifyScreenkeyOnPods(const QString& enteredScreenkey);

    PodHealthMonitor* healthMonitor() const { return m_healthMonitor; }

signals:
    void routingLinesChanged();
    void screenkeyAccepted();
    void screenkeyRejected();
    // A short message the routing screen shows for a moment.
    void notice(const QString& text);

private slots:
    void screenkeyResponse(HttpResponse response);

private:
    // Team blocks in list order, then the primary display when there is one and it is wanted.
    QList<RoutableBlock*> blocks(bool withPrimary = true) const;
    RoutableBlock* block(int index) const;
    // Queues a barrier when `since` (a pod request count) shows that calls went out,
    // so later connects wait for what was just sent.
    void flushIfIssuedSince(int since);
    void followBlocks(bool follow);
    void blockFellSilent(RoutableBlock* block);
    void blockAnswering(RoutableBlock* block);
    // Sends what the plan shows on a block that joined; `late` after the session opened.
    void restoreBlock(RoutableBlock* block, bool late);
    void routeGivenUp(const RouteLine* line);

    QPointer<ClassroomLayoutModel> layout; // owned by the library
    ClassroomLayoutModel* placeholderLayout;
    bool screenkeyAcceptedFlag = false;
    int screenkeyChecksSent = 0;
    int screenkeyAnswers = 0;
    int screenkeyRound = 0; // answers of an earlier verification are ignored
    bool showBanners = true;
    QString overlayText; // what the team displays show now
    OverlayMessageManager* m_overlayMessageManager;
    PodHealthMonitor* m_healthMonitor;
    KeyboardRouting* m_keyboard;
};
