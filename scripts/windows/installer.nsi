; Tavo's installer, for the user who runs it: no administrator rights. The program goes into a
; folder that user can write, because Tavo keeps Tavo.cfg and Tavo.txt beside its executable.
; makensis -INPUTCHARSET UTF8 -DVERSION=1.4 -DFILES=<folder with Tavo.exe and guida_utente.html>
;          -DICON=<.ico> -DOUTFILE=<setup.exe> installer.nsi
; 64-bit like the program it installs. Installer and uninstaller speak Italian only: their pages
; and buttons come from NSIS's Italian language file, their messages are written here.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavo"
!define PUBLISHER "Tavo"
; The windowed Tavo holds this mutex for as long as it runs (core/platform_windows.cpp).
!define RUNNING_MUTEX "Tavo.InEsecuzione"
!define SYNCHRONIZE 0x00100000

Name "Tavo ${VERSION}"
BrandingText "Tavo ${VERSION}"
; NSIS shows one "completed" text for both; its Italian one says "Installazione completata".
CompletedText "Completato"
; Two typos of NSIS's Italian texts for the uninstaller ("Disisntallazione", "disintallazione").
UninstallSubCaption 2 ": Disinstallazione completata"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tavo"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tavo.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT \
    "La disinstallazione non è stata completata correttamente."
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

; A running Tavo.exe can be neither replaced nor removed: until it is closed, the user is asked
; to close it, or to give up. Silent (/S), the answer is to give up, with a failure status.
!macro DEFINE_WAIT_FOR_TAVO PREFIX WHAT
Function ${PREFIX}WaitForTavo
    check:
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MUTEX}") p .r0'
    StrCmp $0 0 closed
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Tavo è aperto. Chiudi Tavo e premi Riprova per continuare ${WHAT}." \
        /SD IDCANCEL IDRETRY check
    Abort
    closed:
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_FOR_TAVO "" "l'installazione"
!insertmacro DEFINE_WAIT_FOR_TAVO "un." "la disinstallazione"

Function .onInit
    Call WaitForTavo
FunctionEnd

Function un.onInit
    Call un.WaitForTavo
FunctionEnd

; Over an earlier install only the program and its guide are replaced: the school's Tavo.cfg and
; Tavo.txt are not the installer's files and stay as they are.
Section "Tavo" SectionTavo
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${FILES}/Tavo.exe"
    File "${FILES}/guida_utente.html"
    Delete "$INSTDIR\guida_utente.md" ; the guide of earlier releases
    WriteUninstaller "$INSTDIR\Disinstalla.exe"
    CreateShortcut "$SMPROGRAMS\Tavo.lnk" "$INSTDIR\Tavo.exe"
    CreateShortcut "$SMPROGRAMS\Guida di Tavo.lnk" "$INSTDIR\guida_utente.html"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tavo"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tavo.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Disinstalla.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Disinstalla.exe" /S'
    SectionGetSize ${SectionTavo} $0 ; in KiB, as the list of programs wants it
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The school's Tavo.cfg and Tavo.txt stay, and with them the folder.
Section "Uninstall"
    SetShellVarContext current
    Delete "$INSTDIR\Tavo.exe"
    Delete "$INSTDIR\guida_utente.html"
    Delete "$INSTDIR\guida_utente.md"
    Delete "$INSTDIR\Disinstalla.exe"
    Delete "$SMPROGRAMS\Tavo.lnk"
    Delete "$SMPROGRAMS\Guida di Tavo.lnk"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
