#include "app/hiscores/ListHighlight.h"

#include "app/Form1Controls.h"
#include "app/Game.h"
#include "app/Screen.h"
#include "storage/HiScoreQuery.h"
#include "storage/Recordings.h"

int ListHighlight::rows() const { return int(ui_.Label32.caption().count(QChar(10))); }

void ListHighlight::viewChanged()
{
    const bool inView = screen(ui_) == Screen::HiScores;
    if (inView && !inView_) {
        drawn_ = false;
        row_ = 0;
        for (int row = 0; game_.savedRow && row < rows(); ++row) {
            const recordings::RowValues shown{game_.rs.value(0, row), game_.rs.value(1, row), game_.rs.value(2, row)};
            if (shown == *game_.savedRow) {
                row_ = row;
                break;
            }
        }
    }
    inView_ = inView;
}

bool ListHighlight::keyPressed(Qt::Key key)
{
    if (!inView_ || rows() == 0) {
        return false;
    }
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        // The first key only shows where the highlight stands.
        if (drawn_) {
            row_ = (row_ + (key == Qt::Key_Down ? 1 : rows() - 1)) % rows();
        }
        drawn_ = true;
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose(row_);
        return true;
    default:
        return false;
    }
}

std::optional<int> ListHighlight::highlighted() const
{
    return inView_ && drawn_ && row_ < rows() ? std::optional(row_) : std::nullopt;
}

void ListHighlight::choose(int row)
{
    if (inView_ && row >= 0 && row < rows() && onChosen) {
        row_ = row;
        onChosen(row);
    }
}
