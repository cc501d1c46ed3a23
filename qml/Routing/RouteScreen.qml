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
    readonly property bool planInFront: !dimming.visible && !gateLocked() && !messageDialog.shown
                                        && !snapshotViewer.shown
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
            gate.get().lock(classroomName)
    }
    function gateLocked() { return gate.item !== null && gate.item.locked }
    // The screen-key flag is asked for after sign-in and can arrive once the user is already here.
    Connections {
        target: stateManager
        enabled: screen.visible
        function onIsScreenkeyEnabledChanged() {
            if (!stateManager.canUserEdit && stateManager.isScreenkeyEnabled && !screen.gateLocked())
                gate.get().lock(screen.classroomName)
        }
    }

    function isSessionActive() { return routingSession.isSessionActive() }
    function terminateOnExit() {
        if (snapshotViewer.item)
            snapshotViewer.item.hide()
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
        exitDialog.get().showDialog(classroomName, active, password)
    }
    // Whatever was open when the room was last left (or the user signed out) goes away.
    function closeOverlays() {
        if (exitDialog.item)
            exitDialog.item.resetDialog()
        if (messageDialog.item)
            messageDialog.item.visible = false
        if (snapshotViewer.item)
            snapshotViewer.item.hide()
        dimming.visible = false
        if (gate.item)
            gate.item.unlock()
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
        onPreviewRequested: snapshotViewer.get().showPod(address, name, opener)
    }

    Connections {
        target: routingSession.keyboard
        function onLiveViewRequested(block) {
            var view = plan.viewFor(block)
            if (view)
                snapshotViewer.get().showPod(view.displayAddress, view.displayName, null)
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
        onAddNewClicked: messageDialog.get().showDialog()
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

    // Built when first opened; `z` keeps them stacked as listed, whichever is built first.
    Deferred {
        id: messageDialog
        host: screen
        component: OverlayMessageDialog {
            z: 1
            anchors.centerIn: parent
            messageManager: routingSession.overlayMessageManager
            onMessageConfirmed: {
                console.log("EVENT: Confirmed new custom message")
                messageManager.addMessage(text, iconName, iconType, iconText)
                messageManager.saveMessages()
            }
        }
    }

    Deferred {
        id: snapshotViewer
        host: screen
        component: SnapshotViewer { z: 2 }
    }

    Deferred {
        id: exitDialog
        host: screen
        component: RouteExitDialog {
            z: 3
            anchors.centerIn: parent
            onExitConfirmed: screen.leave()
            onCancelled: dimming.visible = false
        }
    }

    Deferred {
        id: gate
        host: screen
        properties: ({ routingSession: routingSession, dimming: dimming })
        component: ScreenKeyGate {
            z: 4
            anchors.fill: parent
            onCancelled: screen.leave()
        }
    }

    RouteFirstUseGuide {
        id: firstUseGuide
        z: 5
        anchors.centerIn: parent
    }
}
