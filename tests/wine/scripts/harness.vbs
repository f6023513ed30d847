' Shared by every VBScript test: counts checks and gives each test its own
' empty folder (the first argument, ending in "\").
Option Explicit
Dim passed, failed, work, fso
passed = 0
failed = 0
work = WScript.Arguments(0)
Set fso = CreateObject("Scripting.FileSystemObject")

Sub Check(label, actual, expected)
  If actual = expected Then
    passed = passed + 1
  Else
    failed = failed + 1
    WScript.Echo "FAIL " & label & ": got [" & actual & "], expected [" & expected & "]"
  End If
End Sub

' After a call made under On Error Resume Next: the error must be this one.
Sub CheckError(label, number, description)
  Check label & " (number)", Err.Number, number
  Check label & " (description)", Err.Description, description
  Err.Clear
End Sub

Sub WriteFile(name, text)
  Dim stream
  Set stream = fso.CreateTextFile(work & name, True)
  stream.Write text
  stream.Close
End Sub

Function ReadFile(name)
  Dim stream
  Set stream = fso.OpenTextFile(work & name)
  If stream.AtEndOfStream Then ReadFile = "" Else ReadFile = stream.ReadAll
  stream.Close
End Function

