; The Windows installer: one per-machine install into Program Files, a Start-menu shortcut, the
; formula files' association, and an uninstaller that takes away only what the installer put there.
; The user's own files (%APPDATA%\Quantora and the profile under HKEY_CURRENT_USER) stay.
; makensis -DVERSION=<x.y> -DSTAGE=<installed tree> -DICON=<.ico> -DOUTFILE=<setup.exe> -DFILES=<list> -DUNFILES=<list>
; FILES and UNFILES are the install and remove commands for every file of the tree, made with it.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define PRODUCT "Quantora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define FORMULA_CLASS "Quantora.Formula"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "The Quantora developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quantora.exe"
!if /FileExists "${STAGE}/LICENSE.txt"
  !insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!endif
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Quantora"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\quantora.exe" "" "$INSTDIR\quantora.exe" 0

  WriteRegStr HKLM "Software\Classes\.xpq" "" "${FORMULA_CLASS}"
  WriteRegStr HKLM "Software\Classes\${FORMULA_CLASS}" "" "Quantora formula"
  WriteRegStr HKLM "Software\Classes\${FORMULA_CLASS}\DefaultIcon" "" "$INSTDIR\quantora.exe,0"
  WriteRegStr HKLM "Software\Classes\${FORMULA_CLASS}\shell\open\command" "" '"$INSTDIR\quantora.exe" "%1"'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quantora.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; Explorer picks up the new association and icon without a new log-on.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  ; The extension is left alone when another program has taken it over since.
  ReadRegStr $0 HKLM "Software\Classes\.xpq" ""
  StrCmp $0 "${FORMULA_CLASS}" 0 +2
  DeleteRegKey HKLM "Software\Classes\.xpq"
  DeleteRegKey HKLM "Software\Classes\${FORMULA_CLASS}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
