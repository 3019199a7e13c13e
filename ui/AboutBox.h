#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QShowEvent;

namespace trelink {

// The program's version and build stamp. The version is read from the program file's
// package-metadata note each time the box opens; "-" when the file has none.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    // programFile defaults to the running program's own file.
    explicit AboutBox(QWidget* parent = nullptr, const QString& programFile = OwnProgramFile());

    static QString OwnProgramFile();
    // The version cut at its last "." twice: 1.0.4.0 gives 1.0; a text without "." stays.
    static QString ShortVersion(const QString& version);

    QLabel* ProductText() const { return m_product; }
    QLabel* BuildText() const { return m_build; }
    QPushButton* OkButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* NewCentredText(int x, int y, int width, int height);
    void FillTexts();

    QString m_programFile;
    QLabel* m_product = nullptr;
    QLabel* m_build = nullptr;
    QPushButton* m_ok;
};

}  // namespace trelink
