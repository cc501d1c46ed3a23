#pragma once

#include "PodState.h"

#include <QByteArray>
#include <optional>

namespace sim {

// Draws what a pod's display shows now, as a 1920x1080 JPEG: the idle screen with the pod's name
// and screen key, or the stream another pod posts to it ("Shared from ..." in the source's colour);
// the overlay text on top, and the routing banner while banners are on.
QByteArray renderDisplay(const PodState& pod, const std::optional<PodConnection>& incoming);

} // namespace sim
