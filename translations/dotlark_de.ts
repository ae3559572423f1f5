<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ExitDialog</name>
    <message>
        <source>Unsaved picture!</source>
        <translation>Ungespeichertes Bild!</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Import Scale&amp;d...</source>
        <translation>Ska&amp;liert importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Bild e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export So&amp;urce...</source>
        <translation>&amp;Quelltext exportieren...</translation>
    </message>
    <message>
        <source>Add to &amp;Group...</source>
        <translation>Zur &amp;Gruppe hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <source>Send to Calculator...</source>
        <translation>An Taschenrechner senden...</translation>
    </message>
    <message>
        <source>&amp;Receive from Calculator...</source>
        <translation>Vom Taschenrechner &amp;empfangen...</translation>
    </message>
    <message>
        <source>&amp;Capture Calculator Screen...</source>
        <translation>Bildschirm des Taschenrechners &amp;aufnehmen...</translation>
    </message>
    <message>
        <source>Lin&amp;k Settings...</source>
        <translation>&amp;Verbindungseinstellungen...</translation>
    </message>
    <message>
        <source>Open in &amp;TiLP...</source>
        <translation>In &amp;TiLP öffnen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;ClrDraw </source>
        <translation>&amp;ClrDraw </translation>
    </message>
    <message>
        <source>Tools...</source>
        <translation>Werkzeuge...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste as &amp;New Picture</source>
        <translation>Als ne&amp;ues Bild einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>D&amp;eselect</source>
        <translation>Auswahl au&amp;fheben</translation>
    </message>
    <message>
        <source>C&amp;rop to Selection</source>
        <translation>Auf Auswahl &amp;zuschneiden</translation>
    </message>
    <message>
        <source>Flip &amp;Horizontal</source>
        <translation>&amp;Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip &amp;Vertical</source>
        <translation>&amp;Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Rotate Ri&amp;ght</source>
        <translation>Nach &amp;rechts drehen</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Nach links &amp;drehen</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertieren</translation>
    </message>
    <message>
        <source>Shi&amp;ft</source>
        <translation>Vers&amp;chieben</translation>
    </message>
    <message>
        <source>Canvas &amp;Size...</source>
        <translation>Leinwandgr&amp;öße...</translation>
    </message>
    <message>
        <source>Gre&amp;y Levels</source>
        <translation>&amp;Graustufen</translation>
    </message>
    <message>
        <source>Transparent Selecti&amp;on</source>
        <translation>&amp;Transparente Auswahl</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>Nach &amp;links</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>Nach &amp;rechts</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Zeichnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>WhLine</source>
        <translation>Weiße Linie</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>WhBox</source>
        <translation>Weißes Rechteck</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>WhBar</source>
        <translation>Weißer Block</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>WhCircle</source>
        <translation>Weißer Kreis</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>WhEllipse</source>
        <translation>Weiße Ellipse</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>WhFill</source>
        <translation>Weiß füllen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
</TS>
