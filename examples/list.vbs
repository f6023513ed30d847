' list.vbs: lists a folder, largest entries first.
'
'   cscript //nologo list.vbs [folder]
'
' One line per entry: name, size in bytes (<DIR> for a folder) and the time
' of the last write, in UTC. Without a folder it lists the current directory.
' Exits with 0 when the listing was printed, 1 with a message otherwise.
Option Explicit

Dim folder, files, entry, i, size

' Stops the script with a message and exit code 1. Checking Err after each
' call matters: some script hosts end with exit code 0 on an uncaught error.
Sub Fail(message)
  WScript.Echo "list.vbs: " & message
  WScript.Quit 1
End Sub

Function PadRight(text, width)
  PadRight = text
  If Len(text) < width Then PadRight = text & Space(width - Len(text))
End Function

Function PadLeft(text, width)
  PadLeft = text
  If Len(text) < width Then PadLeft = Space(width - Len(text)) & text
End Function

If WScript.Arguments.Count > 0 Then
  folder = WScript.Arguments(0)
Else
  folder = CreateObject("WScript.Shell").CurrentDirectory
End If

On Error Resume Next
Set files = CreateObject("Tarnix.Files")
If Err.Number <> 0 Then Fail "cannot create Tarnix.Files (is Tarnix.dll registered?): " & Err.Description

files.Path = folder  ' Path ends itself with "\"
' GetFileList finds nothing in a folder that does not exist, without an
' error; an existing folder always holds at least its "." entry.
If Not files.Exists(files.Path & "*.*") Then Fail "folder not found: " & folder

files.GetFileList  ' Path followed by Mask; an empty Mask means "*.*"
If Err.Number <> 0 Then Fail "cannot list " & files.Path & ": " & Err.Description

files.Sort "size", "descending"
If Err.Number <> 0 Then Fail "cannot sort: " & Err.Description

WScript.Echo PadRight("Name", 40) & " " & PadLeft("Size", 12) & "  Modified (UTC)"
' Item by position follows the sort; For Each would walk the listing order.
For i = 1 To files.Count
  Set entry = files(i)
  If entry.Attributes And 16 Then
    size = "<DIR>"
  Else
    size = entry.Size  ' the low 32 bits: files of 2 GB and more show wrong sizes
  End If
  WScript.Echo PadRight(entry.Name, 40) & " " & PadLeft(size, 12) & "  " & entry.Modified
Next
If Err.Number <> 0 Then Fail "cannot read the listing: " & Err.Description

WScript.Quit 0
