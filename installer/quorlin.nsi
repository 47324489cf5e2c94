; Quorlin's setup: a per-user installation that needs no administrator rights.
; makensis gets from the build:
;   VERSION   the product version, e.g. 1.0
;   OUTFILE   where the setup goes
;   PROGRAM64 PROGRAM32   the two builds of quorlin.exe
;   X64_ONLY  when defined: a 64-bit setup, with the 64-bit program alone
;   ICON      the program icon
;   WIZARD    the picture of the welcome and finish pages
;
; Command line (besides the usual /S and /D=):
;   /AUTOSTART   starts Quorlin at sign-in, also in silent mode

!ifdef X64_ONLY
  Target amd64-unicode
!else
  Unicode true
!endif
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma
; No file times in the setup: two builds of one commit give the same bytes.
SetDateSave off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh
!include Sections.nsh

!define PRODUCT "Quorlin"
!define MAKER "Kestrane's Software"
; The program reads its one setting here, and refuses to start without it.
!define SETTINGS_PARENT "Software\${MAKER}"
!define SETTINGS_KEY "${SETTINGS_PARENT}\${PRODUCT}\${VERSION}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; Every running copy holds this mutex for as long as it lives.
!define RUNNING_MUTEX "${PRODUCT} ${VERSION}"
; Exit code of a setup or uninstall that refused to start.
!define EXIT_REFUSED 2

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${MAKER}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2025-2026 ${MAKER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_WELCOMEPAGE_TITLE "Welcome to ${PRODUCT} ${VERSION}"
!define MUI_WELCOMEPAGE_TEXT "Pobo the penguin is about to move onto your desktop. He walks, sits \
down for a drink now and then, and you can pick him up and drop him anywhere.$\r$\n$\r$\n\
${PRODUCT} is installed for you alone and needs no administrator rights.$\r$\n$\r$\n\
Click Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "licence.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorlin.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Replacing or removing the files under a running copy would leave half an
; installation, so both directions wait until the user has ended it. Silent
; runs cannot ask, so they give up with EXIT_REFUSED and change nothing.
!macro REFUSE_WHILE_RUNNING UN
Function ${UN}RefuseWhileRunning
  retry:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    ${If} $0 P<> 0
      System::Call 'kernel32::CloseHandle(p r0)'
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${PRODUCT} is running. Please end it first: right-click Pobo and choose $\"End ${PRODUCT}$\".$\r$\n$\r$\n\
Then click Retry." /SD IDCANCEL IDRETRY retry
      SetErrorLevel ${EXIT_REFUSED}
      Quit
    ${EndIf}
FunctionEnd
!macroend
!insertmacro REFUSE_WHILE_RUNNING ""
!insertmacro REFUSE_WHILE_RUNNING "un."

; The 64-bit program reads the 64-bit view of the registry.
!macro USE_NATIVE_REGISTRY
!ifdef X64_ONLY
  SetRegView 64
!else
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
!endif
!macroend

Section "${PRODUCT}" SecProgram
  SectionIn RO
  ; The user may have started a copy while the pages were showing.
  Call RefuseWhileRunning

  SetOutPath "$INSTDIR"
SectionEnd

; One program file or the other, chosen in .onInit: as separate sections, only
; the one installed counts in the space the pages show.
Section "-64-bit program" SecProgram64
  File "/oname=quorlin.exe" "${PROGRAM64}"
SectionEnd
!ifndef X64_ONLY
Section "-32-bit program" SecProgram32
  File "/oname=quorlin.exe" "${PROGRAM32}"
SectionEnd
!endif

Section /o "Start ${PRODUCT} when I sign in" SecSignIn
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\quorlin.exe"'
SectionEnd

; Last, so that Add/Remove Programs lists only a finished installation.
Section "-Registration"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; A reinstall or an upgrade keeps the user's choice.
  ClearErrors
  ReadRegDWORD $0 HKCU "${SETTINGS_KEY}" "ontop"
  ${If} ${Errors}
    WriteRegDWORD HKCU "${SETTINGS_KEY}" "ontop" 0
  ${EndIf}

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\quorlin.exe" "" "$INSTDIR\quorlin.exe" 0 \
    SW_SHOWNORMAL "" "Pobo the penguin on your desktop"

  ${IfNot} ${SectionIsSelected} ${SecSignIn}
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\quorlin.exe",0'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function .onInit
  SetShellVarContext current
  !insertmacro USE_NATIVE_REGISTRY
  Call RefuseWhileRunning

!ifndef X64_ONLY
  ${If} ${RunningX64}
    !insertmacro UnselectSection ${SecProgram32}
  ${Else}
    !insertmacro UnselectSection ${SecProgram64}
  ${EndIf}
!endif

  ; Sign-in start: asked for on the command line, or kept from the last installation.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecSignIn}
  ${EndIf}
  ClearErrors
  ReadRegStr $1 HKCU "${RUN_KEY}" "${PRODUCT}"
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecSignIn}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.RefuseWhileRunning

  Delete "$INSTDIR\quorlin.exe"
  Delete "$INSTDIR\uninstall.exe"
  ; Only an emptied folder goes: the user may have put files of their own in it.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  ; Other versions and other products of the maker keep their keys.
  DeleteRegKey /ifempty HKCU "${SETTINGS_PARENT}\${PRODUCT}"
  DeleteRegKey /ifempty HKCU "${SETTINGS_PARENT}"
SectionEnd

Function un.onInit
  SetShellVarContext current
  !insertmacro USE_NATIVE_REGISTRY
  Call un.RefuseWhileRunning
FunctionEnd
