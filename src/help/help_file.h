#pragma once
// The compressed help file: Qt's help engine reads it through a collection
// the program keeps in a cache folder, so the shipped data is the help file
// alone. Topics are the catalogue's (H_klondike, B_klondike) and the dialogs'
// numeric contexts ("10", "230", "700"); each is an identifier of one page.

#include <QString>
#include <QStringList>
#include <QUrl>

class QHelpEngineCore;

namespace quillo {

inline constexpr char HelpNamespace[] = "org.quillotaire.help";
inline constexpr char HelpFolder[] = "doc";
// Generated beside the pages: one "topic<TAB>page" line per identifier.
inline constexpr char HelpTopicsFile[] = "topics.txt";

QString HelpDamagedText();  // "The help file quillo.hlp is missing or damaged."

// The collection file for one help file, inside dir: the name carries a hash
// of the help file's path, so two builds never share a collection.
QString HelpCollectionPath(const QString& helpFile, const QString& dir);

// Sets the engine's collection up (made when new) and registers the help
// file in it, replacing a registration of another file under our namespace.
// False for a missing, empty or damaged file, or a collection that cannot be
// written.
bool OpenHelpFile(QHelpEngineCore& engine, const QString& helpFile);

QUrl HelpPageUrl(const QString& page);  // "index.html" -> qthelp://.../doc/index.html
QUrl HelpContentsUrl();

// The page of a topic or context, or an empty URL for an unknown one.
QUrl ResolveHelpTopic(const QHelpEngineCore& engine, const QString& topic);
// Every topic the file lists, in its order.
QStringList HelpTopics(const QHelpEngineCore& engine);
// A page as plain text (headings, paragraphs, table cells).
QString HelpPlainText(const QHelpEngineCore& engine, const QUrl& page);

}  // namespace quillo
