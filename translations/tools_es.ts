<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>orbo::SkinCheck</name>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>pink fringe: %1 pixels at the outline are nearly magenta but not exactly (255,0,255), so they stay in the window:
    at %2; draw the outline without anti-aliasing</source>
        <translation>borde rosa: %1 píxeles del contorno son casi magenta, pero no exactamente (255,0,255), por lo que se quedan en la ventana:
    en %2; dibuje el contorno sin suavizado</translation>
    </message>
    <message>
        <source>shows for no button</source>
        <translation>no aparece con ningún botón</translation>
    </message>
    <message>
        <source>shows while the left button is held</source>
        <translation>aparece mientras se mantiene pulsado el botón izquierdo</translation>
    </message>
    <message>
        <source>shows while the right button is held</source>
        <translation>aparece mientras se mantiene pulsado el botón derecho</translation>
    </message>
    <message>
        <source>shows while the left or right button is held</source>
        <translation>aparece mientras se mantiene pulsado el botón izquierdo o el derecho</translation>
    </message>
    <message>
        <source>shows while the middle button is held</source>
        <translation>aparece mientras se mantiene pulsado el botón central</translation>
    </message>
    <message>
        <source>shows while the left or middle button is held</source>
        <translation>aparece mientras se mantiene pulsado el botón izquierdo o el central</translation>
    </message>
    <message>
        <source>shows while the right or middle button is held</source>
        <translation>aparece mientras se mantiene pulsado el botón derecho o el central</translation>
    </message>
    <message>
        <source>shows while the left or right or middle button is held</source>
        <translation>aparece mientras se mantiene pulsado el botón izquierdo, el derecho o el central</translation>
    </message>
    <message>
        <source>name: %1</source>
        <translation>nombre: %1</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>correo: %1</translation>
    </message>
    <message>
        <source>home page: %1</source>
        <translation>página web: %1</translation>
    </message>
    <message>
        <source>creator: %1</source>
        <translation>creador: %1</translation>
    </message>
    <message>
        <source>date: %1</source>
        <translation>fecha: %1</translation>
    </message>
    <message>
        <source>comment: %1</source>
        <translation>comentario: %1</translation>
    </message>
    <message>
        <source> (%1 read as %2)</source>
        <translation> (%1 leído como %2)</translation>
    </message>
    <message>
        <source>background picture %1</source>
        <translation>imagen de fondo %1</translation>
    </message>
    <message>
        <source>no eyes: the background alone</source>
        <translation>sin ojos: solo el fondo</translation>
    </message>
    <message>
        <source>1 eye, empty until its section fills it</source>
        <translation>1 ojo, vacío hasta que su sección lo rellene</translation>
    </message>
    <message>
        <source>%1 eyes, empty until their sections fill them</source>
        <translation>%1 ojos, vacíos hasta que sus secciones los rellenen</translation>
    </message>
    <message>
        <source>eye %1: box at %2,%3</source>
        <translation>ojo %1: recuadro en %2,%3</translation>
    </message>
    <message>
        <source>eye %1: grid of %2 columns x %3 rows</source>
        <translation>ojo %1: cuadrícula de %2 columnas x %3 filas</translation>
    </message>
    <message>
        <source>eye %1: box %2 x %3 pixels</source>
        <translation>ojo %1: recuadro de %2 x %3 píxeles</translation>
    </message>
    <message>
        <source>eye %1: kind %2</source>
        <translation>ojo %1: tipo %2</translation>
    </message>
    <message>
        <source> (only the first six letters of %1 count)</source>
        <translation> (solo cuentan las seis primeras letras de %1)</translation>
    </message>
    <message>
        <source>eye %1: %2 frames</source>
        <translation>ojo %1: %2 fotogramas</translation>
    </message>
    <message>
        <source>eye %1: %2</source>
        <translation>ojo %1: %2</translation>
    </message>
    <message>
        <source>eye %1: picture %2</source>
        <translation>ojo %1: imagen %2</translation>
    </message>
    <message>
        <source>eye %1: mask %2</source>
        <translation>ojo %1: máscara %2</translation>
    </message>
    <message>
        <source> (not used: its lines are skipped)</source>
        <translation> (no se usa: sus líneas se omiten)</translation>
    </message>
    <message>
        <source>%1 = %2  (stored as %3 twips)</source>
        <translation>%1 = %2  (guardado como %3 twips)</translation>
    </message>
    <message>
        <source>%1 = %2  (stored as %3)</source>
        <translation>%1 = %2  (guardado como %3)</translation>
    </message>
    <message>
        <source> (blank before &quot;=&quot;)</source>
        <translation> (espacio antes de «=»)</translation>
    </message>
    <message>
        <source>%1: %2 -- reading stops here</source>
        <translation>%1: %2 — la lectura se detiene aquí</translation>
    </message>
    <message>
        <source>
          did you mean %1?</source>
        <translation>
          ¿quería decir %1?</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>%1: %2 -- reading stops here
          the pictures of one skin may take %3 MiB in all; its background counts five times, more on a scaled display</source>
        <translation>%1: %2 — la lectura se detiene aquí
          las imágenes de un skin pueden ocupar %3 MiB en total; su fondo cuenta cinco veces, más en una pantalla escalada</translation>
    </message>
    <message>
        <source>%1 -- reading stops here</source>
        <translation>%1 — la lectura se detiene aquí</translation>
    </message>
    <message>
        <source>skipped: no such eye (&quot;eyes=&quot; says how many there are)</source>
        <translation>omitida: no existe ese ojo («eyes=» indica cuántos hay)</translation>
    </message>
    <message>
        <source>line %1: eye section before &quot;eyes&quot; (line %2), which throws its values away</source>
        <translation>línea %1: sección de ojo antes de «eyes» (línea %2), que descarta sus valores</translation>
    </message>
    <message>
        <source>info not set (About Skin shows the built-in skin&apos;s): %1</source>
        <translation>información sin definir («Acerca del skin» muestra la del skin integrado): %1</translation>
    </message>
    <message>
        <source>No Skin.ini there (or it is not a regular file): the built-in skin is shown.
</source>
        <translation>No hay ningún Skin.ini ahí (o no es un archivo normal): se muestra el skin integrado.
</translation>
    </message>
    <message>
        <source>Reading stopped at line %1 (%2). Lines before it stay applied; later lines are not read.
</source>
        <translation>La lectura se detuvo en la línea %1 (%2). Las líneas anteriores siguen aplicadas; las posteriores no se leen.
</translation>
    </message>
    <message>
        <source>The whole file was read (%1 lines).
</source>
        <translation>Se leyó el archivo entero (%1 líneas).
</translation>
    </message>
    <message>
        <source>eye %1 (%2): </source>
        <translation>ojo %1 (%2): </translation>
    </message>
    <message>
        <source>no type</source>
        <translation>sin tipo</translation>
    </message>
    <message>
        <source>at %1,%2, a grid of %3 columns x %4 rows</source>
        <translation>en %1,%2, una cuadrícula de %3 columnas x %4 filas</translation>
    </message>
    <message>
        <source>at %1,%2</source>
        <translation>en %1,%2</translation>
    </message>
    <message>
        <source>box at %1,%2, %3 x %4 pixels</source>
        <translation>recuadro en %1,%2, %3 x %4 píxeles</translation>
    </message>
    <message>
        <source>, %1 frames</source>
        <translation>, %1 fotogramas</translation>
    </message>
    <message>
        <source>, no picture</source>
        <translation>, sin imagen</translation>
    </message>
    <message>
        <source>, picture %1</source>
        <translation>, imagen %1</translation>
    </message>
    <message>
        <source>, no mask</source>
        <translation>, sin máscara</translation>
    </message>
    <message>
        <source>, mask %1</source>
        <translation>, máscara %1</translation>
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
Resumen
  Nombre:     %1
  Creador:    %2
  Correo:     %3
  Página web: %4
  Fecha:      %5
  Comentario: %6
</translation>
    </message>
    <message>
        <source>  Background: %1 pixels (the built-in one)
</source>
        <translation>  Fondo:   %1 píxeles (el integrado)
</translation>
    </message>
    <message>
        <source>  Background: %1 pixels
</source>
        <translation>  Fondo:   %1 píxeles
</translation>
    </message>
    <message>
        <source>  Window:     %1 pixels
  Shape:      %2 pixels
</source>
        <translation>  Ventana: %1 píxeles
  Forma:   %2 píxeles
</translation>
    </message>
    <message>
        <source>  Eyes:       %1 (element 0 is never drawn)
</source>
        <translation>  Ojos:    %1 (el elemento 0 nunca se dibuja)
</translation>
    </message>
    <message>
        <source>  Eyes:       %1
</source>
        <translation>  Ojos:    %1
</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>    eye %1: kind %2, box %3,%4 size %5x%6 px, frames/buttons %7, pic %8, mask %9
</source>
        <translation>    ojo %1: tipo %2, recuadro %3,%4 tamaño %5x%6 px, fotogramas/botones %7, imagen %8, máscara %9
</translation>
    </message>
    <message>
        <source>eye %1 has no type: it is never drawn</source>
        <translation>el ojo %1 no tiene tipo: nunca se dibuja</translation>
    </message>
    <message>
        <source>eye %1: kind %2 is not one the animation knows; it is never drawn</source>
        <translation>ojo %1: la animación no conoce el tipo %2; nunca se dibuja</translation>
    </message>
    <message>
        <source>eye %1: its picture (%2 pixels) is larger than its box (%3 x %4 pixels)</source>
        <translation>ojo %1: su imagen (%2 píxeles) es mayor que su recuadro (%3 x %4 píxeles)</translation>
    </message>
    <message>
        <source>the background has no magenta (255,0,255) pixel: the window is a plain rectangle</source>
        <translation>el fondo no tiene ningún píxel magenta (255,0,255): la ventana es un simple rectángulo</translation>
    </message>
    <message>
        <source>Skin.ini of %1
</source>
        <translation>Skin.ini de %1
</translation>
    </message>
    <message>
        <source>
Warnings
</source>
        <translation>
Avisos
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
        <translation>uso: orbo-skin-check CARPETA|NOMBRE [--exact] [--render SALIDA.png --cursor X,Y [--screen AN,AL] [--buttons I,D,C] [--scale E] [--size PORCENTAJE] [--at X,Y]]
     orbo-skin-check --help
Lee CARPETA/Skin.ini como lo hace Orbo y dice qué hizo cada línea. Un NOMBRE que aquí no
es una carpeta se busca en las carpetas de skins, como Orbo busca un skin por su nombre.
--exact da los valores tal como los guarda Orbo (nombres de campo, twips, tipos rellenados).
--size dibuja al 50, 75, 100, 150, 200 o 300 % de la imagen, además de --scale.
Estado de salida: 0 se leyó el archivo entero, 1 la lectura se detuvo en un fallo o no había
Skin.ini, 2 uso incorrecto.
</translation>
    </message>
    <message>
        <source>No skin &quot;%1&quot; found. Tried:
</source>
        <translation>No se encontró ningún skin «%1». Se buscó en:
</translation>
    </message>
    <message>
        <source>Orbo shows the built-in skin for a name it does not find.
</source>
        <translation>Para un nombre que no encuentra, Orbo muestra el skin integrado.
</translation>
    </message>
    <message>
        <source>cannot write %1
</source>
        <translation>no se puede escribir %1
</translation>
    </message>
    <message>
        <source>
Rendering written to %1
</source>
        <translation>
Imagen escrita en %1
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
        <translation>uso: orbo-skin-import CARPETA_TEMA... [--into CARPETA] [--name NOMBRE] [--kind auto|frames] [--force]
Convierte temas de ojos de los applets de ojos de Xfce y GNOME en skins de Orbo, por defecto
en la carpeta de skins propia del usuario (%1).
Estado de salida: 0 se importaron todos los temas, 1 se rechazó algún tema, 2 uso incorrecto.
</translation>
    </message>
    <message>
        <source>--name names one skin: give one theme folder with it</source>
        <translation>--name nombra un solo skin: indique con él una sola carpeta de tema</translation>
    </message>
    <message>
        <source>this system has no folder of the user&apos;s own skins: give --into</source>
        <translation>este sistema no tiene carpeta para los skins propios del usuario: indique --into</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>the written Skin.ini cannot be read back</source>
        <translation>el Skin.ini escrito no se puede volver a leer</translation>
    </message>
    <message>
        <source>reading the written Skin.ini stopped at line %1 (%2)</source>
        <translation>la relectura del Skin.ini escrito se detuvo en la línea %1 (%2)</translation>
    </message>
    <message>
        <source>the written skin does not read back as %1 eyes over a background</source>
        <translation>el skin escrito no se relee como %1 ojos sobre un fondo</translation>
    </message>
    <message>
        <source>not a theme folder (it has no readable file &quot;config&quot;)</source>
        <translation>no es una carpeta de tema (no tiene un archivo «config» legible)</translation>
    </message>
    <message>
        <source>not a theme folder (its &quot;config&quot; names no eyes)</source>
        <translation>no es una carpeta de tema (su «config» no nombra ningún ojo)</translation>
    </message>
    <message>
        <source>&quot;config&quot; gives no number for wall-thickness</source>
        <translation>«config» no da ningún número para wall-thickness</translation>
    </message>
    <message>
        <source>&quot;config&quot; gives no number for num-eyes</source>
        <translation>«config» no da ningún número para num-eyes</translation>
    </message>
    <message>
        <source>num-eyes is %1, not 1 to %2</source>
        <translation>num-eyes es %1, no de 1 a %2</translation>
    </message>
    <message>
        <source>eye picture &quot;%1&quot; is missing or cannot be read</source>
        <translation>la imagen del ojo «%1» falta o no se puede leer</translation>
    </message>
    <message>
        <source>&quot;config&quot; names no eye-pixmap</source>
        <translation>«config» no nombra ningún eye-pixmap</translation>
    </message>
    <message>
        <source>pupil picture &quot;%1&quot; is missing or cannot be read</source>
        <translation>la imagen de la pupila «%1» falta o no se puede leer</translation>
    </message>
    <message>
        <source>&quot;config&quot; names no pupil-pixmap</source>
        <translation>«config» no nombra ningún pupil-pixmap</translation>
    </message>
    <message>
        <source>%1 eyes of %2 pixels make a background wider than %3 pixels</source>
        <translation>%1 ojos de %2 píxeles dan un fondo de más de %3 píxeles de ancho</translation>
    </message>
    <message>
        <source>a %1 x %2 pupil in a %3 x %4 eye with walls of %5 has no room to move: it stays at rest</source>
        <translation>una pupila de %1 x %2 en un ojo de %3 x %4 con paredes de %5 no tiene espacio para moverse: se queda en reposo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a skin folder</source>
        <translation>«%1» no puede nombrar una carpeta de skin</translation>
    </message>
    <message>
        <source>no skins folder to import into</source>
        <translation>no hay ninguna carpeta de skins a la que importar</translation>
    </message>
    <message>
        <source>cannot make the skins folder %1</source>
        <translation>no se puede crear la carpeta de skins %1</translation>
    </message>
    <message>
        <source>%1 frames of %2 pixels make a strip wider than %3 pixels</source>
        <translation>%1 fotogramas de %2 píxeles dan una tira de más de %3 píxeles de ancho</translation>
    </message>
    <message>
        <source>%1 already exists: not replaced (--force replaces it)</source>
        <translation>%1 ya existe: no se ha reemplazado (--force lo reemplaza)</translation>
    </message>
    <message>
        <source>cannot write into %1</source>
        <translation>no se puede escribir en %1</translation>
    </message>
    <message>
        <source>cannot write the skin into %1</source>
        <translation>no se puede escribir el skin en %1</translation>
    </message>
    <message>
        <source>cannot move the skin into place as %1</source>
        <translation>no se puede poner el skin en su sitio como %1</translation>
    </message>
</context>
</TS>
