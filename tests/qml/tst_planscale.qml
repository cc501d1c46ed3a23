import QtQuick 2.12
import QtTest 1.2
import "qrc:/qml/Common/PlanScale.js" as PlanScale

TestCase {
    name: "PlanScale"

    // Screens below the top bar: the plan takes the smaller factor and is centred in what is left.
    function test_fit_data() {
        return [
            { tag: "design size draws as stored", w: 1024, h: 768, scale: 1, x: 0, y: 0 },
            { tag: "twice as wide keeps the size, centred across", w: 2048, h: 768, scale: 1, x: 512, y: 0 },
            { tag: "1920x1080 follows the height", w: 1920, h: 1080, scale: 1.40625, x: 240, y: 0 },
            { tag: "2560x1440 follows the height", w: 2560, h: 1440, scale: 1.875, x: 320, y: 0 },
            { tag: "a tall window follows the width, centred down", w: 1024, h: 1536, scale: 1, x: 0, y: 354 }
        ]
    }

    function test_fit(data) {
        var fit = PlanScale.fit(data.w, data.h)
        compare(fit.scale, data.scale)
        compare(fit.x, data.x)
        compare(fit.y, data.y)
    }

    function test_roundTrip() {
        var fit = PlanScale.fit(1920, 1080)
        var onScreen = PlanScale.toScreen(225, fit.x, fit.scale)
        compare(onScreen, 240 + 225 * 1.40625)
        compare(PlanScale.toDesign(onScreen, fit.x, fit.scale), 225)
    }
}
