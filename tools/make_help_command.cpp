// Gathers the help sources into one folder for Qt's help generator: the
// written pages, the stylesheet, a picture of a real deal of every game, the
// contents page, the topic list and the help project naming them all.
// A game whose pages are not written yet is left out with a warning.

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <filesystem>
#include <iostream>

#include "args.h"
#include "commands.h"
#include "engine/catalogue.h"
#include "engine/game_table.h"
#include "gui_session.h"
#include "help_project.h"
#include "table_picture.h"

namespace quillo {

namespace {

// Pictures are shown about this wide in the pages.
constexpr int PictureWidth = 400;

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void Warn(const std::string& text)
{
    std::cerr << "quillo-tool make-help: warning: " << text << '\n';
}

// A deal's picture, in few colours: the pages stay small.
void WritePicture(int game, const std::string& cardSet, const QString& path)
{
    TablePictureRequest req;
    req.Game = game;
    req.Number = 1;
    req.CardSet = cardSet;
    req.ShownWidth = PictureWidth;
    std::string why;
    QImage image = DrawTablePicture(req, why);
    if (image.isNull()) throw std::runtime_error(Catalogue()[static_cast<size_t>(game)].Name.data() + (": " + why));
    image = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::PreferDither);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || !image.save(&f, "PNG") || !f.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace

int MakeHelpCommand(const Args& args)
{
    auto opts = ParseOptions(args, {"source", "out", "cardset"});
    if (!opts.count("source") || !opts.count("out") || !opts.count("cardset"))
        throw UsageError("make-help needs --source DIR --out DIR --cardset FILE");
    const QDir source(QString::fromStdString(opts["source"]));
    const QDir out(QString::fromStdString(opts["out"]));
    if (!QDir().mkpath(out.filePath("images"))) {
        std::cerr << "quillo-tool make-help: cannot make " << opts["out"] << '\n';
        return 1;
    }
    GuiSession gui;
    HelpProject project;
    try {
        const auto& cat = Catalogue();
        for (size_t i = 0; i < cat.size(); ++i) {
            HelpGamePage g{std::string(cat[i].Name), cat[i].Level, std::string(cat[i].HelpTopic)};
            const QString rules = QString::fromStdString("games/" + g.Topic + ".html");
            const QString brief = QString::fromStdString("games/" + ShortTopic(g.Topic) + ".html");
            if (!source.exists(rules) || !source.exists(brief)) {
                Warn("the pages of " + g.Name + " (" + g.Topic + ") are missing; it is left out");
                continue;
            }
            WriteAll(out.filePath(QFileInfo(rules).fileName()), ReadAll(source.filePath(rules)));
            WriteAll(out.filePath(QFileInfo(brief).fileName()), ReadAll(source.filePath(brief)));
            const std::string picture = "images/" + g.Topic + ".png";
            if (IsPlayable(static_cast<int>(i))) {
                WritePicture(static_cast<int>(i), opts["cardset"], out.filePath(QString::fromStdString(picture)));
                project.ExtraFiles.push_back(picture);
            }
            project.Games.push_back(g);
        }
        for (const QFileInfo& f : QDir(source.filePath("commands")).entryInfoList({"*.html"}, QDir::Files, QDir::Name)) {
            const QByteArray html = ReadAll(f.filePath());
            WriteAll(out.filePath(f.fileName()), html);
            const std::string base = f.completeBaseName().toStdString();
            std::string title = PageTitle(html.toStdString());
            project.Commands.push_back({base, title.empty() ? base : title, CommandContext(base)});
        }
        for (const char* context : {"10", "230", "700"}) {
            const bool found = std::any_of(project.Commands.begin(), project.Commands.end(),
                                           [&](const HelpCommandPage& c) { return c.Context == context; });
            if (!found) Warn(std::string("no page answers to context ") + context);
        }
        WriteAll(out.filePath("help.css"), ReadAll(source.filePath("help.css")));
        project.ExtraFiles.insert(project.ExtraFiles.begin(), "help.css");
        WriteAll(out.filePath("index.html"), QByteArray::fromStdString(ContentsPage(project)));
        WriteAll(out.filePath("topics.txt"), QByteArray::fromStdString(TopicList(project)));
        WriteAll(out.filePath("quillo.qhp"), QByteArray::fromStdString(QtHelpProject(project)));
    } catch (const std::runtime_error& e) {
        std::cerr << "quillo-tool make-help: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace quillo
