import QtQuick 2.12

// A filled circle of `size` pixels centred on `center`.
Rectangle {
    property point center
    property real size: 10

    x: center.x - size / 2
    y: center.y - size / 2
    width: size
    height: size
    radius: size / 2
    antialiasing: true
}
