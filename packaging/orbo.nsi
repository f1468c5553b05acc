; SPDX-License-Identifier: GPL-3.0-or-later
; Orbo's installer for Windows, built by scripts/package-windows with Debian's makensis. It installs
; for the current user only, without administrator rights, into %LOCALAPPDATA%\Programs\Orbo.
;
; Command line, besides NSIS's own /S (silent) and /D=FOLDER (where, last on the line):
;   /AUTOSTART=1 or /AUTOSTART=0   start Orbo when the user logs in, or not. Without it a new
;                                  install leaves it off and an upgrade keeps what was chosen.
; The uninstaller takes /S and /REMOVESETTINGS=1, which also removes the settings it otherwise
; keeps (interactively: the "My settings" box on its components page).
;
; Defines given by the packaging script: VERSION, STAGE (the zip's folder), README (the installed
; copy's README.txt), SKINS (an include listing the shipped skin folders), ICON, WIZARD (the
; welcome and finish pages' 164x314 picture), OUTFILE, and SIGN (a command that signs the
; program it is given in place) when the installer and its uninstaller are to be signed.
; The skin folders an upgrade replaces and the uninstaller removes are that list, fixed when the
; installer is built: every other folder under Skins\ is the user's.

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel user
; The same installer from every build of one commit: no file keeps the time it was built at.
SetDateSave off
; Signed as they are made: the uninstaller before it goes into the installer, then the installer.
!ifdef SIGN
    !uninstfinalize '"${SIGN}" "%1"' = 0
    !finalize '"${SIGN}" "%1"' = 0
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include TextFunc.nsh
!include WinMessages.nsh
!include Sections.nsh
!include ${SKINS}

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbo"
; Start at login: the value Orbo, the quoted path of orbo.exe, as Orbo itself writes it.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\VB and VBA Program Settings\Z Orbo"
; Where 1.0.0 listed the skin folders it installed. The list is never read: a damaged line named
; the Skins folder or the installation itself once Windows dropped its trailing blanks and dots.
!define OLD_LIST "shipped-skins.txt"
; A running Orbo's single-instance window; WM_CLOSE makes it save its settings and exit.
!define INSTANCE_CLASS "OrboInstanceWindow"

Name "Orbo"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Orbo"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Orbo ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "Orbo"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "Orbo ${VERSION} setup"
VIAddVersionKey LegalCopyright "GPL-3.0-or-later"

; The skin folders the uninstaller left because the user added them, for its finish page.
Var KeptSkins
Var UnFinishText

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\orbo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(FinishRunText)"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
; Removing files frees space: the components page's "Space required" would say 0.0 KB.
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.ComponentsShow
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_TEXT "$UnFinishText"
!insertmacro MUI_UNPAGE_FINISH
; English first: the language where Windows shows none of the others. NSIS picks the one of the
; Windows display language by itself, for the installer and the uninstaller alike.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!include /CHARSET=UTF8 "${__FILEDIR__}/orbo-texts.nsh"

!macro REMOVE_SKIN NAME
    RMDir /r "$INSTDIR\Skins\${NAME}"
!macroend

; Functions both the installer and the uninstaller call (NSIS wants the uninstaller's named un.).
!macro SHARED_FUNCTIONS UN

; Asks every running Orbo to save and exit, and waits (bounded) for each process to end. One that
; does not end stops the installation: its files cannot be replaced while it runs.
Function ${UN}CloseOrbo
    ; Named before it goes; a silent run closes it without asking.
    FindWindow $0 "${INSTANCE_CLASS}"
    ${If} $0 <> 0
        !if "${UN}" == ""
            StrCpy $1 "$(RunningSetupText)"
        !else
            StrCpy $1 "$(RunningUninstallText)"
        !endif
        MessageBox MB_OKCANCEL|MB_ICONINFORMATION "$1" /SD IDOK IDOK close
        Quit
      close:
    ${EndIf}
    StrCpy $R9 0
    ${Do}
        FindWindow $0 "${INSTANCE_CLASS}"
        ${If} $0 = 0
            Return
        ${EndIf}
        IntOp $R9 $R9 + 1
        ${If} $R9 > 4
            ${If} ${Silent}
                SetErrorLevel 2
                Quit
            ${EndIf}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunningText)" IDRETRY retry
            Quit
          retry:
            StrCpy $R9 0
            ${Continue}
        ${EndIf}
        DetailPrint "$(ClosingText)"
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i 0 r1) i'
        System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
        ${If} $2 P<> 0
            System::Call 'kernel32::WaitForSingleObject(p r2, i 5000) i'
            System::Call 'kernel32::CloseHandle(p r2)'
        ${Else}
            Sleep 1000
        ${EndIf}
    ${Loop}
FunctionEnd

; Removes the skin folders this version ships, which are also all that 1.0.0 shipped, and 1.0.0's
; list of them.
Function ${UN}RemoveShippedSkins
    !insertmacro ORBO_SHIPPED_SKINS REMOVE_SKIN
    Delete "$INSTDIR\${OLD_LIST}"
FunctionEnd

; Whether the Run value starts this installation's orbo.exe: $0 is 1 when it does. A value for a
; copy elsewhere (an unzipped one) is not ours to change.
Function ${UN}RunValueIsOurs
    ReadRegStr $1 HKCU "${RUN_KEY}" "Orbo"
    StrCpy $0 0
    ${If} $1 == '"$INSTDIR\orbo.exe"'
    ${OrIf} $1 == "$INSTDIR\orbo.exe"
        StrCpy $0 1
    ${EndIf}
FunctionEnd

!macroend
!insertmacro SHARED_FUNCTIONS ""
!insertmacro SHARED_FUNCTIONS "un."

!macro INSTALL_SKIN NAME
    SetOutPath "$INSTDIR\Skins\${NAME}"
    File /r "${STAGE}/Skins/${NAME}/*"
!macroend

Section "Orbo" SecOrbo
    SectionIn RO
    Call CloseOrbo
    SetOutPath "$INSTDIR"
    ; The shipped skins are replaced whole: no file an older copy of one had stays.
    Call RemoveShippedSkins
    File "${STAGE}/orbo.exe"
    File "${STAGE}/orbo-skin-check.exe"
    File "${STAGE}/LICENSE.txt"
    File "/oname=README.txt" "${README}"
    SetOutPath "$INSTDIR\Licences"
    File "${STAGE}/Licences/*.txt"
    !insertmacro ORBO_SHIPPED_SKINS INSTALL_SKIN
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Orbo.lnk" "$INSTDIR\orbo.exe" "" "$INSTDIR\orbo.exe" 0 \
        SW_SHOWNORMAL "" "$(ShortcutText)"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Orbo"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orbo.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Orbo developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(LoginSectionText)" SecLogin
    WriteRegStr HKCU "${RUN_KEY}" "Orbo" '"$INSTDIR\orbo.exe"'
SectionEnd

Section "-Login off"
    ${IfNot} ${SectionIsSelected} ${SecLogin}
        Call RunValueIsOurs
        ${If} $0 = 1
            DeleteRegValue HKCU "${RUN_KEY}" "Orbo"
        ${EndIf}
    ${EndIf}
SectionEnd

Function .onInit
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/AUTOSTART=" $R1
    ${IfNot} ${Errors}
        StrCpy $0 $R1
    ${Else}
        ; An upgrade keeps the choice made before.
        Call RunValueIsOurs
    ${EndIf}
    ${If} $0 == 1
        !insertmacro SelectSection ${SecLogin}
    ${Else}
        !insertmacro UnselectSection ${SecLogin}
    ${EndIf}
FunctionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecOrbo} "$(OrboSectionHelp)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecLogin} "$(LoginSectionHelp)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Before anything goes: Orbo saves its settings as it closes, after "My settings" removed them.
Section "-un.Close"
    Call un.CloseOrbo
SectionEnd

; Before the Orbo section, so that the Uninstall key, removed last of all, tells that the
; uninstaller is done.
Section /o "un.$(SettingsSectionText)" SecSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd

Section "un.Orbo" SecUnOrbo
    SectionIn RO
    Call un.RemoveShippedSkins
    Delete "$INSTDIR\orbo.exe"
    Delete "$INSTDIR\orbo-skin-check.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    RMDir /r "$INSTDIR\Licences"
    Delete "$SMPROGRAMS\Orbo.lnk"
    Call un.RunValueIsOurs
    ${If} $0 = 1
        DeleteRegValue HKCU "${RUN_KEY}" "Orbo"
    ${EndIf}
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: the skin folders the user added stay.
    RMDir "$INSTDIR\Skins"
    RMDir "$INSTDIR"
    Call un.TellKeptSkins
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Names the folders left under Skins\, all of them the user's, in the log and on the finish page.
Function un.TellKeptSkins
    StrCpy $KeptSkins ""
    FindFirst $0 $1 "$INSTDIR\Skins\*"
    ${DoWhile} $1 != ""
        ${If} ${FileExists} "$INSTDIR\Skins\$1\*"
        ${AndIf} $1 != "."
        ${AndIf} $1 != ".."
            DetailPrint "$(KeptSkinText)"
            ${If} $KeptSkins == ""
                StrCpy $KeptSkins $1
            ${Else}
                StrCpy $KeptSkins "$KeptSkins, $1"
            ${EndIf}
        ${EndIf}
        FindNext $0 $1
    ${Loop}
    FindClose $0
    StrCpy $UnFinishText "$(UninstalledText)"
    ${If} $KeptSkins != ""
        StrCpy $UnFinishText "$UnFinishText$\r$\n$\r$\n$(KeptSkinsText)$\r$\n$\r$\n$KeptSkins"
    ${EndIf}
FunctionEnd

Function un.ComponentsShow
    ShowWindow $mui.ComponentsPage.SpaceRequired ${SW_HIDE}
FunctionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecSettings} "$(SettingsSectionHelp)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecUnOrbo} "$(UnOrboSectionHelp)"
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function un.onInit
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/REMOVESETTINGS=" $R1
    ${If} $R1 == 1
        !insertmacro SelectSection ${SecSettings}
    ${EndIf}
FunctionEnd
