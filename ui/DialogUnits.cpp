#include "ui/DialogUnits.h"

#include <QFontMetrics>

namespace trelink {
namespace {

// Rounds value * numerator / denominator to the nearest integer, halves away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average width is taken over both alphabets and rounded, as dialog templates expect.
    const int alphabetWidth = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseWidth = qMax(1, (alphabetWidth / 26 + 1) / 2);
    m_baseHeight = qMax(1, metrics.height());
}

QFont DialogUnits::DialogFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

int DialogUnits::X(int units) const {
    return ScaleRounded(units, m_baseWidth, 4);
}

int DialogUnits::Y(int units) const {
    return ScaleRounded(units, m_baseHeight, 8);
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

QSize DialogUnits::Size(int width, int height) const {
    return QSize(X(width), Y(height));
}

}  // namespace trelink
