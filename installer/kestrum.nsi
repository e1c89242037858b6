; Kestrum's per-user installer: no administrator rights, installed into the user's programs folder
; where the history beside the program stays writable. package.sh passes VERSION, STAGE (the
; folder of the files to ship), FILES and REMOVE (generated lists of those files) and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrum"
!define SETTINGS_KEY "Software\Quillon Works\Kestrum"

Name "Kestrum ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Kestrum"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Kestrum"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  ; The history (Kestrum.dat) and the settings are never part of the files: an upgrade over an
  ; older install keeps both.
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Kestrum.lnk" "$INSTDIR\Kestrum.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kestrum"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Quillon Works"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kestrum.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  !include "${REMOVE}"
  Delete "$INSTDIR\Uninstall.exe"
  ; Kestrum rewrites the translators' template at every start: it is the program's, not the user's.
  Delete "$INSTDIR\english.lng"
  ; The parsed history kept between runs is made again from the history whenever it is missing.
  Delete "$INSTDIR\Kestrum.idx"
  Delete "$SMPROGRAMS\Kestrum.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The program is gone, so starting it with Windows would only fail.
  DeleteRegValue HKCU "Software\Microsoft\Windows\CurrentVersion\Run" "Kestrum"

  ; The history is the user's own record: it goes only when asked for, silently with
  ; /REMOVEHISTORY, and the settings with it.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEHISTORY" $1
  ${If} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Also remove your document history (Kestrum.dat) and your Kestrum settings?" /SD IDNO IDYES remove
    Goto done
  ${EndIf}
  remove:
    Delete "$INSTDIR\Kestrum.dat"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
  done:
  ; Only when empty: files the user put there stay.
  RMDir "$INSTDIR"
SectionEnd
