import QtQuick 2.12
import QtQuick.Controls 2.12
import Common 1.0
import "../Components"

// The product's version and the notices of the software and artwork it is built with.
// Main sizes and centres it and dims the window while it is open.
DialogFrame {
    id: dialog

    // Who made what Trellion is built with, and under which licence.
    readonly property var legalNotices: [
        { name: "Qt 5", notice: qsTr("Copyright © The Qt Company Ltd and other contributors. GNU Lesser General "
            + "Public License v3 (LGPLv3). Linked dynamically; you may replace the Qt libraries. "
            + "Source: download.qt.io") },
        { name: "spdlog", notice: qsTr("Copyright © Gabi Melman. MIT License.") },
        { name: "{fmt}", notice: qsTr("Copyright © Victor Zverovich and {fmt} contributors. {fmt} License (MIT).") },
        { name: "libcurl", notice: qsTr("Copyright © Daniel Stenberg and many contributors. curl License "
            + "(MIT/X derivative).") },
        { name: "OpenSSL", notice: qsTr("Copyright © The OpenSSL Project Authors. Apache License 2.0. "
            + "Used by Qt Network and libcurl for encrypted connections.") },
        { name: qsTr("Montserrat fonts"), notice: qsTr("Copyright © The Montserrat Project Authors. "
            + "SIL Open Font License 1.1.") },
        { name: qsTr("Pictograms from Lucide"), notice: qsTr("Copyright © Lucide Contributors; portions copyright © "
            + "Cole Bemis (Feather). ISC License.") }
    ]

    function showDialog() {
        notices.contentY = 0
        visible = true
    }

    function close() {
        console.log("EVENT: Closing About Dialog")
        visible = false
    }

    title: qsTr("About Trellion")
    visible: false
    focus: visible
    Keys.onReturnPressed: close()
    Keys.onEnterPressed: close()
    Keys.onEscapePressed: close()

    Text {
        id: title
        anchors.top: parent.top
        anchors.topMargin: 40
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Trellion %1").arg(stateManager.appVersion())
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.bold: true
        font.pixelSize: 20
    }

    Flickable {
        id: notices
        anchors.top: title.bottom
        anchors.topMargin: 40
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: okButton.top
        anchors.leftMargin: 30
        anchors.rightMargin: 30
        anchors.bottomMargin: 15
        contentHeight: noticeColumn.implicitHeight
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        ScrollBar.vertical: ScrollBar {
            policy: notices.contentHeight > notices.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            Accessible.name: qsTr("Scroll notices")
        }

        Column {
            id: noticeColumn
            x: 10
            width: notices.width - 20
            spacing: 12

            DialogText {
                textFormat: Text.StyledText
                font.pixelSize: 12
                text: qsTr("Trellion is built with the software and artwork below, each used under its own "
                      + "licence and provided \"as is\", without warranty of any kind.")
            }

            Repeater {
                model: dialog.legalNotices

                DialogText {
                    textFormat: Text.StyledText
                    font.pixelSize: 12
                    text: "<b>" + modelData.name + "</b><br>" + modelData.notice
                }
            }
        }
    }

    ButtonPositive {
        id: okButton
        objectName: "aboutOkButton"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 30
        width: dialog.width * 0.28
        height: dialog.height * 0.088
        textToShow: qsTr("OK")
        onButtonClicked: dialog.close()
    }
}
