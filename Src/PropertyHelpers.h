#pragma once

// The one setter pattern: store when the value differs (exact comparison, also
// for doubles) and tell the caller, who then emits and marks the layout unsaved.
template <typename T, typename U>
bool assignIfChanged(T& field, const U& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}
