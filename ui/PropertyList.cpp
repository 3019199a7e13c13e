#include "ui/PropertyList.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "ui/DialogUnits.h"
#include "ui/PropertyItem.h"

namespace trelink {
namespace {

constexpr int kRowHeight = 20;
constexpr int kTextInset = 3;
// The text field leaves the bottom of the cell free, so that the row's edge stays visible.
constexpr int kTextFieldBottomGap = 3;
constexpr int kSplitterGrip = 5;
constexpr int kDragMargin = 10;
constexpr QRgb kNameCellColour = qRgb(192, 192, 192);

// Every piece ended by "|" is an entry, an empty piece too; what follows the last "|" is not.
QStringList ChoiceEntries(const QString& choices) {
    QStringList pieces = choices.split(QLatin1Char('|'));
    pieces.removeLast();
    return pieces;
}

int IndexWithoutCase(const QStringList& entries, const QString& text) {
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].compare(text, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

// The lower and right halves of a sunken edge: a highlight line outside a lighter one.
void DrawSunkenEdge(QPainter& painter, const QRect& cell, const QPalette& palette, bool withRight) {
    const QColor outer = palette.color(QPalette::Light);
    const QColor inner = palette.color(QPalette::Midlight);
    painter.setPen(outer);
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
    if (withRight) painter.drawLine(cell.topRight(), cell.bottomRight());
    painter.setPen(inner);
    painter.drawLine(cell.left(), cell.bottom() - 1, cell.right() - 1, cell.bottom() - 1);
    if (withRight) painter.drawLine(cell.right() - 1, cell.top(), cell.right() - 1, cell.bottom());
}

void DrawCellText(QPainter& painter, const QRect& area, const QString& text) {
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

}  // namespace

PropertyList::PropertyList(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(kRowHeight);
    viewport()->setMouseTracking(true);
}

int PropertyList::AddRow(PropertyItem& item) {
    m_rows.append(&item);
    UpdateScrollRange();
    viewport()->update();
    return RowCount() - 1;
}

void PropertyList::RefreshRows() {
    viewport()->update();
}

QRect PropertyList::RowRect(int row) const {
    return QRect(0, row * kRowHeight - verticalScrollBar()->value(), viewport()->width(),
                 kRowHeight);
}

// A point below the last row counts for the last row.
int PropertyList::RowAt(int y) const {
    const int row = (y + verticalScrollBar()->value()) / kRowHeight;
    return qMax(0, qMin(row, RowCount() - 1));
}

void PropertyList::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    for (int row = 0; row < RowCount(); ++row) {
        if (RowRect(row).intersects(event->rect())) DrawRow(painter, row);
    }
    if (m_dragging) DrawDragLine(painter);
}

void PropertyList::DrawRow(QPainter& painter, int row) {
    const QRect rect = RowRect(row);
    // Set once, from the first row drawn; later resizes leave the border where it is.
    if (m_splitter == 0) m_splitter = rect.width() / 2;
    const QRect nameCell(rect.left(), rect.top(), m_splitter - 1 - rect.left(), rect.height());
    const QRect valueCell(m_splitter, rect.top(), rect.right() + 1 - m_splitter, rect.height());
    painter.fillRect(nameCell, QColor(kNameCellColour));
    DrawSunkenEdge(painter, nameCell, palette(), true);
    DrawSunkenEdge(painter, valueCell, palette(), false);

    painter.setPen(palette().color(QPalette::Text));
    const PropertyItem& item = *m_rows[row];
    DrawCellText(painter, nameCell.adjusted(kTextInset, kTextInset, -kTextInset, 0), item.name);
    DrawCellText(painter, valueCell.adjusted(kTextInset, kTextInset, 0, 0), item.value);
}

// Difference against white inverts every pixel under the line, whatever the colours are.
void PropertyList::DrawDragLine(QPainter& painter) const {
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(Qt::white);
    painter.drawLine(m_dragLineX, 0, m_dragLineX, viewport()->height() - 1);
}

void PropertyList::UpdateScrollRange() {
    const int height = viewport()->height();
    verticalScrollBar()->setPageStep(height);
    verticalScrollBar()->setRange(0, qMax(0, RowCount() * kRowHeight - height));
}

void PropertyList::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

// The editors are children of the viewport, so they move along with their rows.
void PropertyList::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy);
}

void PropertyList::mousePressEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (event->button() == Qt::LeftButton && IsNearSplitter(x)) StartDrag(x);
    event->accept();
}

void PropertyList::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (m_dragging) {
        MoveDragLine(x);
    } else if (IsNearSplitter(x)) {
        viewport()->setCursor(Qt::SplitHCursor);
    } else {
        viewport()->unsetCursor();
    }
    event->accept();
}

void PropertyList::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    if (m_dragging) {
        EndDrag(at.x());
    } else if (RowCount() > 0) {
        m_currentRow = RowAt(at.y());
        OpenEditor();
    }
}

bool PropertyList::IsNearSplitter(int x) const {
    return qAbs(x - m_splitter) <= kSplitterGrip;
}

// The pointer cannot be confined to a rectangle here, so the line and the border are kept
// inside the control's outer edges less the margins instead.
int PropertyList::WithinDragMargins(int x) const {
    const QRect outer(viewport()->mapFrom(this, QPoint(0, 0)), size());
    return qMax(outer.left() + kDragMargin, qMin(x, outer.right() - kDragMargin));
}

void PropertyList::StartDrag(int x) {
    m_dragging = true;
    viewport()->setCursor(Qt::SplitHCursor);
    if (m_choiceEditor) m_choiceEditor->hide();
    if (m_textEditor) m_textEditor->hide();
    m_dragLineX = WithinDragMargins(x);
    viewport()->update(m_dragLineX, 0, 1, viewport()->height());
}

void PropertyList::MoveDragLine(int x) {
    const int lineX = WithinDragMargins(x);
    if (lineX == m_dragLineX) return;
    viewport()->update(m_dragLineX, 0, 1, viewport()->height());
    m_dragLineX = lineX;
    viewport()->update(m_dragLineX, 0, 1, viewport()->height());
}

void PropertyList::EndDrag(int x) {
    m_dragging = false;
    m_splitter = WithinDragMargins(x);
    viewport()->update();
}

void PropertyList::OpenEditor() {
    if (m_currentRow < 0) return;
    QRect cell = RowRect(m_currentRow);
    cell.setLeft(m_splitter);
    const PropertyItem& item = *m_rows[m_currentRow];
    if (item.kind == PropertyItem::kChoiceList) {
        OpenChoiceEditor(cell, item);
    } else if (item.kind == PropertyItem::kFreeText) {
        OpenTextEditor(cell, item);
    }
}

void PropertyList::OpenChoiceEditor(const QRect& cell, const PropertyItem& item) {
    QComboBox& editor = ChoiceEditorInstance();
    const QStringList entries = ChoiceEntries(item.choices);
    editor.setGeometry(cell);
    editor.clear();
    editor.addItems(entries);
    // The drop-down shows every entry; the screen's edges are the only limit.
    editor.setMaxVisibleItems(qMax(1, entries.size()));
    editor.show();
    editor.setFocus(Qt::OtherFocusReason);
    // Preselecting is not picking: the row keeps its value until the user picks an entry.
    editor.setCurrentIndex(qMax(0, IndexWithoutCase(entries, item.value)));
}

void PropertyList::OpenTextEditor(const QRect& cell, const PropertyItem& item) {
    QLineEdit& editor = TextEditorInstance();
    editor.setGeometry(cell.adjusted(0, 0, 0, -kTextFieldBottomGap));
    editor.show();
    editor.setFocus(Qt::OtherFocusReason);
    editor.setText(item.value);
}

QComboBox& PropertyList::ChoiceEditorInstance() {
    if (!m_choiceEditor) {
        m_choiceEditor = new QComboBox(viewport());
        m_choiceEditor->setFont(DialogUnits::DialogFont());
        // A drop-down below the cell, as tall as its entries, rather than the style's list
        // laid over the cell around the current entry.
        m_choiceEditor->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
        m_choiceEditor->installEventFilter(this);
        connect(m_choiceEditor, &QComboBox::activated, this, &PropertyList::OnChoicePicked);
    }
    return *m_choiceEditor;
}

QLineEdit& PropertyList::TextEditorInstance() {
    if (!m_textEditor) {
        m_textEditor = new QLineEdit(viewport());
        m_textEditor->setFont(DialogUnits::DialogFont());
        m_textEditor->installEventFilter(this);
        connect(m_textEditor, &QLineEdit::textChanged, this, &PropertyList::OnTextChanged);
    }
    return *m_textEditor;
}

void PropertyList::OnChoicePicked(int index) {
    if (m_currentRow >= 0) m_rows[m_currentRow]->value = m_choiceEditor->itemText(index);
}

void PropertyList::OnTextChanged(const QString& text) {
    if (m_currentRow >= 0) m_rows[m_currentRow]->value = text;
}

bool PropertyList::eventFilter(QObject* watched, QEvent* event) {
    const bool isEditor = watched == m_choiceEditor || watched == m_textEditor;
    // The choice list's own drop-down takes the focus while it is open; the editor stays.
    if (isEditor && event->type() == QEvent::FocusOut && !QApplication::activePopupWidget()) {
        static_cast<QWidget*>(watched)->hide();
        viewport()->update();
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

}  // namespace trelink
