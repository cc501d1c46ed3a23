import QtQuick 2.12
import QtQuick.Window 2.12

Window {
    width: 1024
    height: 768
    visible: true
    title: IS_QT_DEBUG ? "Trellion [DEBUGGING]" : "Trellion"
}
