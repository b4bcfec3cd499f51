#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The notice area of the main window: a text (lblError) on a dark red panel
// (lblErrBG) with the button "Ini- Probleme..." (cmdIni). Hidden at load.
class NoticeArea {
public:
    NoticeArea(QWidget* parent, const QRect& panel);

    // The text is shown; the panel and the button only when showIniButton.
    void Show(const QString& text, bool showIniButton);
    void Hide();

    QLabel* Panel() const { return lblErrBG; }
    QPushButton* IniButton() const { return cmdIni; }

private:
    QLabel* lblErrBG = nullptr;
    QLabel* lblError = nullptr;
    QPushButton* cmdIni = nullptr;
};
