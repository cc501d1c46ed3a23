import QtQuick 2.12
import Common 1.0
import "../Blocks"
import "../Components"

// The classroom as routed: outline, route lines, the primary display, team blocks and furniture,
// all 75 scaled left of where the layout stores them.
Item {
    id: plan

    property var layout: null
    property string classroomType: "none"
    property real classroomScale: 1.0
    property var routingLines: []
    signal removeRoute(var routeLine)

    readonly property real shiftX: 75 * Common.planScale
    readonly property var primaryView: primaryLoader.item
    readonly property int teamCount: teams.count

    function teamView(index) { return teams.itemAt(index) }
    function viewFor(index) { return index === -1 ? primaryView : teamView(index) }
    function anchorOf(index) {
        var view = viewFor(index)
        return view ? view.getOrigin() : Qt.point(0, 0)
    }
    function rectOf(view) { return view ? Qt.rect(view.x, view.y, view.width, view.height) : null }

    objectName: "routePlan"

    RoomOutline {
        anchors.fill: parent
        classroomType: plan.classroomType
        shiftX: plan.shiftX
    }

    Repeater {
        model: plan.routingLines

        RouteLineView {
            anchors.fill: parent
            routeLine: modelData
            sourcePoint: plan.anchorOf(modelData.sourceIndex)
            sinkPoint: plan.anchorOf(modelData.sinkIndex)
            onRemoveRequested: plan.removeRoute(modelData)
        }
    }

    Loader {
        id: primaryLoader
        active: plan.layout !== null && plan.layout.primaryDisplay !== null
        sourceComponent: PrimaryDisplayBlock {
            routingBlockObject: plan.layout.primaryDisplay
            isInRoutingScreen: true
            roomScale: plan.classroomScale
            x: Common.planX(displayX) - plan.shiftX
        }
    }

    Repeater {
        id: teams
        model: plan.layout ? plan.layout.teamBlocks : []

        TeamBlockObject {
            routingBlockObject: modelData
            isInRoutingScreen: true
            roomScale: plan.classroomScale
            x: Common.planX(displayX) - plan.shiftX
        }
    }

    Repeater {
        model: plan.layout ? plan.layout.furniture : []

        ScaledIcon {
            x: Common.planX(modelData.iconX) - plan.shiftX
            y: Common.planY(modelData.iconY)
            rotation: modelData.iconRotation
            factor: (modelData.iconScale > 0 ? modelData.iconScale : 0.1) * plan.classroomScale * Common.planScale
            source: "qrc:///images/icons/" + modelData.iconName + ".svg"
        }
    }
}
