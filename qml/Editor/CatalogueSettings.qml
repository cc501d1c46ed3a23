import QtQuick 2.12
import Common 1.0
import "../Components"

// The classroom's two routing settings. They are written straight to the library's classroom,
// which is the object being edited.
Column {
    id: settings

    property string classroomId
    property bool passwordRequired: false
    property bool showBanners: true

    function classroom() { return classroomLayoutManager.classroomLayout(classroomId) }

    function readValues() {
        var room = classroom()
        passwordRequired = room ? room.isPasswordRequiredOnExit() : false
        console.log("Create menu calling isSPasswordRequired, getting " + passwordRequired)
        showBanners = room ? room.isShowRoutingBanners() : false
        console.log("Create menu calling isShowBanners, getting " + showBanners)
    }

    onClassroomIdChanged: readValues()
    topPadding: Common.pixelHeight(12)
    spacing: Common.pixelHeight(12)

    component SettingRow: Row {
        property alias caption: label.text
        property alias captionRightPadding: label.rightPadding
        property alias checked: toggle.checked
        property alias switchName: toggle.objectName
        signal toggled

        Text {
            id: label
            anchors.verticalCenter: parent.verticalCenter
            leftPadding: 16
            color: "white"
            font.family: Common.gPrimaryFont
            font.pixelSize: Common.pixelFont(13)
        }

        ToggleSwitch {
            id: toggle
            anchors.verticalCenter: parent.verticalCenter
            trackWidth: 44
            trackHeight: 21
            knobSize: 21
            Accessible.name: label.text.replace(/\n/g, " ")
            onColor: "#7dc45d"
            offColor: "#888888"
            offBorderColor: offColor
            onToggled: parent.toggled()
        }
    }

    SettingRow {
        caption: qsTr("Require\npassword\non exit")
        captionRightPadding: 12
        switchName: "passwordOnExitSwitch"
        checked: settings.passwordRequired
        onToggled: {
            var room = settings.classroom()
            settings.passwordRequired = !settings.passwordRequired
            if (room)
                room.setPasswordRequiredOnExit(settings.passwordRequired, true)
            console.log("Create menu calling togglePasswordRequired, setting " + settings.passwordRequired)
        }
    }

    SettingRow {
        caption: qsTr("Show\nrouting\nbanners")
        captionRightPadding: 21
        switchName: "bannersSwitch"
        checked: settings.showBanners
        onToggled: {
            var room = settings.classroom()
            settings.showBanners = !settings.showBanners
            if (room)
                room.setShowRoutingBanners(settings.showBanners, true)
            console.log("Create menu calling setShowBanners, setting " + settings.showBanners)
        }
    }
}
