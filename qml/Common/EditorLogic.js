.pragma library

// Limits, placement and drop rules of the layout editor.

var zoomMinimum = 0.6
var zoomMaximum = 1.6
var zoomStep = 0.2
var furnitureScaleStep = 0.2
var furnitureRotationStep = 15
var smallestFurnitureScale = 0.1
var furnitureMinimumPosition = 5
// Scale given to furniture dropped onto the room.
var droppedFurnitureScale = 2.0

// Steps are tenths; rounding keeps 1.0 - 0.2 - 0.2 at exactly 0.6 instead of 0.6000000000000001.
function roundTo(value, decimals) {
    var factor = Math.pow(10, decimals)
    return Math.round(value * factor) / factor
}

function clampZoom(value) {
    var rounded = roundTo(value, 2)
    if (rounded <= zoomMinimum)
        return zoomMinimum
    if (rounded >= zoomMaximum)
        return zoomMaximum
    return rounded
}

function stepZoom(current, step) {
    return clampZoom(current + step)
}

// Loose furniture has no upper limit; nothing may vanish, so 0 or less becomes the smallest scale.
function furnitureScale(scale) {
    return scale <= 0 ? smallestFurnitureScale : scale
}

function stepFurnitureScale(current, step) {
    return furnitureScale(roundTo(current + step, 2))
}

// Where a dragged block may go: right of the catalogue and inside the screen. A block larger than
// the canvas stays pinned to its top-left rather than getting an inverted range.
function dragBounds(canvasLeft, screenWidth, screenHeight, itemWidth, itemHeight) {
    return {
        minX: canvasLeft,
        maxX: Math.max(canvasLeft, screenWidth - itemWidth),
        minY: 0,
        maxY: Math.max(0, screenHeight - itemHeight)
    }
}

// Room furniture dropped with its drag image's top-left corner at (x, y).
function furnitureDropPosition(x, y, width, height) {
    return { x: x + width / 2, y: y - height / 2 }
}

// What a catalogue entry becomes when dropped.
function dropKind(iconName) {
    if (iconName === "PrimaryFlatScreen")
        return "primaryDisplay"
    if (iconName === "DisplayYellow" || iconName === "ProjectorYellow")
        return "teamBlock"
    return "furniture"
}

// Catalogue sections in order; block mode (a team block dialog is open) offers only what a block can hold.
var sections = [
    { title: QT_TR_NOOP("Door"), panelHeight: 110, entries: [
        { caption: QT_TR_NOOP("Door"), iconName: "DoorYellow", iconScale: 2 } ] },
    { title: QT_TR_NOOP("Displays"), panelHeight: 325, entries: [
        { caption: QT_TR_NOOP("Primary Display"), iconName: "PrimaryFlatScreen", iconScale: 0.5 },
        { caption: QT_TR_NOOP("Flat Panel"), iconName: "DisplayYellow", iconScale: 2 },
        { caption: QT_TR_NOOP("Projector"), iconName: "ProjectorYellow", iconScale: 2 } ] },
    { title: QT_TR_NOOP("Tables"), panelHeight: 325, entries: [
        { caption: QT_TR_NOOP("Round"), iconName: "RoundTableYellow", iconScale: 2 },
        { caption: QT_TR_NOOP("Oval"), iconName: "OvalTableYellow", iconScale: 2 },
        { caption: QT_TR_NOOP("Rectangle"), iconName: "RectangleTableYellow", iconScale: 2 } ] },
    { title: QT_TR_NOOP("Chairs"), panelHeight: 220, entries: [
        { caption: QT_TR_NOOP("Round"), iconName: "ChairRoundYellow", iconScale: 2 },
        { caption: QT_TR_NOOP("Square"), iconName: "ChairSquareYellow", iconScale: 2 } ] },
    { title: QT_TR_NOOP("Settings"), panelHeight: 150, entries: [] }
]

var normalModeMenu = "Displays"
var blockModeMenu = "Tables"

function isSectionShown(title, blockMode) {
    return !blockMode || (title !== "Door" && title !== "Displays")
}

// A catalogue icon is drawn at its natural size times its scale, shrunk where that would overflow the tile.
function tileIconFactor(naturalWidth, naturalHeight, iconScale, maxWidth, maxHeight) {
    if (naturalWidth <= 0 || naturalHeight <= 0)
        return iconScale
    return Math.min(iconScale, maxWidth / naturalWidth, maxHeight / naturalHeight)
}
