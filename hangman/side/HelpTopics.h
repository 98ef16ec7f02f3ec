// The hangman's built-in help: six topics, each with the label the topic window
// shows, the title and the answer the answer window shows. Standard C++ only.
#pragma once

#include <array>

namespace hm {

struct HelpTopic {
    const char* label;   // the topic label's object name in the topic window
    const char* caption; // what the topic window shows
    int top;             // twips from the top of the topic window
    const char* title;
    const char* answer;
};

extern const std::array<HelpTopic, 6> HelpTopics;

} // namespace hm
