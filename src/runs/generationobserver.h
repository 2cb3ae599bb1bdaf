#pragma once

#include <string>

class ProgressSink;
struct GenerationOutcome;

// What a generation run tells its front end, from the run's worker thread. A window
// implements it by queuing each call to its GUI thread; an implementation must never
// block waiting for that thread, which may be joining the worker.
class GenerationObserver {
public:
    virtual ~GenerationObserver() = default;

    // The run has opened its list: show the dialog with this group caption
    // ("-= [SFV] =-", "-= [MD5] =-" or "-= [UNKNOWN] =-").
    virtual void RunStarted(const std::string& groupCaption) = 0;
    // The file `number` of `count` (from 1) is being read; counterText is "%d/%d".
    virtual void FileStarted(const std::string& name, int number, int count, const std::string& counterText) = 0;
    // The whole-run percentage, 0 to 100, once per block.
    [[nodiscard]] virtual ProgressSink& Progress() = 0;
    // The last call of a run, after the list file was closed.
    virtual void RunEnded(const GenerationOutcome& outcome) = 0;
};
