#include "help_engine.h"

#include <QDir>
#include <QHelpEngine>
#include <QStandardPaths>

#include "help/help_file.h"

namespace quillo {

HelpEngine::HelpEngine(QString helpFile, QString collectionDir)
    : HelpFile_(std::move(helpFile)), CollectionDir_(std::move(collectionDir))
{
    if (CollectionDir_.isEmpty()) CollectionDir_ = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (CollectionDir_.isEmpty()) CollectionDir_ = QDir::tempPath();
}

HelpEngine::~HelpEngine() = default;

bool HelpEngine::Open()
{
    if (Engine_) return true;
    if (!QDir().mkpath(CollectionDir_)) return false;
    auto engine = std::make_unique<QHelpEngine>(HelpCollectionPath(HelpFile_, CollectionDir_));
    engine->setUsesFilterEngine(true);
    if (!OpenHelpFile(*engine, HelpFile_)) return false;
    Engine_ = std::move(engine);
    return true;
}

QUrl HelpEngine::Resolve(const QString& topic) const
{
    return Engine_ ? ResolveHelpTopic(*Engine_, topic) : QUrl();
}

}  // namespace quillo
