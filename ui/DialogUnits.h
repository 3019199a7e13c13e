#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace trelink {

// Converts dialog-unit layouts into pixels: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    // The font every dialog of the program uses: the default sans-serif face at 8 points.
    static QFont DialogFont();

    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

    int BaseWidth() const { return m_baseWidth; }
    int BaseHeight() const { return m_baseHeight; }

private:
    int m_baseWidth;
    int m_baseHeight;
};

}  // namespace trelink
