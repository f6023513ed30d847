' copy-and-clean-up.vbs: copies every *.txt file of a folder into a new
' "backup" subfolder, lists the backup, then removes the copies and the
' subfolder again.
'
'   cscript //nologo copy-and-clean-up.vbs folder
'
' Exits with 0 when every step succeeded, 1 otherwise.
Option Explicit

Dim files, backup, entry, i, failures

' Err holds the number and text of a failure right after the call; the
' object's LastError keeps the text until the script changes it (a later
' successful call does not clear it).
Function Failed(what, list)
  Failed = Err.Number <> 0
  If Failed Then
    WScript.Echo what & " failed: error " & Err.Number & ", " & Err.Description & _
      " (LastError: " & list.LastError & ")"
    Err.Clear
  End If
End Function

If WScript.Arguments.Count <> 1 Then
  WScript.Echo "usage: cscript //nologo copy-and-clean-up.vbs folder"
  WScript.Quit 1
End If

failures = 0
On Error Resume Next
Set files = CreateObject("Tarnix.Files")
If Err.Number <> 0 Then
  WScript.Echo "cannot create Tarnix.Files (is Tarnix.dll registered?): " & Err.Description
  WScript.Quit 1
End If

files.Path = WScript.Arguments(0)
files.MakeDir "backup"  ' relative names are taken inside Path
If Failed("MakeDir backup", files) Then WScript.Quit 1
WScript.Echo "made " & files.Path & "backup"

' List the text files only: the filter 32 (archive) leaves folders out.
files.Attributes = "32"
files.Mask = "*.txt"
files.GetFileList
If Failed("GetFileList", files) Then failures = failures + 1
For Each entry In files
  files.Copy entry.Name, "backup\" & entry.Name
  If Failed("Copy " & entry.Name, files) Then
    failures = failures + 1
  Else
    WScript.Echo "copied " & entry.Name
  End If
Next

Set backup = CreateObject("Tarnix.Files")
backup.Path = files.Path & "backup"
backup.GetFileList
backup.Sort "name"
If Failed("listing the backup", backup) Then failures = failures + 1
WScript.Echo "backup holds " & backup.Count & " file(s):"
For i = 1 To backup.Count
  WScript.Echo "  " & backup(i).Name & " (" & backup(i).Size & " bytes)"
Next

' KillFile takes wildcards; with nothing to match it fails with "File not found".
If backup.Count > 0 Then
  backup.KillFile "*.txt"
  If Failed("KillFile backup\*.txt", backup) Then failures = failures + 1
End If
files.RemoveDir "backup"  ' only an empty folder can be removed
If Failed("RemoveDir backup", files) Then failures = failures + 1

If failures > 0 Then
  WScript.Echo failures & " step(s) failed"
  WScript.Quit 1
End If
WScript.Echo "removed the copies and the backup folder"
WScript.Quit 0
