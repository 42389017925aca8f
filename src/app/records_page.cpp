#include "app/records_page.h"

#include "app/records_chart.h"
#include "state/records_summary.h"

#include <QChart>
#include <QGraphicsScene>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// The page is drawn in points of the printable area, scaled to the device.
constexpr double PageWidth = 510;
constexpr int TableRows = 15;

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
    return QStringLiteral("Sessions from %1 to %2")
        .arg(locale.toString(totals.first, QLocale::LongFormat),
             locale.toString(totals.last, QLocale::LongFormat));
}

QString totals_text(const RecordsTotals& totals, double goalSeconds)
{
    QString text = QStringLiteral("Totals: %1 sessions, %2 responses, %3 within the goal of %4 s")
                       .arg(totals.sessions)
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

QStringList table_row(const Session& s)
{
    return QStringList{s.start.toString(QStringLiteral("yyyy-MM-dd HH:mm"))} + session_figure_texts(s)
        + QStringList{prompt_level_text(s.promptLevel), s.note};
}

void draw_table(QPainter& painter, double top, const QList<Session>& sessions)
{
    const QStringList headers{QStringLiteral("Start"),        QStringLiteral("Resp."),
                              QStringLiteral("In goal"),      QStringLiteral("Median"),
                              QStringLiteral("Fastest"),      QStringLiteral("Slowest"),
                              QStringLiteral("Prompted"),     QStringLiteral("In clips"),
                              QStringLiteral("Prompt level"), QStringLiteral("Note")};
    const double widths[] = {78, 30, 36, 38, 38, 40, 48, 38, 60, 104};
    constexpr double RowHeight = 15;
    const auto drawRow = [&](const QStringList& cells, double y) {
        double x = 0;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const QRectF cell(x + 2, y, widths[c] - 4, RowHeight);
            painter.drawText(cell, Qt::AlignVCenter | Qt::AlignLeft,
                             painter.fontMetrics().elidedText(cells[c], Qt::ElideRight, int(cell.width())));
            x += widths[c];
        }
        painter.drawLine(QPointF(0, y + RowHeight), QPointF(PageWidth, y + RowHeight));
    };
    painter.setFont(font_of(8, true));
    drawRow(headers, top);
    painter.setFont(font_of(8));
    const qsizetype first = std::max<qsizetype>(0, sessions.size() - TableRows);
    double y = top + RowHeight;
    for (qsizetype i = sessions.size() - 1; i >= first; --i, y += RowHeight)
        drawRow(table_row(sessions[i]), y);
}

}  // namespace

void paint_records_page(QPagedPaintDevice& device, const QString& title, const QList<Session>& sessions,
                        double goalSeconds)
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
    draw_table(painter, 392, sessions);

    painter.setFont(font_of(9));
    painter.drawText(QRectF(0, 392 + 16 * 15 + 20, PageWidth, 60), Qt::AlignLeft | Qt::TextWordWrap,
                     totals_text(totals, goalSeconds));
}
