import QtQuick 2.12
import QtTest 1.2
import "qrc:/qml/Home"
import "qrc:/qml/Common/HomeLogic.js" as HomeLogic

// The home and room-settings screens against a stand-in classroom library.
Item {
    id: root
    width: 1024
    height: 708

    TestCase {
        id: testCase
        name: "Home"
        when: windowShown

        QtObject {
            id: stateManager
            property bool canUserEdit: true
        }

        QtObject {
            id: classroomLayoutManager
            property var classrooms: []
            property string failureText
            property int refreshes: 0
            property var calls: []
            signal orbethRequestSuccess
            signal orbethRequestFailure
            signal newRoomCreated(string newClassroomId)
            function refreshClassroomList() {
                refreshes++
                classrooms = []
                classroomsChanged()
            }
            function classroomLayout(id) {
                for (var i = 0; i < classrooms.length; ++i) {
                    if (classrooms[i].classroomId === id)
                        return classrooms[i]
                }
                return null
            }
            function duplicateClassroom(id) { calls.push(["duplicate", id]) }
            function deleteClassroomLayout(id) { calls.push(["delete", id]) }
            function createClassroom(name, building, number, type) { calls.push(["create", name, building, number, type]) }
        }

        Component {
            id: classroomComponent
            QtObject {
                property string classroomId
                property string classroomName
                property string classroomNumber: "101"
                property string classroomBuilding: "Main Hall"
                property string classroomType: "square"
                property string loadProblem
            }
        }

        Component {
            id: homeComponent
            HomeScreen { anchors.fill: parent }
        }

        Component {
            id: roomSettingsComponent
            RoomSettingsScreen { anchors.fill: parent }
        }

        SignalSpy { id: spy }

        function test_cutName_data() {
            return [
                { tag: "short", name: "Room 1", expected: "Room 1" },
                { tag: "exactly twenty", name: "ABCDEFGHIJKLMNOPQRST", expected: "ABCDEFGHIJKLMNOPQRST" },
                { tag: "twenty-five", name: "ABCDEFGHIJKLMNOPQRSTUVWXY", expected: "ABCDEFGHIJKLMNOPQRST..." }
            ]
        }

        function test_cutName(data) {
            compare(HomeLogic.cutName(data.name, HomeLogic.deleteNameLimit), data.expected)
        }

        function test_deleteQuestion() {
            compare(HomeLogic.deleteQuestion("Biology Lab"), "Are you sure you want to <br>delete <b>Biology Lab</b>?")
            compare(HomeLogic.deleteQuestion("<i>Lab</i> & more"),
                    "Are you sure you want to <br>delete <b>&lt;i&gt;Lab&lt;/i&gt; &amp; more</b>?")
        }

        function test_cardTexts() {
            compare(HomeLogic.roomNumberText("204"), "ROOM # 204")
            compare(HomeLogic.roomNumberText(""), "")
            compare(HomeLogic.roomPicture("open"), "qrc:///images/rooms/open.svg")
            compare(HomeLogic.roomPicture("none"), "")
            compare(HomeLogic.roomPicture(""), "")
            compare(HomeLogic.roomTypeName("rectangle"), "Rectangle")
            compare(HomeLogic.roomTypeName("none"), "")
            compare(HomeLogic.roomTypeName("studio"), "studio")
        }

        function test_scrollPosition() {
            compare(HomeLogic.scrollFraction(0, 0), 0.0)
            compare(HomeLogic.scrollFraction(300, 1200), 0.25)
            compare(HomeLogic.scrollOffset(0.25, 1200, 600), 300)
            // A shorter list cannot be scrolled as far as before.
            compare(HomeLogic.scrollOffset(0.9, 1000, 600), 400)
            compare(HomeLogic.scrollOffset(0.5, 400, 600), 0)
        }

        function watch(target, signalName) {
            spy.target = null
            spy.signalName = signalName
            spy.target = target
            spy.clear()
        }

        function classroom(id, name) {
            return createTemporaryObject(classroomComponent, testCase, { classroomId: id, classroomName: name })
        }

        function openHome(classrooms) {
            classroomLayoutManager.refreshes = 0
            classroomLayoutManager.calls = []
            var home = createTemporaryObject(homeComponent, root, { orbethDownloadClassrooms: true })
            home.enterScreen()
            classroomLayoutManager.classrooms = classrooms
            classroomLayoutManager.classroomsChanged()
            classroomLayoutManager.orbethRequestSuccess()
            return home
        }

        function test_downloadOnlyWhenDue() {
            var home = createTemporaryObject(homeComponent, root, { orbethDownloadClassrooms: true })
            classroomLayoutManager.refreshes = 0
            home.enterScreen()
            compare(classroomLayoutManager.refreshes, 1)
            verify(findChild(home, "homeLoadingRing").visible)
            verify(!findChild(home, "firstUsePanel").visible)
            classroomLayoutManager.orbethRequestSuccess()
            verify(!home.orbethDownloadClassrooms)
            verify(findChild(home, "firstUsePanel").visible)
            home.enterScreen()
            compare(classroomLayoutManager.refreshes, 1)
        }

        function test_failureOffersRetry() {
            var home = createTemporaryObject(homeComponent, root, { orbethDownloadClassrooms: true })
            home.enterScreen()
            classroomLayoutManager.orbethRequestFailure()
            verify(home.orbethDownloadClassrooms)
            verify(findChild(home, "failurePanel").visible)
            verify(!findChild(home, "addButton").visible)
            verify(!findChild(home, "firstUsePanel").visible)
            classroomLayoutManager.refreshes = 0
            mouseClick(findChild(home, "retryButton"))
            compare(classroomLayoutManager.refreshes, 1)
            verify(!findChild(home, "failurePanel").visible)
            verify(findChild(home, "homeLoadingRing").visible)
        }

        function test_unreadableListIsNamed() {
            var home = createTemporaryObject(homeComponent, root, { orbethDownloadClassrooms: true })
            home.enterScreen()
            classroomLayoutManager.failureText = "The classroom list could not be read"
            classroomLayoutManager.orbethRequestFailure()
            var panel = findChild(home, "failurePanel")
            verify(panel.visible)
            verify(findChild(panel, "failureText").text === "The classroom list could not be read")
            classroomLayoutManager.failureText = ""
        }

        function test_roomThatCannotOpenSaysWhy() {
            var big = classroom("big", "Arena")
            big.loadProblem = "Too big to open"
            var home = openHome([big])
            watch(home, "enterClassroom")
            var grid = findChild(home, "classroomGrid")
            waitForRendering(grid)
            var card = findChild(grid, "classroomCard")
            var problem = findChild(card, "cardProblemText")
            verify(problem.visible)
            compare(problem.text, "Too big to open")
            mouseClick(card, card.width / 2, card.height / 2)
            compare(spy.count, 0)
        }

        function test_cardOpensClassroom() {
            stateManager.canUserEdit = false
            var home = openHome([classroom("c1", "Biology Lab")])
            watch(home, "enterClassroom")
            var grid = findChild(home, "classroomGrid")
            compare(grid.count, 1)
            waitForRendering(grid)
            var card = findChild(grid, "classroomCard")
            verify(!findChild(card, "classroomMenuButton").visible)
            mouseClick(card, card.width - 5, 5)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], "c1")
            stateManager.canUserEdit = true
        }

        function test_menuNearRightEdgeStaysOnScreen() {
            var home = openHome([classroom("c1", "A"), classroom("c2", "B"), classroom("c3", "C")])
            var grid = findChild(home, "classroomGrid")
            waitForRendering(grid)
            var lastCard = grid.itemAtIndex(2)
            var corner = lastCard.mapToItem(home, lastCard.width - 20, 20)
            mouseClick(home, corner.x, corner.y)
            var menu = findChild(home, "classroomMenu")
            verify(menu.visible)
            verify(corner.x + menu.width > home.width)
            compare(menu.x + menu.width, home.width)
            compare(menu.y, corner.y)
        }

        function test_deleteAsksFirst() {
            var name = "A Very Long Classroom Name"
            var home = openHome([classroom("c1", name)])
            var grid = findChild(home, "classroomGrid")
            waitForRendering(grid)
            var card = findChild(grid, "classroomCard")
            var cornerInHome = card.mapToItem(home, card.width - 10, 10)
            mouseClick(home, cornerInHome.x, cornerInHome.y)
            var menu = findChild(home, "classroomMenu")
            verify(menu.visible)
            compare(menu.x, cornerInHome.x)
            mouseClick(menu, menu.width / 2, menu.height * 5 / 6)
            verify(!menu.visible)
            var dialog = findChild(home, "deleteDialog")
            verify(dialog.visible)
            compare(dialog.text, "Are you sure you want to <br>delete <b>A Very Long Classroo...</b>?")
            compare(classroomLayoutManager.calls.length, 0)
            dialog.confirmed()
            verify(!dialog.visible)
            compare(classroomLayoutManager.calls, [["delete", "c1"]])
        }

        function test_newRoomWaitsForTheService() {
            var screen = createTemporaryObject(roomSettingsComponent, root, { classroomId: "" })
            screen.enterScreen()
            waitForRendering(screen)
            classroomLayoutManager.calls = []
            mouseClick(findChild(screen, "roomSaveButton"))
            compare(classroomLayoutManager.calls.length, 0)
            findChild(screen, "roomNameInput").inputText = "Biology Lab"
            findChild(screen, "roomNumberInput").inputText = "12"
            findChild(screen, "roomBuildingInput").inputText = "North"
            mouseClick(findChild(screen, "shapeTile_open"))
            watch(screen, "finishedEditing")
            mouseClick(findChild(screen, "roomSaveButton"))
            compare(classroomLayoutManager.calls, [["create", "Biology Lab", "North", "12", "open"]])
            compare(spy.count, 0)
            classroomLayoutManager.newRoomCreated("new-id")
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], "new-id")
        }

        function test_existingRoomIsChangedInPlace() {
            var room = classroom("c7", "Old Name")
            classroomLayoutManager.classrooms = [room]
            var screen = createTemporaryObject(roomSettingsComponent, root, { classroomId: "c7" })
            screen.enterScreen()
            waitForRendering(screen)
            var nameInput = findChild(screen, "roomNameInput")
            compare(nameInput.inputText, "Old Name")
            nameInput.inputText = "New Name"
            mouseClick(findChild(screen, "shapeTile_none"))
            watch(screen, "finishedEditing")
            mouseClick(findChild(screen, "roomSaveButton"))
            compare(room.classroomName, "New Name")
            compare(room.classroomType, "none")
            compare(room.classroomNumber, "101")
            compare(spy.signalArguments[0][0], "c7")
        }

        function test_cancelReportsWhatWasBeingDone() {
            var screen = createTemporaryObject(roomSettingsComponent, root, { classroomId: "" })
            screen.enterScreen()
            waitForRendering(screen)
            watch(screen, "cancelledEditing")
            mouseClick(findChild(screen, "roomCancelButton"))
            compare(spy.signalArguments[0][0], true)
        }
    }
}
