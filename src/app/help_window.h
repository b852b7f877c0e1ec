#pragma once
// The help viewer: one window with the contents tree, the keyword index,
// full-text search and the page, with back, forward and home.

#include <QTextBrowser>
#include <QWidget>

class QHelpEngineCore;
class QLabel;
class QTabWidget;

namespace quillo {

class HelpEngine;

// Reads pages, pictures and the stylesheet out of the help file.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(const QHelpEngineCore& engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    const QHelpEngineCore& Engine_;
};

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // The engine must be open.
    HelpWindow(HelpEngine& engine, QWidget* parent);

    // Shows a topic's or context's page; an unknown or empty one shows the
    // contents with a note.
    void ShowTopic(const QString& topic);
    void ShowContents();
    HelpBrowser* Browser() const { return Browser_; }
    QString Note() const;

private:
    void ShowPage(const QUrl& page);
    void StartSearch();
    void SyncContents(const QUrl& page);

    HelpEngine& Help_;
    HelpBrowser* Browser_ = nullptr;
    QTabWidget* Tabs_ = nullptr;
    QLabel* Note_ = nullptr;
    bool Indexed_ = false;
};

}  // namespace quillo
