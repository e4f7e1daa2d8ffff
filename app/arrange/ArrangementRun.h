#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "ArrangementProgress.h"
#include "dictionary/RecordSet.h"
#include "engine/AbjadEngine.h"

// A run of the letter arrangements window (frmComplex): normalises the letters, writes Output.txt and, with
// the dictionary check, OutputDic.txt, and tells the window what to show and which files to open.
namespace zarvanta {

// cmbCalc's item index.
enum class ArrangementMode { AllLetters = 0, GreatCycle = 1 };

struct ArrangementRequest {
    std::wstring Letters;  // txtLatters as typed
    ArrangementMode Mode = ArrangementMode::AllLetters;
    bool DictionaryCheck = false;         // DicCheck
    RecordSet* Dictionary = nullptr;      // the shared record set; required with the check, left filtered by Length
    std::filesystem::path Folder;         // where Output.txt and OutputDic.txt go: the program's folder
};

enum class ArrangementOutcome {
    Completed,  // the files are written
    Cancelled,  // stopped by the user; FilesToOpen holds the files written so far, if any
    Refused,    // too many letters; nothing was touched
    Failed,     // a file could not be written; nothing to open
};

struct ArrangementResult {
    ArrangementOutcome Outcome = ArrangementOutcome::Completed;
    std::wstring Letters;  // the letters normalised: txtLatters shows them whatever the outcome
    std::wstring Message;  // Refused: the message box text; Failed: which file failed and why
    std::vector<std::filesystem::path> FilesToOpen;  // in order, each in the editor (kEditorCommand + path)
};

// The two lines of the refusal, joined by a line break.
std::wstring TooManyLettersMessage();

// Runs on the caller's thread; calls the sink at most once per kProgressInterval of the clock. Before the run the
// window sets btnDo.Enabled False, btnCancel.Enabled True and the bar's Value 0; after it, the caption empty,
// the Value 0, btnCancel.Enabled False and btnDo.Enabled True.
ArrangementResult RunArrangements(const AbjadEngine& engine, const ArrangementRequest& request, ProgressSink& sink,
                                  const ProgressClock& clock = SteadyNow);

}  // namespace zarvanta
