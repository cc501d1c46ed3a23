import QtQuick 2.12
import QtQuick.Controls 2.12
import Common 1.0

// One of the login form's white input boxes.
TextField {
    width: parent.width
    height: Common.pixelHeight(62)
    color: "black"
    selectByMouse: true
    Accessible.name: placeholderText.trim()
    font.family: Common.gPrimaryFont
    font.pixelSize: Common.pixelFont(12)
    background: Rectangle {
        color: "white"
        radius: Common.dialogRadius
    }
}
