pragma Singleton
import QtQuick 2.12
import "PlanScale.js" as PlanScale

// The shared look: colours, fonts and the design-grid scaling every screen uses.
QtObject {
    readonly property int mainRootWidth: 1024
    readonly property int mainRootHeight: 768

    // The window's current size; the main window keeps these up to date.
    property real windowWidth: mainRootWidth
    property real windowHeight: mainRootHeight

    function pixelWidth(base) { return base * windowWidth / mainRootWidth }
    function pixelWidthReverse(base) { return base / (windowWidth / mainRootWidth) }
    function pixelHeight(base) { return base * windowHeight / mainRootHeight }
    function pixelHeightReverse(base) { return base / (windowHeight / mainRootHeight) }
    function pixelFont(base) { return base * windowHeight / mainRootHeight }
    function pixelScale() { return ((windowHeight / mainRootHeight) + (windowWidth / mainRootWidth)) / 2 }
    // What must stay readable from a step away grows with the window but never below its design size.
    function readablePixels(base) { return Math.max(base, base * pixelScale()) }

    // The room's plan keeps its proportions: blocks, furniture and walls go through these.
    // The room on the plan screen shown, and the band its title and menu leave: { walls, top, bottom }.
    property var planRoom: null
    readonly property var planFit: PlanScale.fit(windowWidth, windowHeight, planRoom)
    readonly property real planScale: planFit.scale
    function planX(base) { return PlanScale.toScreen(base, planFit.x, planFit.scale) }
    function planY(base) { return PlanScale.toScreen(base, planFit.y, planFit.scale) }
    function planXReverse(pixels) { return PlanScale.toDesign(pixels, planFit.x, planFit.scale) }
    function planYReverse(pixels) { return PlanScale.toDesign(pixels, planFit.y, planFit.scale) }

    readonly property color gBackgroundColor: "#415E8D"
    readonly property color gToolbarColor: "#1C2435"
    readonly property string gPrimaryFont: "Montserrat"

    readonly property color dialogColor: "#2B2E3D"
    readonly property color dialogBorderColor: "#AEB5BB"
    readonly property int dialogRadius: 5
    readonly property int dialogBorderWidth: 2
    readonly property color positiveColor: "#1F8EFA"
    readonly property color accentColor: "#FF3367"
    readonly property color productNameColor: "#FE4062"
    readonly property color textColor: "white"
    readonly property color cardColor: "#1E202B"
    readonly property color cardBorderColor: "#A8E6DC"
    readonly property color formColor: "#343E56"
    readonly property color formRuleColor: "#5E7A86"
    readonly property color menuDividerColor: "#5B6474"
    readonly property color noneBoxColor: "#20293C"
    readonly property color roomOutlineColor: "#F4FFC3"
    readonly property color inertColor: "#797979"
    readonly property color mutedTextColor: "#AEB5BB"
    readonly property color dimmingColor: "#6604040F"
    readonly property color successColor: "#2DB84B"
    readonly property color failureColor: "#FF423D"
    readonly property color inputUnderlineColor: "#58B7DF"
    readonly property int buttonRadius: 3
    readonly property int buttonWidth: 112
    readonly property int buttonHeight: 33
}
