; The board's setup program for Windows (WindowsInstaller.cmake makes it). It installs
; for the current user, without administrator rights, into the user's own programs folder: the
; board writes its mail attachment into its program folder, which an ordinary user cannot do in
; the system-wide program folders. Defines: VERSION, FILES (InstallFiles and UninstallFiles, the
; shipped set), ICON, PUBLISHER, COPYRIGHT, ABOUT_URL, OUTFILE.
Unicode true
RequestExecutionLevel user
SetCompressor /SOLID lzma
!include MUI2.nsh
!include /CHARSET=UTF8 "${FILES}"

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\poterinko"
!define SHORTCUT "$SMPROGRAMS\ぽてりんこ.lnk"
; The hidden application window that each of the programs opens first.
!define OPEN_PROGRAM_CLASS "PoterinkoApplication"

Name "ぽてりんこ"
OutFile "${OUTFILE}"
; The board hands two texts to the system's byte (ANSI) interfaces: the mail attachment's path,
; which holds this folder, and the information page's address, which holds the program file's
; name. Both names are ASCII (poterinko, poterinko.exe): the part of the path chosen here stays
; representable in every ANSI code page.
InstallDir "$LOCALAPPDATA\Programs\poterinko"
InstallDirRegKey HKCU "${KEY}" InstallLocation
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 ProductName "ぽてりんこ"
VIAddVersionKey /LANG=0 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 FileVersion "${VERSION}"
VIAddVersionKey /LANG=0 FileDescription "ぽてりんこ ${VERSION} セットアップ"
VIAddVersionKey /LANG=0 LegalCopyright "Copyright ${COPYRIGHT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\poterinko.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first language is the one of every system whose language is neither.
!insertmacro MUI_LANGUAGE English
!insertmacro MUI_LANGUAGE Japanese
LangString ProgramOpen ${LANG_ENGLISH} "ぽてりんこ (the board or poterinko-gallery) is open. Close it, then choose Retry."
LangString ProgramOpen ${LANG_JAPANESE} "ぽてりんこ（時間割ボードまたは poterinko-gallery）が開いています。閉じてから「再試行」を選んでください。"

; Its files cannot be replaced or removed while a program runs: ask until it is closed, or end
; before anything is touched (exit code 2; at once when silent).
!macro RefuseWhileOpen un
  Function ${un}RefuseWhileOpen
    retry:
      FindWindow $0 "${OPEN_PROGRAM_CLASS}"
      IntCmp $0 0 closed
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramOpen)" /SD IDCANCEL IDRETRY retry
      SetErrorLevel 2
      Quit
    closed:
  FunctionEnd
!macroend
!insertmacro RefuseWhileOpen ""
!insertmacro RefuseWhileOpen "un."

Function .onInit
  Call RefuseWhileOpen
FunctionEnd

Section
  Call RefuseWhileOpen
  ; An earlier install's own uninstaller takes away exactly the files of its version, so that
  ; none that this version no longer ships stays behind; a user's own files stay.
  ReadRegStr $1 HKCU "${KEY}" InstallLocation
  StrCmp $1 "" fresh
  IfFileExists "$1\uninstall.exe" 0 fresh
  ExecWait '"$1\uninstall.exe" /S _?=$1'
  Delete "$1\uninstall.exe"
  RMDir "$1"
  fresh:

  SetOutPath "$INSTDIR"
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\poterinko.exe" "" "$INSTDIR\poterinko.exe" 0

  WriteRegStr HKCU "${KEY}" DisplayName "ぽてりんこ"
  WriteRegStr HKCU "${KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKCU "${KEY}" Publisher "${PUBLISHER}"
  WriteRegStr HKCU "${KEY}" DisplayIcon "$INSTDIR\poterinko.exe,0"
  WriteRegStr HKCU "${KEY}" URLInfoAbout "${ABOUT_URL}"
  WriteRegStr HKCU "${KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKCU "${KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${KEY}" NoModify 1
  WriteRegDWORD HKCU "${KEY}" NoRepair 1
  SectionGetSize 0 $0
  WriteRegDWORD HKCU "${KEY}" EstimatedSize $0
SectionEnd

Function un.onInit
  Call un.RefuseWhileOpen
FunctionEnd

Section Uninstall
  Call un.RefuseWhileOpen
  !insertmacro UninstallFiles
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: a file the user put there keeps the folder.
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${KEY}"
SectionEnd
