#pragma once

#include <QRect>
#include <QWidget>
#include <utility>
#include <vector>

#include "ui/DialogUnits.h"

namespace trelink {

// A page of the detail tabs. Its controls are laid out in the main window's dialog units, as
// the window's layout gives them; the page keeps them at those places in the window wherever
// the tab widget puts the page. Captions follow the interface language.
class DetailPage : public QWidget {
    Q_OBJECT

public:
    // client is the window's client area, in whose coordinates the layout is given; the page
    // waits inside tabs until the tabs are built.
    DetailPage(QWidget* client, QWidget* tabs, const DialogUnits& units);

protected:
    // Makes control a child of the page, placed at the window layout's rectangle (dialog units).
    void Place(QWidget* control, const QRect& layoutRect);

    // The page's captions in the current language.
    virtual void Retext() = 0;

    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Reposition();

    QWidget* m_client;
    // A copy: the window's units are a local of its set-up.
    const DialogUnits m_units;
    std::vector<std::pair<QWidget*, QRect>> m_places;  // control and its rectangle in the client
};

}  // namespace trelink
