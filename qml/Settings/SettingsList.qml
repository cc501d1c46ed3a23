import QtQuick 2.12
import QtQuick.Controls 2.12
import Common 1.0
import "qrc:/qml/Common/SettingsLogic.js" as SettingsLogic

// The settings themselves, scrolling when the window is too low to show them all.
// Each control shows its setting and writes it at once; enforced ones are locked.
Flickable {
    id: list

    property SettingsStyle style

    contentWidth: width
    contentHeight: content.implicitHeight
    boundsBehavior: Flickable.StopAtBounds
    clip: true

    ScrollBar.vertical: ScrollBar {
        id: scrollBar
        policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        Accessible.name: qsTr("Scroll settings")
    }

    Column {
        id: content
        width: list.width - (scrollBar.policy === ScrollBar.AlwaysOn ? scrollBar.width + list.style.mm : 0)
        spacing: list.style.itemSpacing

        SettingSwitchBox {
            width: parent.width
            style: list.style
            text: qsTr("Password required for logout")
            switchObjectName: "passwordLogoutSwitch"
            checked: settingsManager.doesRequirePasswordLogout
            locked: settingsManager.enforcedDoesRequirePasswordLogout
            onToggled: settingsManager.doesRequirePasswordLogout = !settingsManager.doesRequirePasswordLogout
        }

        SettingSwitchBox {
            width: parent.width
            style: list.style
            text: qsTr("Enable frame forwarding optimization")
            switchObjectName: "frameForwardingSwitch"
            checked: settingsManager.doesFrameForwarding
            onToggled: settingsManager.doesFrameForwarding = !settingsManager.doesFrameForwarding
        }

        Column {
            width: parent.width
            spacing: 3 * list.style.mm

            Text {
                width: parent.width
                text: qsTr("Primary Display Sharing Mode")
                wrapMode: Text.WordWrap
                color: Common.textColor
                font.family: Common.gPrimaryFont
                font.bold: true
                font.pixelSize: 3.5 * list.style.mm
            }

            Text {
                width: parent.width
                text: qsTr("Sets how content from the primary display shows when routed to a team display. "
                      + "Full screen covers all posts shared to the team display. "
                      + "Side by side shows primary display content next to team display posts.")
                wrapMode: Text.WordWrap
                color: Common.textColor
                font.family: Common.gPrimaryFont
                font.pixelSize: list.style.labelSize
            }
        }

        Grid {
            readonly property var arrangement: SettingsLogic.modeColumns(content.width,
                fullScreenOption.implicitWidth, sideBySideOption.implicitWidth, list.style.mm)

            columns: arrangement.sideBySide ? 2 : 1
            columnSpacing: arrangement.spacing
            rowSpacing: list.style.itemSpacing

            SharingModeOption {
                id: fullScreenOption
                objectName: "fullScreenOption"
                style: list.style
                text: qsTr("Full screen")
                picture: "qrc:///images/FullScreen.png"
                checked: settingsManager.shouldFullscreenPrimaryPosts
                locked: settingsManager.enforcedShouldFullscreenPrimaryPosts
                onChosen: settingsManager.shouldFullscreenPrimaryPosts = true
            }

            SharingModeOption {
                id: sideBySideOption
                objectName: "sideBySideOption"
                style: list.style
                text: qsTr("Side by side")
                picture: "qrc:///images/SideBySide.png"
                checked: !settingsManager.shouldFullscreenPrimaryPosts
                locked: settingsManager.enforcedShouldFullscreenPrimaryPosts
                onChosen: settingsManager.shouldFullscreenPrimaryPosts = false
            }
        }
    }
}
