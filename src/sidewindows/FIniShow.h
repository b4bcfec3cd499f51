#pragma once

#include "hostdata/IniProblems.h"

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class SideWindowPlacement;

// "Kluni - ini-Probleme": the model ini files that the last search could not
// open or found without a name entry. Shown modally with the problem lists
// that the main window kept of the latest search, and the name key that
// search compared with.
class FIniShow : public QDialog {
    Q_OBJECT
public:
    FIniShow(const IniProblems& problems, const QString& searchNameKey, QWidget* parent = nullptr);
    ~FIniShow() override;

    // The list exactly as shown, CR LF after every line.
    const QString& ListText() const { return m_listText; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildControls();
    void MeasureLayout();
    void rbChoice_Click(int index);
    void ShowProblemList(const QStringList& pCol, qint32 plCount);
    void cmdClipB_Click();

    QLabel* lblTitle = nullptr;
    QGroupBox* fraChoice = nullptr;
    QRadioButton* rbChoice[2] = {nullptr, nullptr};
    QLabel* lblFileCount = nullptr;
    QPlainTextEdit* txListe = nullptr;
    QPushButton* cmdClipB = nullptr;
    QPushButton* cmdDone = nullptr;
    SideWindowPlacement* m_place = nullptr;
    QString m_listText;
    const IniProblems m_problems;   // a copy: a search may end while the window is open
    const QString m_searchNameKey;

    // Distances of the layout as designed, in pixels, measured at load.
    int msListWidthMargin = 0;
    int msListHeightMargin = 0;
    int msButtonTopOffset = 0;
    int msButtonSpacing = 0;
};
