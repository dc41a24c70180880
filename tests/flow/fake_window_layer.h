// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "flow/window_layer.h"

namespace vaeloric::testing {

// A window layer that records what the game flow shows and answers from a
// script. A box without a scripted answer gets its first button (Ok or Yes);
// a dialog without a script is closed with OK unchanged; a file dialog
// without a script is cancelled.
class TFakeWindowLayer : public TWindowLayer {
  public:
    std::vector<TMessageBox> boxes;
    std::deque<TBoxAnswer> boxAnswers;
    std::function<void()> whileBoxOpen;  // e.g. a close request under the box

    std::deque<std::function<bool(TPtahSquareChoice&)>> ptahScript;
    std::deque<std::function<bool(TPlayerChoice&)>> playerScript;
    std::deque<std::optional<std::int32_t>> diceScript;  // nullopt: closed without OK
    std::deque<std::function<bool(TOptionSettings&)>> optionScript;
    std::deque<std::optional<std::string>> openScript, saveScript;

    std::vector<std::string> events;  // dialogs, panels, cursors, buttons, ...
    std::vector<TSound> sounds;
    std::vector<std::pair<std::string, std::string>> readings;  // caption, text
    int cursor = -1;
    int waitDepth = 0;
    int invalidations = 0;
    std::string title;
    bool controlPanelShown = false;
    bool destroyed = false;
    int closeRequests = 0;

    TBoxAnswer ShowMessage(const TMessageBox& box) override {
        boxes.push_back(box);
        events.push_back("box:" + box.text);
        if (whileBoxOpen) whileBoxOpen();
        if (!boxAnswers.empty()) {
            const TBoxAnswer answer = boxAnswers.front();
            boxAnswers.pop_front();
            return answer;
        }
        return (box.buttons == TBoxButtons::YesNo || box.buttons == TBoxButtons::YesNoCancel)
                   ? TBoxAnswer::Yes
                   : TBoxAnswer::Ok;
    }
    bool RunPtahSquareDialog(TPtahSquareChoice& choice) override {
        events.push_back("ptah dialog");
        return Next(ptahScript, choice);
    }
    bool RunPlayerSettingsDialog(TPlayerChoice& choice) override {
        events.push_back("players dialog");
        return Next(playerScript, choice);
    }
    bool RunDiceDialog(TDiceChoice& choice) override {
        events.push_back("dice dialog");
        if (diceScript.empty()) return true;
        const auto face = diceScript.front();
        diceScript.pop_front();
        if (!face) return false;
        choice.face = *face;
        return true;
    }
    bool RunOptionDialog(TOptionKind which, TOptionSettings& options) override {
        events.push_back("option dialog " + std::to_string(static_cast<int>(which)));
        return Next(optionScript, options);
    }
    void RunPieceInfoDialog() override { events.push_back("piece info"); }
    void RunReadingDialog(const std::string& text, const std::string& caption) override {
        events.push_back("reading:" + caption);
        readings.emplace_back(caption, text);
    }
    bool RunOpenDialog(std::string& fileName) override {
        events.push_back("open dialog:" + fileName);
        return NextFile(openScript, fileName);
    }
    bool RunSaveDialog(std::string& fileName) override {
        events.push_back("save dialog:" + fileName);
        return NextFile(saveScript, fileName);
    }
    void SetCursor(int resourceId) override { cursor = resourceId; }
    void SetWaitCursor(bool on) override {
        waitDepth += on ? 1 : -1;
        events.push_back(on ? "wait on" : "wait off");
    }
    void Invalidate() override { ++invalidations; }
    void ShowMove(TSquare from, TSquare to) override {
        events.push_back("slide " + std::to_string(from.rank) + std::to_string(from.file) + "-" +
                         std::to_string(to.rank) + std::to_string(to.file));
    }
    void DrawInformationPanel() override { events.push_back("information panel"); }
    void DrawRulerPanel() override { events.push_back("ruler panel"); }
    void SetTitle(const std::string& text) override { title = text; }
    void ShowControlPanel() override {
        controlPanelShown = true;
        events.push_back("control panel");
    }
    void StartMusic() override { events.push_back("music start"); }
    void StopMusic() override { events.push_back("music stop"); }
    void CloseMusic() override { events.push_back("music close"); }
    void PlaySound(TSound sound) override { sounds.push_back(sound); }
    void RequestClose() override { ++closeRequests; }
    void DestroyWindow() override {
        destroyed = true;
        events.push_back("destroy");
    }

    // The texts of the boxes shown, in order.
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const TMessageBox& box : boxes) texts.push_back(box.text);
        return texts;
    }
    bool Saw(const std::string& event) const {
        for (const std::string& e : events)
            if (e == event) return true;
        return false;
    }
    void Forget() {
        sounds.clear();
        boxes.clear();
        events.clear();
        readings.clear();
    }

    // Work posted from other threads waits here until the test runs it, as
    // the window's event loop would.
    void PostToWindow(std::function<void()> work) override {
        // Notified under the lock: once the test sees the work, the poster
        // is done with the queue.
        std::lock_guard<std::mutex> lock(posted_->mutex);
        posted_->work.push_back(std::move(work));
        posted_->changed.notify_all();
    }
    // Waits (at most the given time) until `count` pieces of work are
    // posted; true when they are.
    bool WaitForPosted(std::size_t count = 1,
                       std::chrono::milliseconds limit = std::chrono::seconds(20)) {
        TPosted& posted = *posted_;
        std::unique_lock<std::mutex> lock(posted.mutex);
        return posted.changed.wait_for(lock, limit, [&] { return posted.work.size() >= count; });
    }
    // Runs the work posted so far, in order; returns how much there was.
    int RunPosted() {
        std::deque<std::function<void()>> work;
        {
            std::lock_guard<std::mutex> lock(posted_->mutex);
            work.swap(posted_->work);
        }
        for (auto& step : work) step();
        return static_cast<int>(work.size());
    }

  private:
    struct TPosted {
        std::mutex mutex;
        std::condition_variable changed;
        std::deque<std::function<void()>> work;
    };
    // Shared, so that the fake stays assignable.
    std::shared_ptr<TPosted> posted_ = std::make_shared<TPosted>();

    template <typename T>
    static bool Next(std::deque<std::function<bool(T&)>>& script, T& value) {
        if (script.empty()) return true;
        auto step = script.front();
        script.pop_front();
        return step(value);
    }
    static bool NextFile(std::deque<std::optional<std::string>>& script, std::string& fileName) {
        if (script.empty()) return false;
        const auto answer = script.front();
        script.pop_front();
        if (!answer) return false;
        fileName = *answer;
        return true;
    }
};

}  // namespace vaeloric::testing
