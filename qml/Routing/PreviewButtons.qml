import QtQuick 2.12
import Common 1.0

// One live-view button on the top-right corner of every block of the plan, below the block's name.
// Lies above the gesture layer, so pressing one never starts a route.
Item {
    id: buttons

    property var plan
    signal previewRequested(string address, string name, var opener)

    Repeater {
        model: buttons.plan.teamCount + (buttons.plan.primaryView ? 1 : 0)

        PodPreviewButton {
            id: previewButton
            readonly property var view: index < buttons.plan.teamCount ? buttons.plan.teamView(index)
                                                                        : buttons.plan.primaryView
            // Nothing is asked of a pod whose stored address was refused.
            visible: view !== null && !view.addressRefused
            x: view ? view.x + view.width - width - Common.pixelWidth(4) : 0
            y: view ? view.y + view.nameBandHeight + Common.pixelHeight(4) : 0
            podName: view ? view.displayName : ""
            onActivated: buttons.previewRequested(view.displayAddress, view.displayName, byKeyboard ? previewButton : null)
        }
    }
}
