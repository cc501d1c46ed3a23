.pragma library

// Limits and placement rules for the items inside a team block and its settings dialog.

var furnitureMinScale = 0.4
var furnitureMaxScale = 3.0
var tableMinScale = 0.8
var tableMaxScale = 3.0
var minFurnitureOffset = 5
// The dialog's preview draws its block at this zoom.
var previewZoom = 2

// Stored scales can be 0 or negative (an absent key reads as 0); such items draw at their natural size.
function effectiveScale(scale) {
    return scale > 0 ? scale : 1.0
}

// Steps of 0.2 accumulate floating-point noise; three decimals is what the layout document keeps anyway.
function clampScale(scale, step, minimum, maximum) {
    var next = Math.round((effectiveScale(scale) + step) * 1000) / 1000
    if (next <= minimum)
        return minimum
    return next > maximum ? maximum : next
}

function stepFurnitureScale(scale, step) {
    return clampScale(scale, step, furnitureMinScale, furnitureMaxScale)
}

function stepTableScale(scale, step) {
    return clampScale(scale, step, tableMinScale, tableMaxScale)
}

// Any catalogue entry whose name mentions a table becomes the block's one table.
function isTableIcon(iconName) {
    return iconName.indexOf("Table") >= 0
}

// Where furniture dropped on the open dialog lands in the staging block's design units, or null when it
// falls outside the block. (x, y): the drop in the block's square of `size`, drawn `zoom` times larger.
function furnitureDropPosition(x, y, size, zoom) {
    if (x < 0 || y < 0 || x > size || y > size)
        return null
    return { x: x / zoom, y: y / zoom }
}

// The handle of the rotation dial sits at the block's rotation, in -360..0 degrees, 0 at the top, clockwise.
function dialValue(dx, dy) {
    var clockwise = Math.atan2(dx, -dy) * 180 / Math.PI
    if (clockwise < 0)
        clockwise += 360
    return clockwise > 0 ? clockwise - 360 : 0
}
