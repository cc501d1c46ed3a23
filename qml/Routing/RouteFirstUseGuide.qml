import QtQuick 2.12
import Common 1.0
import "../Components"

// The two pictures that introduce routing, shown the first time a room is routed.
FirstUseGuide {
    width: Common.pixelWidth(750)
    height: Common.pixelHeight(550)
    fitPictures: false
    steps: [
        { picture: "qrc:///images/firstux/RouteFirstUX1.png", caption: qsTr("Show one display's content on another display.") },
        { picture: "qrc:///images/firstux/RouteFirstUX2.png", caption: qsTr("Press and hold to show the Primary display's content on all displays.") }
    ]
    onVisibleChanged: if (visible) settingsManager.setIsFirstRoute(false)
}
