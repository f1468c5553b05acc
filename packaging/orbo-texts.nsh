; The installer's and the uninstaller's own texts in each language orbo.nsi offers; NSIS shows
; those of the Windows display language, English where it has none of them.

LangString WelcomeText ${LANG_ENGLISH} "Orbo is a small creature that sits on your desktop and \
follows the mouse pointer with its eyes. Drag it anywhere; right-click it for skins and \
options.$\r$\n$\r$\nSetup will install Orbo ${VERSION} for you alone; it needs no administrator \
rights.$\r$\n$\r$\nClick Next to continue."
LangString WelcomeText ${LANG_GERMAN} "Orbo ist ein kleines Wesen, das auf Ihrem Desktop sitzt \
und dem Mauszeiger mit den Augen folgt. Ziehen Sie es, wohin Sie wollen; ein Rechtsklick darauf \
öffnet Skins und Optionen.$\r$\n$\r$\nDas Setup installiert Orbo ${VERSION} nur für Sie; es \
braucht keine Administratorrechte.$\r$\n$\r$\nKlicken Sie auf „Weiter“, um fortzufahren."
LangString WelcomeText ${LANG_FRENCH} "Orbo est une petite créature qui se pose sur votre bureau \
et suit des yeux le pointeur de la souris. Faites-la glisser où vous voulez ; un clic droit \
dessus donne accès aux skins et aux options.$\r$\n$\r$\nLe programme d’installation va \
installer Orbo ${VERSION} pour vous seul ; il n’a pas besoin des droits d’administrateur.$\r$\n\
$\r$\nCliquez sur « Suivant » pour continuer."
LangString WelcomeText ${LANG_SPANISH} "Orbo es una pequeña criatura que se sienta en su \
escritorio y sigue con los ojos el puntero del ratón. Arrástrela adonde quiera; haga clic \
derecho sobre ella para elegir skins y opciones.$\r$\n$\r$\nEl programa de instalación \
instalará Orbo ${VERSION} solo para usted; no necesita derechos de administrador.$\r$\n$\r$\n\
Haga clic en «Siguiente» para continuar."

LangString FinishRunText ${LANG_ENGLISH} "Start Orbo now"
LangString FinishRunText ${LANG_GERMAN} "Orbo jetzt starten"
LangString FinishRunText ${LANG_FRENCH} "Démarrer Orbo maintenant"
LangString FinishRunText ${LANG_SPANISH} "Iniciar Orbo ahora"

LangString RunningSetupText ${LANG_ENGLISH} "Orbo is running. Setup will close it to continue."
LangString RunningSetupText ${LANG_GERMAN} "Orbo läuft. Das Setup beendet es, um fortzufahren."
LangString RunningSetupText ${LANG_FRENCH} "Orbo est en cours d’exécution. Le programme \
d’installation va le fermer pour continuer."
LangString RunningSetupText ${LANG_SPANISH} "Orbo se está ejecutando. El programa de \
instalación lo cerrará para continuar."

LangString RunningUninstallText ${LANG_ENGLISH} "Orbo is running. The uninstaller will close it \
to continue."
LangString RunningUninstallText ${LANG_GERMAN} "Orbo läuft. Die Deinstallation beendet es, um \
fortzufahren."
LangString RunningUninstallText ${LANG_FRENCH} "Orbo est en cours d’exécution. Le programme de \
désinstallation va le fermer pour continuer."
LangString RunningUninstallText ${LANG_SPANISH} "Orbo se está ejecutando. El desinstalador lo \
cerrará para continuar."

LangString StillRunningText ${LANG_ENGLISH} "Orbo is still running. Close it (right-click it, \
then Exit) and click Retry."
LangString StillRunningText ${LANG_GERMAN} "Orbo läuft noch. Beenden Sie es (Rechtsklick darauf, \
dann „Beenden“) und klicken Sie auf „Wiederholen“."
LangString StillRunningText ${LANG_FRENCH} "Orbo est toujours en cours d’exécution. Fermez-le \
(clic droit dessus, puis « Quitter ») et cliquez sur « Réessayer »."
LangString StillRunningText ${LANG_SPANISH} "Orbo sigue ejecutándose. Ciérrelo (clic derecho \
sobre él y luego «Salir») y haga clic en «Reintentar»."

LangString ClosingText ${LANG_ENGLISH} "Closing the running Orbo"
LangString ClosingText ${LANG_GERMAN} "Das laufende Orbo wird beendet"
LangString ClosingText ${LANG_FRENCH} "Fermeture de l’Orbo en cours d’exécution"
LangString ClosingText ${LANG_SPANISH} "Cerrando el Orbo en ejecución"

LangString ShortcutText ${LANG_ENGLISH} "A creature whose eyes follow the mouse"
LangString ShortcutText ${LANG_GERMAN} "Ein Wesen, dessen Augen der Maus folgen"
LangString ShortcutText ${LANG_FRENCH} "Une créature dont les yeux suivent la souris"
LangString ShortcutText ${LANG_SPANISH} "Una criatura cuyos ojos siguen al ratón"

LangString LoginSectionText ${LANG_ENGLISH} "Start Orbo when I log in"
LangString LoginSectionText ${LANG_GERMAN} "Orbo bei meiner Anmeldung starten"
LangString LoginSectionText ${LANG_FRENCH} "Démarrer Orbo à l’ouverture de ma session"
LangString LoginSectionText ${LANG_SPANISH} "Iniciar Orbo al iniciar sesión"

LangString OrboSectionHelp ${LANG_ENGLISH} "The creature, its skins, a Start-menu shortcut and an \
uninstaller."
LangString OrboSectionHelp ${LANG_GERMAN} "Das Wesen, seine Skins, eine Verknüpfung im Startmenü \
und ein Deinstallationsprogramm."
LangString OrboSectionHelp ${LANG_FRENCH} "La créature, ses skins, un raccourci dans le menu \
Démarrer et un programme de désinstallation."
LangString OrboSectionHelp ${LANG_SPANISH} "La criatura, sus skins, un acceso directo en el menú \
Inicio y un desinstalador."

LangString LoginSectionHelp ${LANG_ENGLISH} "Orbo starts each time you log in to Windows. It can \
also be switched from its tray icon's menu."
LangString LoginSectionHelp ${LANG_GERMAN} "Orbo startet bei jeder Anmeldung an Windows. Das \
lässt sich auch im Menü seines Symbols im Infobereich umschalten."
LangString LoginSectionHelp ${LANG_FRENCH} "Orbo démarre à chaque ouverture de session Windows. \
Ce choix se modifie aussi dans le menu de son icône de la zone de notification."
LangString LoginSectionHelp ${LANG_SPANISH} "Orbo se inicia cada vez que usted inicia sesión en \
Windows. También se puede cambiar desde el menú de su icono del área de notificación."

LangString SettingsSectionText ${LANG_ENGLISH} "My settings"
LangString SettingsSectionText ${LANG_GERMAN} "Meine Einstellungen"
LangString SettingsSectionText ${LANG_FRENCH} "Mes réglages"
LangString SettingsSectionText ${LANG_SPANISH} "Mi configuración"

LangString SettingsSectionHelp ${LANG_ENGLISH} "Also forget the creature's place, skin, speed and \
switches. Left unticked, they are kept for when Orbo is installed again."
LangString SettingsSectionHelp ${LANG_GERMAN} "Auch Platz, Skin, Geschwindigkeit und Schalter \
des Wesens vergessen. Ohne Häkchen bleiben sie für eine erneute Installation von Orbo erhalten."
LangString SettingsSectionHelp ${LANG_FRENCH} "Oublier aussi la place, le skin, la vitesse et \
les options de la créature. Sans coche, ils sont gardés pour une prochaine installation d’Orbo."
LangString SettingsSectionHelp ${LANG_SPANISH} "Olvidar también el lugar, el skin, la velocidad \
y las opciones de la criatura. Si no se marca, se conservan para cuando Orbo se vuelva a \
instalar."

LangString UnOrboSectionHelp ${LANG_ENGLISH} "The programs, the skins that came with Orbo, the \
Start-menu shortcut and the start at login. Skin folders you added stay."
LangString UnOrboSectionHelp ${LANG_GERMAN} "Die Programme, die mit Orbo gelieferten Skins, die \
Verknüpfung im Startmenü und der Start bei der Anmeldung. Von Ihnen hinzugefügte Skin-Ordner \
bleiben."
LangString UnOrboSectionHelp ${LANG_FRENCH} "Les programmes, les skins fournis avec Orbo, le \
raccourci du menu Démarrer et le démarrage à l’ouverture de session. Les dossiers de skins que \
vous avez ajoutés restent."
LangString UnOrboSectionHelp ${LANG_SPANISH} "Los programas, los skins que venían con Orbo, el \
acceso directo del menú Inicio y el inicio al iniciar sesión. Las carpetas de skins que usted \
añadió se quedan."

LangString KeptSkinText ${LANG_ENGLISH} "Kept the skin folder you added: $INSTDIR\Skins\$1"
LangString KeptSkinText ${LANG_GERMAN} "Von Ihnen hinzugefügter Skin-Ordner behalten: \
$INSTDIR\Skins\$1"
LangString KeptSkinText ${LANG_FRENCH} "Dossier de skin que vous avez ajouté conservé : \
$INSTDIR\Skins\$1"
LangString KeptSkinText ${LANG_SPANISH} "Se conservó la carpeta de skin que usted añadió: \
$INSTDIR\Skins\$1"

LangString UninstalledText ${LANG_ENGLISH} "Orbo has been uninstalled from your computer."
LangString UninstalledText ${LANG_GERMAN} "Orbo wurde von Ihrem Computer entfernt."
LangString UninstalledText ${LANG_FRENCH} "Orbo a été désinstallé de votre ordinateur."
LangString UninstalledText ${LANG_SPANISH} "Orbo se ha desinstalado de su equipo."

LangString KeptSkinsText ${LANG_ENGLISH} "The skin folders you added were kept, in \
$INSTDIR\Skins:"
LangString KeptSkinsText ${LANG_GERMAN} "Die von Ihnen hinzugefügten Skin-Ordner wurden \
behalten, in $INSTDIR\Skins:"
LangString KeptSkinsText ${LANG_FRENCH} "Les dossiers de skins que vous avez ajoutés ont été \
conservés, dans $INSTDIR\Skins :"
LangString KeptSkinsText ${LANG_SPANISH} "Las carpetas de skins que usted añadió se \
conservaron, en $INSTDIR\Skins:"
