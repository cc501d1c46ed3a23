import QtQuick 2.12
import Common 1.0

// Base of every block view: mirrors one block object of the classroom and places itself where the
// layout stores it (design-grid values). A view without an object draws the placeholders below.
Item {
    id: block

    property var routingBlockObject: null

    property int blockIndex: routingBlockObject ? routingBlockObject.blockIndex : 0
    property string displayName: routingBlockObject ? routingBlockObject.displayName : "ERROR"
    property string displayAddress: routingBlockObject ? routingBlockObject.displayAddress : "ERROR"
    property string displayColor: routingBlockObject ? routingBlockObject.displayColor : "black"
    property string displayIcon: routingBlockObject ? routingBlockObject.displayIcon : ""
    property real displayX: routingBlockObject ? routingBlockObject.displayX : 0
    property real displayY: routingBlockObject ? routingBlockObject.displayY : 0
    property bool isAudioSource: routingBlockObject ? routingBlockObject.isAudioSource : false
    property bool isBeingSinkedInto: routingBlockObject ? routingBlockObject.isBeingSinkedInto : false
    property bool isActingAsSource: routingBlockObject ? routingBlockObject.isActingAsSource : false
    property bool canAddIncomingRoute: routingBlockObject ? routingBlockObject.canAddIncomingRoute : false
    property bool canAddOutgoingRoute: routingBlockObject ? routingBlockObject.canAddOutgoingRoute : false
    property bool isConnected: routingBlockObject ? routingBlockObject.isConnected : false
    property bool isConnecting: routingBlockObject ? routingBlockObject.isConnecting : false
    property bool addressRefused: routingBlockObject ? routingBlockObject.addressProblem !== "" : false
    property bool isPrimaryDisplay: routingBlockObject ? routingBlockObject.isPrimaryBlock() : false

    property bool isInRoutingScreen: false
    // The band along the top that holds the name: nothing laid over the block may cover it.
    property real nameBandHeight: 0
    property real roomScale: 1.0
    // Drawings inside a block keep their proportions: they grow with the window's smaller scale.
    readonly property real contentScale: Common.planScale

    // Where route lines meet this view, in its own coordinates; each kind of block sets it.
    property point lineAnchor: Qt.point(width / 2, height / 2)
    readonly property bool showsConnecting: isInRoutingScreen && isConnecting
    readonly property bool showsDisconnected: isInRoutingScreen && !isConnected && !isConnecting

    // The line anchor in the parent's coordinates.
    function getOrigin() {
        return Qt.point(x + lineAnchor.x, y + lineAnchor.y)
    }

    x: Common.planX(displayX)
    y: Common.planY(displayY)
    // On the routing plan a screen reader also hears the block's routes and whether it answers.
    Accessible.role: Accessible.Button
    Accessible.name: !routingBlockObject ? "" : isInRoutingScreen ? routingBlockObject.accessibleName : displayName
}
