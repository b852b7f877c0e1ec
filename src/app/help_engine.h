#pragma once
// The program's help file, opened on first use through a collection in the
// cache folder, and the topics resolved to its pages.

#include <QString>
#include <QUrl>
#include <memory>

class QHelpEngine;

namespace quillo {

class HelpEngine {
public:
    // helpFile: the path record's HelpFile; collectionDir: where the engine's
    // collection and search index are kept (the cache folder when empty).
    explicit HelpEngine(QString helpFile, QString collectionDir = {});
    ~HelpEngine();

    // Opens the file the first time; false while it is missing or damaged
    // (asked again on the next call, so a file put back is found).
    bool Open();
    QHelpEngine* Engine() const { return Engine_.get(); }

    // A topic's or a numbered context's page; empty for an unknown one.
    QUrl Resolve(const QString& topic) const;

private:
    QString HelpFile_;
    QString CollectionDir_;
    std::unique_ptr<QHelpEngine> Engine_;
};

}  // namespace quillo
