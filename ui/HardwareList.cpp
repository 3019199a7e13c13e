#include "ui/HardwareList.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "store/MessageIds.h"
#include "ui/HardwareImageList.h"
#include "ui/StringTable.h"

namespace trelink {
namespace {

enum Column { kNumberColumn = 0, kNameColumn = 1, kStatusColumn = 2, kColumnCount = 3 };

struct ColumnSpec {
    int textId;
    double widthShare;
    Qt::Alignment alignment;
};

constexpr ColumnSpec kColumns[kColumnCount] = {
    {Msg::kColumnNumber, 0.12, Qt::AlignCenter},
    {Msg::kColumnHardwareName, 0.67, Qt::AlignLeft | Qt::AlignVCenter},
    {Msg::kColumnStatus, 0.2, Qt::AlignLeft | Qt::AlignVCenter},
};

constexpr int kRowPadding = 4;

}  // namespace

HardwareList::HardwareList(QWidget* parent) : QTableWidget(parent) {
    // Tab leaves the list for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                for (const QItemSelection* change : {&deselected, &selected}) {
                    for (const QItemSelectionRange& range : *change) {
                        if (!range.isValid()) continue;
                        for (int row = range.top(); row <= range.bottom(); ++row) {
                            emit RowChanged(row);
                        }
                    }
                }
            });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        emit ContextMenuWanted(viewport()->mapToGlobal(position));
    });
}

Result HardwareList::SetUpColumns(const HardwareImageList* images) {
    setColumnCount(0);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    m_images = images && images->IsCreated() ? images : nullptr;
    const int iconSize = m_images ? HardwareImageList::kIconSize : 0;
    setIconSize(QSize(iconSize, iconSize));
    verticalHeader()->setDefaultSectionSize(qMax(iconSize, fontMetrics().height()) + kRowPadding);

    setColumnCount(kColumnCount);
    const int outerWidth = width();
    for (int column = 0; column < kColumnCount; ++column) {
        auto* header = new QTableWidgetItem(StringTable::Text(kColumns[column].textId));
        header->setTextAlignment(kColumns[column].alignment);
        setHorizontalHeaderItem(column, header);
        setColumnWidth(column, static_cast<int>(outerWidth * kColumns[column].widthShare));
    }
    return kOk;
}

void HardwareList::ShowRows(const std::vector<HardwareRow>& rows, bool keepSelection) {
    const int selected = SelectedRow();
    setRowCount(0);
    for (const HardwareRow& row : rows) {
        const int index = rowCount();
        insertRow(index);
        const QString number = QString::number(row.number);
        QTableWidgetItem* numberCell = NewCell(
            index, kNumberColumn, row.errorCode != 0 ? HardwareImageList::kWarning : kNoImage);
        numberCell->setText(number);
        numberCell->setTextAlignment(kColumns[kNumberColumn].alignment);
        // Without a name in the current language the entry shows its number.
        NewCell(index, kNameColumn, HardwareImageList::TypeImage(row.type))
            ->setText(row.typeName.empty() ? number : QString::fromStdString(row.typeName));
        NewCell(index, kStatusColumn, HardwareImageList::StatusImage(row.isActive, row.isDefault));
    }
    if (keepSelection) SelectRow(selected);
}

int HardwareList::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void HardwareList::SelectRow(int row) {
    if (row >= 0 && row < rowCount()) selectRow(row);
}

bool HardwareList::viewportEvent(QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!press && !release) return QTableWidget::viewportEvent(event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QModelIndex hit = indexAt(mouse->position().toPoint());
    // A click beside the rows takes the selection away, whichever button it was.
    if (press && !hit.isValid()) {
        clearSelection();
        setCurrentIndex(QModelIndex());
    }
    const bool handled = QTableWidget::viewportEvent(event);
    if (release && mouse->button() == Qt::LeftButton)
        emit RowClicked(hit.isValid() ? hit.row() : -1);
    return handled;
}

QTableWidgetItem* HardwareList::NewCell(int row, int column, int image) {
    auto* cell = new QTableWidgetItem;
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setData(kImageRole, image);
    cell->setIcon(m_images && image != kNoImage ? m_images->At(image) : QIcon());
    setItem(row, column, cell);
    return cell;
}

}  // namespace trelink
