.pragma library

// What the routing screen's views compute, kept apart from them so it can be tested.

// The fill of the source pulse: the block colour with the alpha byte 66 in front of its six digits.
function pulseColor(color) {
    var digits = String(color).replace(/^#/, "")
    if (/^[0-9a-fA-F]{3}$/.test(digits))
        digits = digits.replace(/(.)/g, "$1$1")
    else if (/^[0-9a-fA-F]{8}$/.test(digits))
        digits = digits.substring(2)
    if (!/^[0-9a-fA-F]{6}$/.test(digits))
        return String(color)
    return "#66" + digits.toUpperCase()
}

// Length and direction (degrees, clockwise from the x axis as the screen draws) from one point to another.
function lineLength(x1, y1, x2, y2) {
    return Math.sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1))
}

function lineAngle(x1, y1, x2, y2) {
    return Math.atan2(y2 - y1, x2 - x1) * 180 / Math.PI
}

// The overlay selection after clicking message `index` while `selected` is shown (-1: none).
function toggledSelection(selected, index) {
    return selected === index ? -1 : index
}

// One cell of the route menu in design-grid units: its caption, at 12 px or more, fits in it.
var menuCellWidth = 95

// Width of the route menu in design-grid units for `messageCount` messages.
function menuWidth(messageCount) {
    return (5 + messageCount) * menuCellWidth + 20
}

// Why a new custom message is refused, checked in this order; "" when it may be created.
// `messageCount` counts the built-in message too.
function messageRefusal(messageCount, hasIconSelection, text) {
    if (messageCount > 4)
        return "limit"
    if (!hasIconSelection)
        return "selection"
    if (String(text).length === 0)
        return "text"
    return ""
}

var refusalLogs = {
    "limit": "Blocking message creation: at limit",
    "selection": "Blocking message creation: lack of selection",
    "text": "Blocking message creation: no custom message"
}

// The icon choices of the message dialog: twelve pictures, then the digits 1 to 9.
function iconChoices() {
    var pictures = ["Break", "Clock", "Collaborate", "ExclamationMark", "EyesFront", "GeneralMessage",
                    "RaisedHand", "Question", "Quiet", "Remember", "ThumbUp", "Walk"]
    var choices = pictures.map(function (name) { return { iconName: name, iconType: true, iconText: "" } })
    for (var digit = 1; digit <= 9; ++digit)
        choices.push({ iconName: "", iconType: false, iconText: String(digit) })
    return choices
}

// The screen key typed into the four fields, in the capitals the displays show it in,
// or "" while any field lacks its one character.
function screenKey(characters) {
    if (characters.length !== 4)
        return ""
    for (var i = 0; i < characters.length; ++i) {
        if (String(characters[i]).length !== 1)
            return ""
    }
    return characters.join("").toUpperCase()
}

// The image name under which a pod's snapshot is announced (the snapshot URL).
function snapshotName(address) {
    return "http://" + address + "/lookin/thedisplay.jpg"
}

function isSnapshotOf(imageName, address) {
    return address.length > 0 && String(imageName).toLowerCase() === snapshotName(address).toLowerCase()
}
