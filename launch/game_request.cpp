// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/game_request.h"

#include "flow/saved_game.h"
#include "launch/bounded_read.h"

namespace vaeloric {

namespace {

std::string SeatText(const TSeatLine& line) {
    // Games saved by the headless tool carry no names.
    std::string text =
        (line.player.empty() ? "(no name)" : line.player) + ": " + ArmyLabel(line.army);
    if (line.seat == 1) text += ", the Questioner, moves first";
    return text;
}

TJournalEntry EntryOf(const TQuestionForm& form, TPtahChoice square, const std::string& askedAt) {
    TJournalEntry entry;
    entry.askedAt = askedAt;
    entry.question = form.question;
    entry.questionerName = SeatLines(form, square)[0].player;
    entry.element = ElementInfo(form.element).name;
    entry.ptahSquare = SquareName(TSquare{square.rank, square.file});
    std::vector<std::string> lines;
    for (const TSeatLine& line : SeatLines(form, square)) lines.push_back(SeatText(line));
    entry.players = SeatSummary(lines);
    entry.outcome = TOutcome::InProgress;
    return entry;
}

}  // namespace

TGameRequest QuestionRequest(const TQuestionForm& form, TPtahChoice square,
                             const std::string& askedAt) {
    TGameRequest request;
    request.program = ElementInfo(form.element).program;
    request.arguments = {ComposeLauncherArgument(form, square)};
    request.entry = EntryOf(form, square, askedAt);
    return request;
}

std::string SavedGameRequest(const std::string& path, const std::string& askedAt,
                             TGameRequest& request) {
    std::string bytes;
    if (const std::string why = ReadBoundedFile(path, kMaxSavedGameBytes, bytes); !why.empty())
        return "This saved game cannot be opened: " + why + ".";
    TSavedGame game;
    const TLoadResult result = ParseSavedGame(bytes, kAnyBoard, game);
    if (!result.Loaded())
        return "This is not a saved game the board programs can load: " + result.message;
    TQuestionForm form;
    if (!ElementOfBoardLetter(game.setUp.boardLetter, form.element))
        return "This saved game names no board the launcher knows.";
    form.question = game.setUp.Question();
    form.questionerName = game.setUp.questionerName;
    for (int seat = 2; seat <= 4; ++seat)
        form.seats[seat] = {game.setUp.seatCode[seat], game.setUp.seatName[seat]};
    const TPtahChoice square{game.setUp.ptah.rank, game.setUp.ptah.file};
    request.program = ElementInfo(form.element).program;
    request.arguments = {"*" + path};
    request.entry = EntryOf(form, square, askedAt);
    request.entry.savedGame = path;
    return {};
}

TGameRequest DemonstrationRequest(TQuestionElement element) {
    TGameRequest request;
    request.program = ElementInfo(element).program;
    request.entry.element = ElementInfo(element).name;  // shown, never kept
    request.demonstration = true;
    return request;
}

void RecordGameEnd(const TGameEnd& end, TJournalEntry& entry) {
    entry.outcome = end.reading.outcome;
    entry.analysis = end.reading.analysis;
    entry.note = end.sentence;
}

}  // namespace vaeloric
