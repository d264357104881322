; The Windows installer, spanwise-VERSION-setup.exe (scripts/package-windows runs makensis).
; One installer for every Windows: a 32-bit program itself, it installs the 64-bit programs on x64
; Windows and the 32-bit ones everywhere else. It installs for the current user only, without
; administrator rights, into %LOCALAPPDATA%\Programs\Spanwise or the folder chosen, makes a
; Start-menu shortcut and registers its uninstaller in Installed apps. An option adds the folder
; to the user's PATH.
;
; Installing again upgrades in place: the folder page offers the folder of the installation, and
; the PATH option is as that installation had it. Installing into another folder moves the
; installation: the old copy and its PATH entry are removed first. Nothing is replaced or removed
; while spanwise.exe or spanwise-cli.exe runs from the folders concerned: the user is asked to
; close it, and an install or uninstall without a window (/S) fails instead.
;
; makensis -DVERSION=SHORT -DVERSION_NUMBERS=A.B.C.D -DSTAGING_X64=DIR -DSTAGING_X86=DIR
;          -DSIZE_X64=KB -DSIZE_X86=KB -DICON=FILE -DOUTFILE=FILE
;   SHORT is the version as the About box writes it, A.B.C.D the version record's four numbers;
;   scripts/package-windows takes both from the build (CMakeLists.txt states the version once).
;   Each STAGING folder holds spanwise.exe, spanwise-cli.exe, README.txt and LICENSE.txt, as the
;   zips do; each SIZE is what its files take, which the components page shows.
;
; Command line: /S installs (and the uninstaller uninstalls) without a window; /PATH chooses the
; PATH option and /NOPATH leaves it out, also without a window; /D=FOLDER, last, installs there.
; Exit status: 0 done, 1 cancelled, 2 stopped because Spanwise was running (or a file could not
; be written); nothing is changed when it stops for a running program.

Unicode true
Target x86-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"
!include "x64.nsh"

!define PRODUCT "Spanwise"
!define PUBLISHER "The Spanwise developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Spanwise"
!define ENVIRONMENT_KEY "Environment"
!define EXIT_STOPPED 2

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Spanwise"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
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
; A component's name is one line of a tree, cut off where the tree ends; what the PATH option is
; for is said above it, where the text wraps.
!define MUI_COMPONENTSPAGE_TEXT_TOP "$(ComponentsTop)"
!define MUI_FINISHPAGE_RUN "$INSTDIR\spanwise.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(RunText)"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The pages speak the user's language where the installer has it (NSIS picks it from Windows'
; display language), else English.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

; The installer's own texts; their Japanese is in japanese.nsh, in UTF-8.
LangString ComponentsTop ${LANG_ENGLISH} "Adding the folder to your PATH lets you run spanwise-cli by its name in a terminal (Command Prompt, PowerShell). Click Next to continue."
LangString RunText ${LANG_ENGLISH} "Start Spanwise"
LangString BothPrograms ${LANG_ENGLISH} "$0 and spanwise-cli.exe"
LangString RunningDetail ${LANG_ENGLISH} "Spanwise is running: $0 in $Folder"
LangString RunningBox ${LANG_ENGLISH} "Spanwise is running: $0 in $Folder.$\r$\n$\r$\nClose it, then choose Retry. Cancel stops here and changes nothing."
LangString Stopped ${LANG_ENGLISH} "Stopped: close $0, then try again."
LangString RemoveTooLongDetail ${LANG_ENGLISH} "Your PATH is too long to be changed here: remove $Folder from it yourself."
LangString RemoveTooLongBox ${LANG_ENGLISH} "Your PATH is too long to be changed here. Remove this folder from it yourself:$\r$\n$\r$\n$Folder"
LangString RemovedFromPath ${LANG_ENGLISH} "Removed $Folder from your PATH"
LangString PathHoldsAlready ${LANG_ENGLISH} "Your PATH holds $INSTDIR already"
LangString AddedToPath ${LANG_ENGLISH} "Added $INSTDIR to your PATH"
LangString AddTooLongDetail ${LANG_ENGLISH} "Your PATH is too long to be changed here: add $INSTDIR to it yourself."
LangString AddTooLongBox ${LANG_ENGLISH} "Your PATH is too long to be changed here. To run spanwise-cli in a terminal, add this folder to it yourself:$\r$\n$\r$\n$INSTDIR"
LangString MovedFrom ${LANG_ENGLISH} "Moved Spanwise from $OldFolder"
LangString ShortcutDescription ${LANG_ENGLISH} "Maximum recording length and time of memory recorders"
LangString SecPathName ${LANG_ENGLISH} "Add the folder to my PATH"
!include /CHARSET=UTF8 "japanese.nsh"

; ---- running programs ---------------------------------------------------------------------------
; Windows lets no one open a running program's file for writing, so a program that cannot be
; opened so is running (or locked by something else that would make replacing it fail too).

Var Folder ; the folder a function works on

!macro WAIT_UNTIL_CLOSED un
; $3: 1 when the file $2 is there and cannot be opened for writing, else 0.
Function ${un}FileInUse
    StrCpy $3 0
    ${If} ${FileExists} $2
        ClearErrors
        FileOpen $4 $2 a
        ${If} ${Errors}
            StrCpy $3 1
        ${Else}
            FileClose $4
        ${EndIf}
    ${EndIf}
FunctionEnd

; Returns when no program in $Folder runs; otherwise asks the user to close it, and stops with
; nothing changed when the user will not (without a window: at once).
Function ${un}WaitUntilClosed
    Push $0
    Push $2
    Push $3
    Push $4
    ${Do}
        StrCpy $0 "" ; the programs that run
        StrCpy $2 "$Folder\spanwise.exe"
        Call ${un}FileInUse
        ${IfThen} $3 == 1 ${|} StrCpy $0 "spanwise.exe" ${|}
        StrCpy $2 "$Folder\spanwise-cli.exe"
        Call ${un}FileInUse
        ${If} $3 == 1
            ${If} $0 == ""
                StrCpy $0 "spanwise-cli.exe"
            ${Else}
                StrCpy $0 "$(BothPrograms)"
            ${EndIf}
        ${EndIf}
        ${IfThen} $0 == "" ${|} ${ExitDo} ${|}
        DetailPrint "$(RunningDetail)"
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RunningBox)" /SD IDCANCEL IDRETRY retry
        SetErrorLevel ${EXIT_STOPPED}
        Abort "$(Stopped)"
    retry:
    ${Loop}
    Pop $4
    Pop $3
    Pop $2
    Pop $0
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_CLOSED ""
!insertmacro WAIT_UNTIL_CLOSED "un."

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

; Takes $Folder out of the user's PATH, every time it is there (in any case, as Windows compares
; folders). A PATH too long to be changed here is left as it is, and the user is told what to
; take out by hand.
!macro REMOVE_FROM_PATH un
Function ${un}RemoveFromPath
    Call ${un}ReadUserPath
    ${If} $1 == 0
        DetailPrint "$(RemoveTooLongDetail)"
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(RemoveTooLongBox)" /SD IDOK
        Return
    ${EndIf}
    StrCpy $PathList "$0;"
    StrCpy $1 "" ; every other folder, as it stood
    StrCpy $2 0  ; how many
    StrCpy $3 0  ; whether $Folder was there
    ${Do}
        Call ${un}CutFolder
        ${If} $PathFolder == $Folder
            StrCpy $3 1
        ${Else}
            ${If} $2 == 0
                StrCpy $1 $PathFolder
            ${Else}
                StrCpy $1 "$1;$PathFolder"
            ${EndIf}
            IntOp $2 $2 + 1
        ${EndIf}
    ${LoopUntil} $PathList == ""
    ${If} $3 == 0
        Return
    ${EndIf}
    ${If} $1 == ""
        DeleteRegValue HKCU "${ENVIRONMENT_KEY}" "Path"
    ${Else}
        WriteRegExpandStr HKCU "${ENVIRONMENT_KEY}" "Path" $1
    ${EndIf}
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=500
    DetailPrint "$(RemovedFromPath)"
FunctionEnd
!macroend
!insertmacro REMOVE_FROM_PATH ""
!insertmacro REMOVE_FROM_PATH "un."

Function AddToPath
    Call ReadUserPath
    ${If} $1 == 0
        Goto too_long
    ${EndIf}
    StrCpy $PathList "$0;"
    ${Do}
        Call CutFolder
        ${If} $PathFolder == $INSTDIR ; in any case, as Windows compares folders
            DetailPrint "$(PathHoldsAlready)"
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
    DetailPrint "$(AddedToPath)"
    Return
too_long:
    DetailPrint "$(AddTooLongDetail)"
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(AddTooLongBox)" /SD IDOK
FunctionEnd

; ---- installing ---------------------------------------------------------------------------------

; The installation this one replaces, as its uninstaller's registry values describe it.
Var OldFolder ; its folder (which may be gone), or "" when there is none
Var OldOnPath ; 1 when it added its folder to the PATH

; Removes the installation in $OldFolder, which this one replaces from another folder: its PATH
; entry, then its files and the folder, once empty. Whatever else is in the folder stays.
Function RemoveOldCopy
    StrCpy $Folder $OldFolder
    ${If} $OldOnPath == 1
        Call RemoveFromPath
        DeleteRegValue HKCU "${UNINSTALL_KEY}" "AddedToPath"
    ${EndIf}
    Delete "$OldFolder\spanwise.exe"
    Delete "$OldFolder\spanwise-cli.exe"
    Delete "$OldFolder\README.txt"
    Delete "$OldFolder\LICENSE.txt"
    Delete "$OldFolder\uninstall.exe"
    RMDir "$OldFolder"
    DetailPrint "$(MovedFrom)"
FunctionEnd

Section "Spanwise" SecProgram
    SectionIn RO
    ; Nothing is touched while a program that would be replaced or removed runs.
    StrCpy $Folder $INSTDIR
    Call WaitUntilClosed
    ${If} $OldFolder != ""
    ${AndIf} $OldFolder != $INSTDIR ; in any case
        StrCpy $Folder $OldFolder
        Call WaitUntilClosed
        Call RemoveOldCopy
    ${EndIf}

    SetOutPath "$INSTDIR"
    ${If} ${IsNativeAMD64}
        File "${STAGING_X64}\spanwise.exe"
        File "${STAGING_X64}\spanwise-cli.exe"
    ${Else}
        File "${STAGING_X86}\spanwise.exe"
        File "${STAGING_X86}\spanwise-cli.exe"
    ${EndIf}
    File "${STAGING_X64}\README.txt"
    File "${STAGING_X64}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Spanwise.lnk" "$INSTDIR\spanwise.exe" "" "$INSTDIR\spanwise.exe" 0 \
        SW_SHOWNORMAL "" "$(ShortcutDescription)"

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

Section /o "$(SecPathName)" SecPath
    Call AddToPath
SectionEnd

; An upgrade whose PATH option was turned off takes out the entry the installation had added.
Section "-PathLeftOut"
    ${IfNot} ${SectionIsSelected} ${SecPath}
        ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "AddedToPath"
        ${If} $0 == 1
            StrCpy $Folder $INSTDIR
            Call RemoveFromPath
            DeleteRegValue HKCU "${UNINSTALL_KEY}" "AddedToPath"
        ${EndIf}
    ${EndIf}
SectionEnd

Function .onInit
    ; The section holds both pairs of programs; one is installed.
    ${If} ${IsNativeAMD64}
        SectionSetSize ${SecProgram} ${SIZE_X64}
    ${Else}
        SectionSetSize ${SecProgram} ${SIZE_X86}
    ${EndIf}
    ; A folder removed by hand may still have its PATH entry, which moving takes out.
    ReadRegStr $OldFolder HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegDWORD $OldOnPath HKCU "${UNINSTALL_KEY}" "AddedToPath"
    ${If} $OldOnPath == 1
        !insertmacro SelectSection ${SecPath}
    ${EndIf}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/PATH" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecPath}
    ${EndIf}
    ClearErrors
    ${GetOptions} $0 "/NOPATH" $1
    ${IfNot} ${Errors}
        !insertmacro UnselectSection ${SecPath}
    ${EndIf}
FunctionEnd

; ---- uninstalling -------------------------------------------------------------------------------

Section "Uninstall"
    StrCpy $Folder $INSTDIR
    Call un.WaitUntilClosed
    ; The registry values describe this installation unless another copy, from an older installer
    ; that did not move installations, has been installed since; they and the shortcut are then
    ; that copy's.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == ""
    ${OrIf} $0 == $INSTDIR
        ReadRegDWORD $1 HKCU "${UNINSTALL_KEY}" "AddedToPath"
        ${If} $1 == 1
            Call un.RemoveFromPath
        ${EndIf}
        Delete "$SMPROGRAMS\Spanwise.lnk"
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${Else}
        ; Whether this copy added its folder is not known any more; the folder is going away.
        Call un.RemoveFromPath
    ${EndIf}
    Delete "$INSTDIR\spanwise.exe"
    Delete "$INSTDIR\spanwise-cli.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
