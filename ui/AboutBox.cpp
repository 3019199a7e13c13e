#include "ui/AboutBox.h"

#include <QLabel>
#include <QPushButton>

#include "services/ProgramPath.h"
#include "store/DriverFileInfo.h"
#include "store/MessageIds.h"
#include "ui/BuildStamp.h"
#include "ui/DialogUnits.h"
#include "ui/StringTable.h"

namespace trelink {
namespace {

QString CutAtLastDot(const QString& text) {
    const qsizetype dot = text.lastIndexOf(u'.');
    return dot < 0 ? text : text.left(dot);
}

}  // namespace

AboutBox::AboutBox(QWidget* parent, const QString& programFile)
    : QDialog(parent), m_programFile(programFile), m_ok(new QPushButton(this)) {
    setFont(DialogUnits::DialogFont());
    const DialogUnits units(font());
    //% "Info über Trelink-Zazorudevoza"
    setWindowTitle(qtTrId("about.title"));
    setFixedSize(units.Size(215, 82));

    m_product = NewCentredText(units.X(7), units.Y(10), units.X(201), units.Y(8));
    m_build = NewCentredText(units.X(31), units.Y(42), units.X(153), units.Y(8));
    m_ok->setText(StringTable::Text(Msg::kButtonOk));
    m_ok->setGeometry(units.Rect(83, 61, 50, 14));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString AboutBox::OwnProgramFile() {
    // The program file has no extension here, so its own path is the file to read.
    return QString::fromStdString(ProgramFilePath());
}

QString AboutBox::ShortVersion(const QString& version) {
    return CutAtLastDot(CutAtLastDot(version));
}

void AboutBox::showEvent(QShowEvent* event) {
    FillTexts();
    QDialog::showEvent(event);
}

QLabel* AboutBox::NewCentredText(int x, int y, int width, int height) {
    auto* label = new QLabel(this);
    label->setGeometry(x, y, width, height);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Plain text keeps the blank that pads a one-digit day of the build date.
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Built from the layout's texts every time, so that opening the box again shows the same.
void AboutBox::FillTexts() {
    const QString version =
        QString::fromStdString(DriverFileInfo(m_programFile.toStdString()).Version());
    //% "Trelink-Zazorudevoza Version"
    m_product->setText(qtTrId("about.product") + u' ' + ShortVersion(version));
    //% "%s %s (Build: %s)"
    m_build->setText(
        StringTable::FillPlaceholders(qtTrId("about.build"), {version, BuildDate(), BuildTime()}));
}

}  // namespace trelink
