// Shared by every JScript test: counts checks and gives each test its own
// empty folder (the first argument, ending in "\").
var passed = 0, failed = 0;
var work = WScript.Arguments(0);
var fso = new ActiveXObject("Scripting.FileSystemObject");

function check(label, actual, expected) {
  if (actual === expected) {
    passed++;
  } else {
    failed++;
    WScript.Echo("FAIL " + label + ": got [" + actual + "], expected [" + expected + "]");
  }
}

// The call must throw this error.
function checkThrows(label, call, number, description) {
  try {
    call();
    failed++;
    WScript.Echo("FAIL " + label + ": no error");
  } catch (e) {
    check(label + " (number)", e.number, number);
    check(label + " (description)", e.description, description);
  }
}

function writeFile(name, text) {
  var stream = fso.CreateTextFile(work + name, true);
  stream.Write(text);
  stream.Close();
}

