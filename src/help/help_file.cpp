#include "help/help_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QTextDocument>

namespace quillo {

QString HelpDamagedText()
{
    return QStringLiteral("The help file quillo.hlp is missing or damaged.");
}

QString HelpCollectionPath(const QString& helpFile, const QString& dir)
{
    const QByteArray path = QFileInfo(helpFile).absoluteFilePath().toUtf8();
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(12));
    return QDir(dir).filePath(QStringLiteral("help-%1.qhc").arg(hash));
}

bool OpenHelpFile(QHelpEngineCore& engine, const QString& helpFile)
{
    engine.setReadOnly(false);
    if (!engine.setupData()) return false;
    const QFileInfo info(helpFile);
    if (!info.isFile() || info.size() == 0) return false;
    const QString path = info.absoluteFilePath();
    // A file that is not a help database has no namespace.
    if (QHelpEngineCore::namespaceName(path) != QLatin1String(HelpNamespace)) return false;
    if (engine.registeredDocumentations().contains(QLatin1String(HelpNamespace))) {
        if (engine.documentationFileName(QLatin1String(HelpNamespace)) == path) return true;
        engine.unregisterDocumentation(QLatin1String(HelpNamespace));
    }
    return engine.registerDocumentation(path);
}

QUrl HelpPageUrl(const QString& page)
{
    return QUrl(QStringLiteral("qthelp://%1/%2/%3").arg(QLatin1String(HelpNamespace), QLatin1String(HelpFolder), page));
}

QUrl HelpContentsUrl()
{
    return HelpPageUrl(QStringLiteral("index.html"));
}

QUrl ResolveHelpTopic(const QHelpEngineCore& engine, const QString& topic)
{
    if (topic.isEmpty()) return {};
    const QList<QHelpLink> links = engine.documentsForIdentifier(topic);
    for (const QHelpLink& link : links)
        if (link.url.host() == QLatin1String(HelpNamespace)) return link.url;
    return {};
}

QStringList HelpTopics(const QHelpEngineCore& engine)
{
    QStringList topics;
    const QString text = QString::fromUtf8(engine.fileData(HelpPageUrl(QLatin1String(HelpTopicsFile))));
    for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) topics << line.section('\t', 0, 0);
    return topics;
}

QString HelpPlainText(const QHelpEngineCore& engine, const QUrl& page)
{
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(engine.fileData(page)));
    return doc.toPlainText();
}

}  // namespace quillo
