; The per-user installer: no administrator needed. Installs into the user's own programs folder,
; adds a Start-menu entry and an uninstaller (listed under Apps & features). The uninstaller
; removes all of it and leaves the user's preference file, which lives in %LOCALAPPDATA%\Zorimex.
;
; It speaks Japanese or English, whichever the user's Windows speaks (English for any other
; language), also when run silently (/S); the uninstaller speaks the language the installer
; recorded. The names the user sees follow the desktop entry: "Zorimex 円換算" in Japanese,
; "Zorimex" in English.
;
; The folder is fixed (not asked for), so the uninstaller may remove it whole.
;
; makensis -INPUTCHARSET UTF8 -DVERSION=6.0.0 -DSTAGE=<files> -DICON=<ico>
;          -DLICENCE_PAGE=<the licence as the page shows it> -DOUTFILE=<exe> installer.nsi
; A 64-bit installer for the 64-bit program (and Wine needs no 32-bit half for it).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorimex"
; The language the installer spoke (a Windows language id: 1041 Japanese, 1033 English), kept
; with the uninstall record so that uninstalling removes it too.
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"

Name "$(ProductName)"
BrandingText "Zorimex ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Zorimex"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

; The MIT licence asks nothing of someone who only uses the program: the page informs, and Next
; goes on.
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicenceNote)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${LICENCE_PAGE}"
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\zorimex.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the one for a user whose language is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString ProductName ${LANG_ENGLISH} "Zorimex"
LangString ProductName ${LANG_JAPANESE} "Zorimex 円換算"
LangString LicenceNote ${LANG_ENGLISH} \
  "Zorimex is free software under the MIT licence above. Click Next to continue."
LangString LicenceNote ${LANG_JAPANESE} \
  "Zorimex は上記の MIT ライセンスによるフリーソフトウェアです。「次へ」で続けます。"

Section "Zorimex" SecProgram
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; One entry, in the language of this installation.
  Delete "$SMPROGRAMS\Zorimex.lnk"
  Delete "$SMPROGRAMS\Zorimex 円換算.lnk"
  CreateShortcut "$SMPROGRAMS\$(ProductName).lnk" "$INSTDIR\zorimex.exe"
  SectionGetSize ${SecProgram} $0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "$(ProductName)"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "ZRMX工房"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zorimex.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; Here rather than only on leaving the progress page, which a silent installation never shows.
  WriteRegStr "${MUI_LANGDLL_REGISTRY_ROOT}" "${MUI_LANGDLL_REGISTRY_KEY}" \
    "${MUI_LANGDLL_REGISTRY_VALUENAME}" $LANGUAGE
SectionEnd

Function un.onInit
  ; Without a record (removed by hand), the user's own language, as the installer chose it.
  ReadRegStr $0 "${MUI_LANGDLL_REGISTRY_ROOT}" "${MUI_LANGDLL_REGISTRY_KEY}" \
    "${MUI_LANGDLL_REGISTRY_VALUENAME}"
  ${If} $0 != ""
    StrCpy $LANGUAGE $0
  ${EndIf}
FunctionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Zorimex.lnk"
  Delete "$SMPROGRAMS\Zorimex 円換算.lnk"
  RMDir /r "$INSTDIR"
  ; The user's programs folder, if the installer made it and nothing else is in it.
  RMDir "$LOCALAPPDATA\Programs"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
