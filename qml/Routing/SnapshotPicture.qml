import QtQuick 2.12

// One snapshot, always fetched afresh from the image provider.
Image {
    anchors.fill: parent
    cache: false
    fillMode: Image.PreserveAspectFit
}
