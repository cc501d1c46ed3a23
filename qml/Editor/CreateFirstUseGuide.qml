import QtQuick 2.12
import Common 1.0
import "../Components"

// Shown on the first visit to the editor only.
FirstUseGuide {
    width: Common.pixelWidth(850)
    height: Common.pixelHeight(650)
    steps: [
        { picture: "qrc:///images/firstux/CreateFirstUX1.png",
          caption: qsTr("If you have a Primary Display in your space, drag one \nfrom the menu on the left that most closely matches onto the canvas.") },
        { picture: "qrc:///images/firstux/CreateFirstUX2.png",
          caption: qsTr("Add furniture elements to your room or Display Blocks \nso that they generally match the layout of the space.") },
        { picture: "qrc:///images/firstux/CreateFirstUX3.png",
          caption: qsTr("Select a furniture element to edit size, orientation or to delete it.") }
    ]
}
