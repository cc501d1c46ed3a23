import QtQuick 2.12
import Common 1.0
import "Components"

// The bar across the top: product mark on the left, the user's name and menu on the right.
Rectangle {
    id: topBar

    property string userName
    property bool menuOpen: false
    signal aboutRequested
    signal settingsRequested
    signal logoutRequested

    color: Common.gToolbarColor

    Row {
        anchors.left: parent.left
        anchors.leftMargin: Common.pixelWidth(20)
        anchors.verticalCenter: parent.verticalCenter

        Image {
            anchors.verticalCenter: parent.verticalCenter
            width: 21
            height: 31
            sourceSize: Qt.size(42, 62)
            source: "qrc:///images/TrellionIcon.svg"
        }

        Text {
            anchors.verticalCenter: parent.verticalCenter
            leftPadding: Common.pixelWidth(10)
            text: "Trellion"
            color: Common.productNameColor
            font.family: Common.gPrimaryFont
            font.bold: true
            font.pixelSize: Common.pixelFont(20)
        }
    }

    Text {
        anchors.right: arrow.left
        anchors.rightMargin: Common.pixelWidth(10)
        anchors.verticalCenter: parent.verticalCenter
        visible: topBar.userName.length > 0
        text: topBar.userName
        horizontalAlignment: Text.AlignRight
        Accessible.role: Accessible.Button
        Accessible.name: topBar.userName
        Accessible.onPressAction: topBar.menuOpen = true
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.bold: true
        font.pixelSize: Common.pixelFont(12)

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: {
                console.debug("EVENT: Clicked Top Bar Username")
                topBar.menuOpen = true
            }
        }
    }

    Item {
        id: arrow
        anchors.right: parent.right
        anchors.rightMargin: Common.pixelWidth(30)
        anchors.verticalCenter: parent.verticalCenter
        width: Common.pixelWidth(20)
        height: Common.pixelHeight(20)
        Accessible.role: Accessible.ButtonMenu
        Accessible.name: qsTr("Account menu")
        Accessible.onPressAction: topBar.menuOpen = true

        Image {
            anchors.centerIn: parent
            sourceSize: Qt.size(20, 12)
            source: "qrc:///images/DropdownArrow.svg"
        }

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: {
                console.debug("EVENT: Clicked Top Bar Drop Down")
                topBar.menuOpen = true
            }
        }
    }

    TopBarMenu {
        id: menu
        objectName: "userMenu"
        visible: topBar.menuOpen
        focus: visible
        Keys.onEscapePressed: topBar.menuOpen = false
        anchors.top: parent.bottom
        anchors.right: arrow.right

        TopBarMenuItem {
            textToShow: qsTr("About")
            onItemClicked: { topBar.menuOpen = false; topBar.aboutRequested() }
        }
        TopBarMenuSpacer {}
        TopBarMenuItem {
            textToShow: qsTr("Settings")
            onItemClicked: { topBar.menuOpen = false; topBar.settingsRequested() }
        }
        TopBarMenuSpacer { visible: networkManager.isLoggedIn }
        TopBarMenuItem {
            visible: networkManager.isLoggedIn
            textToShow: qsTr("Logout")
            onItemClicked: { topBar.menuOpen = false; topBar.logoutRequested() }
        }
    }
}
