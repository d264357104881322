; The Windows installer, spanwise-VERSION-setup.exe (scripts/package-windows runs makensis).
; It installs for the current user only, without administrator rights, into
; %LOCALAPPDATA%\Programs\Spanwise, makes a Start-menu shortcut and registers its uninstaller in
; Installed apps. An option, off by default, adds the folder to the user's PATH.
;
; makensis -DVERSION=SHORT -DVERSION_NUMBERS=A.B.C.D -DSTAGING=DIR -DICON=FILE -DOUTFILE=FILE
;   SHORT is the version as the About box writes it, A.B.C.D the version record's four numbers;
;   scripts/package-windows takes both from the build (CMakeLists.txt states the version once).
;   STAGING holds spanwise.exe, spanwise-cli.exe, README.txt and LICENSE, as the zip does.
;
; Command line: /S installs (and the uninstaller uninstalls) without a window; /PATH chooses the
; PATH option, also without a window; /D=FOLDER, last, installs elsewhere.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Spanwise"
!define PUBLISHER "The Spanwise developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Spanwise"
!define ENVIRONMENT_KEY "Environment"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Spanwise"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_NUMBERS}"
VIFileVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "V${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "V${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\spanwise.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Spanwise"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; ---- the user's PATH ----------------------------------------------------------------------------
; A PATH is a list of folders separated by ";". NSIS reads and writes at most NSIS_MAX_STRLEN - 1
; characters of a registry value, and reads a longer one as nothing at all: a PATH that long, or
; one that would grow that long, is never written back, since that would lose the rest of it.

!define /math LONGEST_PATH ${NSIS_MAX_STRLEN} - 2
Var PathList   ; the folders not looked at yet, each followed by ";"
Var PathFolder ; the folder cut off the list last

!macro CUT_FOLDER un
Function ${un}CutFolder
    Push $R0
    Push $R1
    StrCpy $R0 0
    ${Do}
        StrCpy $R1 $PathList 1 $R0
        ${If} $R1 == ";"
        ${OrIf} $R1 == ""
            ${ExitDo}
        ${EndIf}
        IntOp $R0 $R0 + 1
    ${Loop}
    StrCpy $PathFolder $PathList $R0
    IntOp $R0 $R0 + 1
    StrCpy $PathList $PathList "" $R0
    Pop $R1
    Pop $R0
FunctionEnd
!macroend
!insertmacro CUT_FOLDER ""
!insertmacro CUT_FOLDER "un."

; The user's PATH in $0, and in $1 whether it may be changed: 1, or 0 for a PATH too long.
!macro READ_USER_PATH un
Function ${un}ReadUserPath
    StrCpy $1 1
    ClearErrors
    ReadRegStr $0 HKCU "${ENVIRONMENT_KEY}" "Path"
    ${If} ${Errors}
        ; There is none, or it is longer than can be read.
        StrCpy $0 ""
        StrCpy $2 0
        ${Do}
            EnumRegValue $3 HKCU "${ENVIRONMENT_KEY}" $2
            ${IfThen} $3 == "" ${|} ${ExitDo} ${|}
            ${If} $3 == "Path"
                StrCpy $1 0
                ${ExitDo}
            ${EndIf}
            IntOp $2 $2 + 1
        ${Loop}
    ${Else}
        StrLen $2 $0
        ${IfThen} $2 >= ${LONGEST_PATH} ${|} StrCpy $1 0 ${|}
    ${EndIf}
FunctionEnd
!macroend
!insertmacro READ_USER_PATH ""
!insertmacro READ_USER_PATH "un."

Function AddToPath
    Call ReadUserPath
    ${If} $1 == 0
        Goto too_long
    ${EndIf}
    StrCpy $PathList "$0;"
    ${Do}
        Call CutFolder
        ${If} $PathFolder == $INSTDIR ; in any case, as Windows compares folders
            DetailPrint "Your PATH holds $INSTDIR already"
            Return
        ${EndIf}
    ${LoopUntil} $PathList == ""
    StrLen $1 $0
    StrLen $2 $INSTDIR
    IntOp $1 $1 + $2
    ${If} $1 >= ${LONGEST_PATH}
        Goto too_long
    ${EndIf}
    ${If} $0 == ""
        StrCpy $0 $INSTDIR
    ${Else}
        StrCpy $0 "$0;$INSTDIR"
    ${EndIf}
    WriteRegExpandStr HKCU "${ENVIRONMENT_KEY}" "Path" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "AddedToPath" 1
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=500
    DetailPrint "Added $INSTDIR to your PATH"
    Return
too_long:
    DetailPrint "Your PATH is too long to be changed here: add $INSTDIR to it yourself."
    MessageBox MB_OK|MB_ICONEXCLAMATION "Your PATH is too long to be changed here. To run spanwise-cli in a terminal, add $INSTDIR to it yourself." /SD IDOK
FunctionEnd

Function un.RemoveFromPath
    Call un.ReadUserPath
    ${If} $1 == 0
        DetailPrint "Your PATH is too long to be changed here: remove $INSTDIR from it yourself."
        Return
    ${EndIf}
    StrCpy $PathList "$0;"
    StrCpy $1 "" ; every other folder, as it stood
    StrCpy $2 0  ; how many
    ${Do}
        Call un.CutFolder
        ${If} $PathFolder != $INSTDIR
            ${If} $2 == 0
                StrCpy $1 $PathFolder
            ${Else}
                StrCpy $1 "$1;$PathFolder"
            ${EndIf}
            IntOp $2 $2 + 1
        ${EndIf}
    ${LoopUntil} $PathList == ""
    ${If} $1 == ""
        DeleteRegValue HKCU "${ENVIRONMENT_KEY}" "Path"
    ${Else}
        WriteRegExpandStr HKCU "${ENVIRONMENT_KEY}" "Path" $1
    ${EndIf}
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=500
FunctionEnd

; ---- installing ---------------------------------------------------------------------------------

Section "Spanwise (the calculator and spanwise-cli)" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "${STAGING}\spanwise.exe"
    File "${STAGING}\spanwise-cli.exe"
    File "${STAGING}\README.txt"
    File /oname=LICENSE.txt "${STAGING}\LICENSE"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Spanwise.lnk" "$INSTDIR\spanwise.exe" "" "$INSTDIR\spanwise.exe" 0 \
        SW_SHOWNORMAL "" "Maximum recording length and time of memory recorders"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\spanwise.exe",0'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section /o "Add the folder to my PATH, so that spanwise-cli runs in a terminal" SecPath
    Call AddToPath
SectionEnd

Function .onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/PATH" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecPath}
    ${EndIf}
FunctionEnd

; ---- uninstalling -------------------------------------------------------------------------------

Section "Uninstall"
    ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "AddedToPath"
    ${If} $0 == 1
        Call un.RemoveFromPath
    ${EndIf}
    Delete "$SMPROGRAMS\Spanwise.lnk"
    Delete "$INSTDIR\spanwise.exe"
    Delete "$INSTDIR\spanwise-cli.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
