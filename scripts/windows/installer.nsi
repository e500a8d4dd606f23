; Tavo's installer, for the user who runs it: no administrator rights. The program goes into a
; folder that user can write, because Tavo keeps Tavo.cfg and Tavo.txt beside its executable.
; makensis -DVERSION=1.4 -DFILES=<folder with Tavo.exe and the guide> -DICON=<.ico>
;          -DOUTFILE=<setup.exe> installer.nsi
; 64-bit like the program it installs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavo"

Name "Tavo ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tavo"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tavo.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${FILES}/Tavo.exe"
    File "${FILES}/guida_utente.md"
    WriteUninstaller "$INSTDIR\Disinstalla.exe"
    CreateShortcut "$SMPROGRAMS\Tavo.lnk" "$INSTDIR\Tavo.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tavo"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tavo.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Disinstalla.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Disinstalla.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The school's Tavo.cfg and Tavo.txt stay, and with them the folder.
Section "Uninstall"
    SetShellVarContext current
    Delete "$INSTDIR\Tavo.exe"
    Delete "$INSTDIR\guida_utente.md"
    Delete "$INSTDIR\Disinstalla.exe"
    Delete "$SMPROGRAMS\Tavo.lnk"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
