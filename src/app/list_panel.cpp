#include "app/list_panel.h"

#include <QListWidget>
#include <cmath>

void style_list_panel(QListWidget& list)
{
    list.setObjectName(QStringLiteral("List1"));
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::TypeWriter);
    list.setFont(font);
    QPalette palette = list.palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, QColor(128, 255, 255));
    list.setPalette(palette);
    list.setSortingEnabled(false);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    // Lines wider than the box are cut at its edge: a scrollbar under the
    // narrow clip listing would only hide its last line.
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setTextElideMode(Qt::ElideNone);
}

QRect list_panel_geometry(int width, QSize screen)
{
    constexpr int Height = 300;
    // Single precision, as the layout has always been computed.
    const float left = float(screen.width() - width) / 2.0f;
    const float top = float(screen.height() - Height) / 6.0f;
    return QRect(int(std::lround(left)), int(std::lround(top)), width, Height);
}

void fill_list_panel(QListWidget& list, int width, QSize screen, const QStringList& lines)
{
    list.setGeometry(list_panel_geometry(width, screen));
    list.clear();
    list.addItems(lines);
}
