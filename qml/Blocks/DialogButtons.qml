import QtQuick 2.12
import "../Components"

// SAVE with CANCEL to its left, as the block dialogs place them (anchor the row's right edge).
Row {
    id: buttons

    property real buttonWidth
    property real buttonHeight
    property string saveObjectName
    property string cancelObjectName
    signal saveClicked
    signal cancelClicked

    layoutDirection: Qt.RightToLeft

    ButtonPositive {
        objectName: buttons.saveObjectName
        width: buttons.buttonWidth
        height: buttons.buttonHeight
        textToShow: qsTr("SAVE")
        onButtonClicked: buttons.saveClicked()
    }

    ButtonNeutral {
        objectName: buttons.cancelObjectName
        width: buttons.buttonWidth
        height: buttons.buttonHeight
        textToShow: qsTr("CANCEL")
        onButtonClicked: buttons.cancelClicked()
    }
}
