#pragma once

#include <QDialog>

class QLineEdit;

namespace suite {
class MessageBoxes;
class ProgramStarter;
} // namespace suite

namespace suite::browser {

class DesktopPrograms;

// The settings dialog "Info": start page and search engine, saved to Browser.ini by
// "Speichern" (also Enter and Escape), and a button that starts the system information.
class frmAbout1 final : public QDialog {
    Q_OBJECT
public:
    frmAbout1(QString iniPath, MessageBoxes& messageBoxes, ProgramStarter& starter,
        const DesktopPrograms& programs, QWidget* parent = nullptr);

    void setFields(const QString& startPage, const QString& searchEngine);
    void setStartPageField(const QString& startPage);
    void setSearchEngineField(const QString& searchEngine);
    QString startPageField() const;
    QString searchEngineField() const;

    void cmdOK_Click();
    void StartSysInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int px(int twips) const;

    QString m_iniPath;
    MessageBoxes& m_messageBoxes;
    ProgramStarter& m_starter;
    const DesktopPrograms& m_programs;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
};

} // namespace suite::browser
