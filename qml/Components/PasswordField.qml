import QtQuick 2.12
import QtQuick.Controls 2.12
import Common 1.0

// A masked password field on a white rounded background.
TextField {
    placeholderText: qsTr("Password")
    echoMode: TextInput.Password
    inputMethodHints: Qt.ImhSensitiveData | Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
    color: "black"
    selectByMouse: true
    font.family: Common.gPrimaryFont
    font.pixelSize: Common.pixelFont(12)
    implicitHeight: Common.pixelHeight(40)
    background: Rectangle {
        color: "white"
        radius: Common.dialogRadius
    }
}
