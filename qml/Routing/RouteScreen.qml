import QtQuick 2.12
import Common 1.0
import RoutingSession 1.0
import "../Components"
import "../Common/RoomWalls.js" as RoomWalls

// Runs a class: the room's plan with its routes, the menu of overlays and shortcuts, and the
// dialogs for leaving, messages, screen keys and live views.
Item {
    id: screen

    property string classroomId
    property string classroomName: "Route"
    property string classroomType: "none"
    property real classroomScale: 1.0
    property var layout: null
    // Nothing lies over the plan: its keys and the menu's shortcuts work.
    readonly property bool planInFront: !dimming.visible && !gate.locked && !messageDialog.visible
                                        && !snapshotViewer.visible
    signal exited

    function enterScreen() {
        console.log("EVENT: Enter Routing Screen, classroom = " + classroomId)
        closeOverlays()
        routingSession.startSession(classroomId, true, false)
        layout = routingSession.layout
        classroomType = layout.classroomType
        classroomScale = layout.classroomScale
        classroomName = layout.classroomName
        routeMenu.refreshBanners()
        if (settingsManager.isFirstRoute)
            firstUseGuide.open()
        if (!stateManager.canUserEdit && stateManager.isScreenkeyEnabled)
            gate.lock(classroomName)
    }
    // The screen-key flag is asked for after sign-in and can arrive once the user is already here.
    Connections {
        target: stateManager
        enabled: screen.visible
        function onIsScreenkeyEnabledChanged() {
            if (!stateManager.canUserEdit && stateManager.isScreenkeyEnabled && !gate.locked)
                gate.lock(screen.classroomName)
        }
    }

    function isSessionActive() { return routingSession.isSessionActive() }
    function terminateOnExit() {
        snapshotViewer.hide()
        routingSession.endSession()
    }
    function getRoutableBlock(index) {
        if (index === -1)
            return plan.primaryView
        if (index < 0 || index >= plan.teamCount) {
            console.log("Returning null team block! index=[" + index + "]")
            return null
        }
        return plan.teamView(index)
    }

    function requestExit() {
        var active = routingSession.isSessionActive()
        var password = routingSession.isPasswordRequiredOnExit()
        if (!active && !password) {
            leave()
            return
        }
        dimming.visible = true
        exitDialog.showDialog(classroomName, active, password)
    }
    // Whatever was open when the room was last left (or the user signed out) goes away.
    function closeOverlays() {
        exitDialog.resetDialog()
        messageDialog.visible = false
        snapshotViewer.hide()
        dimming.visible = false
        gate.unlock()
        routeMenu.clearSelection()
    }
    function leave() {
        console.log("EVENT: Exit routing screen")
        closeOverlays()
        routingSession.endSession()
        exited()
    }

    RoutingSession {
        id: routingSession
        onNotice: notice.show(text)
    }

    ScreenBackground {}

    // The room fits between its title and the menu.
    Binding {
        target: Common
        property: "planRoom"
        value: ({ walls: RoomWalls.wallsFor(screen.classroomType), top: roomTitle.height + Common.pixelHeight(8),
                  bottom: routeMenu.y - Common.pixelHeight(8) })
    }

    RoutePlan {
        id: plan
        anchors.fill: parent
        layout: screen.layout
        classroomType: screen.classroomType
        classroomScale: screen.classroomScale
        routingLines: routingSession.routingLines
        onRemoveRoute: {
            console.log("Removing line: sourceIndex=[" + routeLine.sourceIndex + "] lineIndex=[" + routeLine.lineIndex + "]")
            routingSession.removeRouteLine(routeLine.sourceIndex, routeLine.sinkIndex, routeLine.lineIndex)
        }
    }

    SourcePulse { id: pulse }

    GestureLayer {
        anchors.fill: parent
        plan: plan
        routingSession: routingSession
        rubberBand: rubberBand
        pulse: pulse
    }

    KeyboardLayer {
        anchors.fill: parent
        plan: plan
        keyboard: routingSession.keyboard
        acceptsKeys: screen.planInFront
    }

    PreviewButtons {
        anchors.fill: parent
        plan: plan
        onPreviewRequested: snapshotViewer.showPod(address, name, opener)
    }

    Connections {
        target: routingSession.keyboard
        function onLiveViewRequested(block) {
            var view = plan.viewFor(block)
            if (view)
                snapshotViewer.showPod(view.displayAddress, view.displayName, null)
        }
    }

    RouteMenu {
        id: routeMenu
        objectName: "routeMenu"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        routingSession: routingSession
        hasPrimaryDisplay: screen.layout !== null && screen.layout.primaryDisplay !== null
        shortcutsEnabled: screen.planInFront
        onAddNewClicked: messageDialog.showDialog()
        onExitClicked: screen.requestExit()
    }

    ElidedText {
        id: roomTitle
        objectName: "roomTitle"
        width: Math.min(implicitWidth, screen.width / 2)
        leftPadding: 35
        topPadding: 5
        text: screen.classroomName
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.bold: true
        font.pixelSize: Common.pixelFont(20)
    }

    Notice {
        id: notice
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: Common.pixelHeight(40)
    }

    RubberBand {
        id: rubberBand
        anchors.fill: parent
    }

    DimmingLayer {
        id: dimming
    }

    OverlayMessageDialog {
        id: messageDialog
        anchors.centerIn: parent
        messageManager: routingSession.overlayMessageManager
        onMessageConfirmed: {
            console.log("EVENT: Confirmed new custom message")
            messageManager.addMessage(text, iconName, iconType, iconText)
            messageManager.saveMessages()
        }
    }

    SnapshotViewer {
        id: snapshotViewer
    }

    RouteExitDialog {
        id: exitDialog
        anchors.centerIn: parent
        onExitConfirmed: screen.leave()
        onCancelled: dimming.visible = false
    }

    ScreenKeyGate {
        id: gate
        anchors.fill: parent
        routingSession: routingSession
        dimming: dimming
        onCancelled: screen.leave()
    }

    RouteFirstUseGuide {
        id: firstUseGuide
        anchors.centerIn: parent
    }
}
