#include "app/records_page.h"

#include "app/records_chart.h"
#include "state/preferences_report.h"
#include "state/records_summary.h"

#include <QChart>
#include <QGraphicsScene>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <iterator>

namespace {

// The page is drawn in points of the printable area, scaled to the device.
constexpr double PageWidth = 510;
constexpr int TableRows = 15;
constexpr double TotalsHeight = 40;
constexpr int PreferenceRows = 5;

QFont font_of(double pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(pixels));
    font.setBold(bold);
    return font;
}

QString period_text(const RecordsTotals& totals)
{
    const QLocale locale;
    if (!totals.first.isValid())
        return QStringLiteral("No sessions recorded");
    if (totals.first == totals.last)
        return QStringLiteral("Sessions on %1").arg(locale.toString(totals.first, QLocale::LongFormat));
    return QStringLiteral("Sessions from %1 to %2")
        .arg(locale.toString(totals.first, QLocale::LongFormat),
             locale.toString(totals.last, QLocale::LongFormat));
}

QString totals_text(const RecordsTotals& totals, double goalSeconds)
{
    QString text = QStringLiteral("Totals: %1 %2, %3 responses, %4 within the goal of %5 s")
                       .arg(totals.sessions)
                       .arg(totals.sessions == 1 ? QStringLiteral("session") : QStringLiteral("sessions"))
                       .arg(totals.responses)
                       .arg(totals.withinGoal)
                       .arg(goalSeconds);
    if (totals.responses > 0)
        text += QStringLiteral(" (%1 %)").arg(qRound(100.0 * totals.withinGoal / totals.responses));
    text += QStringLiteral(", %1 after a prompt").arg(totals.afterPrompt);
    if (totals.medianMs)
        text +=
            QStringLiteral("; median of the sessions' medians %1").arg(seconds_for_adult(*totals.medianMs));
    return text + u'.';
}

// Short headers, each said in full in the legend under the table.
struct TableColumn {
    const char* header;
    const char* meaning;
};
constexpr TableColumn Columns[] = {
    {"Start", nullptr},
    {"Mode", "play mode"},
    {"Resp.", "responses"},
    {"Goal", "share of responses within the goal"},
    {"Median", nullptr},
    {"Fast", nullptr},
    {"Slow", nullptr},
    {"Prm.", "responses after a spoken prompt"},
    {"Clip", "presses during clips and spoken names"},
    {"Level", "prompt level"},
    {"Note", nullptr},
};
constexpr qsizetype NoteColumn = std::size(Columns) - 1;
constexpr double CellPadding = 2;
constexpr double LineHeight = 15;
constexpr double LeastNoteWidth = 100;

QStringList table_row(const Session& s)
{
    return QStringList{s.start.toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                           + (s.endedUnexpectedly ? QStringLiteral(" *") : QString()),
                       session_mode_short(s.options)}
    + session_figure_texts(s) + QStringList{prompt_level_text(s.promptLevel), s.note};
}

QString legend_text()
{
    QStringList parts;
    for (const TableColumn& column : Columns)
        if (column.meaning)
            parts << QStringLiteral("%1: %2").arg(QLatin1String(column.header),
                                                  QLatin1String(column.meaning));
    return parts.join(QStringLiteral("; "))
        + QStringLiteral("; Median, Fast, Slow: times from the cue; * the program was stopped during the "
                         "session, its figures were made from its events.");
}

// Draws the newest sessions that fit above `bottom`; returns where the table ends.
double draw_table(QPainter& painter, double top, double bottom, const QList<Session>& sessions)
{
    const qsizetype first = std::max<qsizetype>(0, sessions.size() - TableRows);
    QList<QStringList> rows;
    for (qsizetype i = sessions.size() - 1; i >= first; --i)
        rows << table_row(sessions[i]);
    // Every column as wide as its widest text, bold header included; the
    // note has the rest and wraps.
    QList<double> widths;
    painter.setFont(font_of(8, true));
    for (const TableColumn& column : Columns)
        widths << painter.fontMetrics().horizontalAdvance(QLatin1String(column.header)) + 2 * CellPadding + 1;
    painter.setFont(font_of(8));
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < NoteColumn; ++c)
            widths[c] =
                std::max(widths[c], painter.fontMetrics().horizontalAdvance(row[c]) + 2 * CellPadding + 1);
    double used = 0;
    for (qsizetype c = 0; c < NoteColumn; ++c)
        used += widths[c];
    widths[NoteColumn] = std::max(LeastNoteWidth, PageWidth - used);

    // Room kept below the rows for the legend and the line on sessions left out.
    painter.setFont(font_of(7));
    const double legendHeight =
        painter.boundingRect(QRectF(0, 0, PageWidth, 200), Qt::AlignLeft | Qt::TextWordWrap, legend_text())
            .height();
    const double rowsBottom = bottom - legendHeight - LineHeight - 8;
    const auto drawRow = [&](const QStringList& cells, double y) {
        double x = 0;
        double height = LineHeight;
        const QRectF note(PageWidth - widths[NoteColumn] + CellPadding, y + 1,
                          widths[NoteColumn] - 2 * CellPadding, 1000);
        height = std::max(height, painter.boundingRect(note, Qt::TextWordWrap, cells.last()).height() + 3);
        if (y + height > rowsBottom)
            return -1.0;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const QRectF cell(x + CellPadding, y, widths[c] - 2 * CellPadding, height);
            if (c == NoteColumn)
                painter.drawText(cell.adjusted(0, 1, 0, 0), Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap,
                                 cells[c]);
            else
                painter.drawText(cell.adjusted(0, 0, 0, -(height - LineHeight)),
                                 Qt::AlignVCenter | Qt::AlignLeft, cells[c]);
            x += widths[c];
        }
        painter.drawLine(QPointF(0, y + height), QPointF(PageWidth, y + height));
        return y + height;
    };
    QStringList headers;
    for (const TableColumn& column : Columns)
        headers << QLatin1String(column.header);
    painter.setFont(font_of(8, true));
    double y = drawRow(headers, top);
    painter.setFont(font_of(8));
    qsizetype shown = 0;
    for (const QStringList& row : rows) {
        const double next = drawRow(row, y);
        if (next < 0)
            break;
        y = next;
        ++shown;
    }
    if (shown < sessions.size()) {
        const qsizetype left = sessions.size() - shown;
        painter.drawText(QRectF(0, y + 2, PageWidth, LineHeight), Qt::AlignLeft,
                         (left == 1 ? QStringLiteral("The earlier session is")
                                    : QStringLiteral("The %1 earlier sessions are").arg(left))
                             + QStringLiteral(" in the records window and in sessions.csv."));
        y += LineHeight + 2;
    }
    painter.setFont(font_of(7));
    painter.drawText(QRectF(0, y + 4, PageWidth, legendHeight), Qt::AlignLeft | Qt::TextWordWrap,
                     legend_text());
    return y + 4 + legendHeight;
}

// A block of wrapped text; returns its height.
double draw_wrapped(QPainter& painter, double top, const QString& text, bool draw = true)
{
    const QRectF area(0, top, PageWidth, 200);
    const double height = painter.boundingRect(area, Qt::AlignLeft | Qt::TextWordWrap, text).height();
    if (draw)
        painter.drawText(area, Qt::AlignLeft | Qt::TextWordWrap, text);
    return height;
}

// The most chosen clips and the side taken; returns the height, drawing only
// when `draw`, so the page can keep room for it before the sessions' table.
double draw_preferences(QPainter& painter, double top, const PagePreferences& page, bool draw)
{
    const Preferences& made = page.preferences;
    double y = top;
    painter.setFont(font_of(11, true));
    if (draw)
        painter.drawText(QRectF(0, y, PageWidth, 16), Qt::AlignLeft, QStringLiteral("Preferences"));
    y += 18;
    painter.setFont(font_of(8));
    y += draw_wrapped(painter, y, page.scope, draw) + 2;
    const qsizetype shown = std::min<qsizetype>(PreferenceRows, made.ranking.size());
    const double countsX = PageWidth - 150;
    const double shareX = PageWidth - 60;
    for (qsizetype row = -1; row < shown; ++row) {
        painter.setFont(font_of(8, row < 0));
        const QStringList cells = row < 0
            ? QStringList{QStringLiteral("Most chosen clips"), QStringLiteral("Chosen / offered"),
                          QStringLiteral("Share")}
            : QStringList{QStringLiteral("%1. %2").arg(row + 1).arg(made.ranking[row].clip),
                          preference_counts_text(made.ranking[row]), percent_text(made.ranking[row].share())};
        if (draw) {
            painter.drawText(QRectF(CellPadding, y, countsX - 2 * CellPadding, LineHeight),
                             Qt::AlignVCenter | Qt::AlignLeft,
                             painter.fontMetrics().elidedText(cells[0], Qt::ElideRight, int(countsX - 10)));
            painter.drawText(QRectF(countsX, y, shareX - countsX - 10, LineHeight),
                             Qt::AlignVCenter | Qt::AlignRight, cells[1]);
            painter.drawText(QRectF(shareX, y, PageWidth - shareX - CellPadding, LineHeight),
                             Qt::AlignVCenter | Qt::AlignRight, cells[2]);
            painter.drawLine(QPointF(0, y + LineHeight), QPointF(PageWidth, y + LineHeight));
        }
        y += LineHeight;
    }
    painter.setFont(font_of(8));
    if (made.ranking.size() > shown) {
        const qsizetype more = made.ranking.size() - shown;
        const QString text =
            (more == 1 ? QStringLiteral("1 more clip is") : QStringLiteral("%1 more clips are").arg(more))
            + QStringLiteral(" in the records window.");
        if (draw)
            painter.drawText(QRectF(0, y + 2, PageWidth, LineHeight), Qt::AlignLeft, text);
        y += LineHeight + 2;
    }
    painter.setFont(font_of(9, made.side_bias()));
    y += 4 + draw_wrapped(painter, y + 4, side_bias_text(made), draw);
    return y - top;
}

}  // namespace

void paint_records_page(QPagedPaintDevice& device, const QString& title, const QList<Session>& sessions,
                        double goalSeconds, const std::optional<PagePreferences>& preferences)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QPainter painter(&device);
    const double scale = painter.viewport().width() / PageWidth;
    painter.scale(scale, scale);
    const RecordsTotals totals = records_totals(sessions);

    painter.setFont(font_of(16, true));
    painter.drawText(QRectF(0, 0, PageWidth, 22), Qt::AlignLeft, title);
    painter.setFont(font_of(10));
    painter.drawText(QRectF(0, 24, PageWidth, 16), Qt::AlignLeft, period_text(totals));
    painter.drawText(QRectF(0, 40, PageWidth, 16), Qt::AlignLeft,
                     QStringLiteral("Goal: a response within %1 s of the cue").arg(goalSeconds));

    QGraphicsScene scene;
    QChart* chart = records_chart(sessions, goalSeconds);
    scene.addItem(chart);  // the scene owns it
    const QRectF chartArea(0, 62, PageWidth, 300);
    chart->resize(chartArea.size());
    scene.render(&painter, chartArea, QRectF(QPointF(0, 0), chartArea.size()));

    painter.setFont(font_of(11, true));
    painter.drawText(QRectF(0, 372, PageWidth, 16), Qt::AlignLeft,
                     QStringLiteral("Last sessions (newest first)"));
    // The totals keep their place at the foot of the page, under the table.
    const double pageHeight = painter.viewport().height() / scale;
    const double totalsTop = pageHeight - TotalsHeight;
    double tableBottom = totalsTop - 6;
    if (preferences) {
        const double height = draw_preferences(painter, 0, *preferences, false);
        tableBottom -= height + 10;
        draw_preferences(painter, tableBottom + 10, *preferences, true);
    }
    draw_table(painter, 392, tableBottom, sessions);

    painter.setFont(font_of(9));
    painter.drawText(QRectF(0, totalsTop, PageWidth, TotalsHeight), Qt::AlignLeft | Qt::TextWordWrap,
                     totals_text(totals, goalSeconds));
}
