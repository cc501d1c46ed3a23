.pragma library

// Where a box of `width` placed at `x` goes so that it stays inside a parent of `parentWidth`:
// moved left until its right edge fits, never past the left edge.
function fitX(x, width, parentWidth) {
    return Math.max(0, Math.min(x, parentWidth - width))
}
