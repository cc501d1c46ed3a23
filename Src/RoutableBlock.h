#pragma once

#include <QMap>
#include <QObject>
#include <functional>

class HttpRequest;
class NetworkManager;
class RouteLine;
struct HttpResponse;

// A display of the classroom that takes part in routing: one pod's identity and
// look on the floor plan, its session state and the route lines it joins.
class RoutableBlock : public QObject {
    Q_OBJECT
    Q_PROPERTY(int blockIndex READ blockIndex WRITE setBlockIndex NOTIFY blockIndexChanged)
    Q_PROPERTY(
        QString displayAddress READ displayAddress WRITE setDisplayAddress NOTIFY displayAddressChanged)
    Q_PROPERTY(QString deviceId READ deviceId WRITE setDeviceId NOTIFY deviceIdChanged)
    Q_PROPERTY(QString displayName READ displayName WRITE setDisplayName NOTIFY displayNameChanged)
    Q_PROPERTY(double displayX READ displayX WRITE setDisplayX NOTIFY displayXChanged)
    Q_PROPERTY(double displayY READ displayY WRITE setDisplayY NOTIFY displayYChanged)
    Q_PROPERTY(double displayWidth READ displayWidth WRITE setDisplayWidth NOTIFY displayWidthChanged)
    Q_PROPERTY(double displayHeight READ displayHeight WRITE setDisplayHeight NOTIFY displayHeightChanged)
    Q_PROPERTY(QString displayColor READ displayColor WRITE setDisplayColor NOTIFY displayColorChanged)
    Q_PROPERTY(QString displayIcon READ displayIcon WRITE setDisplayIcon NOTIFY displayIconChanged)
    Q_PROPERTY(bool isAudioSource READ isAudioSource WRITE setIsAudioSource NOTIFY isAudioSourceChanged)
    Q_PROPERTY(bool isActingAsSource READ isActingAsSource NOTIFY outgoingRoutesChanged)
    Q_PROPERTY(bool isBeingSinkedInto READ isBeingSinkedInto NOTIFY incomingRoutesChanged)
    Q_PROPERTY(bool canAddOutgoingRoute READ canAddOutgoingRoute NOTIFY routabilityChanged)
    Q_PROPERTY(bool canAddIncomingRoute READ canAddIncomingRoute NOTIFY routabilityChanged)
    Q_PROPERTY(QList<QObject*> incomingRoutes READ incomingRoutes NOTIFY incomingRoutesChanged)
    Q_PROPERTY(QList<QObject*> outgoingRoutes READ outgoingRoutes NOTIFY outgoingRoutesChanged)
    Q_PROPERTY(bool isConnected READ isConnected NOTIFY isConnectedChanged)
    Q_PROPERTY(bool isConnecting READ isConnecting NOTIFY isConnectingChanged)
    Q_PROPERTY(QString accessibleName READ accessibleName NOTIFY accessibleNameChanged)
    Q_PROPERTY(QString addressProblem READ addressProblem NOTIFY addressProblemChanged)
public:
    explicit RoutableBlock(int blockIndex, QObject* parent = nullptr);

    // The virtual operations keep this order; derived classes rely on it.
    Q_INVOKABLE virtual bool isPrimaryBlock() const = 0;
    virtual void removeOutgoingRoute(const QString& lineIndex);
    virtual bool canAddOutgoingRoute() const = 0;
    virtual void addOutgoingRoute(RouteLine* line);
    Q_INVOKABLE virtual QList<QObject*> outgoingRoutes() const;
    virtual bool canAddIncomingRoute() const = 0;
    virtual void addIncomingRoute(RouteLine* line);
    Q_INVOKABLE virtual QList<QObject*> incomingRoutes() const;
    virtual void removeAllRoutes();
    virtual void showOverlay(const QString& text);
    virtual void showRoutingBanners(bool show);
    virtual int blockIndex() const { return m_blockIndex; }
    virtual void setBlockIndex(int index);
    virtual QString displayName() const { return m_displayName; }
    virtual void setDisplayName(const QString& name);
    virtual QString deviceId() const { return m_deviceId; }
    virtual void setDeviceId(const QString& id);
    Q_INVOKABLE virtual void queryDeviceId();
    virtual QString displayColor() const { return m_displayColor; }
    virtual void setDisplayColor(const QString& color);
    virtual QString displayAddress() const { return m_displayAddress; }
    virtual void setDisplayAddress(const QString& address);
    virtual QString displayIcon() const { return m_displayIcon; }
    virtual void setDisplayIcon(const QString& icon);
    virtual double displayX() const { return m_displayX; }
    virtual void setDisplayX(double x);
    virtual double displayY() const { return m_displayY; }
    virtual void setDisplayY(double y);
    virtual double displayWidth() const { return m_displayWidth; }
    virtual void setDisplayWidth(double width);
    virtual double displayHeight() const { return m_displayHeight; }
    virtual void setDisplayHeight(double height);
    virtual bool isAudioSource() const { return m_isAudioSource; }
    virtual void setIsAudioSource(bool isAudioSource);
    virtual bool isConnected() const { return m_isConnected; }
    // The session's first configure is still out: neither joined nor failed yet.
    bool isConnecting() const { return m_isConnecting; }
    virtual bool isActingAsSource() const { return hasOutgoingRoutes(); }
    virtual bool isBeingSinkedInto() const { return hasIncomingRoutes(); }
    // What a screen reader says of the block on the routing plan: its name, its routes and
    // whether its pod answers ("Team 1, sends to Team 2 and Team 4").
    QString accessibleName() const;
    // Empty, or why nothing is sent to this block's pod: its address is not of the form the
    // block dialogs accept (a stored room may hold anything).
    QString addressProblem() const { return m_addressProblem; }
    bool isAddressValid() const { return m_addressProblem.isEmpty(); }
    virtual void requestVersion();
    virtual void beginSession(bool showBanners, bool frameForwarding);
    virtual void endSession() { }

    // Reads the pod's API version from an answer to the version call.
    void readVersion(const HttpResponse& response);
    // The pod stopped answering: the block leaves the session but keeps its routes drawn.
    // False when it was not connected.
    bool dropOut();
    bool isDroppedOut() const { return m_droppedOut; }
    // Joins again once the pod answers; a pod that may hold connections we cannot name is
    // cleared first. `joined` tells when the configure is accepted.
    void rejoin(bool showBanners, bool frameForwarding);

    bool hasOutgoingRoutes() const { return !m_outgoingRoutes.isEmpty(); }
    bool hasIncomingRoutes() const { return !m_incomingRoutes.isEmpty(); }
    bool hasOutgoingRoute(int sinkIndex) const;
    bool hasIncomingRoute(int sourceIndex) const;
    int apiVersion() const { return m_apiVersion; }
    // The pod may have opened a connection whose guid we never learnt (its answer was lost or
    // unreadable); the next terminate clears it.
    void noteUnnamedConnection() { m_mayHoldUnnamedConnections = true; }

    // "Team 2, Team 3 and Team 4".
    static QString listOfNames(QStringList names);

    // "Invalid<uuid>": stands for a device id that was not learnt from the pod.
    static QString generateInvalidId();

signals:
    void blockIndexChanged();
    void displayNameChanged();
    void displayAddressChanged();
    void deviceIdChanged();
    void displayIconChanged();
    void displayColorChanged();
    void displayXChanged();
    void displayYChanged();
    void displayWidthChanged();
    void displayHeightChanged();
    void isAudioSourceChanged();
    void incomingRoutesChanged();
    void outgoingRoutesChanged();
    void routabilityChanged();
    void isConnectedChanged();
    void isConnectingChanged();
    void accessibleNameChanged();
    void addressProblemChanged();
    // The configure was accepted; `late` when the block joined after the session opened.
    void joined(bool late);

protected slots:
    virtual void incomingRouteDestroyed(const QString& lineIndex);

protected:
    using ReplyHandler = std::function<void(const HttpResponse&)>;

    // Builds one pod call on the request engine; `onReply` sees the answer only
    // while this block lives. Without a request engine nothing is sent.
    void sendPodCall(
        const std::function<HttpRequest*(NetworkManager&)>& call, const ReplyHandler& onReply = {});
    // The document readers' way to store the address: checked like the setter's, no unsaved mark.
    void readAddress(const QString& address);

    // Stored directly by constructors and document readers: no signal, no unsaved mark.
    int m_blockIndex;
    QString m_displayName;
    QString m_displayAddress;
    QString m_deviceId;
    QString m_displayIcon;
    QString m_displayColor;
    double m_displayX = 0.0;
    double m_displayY = 0.0;
    double m_displayWidth = 0.0;
    double m_displayHeight = 0.0;
    bool m_isAudioSource = false;

private:
    using RouteMap = QMap<QString, RouteLine*>;

    static QString namesAtEnds(const RouteMap& lines, RoutableBlock* (RouteLine::*end)() const);
    void insertRoute(RouteMap& routes, RouteLine* line, void (RoutableBlock::*changed)());
    void routesChanged(void (RoutableBlock::*changed)());
    void terminateConnections();
    void setConnected(bool connected);
    void setConnecting(bool connecting);
    void checkAddress();
    // Takes the line off the plan; a pod that cannot be told may still show it.
    void dropOutgoingRoute(RouteLine* line);

    QString m_addressProblem;
    bool m_isConnected = false;
    bool m_isConnecting = false;
    bool m_droppedOut = false;
    bool m_joiningLate = false;
    bool m_mayHoldUnnamedConnections = false;
    int m_apiVersion = -1;
    RouteMap m_outgoingRoutes;
    RouteMap m_incomingRoutes;
};
