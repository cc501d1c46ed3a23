import QtQuick 2.12
import QtTest 1.2
import "qrc:/qml/Common/Placement.js" as Placement

TestCase {
    name: "Placement"

    function test_fitX_data() {
        return [
            { tag: "fits where placed", x: 100, width: 100, parent: 1024, expected: 100 },
            { tag: "near the right edge moves left", x: 980, width: 100, parent: 1024, expected: 924 },
            { tag: "right edge exactly on the parent's", x: 924, width: 100, parent: 1024, expected: 924 },
            { tag: "wider than the parent stays at the left edge", x: 50, width: 2000, parent: 1024, expected: 0 }
        ]
    }

    function test_fitX(data) {
        compare(Placement.fitX(data.x, data.width, data.parent), data.expected)
    }
}
