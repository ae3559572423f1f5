<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ExitDialog</name>
    <message>
        <source>Unsaved picture!</source>
        <translation>Image non enregistrée !</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Import Scale&amp;d...</source>
        <translation>Importer à l&apos;éc&amp;helle...</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Exporter l&apos;i&amp;mage...</translation>
    </message>
    <message>
        <source>Export So&amp;urce...</source>
        <translation>Exporter la so&amp;urce...</translation>
    </message>
    <message>
        <source>Add to &amp;Group...</source>
        <translation>Ajouter au &amp;groupe...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Send to Calculator...</source>
        <translation>Envoyer à la calculatrice...</translation>
    </message>
    <message>
        <source>&amp;Receive from Calculator...</source>
        <translation>&amp;Recevoir de la calculatrice...</translation>
    </message>
    <message>
        <source>&amp;Capture Calculator Screen...</source>
        <translation>&amp;Capturer l&apos;écran de la calculatrice...</translation>
    </message>
    <message>
        <source>Lin&amp;k Settings...</source>
        <translation>Réglages de la &amp;liaison...</translation>
    </message>
    <message>
        <source>Open in &amp;TiLP...</source>
        <translation>Ouvrir dans &amp;TiLP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;ClrDraw </source>
        <translation>&amp;ClrDraw </translation>
    </message>
    <message>
        <source>Tools...</source>
        <translation>Outils...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste as &amp;New Picture</source>
        <translation>Coller comme &amp;nouvelle image</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>D&amp;eselect</source>
        <translation>&amp;Désélectionner</translation>
    </message>
    <message>
        <source>C&amp;rop to Selection</source>
        <translation>&amp;Rogner à la sélection</translation>
    </message>
    <message>
        <source>Flip &amp;Horizontal</source>
        <translation>Retourner &amp;horizontalement</translation>
    </message>
    <message>
        <source>Flip &amp;Vertical</source>
        <translation>Retourner &amp;verticalement</translation>
    </message>
    <message>
        <source>Rotate Ri&amp;ght</source>
        <translation>Pivoter vers la droit&amp;e</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Pivoter vers la &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Inverser</translation>
    </message>
    <message>
        <source>Shi&amp;ft</source>
        <translation>Déc&amp;aler</translation>
    </message>
    <message>
        <source>Canvas &amp;Size...</source>
        <translation>Tai&amp;lle du canevas...</translation>
    </message>
    <message>
        <source>Gre&amp;y Levels</source>
        <translation>Niveau&amp;x de gris</translation>
    </message>
    <message>
        <source>Transparent Selecti&amp;on</source>
        <translation>Sélection trans&amp;parente</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>À &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>À &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Vers le &amp;haut</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instructions</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>Dessi&amp;n</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <source>Pen</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>WhLine</source>
        <translation>Ligne blanche</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>WhBox</source>
        <translation>Rectangle blanc</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Pavé</translation>
    </message>
    <message>
        <source>WhBar</source>
        <translation>Pavé blanc</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>WhCircle</source>
        <translation>Cercle blanc</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>WhEllipse</source>
        <translation>Ellipse blanche</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>WhFill</source>
        <translation>Remplissage blanc</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
</TS>
