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
        if (placed.shownByDesign)
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

bool holdsFrame(const Row &row)
{
    return std::any_of(row.begin(), row.end(),
                       [](const PlacedWidget &placed) { return placed.control->kind() == ControlKind::Frame; });
}

QGridLayout *gridOf(const Rows &rows)
{
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(kRowSpacing);
    int widest = 0;
    bool framesInside = false;
    for (const Row &row : rows) {
        widest = std::max(widest, static_cast<int>(row.size()));
        framesInside = framesInside || holdsFrame(row);
    }
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const Row &row = rows[r];
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            int span = 1;
            if (c + 1 == static_cast<int>(row.size()))
                span = fillsWidth(row[c].control->kind()) ? -1 : widest - c;
            grid->addWidget(row[c].widget, r, c, 1, span);
        }
        if (holdsFrame(row))
            grid->setRowStretch(r, 1);
    }
    if (framesInside) {
        // Inner frames share what the outer one gains.
        for (int c = 0; c < widest; ++c)
            grid->setColumnStretch(c, 1);
        return grid;
    }
    // An empty last column and row take the spare room, so the controls keep to the top left.
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

QHBoxLayout *buttonLine(const std::vector<QWidget *> &buttons, bool emptyBackSlot)
{
    auto *line = new QHBoxLayout;
    int slot = 0;
    for (QWidget *button : buttons)
        slot = std::max(slot, button->sizeHint().width());
    if (emptyBackSlot && !buttons.empty()) {
        auto *backSlot = new QWidget;
        backSlot->setFixedSize(slot, 1);
        line->addWidget(backSlot);
    }
    for (QWidget *button : buttons) {
        button->setMinimumWidth(slot);
        line->addWidget(button);
    }
    line->addStretch(1);
    return line;
}

void layOutWindow(QWidget &content, const Rows &rows, const std::vector<QWidget *> &buttons, bool emptyBackSlot)
{
    auto *layout = new QVBoxLayout(&content);
    bool framesTakeHeight = false;
    for (const Row &row : rows) {
        auto *line = new QHBoxLayout;
        const bool frames = holdsFrame(row);
        for (const PlacedWidget &placed : row) {
            // Frames fill their row; pictures hang from its top; fields sit level with their labels.
            const ControlKind kind = placed.control->kind();
            if (kind == ControlKind::Frame)
                line->addWidget(placed.widget, 1);
            else
                line->addWidget(placed.widget, 0, kind == ControlKind::Picture ? Qt::AlignTop : Qt::Alignment());
        }
        if (!frames)
            line->addStretch(1);
        layout->addLayout(line, frames ? 1 : 0);
        framesTakeHeight = framesTakeHeight || frames;
    }
    if (!framesTakeHeight)
        layout->addStretch(1);
    if (!buttons.empty())
        layout->addLayout(buttonLine(buttons, emptyBackSlot));
}

} // namespace

void layOutRows(QWidget &content, const std::vector<PlacedWidget> &widgets, ButtonRow buttonRow)
{
    QHash<QString, QGroupBox *> frames;
    for (const PlacedWidget &placed : widgets) {
        if (placed.control->kind() == ControlKind::Frame)
            frames.insert(placed.control->name(), qobject_cast<QGroupBox *>(placed.widget));
    }
    QHash<QString, Rows> rowsByParent;
    std::vector<QWidget *> buttons;
    for (const PlacedWidget &placed : widgets) {
        const Placement &placement = placed.control->placement();
        const QString parent = frames.contains(placement.parent) ? placement.parent : QString();
        if (buttonRow.atBottom && parent.isEmpty() && placed.control->kind() == ControlKind::Button) {
            buttons.push_back(placed.widget);
            continue;
        }
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
    layOutWindow(content, rowsByParent.value(QString()), buttons, buttonRow.emptyBackSlot);
}

} // namespace korvalde::gui
