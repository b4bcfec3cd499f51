#pragma once

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class SideWindowPlacement;

// "Kluni - ini-Probleme": the model ini files that the last search could not
// open or found without a name entry. Shown modally; reads the problem lists
// of gMod as the latest search left them.
class FIniShow : public QDialog {
    Q_OBJECT
public:
    explicit FIniShow(QWidget* parent = nullptr);
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

    // Distances of the layout as designed, in pixels, measured at load.
    int msListWidthMargin = 0;
    int msListHeightMargin = 0;
    int msButtonTopOffset = 0;
    int msButtonSpacing = 0;
};
