#pragma once
// The generated parts of the help file: the contents page, Qt's help
// project (table of contents, keywords with their topics, file list) and
// the topic list quillo-tool help --list prints.

#include <string>
#include <vector>

namespace quillo {

struct HelpGamePage {
    std::string Name;   // "Klondike"
    char Level = 'E';
    std::string Topic;  // "H_klondike"; the short rules are under "B_klondike"
};

struct HelpCommandPage {
    std::string Base;     // "customize": the page is customize.html
    std::string Title;    // its <title>
    std::string Context;  // "700", or empty
};

struct HelpProject {
    std::vector<HelpGamePage> Games;  // catalogue order, only games with both pages
    std::vector<HelpCommandPage> Commands;
    std::vector<std::string> ExtraFiles;  // help.css, images/H_klondike.png, ...
};

// The short-rules topic of a rules topic: its first letter becomes B.
std::string ShortTopic(const std::string& topic);
// The text of a page's <title>, or empty.
std::string PageTitle(const std::string& html);
// The numeric context a command page answers to, or empty.
std::string CommandContext(const std::string& base);

std::string ContentsPage(const HelpProject& p);
std::string QtHelpProject(const HelpProject& p);
std::string TopicList(const HelpProject& p);

}  // namespace quillo
