#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/user_prompts.h"
#include "calc/formula_file_dialogs.h"

namespace quantora::test {

// Answers the formula window's questions from a script and keeps what it was asked and shown.
class ScriptedPrompts : public UserPrompts {
public:
    std::deque<Answer> answers;
    std::vector<std::string> asked;
    std::vector<std::string> messages;
    int beeps = 0;

    void Message(std::string_view text, std::string_view) override { messages.emplace_back(text); }
    Answer Question(std::string_view text, std::string_view, Buttons) override {
        asked.emplace_back(text);
        if (answers.empty()) return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Beep() override { ++beeps; }
};

// Chooses the paths a test scripts; nothing scripted is a cancelled dialog.
class ScriptedFileDialogs : public FormulaFileDialogs {
public:
    std::deque<std::optional<std::filesystem::path>> openPaths;
    std::deque<std::optional<std::filesystem::path>> savePaths;
    std::vector<std::string> saveNames;

    std::optional<std::filesystem::path> AskOpenPath() override { return Next(openPaths); }
    std::optional<std::filesystem::path> AskSavePath(std::string_view initialName) override {
        saveNames.emplace_back(initialName);
        return Next(savePaths);
    }

private:
    static std::optional<std::filesystem::path> Next(std::deque<std::optional<std::filesystem::path>>& paths) {
        if (paths.empty()) return std::nullopt;
        auto path = paths.front();
        paths.pop_front();
        return path;
    }
};

}  // namespace quantora::test
