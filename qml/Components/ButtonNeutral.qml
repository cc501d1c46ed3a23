ButtonBase {
    color: "transparent"
}
