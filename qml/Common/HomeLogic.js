.pragma library

var deleteNameLimit = 20

var shapeCaptions = { "square": QT_TR_NOOP("Square"), "rectangle": QT_TR_NOOP("Rectangle"), "open": QT_TR_NOOP("Open") }

// Long names would push the delete question off the dialog.
function cutName(name, limit) {
    return name.length > limit ? name.substring(0, limit) + "..." : name
}

// The name goes into rich text, so markup characters in it are shown, not interpreted.
function escapeMarkup(text) {
    return text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
}

function deleteQuestion(name) {
    return qsTranslate("HomeLogic", "Are you sure you want to <br>delete <b>%1</b>?")
        .arg(escapeMarkup(cutName(name, deleteNameLimit)))
}

function roomNumberText(number) {
    return number.length > 0 ? qsTranslate("HomeLogic", "ROOM # %1").arg(number) : ""
}

// "none" is drawn as a box instead of a picture, and has no picture file.
function roomPicture(type) {
    return type.length > 0 && type !== "none" ? "qrc:///images/rooms/" + type + ".svg" : ""
}

// The name shown under a card's room picture: the shape tile's caption, or the type as stored.
function roomTypeName(type) {
    if (type.length === 0 || type === "none")
        return ""
    return shapeCaptions.hasOwnProperty(type) ? qsTranslate("HomeLogic", shapeCaptions[type]) : type
}

// Scroll position as a fraction of the content, so it survives a new list of another length.
function scrollFraction(offset, contentHeight) {
    return contentHeight > 0 && offset > 0 ? offset / contentHeight : 0.0
}

function scrollOffset(fraction, contentHeight, viewHeight) {
    var furthest = Math.max(0, contentHeight - viewHeight)
    return Math.max(0, Math.min(fraction * contentHeight, furthest))
}
