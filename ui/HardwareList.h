#pragma once

#include <QTableWidget>

#include <vector>

#include "commands/HardwareCommands.h"
#include "services/ResultCodes.h"

namespace trelink {

class HardwareImageList;

// The report list of configured hardware: "#", "Hardwarename" and "Status", one row per entry.
// It only displays; the main window fills it from the document.
class HardwareList : public QTableWidget {
    Q_OBJECT

public:
    // Each cell with a picture also keeps the picture's index under this role.
    static constexpr int kImageRole = Qt::UserRole + 1;
    static constexpr int kNoImage = -1;

    explicit HardwareList(QWidget* parent = nullptr);

    // Removes every column, sets the list's look, attaches the pictures (may be null) and
    // inserts the three columns with widths taken from the list's outer width.
    Result SetUpColumns(const HardwareImageList* images);

    // Replaces the rows by one per entry; with keepSelection the row selected before is
    // selected again by its index, whichever entry it now shows.
    void ShowRows(const std::vector<HardwareRow>& rows, bool keepSelection);

    // -1 when no row is selected.
    int SelectedRow() const;
    // Selects the row when it exists; nothing happens otherwise.
    void SelectRow(int row);

signals:
    // A row became selected or lost the selection; the row that lost it comes first.
    void RowChanged(int row);
    // A left click on the list: the row hit, or -1 for a click beside the rows.
    void RowClicked(int row);
    // A context menu was asked for over the list, at this screen position.
    void ContextMenuWanted(const QPoint& screenPosition);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    // Puts a cell with the picture into the row; gives the cell for its text.
    QTableWidgetItem* NewCell(int row, int column, int image);

    const HardwareImageList* m_images = nullptr;
};

}  // namespace trelink
