<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>orbo::SkinCheck</name>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>pink fringe: %1 pixels at the outline are nearly magenta but not exactly (255,0,255), so they stay in the window:
    at %2; draw the outline without anti-aliasing</source>
        <translation>rosa Saum: %1 Pixel am Umriss sind fast, aber nicht genau Magenta (255,0,255) und bleiben deshalb im Fenster:
    bei %2; zeichnen Sie den Umriss ohne Kantenglättung</translation>
    </message>
    <message>
        <source>shows for no button</source>
        <translation>erscheint bei keiner Taste</translation>
    </message>
    <message>
        <source>shows while the left button is held</source>
        <translation>erscheint, solange die linke Taste gedrückt ist</translation>
    </message>
    <message>
        <source>shows while the right button is held</source>
        <translation>erscheint, solange die rechte Taste gedrückt ist</translation>
    </message>
    <message>
        <source>shows while the left or right button is held</source>
        <translation>erscheint, solange die linke oder rechte Taste gedrückt ist</translation>
    </message>
    <message>
        <source>shows while the middle button is held</source>
        <translation>erscheint, solange die mittlere Taste gedrückt ist</translation>
    </message>
    <message>
        <source>shows while the left or middle button is held</source>
        <translation>erscheint, solange die linke oder mittlere Taste gedrückt ist</translation>
    </message>
    <message>
        <source>shows while the right or middle button is held</source>
        <translation>erscheint, solange die rechte oder mittlere Taste gedrückt ist</translation>
    </message>
    <message>
        <source>shows while the left or right or middle button is held</source>
        <translation>erscheint, solange die linke, rechte oder mittlere Taste gedrückt ist</translation>
    </message>
    <message>
        <source>name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>home page: %1</source>
        <translation>Homepage: %1</translation>
    </message>
    <message>
        <source>creator: %1</source>
        <translation>Ersteller: %1</translation>
    </message>
    <message>
        <source>date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>comment: %1</source>
        <translation>Kommentar: %1</translation>
    </message>
    <message>
        <source> (%1 read as %2)</source>
        <translation> (%1 gelesen als %2)</translation>
    </message>
    <message>
        <source>background picture %1</source>
        <translation>Hintergrundbild %1</translation>
    </message>
    <message>
        <source>no eyes: the background alone</source>
        <translation>keine Augen: nur der Hintergrund</translation>
    </message>
    <message>
        <source>1 eye, empty until its section fills it</source>
        <translation>1 Auge, leer, bis sein Abschnitt es füllt</translation>
    </message>
    <message>
        <source>%1 eyes, empty until their sections fill them</source>
        <translation>%1 Augen, leer, bis ihre Abschnitte sie füllen</translation>
    </message>
    <message>
        <source>eye %1: box at %2,%3</source>
        <translation>Auge %1: Rahmen bei %2,%3</translation>
    </message>
    <message>
        <source>eye %1: grid of %2 columns x %3 rows</source>
        <translation>Auge %1: Raster aus %2 Spalten x %3 Zeilen</translation>
    </message>
    <message>
        <source>eye %1: box %2 x %3 pixels</source>
        <translation>Auge %1: Rahmen %2 x %3 Pixel</translation>
    </message>
    <message>
        <source>eye %1: kind %2</source>
        <translation>Auge %1: Typ %2</translation>
    </message>
    <message>
        <source> (only the first six letters of %1 count)</source>
        <translation> (nur die ersten sechs Buchstaben von %1 zählen)</translation>
    </message>
    <message>
        <source>eye %1: %2 frames</source>
        <translation>Auge %1: %2 Einzelbilder</translation>
    </message>
    <message>
        <source>eye %1: %2</source>
        <translation>Auge %1: %2</translation>
    </message>
    <message>
        <source>eye %1: picture %2</source>
        <translation>Auge %1: Bild %2</translation>
    </message>
    <message>
        <source>eye %1: mask %2</source>
        <translation>Auge %1: Maske %2</translation>
    </message>
    <message>
        <source> (not used: its lines are skipped)</source>
        <translation> (nicht verwendet: Seine Zeilen werden übersprungen)</translation>
    </message>
    <message>
        <source>%1 = %2  (stored as %3 twips)</source>
        <translation>%1 = %2  (gespeichert als %3 Twips)</translation>
    </message>
    <message>
        <source>%1 = %2  (stored as %3)</source>
        <translation>%1 = %2  (gespeichert als %3)</translation>
    </message>
    <message>
        <source> (blank before &quot;=&quot;)</source>
        <translation> (Leerzeichen vor „=“)</translation>
    </message>
    <message>
        <source>%1: %2 -- reading stops here</source>
        <translation>%1: %2 – das Lesen endet hier</translation>
    </message>
    <message>
        <source>
          did you mean %1?</source>
        <translation>
          meinten Sie %1?</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1: %2 -- reading stops here
          the pictures of one skin may take %3 MiB in all; its background counts five times, more on a scaled display</source>
        <translation>%1: %2 – das Lesen endet hier
          die Bilder eines Skins dürfen zusammen %3 MiB belegen; sein Hintergrund zählt fünffach, auf einem skalierten Bildschirm mehr</translation>
    </message>
    <message>
        <source>%1 -- reading stops here</source>
        <translation>%1 – das Lesen endet hier</translation>
    </message>
    <message>
        <source>skipped: no such eye (&quot;eyes=&quot; says how many there are)</source>
        <translation>übersprungen: kein solches Auge („eyes=“ sagt, wie viele es gibt)</translation>
    </message>
    <message>
        <source>line %1: eye section before &quot;eyes&quot; (line %2), which throws its values away</source>
        <translation>Zeile %1: Augenabschnitt vor „eyes“ (Zeile %2), das seine Werte verwirft</translation>
    </message>
    <message>
        <source>info not set (About Skin shows the built-in skin&apos;s): %1</source>
        <translation>Angaben nicht gesetzt („Über Skin“ zeigt die des eingebauten Skins): %1</translation>
    </message>
    <message>
        <source>No Skin.ini there (or it is not a regular file): the built-in skin is shown.
</source>
        <translation>Dort gibt es keine Skin.ini (oder sie ist keine reguläre Datei): Der eingebaute Skin wird gezeigt.
</translation>
    </message>
    <message>
        <source>Reading stopped at line %1 (%2). Lines before it stay applied; later lines are not read.
</source>
        <translation>Das Lesen endete in Zeile %1 (%2). Die Zeilen davor bleiben angewandt; spätere Zeilen werden nicht gelesen.
</translation>
    </message>
    <message>
        <source>The whole file was read (%1 lines).
</source>
        <translation>Die ganze Datei wurde gelesen (%1 Zeilen).
</translation>
    </message>
    <message>
        <source>eye %1 (%2): </source>
        <translation>Auge %1 (%2): </translation>
    </message>
    <message>
        <source>no type</source>
        <translation>kein Typ</translation>
    </message>
    <message>
        <source>at %1,%2, a grid of %3 columns x %4 rows</source>
        <translation>bei %1,%2, ein Raster aus %3 Spalten x %4 Zeilen</translation>
    </message>
    <message>
        <source>at %1,%2</source>
        <translation>bei %1,%2</translation>
    </message>
    <message>
        <source>box at %1,%2, %3 x %4 pixels</source>
        <translation>Rahmen bei %1,%2, %3 x %4 Pixel</translation>
    </message>
    <message>
        <source>, %1 frames</source>
        <translation>, %1 Einzelbilder</translation>
    </message>
    <message>
        <source>, no picture</source>
        <translation>, kein Bild</translation>
    </message>
    <message>
        <source>, picture %1</source>
        <translation>, Bild %1</translation>
    </message>
    <message>
        <source>, no mask</source>
        <translation>, keine Maske</translation>
    </message>
    <message>
        <source>, mask %1</source>
        <translation>, Maske %1</translation>
    </message>
    <message>
        <source>
Summary
  Name:      %1
  Creator:   %2
  E-mail:    %3
  Home page: %4
  Date:      %5
  Comment:   %6
</source>
        <translation>
Übersicht
  Name:      %1
  Ersteller: %2
  E-Mail:    %3
  Homepage:  %4
  Datum:     %5
  Kommentar: %6
</translation>
    </message>
    <message>
        <source>  Background: %1 pixels (the built-in one)
</source>
        <translation>  Hintergrund: %1 Pixel (der eingebaute)
</translation>
    </message>
    <message>
        <source>  Background: %1 pixels
</source>
        <translation>  Hintergrund: %1 Pixel
</translation>
    </message>
    <message>
        <source>  Window:     %1 pixels
  Shape:      %2 pixels
</source>
        <translation>  Fenster:     %1 Pixel
  Form:        %2 Pixel
</translation>
    </message>
    <message>
        <source>  Eyes:       %1 (element 0 is never drawn)
</source>
        <translation>  Augen:       %1 (Element 0 wird nie gezeichnet)
</translation>
    </message>
    <message>
        <source>  Eyes:       %1
</source>
        <translation>  Augen:       %1
</translation>
    </message>
    <message>
        <source>none</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>    eye %1: kind %2, box %3,%4 size %5x%6 px, frames/buttons %7, pic %8, mask %9
</source>
        <translation>    Auge %1: Typ %2, Rahmen %3,%4 Größe %5x%6 px, Bilder/Tasten %7, Bild %8, Maske %9
</translation>
    </message>
    <message>
        <source>eye %1 has no type: it is never drawn</source>
        <translation>Auge %1 hat keinen Typ: Es wird nie gezeichnet</translation>
    </message>
    <message>
        <source>eye %1: kind %2 is not one the animation knows; it is never drawn</source>
        <translation>Auge %1: Den Typ %2 kennt die Animation nicht; es wird nie gezeichnet</translation>
    </message>
    <message>
        <source>eye %1: its picture (%2 pixels) is larger than its box (%3 x %4 pixels)</source>
        <translation>Auge %1: Sein Bild (%2 Pixel) ist größer als sein Rahmen (%3 x %4 Pixel)</translation>
    </message>
    <message>
        <source>the background has no magenta (255,0,255) pixel: the window is a plain rectangle</source>
        <translation>der Hintergrund hat kein magentafarbenes Pixel (255,0,255): Das Fenster ist ein schlichtes Rechteck</translation>
    </message>
    <message>
        <source>Skin.ini of %1
</source>
        <translation>Skin.ini von %1
</translation>
    </message>
    <message>
        <source>
Warnings
</source>
        <translation>
Warnungen
</translation>
    </message>
    <message>
        <source>usage: orbo-skin-check FOLDER|NAME [--exact] [--render OUT.png --cursor X,Y [--screen W,H] [--buttons L,R,M] [--scale S] [--size PERCENT] [--at X,Y]]
       orbo-skin-check --help
Reads FOLDER/Skin.ini as Orbo does and tells what every line did. A NAME that is no
folder here is looked for in the skins folders, as Orbo looks for a skin by name.
--exact gives the values as Orbo stores them (field names, twips, padded kinds).
--size renders at 50, 75, 100, 150, 200 or 300 % of the picture, on top of --scale.
Exit status: 0 the whole file was read, 1 reading stopped at a failure or there was no
Skin.ini, 2 bad usage.
</source>
        <translation>Aufruf: orbo-skin-check ORDNER|NAME [--exact] [--render BILD.png --cursor X,Y [--screen B,H] [--buttons L,R,M] [--scale S] [--size PROZENT] [--at X,Y]]
        orbo-skin-check --help
Liest ORDNER/Skin.ini, wie Orbo es tut, und sagt, was jede Zeile bewirkt hat. Ein NAME,
der hier kein Ordner ist, wird in den Skin-Ordnern gesucht, wie Orbo einen Skin nach
seinem Namen sucht.
--exact gibt die Werte so an, wie Orbo sie speichert (Feldnamen, Twips, aufgefüllte Typen).
--size zeichnet mit 50, 75, 100, 150, 200 oder 300 % des Bildes, zusätzlich zu --scale.
Exit-Status: 0 die ganze Datei wurde gelesen, 1 das Lesen endete an einem Fehler oder es
gab keine Skin.ini, 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>No skin &quot;%1&quot; found. Tried:
</source>
        <translation>Kein Skin „%1“ gefunden. Gesucht in:
</translation>
    </message>
    <message>
        <source>Orbo shows the built-in skin for a name it does not find.
</source>
        <translation>Für einen Namen, den Orbo nicht findet, zeigt es den eingebauten Skin.
</translation>
    </message>
    <message>
        <source>cannot write %1
</source>
        <translation>%1 kann nicht geschrieben werden
</translation>
    </message>
    <message>
        <source>
Rendering written to %1
</source>
        <translation>
Bild nach %1 geschrieben
</translation>
    </message>
</context>
<context>
    <name>orbo::SkinImport</name>
    <message>
        <source>usage: orbo-skin-import THEME_FOLDER... [--into FOLDER] [--name NAME] [--kind auto|frames] [--force]
Turns eye themes of the Xfce and GNOME eyes applets into Orbo skins, by default in the
user&apos;s own skins folder (%1).
Exit status: 0 every theme imported, 1 some theme refused, 2 bad usage.
</source>
        <translation>Aufruf: orbo-skin-import THEMENORDNER... [--into ORDNER] [--name NAME] [--kind auto|frames] [--force]
Macht aus Augenthemen der Augen-Applets von Xfce und GNOME Orbo-Skins, standardmäßig im
eigenen Skin-Ordner des Benutzers (%1).
Exit-Status: 0 jedes Thema importiert, 1 ein Thema abgelehnt, 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>--name names one skin: give one theme folder with it</source>
        <translation>--name benennt einen einzigen Skin: Geben Sie dazu einen einzigen Themenordner an</translation>
    </message>
    <message>
        <source>this system has no folder of the user&apos;s own skins: give --into</source>
        <translation>dieses System hat keinen Ordner für die eigenen Skins des Benutzers: Geben Sie --into an</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>the written Skin.ini cannot be read back</source>
        <translation>die geschriebene Skin.ini lässt sich nicht zurücklesen</translation>
    </message>
    <message>
        <source>reading the written Skin.ini stopped at line %1 (%2)</source>
        <translation>das Zurücklesen der geschriebenen Skin.ini endete in Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>the written skin does not read back as %1 eyes over a background</source>
        <translation>der geschriebene Skin liest sich nicht als %1 Augen über einem Hintergrund zurück</translation>
    </message>
    <message>
        <source>not a theme folder (it has no readable file &quot;config&quot;)</source>
        <translation>kein Themenordner (er hat keine lesbare Datei „config“)</translation>
    </message>
    <message>
        <source>not a theme folder (its &quot;config&quot; names no eyes)</source>
        <translation>kein Themenordner (seine „config“ nennt keine Augen)</translation>
    </message>
    <message>
        <source>&quot;config&quot; gives no number for wall-thickness</source>
        <translation>„config“ gibt keine Zahl für wall-thickness an</translation>
    </message>
    <message>
        <source>&quot;config&quot; gives no number for num-eyes</source>
        <translation>„config“ gibt keine Zahl für num-eyes an</translation>
    </message>
    <message>
        <source>num-eyes is %1, not 1 to %2</source>
        <translation>num-eyes ist %1, nicht 1 bis %2</translation>
    </message>
    <message>
        <source>eye picture &quot;%1&quot; is missing or cannot be read</source>
        <translation>das Augenbild „%1“ fehlt oder ist nicht lesbar</translation>
    </message>
    <message>
        <source>&quot;config&quot; names no eye-pixmap</source>
        <translation>„config“ nennt kein eye-pixmap</translation>
    </message>
    <message>
        <source>pupil picture &quot;%1&quot; is missing or cannot be read</source>
        <translation>das Pupillenbild „%1“ fehlt oder ist nicht lesbar</translation>
    </message>
    <message>
        <source>&quot;config&quot; names no pupil-pixmap</source>
        <translation>„config“ nennt kein pupil-pixmap</translation>
    </message>
    <message>
        <source>%1 eyes of %2 pixels make a background wider than %3 pixels</source>
        <translation>%1 Augen zu je %2 Pixeln ergeben einen Hintergrund, der breiter als %3 Pixel ist</translation>
    </message>
    <message>
        <source>a %1 x %2 pupil in a %3 x %4 eye with walls of %5 has no room to move: it stays at rest</source>
        <translation>eine Pupille von %1 x %2 in einem Auge von %3 x %4 mit Wänden von %5 hat keinen Platz, sich zu bewegen: Sie bleibt in Ruhe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a skin folder</source>
        <translation>„%1“ kann keinen Skin-Ordner benennen</translation>
    </message>
    <message>
        <source>no skins folder to import into</source>
        <translation>kein Skin-Ordner, in den importiert werden kann</translation>
    </message>
    <message>
        <source>cannot make the skins folder %1</source>
        <translation>der Skin-Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>%1 frames of %2 pixels make a strip wider than %3 pixels</source>
        <translation>%1 Einzelbilder zu je %2 Pixeln ergeben einen Streifen, der breiter als %3 Pixel ist</translation>
    </message>
    <message>
        <source>%1 already exists: not replaced (--force replaces it)</source>
        <translation>%1 gibt es schon: nicht ersetzt (--force ersetzt es)</translation>
    </message>
    <message>
        <source>cannot write into %1</source>
        <translation>in %1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>cannot write the skin into %1</source>
        <translation>der Skin lässt sich nicht nach %1 schreiben</translation>
    </message>
    <message>
        <source>cannot move the skin into place as %1</source>
        <translation>der Skin lässt sich nicht als %1 an seinen Platz verschieben</translation>
    </message>
</context>
</TS>
