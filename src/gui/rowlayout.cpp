#include "rowlayout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QVBoxLayout>

#include <algorithm>
#include <ranges>

namespace korvalde::gui {

namespace {

using Row = std::vector<PlacedWidget>;
using Rows = std::vector<Row>;

// Height a frame's rows may take before they continue in a new column: what a 1366 x 768
// screen leaves below the title bar, the menu, the frame caption and the buttons.
constexpr int kFrameHeightBudget = 540;
constexpr int kRowSpacing = 4;

int rowHeight(const Row &row)
{
    int height = 0;
    for (const PlacedWidget &placed : row) {
        if (placed.control->isVisible())
            height = std::max(height, placed.widget->sizeHint().height());
    }
    return height == 0 ? 0 : height + kRowSpacing;
}

std::vector<Rows> splitIntoColumns(const Rows &rows)
{
    std::vector<Rows> columns(1);
    int used = 0;
    for (const Row &row : rows) {
        const int height = rowHeight(row);
        if (used + height > kFrameHeightBudget && !columns.back().empty()) {
            columns.emplace_back();
            used = 0;
        }
        columns.back().push_back(row);
        used += height;
    }
    return columns;
}

// Frames and text areas take the whole width; a row's last field reaches to the end of
// the widest row, so fields line up with it without stretching over the whole window.
bool fillsWidth(ControlKind kind)
{
    return kind == ControlKind::Frame || kind == ControlKind::TextArea;
}

QGridLayout *gridOf(const Rows &rows)
{
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(kRowSpacing);
    int widest = 0;
    for (const Row &row : rows)
        widest = std::max(widest, static_cast<int>(row.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const Row &row = rows[r];
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            int span = 1;
            if (c + 1 == static_cast<int>(row.size()))
                span = fillsWidth(row[c].control->kind()) ? -1 : widest - c;
            grid->addWidget(row[c].widget, r, c, 1, span);
        }
    }
    // An empty last column takes the spare width, so the controls keep to the left.
    grid->setColumnStretch(widest, 1);
    grid->setRowStretch(static_cast<int>(rows.size()), 1);
    return grid;
}

void layOutFrame(QGroupBox &frame, const Rows &rows)
{
    auto *columns = new QHBoxLayout(&frame);
    for (const Rows &column : splitIntoColumns(rows))
        columns->addLayout(gridOf(column));
}

void layOutWindow(QWidget &content, const Rows &rows)
{
    auto *layout = new QVBoxLayout(&content);
    for (const Row &row : rows) {
        auto *line = new QHBoxLayout;
        for (const PlacedWidget &placed : row) {
            // Frames and pictures hang from the row's top; fields sit level with their labels.
            const ControlKind kind = placed.control->kind();
            const bool tall = kind == ControlKind::Frame || kind == ControlKind::Picture;
            line->addWidget(placed.widget, 0, tall ? Qt::AlignTop : Qt::Alignment());
        }
        line->addStretch(1);
        layout->addLayout(line);
    }
    layout->addStretch(1);
}

} // namespace

void layOutRows(QWidget &content, const std::vector<PlacedWidget> &widgets)
{
    QHash<QString, QGroupBox *> frames;
    for (const PlacedWidget &placed : widgets) {
        if (placed.control->kind() == ControlKind::Frame)
            frames.insert(placed.control->name(), qobject_cast<QGroupBox *>(placed.widget));
    }
    QHash<QString, Rows> rowsByParent;
    for (const PlacedWidget &placed : widgets) {
        const Placement &placement = placed.control->placement();
        const QString parent = frames.contains(placement.parent) ? placement.parent : QString();
        Rows &rows = rowsByParent[parent];
        if (!placement.sameRow || rows.empty())
            rows.emplace_back();
        rows.back().push_back(placed);
    }
    // Inner frames first: an outer frame measures its rows by the inner ones' size.
    for (const PlacedWidget &placed : widgets | std::views::reverse) {
        if (QGroupBox *frame = frames.value(placed.control->name()))
            layOutFrame(*frame, rowsByParent.value(placed.control->name()));
    }
    layOutWindow(content, rowsByParent.value(QString()));
}

} // namespace korvalde::gui
