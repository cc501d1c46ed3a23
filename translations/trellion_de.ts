<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Copyright © The Qt Company Ltd and other contributors. GNU Lesser General Public License v3 (LGPLv3). Linked dynamically; you may replace the Qt libraries. Source: download.qt.io</source>
        <translation>Copyright © The Qt Company Ltd und weitere Mitwirkende. GNU Lesser General Public License v3 (LGPLv3). Dynamisch gelinkt; Sie können die Qt-Bibliotheken ersetzen. Quelltext: download.qt.io</translation>
    </message>
    <message>
        <source>Copyright © Gabi Melman. MIT License.</source>
        <translation>Copyright © Gabi Melman. MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Copyright © Victor Zverovich and {fmt} contributors. {fmt} License (MIT).</source>
        <translation>Copyright © Victor Zverovich und die Mitwirkenden von {fmt}. {fmt}-Lizenz (MIT).</translation>
    </message>
    <message>
        <source>Copyright © Daniel Stenberg and many contributors. curl License (MIT/X derivative).</source>
        <translation>Copyright © Daniel Stenberg und viele Mitwirkende. curl-Lizenz (MIT/X-Derivat).</translation>
    </message>
    <message>
        <source>Copyright © The OpenSSL Project Authors. Apache License 2.0. Used by Qt Network and libcurl for encrypted connections.</source>
        <translation>Copyright © The OpenSSL Project Authors. Apache License 2.0. Von Qt Network und libcurl für verschlüsselte Verbindungen verwendet.</translation>
    </message>
    <message>
        <source>Montserrat fonts</source>
        <translation>Montserrat-Schriften</translation>
    </message>
    <message>
        <source>Copyright © The Montserrat Project Authors. SIL Open Font License 1.1.</source>
        <translation>Copyright © The Montserrat Project Authors. SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Pictograms from Lucide</source>
        <translation>Piktogramme von Lucide</translation>
    </message>
    <message>
        <source>Copyright © Lucide Contributors; portions copyright © Cole Bemis (Feather). ISC License.</source>
        <translation>Copyright © Lucide Contributors; Teile Copyright © Cole Bemis (Feather). ISC-Lizenz.</translation>
    </message>
    <message>
        <source>Trellion %1</source>
        <translation>Trellion %1</translation>
    </message>
    <message>
        <source>Trellion is built with the software and artwork below, each used under its own licence and provided &quot;as is&quot;, without warranty of any kind.</source>
        <translation>Trellion ist mit der unten aufgeführten Software und Grafik gebaut. Sie wird jeweils unter ihrer eigenen Lizenz verwendet und „wie besehen“ ohne jegliche Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Trellion</source>
        <translation>Über Trellion</translation>
    </message>
    <message>
        <source>Scroll notices</source>
        <translation>Hinweise durchblättern</translation>
    </message>
</context>
<context>
    <name>ActionMenu</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Check displays</source>
        <translation>Anzeigen prüfen</translation>
    </message>
</context>
<context>
    <name>AudioOutputRow</name>
    <message>
        <source>Activate audio output</source>
        <translation>Audioausgabe aktivieren</translation>
    </message>
    <message>
        <source>Choose which Pods will output audio when routing content to them.</source>
        <translation>Legen Sie fest, welche Pods den Ton wiedergeben, wenn Inhalte an sie weitergeleitet werden.</translation>
    </message>
</context>
<context>
    <name>BlockMenuButton</name>
    <message>
        <source>Block menu</source>
        <translation>Blockmenü</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Room settings</source>
        <translation>Raumeinstellungen</translation>
    </message>
</context>
<context>
    <name>CatalogueSettings</name>
    <message>
        <source>Require
password
on exit</source>
        <translation>Passwort
beim Verlassen
verlangen</translation>
    </message>
    <message>
        <source>Show
routing
banners</source>
        <translation>Weiterleitungs-
banner
anzeigen</translation>
    </message>
</context>
<context>
    <name>ClassroomCard</name>
    <message>
        <source>Checking displays…</source>
        <translation>Anzeigen werden geprüft…</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n displays answer</source>
        <translation>
            <numerusform>%1 von %n Anzeige erreichbar</numerusform>
            <numerusform>%1 von %n Anzeigen erreichbar</numerusform>
        </translation>
    </message>
    <message>
        <source>Not answering: %1</source>
        <translation>Keine Antwort von: %1</translation>
    </message>
    <message>
        <source>Menu of %1</source>
        <translation>Menü von %1</translation>
    </message>
</context>
<context>
    <name>ClassroomLayoutManager</name>
    <message>
        <source>Copy of %1</source>
        <translation>Kopie von %1</translation>
    </message>
    <message>
        <source>The classroom list could not be read</source>
        <translation>Die Raumliste konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>ClassroomLayoutModel</name>
    <message>
        <source>Copy of %1</source>
        <translation>Kopie von %1</translation>
    </message>
    <message>
        <source>Too big to open: over %1 blocks or %2 furniture items</source>
        <translation>Zu groß zum Öffnen: über %1 Blöcke oder %2 Möbelstücke</translation>
    </message>
</context>
<context>
    <name>ClassroomPrimaryDisplay</name>
    <message>
        <source>Primary Display</source>
        <translation>Hauptanzeige</translation>
    </message>
</context>
<context>
    <name>CloseDialog</name>
    <message>
        <source>Save your changes before closing?&lt;br&gt;&lt;b&gt;Unsaved changes will be lost.&lt;/b&gt;</source>
        <translation>Änderungen vor dem Schließen speichern?&lt;br&gt;&lt;b&gt;Nicht gespeicherte Änderungen gehen verloren.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>DON&apos;T SAVE</source>
        <translation>NICHT SPEICHERN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Save your changes before closing?</source>
        <translation>Änderungen vor dem Schließen speichern?</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>CONFIRM</source>
        <translation>BESTÄTIGEN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
</context>
<context>
    <name>ConnectingOverlay</name>
    <message>
        <source>Connecting…</source>
        <translation>Verbinde…</translation>
    </message>
</context>
<context>
    <name>CreateFirstUseGuide</name>
    <message>
        <source>If you have a Primary Display in your space, drag one 
from the menu on the left that most closely matches onto the canvas.</source>
        <translation>Wenn Ihr Raum eine Hauptanzeige hat, ziehen Sie die passendste 
aus dem Menü links auf die Zeichenfläche.</translation>
    </message>
    <message>
        <source>Add furniture elements to your room or Display Blocks 
so that they generally match the layout of the space.</source>
        <translation>Fügen Sie Ihrem Raum Möbel oder Anzeigeblöcke hinzu, 
sodass sie in etwa der Aufteilung des Raums entsprechen.</translation>
    </message>
    <message>
        <source>Select a furniture element to edit size, orientation or to delete it.</source>
        <translation>Wählen Sie ein Möbelstück aus, um Größe und Ausrichtung zu ändern oder es zu löschen.</translation>
    </message>
</context>
<context>
    <name>CurlReply</name>
    <message>
        <source>Error transferring %1 - server replied: %2</source>
        <translation>Fehler beim Übertragen von %1 – Antwort des Servers: %2</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Not an HTTP answer</source>
        <translation>Keine HTTP-Antwort</translation>
    </message>
</context>
<context>
    <name>DeleteClassroomDialog</name>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
</context>
<context>
    <name>DisconnectedOverlay</name>
    <message>
        <source>(Disconnected)</source>
        <translation>(Getrennt)</translation>
    </message>
    <message>
        <source>(Address not valid)</source>
        <translation>(Adresse ungültig)</translation>
    </message>
</context>
<context>
    <name>DragImage</name>
    <message>
        <source>Primary Display</source>
        <translation>Hauptanzeige</translation>
    </message>
</context>
<context>
    <name>EditorLogic</name>
    <message>
        <source>Door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Primary Display</source>
        <translation>Hauptanzeige</translation>
    </message>
    <message>
        <source>Flat Panel</source>
        <translation>Flachbildschirm</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Beamer</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tische</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteckig</translation>
    </message>
    <message>
        <source>Chairs</source>
        <translation>Stühle</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Eckig</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>FailurePanel</name>
    <message>
        <source>There was a problem loading your rooms.
Please try again.</source>
        <translation>Ihre Räume konnten nicht geladen werden.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
</context>
<context>
    <name>FirstUseGuide</name>
    <message>
        <source>DONE</source>
        <translation>FERTIG</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>ÜBERSPRINGEN</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Erste Schritte</translation>
    </message>
</context>
<context>
    <name>FirstUsePanel</name>
    <message>
        <source>Create your first room</source>
        <translation>Erstellen Sie Ihren ersten Raum</translation>
    </message>
    <message>
        <source>Create a room and add furniture
 elements to bring your room to life.</source>
        <translation>Erstellen Sie einen Raum und fügen Sie Möbel
 hinzu, um ihn zum Leben zu erwecken.</translation>
    </message>
</context>
<context>
    <name>HomeButtons</name>
    <message>
        <source>Add classroom</source>
        <translation>Raum hinzufügen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>HomeLogic</name>
    <message>
        <source>Square</source>
        <translation>Quadratisch</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteckig</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Are you sure you want to &lt;br&gt;delete &lt;b&gt;%1&lt;/b&gt;?</source>
        <translation>Möchten Sie &lt;br&gt;&lt;b&gt;%1&lt;/b&gt; wirklich löschen?</translation>
    </message>
    <message>
        <source>ROOM # %1</source>
        <translation>RAUM NR. %1</translation>
    </message>
</context>
<context>
    <name>LayoutEditingSession</name>
    <message>
        <source>This room cannot be saved: its id in the cloud service is not valid</source>
        <translation>Dieser Raum kann nicht gespeichert werden: Seine ID im Cloud-Dienst ist ungültig</translation>
    </message>
</context>
<context>
    <name>LeaveDialog</name>
    <message>
        <source>Are you sure you want to leave?&lt;br&gt;&lt;b&gt;Your changes won&apos;t be saved.&lt;/b&gt;</source>
        <translation>Editor wirklich verlassen?&lt;br&gt;&lt;b&gt;Ihre Änderungen werden nicht gespeichert.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>VERLASSEN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Leave without saving?</source>
        <translation>Ohne Speichern verlassen?</translation>
    </message>
</context>
<context>
    <name>LoginLogic</name>
    <message>
        <source>Enter Email and Password</source>
        <translation>E-Mail und Passwort eingeben</translation>
    </message>
    <message>
        <source>Enter Email</source>
        <translation>E-Mail eingeben</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Passwort eingeben</translation>
    </message>
</context>
<context>
    <name>LoginScreen</name>
    <message>
        <source>Login timed out.</source>
        <translation>Zeitüberschreitung bei der Anmeldung.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
</context>
<context>
    <name>LogoutDialog</name>
    <message>
        <source>Logout</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Enter your password to continue.</source>
        <translation>Geben Sie Ihr Passwort ein, um fortzufahren.</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Ungültiges Passwort</translation>
    </message>
    <message>
        <source>To reset your password, please contact your Trellion Admin.</source>
        <translation>Wenden Sie sich zum Zurücksetzen Ihres Passworts bitte an Ihre Trellion-Administration.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation>ABMELDEN</translation>
    </message>
</context>
<context>
    <name>MessageCreateTab</name>
    <message>
        <source>Create Custom Message</source>
        <translation>Eigene Nachricht erstellen</translation>
    </message>
    <message>
        <source>I have a question</source>
        <translation>Ich habe eine Frage</translation>
    </message>
    <message>
        <source>Pick an Icon</source>
        <translation>Symbol auswählen</translation>
    </message>
    <message>
        <source>Scroll icons</source>
        <translation>Symbole durchblättern</translation>
    </message>
</context>
<context>
    <name>MessageEditTab</name>
    <message>
        <source>Existing Messages</source>
        <translation>Vorhandene Nachrichten</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
</context>
<context>
    <name>NoneBox</name>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
</context>
<context>
    <name>OverlayMessageDialog</name>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>CONFIRM</source>
        <translation>BESTÄTIGEN</translation>
    </message>
    <message>
        <source>Messages Full</source>
        <translation>Nachrichtenlimit erreicht</translation>
    </message>
    <message>
        <source>Custom Messages</source>
        <translation>Eigene Nachrichten</translation>
    </message>
</context>
<context>
    <name>OverlayMessageManager</name>
    <message>
        <source>Eyes Up Front</source>
        <translation>Blick nach vorn</translation>
    </message>
</context>
<context>
    <name>PasswordField</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>PodAddressCheck</name>
    <message>
        <source>Leave out the http:// — the address alone, such as 10.0.4.21</source>
        <translation>Ohne http:// – nur die Adresse, etwa 10.0.4.21</translation>
    </message>
    <message>
        <source>A pod address has no spaces</source>
        <translation>Eine Pod-Adresse enthält keine Leerzeichen</translation>
    </message>
    <message>
        <source>Leave out the path — the address alone, such as 10.0.4.21</source>
        <translation>Ohne Pfad – nur die Adresse, etwa 10.0.4.21</translation>
    </message>
    <message>
        <source>Not a host name or IP address (an IPv6 address goes in brackets)</source>
        <translation>Weder Hostname noch IP-Adresse (eine IPv6-Adresse steht in eckigen Klammern)</translation>
    </message>
    <message>
        <source>The port must be from 1 to 65535</source>
        <translation>Der Port muss zwischen 1 und 65535 liegen</translation>
    </message>
</context>
<context>
    <name>PodAddressField</name>
    <message>
        <source>Looking for the pod…</source>
        <translation>Pod wird gesucht…</translation>
    </message>
    <message>
        <source>Not answering now</source>
        <translation>Antwortet gerade nicht</translation>
    </message>
</context>
<context>
    <name>PodPreviewButton</name>
    <message>
        <source>Show live view of %1</source>
        <translation>Live-Ansicht von %1 zeigen</translation>
    </message>
    <message>
        <source>Live view</source>
        <translation>Live-Ansicht</translation>
    </message>
</context>
<context>
    <name>PrimaryDisplayDialog</name>
    <message>
        <source>A primary display needs its pod&apos;s address.</source>
        <translation>Eine Hauptanzeige braucht die Adresse ihres Pods.</translation>
    </message>
    <message>
        <source>Connect Primary Display to a 
Lumaret Pod.</source>
        <translation>Hauptanzeige mit einem 
Lumaret Pod verbinden.</translation>
    </message>
    <message>
        <source>Pod Address</source>
        <translation>Pod-Adresse</translation>
    </message>
    <message>
        <source>Primary Display</source>
        <translation>Hauptanzeige</translation>
    </message>
</context>
<context>
    <name>QuorvexColorPicker</name>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Farbe %1</translation>
    </message>
</context>
<context>
    <name>QuorvexTextInput</name>
    <message numerus="yes">
        <source>At most %n characters</source>
        <translation>
            <numerusform>Höchstens %n Zeichen</numerusform>
            <numerusform>Höchstens %n Zeichen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReSignInDialog</name>
    <message>
        <source>Sign In Again</source>
        <translation>Erneut anmelden</translation>
    </message>
    <message>
        <source>Your sign-in has expired. Enter the password of&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;to continue where you left off.</source>
        <translation>Ihre Anmeldung ist abgelaufen. Geben Sie das Passwort von&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;ein, um dort weiterzumachen, wo Sie aufgehört haben.</translation>
    </message>
    <message>
        <source>SIGN OUT</source>
        <translation>ABMELDEN</translation>
    </message>
    <message>
        <source>SIGN IN</source>
        <translation>ANMELDEN</translation>
    </message>
</context>
<context>
    <name>RememberUsername</name>
    <message>
        <source>Remember Username</source>
        <translation>Benutzernamen merken</translation>
    </message>
</context>
<context>
    <name>RoomForm</name>
    <message>
        <source>Please name your room.</source>
        <translation>Bitte geben Sie Ihrem Raum einen Namen.</translation>
    </message>
    <message>
        <source>Enter Room Name</source>
        <translation>Raumnamen eingeben</translation>
    </message>
    <message>
        <source>Enter Room #</source>
        <translation>Raumnummer eingeben</translation>
    </message>
    <message>
        <source>Enter Building Name</source>
        <translation>Gebäude eingeben</translation>
    </message>
    <message>
        <source>Choose the room shape that best represents your room. </source>
        <translation>Wählen Sie die Form, die Ihrem Raum am nächsten kommt. </translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>A room needs a name.</source>
        <translation>Ein Raum braucht einen Namen.</translation>
    </message>
</context>
<context>
    <name>RoomShapeTile</name>
    <message>
        <source>No shape</source>
        <translation>Keine Form</translation>
    </message>
</context>
<context>
    <name>RotationDial</name>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
</context>
<context>
    <name>RoutableBlock</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1, disconnected</source>
        <translation>%1, nicht verbunden</translation>
    </message>
    <message>
        <source>shows %1</source>
        <translation>zeigt %1</translation>
    </message>
    <message>
        <source>display, receives %1</source>
        <translation>Anzeige, empfängt %1</translation>
    </message>
    <message>
        <source>sends to %1</source>
        <translation>sendet an %1</translation>
    </message>
    <message>
        <source>%1, connecting</source>
        <translation>%1, wird verbunden</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The stored pod address is not valid</source>
        <translation>Die gespeicherte Pod-Adresse ist ungültig</translation>
    </message>
</context>
<context>
    <name>RouteExitDialog</name>
    <message>
        <source>Invalid password, please try again.</source>
        <translation>Ungültiges Passwort, bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Exit room?</source>
        <translation>Raum verlassen?</translation>
    </message>
    <message>
        <source>Exiting will remove active routes to&lt;br&gt;displays in &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Beim Verlassen werden aktive Weiterleitungen&lt;br&gt;an Anzeigen in &lt;b&gt;%1&lt;/b&gt; entfernt</translation>
    </message>
    <message>
        <source>Enter your password to continue.</source>
        <translation>Geben Sie Ihr Passwort ein, um fortzufahren.</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>VERLASSEN</translation>
    </message>
</context>
<context>
    <name>RouteFirstUseGuide</name>
    <message>
        <source>Show one display&apos;s content on another display.</source>
        <translation>Zeigen Sie den Inhalt einer Anzeige auf einer anderen an.</translation>
    </message>
    <message>
        <source>Press and hold to show the Primary display&apos;s content on all displays.</source>
        <translation>Gedrückt halten, um den Inhalt der Hauptanzeige auf allen Anzeigen zu zeigen.</translation>
    </message>
</context>
<context>
    <name>RouteLine</name>
    <message>
        <source>Shared from %1</source>
        <translation>Geteilt von %1</translation>
    </message>
</context>
<context>
    <name>RouteLineView</name>
    <message>
        <source>Remove route from %1 to %2</source>
        <translation>Verbindung von %1 zu %2 entfernen</translation>
    </message>
    <message>
        <source>Remove route</source>
        <translation>Verbindung entfernen</translation>
    </message>
</context>
<context>
    <name>RouteMenu</name>
    <message>
        <source>Add New</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Primary to All</source>
        <translation>Haupt an alle</translation>
    </message>
    <message>
        <source>Banners</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Verlassen</translation>
    </message>
</context>
<context>
    <name>RouteMenuItem</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>RoutingSession</name>
    <message>
        <source>%1 already shows %2</source>
        <translation>%1 zeigt bereits %2</translation>
    </message>
    <message>
        <source>%1&apos;s display is not answering</source>
        <translation>Die Anzeige von %1 antwortet nicht</translation>
    </message>
    <message>
        <source>%1&apos;s display is back</source>
        <translation>Die Anzeige von %1 ist wieder da</translation>
    </message>
    <message>
        <source>%1&apos;s display did not answer: %2 is not shown on %3</source>
        <translation>Die Anzeige von %1 hat nicht geantwortet: %2 wird nicht auf %3 gezeigt</translation>
    </message>
    <message>
        <source>Not shared to %1: already in another route</source>
        <translation>Nicht geteilt mit %1: schon in einer anderen Verbindung</translation>
    </message>
</context>
<context>
    <name>SaveBar</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Verlassen</translation>
    </message>
</context>
<context>
    <name>SaveToast</name>
    <message>
        <source>Room Saved</source>
        <translation>Raum gespeichert</translation>
    </message>
    <message>
        <source>Room Save Failed</source>
        <translation>Raum nicht gespeichert</translation>
    </message>
    <message>
        <source>RETRY</source>
        <translation>ERNEUT VERSUCHEN</translation>
    </message>
    <message>
        <source>DISMISS</source>
        <translation>SCHLIESSEN</translation>
    </message>
</context>
<context>
    <name>ScreenKeyDialog</name>
    <message>
        <source>&lt;b&gt;Enter&lt;/b&gt; a &lt;b&gt;Screen Key&lt;/b&gt; on one &lt;br&gt;of the displays in &lt;br&gt; &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>&lt;b&gt;Geben Sie&lt;/b&gt; den &lt;b&gt;Bildschirmcode&lt;/b&gt; einer &lt;br&gt;der Anzeigen in &lt;br&gt; &lt;b&gt;%1&lt;/b&gt; ein</translation>
    </message>
    <message>
        <source>CONFIRM</source>
        <translation>BESTÄTIGEN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Enter a Screen Key</source>
        <translation>Bildschirmschlüssel eingeben</translation>
    </message>
</context>
<context>
    <name>ScreenKeyField</name>
    <message>
        <source>Screen key character %1</source>
        <translation>Zeichen %1 des Bildschirmschlüssels</translation>
    </message>
</context>
<context>
    <name>ScreenKeyMismatchDialog</name>
    <message>
        <source>That key doesn&apos;t match any of the screen keys displayed in %1.</source>
        <translation>Dieser Code passt zu keinem der Bildschirmcodes, die in %1 angezeigt werden.</translation>
    </message>
    <message>
        <source>CONFIRM</source>
        <translation>BESTÄTIGEN</translation>
    </message>
    <message>
        <source>Screen key does not match</source>
        <translation>Bildschirmschlüssel stimmt nicht</translation>
    </message>
</context>
<context>
    <name>SettingsList</name>
    <message>
        <source>Password required for logout</source>
        <translation>Passwort zum Abmelden erforderlich</translation>
    </message>
    <message>
        <source>Enable frame forwarding optimization</source>
        <translation>Optimierte Bildweiterleitung aktivieren</translation>
    </message>
    <message>
        <source>Primary Display Sharing Mode</source>
        <translation>Freigabemodus der Hauptanzeige</translation>
    </message>
    <message>
        <source>Sets how content from the primary display shows when routed to a team display. Full screen covers all posts shared to the team display. Side by side shows primary display content next to team display posts.</source>
        <translation>Legt fest, wie Inhalte der Hauptanzeige erscheinen, wenn sie an eine Teamanzeige weitergeleitet werden. Vollbild überdeckt alle an die Teamanzeige geteilten Beiträge. Nebeneinander zeigt die Inhalte der Hauptanzeige neben den Beiträgen der Teamanzeige.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Scroll settings</source>
        <translation>Einstellungen durchblättern</translation>
    </message>
</context>
<context>
    <name>SettingsLogic</name>
    <message>
        <source>Some settings below may be managed by your administrator</source>
        <translation>Einige der folgenden Einstellungen werden möglicherweise von Ihrer Administration verwaltet</translation>
    </message>
    <message>
        <source>The settings below are managed by your administrator</source>
        <translation>Die folgenden Einstellungen werden von Ihrer Administration verwaltet</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close settings</source>
        <translation>Einstellungen schließen</translation>
    </message>
</context>
<context>
    <name>SnapshotViewer</name>
    <message>
        <source>Live view: %1</source>
        <translation>Live-Ansicht: %1</translation>
    </message>
    <message>
        <source>No picture from this pod</source>
        <translation>Kein Bild von diesem Pod</translation>
    </message>
    <message>
        <source>Showing the last picture it sent</source>
        <translation>Das zuletzt gesendete Bild wird angezeigt</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Zum Schließen klicken</translation>
    </message>
    <message>
        <source>Close live view</source>
        <translation>Live-Ansicht schließen</translation>
    </message>
</context>
<context>
    <name>StateManager</name>
    <message>
        <source>Invalid Account Permissions, please contact your Trellion Admin.</source>
        <translation>Ungültige Kontoberechtigungen, bitte wenden Sie sich an Ihre Trellion-Administration.</translation>
    </message>
    <message>
        <source>There was a problem logging in.
Please check your network connection and try again.</source>
        <translation>Bei der Anmeldung ist ein Problem aufgetreten.
Bitte prüfen Sie Ihre Netzwerkverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Invalid email or password.
To reset your password, please contact your Trellion Admin.</source>
        <translation>E-Mail-Adresse oder Passwort ungültig.
Wenden Sie sich zum Zurücksetzen Ihres Passworts bitte an Ihre Trellion-Administration.</translation>
    </message>
    <message>
        <source>The service address is not secure.
Please contact your Trellion Admin.</source>
        <translation>Die Adresse des Dienstes ist nicht sicher.
Bitte wenden Sie sich an Ihre Trellion-Administration.</translation>
    </message>
    <message>
        <source>The service&apos;s certificate is not trusted.
Please contact your Trellion Admin.</source>
        <translation>Dem Zertifikat des Dienstes wird nicht vertraut.
Bitte wenden Sie sich an Ihre Trellion-Administration.</translation>
    </message>
    <message>
        <source>Trellion is not set up to reach its service yet.
Please contact your Trellion Admin.</source>
        <translation>Trellion ist noch nicht für seinen Dienst eingerichtet.
Bitte wenden Sie sich an Ihre Trellion-Administration.</translation>
    </message>
</context>
<context>
    <name>TeamBlockDialog</name>
    <message>
        <source>New Team Block</source>
        <translation>Neuer Teamblock</translation>
    </message>
    <message>
        <source>Edit Team Block</source>
        <translation>Teamblock bearbeiten</translation>
    </message>
</context>
<context>
    <name>TeamBlockForm</name>
    <message>
        <source>A team needs a name.</source>
        <translation>Ein Team braucht einen Namen.</translation>
    </message>
    <message>
        <source>A team needs its pod&apos;s address.</source>
        <translation>Ein Team braucht die Adresse seines Pods.</translation>
    </message>
    <message>
        <source>New team block</source>
        <translation>Neuer Teamblock</translation>
    </message>
    <message>
        <source>Edit team block</source>
        <translation>Teamblock bearbeiten</translation>
    </message>
    <message>
        <source>Team Name</source>
        <translation>Teamname</translation>
    </message>
    <message>
        <source>Enter Team Name</source>
        <translation>Teamnamen eingeben</translation>
    </message>
    <message>
        <source>Pod Address</source>
        <translation>Pod-Adresse</translation>
    </message>
    <message>
        <source>Enter Pod Address</source>
        <translation>Pod-Adresse eingeben</translation>
    </message>
</context>
<context>
    <name>TeamBlockToolbar</name>
    <message>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Account menu</source>
        <translation>Kontomenü</translation>
    </message>
</context>
<context>
    <name>ZoomControl</name>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
</context>
</TS>
