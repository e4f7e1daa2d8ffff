// kxMedia with DataType kxFlash driving a JScript stand-in for the host's Flash player control: the calls each
// method makes, the movie taken off the list, Loop following Repeat, and TotalFrames 0 making mPlay fail.
var calls = [];
function recorder(name) {
    return function () { calls.push(name); };
}
var flash = {
    Movie: "", Loop: false, TotalFrames: 120,
    Play: recorder("Play"), StopPlay: recorder("StopPlay"), Rewind: recorder("Rewind"), Stop: recorder("Stop"),
    Forward: recorder("Forward"), Back: recorder("Back")
};
function taken() {
    var text = calls.join(",");
    calls = [];
    return text;
}
function times(count, name) {
    var list = [];
    for (var i = 0; i < count; i++) list.push(name);
    return list.join(",");
}

var m = new ActiveXObject("Korvix32.kxMedia");
m.DataType = 2;
m.Repeat = true;
m.FileName = "a.swf\r\nb.swf";
m.WindowControl = flash;
check("WindowControl holds the stand-in", m.WindowControl.TotalFrames, 120);

check("mPlay", m.mPlay(), true);
check("mPlay calls", taken(), "Play");
check("Movie is the first entry", flash.Movie, "a.swf");
check("Loop follows Repeat", flash.Loop, true);
check("Playing", m.Playing, true);
check("mPause", m.mPause(), true);
check("mPause calls", taken(), "Stop");
check("mForeward", m.mForeward(), true);
check("mForeward calls", taken(), times(10, "Forward") + ",Play");
check("mBackward", m.mBackward(), true);
check("mBackward calls", taken(), times(15, "Back") + ",Play");
check("mPlay again", m.mPlay(), true);
check("Movie is the next entry", flash.Movie, "b.swf");
taken();
check("mStop", m.mStop(), true);
check("mStop calls", taken(), "StopPlay,Rewind,Stop");
check("Playing after mStop", m.Playing, false);

flash.TotalFrames = 0;
m.Repeat = false;
check("mPlay of a movie without frames", m.mPlay(), false);
check("Loop off", flash.Loop, false);
check("Playing without frames", m.Playing, false);
check("calls without frames", taken(), "Play,StopPlay,Rewind,Stop");

m.WindowControl = null;
check("mPlay without a Flash control", m.mPlay(), false);
m = null;
