; The Windows installer: a per-user install that needs no administrator, with a Start menu
; shortcut and an entry in the list of installed programs. Built by the target tesuli_installer:
;   makensis -DVERSION=<version> -DFILEVERSION=<version as four numbers> -DEXE=tesuli.exe
;            -DMANUAL=manual.html -DICON=tesuli.ico -DOUTFILE=tesuli-<version>-setup.exe -DFONTLICENCES=<assets/fonts> tesuli.nsi
Unicode true
; Debian's wine64 runs only 64-bit programs, and so does the test of this installer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesuli"
!define SETTINGS_KEY "Software\tesuli"

Name "Tesuli"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tesuli"
BrandingText "Tesuli ${VERSION}"

VIProductVersion "${FILEVERSION}"
VIAddVersionKey "ProductName" "Tesuli"
VIAddVersionKey "FileDescription" "Tesuli ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 The Tesuli developers, MIT License"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tesuli.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Tesuli"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "/oname=tesuli.exe" "${EXE}"
  ; The About dialog opens the manual beside the program.
  File "/oname=manual.html" "${MANUAL}"
  ; The tile faces are drawn from subsets of these fonts, compiled into the program.
  SetOutPath "$INSTDIR\fonts"
  File "${FONTLICENCES}\KleeOne-OFL.txt"
  File "${FONTLICENCES}\DejaVu-LICENSE.txt"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Tesuli.lnk" "$INSTDIR\tesuli.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tesuli"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tesuli"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tesuli.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Tesuli.lnk"
  Delete "$INSTDIR\tesuli.exe"
  Delete "$INSTDIR\manual.html"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$INSTDIR\fonts\KleeOne-OFL.txt"
  Delete "$INSTDIR\fonts\DejaVu-LICENSE.txt"
  RMDir "$INSTDIR\fonts"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The player's settings and scores are theirs: they go only when asked, never in a silent uninstall.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Remove your Tesuli settings and scores too?$\n$\nChoose No to keep them for a later install." \
    /SD IDNO IDNO keep
  DeleteRegKey HKCU "${SETTINGS_KEY}"
keep:
SectionEnd
