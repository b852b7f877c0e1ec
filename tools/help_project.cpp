#include "help_project.h"

#include <algorithm>
#include <regex>

#include "engine/catalogue.h"

namespace quillo {

namespace {

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::vector<HelpGamePage> ByName(std::vector<HelpGamePage> games)
{
    std::stable_sort(games.begin(), games.end(), [](const HelpGamePage& a, const HelpGamePage& b) { return a.Name < b.Name; });
    return games;
}

std::string GameLink(const HelpGamePage& g)
{
    return "<a href=\"" + g.Topic + ".html\">" + Escaped(g.Name) + "</a>";
}

}  // namespace

std::string ShortTopic(const std::string& topic)
{
    std::string s = topic;
    if (!s.empty()) s[0] = 'B';
    return s;
}

std::string PageTitle(const std::string& html)
{
    static const std::regex title("<title>([^<]*)</title>", std::regex::icase);
    std::smatch m;
    return std::regex_search(html, m, title) ? m[1].str() : std::string();
}

std::string CommandContext(const std::string& base)
{
    if (base == "about") return "10";
    if (base == "chooser") return "230";
    if (base == "customize") return "700";
    return {};
}

std::string ContentsPage(const HelpProject& p)
{
    std::string h = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Quillotaire Help</title>"
                    "<link rel=\"stylesheet\" href=\"help.css\"></head>\n<body>\n<h1>Quillotaire Help</h1>\n"
                    "<p>Every game has its rules and, for a quick reminder while playing, its short rules. "
                    "Press F1 during a game for its rules and Ctrl+F1 for its short rules.</p>\n";
    h += "<h2><a name=\"level\"></a>Games by level</h2>\n<table class=\"levels\">\n";
    for (int level = 1; level <= 5; ++level) {
        std::string names;
        for (const HelpGamePage& g : ByName(p.Games))
            if (LevelOf(g.Level) == level) names += (names.empty() ? "" : ", ") + GameLink(g);
        if (names.empty()) continue;
        h += "<tr><th>" + std::string(LevelName(level)) + "</th><td>" + names + "</td></tr>\n";
    }
    h += "</table>\n<h2><a name=\"name\"></a>Games by name</h2>\n<ul class=\"games\">\n";
    for (const HelpGamePage& g : ByName(p.Games))
        h += "<li>" + GameLink(g) + " <span class=\"level\">(" + std::string(LevelName(LevelOf(g.Level))) +
             ")</span> · <a href=\"" + ShortTopic(g.Topic) + ".html\">short rules</a></li>\n";
    h += "</ul>\n<h2><a name=\"program\"></a>Using the program</h2>\n<ul>\n";
    for (const HelpCommandPage& c : p.Commands)
        h += "<li><a href=\"" + c.Base + ".html\">" + Escaped(c.Title) + "</a></li>\n";
    h += "</ul>\n</body></html>\n";
    return h;
}

std::string QtHelpProject(const HelpProject& p)
{
    std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QtHelpProject version=\"1.0\">\n"
                    "<namespace>org.quillotaire.help</namespace>\n<virtualFolder>doc</virtualFolder>\n"
                    "<filterSection>\n<toc>\n<section title=\"Quillotaire Help\" ref=\"index.html\">\n";
    x += "<section title=\"Games\" ref=\"index.html#name\">\n";
    for (const HelpGamePage& g : ByName(p.Games)) {
        x += "<section title=\"" + Escaped(g.Name) + "\" ref=\"" + g.Topic + ".html\">";
        x += "<section title=\"Short rules\" ref=\"" + ShortTopic(g.Topic) + ".html\"/></section>\n";
    }
    x += "</section>\n<section title=\"Using the program\" ref=\"index.html#program\">\n";
    for (const HelpCommandPage& c : p.Commands)
        x += "<section title=\"" + Escaped(c.Title) + "\" ref=\"" + c.Base + ".html\"/>\n";
    x += "</section>\n</section>\n</toc>\n<keywords>\n";
    for (const HelpGamePage& g : p.Games) {
        x += "<keyword name=\"" + Escaped(g.Name) + "\" id=\"" + g.Topic + "\" ref=\"" + g.Topic + ".html\"/>\n";
        x += "<keyword name=\"" + Escaped(g.Name) + ": short rules\" id=\"" + ShortTopic(g.Topic) + "\" ref=\"" +
             ShortTopic(g.Topic) + ".html\"/>\n";
        x += "<keyword name=\"short rules\" ref=\"" + ShortTopic(g.Topic) + ".html\"/>\n";
    }
    for (const HelpCommandPage& c : p.Commands) {
        x += "<keyword name=\"" + Escaped(c.Title) + "\" id=\"" + c.Base + "\" ref=\"" + c.Base + ".html\"/>\n";
        // The dialogs ask for their page by number; under the same name the
        // index shows it once.
        if (!c.Context.empty())
            x += "<keyword name=\"" + Escaped(c.Title) + "\" id=\"" + c.Context + "\" ref=\"" + c.Base + ".html\"/>\n";
    }
    x += "<keyword name=\"Contents\" id=\"Contents\" ref=\"index.html\"/>\n";
    x += "</keywords>\n<files>\n<file>index.html</file>\n<file>topics.txt</file>\n";
    for (const HelpGamePage& g : p.Games)
        x += "<file>" + g.Topic + ".html</file>\n<file>" + ShortTopic(g.Topic) + ".html</file>\n";
    for (const HelpCommandPage& c : p.Commands) x += "<file>" + c.Base + ".html</file>\n";
    for (const std::string& f : p.ExtraFiles) x += "<file>" + f + "</file>\n";
    x += "</files>\n</filterSection>\n</QtHelpProject>\n";
    return x;
}

std::string TopicList(const HelpProject& p)
{
    std::string t = "Contents\tindex.html\n";
    for (const HelpGamePage& g : p.Games) {
        t += g.Topic + '\t' + g.Topic + ".html\n";
        t += ShortTopic(g.Topic) + '\t' + ShortTopic(g.Topic) + ".html\n";
    }
    for (const HelpCommandPage& c : p.Commands) {
        t += c.Base + '\t' + c.Base + ".html\n";
        if (!c.Context.empty()) t += c.Context + '\t' + c.Base + ".html\n";
    }
    return t;
}

}  // namespace quillo
