<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
    <context>
        <name>orbo::Autostart</name>
        <message>
            <source>a name that is not UTF-8</source>
            <translation>un nom qui n’est pas en UTF-8</translation>
        </message>
        <message>
            <source>a control character</source>
            <translation>un caractère de contrôle</translation>
        </message>
        <message>
            <source>error %1</source>
            <translation>erreur %1</translation>
        </message>
        <message>
            <source>Orbo could not remove its value from %1: %2</source>
            <translation>Orbo n’a pas pu retirer sa valeur de %1 : %2</translation>
        </message>
        <message>
            <source>Orbo could not enable its start at login: %1</source>
            <translation>Orbo n’a pas pu activer son démarrage à l’ouverture de session : %1</translation>
        </message>
        <message>
            <source>Orbo could not write its value in %1: %2</source>
            <translation>Orbo n’a pas pu écrire sa valeur dans %1 : %2</translation>
        </message>
        <message>
            <source>Orbo could not remove %1: %2</source>
            <translation>Orbo n’a pas pu supprimer %1 : %2</translation>
        </message>
        <message>
            <source>Orbo cannot start at login from %1: desktops do not start a program whose path holds %2; move Orbo to a folder whose path has none.</source>
            <translation>Orbo ne peut pas démarrer à l’ouverture de session depuis %1 : les bureaux ne lancent pas un programme dont le chemin contient %2. Déplacez Orbo dans un dossier dont le chemin n’en contient pas.</translation>
        </message>
        <message>
            <source>Orbo could not make the folder %1</source>
            <translation>Orbo n’a pas pu créer le dossier %1</translation>
        </message>
        <message>
            <source>Orbo could not write %1: %2</source>
            <translation>Orbo n’a pas pu écrire %1 : %2</translation>
        </message>
    </context>
    <context>
        <name>orbo::CommandLine</name>
        <message>
            <source>  Skins:     %1</source>
            <translation>  Skins :         %1</translation>
        </message>
        <message>
            <source>%1 (your own)</source>
            <translation>%1 (les vôtres)</translation>
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
            <translation>Utilisation : orbo [--help | --version | --toggle]
Affiche une créature dont les yeux suivent la souris. Faites-la glisser avec le
bouton gauche ; un clic droit sur elle ouvre son menu. Relancé pendant qu’il tourne,
Orbo ramène la créature au milieu de l’écran.

  -h, --help     affiche cette aide et quitte
  -v, --version  affiche la version et quitte
  --toggle       cache ou montre la créature en cours (pour une touche du bureau) ;
                 s’il n’y en a aucune, la lance

  Réglages :      %1
</translation>
        </message>
        <message>
            <source>orbo: unknown argument "%1" (orbo --help lists the options)
</source>
            <translation>orbo : argument inconnu « %1 » (orbo --help donne les options)
</translation>
        </message>
    </context>
    <context>
        <name>orbo::CreatureMenu</name>
        <message>
            <source>&amp;Options</source>
            <translation>&amp;Options</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>&amp;Show</source>
            <translation>&amp;Afficher</translation>
        </message>
        <message>
            <source>&amp;Hide</source>
            <translation>&amp;Masquer</translation>
        </message>
        <message>
            <source>&amp;Hide (start Orbo again to show it)</source>
            <translation>&amp;Masquer (relancer Orbo pour l’afficher)</translation>
        </message>
        <message>
            <source>Start at &amp;login</source>
            <translation>Démarrer à l’ouverture de &amp;session</translation>
        </message>
        <message>
            <source>Hide over &amp;full-screen windows</source>
            <translation>Masquer sur les fenêtres &amp;plein écran</translation>
        </message>
        <message>
            <source>Show on every &amp;workspace</source>
            <translation>Afficher sur chaque &amp;espace de travail</translation>
        </message>
        <message>
            <source>Let &amp;clicks through</source>
            <translation>Laisser passer les &amp;clics</translation>
        </message>
        <message>
            <source>&amp;Doze when I am away</source>
            <translation>&amp;Dormir quand je suis absent</translation>
        </message>
        <message>
            <source>&amp;Bring back</source>
            <translation>&amp;Ramener</translation>
        </message>
        <message>
            <source>Si&amp;ze</source>
            <translation>&amp;Taille</translation>
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
            <translation>orbo : les réglages n’ont pas été enregistrés : %1</translation>
        </message>
        <message>
            <source>Clicks reach the creature again: starting Orbo again turned "Let clicks through" off.</source>
            <translation>Les clics atteignent de nouveau la créature : relancer Orbo a désactivé « Laisser passer les clics ».</translation>
        </message>
        <message>
            <source>"Let clicks through" stays off: with no session bus, starting Orbo again could not turn it off.</source>
            <translation>« Laisser passer les clics » reste désactivé : sans bus de session, relancer Orbo ne pourrait pas le désactiver.</translation>
        </message>
    </context>
    <context>
        <name>orbo::Desktop</name>
        <message>
            <source>this desktop lets no program listen for a key everywhere</source>
            <translation>ce bureau ne laisse aucun programme écouter une touche partout</translation>
        </message>
        <message>
            <source>this keyboard has no such key</source>
            <translation>ce clavier n’a pas cette touche</translation>
        </message>
        <message>
            <source>GNOME Shell has it for something else</source>
            <translation>GNOME Shell l’utilise pour autre chose</translation>
        </message>
        <message>
            <source>another program already uses it</source>
            <translation>un autre programme l’utilise déjà</translation>
        </message>
        <message>
            <source>Windows refused it (error %1)</source>
            <translation>Windows l’a refusée (erreur %1)</translation>
        </message>
        <message>
            <source>the desktop refused it</source>
            <translation>le bureau l’a refusée</translation>
        </message>
        <message>
            <source>Orbo: Hide or show the creature</source>
            <translation>Orbo : masquer ou afficher la créature</translation>
        </message>
        <message>
            <source>this keyboard types it only with AltGr or another layout</source>
            <translation>ce clavier ne la tape qu’avec AltGr ou une autre disposition</translation>
        </message>
        <message>
            <source>On this desktop Orbo&apos;s eyes follow the mouse pointer only while it is over Orbo: the desktop tells no program where the pointer is elsewhere.</source>
            <translation>Sur ce bureau, les yeux d&apos;Orbo ne suivent le pointeur de la souris que lorsqu&apos;il est sur Orbo : le bureau ne dit à aucun programme où est le pointeur ailleurs.</translation>
        </message>
        <message>
            <source>On %1 Orbo&apos;s eyes follow the mouse pointer only while it is over Orbo: %1 tells no program where the pointer is elsewhere.</source>
            <translation>Sous %1, les yeux d&apos;Orbo ne suivent le pointeur de la souris que lorsqu&apos;il est sur Orbo : %1 ne dit à aucun programme où est le pointeur ailleurs.</translation>
        </message>
        <message>
            <source>On Hyprland, in an X11 session, in KDE Plasma, and in GNOME with Orbo&apos;s extension, they follow it everywhere.</source>
            <translation>Sous Hyprland, dans une session X11, dans KDE Plasma et dans GNOME avec l&apos;extension d&apos;Orbo, ils le suivent partout.</translation>
        </message>
    </context>
    <context>
        <name>orbo::Display</name>
        <message>
            <source>no X display (DISPLAY is not set); under Wayland Orbo needs XWayland</source>
            <translation>pas d’écran X (DISPLAY n’est pas défini) ; sous Wayland, Orbo a besoin de XWayland</translation>
        </message>
        <message>
            <source>no display (DISPLAY is not set)</source>
            <translation>pas d’écran (DISPLAY n’est pas défini)</translation>
        </message>
        <message>
            <source>cannot open display "%1"</source>
            <translation>impossible d’ouvrir l’écran « %1 »</translation>
        </message>
    </context>
        <context>
        <name>orbo::GnomeExtension</name>
        <message>
            <source>In GNOME, Orbo's eyes follow the pointer everywhere once its GNOME Shell extension is on. To turn it on, run:

    gnome-extensions enable %1

or switch on "Orbo pointer" in the Extensions application. If Orbo was installed during this session, log out and in again first: GNOME Shell looks for new extensions only when it starts.</source>
            <translation>Dans GNOME, les yeux d’Orbo suivent le pointeur partout une fois son extension GNOME Shell activée. Pour l’activer, lancez :

    gnome-extensions enable %1

ou activez « Orbo pointer » dans l’application Extensions. Si Orbo a été installé pendant cette session, fermez la session et rouvrez-la d’abord : GNOME Shell ne cherche de nouvelles extensions qu’à son démarrage.</translation>
        </message>
        <message>
            <source>No form of it for GNOME %1 came with this Orbo.</source>
            <translation>Aucune version pour GNOME %1 n’est fournie avec cet Orbo.</translation>
        </message>
        <message>
            <source>This Orbo's extension was made for GNOME up to %1, and this is GNOME %2. To have GNOME load it all the same, run:

    gsettings set org.gnome.shell disable-extension-version-validation true

then log out and in again. GNOME then loads every extension, whatever version it was made for: one that does not fit this GNOME may fail or misbehave, Orbo's among them. A newer Orbo may bring a form made for GNOME %2.</source>
            <translation>L’extension de cet Orbo a été faite pour GNOME jusqu’à %1, et ceci est GNOME %2. Pour que GNOME la charge quand même, exécutez :

    gsettings set org.gnome.shell disable-extension-version-validation true

puis déconnectez-vous et reconnectez-vous. GNOME charge alors toutes les extensions, quelle que soit la version pour laquelle elles ont été faites : une extension qui ne convient pas à ce GNOME peut échouer ou mal se comporter, celle d’Orbo comprise. Un Orbo plus récent apportera peut-être une forme faite pour GNOME %2.</translation>
        </message>
        <message>
            <source>To install the form made for GNOME %1 for yourself, run:

    mkdir -p ~/.local/share/gnome-shell/extensions
    cp -r %2 ~/.local/share/gnome-shell/extensions/

then log out and in again, and run:

    gnome-extensions enable %3</source>
            <translation>Pour installer pour vous-même la version faite pour GNOME %1, lancez :

    mkdir -p ~/.local/share/gnome-shell/extensions
    cp -r %2 ~/.local/share/gnome-shell/extensions/

puis fermez la session, rouvrez-la et lancez :

    gnome-extensions enable %3</translation>
        </message>
        <message>
            <source>GNOME Shell %1</source>
            <translation>GNOME Shell %1</translation>
        </message>
        <message>
            <source>Orbo's GNOME Shell extension makes the eyes follow the pointer everywhere, but %1 does not know it. If Orbo was installed during this session, log out and in again: GNOME Shell looks for new extensions only when it starts.

%2</source>
            <translation>L’extension GNOME Shell d’Orbo fait suivre le pointeur aux yeux partout, mais %1 ne la connaît pas. Si Orbo a été installé pendant cette session, fermez la session et rouvrez-la : GNOME Shell ne cherche de nouvelles extensions qu’à son démarrage.

%2</translation>
        </message>
        <message>
            <source>%1 does not load Orbo's extension in %2: that copy is made for another version of GNOME.

%3</source>
            <translation>%1 ne charge pas l’extension d’Orbo dans %2 : cette copie est faite pour une autre version de GNOME.

%3</translation>
        </message>
        <message>
            <source>Orbo's GNOME Shell extension failed in %1, which says: "%2". Reinstalling Orbo and logging out and in again may mend it.</source>
            <translation>L’extension GNOME Shell d’Orbo a échoué dans %1, qui dit : « %2 ». Réinstaller Orbo puis fermer et rouvrir la session peut la réparer.</translation>
        </message>
        <message>
            <source>Extensions are switched off in GNOME (the setting disable-user-extensions), Orbo's among them. To switch them on, and Orbo's, run:

    gsettings set org.gnome.shell disable-user-extensions false
    gnome-extensions enable %1</source>
            <translation>Les extensions sont désactivées dans GNOME (le réglage disable-user-extensions), celle d’Orbo avec elles. Pour les activer, ainsi que celle d’Orbo, lancez :

    gsettings set org.gnome.shell disable-user-extensions false
    gnome-extensions enable %1</translation>
        </message>
        <message>
            <source>Orbo's GNOME Shell extension, which makes the eyes follow the pointer everywhere, is switched off. To switch it on, run:

    gnome-extensions enable %1

or switch on "Orbo pointer" in the Extensions application.</source>
            <translation>L’extension GNOME Shell d’Orbo, qui fait suivre le pointeur aux yeux partout, est désactivée. Pour l’activer, lancez :

    gnome-extensions enable %1

ou activez « Orbo pointer » dans l’application Extensions.</translation>
        </message>
        <message>
            <source>%1 runs Orbo's extension, but the extension has not made itself known to Orbo. Switching it off and on again may help:

    gnome-extensions disable %2
    gnome-extensions enable %2</source>
            <translation>%1 exécute l’extension d’Orbo, mais l’extension ne s’est pas fait connaître d’Orbo. La désactiver puis la réactiver peut aider :

    gnome-extensions disable %2
    gnome-extensions enable %2</translation>
        </message>
    </context>
    <context>
        <name>orbo::HotKey</name>
        <message>
            <source>"%1", the HotKey in Orbo's settings, is no key Orbo can listen for: name one key with Ctrl, Alt or Meta, such as "%2".</source>
            <translation>« %1 », le HotKey des réglages d’Orbo, n’est pas une touche qu’Orbo peut écouter : indiquez une touche avec Ctrl, Alt ou Meta, comme « %2 ».</translation>
        </message>
        <message>
            <source>orbo: %1 does not hide and show Orbo on this desktop</source>
            <translation>orbo : %1 ne masque ni n’affiche Orbo sur ce bureau</translation>
        </message>
        <message>
            <source>%1 cannot hide and show Orbo: %2. Another key can be set as HotKey in Orbo's settings.</source>
            <translation>%1 ne peut pas masquer et afficher Orbo : %2. Une autre touche peut être choisie comme HotKey dans les réglages d’Orbo.</translation>
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
            <translation>Options</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Infos</translation>
        </message>
        <message>
            <source> About Skin</source>
            <translation> Infos skin</translation>
        </message>
        <message>
            <source>Orbo - Options</source>
            <translation>Orbo - Options</translation>
        </message>
        <message>
            <source>Click Me</source>
            <translation>Cliquez-moi</translation>
        </message>
        <message>
            <source>Orbo %1 · Licence</source>
            <translation>Orbo %1 · Licence</translation>
        </message>
        <message>
            <source>Version, copyright and licence</source>
            <translation>Version, droits d’auteur et licence</translation>
        </message>
        <message>
            <source>About Skin</source>
            <translation>À propos du skin</translation>
        </message>
        <message>
            <source>Speed</source>
            <translation>Vitesse</translation>
        </message>
        <message>
            <source>Always On Top</source>
            <translation>Premier plan</translation>
        </message>
        <message>
            <source>Allow Blink</source>
            <translation>Cligner</translation>
        </message>
        <message>
            <source>&lt; none &gt;</source>
            <translation>&lt; aucun &gt;</translation>
        </message>
        <message>
            <source>'%1' by %2, %3</source>
            <translation>« %1 » par %2, %3</translation>
        </message>
        <message>
            <source>by Quillon</source>
            <translation>par Quillon</translation>
        </message>
        <message>
            <source>Thanks To:</source>
            <translation>Merci à :</translation>
        </message>
        <message>
            <source>Copyright © 2026 Orbo developers
ABSOLUTELY NO WARRANTY. Free software
under the GNU General Public License,
version 3 or later, which is at</source>
            <translation>Copyright © 2026 les développeurs d’Orbo
SANS AUCUNE GARANTIE. Logiciel libre
sous la licence publique générale GNU,
version 3 ou ultérieure, disponible sur</translation>
        </message>
    </context>
    <context>
        <name>orbo::PointerNotice</name>
        <message>
            <source>On this desktop Orbo's eyes follow the mouse pointer only while it is over Orbo or another X11 program's window: the desktop tells Orbo nothing of the pointer elsewhere.</source>
            <translation>Sur ce bureau, les yeux d’Orbo ne suivent le pointeur de la souris que lorsqu’il est sur Orbo ou sur la fenêtre d’un autre programme X11 : le bureau ne dit rien à Orbo du pointeur ailleurs.</translation>
        </message>
        <message>
            <source>In an X11 session, in KDE Plasma, and in GNOME with Orbo's extension, they follow it everywhere.</source>
            <translation>Dans une session X11, dans KDE Plasma et dans GNOME avec l’extension d’Orbo, ils le suivent partout.</translation>
        </message>
        <message>
            <source>Orbo - Where the eyes look</source>
            <translation>Orbo - Où regardent les yeux</translation>
        </message>
        <message>
            <source>Do not tell me again</source>
            <translation>Ne plus me le dire</translation>
        </message>
        <message>
            <source>%1 also shows Orbo&apos;s X11 window as a rectangle, placed by its own rules. Orbo built with LayerShellQt (Debian 13 and later have it) runs on %1 as a surface of its own instead: the creature in its shape, at its place, above the windows.</source>
            <translation>%1 montre aussi la fenêtre X11 d&apos;Orbo comme un rectangle, placé selon ses propres règles. Orbo compilé avec LayerShellQt (Debian 13 et suivants l&apos;ont) fonctionne sous %1 comme une surface à lui : la créature dans sa forme, à sa place, au-dessus des fenêtres.</translation>
        </message>
    </context>
    <context>
        <name>orbo::SettingsStore</name>
        <message>
            <source>it cannot be read whole, so it is not written over</source>
            <translation>il ne peut pas être lu en entier, il n’est donc pas réécrit</translation>
        </message>
    </context>
    <context>
        <name>orbo::SkinReader</name>
        <message>
            <source>blank or comment</source>
            <translation>vide ou commentaire</translation>
        </message>
        <message>
            <source>section</source>
            <translation>section</translation>
        </message>
        <message>
            <source>applied</source>
            <translation>appliquée</translation>
        </message>
        <message>
            <source>skipped: section not used</source>
            <translation>ignorée : section inutilisée</translation>
        </message>
        <message>
            <source>skipped: eye index out of range</source>
            <translation>ignorée : numéro d’œil hors limites</translation>
        </message>
        <message>
            <source>skipped: unknown key</source>
            <translation>ignorée : clé inconnue</translation>
        </message>
        <message>
            <source>failed: line too long</source>
            <translation>échec : ligne trop longue</translation>
        </message>
        <message>
            <source>failed: header "["</source>
            <translation>échec : en-tête « [ »</translation>
        </message>
        <message>
            <source>failed: key line without "="</source>
            <translation>échec : ligne de clé sans « = »</translation>
        </message>
        <message>
            <source>failed: picture not loaded</source>
            <translation>échec : image non chargée</translation>
        </message>
        <message>
            <source>failed: number outside 0-255</source>
            <translation>échec : nombre hors de 0 à 255</translation>
        </message>
        <message>
            <source>failed: pair without ","</source>
            <translation>échec : paire sans « , »</translation>
        </message>
        <message>
            <source>failed: the skin's pictures too large in all</source>
            <translation>échec : images du skin trop grandes au total</translation>
        </message>
    </context>
    <context>
        <name>orbo::TrayIcon</name>
        <message>
            <source>Orbo: a click hides or shows the creature</source>
            <translation>Orbo : un clic masque ou affiche la créature</translation>
        </message>
    </context>
</TS>
