// quillo-tool help: a help page as plain text, or the list of topics.

#include <QHelpEngineCore>
#include <QTemporaryDir>
#include <filesystem>
#include <iostream>

#include "args.h"
#include "commands.h"
#include "gui_session.h"
#include "help/help_file.h"

namespace quillo {

int HelpCommand(const Args& args)
{
    std::string topic;
    bool list = false;
    Args rest;
    for (const std::string& a : args) {
        if (a == "--list")
            list = true;
        else if (topic.empty() && rest.empty() && !a.starts_with("--"))
            topic = a;
        else
            rest.push_back(a);
    }
    auto opts = ParseOptions(rest, {"file"});
    if (list == !topic.empty()) throw UsageError("help needs a TOPIC, a CONTEXT or --list");
    const std::string file = opts.count("file")
                                 ? opts["file"]
                                 : (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "quillo.hlp").string();

    GuiSession gui;
    // The collection is only needed while the command runs.
    QTemporaryDir dir;
    QHelpEngineCore engine(HelpCollectionPath(QString::fromStdString(file), dir.path()));
    if (!dir.isValid() || !OpenHelpFile(engine, QString::fromStdString(file))) {
        std::cerr << HelpDamagedText().toStdString() << '\n';
        return 1;
    }
    if (list) {
        for (const QString& t : HelpTopics(engine)) std::cout << t.toStdString() << '\n';
        return 0;
    }
    const QUrl page = ResolveHelpTopic(engine, QString::fromStdString(topic));
    if (page.isEmpty()) {
        std::cerr << "quillo-tool help: unknown topic '" << topic << "'\n";
        return 2;
    }
    QString text = HelpPlainText(engine, page);
    text.remove(QChar::ObjectReplacementCharacter);
    std::cout << text.trimmed().toStdString() << '\n';
    return 0;
}

}  // namespace quillo
