#include "shell/UserGuideWindow.h"

#include "platform/Translations.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

// The guide's resources live in this static library: nothing refers to them by name, so the
// linker keeps them only when asked.
static void loadGuideResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(guide);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace {
const QString kEnglish = QStringLiteral("en");
const QString kIndexPage = QStringLiteral("index.html");

QString readResource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QToolButton *arrowButton(Qt::ArrowType arrow, const QString &text, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setText(text);
    button->setToolTip(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setEnabled(false);
    return button;
}
} // namespace

QStringList UserGuideWindow::languages()
{
    loadGuideResources();
    QStringList found;
    for (const QString &name : QDir(QStringLiteral(":/guide")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (QFile::exists(folder(name) + u'/' + kIndexPage))
            found << name;
    return found;
}

QString UserGuideWindow::languageFor(const QLocale &locale, const QStringList &available)
{
    const QString language = Translations::languageFor(locale);
    return !language.isEmpty() && available.contains(language) ? language : kEnglish;
}

QString UserGuideWindow::folder(const QString &language) { return QStringLiteral(":/guide/") + language; }

QList<std::pair<QString, QString>> UserGuideWindow::topics(const QString &indexHtml)
{
    // The index page lists its topics as <li><a href="page.html">Title</a></li>.
    static const QRegularExpression link(QStringLiteral(R"re(<li>\s*<a href="([^"#]+)">([^<]+)</a>)re"));
    QList<std::pair<QString, QString>> found;
    for (auto match = link.globalMatch(indexHtml); match.hasNext();) {
        const QRegularExpressionMatch one = match.next();
        found.append({one.captured(1), one.captured(2).simplified()});
    }
    return found;
}

UserGuideWindow::UserGuideWindow(const QLocale &locale, QWidget *parent) : QWidget(parent, Qt::Window)
{
    loadGuideResources();
    m_folder = folder(languageFor(locale, languages()));
    setWindowTitle(tr("DOTLARK User Guide"));
    setObjectName(QStringLiteral("frmGuide"));

    m_back = arrowButton(Qt::LeftArrow, tr("Back"), this);
    m_forward = arrowButton(Qt::RightArrow, tr("Forward"), this);
    m_index = new QListWidget(this);
    m_index->setObjectName(QStringLiteral("lstTopics"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtGuide"));
    m_browser->setOpenExternalLinks(true);

    for (const auto &[page, title] : topics(readResource(m_folder + u'/' + kIndexPage))) {
        auto *row = new QListWidgetItem(title, m_index);
        row->setData(Qt::UserRole, page);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch();
    auto *split = new QSplitter(this);
    split->addWidget(m_index);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({200, 640});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(split);
    resize(860, 600);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &UserGuideWindow::showIndexRow);
    connect(m_index, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *row) { showTopic(row->data(Qt::UserRole).toString()); });
    showTopic(kIndexPage);
    m_browser->setFocus(); // the keys scroll the page; the index would take its first topic with the focus
}

QUrl UserGuideWindow::source() const { return m_browser->source(); }

void UserGuideWindow::showTopic(const QString &page)
{
    m_browser->setSource(QUrl(QStringLiteral("qrc") + m_folder + u'/' + page));
}

// The index follows the browser: the topic shown is the row selected, links included.
void UserGuideWindow::showIndexRow(const QUrl &source)
{
    const QString page = source.fileName();
    for (int i = 0; i < m_index->count(); ++i)
        if (m_index->item(i)->data(Qt::UserRole).toString() == page) {
            m_index->setCurrentRow(i);
            return;
        }
    m_index->setCurrentRow(-1);
}
