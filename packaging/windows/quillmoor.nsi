; The setup program of Quillmoor for 64-bit Windows. The build gives makensis:
;   VERSION  the program's version
;   PROGRAM  the quillmoor.exe to install, stripped
;   ICON     the program's icon
;   OUTFILE  where the setup program goes
; It installs for every user of the machine, into Program Files unless /D= names another
; folder, and speaks German or English after the system's language; /S runs it without a page,
; and so does /S given to the uninstaller it leaves behind.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true
ManifestSupportedOS all

!include MUI2.nsh

!define NAME Quillmoor
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${NAME} ${VERSION}"
InstallDir "$PROGRAMFILES64\${NAME}"
; An update goes where the program already is, so that no copy of it is left behind elsewhere.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" InstallLocation

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Setup takes the system's language where it has it, and the first of these where not.
!insertmacro MUI_LANGUAGE English
!insertmacro MUI_LANGUAGE German

LangString Description ${LANG_ENGLISH} "Writes the boilerplate of a PureBasic class"
LangString Description ${LANG_GERMAN} "Schreibt das Gerüst einer PureBasic-Klasse"

; Adds the size of a file in bytes to $0.
!macro AddFileSize file
    FileOpen $1 "${file}" r
    FileSeek $1 0 END $2
    FileClose $1
    IntOp $0 $0 + $2
!macroend

Section
    SetShellVarContext all
    SetRegView 64
    SetOutPath "$INSTDIR"
    File "/oname=quillmoor.exe" "${PROGRAM}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\quillmoor.exe" "" \
        "$INSTDIR\quillmoor.exe" 0 SW_SHOWNORMAL "" "$(Description)"

    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\quillmoor.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher Tovik
    WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
    ; In KiB, of the files put in place here only: the folder chosen may hold others.
    StrCpy $0 1023
    !insertmacro AddFileSize "$INSTDIR\quillmoor.exe"
    !insertmacro AddFileSize "$INSTDIR\uninstall.exe"
    IntOp $0 $0 / 1024
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

; Removes what setup put in place and nothing else: the folder goes only when it is empty.
Section Uninstall
    SetShellVarContext all
    SetRegView 64
    Delete "$SMPROGRAMS\${NAME}.lnk"
    Delete "$INSTDIR\quillmoor.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
