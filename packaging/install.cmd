@echo off
rem Registers the two Tarnix.dll files of this folder, each with the regsvr32
rem of its bitness: x64\Tarnix.dll for 64-bit hosts and x86\Tarnix.dll for
rem 32-bit hosts (SysWOW64\regsvr32 on 64-bit Windows, System32\regsvr32 on
rem 32-bit Windows). The DLLs stay where they are: keep this folder.
rem Needs an elevated prompt ("Run as administrator").
setlocal
set "here=%~dp0"
call "%here%bitness.cmd"

reg add "HKLM\SOFTWARE\Tarnix install check" /f >nul 2>&1
if errorlevel 1 (
  echo install.cmd: this prompt is not elevated. Open the command prompt with "Run as administrator" and run install.cmd again. Nothing was registered.
  exit /b 1
)
reg delete "HKLM\SOFTWARE\Tarnix install check" /f >nul 2>&1

set failed=0
if defined system64 (
  "%system64%\regsvr32.exe" /s "%here%x64\Tarnix.dll"
  if errorlevel 1 (
    echo install.cmd: registering x64\Tarnix.dll failed, error %errorlevel%
    set failed=1
  ) else (
    echo install.cmd: registered x64\Tarnix.dll for 64-bit hosts with %system64%\regsvr32.exe
  )
)
"%system32%\regsvr32.exe" /s "%here%x86\Tarnix.dll"
if errorlevel 1 (
  echo install.cmd: registering x86\Tarnix.dll failed, error %errorlevel%
  set failed=1
) else (
  echo install.cmd: registered x86\Tarnix.dll for 32-bit hosts with %system32%\regsvr32.exe
)
exit /b %failed%
