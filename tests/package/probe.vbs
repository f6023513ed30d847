' Run by test-packages.sh in each script host: "present FOLDER" creates both
' Tarnix classes and lists FOLDER; "absent" checks that neither ProgID
' resolves. Prints one line beginning "ok:" when that holds (cscript under
' Wine exits 0 whatever happens, so the line is what counts).
Option Explicit
Dim files, entry, filesError, fileError, host
host = "(" & CreateObject("WScript.Shell").Environment("PROCESS")("PROCESSOR_ARCHITECTURE") & " cscript)"
On Error Resume Next
Set files = CreateObject("Tarnix.Files")
filesError = Err.Number
Err.Clear
Set entry = CreateObject("Tarnix.File")
fileError = Err.Number
Err.Clear
If WScript.Arguments(0) = "absent" Then
  If filesError <> 0 And fileError <> 0 Then
    WScript.Echo "ok: neither Tarnix.Files nor Tarnix.File resolves " & host
  Else
    WScript.Echo "FAIL: a Tarnix ProgID still resolves " & host
  End If
  WScript.Quit 0
End If
If filesError <> 0 Or fileError <> 0 Then
  WScript.Echo "FAIL: cannot create Tarnix.Files (" & filesError & ") or Tarnix.File (" & fileError & ") " & host
  WScript.Quit 0
End If
files.Path = WScript.Arguments(1)
files.GetFileList
If Err.Number <> 0 Or files.Count = 0 Then
  WScript.Echo "FAIL: listing " & WScript.Arguments(1) & " gave " & files.Count & " entries, error " & Err.Number & " " & host
Else
  WScript.Echo "ok: created Tarnix.Files and Tarnix.File, listed " & files.Count & " entries " & host
End If
WScript.Quit 0
