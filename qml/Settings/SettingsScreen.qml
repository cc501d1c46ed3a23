import QtQuick 2.12
import QtQuick.Layouts 1.12
import QtQuick.Window 2.12
import Common 1.0
import "../Components"
import "qrc:/qml/Common/SettingsLogic.js" as SettingsLogic

// The user's settings, laid over whatever screen is current. Changes apply at once;
// there is nothing to save. Sized in millimetres, unlike the design-grid screens.
Item {
    id: screen

    signal closed

    onVisibleChanged: if (visible) list.contentY = 0

    SettingsStyle {
        id: settingsStyle
        screenWidth: screen.width
        mm: Screen.pixelDensity
    }

    ScreenBackground {}

    // The screen below must not react to anything aimed at this one.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: SettingsLogic.columnWidth(screen.width)
        height: screen.height - 60
        spacing: settingsStyle.itemSpacing

        Rules {
            Layout.fillWidth: true
            style: settingsStyle
        }

        Item {
            Layout.fillWidth: true
            implicitHeight: Math.max(title.implicitHeight, closeButton.height)

            Text {
                id: title
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Settings")
                color: Common.textColor
                font.family: Common.gPrimaryFont
                font.bold: true
                font.pixelSize: 6 * settingsStyle.mm
            }

            // The plus of the floating picture, turned into a cross.
            Image {
                id: closeButton
                objectName: "settingsCloseButton"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: 7 * settingsStyle.mm
                height: width
                rotation: 45
                source: "qrc:///images/Floating.png"
                Accessible.role: Accessible.Button
                Accessible.name: qsTr("Close settings")
                Accessible.onPressAction: screen.closed()

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: {
                        console.log("EVENT: Close settings")
                        screen.closed()
                    }
                }
            }
        }

        ManagedNotice {
            style: settingsStyle
            maximumWidth: parent.width
            text: SettingsLogic.managedNotice(settingsManager.enforcedDoesRequirePasswordLogout,
                                              settingsManager.enforcedShouldFullscreenPrimaryPosts)
            visible: text.length > 0
        }

        SettingsList {
            id: list
            Layout.fillWidth: true
            Layout.fillHeight: true
            style: settingsStyle
        }

        Rules {
            Layout.fillWidth: true
            style: settingsStyle
            mirrored: true
        }
    }
}
