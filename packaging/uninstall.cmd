@echo off
rem Unregisters the two Tarnix.dll files of this folder, each with the
rem regsvr32 of its bitness, as install.cmd registered them. The files stay.
rem Needs an elevated prompt ("Run as administrator").
setlocal
set "here=%~dp0"
call "%here%bitness.cmd"

reg add "HKLM\SOFTWARE\Tarnix install check" /f >nul 2>&1
if errorlevel 1 (
  echo uninstall.cmd: this prompt is not elevated. Open the command prompt with "Run as administrator" and run uninstall.cmd again. Nothing was unregistered.
  exit /b 1
)
reg delete "HKLM\SOFTWARE\Tarnix install check" /f >nul 2>&1

set failed=0
if defined system64 (
  "%system64%\regsvr32.exe" /u /s "%here%x64\Tarnix.dll"
  if errorlevel 1 (
    echo uninstall.cmd: unregistering x64\Tarnix.dll failed, error %errorlevel%
    set failed=1
  ) else (
    echo uninstall.cmd: unregistered x64\Tarnix.dll for 64-bit hosts
  )
)
"%system32%\regsvr32.exe" /u /s "%here%x86\Tarnix.dll"
if errorlevel 1 (
  echo uninstall.cmd: unregistering x86\Tarnix.dll failed, error %errorlevel%
  set failed=1
) else (
  echo uninstall.cmd: unregistered x86\Tarnix.dll for 32-bit hosts
)
exit /b %failed%
