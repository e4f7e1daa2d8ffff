// Shared checks of the JScript tests; the runner puts this before each test file and a call of finish() after it.
var kxFailures = 0, kxChecks = 0;

function check(name, got, expected) {
    kxChecks++;
    if (typeof got === typeof expected && got === expected) {
        WScript.Echo("ok " + name);
    } else {
        kxFailures++;
        WScript.Echo("not ok " + name + ": got " + typeof got + " [" + got + "], expected " + typeof expected +
            " [" + expected + "]");
    }
}

function finish() {
    WScript.Echo("checks " + kxChecks + ", failures " + kxFailures);
    WScript.Echo("KX-SCRIPT-END");
}
