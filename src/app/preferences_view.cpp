#include "app/preferences_view.h"

#include "state/preferences_report.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(alignment);
    return item;
}

constexpr int ShareRole = Qt::UserRole;

// The share as a bar behind its figure, so the ranking reads at a glance.
class ShareBarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const double share = index.data(ShareRole).toDouble();
        const QRect area = option.rect.adjusted(3, 4, -3, -4);
        painter->fillRect(QRect(area.topLeft(), QSize(qRound(area.width() * share), area.height())),
                          QColor(150, 190, 235));
        QStyledItemDelegate::paint(painter, option, index);
    }
};

}  // namespace

PreferencesView::PreferencesView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PreferencesView"));
    from_ = new QDateEdit(this);
    to_ = new QDateEdit(this);
    for (QDateEdit* edit : {from_, to_}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("d MMM yyyy"));
    }
    auto* fromLabel = new QLabel(QStringLiteral("Fro&m"), this);
    fromLabel->setBuddy(from_);
    auto* toLabel = new QLabel(QStringLiteral("t&o"), this);
    toLabel->setBuddy(to_);
    auto* allDates = new QPushButton(QStringLiteral("&All dates"), this);
    summary_ = new QLabel(this);
    summary_->setWordWrap(true);
    ranking_ = new QTableWidget(0, 3, this);
    ranking_->setHorizontalHeaderLabels(
        {QStringLiteral("Clip"), QStringLiteral("Chosen / offered"), QStringLiteral("Share chosen")});
    ranking_->verticalHeader()->hide();
    ranking_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    ranking_->setItemDelegateForColumn(2, new ShareBarDelegate(ranking_));
    ranking_->setSelectionMode(QAbstractItemView::NoSelection);
    side_ = new QLabel(this);
    side_->setWordWrap(true);
    problems_ = new QLabel(this);
    problems_->setWordWrap(true);
    problems_->setStyleSheet(QStringLiteral("color: #a00000"));

    auto* layout = new QVBoxLayout(this);
    auto* dates = new QHBoxLayout;
    dates->addWidget(fromLabel);
    dates->addWidget(from_);
    dates->addWidget(toLabel);
    dates->addWidget(to_);
    dates->addWidget(allDates);
    dates->addStretch();
    layout->addLayout(dates);
    layout->addWidget(summary_);
    layout->addWidget(ranking_, 1);
    layout->addWidget(side_);
    layout->addWidget(problems_);
    layout->addStretch(0);  // keeps the sentences together when there is no ranking

    connect(from_, &QDateEdit::dateChanged, this, &PreferencesView::changed);
    connect(to_, &QDateEdit::dateChanged, this, &PreferencesView::changed);
    connect(allDates, &QPushButton::clicked, this, [this] { set_sessions(folder_, sessions_); });
}

void PreferencesView::set_sessions(const QString& folder, const QList<Session>& sessions)
{
    folder_ = folder;
    sessions_ = sessions;
    selected_.clear();
    read_.clear();
    const QDate today = QDate::currentDate();
    const QSignalBlocker blockFrom(from_);
    const QSignalBlocker blockTo(to_);
    from_->setDate(sessions.isEmpty() ? today : sessions.first().start.date());
    to_->setDate(sessions.isEmpty() ? today : sessions.last().start.date());
    changed();
}

void PreferencesView::set_selected(const QList<Session>& selected)
{
    selected_ = selected;
    changed();
}

const Preferences& PreferencesView::preferences()
{
    if (stale_)
        refresh();
    return preferences_;
}

const QString& PreferencesView::scope()
{
    if (stale_)
        refresh();
    return scope_;
}

void PreferencesView::showEvent(QShowEvent* event)
{
    if (stale_)
        refresh();
    QWidget::showEvent(event);
}

void PreferencesView::changed()
{
    stale_ = true;
    if (isVisible())
        refresh();
}

const ChoicesRead& PreferencesView::choices_of(const Session& session)
{
    const QString file = event_file_of(session);
    auto it = read_.find(file);
    if (it == read_.end())
        it = read_.insert(file, read_choices(folder_, {session}));
    return *it;
}

void PreferencesView::refresh()
{
    stale_ = false;
    QList<Session> shown =
        sessions_between(selected_.isEmpty() ? sessions_ : selected_, from_->date(), to_->date());
    QList<ChoiceMade> choices;
    QStringList problems;
    for (const Session& session : shown) {
        const ChoicesRead& read = choices_of(session);
        choices << read.choices;
        problems << read.problems;
    }
    preferences_ = ::preferences(choices);
    const bool any = preferences_.choices > 0;
    scope_ = any ? preferences_scope_text(preferences_, shown) : no_choices_text(shown);
    summary_->setText(scope_);

    ranking_->setRowCount(int(preferences_.ranking.size()));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < ranking_->rowCount(); ++row) {
        const ClipPreference& clip = preferences_.ranking[row];
        ranking_->setItem(row, 0, cell(clip.clip));
        ranking_->setItem(row, 1, cell(preference_counts_text(clip), right));
        ranking_->setItem(row, 2, cell(percent_text(clip.share()), right));
        ranking_->item(row, 2)->setData(ShareRole, clip.share());
    }
    ranking_->resizeColumnToContents(0);
    ranking_->resizeColumnToContents(1);
    ranking_->setColumnWidth(0, std::max(ranking_->columnWidth(0), 200));
    ranking_->setVisible(any);
    side_->setText(side_bias_text(preferences_));
    // The warning stands out, so the ranking is not read as preference.
    side_->setStyleSheet(preferences_.side_bias() ? QStringLiteral("color: #a00000; font-weight: bold")
                                                  : QString());
    side_->setVisible(any);
    problems_->setText(problems.join(u'\n'));
    problems_->setVisible(!problems.isEmpty());
}
