import Common 1.0

ButtonBase {
    color: Common.positiveColor
}
