<%@ Language="VBScript" CodePage=65001 %>
<%
' folder-listing.asp: a table of the files in one folder of the site, sortable
' by clicking a column heading.
'
'   folder-listing.asp?sort=size&order=descending
'
' The sort field and order come from the query string and are checked
' against the words Tarnix accepts, so no other text ever reaches Sort.
Option Explicit
Response.CharSet = "utf-8"  ' file names may use any script

Const kFolder = "."  ' the folder to show, relative to this page

Dim fields, orders, field, order, files, entry, i, failure

' Returns the query string value when it is one of the allowed words (in any
' letter case), else the first word.
Function Allowed(value, words)
  Dim word
  Allowed = words(0)
  For Each word In words
    If LCase(value) = word Then Allowed = word
  Next
End Function

' A column heading that links to this page sorted by its field; clicking the
' current field again reverses the order.
Function Heading(title, name)
  Dim nextOrder, mark
  nextOrder = "ascending"
  mark = ""
  If name = field And order = "ascending" Then
    nextOrder = "descending"
    mark = " &#9650;"
  ElseIf name = field Then
    mark = " &#9660;"
  End If
  Heading = "<th><a href=""?sort=" & name & "&amp;order=" & nextOrder & """>" & title & "</a>" & mark & "</th>"
End Function

' The text after the last dot, as Sort "extension" sees it.
Function Extension(name)
  Extension = ""
  If InStrRev(name, ".") > 0 Then Extension = Mid(name, InStrRev(name, ".") + 1)
End Function

fields = Array("name", "extension", "size", "modified")
orders = Array("ascending", "descending")
field = Allowed(Request.QueryString("sort"), fields)
order = Allowed(Request.QueryString("order"), orders)

failure = ""
On Error Resume Next
Set files = Server.CreateObject("Tarnix.Files")
If Err.Number <> 0 Then
  failure = "Tarnix.Files is not available: " & Err.Description
Else
  files.Path = Server.MapPath(kFolder)
  files.Attributes = "32"  ' files only, no folders
  files.GetFileList
  If Err.Number = 0 Then files.Sort field, order
  If Err.Number <> 0 Then failure = "The folder cannot be listed: " & Err.Description
End If
On Error GoTo 0
%>
<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>Files</title>
<style>
  table { border-collapse: collapse; }
  th, td { padding: 2px 12px; text-align: left; }
  td.size { text-align: right; }
</style>
</head>
<body>
<% If failure <> "" Then %>
<p><%= Server.HTMLEncode(failure) %></p>
<% Else %>
<table>
<tr><%= Heading("Name", "name") %><%= Heading("Type", "extension") %><%= Heading("Size", "size") %><%= Heading("Modified (UTC)", "modified") %></tr>
<%
  ' Item by position follows the sort. Modified sorts as text
  ' (month/day/year), not by date.
  For i = 1 To files.Count
    Set entry = files(i)
%>
<tr><td><%= Server.HTMLEncode(entry.Name) %></td><td><%= Server.HTMLEncode(Extension(entry.Name)) %></td><td class="size"><%= entry.Size %></td><td><%= entry.Modified %></td></tr>
<%
  Next
%>
</table>
<p><%= files.Count %> file(s)</p>
<% End If %>
</body>
</html>
