.pragma library

// Sizes and texts of the settings screen. Lengths in millimetres are turned into pixels
// with the screen's density (`mm` = pixels per millimetre).

var someManagedText = QT_TR_NOOP("Some settings below may be managed by your administrator")
var allManagedText = QT_TR_NOOP("The settings below are managed by your administrator")

// The notice above the settings; empty when nothing is enforced.
function managedNotice(passwordEnforced, fullscreenEnforced) {
    if (passwordEnforced && fullscreenEnforced)
        return qsTranslate("SettingsLogic", allManagedText)
    if (passwordEnforced || fullscreenEnforced)
        return qsTranslate("SettingsLogic", someManagedText)
    return ""
}

function columnWidth(screenWidth) {
    return screenWidth < 840 ? screenWidth * 0.95 : 800
}

// Thin lines stay visible on low-density screens.
function baseLine(mm) {
    return Math.max(1, Math.round(0.25 * mm))
}

function boxPadding(screenWidth, mm) {
    return (screenWidth < 420 ? 4 : 7) * mm
}

function switchGap(screenWidth, mm) {
    return (screenWidth < 410 ? 3.5 : 7) * mm
}

// Whether the two sharing-mode options stand side by side within `available` pixels,
// and the gap between them: 9 mm, or the narrower space left when it exceeds 3 mm.
function modeColumns(available, firstWidth, secondWidth, mm) {
    var left = available - firstWidth - secondWidth
    if (left >= 9 * mm)
        return { sideBySide: true, spacing: 9 * mm }
    if (left > 3 * mm)
        return { sideBySide: true, spacing: left }
    return { sideBySide: false, spacing: 0 }
}
