; The per-user installer: no administrator needed. Installs into the user's own programs folder,
; adds a Start-menu entry and an uninstaller (listed under Apps & features). The uninstaller
; removes all of it and leaves the user's preference file, which lives in %LOCALAPPDATA%\Zorimex.
;
; The folder is fixed (not asked for), so the uninstaller may remove it whole.
;
; makensis -INPUTCHARSET UTF8 -DVERSION=6.0.0 -DSTAGE=<files> -DICON=<ico> -DOUTFILE=<exe> installer.nsi
; A 64-bit installer for the 64-bit program (and Wine needs no 32-bit half for it).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorimex"

Name "Zorimex"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Zorimex"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Zorimex"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Zorimex.lnk" "$INSTDIR\zorimex.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Zorimex"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "ZRMX工房"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zorimex.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Zorimex.lnk"
  RMDir /r "$INSTDIR"
  ; The user's programs folder, if the installer made it and nothing else is in it.
  RMDir "$LOCALAPPDATA\Programs"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
