.pragma library

// Block, furniture and wall positions are stored on the design grid of a 1024 by 708 screen (what
// is left below the top bar of a 1024 by 768 window). The plan scales by one factor, the window's
// smaller one, so the room keeps its proportions, and is centred in the screen; at the design size
// it is drawn exactly as stored.
var designWidth = 1024
var designWindowHeight = 768
var designScreenHeight = 708

// The plan's factor and its top-left corner on a screen filling the window below the top bar.
// `room` (or null) holds the walls and the band of the screen, in pixels, that the screen's title and
// menu leave free: a room that would reach into them moves into the band, and one taller than the
// band shrinks to fit it, centred there.
function fit(windowWidth, windowHeight, room) {
    var scale = Math.min(windowWidth / designWidth, windowHeight / designWindowHeight)
    var screenHeight = designScreenHeight * windowHeight / designWindowHeight
    var y = (screenHeight - designScreenHeight * scale) / 2
    if (room && room.walls && room.bottom > room.top) {
        var wallsHeight = room.walls.bottom - room.walls.top
        var bandScale = (room.bottom - room.top) / wallsHeight
        if (bandScale < scale) {
            scale = bandScale
            y = room.top - room.walls.top * scale
        } else {
            y = Math.max(y, room.top - room.walls.top * scale)
            y = Math.min(y, room.bottom - room.walls.bottom * scale)
        }
    }
    return { scale: scale, x: (windowWidth - designWidth * scale) / 2, y: y }
}

// A design-grid coordinate on the screen along one axis, `offset` being the plan's corner there.
function toScreen(base, offset, scale) { return offset + base * scale }
function toDesign(pixels, offset, scale) { return (pixels - offset) / scale }
