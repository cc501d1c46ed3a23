import QtQuick 2.12
import QtQuick.Window 2.12
import Common 1.0
import "../Components"
import "../Common/RoutingLogic.js" as RoutingLogic

// Shows what one pod's display shows, asking it for a fresh snapshot every second while open.
// A failed fetch arrives as an empty snapshot and is not loaded; each good one is loaded behind the
// shown one and takes its place once ready, so the last good picture stays up instead of a blank.
Item {
    id: viewer

    property string podAddress
    property string podName
    property Item opener: null
    property bool noPicture: false
    property int shown: 0
    readonly property var pictures: [pictureA, pictureB]
    readonly property var picture: pictures[shown]
    readonly property real aspect: picture.status === Image.Ready && picture.implicitHeight > 0
                                   ? picture.implicitWidth / picture.implicitHeight : 16 / 9

    function showPod(address, name, openedFrom) {
        podAddress = address
        podName = name
        opener = openedFrom
        noPicture = false
        visible = true
        forceActiveFocus()
        requestSnapshot()
    }
    function hide() {
        visible = false
        podAddress = ""
        pictureA.source = ""
        pictureB.source = ""
        if (opener && opener.visible)
            opener.forceActiveFocus()
        opener = null
    }
    function requestSnapshot() {
        // Decoded no larger than the viewer can ever draw it.
        networkManager.lookin(podAddress, parent.width * Screen.devicePixelRatio,
                              parent.height * Screen.devicePixelRatio)
        if (!silence.running)
            silence.start()
    }
    function showSnapshot(imageName) {
        if (!networkManager.hasSnapshot(imageName)) {
            noPicture = true
            return
        }
        var back = pictures[1 - shown]
        back.source = "image://RuvoruVadudo/clear"
        back.source = "image://RuvoruVadudo/" + imageName
        noPicture = back.status !== Image.Ready
        if (!noPicture)
            shown = 1 - shown
    }

    objectName: "snapshotViewer"
    visible: false
    width: Math.min(parent.width, parent.height * aspect)
    height: width / aspect
    anchors.centerIn: parent

    Keys.onEscapePressed: hide()

    Connections {
        target: networkManager
        enabled: viewer.visible
        function onImageLoaded(imageName) {
            if (!RoutingLogic.isSnapshotOf(imageName, viewer.podAddress))
                return
            silence.stop()
            viewer.showSnapshot(imageName)
        }
    }

    Timer {
        interval: 1000
        repeat: true
        running: viewer.visible && viewer.podAddress.length > 0
        onTriggered: viewer.requestSnapshot()
    }

    // A pod that stays silent this long after being asked is taken as not answering.
    Timer {
        id: silence
        interval: 3000
        onTriggered: viewer.noPicture = true
    }

    Rectangle {
        anchors.fill: parent
        color: Common.gToolbarColor
    }

    SnapshotPicture { id: pictureA; visible: viewer.shown === 0 }
    SnapshotPicture { id: pictureB; visible: viewer.shown === 1 }

    LoadingRing {
        anchors.centerIn: parent
        height: Common.pixelHeight(40)
        visible: picture.status !== Image.Ready && !viewer.noPicture
    }

    SnapshotCaption {
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.margins: Common.pixelWidth(10)
        text: qsTr("Live view: %1").arg(viewer.podName)
    }

    SnapshotCaption {
        anchors.centerIn: parent
        visible: viewer.noPicture
        text: qsTr("No picture from this pod")
        detail: picture.status === Image.Ready ? qsTr("Showing the last picture it sent") : ""
        emphasised: true
    }

    SnapshotCaption {
        anchors.bottom: parent.bottom
        anchors.right: parent.right
        anchors.margins: Common.pixelWidth(10)
        text: qsTr("Click to close")
    }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: viewer.hide()
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Close live view")
        Accessible.onPressAction: viewer.hide()
    }
}
