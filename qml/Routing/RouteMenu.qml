import QtQuick 2.12
import Common 1.0
import "../Common/RoutingLogic.js" as RoutingLogic

// The bar at the bottom of the plan: new message, one toggle per overlay message, reset,
// primary to all, banners and exit.
Rectangle {
    id: menu

    property var routingSession
    property var messages: routingSession ? routingSession.overlayMessageManager.messages : []
    property int selectedMessage: -1
    // The text of the shown overlay, so the selection follows it when the list is fetched again.
    property string selectedText
    property bool bannersShown: true
    property bool hasPrimaryDisplay: false
    // False while a dialog lies over the screen: the menu's shortcuts wait.
    property bool shortcutsEnabled: true
    signal addNewClicked
    signal exitClicked

    function refreshBanners() { bannersShown = routingSession.isShowRoutingBanners() }
    function clearSelection() { select(-1) }
    function select(index) {
        selectedMessage = index
        selectedText = index >= 0 ? messages[index].message : ""
    }

    onMessagesChanged: {
        var found = -1
        for (var i = 0; i < messages.length && selectedText.length > 0; ++i) {
            if (messages[i].message === selectedText)
                found = i
        }
        selectedMessage = found
    }

    width: Common.pixelWidth(RoutingLogic.menuWidth(messages.length))
    height: Common.pixelHeight(70)
    color: Common.gToolbarColor
    radius: 5

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Common.pixelHeight(10)

        RouteMenuItem {
            caption: qsTr("Add New")
            iconName: "AddNew"
            shortcut: "Ctrl+N"
            shortcutEnabled: menu.shortcutsEnabled
            onClicked: menu.addNewClicked()
        }

        Repeater {
            model: menu.messages

            RouteMenuItem {
                caption: modelData.message
                iconName: modelData.iconName
                iconType: modelData.iconType
                iconText: modelData.iconText
                withCircle: true
                activeState: menu.selectedMessage === index
                shortcut: "Ctrl+" + (index + 1)
                shortcutEnabled: menu.shortcutsEnabled
                onClicked: {
                    menu.select(RoutingLogic.toggledSelection(menu.selectedMessage, index))
                    console.log("EVENT: Display Overlay")
                    menu.routingSession.showOverlay(menu.selectedMessage === index ? modelData.message : "", false)
                }
            }
        }

        RouteMenuItem {
            caption: qsTr("Reset")
            iconName: "Reset"
            shortcut: "Ctrl+R"
            shortcutEnabled: menu.shortcutsEnabled
            onClicked: {
                console.log("EVENT: Reset")
                menu.routingSession.reset()
                menu.clearSelection()
            }
        }

        RouteMenuItem {
            caption: qsTr("Primary to All")
            iconName: "PrimarytoAll"
            shortcut: "Ctrl+P"
            shortcutEnabled: menu.shortcutsEnabled
            enabled: menu.hasPrimaryDisplay
            onClicked: menu.routingSession.routePrimaryToAll()
        }

        RouteMenuItem {
            caption: qsTr("Banners")
            iconName: menu.bannersShown ? "BannersShow" : "BannersHide"
            shortcut: "Ctrl+B"
            shortcutEnabled: menu.shortcutsEnabled
            onClicked: {
                menu.routingSession.toggleRoutingBanners()
                menu.refreshBanners()
            }
        }

        RouteMenuItem {
            caption: qsTr("Exit")
            iconName: "Exit"
            shortcut: "Ctrl+W"
            shortcutEnabled: menu.shortcutsEnabled
            onClicked: menu.exitClicked()
        }
    }
}
