
WScript.Echo(passed + " passed, " + failed + " failed");
WScript.Quit(failed === 0 ? 0 : 1);
