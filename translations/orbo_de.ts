<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
    <context>
        <name>orbo::Autostart</name>
        <message>
            <source>a name that is not UTF-8</source>
            <translation>einen Namen, der kein UTF-8 ist</translation>
        </message>
        <message>
            <source>a control character</source>
            <translation>ein Steuerzeichen</translation>
        </message>
        <message>
            <source>error %1</source>
            <translation>Fehler %1</translation>
        </message>
        <message>
            <source>Orbo could not remove its value from %1: %2</source>
            <translation>Orbo konnte seinen Wert nicht aus %1 entfernen: %2</translation>
        </message>
        <message>
            <source>Orbo could not enable its start at login: %1</source>
            <translation>Orbo konnte seinen Start bei der Anmeldung nicht einschalten: %1</translation>
        </message>
        <message>
            <source>Orbo could not write its value in %1: %2</source>
            <translation>Orbo konnte seinen Wert nicht in %1 schreiben: %2</translation>
        </message>
        <message>
            <source>Orbo could not remove %1: %2</source>
            <translation>Orbo konnte %1 nicht entfernen: %2</translation>
        </message>
        <message>
            <source>Orbo cannot start at login from %1: desktops do not start a program whose path holds %2; move Orbo to a folder whose path has none.</source>
            <translation>Orbo kann nicht von %1 aus bei der Anmeldung starten: Desktops starten kein Programm, dessen Pfad %2 enthält. Verschieben Sie Orbo in einen Ordner, dessen Pfad keines enthält.</translation>
        </message>
        <message>
            <source>Orbo could not make the folder %1</source>
            <translation>Orbo konnte den Ordner %1 nicht anlegen</translation>
        </message>
        <message>
            <source>Orbo could not write %1: %2</source>
            <translation>Orbo konnte %1 nicht schreiben: %2</translation>
        </message>
    </context>
    <context>
        <name>orbo::CommandLine</name>
        <message>
            <source>  Skins:     %1</source>
            <translation>  Skins:          %1</translation>
        </message>
        <message>
            <source>%1 (your own)</source>
            <translation>%1 (Ihre eigenen)</translation>
        </message>
        <message>
            <source>Usage: orbo [--help | --version | --toggle]
Shows a creature whose eyes follow the mouse. Drag it with the left mouse button;
a right click on it opens its menu. Started again while it runs, Orbo brings the
running creature back to the middle of the screen.

  -h, --help     show this help and exit
  -v, --version  show the version and exit
  --toggle       hide or show the running creature (for a key of the desktop's own);
                 with none running, start it

  Settings:  %1
</source>
            <translation>Aufruf: orbo [--help | --version | --toggle]
Zeigt ein Wesen, dessen Augen der Maus folgen. Ziehen Sie es mit der linken
Maustaste; ein Rechtsklick darauf öffnet sein Menü. Erneut gestartet, während es
läuft, holt Orbo das laufende Wesen in die Mitte des Bildschirms zurück.

  -h, --help     diese Hilfe zeigen und beenden
  -v, --version  die Version zeigen und beenden
  --toggle       das laufende Wesen verbergen oder zeigen (für eine Taste des
                 Desktops); läuft keines, es starten

  Einstellungen:  %1
</translation>
        </message>
        <message>
            <source>orbo: unknown argument "%1" (orbo --help lists the options)
</source>
            <translation>orbo: unbekanntes Argument „%1“ (orbo --help nennt die Optionen)
</translation>
        </message>
    </context>
    <context>
        <name>orbo::CreatureMenu</name>
        <message>
            <source>&amp;Options</source>
            <translation>&amp;Optionen</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>&amp;Show</source>
            <translation>&amp;Einblenden</translation>
        </message>
        <message>
            <source>&amp;Hide</source>
            <translation>&amp;Ausblenden</translation>
        </message>
        <message>
            <source>&amp;Hide (start Orbo again to show it)</source>
            <translation>&amp;Ausblenden (Orbo erneut starten, um es zu zeigen)</translation>
        </message>
        <message>
            <source>Start at &amp;login</source>
            <translation>Bei der Anmeldung &amp;starten</translation>
        </message>
        <message>
            <source>Hide over &amp;full-screen windows</source>
            <translation>Über &amp;Vollbildfenstern verbergen</translation>
        </message>
        <message>
            <source>Show on every &amp;workspace</source>
            <translation>Auf jeder Arbeits&amp;fläche zeigen</translation>
        </message>
        <message>
            <source>Let &amp;clicks through</source>
            <translation>&amp;Klicks durchlassen</translation>
        </message>
        <message>
            <source>&amp;Doze when I am away</source>
            <translation>&amp;Dösen, wenn ich weg bin</translation>
        </message>
        <message>
            <source>&amp;Bring back</source>
            <translation>&amp;Zurückholen</translation>
        </message>
        <message>
            <source>Si&amp;ze</source>
            <translation>&amp;Größe</translation>
        </message>
        <message>
            <source>%1 %</source>
            <translation>%1 %</translation>
        </message>
    </context>
<context>
        <name>orbo::CreatureWidget</name>
        <message>
            <source>orbo: the settings were not saved: %1</source>
            <translation>orbo: die Einstellungen wurden nicht gespeichert: %1</translation>
        </message>
        <message>
            <source>Clicks reach the creature again: starting Orbo again turned "Let clicks through" off.</source>
            <translation>Klicks erreichen das Wesen wieder: Der erneute Start von Orbo hat „Klicks durchlassen“ ausgeschaltet.</translation>
        </message>
        <message>
            <source>"Let clicks through" stays off: with no session bus, starting Orbo again could not turn it off.</source>
            <translation>„Klicks durchlassen“ bleibt aus: Ohne Sitzungsbus könnte ein erneuter Start von Orbo es nicht ausschalten.</translation>
        </message>
    </context>
    <context>
        <name>orbo::Desktop</name>
        <message>
            <source>this desktop lets no program listen for a key everywhere</source>
            <translation>dieser Desktop lässt kein Programm überall auf eine Taste hören</translation>
        </message>
        <message>
            <source>this keyboard has no such key</source>
            <translation>diese Tastatur hat keine solche Taste</translation>
        </message>
        <message>
            <source>GNOME Shell has it for something else</source>
            <translation>GNOME Shell nutzt sie für etwas anderes</translation>
        </message>
        <message>
            <source>another program already uses it</source>
            <translation>ein anderes Programm nutzt sie schon</translation>
        </message>
        <message>
            <source>Windows refused it (error %1)</source>
            <translation>Windows hat sie abgelehnt (Fehler %1)</translation>
        </message>
        <message>
            <source>the desktop refused it</source>
            <translation>der Desktop hat sie abgelehnt</translation>
        </message>
        <message>
            <source>Orbo: Hide or show the creature</source>
            <translation>Orbo: Das Wesen ausblenden oder einblenden</translation>
        </message>
        <message>
            <source>this keyboard types it only with AltGr or another layout</source>
            <translation>diese Tastatur tippt sie nur mit AltGr oder einer anderen Belegung</translation>
        </message>
        <message>
            <source>On this desktop Orbo&apos;s eyes follow the mouse pointer only while it is over Orbo: the desktop tells no program where the pointer is elsewhere.</source>
            <translation>Auf diesem Desktop folgen Orbos Augen dem Mauszeiger nur, solange er über Orbo ist: Der Desktop sagt keinem Programm, wo der Zeiger anderswo ist.</translation>
        </message>
        <message>
            <source>On %1 Orbo&apos;s eyes follow the mouse pointer only while it is over Orbo: %1 tells no program where the pointer is elsewhere.</source>
            <translation>Unter %1 folgen Orbos Augen dem Mauszeiger nur, solange er über Orbo ist: %1 sagt keinem Programm, wo der Zeiger anderswo ist.</translation>
        </message>
        <message>
            <source>On Hyprland, in an X11 session, in KDE Plasma, and in GNOME with Orbo&apos;s extension, they follow it everywhere.</source>
            <translation>Unter Hyprland, in einer X11-Sitzung, in KDE Plasma und in GNOME mit Orbos Erweiterung folgen sie ihm überallhin.</translation>
        </message>
    </context>
    <context>
        <name>orbo::Display</name>
        <message>
            <source>no X display (DISPLAY is not set); under Wayland Orbo needs XWayland</source>
            <translation>kein X-Display (DISPLAY ist nicht gesetzt); unter Wayland braucht Orbo XWayland</translation>
        </message>
        <message>
            <source>no display (DISPLAY is not set)</source>
            <translation>kein Display (DISPLAY ist nicht gesetzt)</translation>
        </message>
        <message>
            <source>cannot open display "%1"</source>
            <translation>Display „%1“ lässt sich nicht öffnen</translation>
        </message>
    </context>
        <context>
        <name>orbo::GnomeExtension</name>
        <message>
            <source>In GNOME, Orbo's eyes follow the pointer everywhere once its GNOME Shell extension is on. To turn it on, run:

    gnome-extensions enable %1

or switch on "Orbo pointer" in the Extensions application. If Orbo was installed during this session, log out and in again first: GNOME Shell looks for new extensions only when it starts.</source>
            <translation>In GNOME folgen Orbos Augen dem Zeiger überall, sobald seine GNOME-Shell-Erweiterung eingeschaltet ist. Um sie einzuschalten, führen Sie aus:

    gnome-extensions enable %1

oder schalten Sie „Orbo pointer“ in der Anwendung Erweiterungen ein. Wurde Orbo in dieser Sitzung installiert, melden Sie sich zuerst ab und wieder an: GNOME Shell sucht nur beim Start nach neuen Erweiterungen.</translation>
        </message>
        <message>
            <source>No form of it for GNOME %1 came with this Orbo.</source>
            <translation>Mit diesem Orbo kam keine Fassung für GNOME %1.</translation>
        </message>
        <message>
            <source>This Orbo's extension was made for GNOME up to %1, and this is GNOME %2. To have GNOME load it all the same, run:

    gsettings set org.gnome.shell disable-extension-version-validation true

then log out and in again. GNOME then loads every extension, whatever version it was made for: one that does not fit this GNOME may fail or misbehave, Orbo's among them. A newer Orbo may bring a form made for GNOME %2.</source>
            <translation>Die Erweiterung dieses Orbo wurde für GNOME bis %1 gemacht, und dies ist GNOME %2. Damit GNOME sie trotzdem lädt, führen Sie aus:

    gsettings set org.gnome.shell disable-extension-version-validation true

und melden Sie sich dann ab und wieder an. GNOME lädt dann jede Erweiterung, gleich für welche Version sie gemacht wurde: Eine, die nicht zu diesem GNOME passt, kann versagen oder sich falsch verhalten, auch die von Orbo. Ein neueres Orbo bringt vielleicht eine Form für GNOME %2 mit.</translation>
        </message>
        <message>
            <source>To install the form made for GNOME %1 for yourself, run:

    mkdir -p ~/.local/share/gnome-shell/extensions
    cp -r %2 ~/.local/share/gnome-shell/extensions/

then log out and in again, and run:

    gnome-extensions enable %3</source>
            <translation>Um die Fassung für GNOME %1 für sich selbst zu installieren, führen Sie aus:

    mkdir -p ~/.local/share/gnome-shell/extensions
    cp -r %2 ~/.local/share/gnome-shell/extensions/

melden Sie sich dann ab und wieder an und führen Sie aus:

    gnome-extensions enable %3</translation>
        </message>
        <message>
            <source>GNOME Shell %1</source>
            <translation>GNOME Shell %1</translation>
        </message>
        <message>
            <source>Orbo's GNOME Shell extension makes the eyes follow the pointer everywhere, but %1 does not know it. If Orbo was installed during this session, log out and in again: GNOME Shell looks for new extensions only when it starts.

%2</source>
            <translation>Orbos GNOME-Shell-Erweiterung lässt die Augen dem Zeiger überall folgen, aber %1 kennt sie nicht. Wurde Orbo in dieser Sitzung installiert, melden Sie sich ab und wieder an: GNOME Shell sucht nur beim Start nach neuen Erweiterungen.

%2</translation>
        </message>
        <message>
            <source>%1 does not load Orbo's extension in %2: that copy is made for another version of GNOME.

%3</source>
            <translation>%1 lädt Orbos Erweiterung in %2 nicht: Diese Kopie ist für eine andere GNOME-Version gemacht.

%3</translation>
        </message>
        <message>
            <source>Orbo's GNOME Shell extension failed in %1, which says: "%2". Reinstalling Orbo and logging out and in again may mend it.</source>
            <translation>Orbos GNOME-Shell-Erweiterung ist in %1 gescheitert, die meldet: „%2“. Orbo neu zu installieren und sich ab- und wieder anzumelden kann das beheben.</translation>
        </message>
        <message>
            <source>Extensions are switched off in GNOME (the setting disable-user-extensions), Orbo's among them. To switch them on, and Orbo's, run:

    gsettings set org.gnome.shell disable-user-extensions false
    gnome-extensions enable %1</source>
            <translation>Erweiterungen sind in GNOME ausgeschaltet (die Einstellung disable-user-extensions), Orbos mit ihnen. Um sie und Orbos einzuschalten, führen Sie aus:

    gsettings set org.gnome.shell disable-user-extensions false
    gnome-extensions enable %1</translation>
        </message>
        <message>
            <source>Orbo's GNOME Shell extension, which makes the eyes follow the pointer everywhere, is switched off. To switch it on, run:

    gnome-extensions enable %1

or switch on "Orbo pointer" in the Extensions application.</source>
            <translation>Orbos GNOME-Shell-Erweiterung, die die Augen dem Zeiger überall folgen lässt, ist ausgeschaltet. Um sie einzuschalten, führen Sie aus:

    gnome-extensions enable %1

oder schalten Sie „Orbo pointer“ in der Anwendung Erweiterungen ein.</translation>
        </message>
        <message>
            <source>%1 runs Orbo's extension, but the extension has not made itself known to Orbo. Switching it off and on again may help:

    gnome-extensions disable %2
    gnome-extensions enable %2</source>
            <translation>%1 führt Orbos Erweiterung aus, aber die Erweiterung hat sich bei Orbo nicht gemeldet. Sie aus- und wieder einzuschalten kann helfen:

    gnome-extensions disable %2
    gnome-extensions enable %2</translation>
        </message>
    </context>
    <context>
        <name>orbo::HotKey</name>
        <message>
            <source>"%1", the HotKey in Orbo's settings, is no key Orbo can listen for: name one key with Ctrl, Alt or Meta, such as "%2".</source>
            <translation>„%1“, der HotKey in Orbos Einstellungen, ist keine Taste, auf die Orbo hören kann: Nennen Sie eine Taste mit Ctrl, Alt oder Meta, etwa „%2“.</translation>
        </message>
        <message>
            <source>orbo: %1 does not hide and show Orbo on this desktop</source>
            <translation>orbo: %1 verbirgt und zeigt Orbo auf diesem Desktop nicht</translation>
        </message>
        <message>
            <source>%1 cannot hide and show Orbo: %2. Another key can be set as HotKey in Orbo's settings.</source>
            <translation>%1 kann Orbo nicht verbergen und zeigen: %2. Eine andere Taste kann als HotKey in Orbos Einstellungen gesetzt werden.</translation>
        </message>
    </context>
    <context>
        <name>orbo::OptionsWindow</name>
        <message>
            <source>Skins</source>
            <translation>Skins</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>Extras</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Info</translation>
        </message>
        <message>
            <source> About Skin</source>
            <translation> Über Skin</translation>
        </message>
        <message>
            <source>Orbo - Options</source>
            <translation>Orbo - Optionen</translation>
        </message>
        <message>
            <source>Click Me</source>
            <translation>Klick mich</translation>
        </message>
        <message>
            <source>Orbo %1 · Licence</source>
            <translation>Orbo %1 · Lizenz</translation>
        </message>
        <message>
            <source>Version, copyright and licence</source>
            <translation>Version, Urheberrecht und Lizenz</translation>
        </message>
        <message>
            <source>About Skin</source>
            <translation>Über Skin</translation>
        </message>
        <message>
            <source>Speed</source>
            <translation>Tempo</translation>
        </message>
        <message>
            <source>Always On Top</source>
            <translation>Immer oben</translation>
        </message>
        <message>
            <source>Allow Blink</source>
            <translation>Blinzeln</translation>
        </message>
        <message>
            <source>&lt; none &gt;</source>
            <translation>&lt; keiner &gt;</translation>
        </message>
        <message>
            <source>'%1' by %2, %3</source>
            <translation>„%1“ von %2, %3</translation>
        </message>
        <message>
            <source>by Quillon</source>
            <translation>von Quillon</translation>
        </message>
        <message>
            <source>Thanks To:</source>
            <translation>Dank an:</translation>
        </message>
        <message>
            <source>Copyright © 2026 Orbo developers
ABSOLUTELY NO WARRANTY. Free software
under the GNU General Public License,
version 3 or later, which is at</source>
            <translation>Copyright © 2026 Orbo-Entwickler
OHNE JEDE GEWÄHRLEISTUNG. Freie Software
unter der GNU General Public License,
Version 3 oder später, zu finden unter</translation>
        </message>
    </context>
    <context>
        <name>orbo::PointerNotice</name>
        <message>
            <source>On this desktop Orbo's eyes follow the mouse pointer only while it is over Orbo or another X11 program's window: the desktop tells Orbo nothing of the pointer elsewhere.</source>
            <translation>Auf diesem Desktop folgen Orbos Augen dem Mauszeiger nur, solange er über Orbo oder dem Fenster eines anderen X11-Programms ist: Der Desktop sagt Orbo nichts über den Zeiger anderswo.</translation>
        </message>
        <message>
            <source>In an X11 session, in KDE Plasma, and in GNOME with Orbo's extension, they follow it everywhere.</source>
            <translation>In einer X11-Sitzung, in KDE Plasma und in GNOME mit Orbos Erweiterung folgen sie ihm überall.</translation>
        </message>
        <message>
            <source>Orbo - Where the eyes look</source>
            <translation>Orbo - Wohin die Augen schauen</translation>
        </message>
        <message>
            <source>Do not tell me again</source>
            <translation>Nicht mehr darauf hinweisen</translation>
        </message>
        <message>
            <source>%1 also shows Orbo&apos;s X11 window as a rectangle, placed by its own rules. Orbo built with LayerShellQt (Debian 13 and later have it) runs on %1 as a surface of its own instead: the creature in its shape, at its place, above the windows.</source>
            <translation>%1 zeigt Orbos X11-Fenster außerdem als Rechteck, nach eigenen Regeln platziert. Mit LayerShellQt gebaut (Debian 13 und neuer haben es) läuft Orbo unter %1 stattdessen als eigene Fläche: die Kreatur in ihrer Form, an ihrem Platz, über den Fenstern.</translation>
        </message>
    </context>
    <context>
        <name>orbo::SettingsStore</name>
        <message>
            <source>it cannot be read whole, so it is not written over</source>
            <translation>sie kann nicht ganz gelesen werden und wird deshalb nicht überschrieben</translation>
        </message>
    </context>
    <context>
        <name>orbo::SkinReader</name>
        <message>
            <source>blank or comment</source>
            <translation>leer oder Kommentar</translation>
        </message>
        <message>
            <source>section</source>
            <translation>Abschnitt</translation>
        </message>
        <message>
            <source>applied</source>
            <translation>angewandt</translation>
        </message>
        <message>
            <source>skipped: section not used</source>
            <translation>übersprungen: Abschnitt nicht verwendet</translation>
        </message>
        <message>
            <source>skipped: eye index out of range</source>
            <translation>übersprungen: Augennummer außerhalb des Bereichs</translation>
        </message>
        <message>
            <source>skipped: unknown key</source>
            <translation>übersprungen: unbekannter Schlüssel</translation>
        </message>
        <message>
            <source>failed: line too long</source>
            <translation>Fehler: Zeile zu lang</translation>
        </message>
        <message>
            <source>failed: header "["</source>
            <translation>Fehler: Kopfzeile „[“</translation>
        </message>
        <message>
            <source>failed: key line without "="</source>
            <translation>Fehler: Schlüsselzeile ohne „=“</translation>
        </message>
        <message>
            <source>failed: picture not loaded</source>
            <translation>Fehler: Bild nicht geladen</translation>
        </message>
        <message>
            <source>failed: number outside 0-255</source>
            <translation>Fehler: Zahl außerhalb von 0–255</translation>
        </message>
        <message>
            <source>failed: pair without ","</source>
            <translation>Fehler: Paar ohne „,“</translation>
        </message>
        <message>
            <source>failed: the skin's pictures too large in all</source>
            <translation>Fehler: Die Bilder des Skins sind zusammen zu groß</translation>
        </message>
    </context>
    <context>
        <name>orbo::TrayIcon</name>
        <message>
            <source>Orbo: a click hides or shows the creature</source>
            <translation>Orbo: Ein Klick verbirgt oder zeigt das Wesen</translation>
        </message>
    </context>
</TS>
