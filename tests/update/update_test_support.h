#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/user_prompts.h"
#include "update/update_view.h"

namespace quantora::test {

// Answers questions from a script, Cancel once it runs out, and keeps what was asked.
class ScriptedPrompts : public UserPrompts {
public:
    std::deque<Answer> answers;
    std::vector<std::string> questions;

    void Message(std::string_view text, std::string_view) override { questions.emplace_back(text); }
    Answer Question(std::string_view text, std::string_view, Buttons) override {
        questions.emplace_back(text);
        if (answers.empty()) return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Beep() override {}
};

// Keeps every status text and progress value; asks to stop once `stopAfterTexts` texts came.
class RecordingView : public UpdateView {
public:
    std::vector<std::string> texts;
    std::vector<int> progress;
    std::size_t stopAfterTexts = SIZE_MAX;

    void SetStatusText(std::string_view text) override { texts.emplace_back(text); }
    void SetProgress(int percent) override { progress.push_back(percent); }
    bool StopRequested() override { return texts.size() >= stopAfterTexts; }

    bool Showed(std::string_view text) const {
        for (const std::string& shown : texts) {
            if (shown == text) return true;
        }
        return false;
    }
    std::string Last() const { return texts.empty() ? std::string() : texts.back(); }
};

}  // namespace quantora::test
