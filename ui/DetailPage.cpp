#include "ui/DetailPage.h"

#include <QEvent>

namespace trelink {

DetailPage::DetailPage(QWidget* client, QWidget* tabs, const DialogUnits& units)
    : QWidget(tabs), m_client(client), m_units(units) {
    hide();
}

void DetailPage::Place(QWidget* control, const QRect& layoutRect) {
    control->setParent(this);
    const QRect inClient =
        m_units.Rect(layoutRect.x(), layoutRect.y(), layoutRect.width(), layoutRect.height());
    // The size is known at once, so that lists can take their column widths from it.
    control->resize(inClient.size());
    m_places.emplace_back(control, inClient);
    Reposition();
}

void DetailPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retext();
    QWidget::changeEvent(event);
}

void DetailPage::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    Reposition();
}

void DetailPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Reposition();
}

void DetailPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Reposition();
}

void DetailPage::Reposition() {
    if (!m_client->isAncestorOf(this)) return;
    const QPoint origin = mapTo(m_client, QPoint(0, 0));
    for (const auto& [control, inClient] : m_places) {
        control->move(inClient.topLeft() - origin);
    }
}

}  // namespace trelink
