import QtQuick 2.12
import Common 1.0
import LayoutEditingSession 1.0
import "../Components"
import "../Common/EditorLogic.js" as EditorLogic

// The layout editor: a catalogue to drag from, the room's floor plan, the block dialogs, saving and leaving.
Item {
    id: createScreen

    property string classroomId
    readonly property QtObject layout: layoutEditingSession.layout
    readonly property string classroomName: layout.classroomName
    readonly property string classroomType: layout.classroomType
    property real classroomScale: 1.0
    readonly property alias dropZone: canvasDropArea
    signal needToEditClassroom(string classroomId)
    // changesDropped: the user left with unsaved edits, which the library still holds in memory.
    signal exited(bool changesDropped)
    signal saveFinished(bool succeeded)

    function enterScreen() {
        console.log("EVENT: Enter Editing Screen, classroom = " + classroomId)
        closeMenus()
        saveToast.dismiss()
        layoutEditingSession.startSession(classroomId)
        classroomScale = EditorLogic.clampZoom(layout.classroomScale)
        if (settingsManager.isFirstCreate)
            openFirstUseGuide()
        stateManager.requireSave(false)
    }

    function getRoutableBlock(index) {
        var view = canvas.blockView(index)
        if (!view && index !== -1)
            console.log("Returning null team block! index=[" + index + "]")
        return view
    }

    function closeMenus() {
        blockMenu.close()
        furnitureToolbar.close()
    }

    function openFirstUseGuide() {
        settingsManager.setIsFirstCreate(false)
        firstUseGuide.open()
    }

    function save() {
        createScreen.layout.classroomScale = createScreen.classroomScale
        layoutEditingSession.save()
        createScreen.closeMenus()
    }

    function leave(changesDropped) {
        layoutEditingSession.endSession()
        closeMenus()
        exited(changesDropped)
    }

    LayoutEditingSession {
        id: layoutEditingSession
        onLayoutSaveSuccess: {
            saveToast.show(true)
            createScreen.saveFinished(true)
        }
        onLayoutSaveFailure: {
            saveToast.show(false)
            createScreen.saveFinished(false)
        }
        onLayoutSaveRefused: {
            saveToast.showRefusal(reason)
            createScreen.saveFinished(false)
        }
    }

    ScreenBackground {}

    // The room fits above the save bar, as on the routing screen.
    Binding {
        target: Common
        property: "planRoom"
        value: ({ walls: outline.walls, top: Common.pixelHeight(8), bottom: saveBar.y - Common.pixelHeight(8) })
    }

    RoomOutline {
        id: outline
        anchors.fill: parent
        classroomType: createScreen.classroomType
    }

    EditorCanvas {
        id: canvas
        anchors.fill: parent
        layout: createScreen.layout
        session: layoutEditingSession
        roomScale: createScreen.classroomScale
        canvasLeft: catalogue.width
        onItemPressed: createScreen.closeMenus()
        onFurniturePressed: {
            blockMenu.close()
            furnitureToolbar.target = furniture
        }
        onBlockMenuRequested: {
            var p = createScreen.mapFromItem(null, windowX, windowY)
            furnitureToolbar.close()
            blockMenu.open(block, p.x, p.y)
        }
    }

    ZoomControl {
        // Inside the outline's top-right corner.
        x: outline.frame.x + outline.frame.width - outline.lineWidth - Common.pixelWidth(10) - width
        y: outline.frame.y + outline.lineWidth + Common.pixelHeight(10)
        onZoomIn: createScreen.classroomScale = EditorLogic.stepZoom(createScreen.classroomScale, EditorLogic.zoomStep)
        onZoomOut: createScreen.classroomScale = EditorLogic.stepZoom(createScreen.classroomScale, -EditorLogic.zoomStep)
    }

    FurnitureToolbar {
        id: furnitureToolbar
        layout: createScreen.layout
    }

    BlockMenu {
        id: blockMenu
        layout: createScreen.layout
        onEditRequested: blockDialogs.editBlock(block)
    }

    // The canvas part of the screen, right of the catalogue; drops count only here.
    Item {
        id: canvasDropArea
        anchors.left: catalogue.right
        anchors.right: parent.right
        height: parent.height
    }

    SaveBar {
        id: saveBar
        objectName: "saveBar"
        anchors.horizontalCenter: canvasDropArea.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Common.pixelHeight(10)
        visible: !blockDialogs.teamBlockDialogOpen
        onSaveClicked: {
            console.log("EVENT: Clicked Save")
            createScreen.save()
        }
        onExitClicked: {
            if (stateManager.saveRequired()) {
                leaveDialog.visible = true
            } else {
                console.log("EVENT: Exit Create")
                createScreen.leave(false)
            }
        }
    }

    SaveToast {
        id: saveToast
        anchors.horizontalCenter: saveBar.horizontalCenter
        anchors.bottom: saveBar.top
        anchors.bottomMargin: Common.pixelHeight(25)
        onRetryClicked: {
            console.log("EVENT: Retrying Save")
            createScreen.save()
        }
    }

    Catalogue {
        id: catalogue
        width: Common.pixelWidth(150)
        height: parent.height
        classroomId: createScreen.classroomId
        classroomName: createScreen.classroomName
        blockMode: blockDialogs.teamBlockDialogOpen
        hasPrimaryDisplay: createScreen.layout.primaryDisplay !== null
        onEditRoomRequested: createScreen.needToEditClassroom(createScreen.classroomId)
        onEntryDragMoved: {
            createScreen.closeMenus()
            catalogueDrag.move(entry, windowX, windowY)
        }
        onEntryDragReleased: catalogueDrag.release(windowX, windowY)
    }

    BlockDialogs {
        id: blockDialogs
        anchors.fill: parent
        layout: createScreen.layout
        dropArea: canvasDropArea
    }

    CatalogueDrag {
        id: catalogueDrag
        anchors.fill: parent
        layout: createScreen.layout
        dropZone: canvasDropArea
        roomScale: createScreen.classroomScale
        blockDialogs: blockDialogs
    }

    DimmingLayer {
        visible: leaveDialog.visible
    }

    LeaveDialog {
        id: leaveDialog
        anchors.centerIn: parent
        onConfirmed: {
            visible = false
            createScreen.leave(true)
        }
        onCancelled: visible = false
    }

    CreateFirstUseGuide {
        id: firstUseGuide
        anchors.centerIn: canvasDropArea
    }
}
