<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
    <context>
        <name>orbo::Autostart</name>
        <message>
            <source>a name that is not UTF-8</source>
            <translation>un nombre que no es UTF-8</translation>
        </message>
        <message>
            <source>a control character</source>
            <translation>un carácter de control</translation>
        </message>
        <message>
            <source>error %1</source>
            <translation>error %1</translation>
        </message>
        <message>
            <source>Orbo could not remove its value from %1: %2</source>
            <translation>Orbo no pudo quitar su valor de %1: %2</translation>
        </message>
        <message>
            <source>Orbo could not enable its start at login: %1</source>
            <translation>Orbo no pudo activar su inicio al iniciar sesión: %1</translation>
        </message>
        <message>
            <source>Orbo could not write its value in %1: %2</source>
            <translation>Orbo no pudo escribir su valor en %1: %2</translation>
        </message>
        <message>
            <source>Orbo could not remove %1: %2</source>
            <translation>Orbo no pudo eliminar %1: %2</translation>
        </message>
        <message>
            <source>Orbo cannot start at login from %1: desktops do not start a program whose path holds %2; move Orbo to a folder whose path has none.</source>
            <translation>Orbo no puede iniciarse al iniciar sesión desde %1: los escritorios no inician un programa cuya ruta contiene %2. Mueva Orbo a una carpeta cuya ruta no lo contenga.</translation>
        </message>
        <message>
            <source>Orbo could not make the folder %1</source>
            <translation>Orbo no pudo crear la carpeta %1</translation>
        </message>
        <message>
            <source>Orbo could not write %1: %2</source>
            <translation>Orbo no pudo escribir %1: %2</translation>
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
            <translation>%1 (los suyos)</translation>
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
            <translation>Uso: orbo [--help | --version | --toggle]
Muestra una criatura cuyos ojos siguen al ratón. Arrástrela con el botón izquierdo;
un clic derecho sobre ella abre su menú. Iniciado de nuevo mientras funciona, Orbo
devuelve la criatura al centro de la pantalla.

  -h, --help     muestra esta ayuda y termina
  -v, --version  muestra la versión y termina
  --toggle       oculta o muestra la criatura en marcha (para una tecla del
                 escritorio); si no hay ninguna, la inicia

  Ajustes:        %1
</translation>
        </message>
        <message>
            <source>orbo: unknown argument "%1" (orbo --help lists the options)
</source>
            <translation>orbo: argumento desconocido «%1» (orbo --help enumera las opciones)
</translation>
        </message>
    </context>
    <context>
        <name>orbo::CreatureMenu</name>
        <message>
            <source>&amp;Options</source>
            <translation>&amp;Opciones</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Salir</translation>
        </message>
        <message>
            <source>&amp;Show</source>
            <translation>&amp;Mostrar</translation>
        </message>
        <message>
            <source>&amp;Hide</source>
            <translation>Oc&amp;ultar</translation>
        </message>
        <message>
            <source>&amp;Hide (start Orbo again to show it)</source>
            <translation>Oc&amp;ultar (inicie Orbo de nuevo para mostrarla)</translation>
        </message>
        <message>
            <source>Start at &amp;login</source>
            <translation>&amp;Iniciar con la sesión</translation>
        </message>
        <message>
            <source>Hide over &amp;full-screen windows</source>
            <translation>Ocultar sobre ventanas a pantalla &amp;completa</translation>
        </message>
        <message>
            <source>Show on every &amp;workspace</source>
            <translation>Mostrar en cada espacio de tra&amp;bajo</translation>
        </message>
        <message>
            <source>Let &amp;clicks through</source>
            <translation>Dejar pasar los c&amp;lics</translation>
        </message>
        <message>
            <source>&amp;Doze when I am away</source>
            <translation>&amp;Dormitar cuando no esté</translation>
        </message>
        <message>
            <source>&amp;Bring back</source>
            <translation>&amp;Traer de vuelta</translation>
        </message>
        <message>
            <source>Si&amp;ze</source>
            <translation>Tama&amp;ño</translation>
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
            <translation>orbo: los ajustes no se guardaron: %1</translation>
        </message>
        <message>
            <source>Clicks reach the creature again: starting Orbo again turned "Let clicks through" off.</source>
            <translation>Los clics vuelven a llegar a la criatura: iniciar Orbo de nuevo desactivó «Dejar pasar los clics».</translation>
        </message>
        <message>
            <source>"Let clicks through" stays off: with no session bus, starting Orbo again could not turn it off.</source>
            <translation>«Dejar pasar los clics» sigue desactivado: sin bus de sesión, iniciar Orbo de nuevo no podría desactivarlo.</translation>
        </message>
    </context>
    <context>
        <name>orbo::Desktop</name>
        <message>
            <source>this desktop lets no program listen for a key everywhere</source>
            <translation>este escritorio no deja a ningún programa escuchar una tecla en todas partes</translation>
        </message>
        <message>
            <source>this keyboard has no such key</source>
            <translation>este teclado no tiene esa tecla</translation>
        </message>
        <message>
            <source>GNOME Shell has it for something else</source>
            <translation>GNOME Shell la usa para otra cosa</translation>
        </message>
        <message>
            <source>another program already uses it</source>
            <translation>otro programa ya la usa</translation>
        </message>
        <message>
            <source>Windows refused it (error %1)</source>
            <translation>Windows la rechazó (error %1)</translation>
        </message>
        <message>
            <source>the desktop refused it</source>
            <translation>el escritorio la rechazó</translation>
        </message>
        <message>
            <source>Orbo: Hide or show the creature</source>
            <translation>Orbo: ocultar o mostrar la criatura</translation>
        </message>
        <message>
            <source>this keyboard types it only with AltGr or another layout</source>
            <translation>este teclado solo la escribe con AltGr u otra distribución</translation>
        </message>
        <message>
            <source>On this desktop Orbo&apos;s eyes follow the mouse pointer only while it is over Orbo: the desktop tells no program where the pointer is elsewhere.</source>
            <translation>En este escritorio los ojos de Orbo siguen el puntero del ratón solo mientras está sobre Orbo: el escritorio no dice a ningún programa dónde está el puntero en otro lugar.</translation>
        </message>
        <message>
            <source>On %1 Orbo&apos;s eyes follow the mouse pointer only while it is over Orbo: %1 tells no program where the pointer is elsewhere.</source>
            <translation>En %1 los ojos de Orbo siguen el puntero del ratón solo mientras está sobre Orbo: %1 no dice a ningún programa dónde está el puntero en otro lugar.</translation>
        </message>
        <message>
            <source>On Hyprland, in an X11 session, in KDE Plasma, and in GNOME with Orbo&apos;s extension, they follow it everywhere.</source>
            <translation>En Hyprland, en una sesión X11, en KDE Plasma y en GNOME con la extensión de Orbo, lo siguen por todas partes.</translation>
        </message>
    </context>
    <context>
        <name>orbo::Display</name>
        <message>
            <source>no X display (DISPLAY is not set); under Wayland Orbo needs XWayland</source>
            <translation>no hay pantalla X (DISPLAY no está definido); en Wayland Orbo necesita XWayland</translation>
        </message>
        <message>
            <source>no display (DISPLAY is not set)</source>
            <translation>no hay pantalla (DISPLAY no está definido)</translation>
        </message>
        <message>
            <source>cannot open display "%1"</source>
            <translation>no se puede abrir la pantalla «%1»</translation>
        </message>
    </context>
        <context>
        <name>orbo::GnomeExtension</name>
        <message>
            <source>In GNOME, Orbo's eyes follow the pointer everywhere once its GNOME Shell extension is on. To turn it on, run:

    gnome-extensions enable %1

or switch on "Orbo pointer" in the Extensions application. If Orbo was installed during this session, log out and in again first: GNOME Shell looks for new extensions only when it starts.</source>
            <translation>En GNOME, los ojos de Orbo siguen al puntero en todas partes cuando su extensión de GNOME Shell está activada. Para activarla, ejecute:

    gnome-extensions enable %1

o active «Orbo pointer» en la aplicación Extensiones. Si Orbo se instaló durante esta sesión, cierre la sesión y vuelva a entrar primero: GNOME Shell solo busca extensiones nuevas al arrancar.</translation>
        </message>
        <message>
            <source>No form of it for GNOME %1 came with this Orbo.</source>
            <translation>Este Orbo no trae ninguna versión para GNOME %1.</translation>
        </message>
        <message>
            <source>This Orbo's extension was made for GNOME up to %1, and this is GNOME %2. To have GNOME load it all the same, run:

    gsettings set org.gnome.shell disable-extension-version-validation true

then log out and in again. GNOME then loads every extension, whatever version it was made for: one that does not fit this GNOME may fail or misbehave, Orbo's among them. A newer Orbo may bring a form made for GNOME %2.</source>
            <translation>La extensión de este Orbo se hizo para GNOME hasta %1, y este es GNOME %2. Para que GNOME la cargue de todos modos, ejecute:

    gsettings set org.gnome.shell disable-extension-version-validation true

y luego cierre la sesión y vuelva a entrar. GNOME carga entonces todas las extensiones, sea cual sea la versión para la que se hicieron: una que no encaje con este GNOME puede fallar o comportarse mal, también la de Orbo. Un Orbo más reciente quizá traiga una forma hecha para GNOME %2.</translation>
        </message>
        <message>
            <source>To install the form made for GNOME %1 for yourself, run:

    mkdir -p ~/.local/share/gnome-shell/extensions
    cp -r %2 ~/.local/share/gnome-shell/extensions/

then log out and in again, and run:

    gnome-extensions enable %3</source>
            <translation>Para instalar para usted la versión hecha para GNOME %1, ejecute:

    mkdir -p ~/.local/share/gnome-shell/extensions
    cp -r %2 ~/.local/share/gnome-shell/extensions/

luego cierre la sesión, vuelva a entrar y ejecute:

    gnome-extensions enable %3</translation>
        </message>
        <message>
            <source>GNOME Shell %1</source>
            <translation>GNOME Shell %1</translation>
        </message>
        <message>
            <source>Orbo's GNOME Shell extension makes the eyes follow the pointer everywhere, but %1 does not know it. If Orbo was installed during this session, log out and in again: GNOME Shell looks for new extensions only when it starts.

%2</source>
            <translation>La extensión de GNOME Shell de Orbo hace que los ojos sigan al puntero en todas partes, pero %1 no la conoce. Si Orbo se instaló durante esta sesión, cierre la sesión y vuelva a entrar: GNOME Shell solo busca extensiones nuevas al arrancar.

%2</translation>
        </message>
        <message>
            <source>%1 does not load Orbo's extension in %2: that copy is made for another version of GNOME.

%3</source>
            <translation>%1 no carga la extensión de Orbo en %2: esa copia está hecha para otra versión de GNOME.

%3</translation>
        </message>
        <message>
            <source>Orbo's GNOME Shell extension failed in %1, which says: "%2". Reinstalling Orbo and logging out and in again may mend it.</source>
            <translation>La extensión de GNOME Shell de Orbo falló en %1, que dice: «%2». Reinstalar Orbo y cerrar y volver a abrir la sesión puede arreglarlo.</translation>
        </message>
        <message>
            <source>Extensions are switched off in GNOME (the setting disable-user-extensions), Orbo's among them. To switch them on, and Orbo's, run:

    gsettings set org.gnome.shell disable-user-extensions false
    gnome-extensions enable %1</source>
            <translation>Las extensiones están desactivadas en GNOME (el ajuste disable-user-extensions), la de Orbo entre ellas. Para activarlas, y la de Orbo, ejecute:

    gsettings set org.gnome.shell disable-user-extensions false
    gnome-extensions enable %1</translation>
        </message>
        <message>
            <source>Orbo's GNOME Shell extension, which makes the eyes follow the pointer everywhere, is switched off. To switch it on, run:

    gnome-extensions enable %1

or switch on "Orbo pointer" in the Extensions application.</source>
            <translation>La extensión de GNOME Shell de Orbo, que hace que los ojos sigan al puntero en todas partes, está desactivada. Para activarla, ejecute:

    gnome-extensions enable %1

o active «Orbo pointer» en la aplicación Extensiones.</translation>
        </message>
        <message>
            <source>%1 runs Orbo's extension, but the extension has not made itself known to Orbo. Switching it off and on again may help:

    gnome-extensions disable %2
    gnome-extensions enable %2</source>
            <translation>%1 ejecuta la extensión de Orbo, pero la extensión no se ha dado a conocer a Orbo. Desactivarla y activarla de nuevo puede ayudar:

    gnome-extensions disable %2
    gnome-extensions enable %2</translation>
        </message>
    </context>
    <context>
        <name>orbo::HotKey</name>
        <message>
            <source>"%1", the HotKey in Orbo's settings, is no key Orbo can listen for: name one key with Ctrl, Alt or Meta, such as "%2".</source>
            <translation>«%1», el HotKey de los ajustes de Orbo, no es una tecla que Orbo pueda escuchar: indique una tecla con Ctrl, Alt o Meta, como «%2».</translation>
        </message>
        <message>
            <source>orbo: %1 does not hide and show Orbo on this desktop</source>
            <translation>orbo: %1 no oculta ni muestra Orbo en este escritorio</translation>
        </message>
        <message>
            <source>%1 cannot hide and show Orbo: %2. Another key can be set as HotKey in Orbo's settings.</source>
            <translation>%1 no puede ocultar y mostrar Orbo: %2. Se puede poner otra tecla como HotKey en los ajustes de Orbo.</translation>
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
            <translation>Ajustes</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Acerca</translation>
        </message>
        <message>
            <source> About Skin</source>
            <translation> Acerca del skin</translation>
        </message>
        <message>
            <source>Orbo - Options</source>
            <translation>Orbo - Opciones</translation>
        </message>
        <message>
            <source>Click Me</source>
            <translation>Haz clic</translation>
        </message>
        <message>
            <source>Orbo %1 · Licence</source>
            <translation>Orbo %1 · Licencia</translation>
        </message>
        <message>
            <source>Version, copyright and licence</source>
            <translation>Versión, derechos de autor y licencia</translation>
        </message>
        <message>
            <source>About Skin</source>
            <translation>Acerca del skin</translation>
        </message>
        <message>
            <source>Speed</source>
            <translation>Velocidad</translation>
        </message>
        <message>
            <source>Always On Top</source>
            <translation>Al frente</translation>
        </message>
        <message>
            <source>Allow Blink</source>
            <translation>Parpadeo</translation>
        </message>
        <message>
            <source>&lt; none &gt;</source>
            <translation>&lt; ninguno &gt;</translation>
        </message>
        <message>
            <source>'%1' by %2, %3</source>
            <translation>«%1» de %2, %3</translation>
        </message>
        <message>
            <source>by Quillon</source>
            <translation>de Quillon</translation>
        </message>
        <message>
            <source>Thanks To:</source>
            <translation>Gracias a:</translation>
        </message>
        <message>
            <source>Copyright © 2026 Orbo developers
ABSOLUTELY NO WARRANTY. Free software
under the GNU General Public License,
version 3 or later, which is at</source>
            <translation>Copyright © 2026 los desarrolladores de Orbo
SIN NINGUNA GARANTÍA. Software libre
bajo la Licencia Pública General de GNU,
versión 3 o posterior, que está en</translation>
        </message>
    </context>
    <context>
        <name>orbo::PointerNotice</name>
        <message>
            <source>On this desktop Orbo's eyes follow the mouse pointer only while it is over Orbo or another X11 program's window: the desktop tells Orbo nothing of the pointer elsewhere.</source>
            <translation>En este escritorio los ojos de Orbo siguen al puntero del ratón solo mientras está sobre Orbo o sobre la ventana de otro programa X11: el escritorio no le dice nada a Orbo del puntero en otros sitios.</translation>
        </message>
        <message>
            <source>In an X11 session, in KDE Plasma, and in GNOME with Orbo's extension, they follow it everywhere.</source>
            <translation>En una sesión X11, en KDE Plasma y en GNOME con la extensión de Orbo, lo siguen en todas partes.</translation>
        </message>
        <message>
            <source>Orbo - Where the eyes look</source>
            <translation>Orbo - Adónde miran los ojos</translation>
        </message>
        <message>
            <source>Do not tell me again</source>
            <translation>No volver a avisarme</translation>
        </message>
        <message>
            <source>%1 also shows Orbo&apos;s X11 window as a rectangle, placed by its own rules. Orbo built with LayerShellQt (Debian 13 and later have it) runs on %1 as a surface of its own instead: the creature in its shape, at its place, above the windows.</source>
            <translation>%1 además muestra la ventana X11 de Orbo como un rectángulo, colocado según sus propias reglas. Orbo compilado con LayerShellQt (Debian 13 y posteriores lo tienen) funciona en %1 como una superficie propia: la criatura con su forma, en su sitio, sobre las ventanas.</translation>
        </message>
    </context>
    <context>
        <name>orbo::SettingsStore</name>
        <message>
            <source>it cannot be read whole, so it is not written over</source>
            <translation>no se puede leer entero, así que no se sobrescribe</translation>
        </message>
    </context>
    <context>
        <name>orbo::SkinReader</name>
        <message>
            <source>blank or comment</source>
            <translation>vacía o comentario</translation>
        </message>
        <message>
            <source>section</source>
            <translation>sección</translation>
        </message>
        <message>
            <source>applied</source>
            <translation>aplicada</translation>
        </message>
        <message>
            <source>skipped: section not used</source>
            <translation>omitida: sección no usada</translation>
        </message>
        <message>
            <source>skipped: eye index out of range</source>
            <translation>omitida: número de ojo fuera de rango</translation>
        </message>
        <message>
            <source>skipped: unknown key</source>
            <translation>omitida: clave desconocida</translation>
        </message>
        <message>
            <source>failed: line too long</source>
            <translation>fallo: línea demasiado larga</translation>
        </message>
        <message>
            <source>failed: header "["</source>
            <translation>fallo: cabecera «[»</translation>
        </message>
        <message>
            <source>failed: key line without "="</source>
            <translation>fallo: línea de clave sin «=»</translation>
        </message>
        <message>
            <source>failed: picture not loaded</source>
            <translation>fallo: imagen no cargada</translation>
        </message>
        <message>
            <source>failed: number outside 0-255</source>
            <translation>fallo: número fuera de 0-255</translation>
        </message>
        <message>
            <source>failed: pair without ","</source>
            <translation>fallo: par sin «,»</translation>
        </message>
        <message>
            <source>failed: the skin's pictures too large in all</source>
            <translation>fallo: las imágenes del skin son demasiado grandes en total</translation>
        </message>
    </context>
    <context>
        <name>orbo::TrayIcon</name>
        <message>
            <source>Orbo: a click hides or shows the creature</source>
            <translation>Orbo: un clic oculta o muestra la criatura</translation>
        </message>
    </context>
</TS>
