#include "help_window.h"

#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "help/help_file.h"
#include "help_engine.h"

namespace quillo {

HelpBrowser::HelpBrowser(const QHelpEngineCore& engine, QWidget* parent) : QTextBrowser(parent), Engine_(engine)
{
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == QLatin1String("qthelp")) {
        const QByteArray data = Engine_.fileData(name);
        if (type == QTextDocument::ImageResource) {
            QImage image;
            image.loadFromData(data);
            return image;
        }
        return type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource
                   ? QVariant(QString::fromUtf8(data))
                   : QVariant(data);
    }
    // Nothing outside the help file is read.
    return {};
}

HelpWindow::HelpWindow(HelpEngine& engine, QWidget* parent) : QWidget(parent, Qt::Window), Help_(engine)
{
    setWindowTitle("Quillotaire Help");
    resize(860, 620);
    QHelpEngine& e = *Help_.Engine();

    auto* bar = new QToolBar(this);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "Back");
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), "Forward");
    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), "Contents");
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);

    Tabs_ = new QTabWidget(this);
    QHelpContentWidget* contents = e.contentWidget();
    Tabs_->addTab(contents, "Contents");

    auto* indexPage = new QWidget;
    auto* filter = new QLineEdit(indexPage);
    filter->setPlaceholderText("Type a keyword");
    filter->setClearButtonEnabled(true);
    QHelpIndexWidget* index = e.indexWidget();
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(2, 2, 2, 2);
    indexLayout->addWidget(filter);
    indexLayout->addWidget(index);
    Tabs_->addTab(indexPage, "Index");

    auto* searchPage = new QWidget;
    QHelpSearchEngine* search = e.searchEngine();
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(2, 2, 2, 2);
    searchLayout->addWidget(search->queryWidget());
    searchLayout->addWidget(search->resultWidget(), 1);
    Tabs_->addTab(searchPage, "Search");

    Browser_ = new HelpBrowser(e, this);
    Note_ = new QLabel(this);
    Note_->setWordWrap(true);
    Note_->setStyleSheet("QLabel { background: #fff6d0; padding: 4px; }");
    Note_->hide();
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(Note_);
    rightLayout->addWidget(Browser_, 1);

    auto* split = new QSplitter(this);
    split->addWidget(Tabs_);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({240, 620});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(split, 1);

    connect(back, &QAction::triggered, Browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, Browser_, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, &HelpWindow::ShowContents);
    connect(Browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(Browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(Browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SyncContents);

    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowPage);
    // One click on a title shows its page, as in most help viewers.
    connect(contents, &QTreeView::clicked, this, [this, contents](const QModelIndex& at) {
        if (QHelpContentItem* item = Help_.Engine()->contentModel()->contentItemAt(at)) ShowPage(item->url());
        (void)contents;
    });
    connect(e.contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandToDepth(0);
        SyncContents(Browser_->source());
    });
    connect(filter, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
    connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { ShowPage(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty()) ShowPage(links.first().url);
            });

    // The search index is built the first time the search page is shown,
    // in the cache folder beside the collection.
    connect(Tabs_, &QTabWidget::currentChanged, this, [this, searchPage](int) {
        if (Tabs_->currentWidget() == searchPage) StartSearch();
    });
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, this,
            [search] { search->search(search->queryWidget()->searchInput()); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::ShowPage);
    connect(search, &QHelpSearchEngine::indexingStarted, this, [search] { search->queryWidget()->setEnabled(false); });
    connect(search, &QHelpSearchEngine::indexingFinished, this, [search] { search->queryWidget()->setEnabled(true); });
}

void HelpWindow::StartSearch()
{
    if (Indexed_) return;
    Indexed_ = true;
    Help_.Engine()->searchEngine()->scheduleIndexDocumentation();
}

void HelpWindow::ShowPage(const QUrl& page)
{
    Note_->hide();
    Browser_->setSource(page);
}

void HelpWindow::ShowContents()
{
    ShowPage(HelpContentsUrl());
}

void HelpWindow::ShowTopic(const QString& topic)
{
    const QUrl page = Help_.Resolve(topic);
    if (!page.isEmpty()) {
        ShowPage(page);
        return;
    }
    ShowContents();
    Note_->setText(QString("There is no help page for \"%1\"; here are the contents.").arg(topic));
    Note_->show();
}

QString HelpWindow::Note() const
{
    return Note_->isHidden() ? QString() : Note_->text();
}

void HelpWindow::SyncContents(const QUrl& page)
{
    QHelpContentWidget* contents = Help_.Engine()->contentWidget();
    const QModelIndex at = contents->indexOf(page);
    if (at.isValid()) contents->setCurrentIndex(at);
}

}  // namespace quillo
