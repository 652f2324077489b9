// The one recording fake of the dialogs through which the core shows a message and
// asks a question; the core's tests and the window's tests fake their interfaces with it.
#pragma once

#include <functional>
#include <string_view>

namespace corvane::testing_support {

// Dialogs that record what the core shows and asks and answer Yes or No as told.
// `Interface` is the dialogs interface faked (the window's adds boxes of its own);
// `Texts` gives the list type and turns the GBK bytes of a caption or a message into
// what the test compares.  A question is recorded as "caption|text".
template <class Interface, class Texts>
class RecordingDialogs : public Interface {
public:
    void ShowMessage(std::string_view text) override {
        messages.push_back(Texts::Message(text));
        if (onMessage) onMessage();
    }
    bool AskYesNo(std::string_view caption, std::string_view text) override {
        questions.push_back(Texts::Caption(caption) + Texts::Message("|") + Texts::Message(text));
        if (onQuestion) onQuestion();
        return answer;
    }
    bool answer = true;
    typename Texts::List messages;
    typename Texts::List questions;
    std::function<void()> onMessage;   // called after each message is recorded
    std::function<void()> onQuestion;  // called after each question is recorded
};

}  // namespace corvane::testing_support
