import QtQuick 2.12
import QtTest 1.2
import "qrc:/qml/Routing"

// The screen-key dialog as a user types into it: the focus walks the four cells, CONFIRM turns
// blue and answers only once all four hold a character, and reopening starts afresh.
Item {
    width: 1024
    height: 708

    ScreenKeyDialog {
        id: dialog
        anchors.centerIn: parent
    }

    SignalSpy {
        id: confirmed
        target: dialog
        signalName: "keyConfirmed"
    }

    TestCase {
        name: "ScreenKey"
        when: windowShown

        function field(i) { return findChild(dialog, "screenKeyField" + i) }
        function confirmButton() { return findChild(dialog, "screenKeyConfirm") }
        function hasFocus(i) { return field(i).editing }

        function init() {
            confirmed.clear()
            dialog.checking = false
            dialog.showDialog("Studio 4")
        }

        function test_typingMovesTheFocusAlong() {
            verify(hasFocus(0))
            keyClick("a")
            verify(hasFocus(1))
            keyClick("b")
            keyClick("c")
            verify(hasFocus(3))
            keyClick("d")
            for (var i = 0; i < 4; ++i)
                verify(!hasFocus(i), "the fourth character gives the focus up")
            compare(dialog.key, "ABCD") // the displays show capitals
        }

        function test_confirmWaitsForFourCharacters() {
            keyClick("a")
            keyClick("b")
            keyClick("c")
            compare(Qt.colorEqual(confirmButton().color, "#797979"), true)
            mouseClick(confirmButton())
            compare(confirmed.count, 0)
            keyClick("d")
            compare(Qt.colorEqual(confirmButton().color, "#1F8EFA"), true)
            mouseClick(confirmButton())
            compare(confirmed.count, 1)
            compare(confirmed.signalArguments[0][0], "ABCD")
        }

        function test_noSecondCheckWhileOneRuns() {
            keyClick("w")
            keyClick("x")
            keyClick("y")
            keyClick("z")
            dialog.checking = true
            mouseClick(confirmButton())
            compare(confirmed.count, 0)
        }

        function test_focusingAFilledCellEmptiesIt() {
            keyClick("a")
            keyClick("b")
            mouseClick(field(0))
            compare(field(0).text, "")
            compare(field(1).text, "b")
        }

        function test_reopeningStartsEmpty() {
            keyClick("a")
            keyClick("b")
            dialog.showDialog("Studio 4")
            for (var i = 0; i < 4; ++i)
                compare(field(i).text, "")
            verify(hasFocus(0))
        }
    }
}
