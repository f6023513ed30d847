@echo off
rem Used by install.cmd and uninstall.cmd. Sets system64 to the folder of the
rem 64-bit regsvr32 on 64-bit Windows (unset on 32-bit Windows) and system32
rem to the folder of the 32-bit one, whether this prompt is 64-bit or 32-bit.
set "system64="
set "system32=%SystemRoot%\System32"
if defined PROCESSOR_ARCHITEW6432 (
  rem A 32-bit prompt on 64-bit Windows: System32 is the 32-bit folder here.
  set "system64=%SystemRoot%\Sysnative"
) else if /i not "%PROCESSOR_ARCHITECTURE%"=="x86" (
  set "system64=%SystemRoot%\System32"
  set "system32=%SystemRoot%\SysWOW64"
)
