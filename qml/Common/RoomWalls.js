.pragma library

// The walls of each room type, in the design-grid units that block positions are stored in: the
// editor's screen below the top bar, 1024 by 708, catalogue included. Both screens scale them as
// they scale the blocks, so a block keeps its place against the walls at every window size.
var walls = {
    "square": { left: 225, top: 35, right: 949, bottom: 673, closed: true },
    "rectangle": { left: 190, top: 80, right: 984, bottom: 563, closed: true },
    "open": { left: 225, top: 35, right: 949, bottom: 673, closed: false }
}

// The walls of `classroomType`, or null for a room without walls.
function wallsFor(classroomType) {
    return walls.hasOwnProperty(classroomType) ? walls[classroomType] : null
}
