; The Windows installer. scripts/build-windows compiles it with
;   makensis -INPUTCHARSET UTF8 -DVERSION=… -DLISTS=… -DICON=… -DSIZE_KB=… -DOUTFILE=…
; where LISTS is the folder with the generated install-files.nsh and uninstall-files.nsh, which
; name every file the zip holds: the uninstaller removes exactly what was installed, so a folder
; chosen by the user is never emptied wholesale.
;
; There is no licence page: the MIT licence asks for no acceptance, and an English text behind
; an "I agree" button only puzzles a teacher. The licence is installed with the program, in
; licenses\hill-cipher-MIT.txt.
;
; Run by an administrator it installs for all users (Program Files, HKLM); run by anyone else,
; for that user alone (their own Programs folder, HKCU), without asking for rights. /S installs
; silently; /CurrentUser or /AllUsers choose the mode explicitly.

; A 64-bit installer for a 64-bit program: it runs only where the program can, and it sees the
; 64-bit registry and Program Files without redirection.
Target amd64-unicode
ManifestDPIAware true

!define APP_NAME "Шифър на Хил"
!define APP_EXE "hill-cipher.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\hill-cipher"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "hill-cipher"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ADMINREQUIRED "Инсталирането изисква права на администратор."
!define MULTIUSER_INIT_TEXT_POWERREQUIRED "Инсталирането изисква права на администратор."
; Shown by the uninstaller too.
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "Само администратор може да инсталира или изтрива програмата за всички потребители."
!include MultiUser.nsh
!include MUI2.nsh

Name "${APP_NAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${APP_NAME} ${VERSION}"
SetCompressor /SOLID lzma

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${APP_EXE}"

; The stock Bulgarian welcome text speaks of updating system files, which this setup never does.
!define MUI_WELCOMEPAGE_TEXT "Съветникът ще инсталира „${APP_NAME}“ на този компютър.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_UNCONFIRMPAGE_TEXT_TOP "„${APP_NAME}“ ще бъде изтрит от следната папка. $_CLICK"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileDescription" "Инсталиране на ${APP_NAME}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "LegalCopyright" "Лиценз MIT"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    !include "${LISTS}\install-files.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\${APP_EXE}" "" "$INSTDIR\${APP_EXE}" 0

    ; SHCTX is HKLM or HKCU, following the install mode.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${APP_EXE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Разработчиците на hill-cipher"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${APP_NAME}.lnk"
    !include "${LISTS}\uninstall-files.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
