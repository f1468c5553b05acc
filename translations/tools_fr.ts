<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>orbo::SkinCheck</name>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>pink fringe: %1 pixels at the outline are nearly magenta but not exactly (255,0,255), so they stay in the window:
    at %2; draw the outline without anti-aliasing</source>
        <translation>frange rose : %1 pixels du contour sont presque magenta, mais pas exactement (255,0,255), et restent donc dans la fenêtre :
    en %2 ; dessinez le contour sans anticrénelage</translation>
    </message>
    <message>
        <source>shows for no button</source>
        <translation>n’apparaît pour aucun bouton</translation>
    </message>
    <message>
        <source>shows while the left button is held</source>
        <translation>apparaît tant que le bouton gauche est enfoncé</translation>
    </message>
    <message>
        <source>shows while the right button is held</source>
        <translation>apparaît tant que le bouton droit est enfoncé</translation>
    </message>
    <message>
        <source>shows while the left or right button is held</source>
        <translation>apparaît tant que le bouton gauche ou le droit est enfoncé</translation>
    </message>
    <message>
        <source>shows while the middle button is held</source>
        <translation>apparaît tant que le bouton du milieu est enfoncé</translation>
    </message>
    <message>
        <source>shows while the left or middle button is held</source>
        <translation>apparaît tant que le bouton gauche ou celui du milieu est enfoncé</translation>
    </message>
    <message>
        <source>shows while the right or middle button is held</source>
        <translation>apparaît tant que le bouton droit ou celui du milieu est enfoncé</translation>
    </message>
    <message>
        <source>shows while the left or right or middle button is held</source>
        <translation>apparaît tant que le bouton gauche, le droit ou celui du milieu est enfoncé</translation>
    </message>
    <message>
        <source>name: %1</source>
        <translation>nom : %1</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>e-mail : %1</translation>
    </message>
    <message>
        <source>home page: %1</source>
        <translation>page d’accueil : %1</translation>
    </message>
    <message>
        <source>creator: %1</source>
        <translation>créateur : %1</translation>
    </message>
    <message>
        <source>date: %1</source>
        <translation>date : %1</translation>
    </message>
    <message>
        <source>comment: %1</source>
        <translation>commentaire : %1</translation>
    </message>
    <message>
        <source> (%1 read as %2)</source>
        <translation> (%1 lu comme %2)</translation>
    </message>
    <message>
        <source>background picture %1</source>
        <translation>image de fond %1</translation>
    </message>
    <message>
        <source>no eyes: the background alone</source>
        <translation>aucun œil : le fond seul</translation>
    </message>
    <message>
        <source>1 eye, empty until its section fills it</source>
        <translation>1 œil, vide jusqu’à ce que sa section le remplisse</translation>
    </message>
    <message>
        <source>%1 eyes, empty until their sections fill them</source>
        <translation>%1 yeux, vides jusqu’à ce que leurs sections les remplissent</translation>
    </message>
    <message>
        <source>eye %1: box at %2,%3</source>
        <translation>œil %1 : cadre en %2,%3</translation>
    </message>
    <message>
        <source>eye %1: grid of %2 columns x %3 rows</source>
        <translation>œil %1 : grille de %2 colonnes x %3 lignes</translation>
    </message>
    <message>
        <source>eye %1: box %2 x %3 pixels</source>
        <translation>œil %1 : cadre de %2 x %3 pixels</translation>
    </message>
    <message>
        <source>eye %1: kind %2</source>
        <translation>œil %1 : type %2</translation>
    </message>
    <message>
        <source> (only the first six letters of %1 count)</source>
        <translation> (seules les six premières lettres de %1 comptent)</translation>
    </message>
    <message>
        <source>eye %1: %2 frames</source>
        <translation>œil %1 : %2 images</translation>
    </message>
    <message>
        <source>eye %1: %2</source>
        <translation>œil %1 : %2</translation>
    </message>
    <message>
        <source>eye %1: picture %2</source>
        <translation>œil %1 : image %2</translation>
    </message>
    <message>
        <source>eye %1: mask %2</source>
        <translation>œil %1 : masque %2</translation>
    </message>
    <message>
        <source> (not used: its lines are skipped)</source>
        <translation> (inutilisée : ses lignes sont ignorées)</translation>
    </message>
    <message>
        <source>%1 = %2  (stored as %3 twips)</source>
        <translation>%1 = %2  (enregistré comme %3 twips)</translation>
    </message>
    <message>
        <source>%1 = %2  (stored as %3)</source>
        <translation>%1 = %2  (enregistré comme %3)</translation>
    </message>
    <message>
        <source> (blank before &quot;=&quot;)</source>
        <translation> (espace avant « = »)</translation>
    </message>
    <message>
        <source>%1: %2 -- reading stops here</source>
        <translation>%1 : %2 — la lecture s’arrête ici</translation>
    </message>
    <message>
        <source>
          did you mean %1?</source>
        <translation>
          vouliez-vous dire %1 ?</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>%1: %2 -- reading stops here
          the pictures of one skin may take %3 MiB in all; its background counts five times, more on a scaled display</source>
        <translation>%1 : %2 — la lecture s’arrête ici
          les images d’un skin peuvent occuper %3 Mio en tout ; son fond compte cinq fois, davantage sur un écran mis à l’échelle</translation>
    </message>
    <message>
        <source>%1 -- reading stops here</source>
        <translation>%1 — la lecture s’arrête ici</translation>
    </message>
    <message>
        <source>skipped: no such eye (&quot;eyes=&quot; says how many there are)</source>
        <translation>ignorée : cet œil n’existe pas (« eyes= » dit combien il y en a)</translation>
    </message>
    <message>
        <source>line %1: eye section before &quot;eyes&quot; (line %2), which throws its values away</source>
        <translation>ligne %1 : section d’œil avant « eyes » (ligne %2), qui en rejette les valeurs</translation>
    </message>
    <message>
        <source>info not set (About Skin shows the built-in skin&apos;s): %1</source>
        <translation>informations non définies (« À propos du skin » affiche celles du skin intégré) : %1</translation>
    </message>
    <message>
        <source>No Skin.ini there (or it is not a regular file): the built-in skin is shown.
</source>
        <translation>Pas de Skin.ini à cet endroit (ou ce n’est pas un fichier ordinaire) : le skin intégré est affiché.
</translation>
    </message>
    <message>
        <source>Reading stopped at line %1 (%2). Lines before it stay applied; later lines are not read.
</source>
        <translation>La lecture s’est arrêtée à la ligne %1 (%2). Les lignes précédentes restent appliquées ; les suivantes ne sont pas lues.
</translation>
    </message>
    <message>
        <source>The whole file was read (%1 lines).
</source>
        <translation>Tout le fichier a été lu (%1 lignes).
</translation>
    </message>
    <message>
        <source>eye %1 (%2): </source>
        <translation>œil %1 (%2) : </translation>
    </message>
    <message>
        <source>no type</source>
        <translation>sans type</translation>
    </message>
    <message>
        <source>at %1,%2, a grid of %3 columns x %4 rows</source>
        <translation>en %1,%2, une grille de %3 colonnes x %4 lignes</translation>
    </message>
    <message>
        <source>at %1,%2</source>
        <translation>en %1,%2</translation>
    </message>
    <message>
        <source>box at %1,%2, %3 x %4 pixels</source>
        <translation>cadre en %1,%2, %3 x %4 pixels</translation>
    </message>
    <message>
        <source>, %1 frames</source>
        <translation>, %1 images</translation>
    </message>
    <message>
        <source>, no picture</source>
        <translation>, sans image</translation>
    </message>
    <message>
        <source>, picture %1</source>
        <translation>, image %1</translation>
    </message>
    <message>
        <source>, no mask</source>
        <translation>, sans masque</translation>
    </message>
    <message>
        <source>, mask %1</source>
        <translation>, masque %1</translation>
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
Résumé
  Nom :            %1
  Créateur :       %2
  E-mail :         %3
  Page d’accueil : %4
  Date :           %5
  Commentaire :    %6
</translation>
    </message>
    <message>
        <source>  Background: %1 pixels (the built-in one)
</source>
        <translation>  Fond :    %1 pixels (le fond intégré)
</translation>
    </message>
    <message>
        <source>  Background: %1 pixels
</source>
        <translation>  Fond :    %1 pixels
</translation>
    </message>
    <message>
        <source>  Window:     %1 pixels
  Shape:      %2 pixels
</source>
        <translation>  Fenêtre : %1 pixels
  Forme :   %2 pixels
</translation>
    </message>
    <message>
        <source>  Eyes:       %1 (element 0 is never drawn)
</source>
        <translation>  Yeux :    %1 (l’élément 0 n’est jamais dessiné)
</translation>
    </message>
    <message>
        <source>  Eyes:       %1
</source>
        <translation>  Yeux :    %1
</translation>
    </message>
    <message>
        <source>none</source>
        <translation>néant</translation>
    </message>
    <message>
        <source>    eye %1: kind %2, box %3,%4 size %5x%6 px, frames/buttons %7, pic %8, mask %9
</source>
        <translation>    œil %1 : type %2, cadre %3,%4 taille %5x%6 px, images/boutons %7, image %8, masque %9
</translation>
    </message>
    <message>
        <source>eye %1 has no type: it is never drawn</source>
        <translation>l’œil %1 n’a pas de type : il n’est jamais dessiné</translation>
    </message>
    <message>
        <source>eye %1: kind %2 is not one the animation knows; it is never drawn</source>
        <translation>œil %1 : l’animation ne connaît pas le type %2 ; il n’est jamais dessiné</translation>
    </message>
    <message>
        <source>eye %1: its picture (%2 pixels) is larger than its box (%3 x %4 pixels)</source>
        <translation>œil %1 : son image (%2 pixels) est plus grande que son cadre (%3 x %4 pixels)</translation>
    </message>
    <message>
        <source>the background has no magenta (255,0,255) pixel: the window is a plain rectangle</source>
        <translation>le fond n’a aucun pixel magenta (255,0,255) : la fenêtre est un simple rectangle</translation>
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
Avertissements
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
        <translation>utilisation : orbo-skin-check DOSSIER|NOM [--exact] [--render SORTIE.png --cursor X,Y [--screen L,H] [--buttons G,D,M] [--scale E] [--size POURCENT] [--at X,Y]]
              orbo-skin-check --help
Lit DOSSIER/Skin.ini comme le fait Orbo et dit ce que chaque ligne a fait. Un NOM qui n’est
pas un dossier ici est cherché dans les dossiers de skins, comme Orbo cherche un skin par
son nom.
--exact donne les valeurs telles qu’Orbo les enregistre (noms de champs, twips, types
complétés).
--size dessine à 50, 75, 100, 150, 200 ou 300 % de l’image, en plus de --scale.
Code de sortie : 0 tout le fichier a été lu, 1 la lecture s’est arrêtée sur un échec ou il
n’y avait pas de Skin.ini, 2 mauvaise utilisation.
</translation>
    </message>
    <message>
        <source>No skin &quot;%1&quot; found. Tried:
</source>
        <translation>Aucun skin « %1 » trouvé. Chemins essayés :
</translation>
    </message>
    <message>
        <source>Orbo shows the built-in skin for a name it does not find.
</source>
        <translation>Pour un nom qu’il ne trouve pas, Orbo affiche le skin intégré.
</translation>
    </message>
    <message>
        <source>cannot write %1
</source>
        <translation>impossible d’écrire %1
</translation>
    </message>
    <message>
        <source>
Rendering written to %1
</source>
        <translation>
Rendu écrit dans %1
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
        <translation>utilisation : orbo-skin-import DOSSIER_THÈME... [--into DOSSIER] [--name NOM] [--kind auto|frames] [--force]
Transforme les thèmes d’yeux des applets d’yeux de Xfce et de GNOME en skins Orbo, par
défaut dans le dossier de skins propre à l’utilisateur (%1).
Code de sortie : 0 tous les thèmes importés, 1 un thème refusé, 2 mauvaise utilisation.
</translation>
    </message>
    <message>
        <source>--name names one skin: give one theme folder with it</source>
        <translation>--name nomme un seul skin : donnez-lui un seul dossier de thème</translation>
    </message>
    <message>
        <source>this system has no folder of the user&apos;s own skins: give --into</source>
        <translation>ce système n’a pas de dossier pour les skins propres à l’utilisateur : donnez --into</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>the written Skin.ini cannot be read back</source>
        <translation>le Skin.ini écrit ne peut pas être relu</translation>
    </message>
    <message>
        <source>reading the written Skin.ini stopped at line %1 (%2)</source>
        <translation>la relecture du Skin.ini écrit s’est arrêtée à la ligne %1 (%2)</translation>
    </message>
    <message>
        <source>the written skin does not read back as %1 eyes over a background</source>
        <translation>le skin écrit ne se relit pas comme %1 yeux sur un fond</translation>
    </message>
    <message>
        <source>not a theme folder (it has no readable file &quot;config&quot;)</source>
        <translation>pas un dossier de thème (il n’a pas de fichier « config » lisible)</translation>
    </message>
    <message>
        <source>not a theme folder (its &quot;config&quot; names no eyes)</source>
        <translation>pas un dossier de thème (son « config » ne nomme aucun œil)</translation>
    </message>
    <message>
        <source>&quot;config&quot; gives no number for wall-thickness</source>
        <translation>« config » ne donne aucun nombre pour wall-thickness</translation>
    </message>
    <message>
        <source>&quot;config&quot; gives no number for num-eyes</source>
        <translation>« config » ne donne aucun nombre pour num-eyes</translation>
    </message>
    <message>
        <source>num-eyes is %1, not 1 to %2</source>
        <translation>num-eyes vaut %1, et non de 1 à %2</translation>
    </message>
    <message>
        <source>eye picture &quot;%1&quot; is missing or cannot be read</source>
        <translation>l’image d’œil « %1 » manque ou ne peut pas être lue</translation>
    </message>
    <message>
        <source>&quot;config&quot; names no eye-pixmap</source>
        <translation>« config » ne nomme aucun eye-pixmap</translation>
    </message>
    <message>
        <source>pupil picture &quot;%1&quot; is missing or cannot be read</source>
        <translation>l’image de pupille « %1 » manque ou ne peut pas être lue</translation>
    </message>
    <message>
        <source>&quot;config&quot; names no pupil-pixmap</source>
        <translation>« config » ne nomme aucun pupil-pixmap</translation>
    </message>
    <message>
        <source>%1 eyes of %2 pixels make a background wider than %3 pixels</source>
        <translation>%1 yeux de %2 pixels donnent un fond plus large que %3 pixels</translation>
    </message>
    <message>
        <source>a %1 x %2 pupil in a %3 x %4 eye with walls of %5 has no room to move: it stays at rest</source>
        <translation>une pupille de %1 x %2 dans un œil de %3 x %4 aux parois de %5 n’a pas la place de bouger : elle reste au repos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a skin folder</source>
        <translation>« %1 » ne peut pas nommer un dossier de skin</translation>
    </message>
    <message>
        <source>no skins folder to import into</source>
        <translation>aucun dossier de skins où importer</translation>
    </message>
    <message>
        <source>cannot make the skins folder %1</source>
        <translation>impossible de créer le dossier de skins %1</translation>
    </message>
    <message>
        <source>%1 frames of %2 pixels make a strip wider than %3 pixels</source>
        <translation>%1 images de %2 pixels donnent une bande plus large que %3 pixels</translation>
    </message>
    <message>
        <source>%1 already exists: not replaced (--force replaces it)</source>
        <translation>%1 existe déjà : non remplacé (--force le remplace)</translation>
    </message>
    <message>
        <source>cannot write into %1</source>
        <translation>impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>cannot write the skin into %1</source>
        <translation>impossible d’écrire le skin dans %1</translation>
    </message>
    <message>
        <source>cannot move the skin into place as %1</source>
        <translation>impossible de mettre le skin en place sous %1</translation>
    </message>
</context>
</TS>
