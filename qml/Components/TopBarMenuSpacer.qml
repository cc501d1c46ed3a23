import QtQuick 2.12
import Common 1.0

Rectangle {
    width: parent ? parent.width : 0
    height: Math.round(Common.pixelHeight(2))
    color: "white"
}
