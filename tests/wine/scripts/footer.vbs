
WScript.Echo passed & " passed, " & failed & " failed"
If failed = 0 Then WScript.Quit 0 Else WScript.Quit 1
