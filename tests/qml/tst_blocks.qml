import QtQuick 2.12
import QtTest 1.2
import "qrc:/qml/Common/BlockLogic.js" as BlockLogic
import "qrc:/qml/Blocks"

Item {
    id: root
    width: 1024
    height: 768

    component FakeIcon: QtObject {
        property int iconIndex: 0
        property string iconName: "ChairRoundYellow"
        property real iconX: 10
        property real iconY: 10
        property real iconRotation: 0
        property real iconScale: 1
    }

    // Stands in for a team block object: the properties and calls the views and dialogs use.
    component FakeTeamBlock: QtObject {
        id: fake
        property int blockIndex: 3
        property string displayName: "Team"
        property string displayAddress: ""
        property string displayColor: "#b8bdbf"
        property string displayIcon: "DisplayYellow"
        property real displayX: 100
        property real displayY: 50
        property bool isAudioSource: false
        property bool isBeingSinkedInto: false
        property bool isActingAsSource: false
        property bool canAddIncomingRoute: false
        property bool canAddOutgoingRoute: false
        property bool isConnected: true
        property real teamRotation: 0
        property string teamTableIcon: "RoundTableYellow"
        property real teamTableIconRotation: 30
        property real teamTableIconScale: 2.5
        property string colorOfRoutingSource: "black"
        property var teamFurniture: []
        property var incomingRoutes: []
        property var removedIndexes: []
        property var added: []
        property QtObject copiedFrom: null
        function isPrimaryBlock() { return false }
        function removeFurnitureAt(index) { removedIndexes = removedIndexes.concat([index]) }
        function addFurniture(x, y, name, scale) { added = added.concat([{ x: x, y: y, name: name, scale: scale }]) }
        function copy(input, shouldCopyIndex) {
            copiedFrom = input
            if (shouldCopyIndex)
                blockIndex = input.blockIndex
            displayName = input.displayName
            displayAddress = input.displayAddress
        }
    }

    component FakeRoute: QtObject { property string displayColor: "red" }

    FakeIcon { id: chair; iconIndex: 1 }
    FakeTeamBlock { id: block; teamFurniture: [chair] }
    FakeTeamBlock { id: staging; blockIndex: 0 }

    TeamBlockObject { id: view; routingBlockObject: block; enableIconSelection: true }
    TeamBlockObject { id: emptyView }
    PrimaryDisplayBlock { id: primaryView }
    TeamBlockDialog { id: teamDialog; width: 874; height: 708; stagingTeamBlock: staging; dropArea: root }
    PrimaryDisplayDialog { id: primaryDialog }

    SignalSpy { id: teamConfirm; target: teamDialog; signalName: "confirm" }
    SignalSpy { id: primaryConfirm; target: primaryDialog; signalName: "confirm" }

    TestCase {
        name: "BlockLogic"

        function test_furnitureScaleStopsAtItsLimits_data() {
            return [
                { tag: "grows up to 3.0", scale: 2.9, step: 0.2, expected: 3.0 },
                { tag: "shrinks down to 0.4", scale: 0.5, step: -0.2, expected: 0.4 },
                { tag: "three steps down from 1.0 land on 0.4", scale: 0.6, step: -0.2, expected: 0.4 },
                { tag: "a missing scale counts as 1.0", scale: 0, step: 0.2, expected: 1.2 }
            ]
        }
        function test_furnitureScaleStopsAtItsLimits(data) {
            compare(BlockLogic.stepFurnitureScale(data.scale, data.step), data.expected)
        }

        function test_tableScaleStopsAtItsLimits() {
            compare(BlockLogic.stepTableScale(2.9, 0.2), 3.0)
            compare(BlockLogic.stepTableScale(0.9, -0.2), 0.8)
            compare(BlockLogic.stepTableScale(1.0, -0.2), 0.8)
        }

        function test_furnitureDropPosition() {
            compare(BlockLogic.furnitureDropPosition(200, 60, 300, 2), { x: 100, y: 30 })
            compare(BlockLogic.furnitureDropPosition(-1, 60, 300, 2), null)
            compare(BlockLogic.furnitureDropPosition(200, -1, 300, 2), null)
            compare(BlockLogic.furnitureDropPosition(301, 60, 300, 2), null)
            compare(BlockLogic.furnitureDropPosition(200, 301, 300, 2), null)
        }

        function test_onlyTablesBecomeTheTable() {
            verify(BlockLogic.isTableIcon("OvalTableYellow"))
            verify(!BlockLogic.isTableIcon("ChairRoundYellow"))
        }

        function test_dialFollowsTheHandle() {
            compare(BlockLogic.dialValue(0, -10), 0)
            compare(BlockLogic.dialValue(10, 0), -270)
            compare(BlockLogic.dialValue(0, 10), -180)
            compare(BlockLogic.dialValue(-10, 0), -90)
        }
    }

    TestCase {
        name: "BlockViews"

        function init() {
            view.deselectIcons()
        }

        function test_viewWithoutObjectShowsPlaceholders() {
            compare(emptyView.blockIndex, 0)
            compare(emptyView.displayName, "ERROR")
            compare(emptyView.displayAddress, "ERROR")
            compare(emptyView.displayColor, "black")
        }

        function test_lineAnchorIsTheImageAreaCentreInTheParent() {
            var origin = view.getOrigin()
            compare(origin.x, view.x + view.width / 2)
            compare(origin.y, view.y + view.height - 75)
        }

        // The white corner strokes drawn inside `item`.
        function cornerStrokes(item) {
            var count = 0
            for (var i = 0; i < item.children.length; ++i) {
                var child = item.children[i]
                if (child instanceof Rectangle && child.visible && Qt.colorEqual(child.color, "white"))
                    ++count
                count += cornerStrokes(child)
            }
            return count
        }

        function test_onlyTheSelectedItemCarriesCorners() {
            block.teamTableIcon = "RoundTableYellow"
            view.deselectIcons()
            compare(cornerStrokes(view.contents), 0)
            view.selectedFurniture = chair
            compare(cornerStrokes(view.contents), 8)
            view.isTableSelected = true
            view.selectedFurniture = null
            compare(cornerStrokes(view.contents), 8)
            view.deselectIcons()
            compare(cornerStrokes(view.contents), 0)
        }

        function test_selectedChairScalesWithinItsLimits() {
            var tableScale = block.teamTableIconScale
            view.selectedFurniture = chair
            chair.iconScale = 2.9
            view.scaleItem(0.2)
            compare(chair.iconScale, 3.0)
            view.scaleItem(0.2)
            compare(chair.iconScale, 3.0)
            compare(block.teamTableIconScale, tableScale)
            view.rotateItem(-15)
            compare(chair.iconRotation, -15)
        }

        function test_selectedTableScalesWithinItsLimits() {
            view.isTableSelected = true
            block.teamTableIconScale = 0.9
            view.scaleItem(-0.2)
            view.scaleItem(-0.2)
            compare(block.teamTableIconScale, 0.8)
        }

        function test_deletingTheTableResetsIt() {
            view.isTableSelected = true
            view.deleteItem()
            compare(block.teamTableIcon, "")
            compare(block.teamTableIconScale, 2)
            compare(block.teamTableIconRotation, 0)
            verify(!view.isTableSelected)
        }

        function test_deletingFurnitureRemovesItsIndex() {
            view.selectedFurniture = chair
            view.deleteItem()
            compare(block.removedIndexes, [1])
            compare(view.selectedFurniture, null)
        }
    }

    TestCase {
        name: "BlockDialogs"

        function init() {
            teamConfirm.clear()
            primaryConfirm.clear()
        }

        function test_teamBlockNeedsNameAndAddress() {
            block.displayAddress = ""
            teamDialog.showDialogForBlock(block, true)
            compare(staging.copiedFrom, block)
            compare(staging.blockIndex, 3)
            teamDialog.save()
            compare(teamConfirm.count, 0)
            verify(teamDialog.visible)
            block.displayName = ""
            teamDialog.showDialogForBlock(block, false)
            block.displayAddress = "127.0.0.1:49009"
            teamDialog.save()
            compare(teamConfirm.count, 0)
        }

        function test_malformedAddressesAreRefused() {
            block.displayName = "Team"
            block.displayAddress = "http://127.0.0.1:49009"
            teamDialog.showDialogForBlock(block, false)
            teamDialog.save()
            compare(teamConfirm.count, 0)
            primaryDialog.showDialogForEditingBlock("127.0.0.1/api", true)
            primaryDialog.save()
            compare(primaryConfirm.count, 0)
            primaryDialog.visible = false
        }

        function test_teamBlockConfirmsWithItsIndex() {
            block.displayName = "Team"
            block.displayAddress = "127.0.0.1:49009"
            teamDialog.showDialogForBlock(block, false)
            teamDialog.save()
            compare(teamConfirm.count, 1)
            compare(teamConfirm.signalArguments[0][0], 3)
            compare(staging.displayAddress, "127.0.0.1:49009")
            verify(!teamDialog.visible)
        }

        function test_droppedTableReplacesTheTable() {
            teamDialog.dropIcon(0, 0, 80, 80, "OvalTableYellow")
            compare(staging.teamTableIcon, "OvalTableYellow")
            compare(staging.added.length, 0)
        }

        function test_furnitureDroppedOutsideThePreviewIsIgnored() {
            staging.added = []
            teamDialog.dropIcon(-50, -50, 80, 80, "ChairRoundYellow")
            compare(staging.added.length, 0)
        }

        function test_primaryDisplayNeedsAnAddress() {
            primaryDialog.showDialogForNewBlock()
            primaryDialog.save()
            compare(primaryConfirm.count, 0)
            primaryDialog.showDialogForEditingBlock("127.0.0.1:49007", true)
            verify(primaryDialog.isEditing)
            primaryDialog.save()
            compare(primaryConfirm.count, 1)
            compare(primaryConfirm.signalArguments[0][0], "127.0.0.1:49007")
            compare(primaryConfirm.signalArguments[0][1], true)
            verify(!primaryDialog.visible)
        }
    }
}
