; The Windows installer of Kluni (NSIS 3, built on Debian by scripts/build-windows).
;
; makensis -DVERSION=1.5.0 -DSTAGE=folder -DICON=kluni.ico -DFILES=files.nsh -DUNFILES=unfiles.nsh
;          -DOUTFILE=Kluni-1.5.0-setup.exe kluni.nsi
;
; Installs for the current user without administrator rights; run elevated
; (as administrator) it installs for all users. /CURRENTUSER forces the first.
; It adds a Start-menu entry, an entry in "Apps & Features" with its
; uninstaller, Kluni among the "Open with" programs of .gsb files (never as
; the type's default program) and "In Kluni suchen" on folders. The
; uninstaller removes exactly what was installed.

; A 64-bit installer for 64-bit programs (and no 32-bit layer needed to run it).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define APP "Kluni"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kluni"
!define APP_PATHS_KEY "Software\Microsoft\Windows\CurrentVersion\App Paths\kluni.exe"
!define APPLICATION_KEY "Software\Classes\Applications\kluni.exe"
!define PROGID "Kluni.EEPModell"
!define PROGID_KEY "Software\Classes\${PROGID}"
!define OPENWITH_KEY "Software\Classes\.gsb\OpenWithProgids"
!define FOLDER_VERB_KEY "Software\Classes\Directory\shell\Kluni"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${APP}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\kluni.exe"

!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; German first: it is the installer's language wherever the system's
; language is none of the four.
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Polish"

LangString FolderVerb ${LANG_GERMAN} "In Kluni suchen"
LangString FolderVerb ${LANG_ENGLISH} "Search in Kluni"
LangString FolderVerb ${LANG_FRENCH} "Rechercher dans Kluni"
LangString FolderVerb ${LANG_POLISH} "Szukaj w Kluni"
LangString ModelType ${LANG_GERMAN} "EEP-Modelldatei"
LangString ModelType ${LANG_ENGLISH} "EEP model file"
LangString ModelType ${LANG_FRENCH} "Fichier de modèle EEP"
LangString ModelType ${LANG_POLISH} "Plik modelu EEP"
LangString AppDescription ${LANG_GERMAN} "Wo finde ich das Modell in EEP?"
LangString AppDescription ${LANG_ENGLISH} "Where do I find this model in EEP?"
LangString AppDescription ${LANG_FRENCH} "Où trouver ce modèle dans EEP ?"
LangString AppDescription ${LANG_POLISH} "Gdzie w EEP znajdę ten model?"

Var AllUsers

; All users when the installer runs elevated, unless /CURRENTUSER is given.
!macro ChooseContext un
Function ${un}ChooseContext
  StrCpy $AllUsers 0
  UserInfo::GetAccountType
  Pop $0
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/CURRENTUSER" $2
  ${If} ${Errors}
  ${AndIf} $0 == "Admin"
    StrCpy $AllUsers 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $1 "/ALLUSERS" $2
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
  ${EndIf}
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd
!macroend
!insertmacro ChooseContext ""
!insertmacro ChooseContext "un."

Function .onInit
  SetRegView 64
  Call ChooseContext
  ${If} $INSTDIR == ""
    ${If} $AllUsers == 1
      StrCpy $INSTDIR "$PROGRAMFILES64\${APP}"
    ${Else}
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${APP}"
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
  Call un.ChooseContext
FunctionEnd

; The keys above Kluni's own that do not exist before installing are noted in
; its uninstall entry ("Made..." values, checked before anything is written),
; so that uninstalling removes exactly what installing made and nothing that
; was there before.
!define PARENT_CLASSES "Software\Classes"
!macro NoteIfNew NAME KEY
  ClearErrors
  EnumRegKey $R0 SHCTX "${KEY}" 0
  ${If} ${Errors}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "Made${NAME}" 1
  ${EndIf}
!macroend
!macro RemoveIfNoted REG KEY
  ${If} ${REG} == 1
    DeleteRegKey /ifempty SHCTX "${KEY}"
  ${EndIf}
!macroend

Section "Kluni"
  !insertmacro NoteIfNew Uninstall "Software\Microsoft\Windows\CurrentVersion\Uninstall"
  !insertmacro NoteIfNew AppPaths "Software\Microsoft\Windows\CurrentVersion\App Paths"
  !insertmacro NoteIfNew Applications "${PARENT_CLASSES}\Applications"
  !insertmacro NoteIfNew Gsb "${PARENT_CLASSES}\.gsb"
  !insertmacro NoteIfNew Directory "${PARENT_CLASSES}\Directory"
  !insertmacro NoteIfNew DirectoryShell "${PARENT_CLASSES}\Directory\shell"
  ${IfNot} ${FileExists} "$LOCALAPPDATA\Programs\*.*"
  ${AndIf} $AllUsers != 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "MadePrograms" 1
  ${EndIf}
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\kluni.exe" "" "$INSTDIR\kluni.exe" 0 \
    SW_SHOWNORMAL "" "$(AppDescription)"

  ; "Apps & Features"
  ${If} $AllUsers == 1
    StrCpy $0 "/ALLUSERS"
  ${Else}
    StrCpy $0 "/CURRENTUSER"
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${APP}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kluni.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" $0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" $0 /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $1

  ; "kluni" in the Run box
  WriteRegStr SHCTX "${APP_PATHS_KEY}" "" "$INSTDIR\kluni.exe"

  ; "Open with" for model files: Kluni is offered, the type's default program
  ; (EEP's, if any) stays.
  WriteRegStr SHCTX "${APPLICATION_KEY}" "FriendlyAppName" "${APP}"
  WriteRegStr SHCTX "${APPLICATION_KEY}\SupportedTypes" ".gsb" ""
  WriteRegStr SHCTX "${APPLICATION_KEY}\DefaultIcon" "" "$INSTDIR\kluni.exe,0"
  WriteRegStr SHCTX "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\kluni.exe" "%1"'
  WriteRegStr SHCTX "${PROGID_KEY}" "" "$(ModelType)"
  WriteRegStr SHCTX "${PROGID_KEY}\DefaultIcon" "" "$INSTDIR\kluni.exe,0"
  WriteRegStr SHCTX "${PROGID_KEY}\shell\open\command" "" '"$INSTDIR\kluni.exe" "%1"'
  WriteRegStr SHCTX "${OPENWITH_KEY}" "${PROGID}" ""

  ; "In Kluni suchen" on folders
  WriteRegStr SHCTX "${FOLDER_VERB_KEY}" "" "$(FolderVerb)"
  WriteRegStr SHCTX "${FOLDER_VERB_KEY}" "Icon" "$INSTDIR\kluni.exe,0"
  WriteRegStr SHCTX "${FOLDER_VERB_KEY}\command" "" '"$INSTDIR\kluni.exe" "%1"'

  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${APP}.lnk"

  ReadRegDWORD $R1 SHCTX "${UNINSTALL_KEY}" "MadeUninstall"
  ReadRegDWORD $R2 SHCTX "${UNINSTALL_KEY}" "MadeAppPaths"
  ReadRegDWORD $R3 SHCTX "${UNINSTALL_KEY}" "MadeApplications"
  ReadRegDWORD $R4 SHCTX "${UNINSTALL_KEY}" "MadeGsb"
  ReadRegDWORD $R5 SHCTX "${UNINSTALL_KEY}" "MadeDirectory"
  ReadRegDWORD $R6 SHCTX "${UNINSTALL_KEY}" "MadeDirectoryShell"
  ReadRegDWORD $R7 SHCTX "${UNINSTALL_KEY}" "MadePrograms"

  DeleteRegKey SHCTX "${FOLDER_VERB_KEY}"
  DeleteRegValue SHCTX "${OPENWITH_KEY}" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "${OPENWITH_KEY}"
  DeleteRegKey SHCTX "${PROGID_KEY}"
  DeleteRegKey SHCTX "${APPLICATION_KEY}"
  DeleteRegKey SHCTX "${APP_PATHS_KEY}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  !insertmacro RemoveIfNoted $R6 "${PARENT_CLASSES}\Directory\shell"
  !insertmacro RemoveIfNoted $R5 "${PARENT_CLASSES}\Directory"
  !insertmacro RemoveIfNoted $R4 "${PARENT_CLASSES}\.gsb"
  !insertmacro RemoveIfNoted $R3 "${PARENT_CLASSES}\Applications"
  !insertmacro RemoveIfNoted $R2 "Software\Microsoft\Windows\CurrentVersion\App Paths"
  !insertmacro RemoveIfNoted $R1 "Software\Microsoft\Windows\CurrentVersion\Uninstall"

  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ${If} $R7 == 1
    RMDir "$LOCALAPPDATA\Programs"
  ${EndIf}

  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
