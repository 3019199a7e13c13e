#pragma once

#include <QAbstractScrollArea>
#include <QList>

class QComboBox;
class QLineEdit;

namespace trelink {

struct PropertyItem;

// A list of two columns, name on the left and value on the right, whose value cells are edited
// in place: a click on a row opens a choice list or a text field over its value cell. Every edit
// goes straight into the row's item; the owner reads the items back when it needs the values.
// The border between the columns can be dragged.
class PropertyList : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit PropertyList(QWidget* parent = nullptr);

    // Appends a row that shows item, which must outlive the list; gives the row's index.
    int AddRow(PropertyItem& item);
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    // Draws the rows again after their items were changed from outside.
    void RefreshRows();

    // The x of the column border in the viewport; 0 until the first row was drawn.
    int Splitter() const { return m_splitter; }
    // The row clicked last; -1 before the first click.
    int CurrentRow() const { return m_currentRow; }
    // The in-place editors; null until first used.
    QComboBox* ChoiceEditor() const { return m_choiceEditor; }
    QLineEdit* TextEditor() const { return m_textEditor; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect RowRect(int row) const;
    int RowAt(int y) const;
    void DrawRow(QPainter& painter, int row);
    void DrawDragLine(QPainter& painter) const;
    void UpdateScrollRange();

    bool IsNearSplitter(int x) const;
    int WithinDragMargins(int x) const;
    void StartDrag(int x);
    void MoveDragLine(int x);
    void EndDrag(int x);

    void OpenEditor();
    void OpenChoiceEditor(const QRect& cell, const PropertyItem& item);
    void OpenTextEditor(const QRect& cell, const PropertyItem& item);
    QComboBox& ChoiceEditorInstance();
    QLineEdit& TextEditorInstance();
    void OnChoicePicked(int index);
    void OnTextChanged(const QString& text);

    QList<PropertyItem*> m_rows;
    int m_splitter = 0;
    int m_currentRow = -1;
    bool m_dragging = false;
    int m_dragLineX = 0;
    QComboBox* m_choiceEditor = nullptr;
    QLineEdit* m_textEditor = nullptr;
};

}  // namespace trelink
