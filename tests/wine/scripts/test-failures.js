// Failures as JScript sees them: e.number is the whole HRESULT (0x800A0000
// plus the classic number, or Tarnix's own), e.description the text; trapped
// members also write the text to LastError, Item and Remove do not.
function classic(number) { return -2146828288 + number; }  // 0x800A0000 + number

writeFile("a.txt", "a");
writeFile("taken.txt", "taken");
fso.CreateFolder(work + "full");
writeFile("full\\x.txt", "x");

var files = new ActiveXObject("Tarnix.Files");
files.Path = work;
files.GetFileList();
var entry = new ActiveXObject("Tarnix.File");  // names a file that is not there
entry.Path = work;
entry.Name = "gone.txt";

var duplicate = "This key is already associated with an element of this collection";
// The call, the number and text it must throw, and whose LastError gets the text.
var cases = [
  ["files(0)", function () { files(0); }, classic(9), "Subscript out of range", null],
  ["Item(Count + 1)", function () { files.Item(files.Count + 1); }, classic(9), "Subscript out of range", null],
  ["Item(absent key)", function () { files.Item("absent.txt"); }, classic(5), "Invalid procedure call or argument", null],
  ["Item(null)", function () { files.Item(null); }, classic(94), "Invalid use of Null", null],
  ["Remove(99)", function () { files.Remove(99); }, classic(9), "Subscript out of range", null],
  ["Remove(absent key)", function () { files.Remove("absent.txt"); }, classic(5), "Invalid procedure call or argument", null],
  ["Add(key in other letters)", function () { files.Add(work, "A.TXT"); }, classic(457), duplicate, files],
  ["GetFileList(listed again)", function () { files.GetFileList(work + "*.txt"); }, classic(457), duplicate, files],
  ["Sort(unknown field)", function () { files.Sort("Colour"); }, -2147220838, "Colour is not a valid fieldname.", files],
  ["Sort(number as field)", function () { files.Sort(5); }, -2147220838, "5 is not a valid fieldname.", files],
  ["Sort(unknown order)", function () { files.Sort("name", "Sideways"); }, -2147220837, "Sideways is not a valid sortorder.", files],
  ["Copy(missing source)", function () { files.Copy("missing.txt", "b.txt"); }, -2147220836, "Error copying file", files],
  ["MakeDir(existing)", function () { files.MakeDir("full"); }, classic(58), "File already exists", files],
  ["MakeDir(missing parent)", function () { files.MakeDir("no\\such\\dir"); }, classic(76), "Path not found", files],
  ["RemoveDir(not empty)", function () { files.RemoveDir("full"); }, classic(75), "Path/File access error", files],
  ["KillFile(no match)", function () { files.KillFile("*.none"); }, classic(53), "File not found", files],
  ["Rename(onto existing)", function () { files.Rename("a.txt", "taken.txt"); }, classic(58), "File already exists", files],
  ["KillFile(name with NUL)", function () { files.KillFile("a.txt\0tail"); }, classic(52), "Bad file name or number", files],
  ["entry.KillFile(vanished)", function () { entry.KillFile(); }, classic(53), "File not found", entry],
  ["entry.Rename(vanished)", function () { entry.Rename("b.txt"); }, classic(53), "File not found", entry]
];
var count = files.Count;
for (var i = 0; i < cases.length; i++) {
  var c = cases[i];
  files.LastError = "earlier";
  entry.LastError = "earlier";
  checkThrows(c[0], c[1], c[2], c[3]);
  check(c[0] + ": Files.LastError", files.LastError, c[4] === files ? c[3] : "earlier");
  check(c[0] + ": entry LastError", entry.LastError, c[4] === entry ? c[3] : "earlier");
}
check("Count after the failures", files.Count, count);
check("a.txt kept", fso.FileExists(work + "a.txt"), true);

// A catch block gets an Error whose message is the text as well; the failed
// Sort leaves the list unsorted.
try {
  files.Sort("size", "upwards");
} catch (e) {
  check("instanceof Error", e instanceof Error, true);
  check("message", e.message, "upwards is not a valid sortorder.");
}
check("Sorted after the failed Sort", files.Sorted, false);

// A successful call leaves LastError as it was; File.Copy fails quietly.
files.LastError = "earlier";
entry.LastError = "earlier";
check("Sort succeeds", files.Sort("name"), true);
check("Copy succeeds", files.Copy("a.txt", "b.txt"), true);
check("entry Copy of a vanished file", entry.Copy("c.txt"), false);
check("Files.LastError after successes", files.LastError, "earlier");
check("entry LastError after a quiet failure", entry.LastError, "earlier");
