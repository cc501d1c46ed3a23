.pragma library

// Block, furniture and wall positions are stored on the design grid of a 1024 by 708 screen (what
// is left below the top bar of a 1024 by 768 window). The plan scales by one factor, the window's
// smaller one, so the room keeps its proportions, and is centred in the screen; at the design size
// it is drawn exactly as stored.
var designWidth = 1024
var designWindowHeight = 768
var designScreenHeight = 708

// The plan's factor and its top-left corner on a screen filling the window below the top bar.
function fit(windowWidth, windowHeight) {
    var scale = Math.min(windowWidth / designWidth, windowHeight / designWindowHeight)
    var screenHeight = designScreenHeight * windowHeight / designWindowHeight
    return {
        scale: scale,
        x: (windowWidth - designWidth * scale) / 2,
        y: (screenHeight - designScreenHeight * scale) / 2
    }
}

// A design-grid coordinate on the screen along one axis, `offset` being the plan's corner there.
function toScreen(base, offset, scale) { return offset + base * scale }
function toDesign(pixels, offset, scale) { return (pixels - offset) / scale }
