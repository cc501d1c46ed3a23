import QtQuick 2.12

// The line being drawn: from the source block's anchor to the pointer, with a dot at its start.
Item {
    id: band

    property point from
    property point to
    property color color

    visible: false

    RouteStroke {
        from: band.from
        to: band.to
        color: band.color
    }

    Dot { center: band.from; size: 10; color: band.color }
}
