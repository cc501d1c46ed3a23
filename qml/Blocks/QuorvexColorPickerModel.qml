import QtQuick 2.12

// The style colours a team block can take, in the order the picker shows them.
ListModel {
    ListElement { colorValue: "#B8BDBF" }
    ListElement { colorValue: "#7080D4" }
    ListElement { colorValue: "#7AC4E5" }
    ListElement { colorValue: "#00BE89" }
    ListElement { colorValue: "#FF423D" }
    ListElement { colorValue: "#FB8048" }
    ListElement { colorValue: "#F3B11B" }
    ListElement { colorValue: "#F36F8F" }
    ListElement { colorValue: "#945ECF" }
    ListElement { colorValue: "#8F9FA5" }
    ListElement { colorValue: "#61B424" }
    ListElement { colorValue: "#55A3D8" }
}
